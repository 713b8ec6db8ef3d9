#pragma once

#include <cstdint>

class String;

// A calendar date of the Gregorian calendar (applied to every year). The
// fields are not checked when set; isValid tells whether they form a date
// between the years 0 and 9999. The default date is null (0, 0, 0).
class Date
{
public:
    Date() = default;
    Date(int year, int month, int day);

    Date& assign(const Date& other);
    bool operator==(const Date& other) const;
    bool operator!=(const Date& other) const;

    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    void setDate(int year, int month, int day);
    // Each out pointer may be null.
    void getDate(int* year, int* month, int* day) const;

    bool isNull() const;
    bool isValid() const;
    static bool isValid(int year, int month, int day);
    bool isJanuary() const { return m_month == 1; }
    bool isDecember() const { return m_month == 12; }
    bool isFirstDayOfMonth() const { return m_day == 1; }
    bool isFirstDayOfYear() const { return m_month == 1 && m_day == 1; }
    bool isLastDayOfMonth() const;
    bool isLastDayOfYear() const { return m_month == 12 && m_day == 31; }

    int daysInMonth() const;
    // 0 for a month outside 1-12.
    static int daysInMonth(int year, int month);
    static int daysInMonthOf(int year, int month) { return daysInMonth(year, month); }
    int daysInYear() const;
    static int daysInYear(int year);
    static bool isLeapYear(int year);
    int dayOfYear() const;
    // 1 Monday to 7 Sunday.
    int dayOfWeek() const;

    int64_t toJulianDay() const;
    static Date fromJulianDay(int64_t julianDay);

    // These change the date; invalid dates are left as they are.
    Date& addDays(int64_t days);
    // Keeps the day of the month, clamped to the length of the month reached;
    // n may be negative.
    Date& addMonths(int months);
    // Keeps month and day; February 29 becomes February 28 in a common year.
    Date& addYears(int years);

    // The number of days from this date to other (other minus this).
    int64_t daysTo(const Date& other) const;
    // -1, 0 or 1 by year, month and day.
    int compare(const Date& other) const;
    bool isAfter(const Date& other) const { return compare(other) > 0; }
    bool isBefore(const Date& other) const { return compare(other) < 0; }

    // The current date: local with local 1, UTC with 0.
    static Date today(int local = 1);
    static Date todayLocal() { return today(1); }
    static Date todayUtc() { return today(0); }
    bool isToday() const { return *this == todayLocal(); }
    bool isTodayUtc() const { return *this == todayUtc(); }
    bool isYesterday() const;
    bool isYesterdayUtc() const;

    // Formatting through the Locale's pattern language.
    String toString(const String& pattern) const;
    static String monthName(int month, bool shortName);
    static String dayName(int day, bool shortName);
    static String shortFormat();
    static String longFormat();

private:
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
};
