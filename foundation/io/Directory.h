#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

#include <cstdint>
#include <vector>

class DateTime;

// A folder on disk: existence, recursive creation, removal, size, counting and
// listing. Every operation also exists as a static function on a path.
class Directory
{
public:
    enum ListOption
    {
        kListFiles = 1,
        kListDirectories = 2,
        kListSkipHidden = 4,
        kListRecursive = 8,
        kListNamesOnly = 16
    };

    // A recursive walk goes no deeper than this below the listed folder, so a
    // loop in the file system cannot hang it.
    static const int kMaxDepth = 64;

    Directory() = default;
    explicit Directory(const String& path);

    const String& path() const { return m_path; }
    void setPath(const String& path) { m_path = path; }

    bool exists() const { return exists(m_path); }
    bool create() const { return create(m_path); }
    bool remove() const { return remove(m_path); }
    bool isWritable() const { return isWritable(m_path); }
    int64_t size() const { return size(m_path); }
    int64_t count(int options, const StringList* extensions) const
    {
        return count(m_path, options, extensions);
    }
    bool list(int options, const StringList* extensions, StringList& out) const
    {
        return list(m_path, options, extensions, out);
    }
    DateTime creationTime() const;
    DateTime lastAccessTime() const;
    DateTime lastWriteTime() const;

    static bool exists(const String& path);
    static bool create(const String& path);
    static bool remove(const String& path);
    static bool isWritable(const String& path);
    static int64_t size(const String& path);
    static int64_t count(const String& path, int options, const StringList* extensions);
    static bool list(const String& path, int options, const StringList* extensions, StringList& out);
    static DateTime creationTime(const String& path);
    static DateTime lastAccessTime(const String& path);
    static DateTime lastWriteTime(const String& path);

    static String programDirectory();
    static String temporaryFolder();

    // One entry of a folder as the system reports it; the walk is portable,
    // reading one folder is the platform's part.
    struct Entry
    {
        String name;
        bool isDirectory = false;
        bool isHidden = false;
        bool isLink = false; // a junction or symbolic link: never descended into
        uint64_t size = 0;
    };
    static bool readEntries(const String& folder, std::vector<Entry>& entries);

private:
    static bool makeOneDirectory(const String& path);
    static bool removeEmptyDirectory(const String& path);

    String m_path;
};
