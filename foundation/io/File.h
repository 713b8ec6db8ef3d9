#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class DateTime;

// A handle on one file plus the static file operations every caller uses.
// Paths are Windows paths with '\' as separator; the native build turns them
// into POSIX paths at the system call.
class File
{
public:
    enum OpenMode
    {
        kModeRead = 1,      // existing file, shared for reading
        kModeWrite = 2,     // created or truncated, not shared
        kModeReadWrite = 3, // opened or created, not shared
        kModeAppend = 4     // opened or created for writing, not shared
    };

    enum Attribute
    {
        kAttributeHidden = 1,
        kAttributeReadOnly = 2
    };

    enum TimeKind
    {
        kCreationTime = 0,
        kLastAccessTime = 1,
        kLastWriteTime = 2
    };

    explicit File(const String& path);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    const String& path() const { return m_path; }
    int mode() const { return m_mode; }
    bool isOpen() const;

    bool open(int mode);
    void close();

    // Low-level calls on the open handle, used by the file streams.
    int32_t read(void* buffer, uint32_t count);
    int32_t write(const void* buffer, uint32_t count);
    bool flush();
    bool seek(uint64_t offset);
    bool rewind();
    bool seekToEnd();
    uint64_t position() const;
    uint64_t size() const;

    static bool exists(const String& path);
    static int64_t size(const String& path);
    static String sizeText(const String& path, int* unit);
    static bool isEmpty(const String& path);
    static bool isLocked(const String& path);
    static bool create(const String& path);
    static bool remove(const String& path);
    // Deletes the file only when no handle on it is open anywhere (natively:
    // none of our File handles, which mark the files they hold); false when
    // it is held, missing or cannot be deleted.
    static bool removeIfUnused(const String& path);
    static bool recycle(const String& path);
    static bool rename(const String& path, const String& newName);
    static bool copy(const String& source, const String& target);
    static bool move(const String& source, const String& target);
    // Puts source in the place of target in one step, replacing a target that
    // exists; the way every save lands, so a failed save never costs the old file.
    static bool replace(const String& source, const String& target);

    static int attributes(const String& path);
    static bool isReadOnly(const String& path);
    static bool isHidden(const String& path);
    static bool setAttribute(const String& path, int which, bool on);

    static DateTime creationTime(const String& path, bool local);
    static DateTime lastAccessTime(const String& path, bool local);
    static DateTime lastWriteTime(const String& path, bool local);
    static DateTime fileTime(const String& path, int which, bool local);
    static bool copyTimes(const String& target, const String& source);
    static bool setTime(const String& path, const DateTime& value, bool isLocal);

    static String longPathName(const String& path);
    static String shortPathName(const String& path);
    static String programFilePath();

private:
    String m_path;
    intptr_t m_handle; // the system handle (HANDLE or descriptor); -1 while closed
    int m_mode;
};
