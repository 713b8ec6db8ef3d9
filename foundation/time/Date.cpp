#include "foundation/time/Date.h"

#include "foundation/platform/SystemClock.h"
#include "foundation/text/String.h"
#include "foundation/time/FixedToday.h"
#include "foundation/time/Locale.h"

namespace {

const int kMinYear = 0;
const int kMaxYear = 9999;

const int kDaysInMonth[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Julian day numbers by the integer formulas of Fliegel and Van Flandern;
// divisions truncate toward zero, as the formulas expect.
int64_t julianDayOf(int64_t year, int64_t month, int64_t day)
{
    int64_t a = (month - 14) / 12;
    return (1461 * (year + 4800 + a)) / 4 + (367 * (month - 2 - 12 * a)) / 12 -
           (3 * ((year + 4900 + a) / 100)) / 4 + day - 32075;
}

const int64_t kFirstJulianDay = julianDayOf(kMinYear, 1, 1);
const int64_t kLastJulianDay = julianDayOf(kMaxYear, 12, 31);

int64_t floorDivide(int64_t value, int64_t divisor)
{
    int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0)
        --quotient;
    return quotient;
}

} // namespace

Date::Date(int year, int month, int day) : m_year(year), m_month(month), m_day(day) {}

Date& Date::assign(const Date& other)
{
    m_year = other.m_year;
    m_month = other.m_month;
    m_day = other.m_day;
    return *this;
}

bool Date::operator==(const Date& other) const
{
    return m_year == other.m_year && m_month == other.m_month && m_day == other.m_day;
}

bool Date::operator!=(const Date& other) const
{
    return !(*this == other);
}

void Date::setDate(int year, int month, int day)
{
    m_year = year;
    m_month = month;
    m_day = day;
}

void Date::getDate(int* year, int* month, int* day) const
{
    if (year != nullptr)
        *year = m_year;
    if (month != nullptr)
        *month = m_month;
    if (day != nullptr)
        *day = m_day;
}

bool Date::isNull() const
{
    return m_year < 1 && m_month < 1 && m_day < 1;
}

bool Date::isValid() const
{
    return isValid(m_year, m_month, m_day);
}

bool Date::isValid(int year, int month, int day)
{
    if (year < kMinYear || year > kMaxYear)
        return false;
    return day >= 1 && day <= daysInMonth(year, month);
}

bool Date::isLastDayOfMonth() const
{
    return m_day == daysInMonth();
}

int Date::daysInMonth() const
{
    return daysInMonth(m_year, m_month);
}

int Date::daysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    return kDaysInMonth[isLeapYear(year) ? 1 : 0][month - 1];
}

int Date::daysInYear() const
{
    return daysInYear(m_year);
}

int Date::daysInYear(int year)
{
    return isLeapYear(year) ? 366 : 365;
}

bool Date::isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Date::dayOfYear() const
{
    int days = m_day;
    for (int month = 1; month < m_month && month <= 12; ++month)
        days += daysInMonth(m_year, month);
    return days;
}

int Date::dayOfWeek() const
{
    // Julian day 0 was a Monday.
    int64_t julianDay = toJulianDay();
    return static_cast<int>(julianDay - floorDivide(julianDay, 7) * 7) + 1;
}

int64_t Date::toJulianDay() const
{
    return julianDayOf(m_year, m_month, m_day);
}

Date Date::fromJulianDay(int64_t julianDay)
{
    if (julianDay < kFirstJulianDay || julianDay > kLastJulianDay)
        return Date();
    int64_t l = julianDay + 68569;
    int64_t n = (4 * l) / 146097;
    l = l - (146097 * n + 3) / 4;
    int64_t i = (4000 * (l + 1)) / 1461001;
    l = l - (1461 * i) / 4 + 31;
    int64_t j = (80 * l) / 2447;
    int64_t day = l - (2447 * j) / 80;
    l = j / 11;
    int64_t month = j + 2 - 12 * l;
    int64_t year = 100 * (n - 49) + i + l;
    return Date(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
}

Date& Date::addDays(int64_t days)
{
    if (!isValid())
        return *this;
    int64_t julianDay = toJulianDay();
    if (days > kLastJulianDay - julianDay || days < kFirstJulianDay - julianDay)
        return *this;
    *this = fromJulianDay(julianDay + days);
    return *this;
}

Date& Date::addMonths(int months)
{
    if (!isValid())
        return *this;
    int64_t monthIndex = static_cast<int64_t>(m_year) * 12 + (m_month - 1) + months;
    int64_t year = floorDivide(monthIndex, 12);
    if (year < kMinYear || year > kMaxYear)
        return *this;
    int month = static_cast<int>(monthIndex - year * 12) + 1;
    int lastDay = daysInMonth(static_cast<int>(year), month);
    setDate(static_cast<int>(year), month, m_day < lastDay ? m_day : lastDay);
    return *this;
}

Date& Date::addYears(int years)
{
    if (!isValid())
        return *this;
    int64_t year = static_cast<int64_t>(m_year) + years;
    if (year < kMinYear || year > kMaxYear)
        return *this;
    int lastDay = daysInMonth(static_cast<int>(year), m_month);
    setDate(static_cast<int>(year), m_month, m_day < lastDay ? m_day : lastDay);
    return *this;
}

int64_t Date::daysTo(const Date& other) const
{
    return other.toJulianDay() - toJulianDay();
}

int Date::compare(const Date& other) const
{
    if (m_year != other.m_year)
        return m_year < other.m_year ? -1 : 1;
    if (m_month != other.m_month)
        return m_month < other.m_month ? -1 : 1;
    if (m_day != other.m_day)
        return m_day < other.m_day ? -1 : 1;
    return 0;
}

Date Date::today(int local)
{
    const Date fixed = FixedToday::date();
    if (!fixed.isNull())
        return fixed;
    DateTime now = local != 0 ? SystemClock::localNow() : SystemClock::utcNow();
    return now.date();
}

bool Date::isYesterday() const
{
    return Date(*this).addDays(1) == todayLocal() && isValid();
}

bool Date::isYesterdayUtc() const
{
    return Date(*this).addDays(1) == todayUtc() && isValid();
}

String Date::toString(const String& pattern) const
{
    return Locale::instance().formatDate(*this, pattern);
}

String Date::monthName(int month, bool shortName)
{
    return Locale::instance().monthName(month, shortName);
}

String Date::dayName(int day, bool shortName)
{
    return Locale::instance().dayName(day, shortName);
}

String Date::shortFormat()
{
    return Locale::instance().dateFormat(false);
}

String Date::longFormat()
{
    return Locale::instance().dateFormat(true);
}
