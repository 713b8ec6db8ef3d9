// langc: compiles a language file from its XML form into the binary ".lang"
// form, so that a language can ship either way.
//   langc SOURCE.xml TARGET.lang
// The escapes ("|", "\n", "%app" ...) stay as written and are resolved when
// the program loads the compiled file, exactly as for the XML file. The
// header's date is the source file's last modification.
// Exits 0 on success, 1 with a one-line message on failure, 2 on bad usage.
#include "foundation/core/LanguageFile.h"
#include "foundation/io/File.h"
#include "foundation/io/PosixPath.h"

#include <cstdio>
#include <string>

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "langc: %s\n", message.c_str());
    return 1;
}

int compile(const char* sourcePath, const char* targetPath)
{
    String source = fromNativePath(sourcePath);
    LanguageFile language;
    language.setKeepsEscapes(true);
    if (!language.loadXml(source))
        return fail(std::string("cannot read the language file ") + sourcePath);
    language.setDate(File::lastWriteTime(source, true));
    if (!language.saveBinary(fromNativePath(targetPath)))
        return fail(std::string("cannot write ") + targetPath);
    std::printf("%d translations compiled into %s\n", language.count(), targetPath);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: langc SOURCE.xml TARGET.lang\n");
        return 2;
    }
    return compile(argv[1], argv[2]);
}
