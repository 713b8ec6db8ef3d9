#include "model/scan/FolderScanner.h"

#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "foundation/text/CharClass.h"
#include "model/scan/MediaExtensions.h"

namespace {

void capitaliseAt(String& text, int index)
{
    char16_t unit = text.at(index);
    if (isAlphaChar(unit))
        *text.charAt(index) = toUpperUnit(unit);
}

} // namespace

FolderScanner::FolderScanner() : m_extensions(videoFileExtensions()) {}

bool FolderScanner::scan(const String& folder)
{
    m_files.clear();
    if (folder.isEmpty() || !Directory::exists(folder))
        return false;
    StringList paths;
    int options = Directory::kListFiles | Directory::kListRecursive;
    if (!Directory::list(folder, options, &m_extensions, paths) || paths.isEmpty())
        return false;
    for (const String& path : paths)
        m_files.append(ScannedFile{path, titleFromPath(path)});
    return true;
}

String FolderScanner::titleFromPath(const String& path)
{
    String title = pathBaseName(path).replaceChar(u'_', u' ', String::kCaseSensitive);
    if (title.isEmpty())
        return title;
    capitaliseAt(title, 0);
    for (int i = 1; i < title.length(); ++i) {
        char16_t before = title.at(i - 1);
        if (before == u' ' || before == u'\t')
            capitaliseAt(title, i);
    }
    return title;
}
