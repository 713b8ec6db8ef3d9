#pragma once

#include <cstdint>

class String;

// A time of day, or a duration: the hour is not limited to 23. Minutes,
// seconds and milliseconds are valid from 0 to 59, 59 and 999. The default
// time is null (all zero).
class Time
{
public:
    static constexpr int64_t kMillisecondsPerHour = 3600000;
    static constexpr int64_t kMillisecondsPerDay = 86400000;

    Time() = default;
    Time(int hour, int minute, int second = 0, int millisecond = 0);

    Time& assign(const Time& other);
    void clear();
    void setTime(int hour, int minute, int second, int millisecond);
    // Each out pointer may be null.
    void getTime(int* hour, int* minute, int* second, int* millisecond) const;

    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }
    int millisecond() const { return m_millisecond; }

    bool isNull() const;
    bool isValid() const;
    static bool isValid(int hour, int minute, int second, int millisecond);
    bool isPm() const { return m_hour >= 12; }
    // The hour on the 12-hour clock; pm (when not null) tells the half.
    int hour12(bool* pm) const { return to12Hour(m_hour, pm); }

    int64_t toMilliseconds() const;
    // A negative count gives the null time; hours beyond the range of int
    // are cut to it.
    static Time fromMilliseconds(int64_t milliseconds);
    int64_t msecsTo(const Time& other) const;
    int64_t secsTo(const Time& other) const { return msecsTo(other) / 1000; }

    // These keep counting hours past 23 (23:30 plus one hour is 24:30). A sum
    // below zero gives the null time.
    Time& addMilliseconds(int64_t milliseconds);
    Time& addSeconds(int64_t seconds);
    Time& addMinutes(int64_t minutes);
    Time& addHours(int64_t hours);

    // -1, 0 or 1 by hour, minute, second and millisecond.
    int compare(const Time& other) const;
    bool isAfter(const Time& other) const { return compare(other) > 0; }
    bool isBefore(const Time& other) const { return compare(other) < 0; }
    bool operator==(const Time& other) const { return compare(other) == 0; }
    bool operator!=(const Time& other) const { return compare(other) != 0; }

    // A monotonic count of milliseconds for measuring intervals.
    static int64_t tickCountMs();
    // The current time: local with local 1, UTC with 0.
    static Time now(int local = 1);

    // Formatting through the Locale's pattern language.
    String toString(const String& pattern) const;
    static String timeFormat();

    // An hour above 23 (or a null pm) is returned unchanged; 0 becomes 12 am
    // and 12 stays 12 pm.
    static int to12Hour(int hour, bool* pm);
    // An hour outside 1-12 is returned unchanged.
    static int to24Hour(int hour, bool pm);
    // Splits a count into its parts; each out pointer may be null.
    static void splitMilliseconds(int64_t milliseconds, int* hours, int* minutes, int* seconds,
                                  int* remainingMilliseconds);
    static void splitSeconds(int64_t seconds, int* hours, int* minutes, int* remainingSeconds);

private:
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    int m_millisecond = 0;
};
