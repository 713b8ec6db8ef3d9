// The native twin of the file layer: enough for tests and host tools.
#include "foundation/io/File.h"

#include "foundation/io/Path.h"
#include "foundation/io/PosixPath.h"
#include "foundation/time/DateTime.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const intptr_t kNoHandle = -1;

int openFlags(int mode)
{
    switch (mode) {
    case File::kModeRead:
        return O_RDONLY;
    case File::kModeWrite:
        return O_WRONLY | O_CREAT | O_TRUNC;
    case File::kModeReadWrite:
        return O_RDWR | O_CREAT;
    case File::kModeAppend:
        return O_WRONLY | O_CREAT;
    default:
        return -1;
    }
}

bool statPath(const String& path, struct stat& info)
{
    if (path.isEmpty())
        return false;
    return ::stat(toNativePath(path).c_str(), &info) == 0;
}

int fd(intptr_t handle)
{
    return int(handle);
}

DateTime fromTimespec(const struct timespec& value, bool local)
{
    struct tm parts = {};
    time_t seconds = value.tv_sec;
    bool ok = local ? localtime_r(&seconds, &parts) != nullptr : gmtime_r(&seconds, &parts) != nullptr;
    if (!ok)
        return DateTime();
    return DateTime(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
                    parts.tm_sec, int(value.tv_nsec / 1000000));
}

struct timespec toTimespec(const DateTime& utc)
{
    struct tm parts = {};
    parts.tm_year = utc.year() - 1900;
    parts.tm_mon = utc.month() - 1;
    parts.tm_mday = utc.day();
    parts.tm_hour = utc.hour();
    parts.tm_min = utc.minute();
    parts.tm_sec = utc.second();
    struct timespec result = {};
    result.tv_sec = timegm(&parts);
    result.tv_nsec = long(utc.millisecond()) * 1000000L;
    return result;
}

bool setTimes(const String& path, const struct timespec& access, const struct timespec& write)
{
    struct timespec times[2] = {access, write};
    return utimensat(AT_FDCWD, toNativePath(path).c_str(), times, 0) == 0;
}

} // namespace

File::File(const String& path) : m_path(path), m_handle(kNoHandle), m_mode(3) {}

File::~File()
{
    close();
}

bool File::open(int mode)
{
    int flags = openFlags(mode);
    if (m_path.isEmpty() || flags < 0)
        return false;
    int descriptor = ::open(toNativePath(m_path).c_str(), flags | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    // Windows refuses to open a folder as a file; do the same.
    struct stat info;
    if (fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(descriptor);
        return false;
    }
    // Windows keeps a file a handle holds from being deleted; the lock
    // marks it held, for removeIfUnused. Another holder may refuse it.
    flock(descriptor, (mode == kModeRead ? LOCK_SH : LOCK_EX) | LOCK_NB);
    close();
    m_handle = descriptor;
    m_mode = mode;
    return true;
}

void File::close()
{
    if (m_handle != kNoHandle)
        ::close(fd(m_handle));
    m_handle = kNoHandle;
    m_mode = 3;
}

int32_t File::read(void* buffer, uint32_t count)
{
    if (!isOpen() || count > uint32_t(INT32_MAX))
        return -1;
    char* cursor = static_cast<char*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t got = ::read(fd(m_handle), cursor + done, count - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += uint32_t(got);
    }
    return int32_t(done);
}

int32_t File::write(const void* buffer, uint32_t count)
{
    if (!isOpen() || count > uint32_t(INT32_MAX))
        return -1;
    const char* cursor = static_cast<const char*>(buffer);
    uint32_t done = 0;
    while (done < count) {
        ssize_t put = ::write(fd(m_handle), cursor + done, count - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return -1;
        done += uint32_t(put);
    }
    return int32_t(done);
}

bool File::flush()
{
    return isOpen() && fsync(fd(m_handle)) == 0;
}

bool File::seek(uint64_t offset)
{
    if (!isOpen() || offset > uint64_t(INT64_MAX))
        return false;
    return lseek(fd(m_handle), off_t(offset), SEEK_SET) >= 0;
}

bool File::seekToEnd()
{
    return isOpen() && lseek(fd(m_handle), 0, SEEK_END) >= 0;
}

uint64_t File::position() const
{
    if (!isOpen())
        return 0;
    off_t position = lseek(fd(m_handle), 0, SEEK_CUR);
    return position < 0 ? 0 : uint64_t(position);
}

uint64_t File::size() const
{
    struct stat info;
    if (!isOpen() || fstat(fd(m_handle), &info) != 0)
        return 0;
    return uint64_t(info.st_size);
}

bool File::exists(const String& path)
{
    struct stat info;
    return statPath(path, info) && !S_ISDIR(info.st_mode);
}

int64_t File::size(const String& path)
{
    struct stat info;
    if (!statPath(path, info) || S_ISDIR(info.st_mode))
        return 0;
    return int64_t(info.st_size);
}

bool File::isLocked(const String& path)
{
    if (!exists(path))
        return true;
    int descriptor = ::open(toNativePath(path).c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return true;
    ::close(descriptor);
    return false;
}

bool File::removeIfUnused(const String& path)
{
    if (!exists(path))
        return false;
    std::string native = toNativePath(path);
    int descriptor = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    bool removed = flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::unlink(native.c_str()) == 0;
    ::close(descriptor);
    return removed;
}

bool File::create(const String& path)
{
    File file(path);
    return file.open(kModeWrite);
}

bool File::remove(const String& path)
{
    return exists(path) && ::unlink(toNativePath(path).c_str()) == 0;
}

// There is no recycle bin natively.
bool File::recycle(const String&)
{
    return false;
}

bool File::copy(const String& source, const String& target)
{
    File from(source);
    File to(target);
    if (!from.open(kModeRead) || !to.open(kModeWrite))
        return false;
    char buffer[65536];
    for (;;) {
        int32_t got = from.read(buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            return to.flush();
        if (to.write(buffer, uint32_t(got)) != got)
            return false;
    }
}

bool File::move(const String& source, const String& target)
{
    struct stat info;
    if (source.isEmpty() || target.isEmpty() || statPath(target, info))
        return false;
    return ::rename(toNativePath(source).c_str(), toNativePath(target).c_str()) == 0;
}

bool File::replace(const String& source, const String& target)
{
    if (source.isEmpty() || target.isEmpty())
        return false;
    return ::rename(toNativePath(source).c_str(), toNativePath(target).c_str()) == 0;
}

// Natively a name that begins with '.' is hidden and a file without the
// owner's write permission is read-only.
int File::attributes(const String& path)
{
    struct stat info;
    if (!statPath(path, info))
        return 0;
    int result = 0;
    String name = pathFileName(path);
    if (!name.isEmpty() && name.at(0) == u'.')
        result |= kAttributeHidden;
    if ((info.st_mode & S_IWUSR) == 0)
        result |= kAttributeReadOnly;
    return result;
}

bool File::setAttribute(const String& path, int which, bool on)
{
    struct stat info;
    if (!statPath(path, info))
        return false;
    if (which == kAttributeHidden)
        return on == ((attributes(path) & kAttributeHidden) != 0);
    mode_t mode = info.st_mode & 07777;
    if (which == kAttributeReadOnly)
        mode = on ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return chmod(toNativePath(path).c_str(), mode) == 0;
}

DateTime File::fileTime(const String& path, int which, bool local)
{
    struct stat info;
    if (!statPath(path, info))
        return DateTime();
    if (which == kCreationTime)
        return fromTimespec(info.st_ctim, local);
    if (which == kLastAccessTime)
        return fromTimespec(info.st_atim, local);
    return fromTimespec(info.st_mtim, local);
}

bool File::copyTimes(const String& target, const String& source)
{
    struct stat info;
    if (target.isEmpty() || !statPath(source, info))
        return false;
    return setTimes(target, info.st_atim, info.st_mtim);
}

bool File::setTime(const String& path, const DateTime& value, bool isLocal)
{
    if (path.isEmpty() || !value.isValid())
        return false;
    struct timespec time = toTimespec(isLocal ? value.toUtc() : value);
    return setTimes(path, time, time);
}

// There are no short (8.3) names natively, so no name needs lengthening and
// every existing path is its own short name.
String File::longPathName(const String&)
{
    return String();
}

String File::shortPathName(const String& path)
{
    struct stat info;
    return statPath(path, info) ? path : String();
}

String File::programFilePath()
{
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || size_t(length) >= sizeof buffer)
        return String();
    return fromNativePath(std::string(buffer, size_t(length)));
}
