#include "foundation/io/Directory.h"

#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/text/CharClass.h"
#include "foundation/time/DateTime.h"

namespace {

String withTrailingSeparator(const String& path)
{
    String result(path);
    if (result.isEmpty() || result.at(result.length() - 1) != kPathSeparator)
        result.appendChar(kPathSeparator);
    return result;
}

bool endsWithNoCase(const String& text, const String& suffix)
{
    int offset = text.length() - suffix.length();
    if (suffix.isEmpty() || offset < 0)
        return false;
    for (int i = 0; i < suffix.length(); ++i) {
        if (toLowerUnit(text.at(offset + i)) != toLowerUnit(suffix.at(i)))
            return false;
    }
    return true;
}

// One listing or count: the options, the wanted extensions as ".ext" and where
// the results go.
struct Walk
{
    int options = 0;
    std::vector<String> dottedExtensions;
    StringList* out = nullptr;
    int64_t count = 0;
};

bool wantsFile(const Walk& walk, const String& name)
{
    if (walk.dottedExtensions.empty())
        return true;
    for (const String& extension : walk.dottedExtensions) {
        if (endsWithNoCase(name, extension))
            return true;
    }
    return false;
}

void take(Walk& walk, const String& folder, const String& name)
{
    ++walk.count;
    if (!walk.out)
        return;
    if (walk.options & Directory::kListNamesOnly)
        walk.out->append(name);
    else
        walk.out->append(folder + name);
}

// Depth-first, each folder right after its own entry. Links are listed but
// never entered, and the depth is capped, so a loop cannot hang the walk.
void walkFolder(Walk& walk, const String& folder, int depth)
{
    std::vector<Directory::Entry> entries;
    if (!Directory::readEntries(folder, entries))
        return;
    for (const Directory::Entry& entry : entries) {
        if ((walk.options & Directory::kListSkipHidden) && entry.isHidden)
            continue;
        if (entry.isDirectory) {
            if (walk.options & Directory::kListDirectories)
                take(walk, folder, entry.name);
            bool descend = (walk.options & Directory::kListRecursive) && !entry.isLink;
            if (descend && depth < Directory::kMaxDepth)
                walkFolder(walk, withTrailingSeparator(folder + entry.name), depth + 1);
            continue;
        }
        if ((walk.options & Directory::kListFiles) && wantsFile(walk, entry.name))
            take(walk, folder, entry.name);
    }
}

int64_t folderSize(const String& folder, int depth)
{
    std::vector<Directory::Entry> entries;
    if (!Directory::readEntries(folder, entries))
        return 0;
    int64_t total = 0;
    for (const Directory::Entry& entry : entries) {
        if (!entry.isDirectory) {
            total += int64_t(entry.size);
            continue;
        }
        if (!entry.isLink && depth < Directory::kMaxDepth)
            total += folderSize(withTrailingSeparator(folder + entry.name), depth + 1);
    }
    return total;
}

bool runWalk(const String& path, int options, const StringList* extensions, StringList* out, int64_t* count)
{
    if (!Directory::exists(path))
        return false;
    Walk walk;
    walk.options = options;
    walk.out = out;
    if (extensions) {
        for (const String& extension : *extensions)
            walk.dottedExtensions.push_back(String(u".") + extension);
    }
    walkFolder(walk, withTrailingSeparator(path), 0);
    if (count)
        *count = walk.count;
    return true;
}

} // namespace

Directory::Directory(const String& path) : m_path(path) {}

bool Directory::create(const String& path)
{
    if (!isPathLengthValid(path))
        return false;
    String folder = withTrailingSeparator(path);
    if (exists(folder))
        return true;
    for (int i = 0; i < folder.length(); ++i) {
        if (folder.at(i) != kPathSeparator)
            continue;
        String prefix(folder.data(), i + 1);
        if (!exists(prefix) && !makeOneDirectory(prefix))
            return false;
    }
    return true;
}

bool Directory::remove(const String& path)
{
    if (!exists(path))
        return false;
    return removeEmptyDirectory(path);
}

int64_t Directory::size(const String& path)
{
    if (!exists(path))
        return 0;
    return folderSize(withTrailingSeparator(path), 0);
}

int64_t Directory::count(const String& path, int options, const StringList* extensions)
{
    int64_t result = 0;
    if (!runWalk(path, options, extensions, nullptr, &result))
        return -1;
    return result;
}

bool Directory::list(const String& path, int options, const StringList* extensions, StringList& out)
{
    return runWalk(path, options, extensions, &out, nullptr);
}

DateTime Directory::creationTime(const String& path)
{
    return File::fileTime(path, File::kCreationTime, true);
}

DateTime Directory::lastAccessTime(const String& path)
{
    return File::fileTime(path, File::kLastAccessTime, true);
}

DateTime Directory::lastWriteTime(const String& path)
{
    return File::fileTime(path, File::kLastWriteTime, true);
}

DateTime Directory::creationTime() const
{
    return creationTime(m_path);
}

DateTime Directory::lastAccessTime() const
{
    return lastAccessTime(m_path);
}

DateTime Directory::lastWriteTime() const
{
    return lastWriteTime(m_path);
}

String Directory::programDirectory()
{
    return pathDirectory(File::programFilePath());
}
