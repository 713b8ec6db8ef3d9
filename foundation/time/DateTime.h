#pragma once

#include "foundation/time/Date.h"
#include "foundation/time/Time.h"

#include <cstdint>

// A date and a time of day. Stored forms (archives, language files, the
// collection file) are the seven values year, month, day, hour, minute,
// second, millisecond in this order.
class DateTime
{
public:
    DateTime() = default;
    DateTime(const Date& date, const Time& time);
    DateTime(int year, int month, int day);
    DateTime(int year, int month, int day, int hour, int minute, int second, int millisecond);

    DateTime& assign(const DateTime& other);
    bool operator==(const DateTime& other) const;
    bool operator!=(const DateTime& other) const;
    bool isAfter(const DateTime& other) const;
    bool isBefore(const DateTime& other) const;

    void setDate(const Date& date) { m_date = date; }
    void setTime(const Time& time) { m_time = time; }
    const Date& date() const { return m_date; }
    const Time& time() const { return m_time; }
    int year() const { return m_date.year(); }
    int month() const { return m_date.month(); }
    int day() const { return m_date.day(); }
    int hour() const { return m_time.hour(); }
    int minute() const { return m_time.minute(); }
    int second() const { return m_time.second(); }
    int millisecond() const { return m_time.millisecond(); }

    bool isNull() const { return m_date.isNull() && m_time.isNull(); }
    // Both parts valid and the time within one day.
    bool isValid() const;

    DateTime& addYears(int years);
    DateTime& addMonths(int months);
    DateTime& addDays(int64_t days);
    // These carry whole days into the date, so the time stays within the
    // day. An invalid value is left as it is.
    DateTime& addHours(int64_t hours);
    DateTime& addMinutes(int64_t minutes);
    DateTime& addSeconds(int64_t seconds);
    DateTime& addMilliseconds(int64_t milliseconds);

    // The time from a to b, hours unbounded; the null time unless both are
    // valid, differ, and b is later.
    static Time span(const DateTime& a, const DateTime& b);

    // Seconds since 1970-01-01 00:00 UTC of this local date-time; -1 for an
    // invalid value.
    int64_t toTimeT() const;
    // Conversions between local time and UTC by the system's time zone. An
    // invalid value, or one before 1601, is returned unchanged.
    DateTime toUtc() const;
    DateTime toLocal() const;

    // The current date and time: local with local 1, UTC with 0.
    static DateTime now(int local = 1);
    static DateTime nowUtc() { return now(0); }

private:
    Date m_date;
    Time m_time;
};
