#include "foundation/platform/SystemClock.h"

#include <ctime>

namespace {

struct tm toTm(const DateTime& value)
{
    struct tm fields = {};
    fields.tm_year = value.year() - 1900;
    fields.tm_mon = value.month() - 1;
    fields.tm_mday = value.day();
    fields.tm_hour = value.hour();
    fields.tm_min = value.minute();
    fields.tm_sec = value.second();
    fields.tm_isdst = -1;
    return fields;
}

DateTime fromTm(const struct tm& fields, int millisecond)
{
    return DateTime(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min,
                    fields.tm_sec, millisecond);
}

struct timespec realTime()
{
    struct timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

} // namespace

int64_t SystemClock::microsecondsSince1970()
{
    struct timespec now = realTime();
    return static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

int64_t SystemClock::performanceCounter()
{
    struct timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

int64_t SystemClock::performanceFrequency()
{
    return 1000000000;
}

int SystemClock::utcOffsetMinutes()
{
    time_t now = time(nullptr);
    struct tm local = {};
    if (localtime_r(&now, &local) == nullptr)
        return 0;
    return static_cast<int>(local.tm_gmtoff / 60);
}

DateTime SystemClock::localNow()
{
    struct timespec now = realTime();
    struct tm local = {};
    localtime_r(&now.tv_sec, &local);
    return fromTm(local, static_cast<int>(now.tv_nsec / 1000000));
}

DateTime SystemClock::utcNow()
{
    struct timespec now = realTime();
    struct tm utc = {};
    gmtime_r(&now.tv_sec, &utc);
    return fromTm(utc, static_cast<int>(now.tv_nsec / 1000000));
}

bool SystemClock::localToUtc(const DateTime& local, DateTime& utc)
{
    struct tm fields = toTm(local);
    time_t seconds = mktime(&fields);
    struct tm out = {};
    if (gmtime_r(&seconds, &out) == nullptr)
        return false;
    utc = fromTm(out, local.millisecond());
    return true;
}

bool SystemClock::utcToLocal(const DateTime& utc, DateTime& local)
{
    struct tm fields = toTm(utc);
    fields.tm_isdst = 0;
    time_t seconds = timegm(&fields);
    struct tm out = {};
    if (localtime_r(&seconds, &out) == nullptr)
        return false;
    local = fromTm(out, utc.millisecond());
    return true;
}
