// pak: builds, unpacks and lists the program's .pak data archives.
//   pak pack FOLDER ARCHIVE     every file below FOLDER, grouped by sub-folder
//   pak unpack ARCHIVE FOLDER   every item as a file below FOLDER
//   pak list ARCHIVE            one line per item: group, name, size (tab-separated)
// Exits 0 on success, 1 with a one-line message on failure, 2 on bad usage.
// Packing stamps every group and item with SOURCE_DATE_EPOCH when it holds
// a count of seconds, else with the newest time among the files packed.
#include "foundation/data/PakArchive.h"
#include "foundation/io/PosixPath.h"
#include "foundation/text/ByteArray.h"
#include "tools/pak/SourceDateEpoch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string utf8(const String& text)
{
    ByteArray bytes = text.toUtf8();
    return std::string(reinterpret_cast<const char*>(bytes.data()), size_t(bytes.size()));
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "pak: %s\n", message.c_str());
    return 1;
}

int usage()
{
    std::fprintf(stderr, "usage: pak pack FOLDER ARCHIVE | pak unpack ARCHIVE FOLDER | pak list ARCHIVE\n");
    return 2;
}

// The stamp SOURCE_DATE_EPOCH asks for; a value that is no count of seconds
// is ignored, with a warning, rather than failing the build.
DateTime stampFromEnvironment()
{
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    const DateTime stamp = sourceDateEpochTime(text);
    if (text && stamp.isNull())
        std::fprintf(stderr, "pak: SOURCE_DATE_EPOCH ignored: \"%s\" is no count of seconds\n", text);
    return stamp;
}

int pack(const char* folder, const char* archivePath)
{
    PakArchive archive;
    archive.setAddedDateTime(stampFromEnvironment());
    int count = 0;
    if (!archive.packFolder(fromNativePath(folder), fromNativePath(archivePath), &count))
        return fail(std::string("cannot pack ") + folder + " into " + archivePath);
    std::printf("%d items packed into %s\n", count, archivePath);
    return 0;
}

int unpack(const char* archivePath, const char* folder)
{
    PakArchive archive;
    int count = 0;
    if (!archive.unpackToFolder(fromNativePath(archivePath), fromNativePath(folder), &count))
        return fail(std::string("cannot unpack ") + archivePath + " into " + folder);
    std::printf("%d items unpacked into %s\n", count, folder);
    return 0;
}

int list(const char* archivePath)
{
    PakArchive archive;
    if (!archive.open(fromNativePath(archivePath)))
        return fail(std::string("cannot read archive ") + archivePath);
    for (PakGroup* group : archive.groups()) {
        for (PakItem* item : group->items())
            std::printf("%s\t%s\t%d\n", utf8(group->name()).c_str(), utf8(item->name()).c_str(),
                        item->dataSize());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "pack") == 0)
        return pack(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "unpack") == 0)
        return unpack(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "list") == 0)
        return list(argv[2]);
    return usage();
}
