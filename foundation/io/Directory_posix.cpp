#include "foundation/io/Directory.h"

#include "foundation/io/PosixPath.h"

#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

bool Directory::exists(const String& path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(toNativePath(path).c_str(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode);
}

bool Directory::makeOneDirectory(const String& path)
{
    return ::mkdir(toNativePath(path).c_str(), 0777) == 0;
}

bool Directory::removeEmptyDirectory(const String& path)
{
    return ::rmdir(toNativePath(path).c_str()) == 0;
}

bool Directory::isWritable(const String& path)
{
    return exists(path) && ::access(toNativePath(path).c_str(), W_OK) == 0;
}

// A symbolic link is reported with the kind of its target but marked, so the
// walk lists it without entering it. Names that begin with '.' count as hidden.
bool Directory::readEntries(const String& folder, std::vector<Entry>& entries)
{
    std::string native = toNativePath(folder);
    DIR* handle = opendir(native.c_str());
    if (!handle)
        return false;
    if (native.empty() || native.back() != '/')
        native += '/';
    while (struct dirent* item = readdir(handle)) {
        std::string name = item->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info;
        std::string full = native + name;
        if (::lstat(full.c_str(), &info) != 0)
            continue;
        Entry entry;
        entry.name = fromNativePath(name);
        entry.isHidden = name[0] == '.';
        entry.isLink = S_ISLNK(info.st_mode);
        if (entry.isLink && ::stat(full.c_str(), &info) != 0)
            continue;
        entry.isDirectory = S_ISDIR(info.st_mode);
        entry.size = entry.isDirectory ? 0 : uint64_t(info.st_size);
        entries.push_back(entry);
    }
    closedir(handle);
    return true;
}

String Directory::temporaryFolder()
{
    const char* folder = std::getenv("TMPDIR");
    std::string path = (folder && *folder) ? folder : "/tmp";
    if (path.back() != '/')
        path += '/';
    return fromNativePath(path);
}
