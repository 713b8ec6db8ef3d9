#include "foundation/io/File.h"

#include "foundation/io/Path.h"
#include "foundation/time/DateTime.h"

#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include <cstring>

namespace {

const intptr_t kNoHandle = intptr_t(-1);
const int kRecycleBufferLength = 1024;
const UINT kRecycleFlags = 0x065C; // silent, rename on collision, no confirmation, undo, no error box

const wchar_t* wide(const String& text)
{
    return reinterpret_cast<const wchar_t*>(text.data());
}

HANDLE handleOf(intptr_t value)
{
    return reinterpret_cast<HANDLE>(value);
}

// Asks for attributes without the system's "no disk in drive" box.
DWORD quietAttributes(const String& path)
{
    UINT oldMode = SetErrorMode(0);
    SetErrorMode(oldMode | SEM_FAILCRITICALERRORS);
    DWORD attributes = GetFileAttributesW(wide(path));
    SetErrorMode(oldMode);
    return attributes;
}

String fromWide(const wchar_t* text)
{
    return String(reinterpret_cast<const char16_t*>(text));
}

DateTime fromSystemTime(const SYSTEMTIME& time)
{
    return DateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                    time.wMilliseconds);
}

HANDLE openForAttributes(const String& path, DWORD access)
{
    return CreateFileW(wide(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

} // namespace

File::File(const String& path) : m_path(path), m_handle(kNoHandle), m_mode(3) {}

File::~File()
{
    close();
}

bool File::open(int mode)
{
    DWORD access = 0;
    DWORD sharing = 0;
    DWORD disposition = 0;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    switch (mode) {
    case kModeRead:
        access = GENERIC_READ;
        sharing = FILE_SHARE_READ;
        disposition = OPEN_EXISTING;
        flags |= FILE_FLAG_SEQUENTIAL_SCAN;
        break;
    case kModeWrite:
        access = GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        break;
    case kModeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        disposition = OPEN_ALWAYS;
        break;
    case kModeAppend:
        access = GENERIC_WRITE;
        disposition = OPEN_ALWAYS;
        break;
    default:
        return false;
    }
    if (m_path.isEmpty())
        return false;
    HANDLE handle = CreateFileW(wide(m_path), access, sharing, nullptr, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    close();
    m_handle = reinterpret_cast<intptr_t>(handle);
    m_mode = mode;
    return true;
}

void File::close()
{
    if (m_handle != kNoHandle)
        CloseHandle(handleOf(m_handle));
    m_handle = kNoHandle;
    m_mode = 3;
}

int32_t File::read(void* buffer, uint32_t count)
{
    DWORD got = 0;
    if (!isOpen() || count > uint32_t(INT32_MAX))
        return -1;
    if (!ReadFile(handleOf(m_handle), buffer, count, &got, nullptr))
        return -1;
    return int32_t(got);
}

int32_t File::write(const void* buffer, uint32_t count)
{
    DWORD put = 0;
    if (!isOpen() || count > uint32_t(INT32_MAX))
        return -1;
    if (!WriteFile(handleOf(m_handle), buffer, count, &put, nullptr))
        return -1;
    return int32_t(put);
}

bool File::flush()
{
    return isOpen() && FlushFileBuffers(handleOf(m_handle));
}

bool File::seek(uint64_t offset)
{
    if (!isOpen() || offset > uint64_t(INT64_MAX))
        return false;
    LARGE_INTEGER distance;
    distance.QuadPart = LONGLONG(offset);
    return SetFilePointerEx(handleOf(m_handle), distance, nullptr, FILE_BEGIN);
}

bool File::seekToEnd()
{
    LARGE_INTEGER distance;
    distance.QuadPart = 0;
    return isOpen() && SetFilePointerEx(handleOf(m_handle), distance, nullptr, FILE_END);
}

uint64_t File::position() const
{
    LARGE_INTEGER distance;
    distance.QuadPart = 0;
    LARGE_INTEGER position;
    if (!isOpen() || !SetFilePointerEx(handleOf(m_handle), distance, &position, FILE_CURRENT))
        return 0;
    return position.QuadPart < 0 ? 0 : uint64_t(position.QuadPart);
}

uint64_t File::size() const
{
    LARGE_INTEGER size;
    if (!isOpen() || !GetFileSizeEx(handleOf(m_handle), &size))
        return 0;
    return uint64_t(size.QuadPart);
}

bool File::exists(const String& path)
{
    if (path.isEmpty())
        return false;
    DWORD attributes = quietAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int64_t File::size(const String& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.isEmpty() || !GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data))
        return 0;
    return int64_t((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool File::isLocked(const String& path)
{
    if (path.isEmpty())
        return true;
    HANDLE handle =
        CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(handle);
    return false;
}

// Opened without sharing, the file is refused while any other handle holds
// it; deleted on close, it goes with our own handle.
bool File::removeIfUnused(const String& path)
{
    if (path.isEmpty())
        return false;
    HANDLE handle =
        CreateFileW(wide(path), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(handle);
    return !exists(path);
}

bool File::create(const String& path)
{
    File file(path);
    return file.open(kModeWrite);
}

bool File::remove(const String& path)
{
    return !path.isEmpty() && DeleteFileW(wide(path));
}

// The path goes into a fixed buffer that must end in two zeros; a longer path
// is refused rather than cut.
bool File::recycle(const String& path)
{
    if (path.isEmpty() || path.length() > kRecycleBufferLength - 2)
        return false;
    if (quietAttributes(path) == INVALID_FILE_ATTRIBUTES)
        return false;
    wchar_t buffer[kRecycleBufferLength];
    std::memset(buffer, 0, sizeof buffer);
    std::memcpy(buffer, path.data(), size_t(path.length()) * sizeof(wchar_t));
    SHFILEOPSTRUCTW operation;
    std::memset(&operation, 0, sizeof operation);
    operation.wFunc = FO_DELETE;
    operation.pFrom = buffer;
    operation.fFlags = FILEOP_FLAGS(kRecycleFlags);
    return SHFileOperationW(&operation) == 0;
}

bool File::copy(const String& source, const String& target)
{
    return !source.isEmpty() && !target.isEmpty() && CopyFileW(wide(source), wide(target), FALSE);
}

bool File::move(const String& source, const String& target)
{
    return !source.isEmpty() && !target.isEmpty() && MoveFileW(wide(source), wide(target));
}

bool File::replace(const String& source, const String& target)
{
    if (source.isEmpty() || target.isEmpty())
        return false;
    return MoveFileExW(wide(source), wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

int File::attributes(const String& path)
{
    if (path.isEmpty())
        return 0;
    DWORD attributes = GetFileAttributesW(wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 0;
    int result = 0;
    if (attributes & FILE_ATTRIBUTE_HIDDEN)
        result |= kAttributeHidden;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        result |= kAttributeReadOnly;
    return result;
}

bool File::setAttribute(const String& path, int which, bool on)
{
    if (path.isEmpty())
        return false;
    DWORD attributes = GetFileAttributesW(wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    DWORD flag = 0;
    if (which == kAttributeHidden)
        flag = FILE_ATTRIBUTE_HIDDEN;
    else if (which == kAttributeReadOnly)
        flag = FILE_ATTRIBUTE_READONLY;
    attributes = on ? (attributes | flag) : (attributes & ~flag);
    return SetFileAttributesW(wide(path), attributes);
}

DateTime File::fileTime(const String& path, int which, bool local)
{
    if (path.isEmpty())
        return DateTime();
    String query(path);
    if (query.at(query.length() - 1) == kPathSeparator)
        query = String(path.data(), path.length() - 1);
    if (query.isEmpty())
        return DateTime();
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(wide(query), &data);
    if (find == INVALID_HANDLE_VALUE)
        return DateTime();
    FindClose(find);
    FILETIME time = data.ftLastWriteTime;
    if (which == kCreationTime)
        time = data.ftCreationTime;
    else if (which == kLastAccessTime)
        time = data.ftLastAccessTime;
    FILETIME localTime;
    if (local && FileTimeToLocalFileTime(&time, &localTime))
        time = localTime;
    SYSTEMTIME system;
    if (!FileTimeToSystemTime(&time, &system))
        return DateTime();
    return fromSystemTime(system);
}

bool File::copyTimes(const String& target, const String& source)
{
    if (target.isEmpty() || source.isEmpty())
        return false;
    HANDLE from = openForAttributes(source, FILE_READ_ATTRIBUTES);
    if (from == INVALID_HANDLE_VALUE)
        return false;
    FILETIME created, accessed, written;
    bool ok = GetFileTime(from, &created, &accessed, &written);
    CloseHandle(from);
    if (!ok)
        return false;
    HANDLE to = openForAttributes(target, FILE_WRITE_ATTRIBUTES);
    if (to == INVALID_HANDLE_VALUE)
        return false;
    ok = SetFileTime(to, &created, &accessed, &written);
    CloseHandle(to);
    return ok;
}

bool File::setTime(const String& path, const DateTime& value, bool isLocal)
{
    if (path.isEmpty() || !value.isValid())
        return false;
    DateTime utc = isLocal ? value.toUtc() : value;
    SYSTEMTIME system;
    system.wYear = WORD(utc.year());
    system.wMonth = WORD(utc.month());
    system.wDay = WORD(utc.day());
    system.wDayOfWeek = WORD(utc.date().dayOfWeek() % 7);
    system.wHour = WORD(utc.hour());
    system.wMinute = WORD(utc.minute());
    system.wSecond = WORD(utc.second());
    system.wMilliseconds = WORD(utc.millisecond());
    FILETIME time;
    if (!SystemTimeToFileTime(&system, &time))
        return false;
    HANDLE handle = CreateFileW(wide(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    bool ok = SetFileTime(handle, &time, &time, &time);
    CloseHandle(handle);
    return ok;
}

String File::longPathName(const String& path)
{
    bool hasTilde = false;
    for (int i = 0; i < path.length() && !hasTilde; ++i)
        hasTilde = path.at(i) == u'~';
    if (!hasTilde)
        return String();
    wchar_t buffer[MAX_PATH];
    DWORD length = GetLongPathNameW(wide(path), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return String();
    return fromWide(buffer);
}

String File::shortPathName(const String& path)
{
    if (path.isEmpty())
        return String();
    wchar_t buffer[MAX_PATH];
    DWORD length = GetShortPathNameW(wide(path), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return String();
    return fromWide(buffer);
}

String File::programFilePath()
{
    wchar_t buffer[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return String();
    return fromWide(buffer);
}
