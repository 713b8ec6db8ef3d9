#pragma once

#include "foundation/time/DateTime.h"

#include <cstdint>

class String;

// The system's clocks and time zone. The Windows build asks the system
// (GetSystemTimeAsFileTime, QueryPerformanceCounter, the time-zone
// functions); the native build uses clock_gettime and the C library's zone,
// which follows TZ.
class SystemClock
{
public:
    static int64_t microsecondsSince1970();
    static int64_t secondsSince1970() { return microsecondsSince1970() / 1000000; }
    static int64_t millisecondsSince1970() { return microsecondsSince1970() / 1000; }
    static int64_t performanceCounter();
    static int64_t performanceFrequency();

    // Minutes to add to UTC to get the local time now, daylight saving
    // included.
    static int utcOffsetMinutes();
    // "+01:00", "-05:30", or "00:00" without a sign when local time is UTC.
    static String utcOffsetText();

    static DateTime localNow();
    static DateTime utcNow();
    // The value in the other zone, false when the system cannot convert it.
    // The fields must form a valid date-time from the year 1601 on.
    static bool localToUtc(const DateTime& local, DateTime& utc);
    static bool utcToLocal(const DateTime& utc, DateTime& local);
};
