#include "foundation/time/DateTime.h"

#include "foundation/platform/SystemClock.h"

namespace {

// SYSTEMTIME, which the Windows zone conversion works on, starts here.
const int kFirstZoneYear = 1601;
const int64_t kSecondsPerDay = 86400;
const int64_t kUnixEpochJulianDay = 2440588;

int64_t floorDivide(int64_t value, int64_t divisor)
{
    int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0)
        --quotient;
    return quotient;
}

} // namespace

DateTime::DateTime(const Date& date, const Time& time) : m_date(date), m_time(time) {}

DateTime::DateTime(int year, int month, int day) : m_date(year, month, day) {}

DateTime::DateTime(int year, int month, int day, int hour, int minute, int second, int millisecond)
    : m_date(year, month, day), m_time(hour, minute, second, millisecond)
{
}

DateTime& DateTime::assign(const DateTime& other)
{
    m_date.assign(other.m_date);
    m_time.assign(other.m_time);
    return *this;
}

bool DateTime::operator==(const DateTime& other) const
{
    return m_date == other.m_date && m_time == other.m_time;
}

bool DateTime::operator!=(const DateTime& other) const
{
    return !(*this == other);
}

bool DateTime::isAfter(const DateTime& other) const
{
    if (m_date != other.m_date)
        return m_date.isAfter(other.m_date);
    return m_time.isAfter(other.m_time);
}

bool DateTime::isBefore(const DateTime& other) const
{
    if (m_date != other.m_date)
        return m_date.isBefore(other.m_date);
    return m_time.isBefore(other.m_time);
}

bool DateTime::isValid() const
{
    return m_date.isValid() && m_time.isValid() && m_time.hour() < 24;
}

DateTime& DateTime::addYears(int years)
{
    m_date.addYears(years);
    return *this;
}

DateTime& DateTime::addMonths(int months)
{
    m_date.addMonths(months);
    return *this;
}

DateTime& DateTime::addDays(int64_t days)
{
    m_date.addDays(days);
    return *this;
}

DateTime& DateTime::addHours(int64_t hours)
{
    int64_t milliseconds = 0;
    if (__builtin_mul_overflow(hours, Time::kMillisecondsPerHour, &milliseconds))
        return *this;
    return addMilliseconds(milliseconds);
}

DateTime& DateTime::addMinutes(int64_t minutes)
{
    int64_t milliseconds = 0;
    if (__builtin_mul_overflow(minutes, static_cast<int64_t>(60000), &milliseconds))
        return *this;
    return addMilliseconds(milliseconds);
}

DateTime& DateTime::addSeconds(int64_t seconds)
{
    int64_t milliseconds = 0;
    if (__builtin_mul_overflow(seconds, static_cast<int64_t>(1000), &milliseconds))
        return *this;
    return addMilliseconds(milliseconds);
}

DateTime& DateTime::addMilliseconds(int64_t milliseconds)
{
    if (!isValid())
        return *this;
    int64_t total = 0;
    if (__builtin_add_overflow(m_time.toMilliseconds(), milliseconds, &total))
        return *this;
    int64_t days = floorDivide(total, Time::kMillisecondsPerDay);
    Date date = m_date;
    date.addDays(days);
    if (days != 0 && date == m_date)
        return *this;
    m_date = date;
    m_time = Time::fromMilliseconds(total - days * Time::kMillisecondsPerDay);
    return *this;
}

Time DateTime::span(const DateTime& a, const DateTime& b)
{
    if (!a.isValid() || !b.isValid() || !b.isAfter(a))
        return Time();
    int64_t days = b.m_date.toJulianDay() - a.m_date.toJulianDay();
    int64_t total = days * Time::kMillisecondsPerDay + b.m_time.toMilliseconds() - a.m_time.toMilliseconds();
    return Time::fromMilliseconds(total);
}

int64_t DateTime::toTimeT() const
{
    if (!isValid())
        return -1;
    DateTime utc = toUtc();
    int64_t days = utc.m_date.toJulianDay() - kUnixEpochJulianDay;
    return days * kSecondsPerDay + (utc.m_time.toMilliseconds() / 1000);
}

DateTime DateTime::toUtc() const
{
    if (!isValid() || year() < kFirstZoneYear)
        return *this;
    DateTime utc;
    if (!SystemClock::localToUtc(*this, utc))
        return *this;
    return utc;
}

DateTime DateTime::toLocal() const
{
    if (!isValid() || year() < kFirstZoneYear)
        return *this;
    DateTime local;
    if (!SystemClock::utcToLocal(*this, local))
        return *this;
    return local;
}

DateTime DateTime::now(int local)
{
    return local != 0 ? SystemClock::localNow() : SystemClock::utcNow();
}
