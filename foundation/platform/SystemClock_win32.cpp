#include "foundation/platform/SystemClock.h"

#include <windows.h>

namespace {

// The 100 ns ticks from 1601-01-01 to 1970-01-01.
const int64_t kEpochOffset = 116444736000000000LL;

SYSTEMTIME toSystemTime(const DateTime& value)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(value.year());
    st.wMonth = static_cast<WORD>(value.month());
    st.wDayOfWeek = static_cast<WORD>(value.date().dayOfWeek() % 7);
    st.wDay = static_cast<WORD>(value.day());
    st.wHour = static_cast<WORD>(value.hour());
    st.wMinute = static_cast<WORD>(value.minute());
    st.wSecond = static_cast<WORD>(value.second());
    st.wMilliseconds = static_cast<WORD>(value.millisecond());
    return st;
}

DateTime fromSystemTime(const SYSTEMTIME& st)
{
    return DateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
}

// The zone as the system had it when first asked. Asking the system for it
// on every conversion costs more than the conversion itself, and a
// collection converts two times of every movie as it is read.
const TIME_ZONE_INFORMATION* currentZone()
{
    struct Zone
    {
        TIME_ZONE_INFORMATION info = {};
        bool known = false;
        Zone() { known = GetTimeZoneInformation(&info) != TIME_ZONE_ID_INVALID; }
    };
    static const Zone zone;
    return zone.known ? &zone.info : nullptr;
}

} // namespace

int64_t SystemClock::microsecondsSince1970()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    int64_t ticks = static_cast<int64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
    return (ticks - kEpochOffset) / 10;
}

int64_t SystemClock::performanceCounter()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

int64_t SystemClock::performanceFrequency()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

int SystemClock::utcOffsetMinutes()
{
    TIME_ZONE_INFORMATION zone;
    DWORD which = GetTimeZoneInformation(&zone);
    if (which == TIME_ZONE_ID_STANDARD)
        return -(zone.Bias + zone.StandardBias);
    if (which == TIME_ZONE_ID_DAYLIGHT)
        return -(zone.Bias + zone.DaylightBias);
    return -zone.Bias;
}

DateTime SystemClock::localNow()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return fromSystemTime(st);
}

DateTime SystemClock::utcNow()
{
    SYSTEMTIME st;
    GetSystemTime(&st);
    return fromSystemTime(st);
}

bool SystemClock::localToUtc(const DateTime& local, DateTime& utc)
{
    SYSTEMTIME in = toSystemTime(local);
    SYSTEMTIME out;
    if (!TzSpecificLocalTimeToSystemTime(currentZone(), &in, &out))
        return false;
    utc = fromSystemTime(out);
    return true;
}

bool SystemClock::utcToLocal(const DateTime& utc, DateTime& local)
{
    SYSTEMTIME in = toSystemTime(utc);
    SYSTEMTIME out;
    if (!SystemTimeToTzSpecificLocalTime(currentZone(), &in, &out))
        return false;
    local = fromSystemTime(out);
    return true;
}
