// Calendar dates: validity, Julian day numbers, weekdays and arithmetic
// across month, year and leap-year boundaries.
#include <gtest/gtest.h>

#include "foundation/time/Date.h"

#include <cstdlib>

namespace {

::testing::AssertionResult isDate(const Date& date, int year, int month, int day)
{
    if (date.year() == year && date.month() == month && date.day() == day)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << date.year() << "-" << date.month() << "-" << date.day();
}

} // namespace

TEST(Date, Validity)
{
    EXPECT_TRUE(Date(2024, 2, 29).isValid());
    EXPECT_FALSE(Date(2023, 2, 29).isValid());
    EXPECT_FALSE(Date(1900, 2, 29).isValid());
    EXPECT_TRUE(Date(2000, 2, 29).isValid());
    EXPECT_FALSE(Date(10000, 1, 1).isValid());
    EXPECT_TRUE(Date(9999, 12, 31).isValid());
    EXPECT_TRUE(Date(0, 1, 1).isValid());
    EXPECT_FALSE(Date(-1, 1, 1).isValid());
    EXPECT_FALSE(Date(2024, 13, 1).isValid());
    EXPECT_FALSE(Date(2024, 0, 1).isValid());
    EXPECT_FALSE(Date(2024, 4, 31).isValid());
    EXPECT_FALSE(Date(2024, 4, 0).isValid());
    EXPECT_TRUE(Date::isValid(2024, 4, 30));

    EXPECT_TRUE(Date().isNull());
    EXPECT_FALSE(Date().isValid());
    EXPECT_FALSE(Date(0, 1, 1).isNull());
    EXPECT_EQ(Date::daysInMonth(2024, 13), 0);
}

TEST(Date, CalendarQuestions)
{
    EXPECT_TRUE(Date(2023, 12, 31).isLastDayOfYear());
    EXPECT_FALSE(Date(2023, 11, 31).isLastDayOfYear());
    EXPECT_FALSE(Date(2023, 12, 30).isLastDayOfYear());
    EXPECT_TRUE(Date(2024, 2, 29).isLastDayOfMonth());
    EXPECT_FALSE(Date(2023, 2, 28).isFirstDayOfMonth());
    EXPECT_TRUE(Date(2023, 2, 28).isLastDayOfMonth());
    EXPECT_TRUE(Date(2023, 1, 1).isFirstDayOfYear());
    EXPECT_TRUE(Date(2023, 1, 9).isJanuary());
    EXPECT_TRUE(Date(2023, 12, 9).isDecember());
    EXPECT_EQ(Date(2024, 12, 31).dayOfYear(), 366);
    EXPECT_EQ(Date(2023, 12, 31).dayOfYear(), 365);
    EXPECT_EQ(Date(2023, 3, 1).dayOfYear(), 60);
    EXPECT_EQ(Date(2024, 6, 1).daysInYear(), 366);
    EXPECT_EQ(Date::daysInYear(2100), 365);
    EXPECT_TRUE(Date::isLeapYear(2400));

    int year = 0;
    int day = 0;
    Date(1999, 8, 7).getDate(&year, nullptr, &day);
    EXPECT_EQ(year, 1999);
    EXPECT_EQ(day, 7);
}

TEST(Date, JulianDaysAndWeekdays)
{
    EXPECT_EQ(Date(2000, 1, 1).toJulianDay(), 2451545);
    EXPECT_TRUE(isDate(Date::fromJulianDay(2451545), 2000, 1, 1));
    EXPECT_EQ(Date(1970, 1, 1).toJulianDay(), 2440588);
    EXPECT_EQ(Date(2024, 1, 1).dayOfWeek(), 1);
    EXPECT_EQ(Date(2024, 1, 7).dayOfWeek(), 7);
    EXPECT_EQ(Date(2000, 1, 1).dayOfWeek(), 6);
    EXPECT_EQ(Date(2024, 2, 29).dayOfWeek(), 4);

    for (int64_t day = Date(1899, 12, 25).toJulianDay(); day < Date(2101, 1, 5).toJulianDay(); day += 13) {
        Date date = Date::fromJulianDay(day);
        ASSERT_TRUE(date.isValid()) << day;
        ASSERT_EQ(date.toJulianDay(), day);
    }
    EXPECT_TRUE(Date::fromJulianDay(Date(0, 1, 1).toJulianDay() - 1).isNull());
    EXPECT_TRUE(Date::fromJulianDay(Date(9999, 12, 31).toJulianDay() + 1).isNull());
}

TEST(Date, AddsDaysAcrossBoundaries)
{
    EXPECT_TRUE(isDate(Date(2023, 12, 31).addDays(1), 2024, 1, 1));
    EXPECT_TRUE(isDate(Date(2024, 2, 28).addDays(1), 2024, 2, 29));
    EXPECT_TRUE(isDate(Date(2024, 3, 1).addDays(-1), 2024, 2, 29));
    EXPECT_TRUE(isDate(Date(2023, 3, 1).addDays(-1), 2023, 2, 28));
    EXPECT_TRUE(isDate(Date(2024, 1, 1).addDays(366), 2025, 1, 1));
    EXPECT_EQ(Date(2024, 1, 1).daysTo(Date(2025, 1, 1)), 366);
    EXPECT_EQ(Date(2025, 1, 1).daysTo(Date(2024, 1, 1)), -366);
    EXPECT_EQ(Date(2025, 1, 1).daysTo(Date(2025, 1, 1)), 0);
    // Dates that would leave the years 0 to 9999, and invalid dates, stay.
    EXPECT_TRUE(isDate(Date(9999, 12, 31).addDays(1), 9999, 12, 31));
    EXPECT_TRUE(isDate(Date(2024, 2, 30).addDays(1), 2024, 2, 30));
    EXPECT_TRUE(isDate(Date(2024, 1, 1).addDays(INT64_MAX), 2024, 1, 1));
}

TEST(Date, AddsMonthsKeepingTheDay)
{
    EXPECT_TRUE(isDate(Date(2024, 1, 15).addMonths(1), 2024, 2, 15));
    EXPECT_TRUE(isDate(Date(2024, 1, 31).addMonths(1), 2024, 2, 29));
    EXPECT_TRUE(isDate(Date(2023, 1, 31).addMonths(1), 2023, 2, 28));
    EXPECT_TRUE(isDate(Date(2023, 8, 31).addMonths(1), 2023, 9, 30));
    EXPECT_TRUE(isDate(Date(2023, 11, 30).addMonths(2), 2024, 1, 30));
    EXPECT_TRUE(isDate(Date(2023, 12, 15).addMonths(1), 2024, 1, 15));
    EXPECT_TRUE(isDate(Date(2024, 3, 31).addMonths(-1), 2024, 2, 29));
    EXPECT_TRUE(isDate(Date(2024, 1, 10).addMonths(-1), 2023, 12, 10));
    EXPECT_TRUE(isDate(Date(2024, 5, 10).addMonths(-29), 2021, 12, 10));
    EXPECT_TRUE(isDate(Date(2024, 5, 10).addMonths(24), 2026, 5, 10));
    EXPECT_TRUE(isDate(Date(2024, 5, 10).addMonths(0), 2024, 5, 10));
    EXPECT_TRUE(isDate(Date(9999, 12, 1).addMonths(1), 9999, 12, 1));
    EXPECT_TRUE(isDate(Date(2024, 5, 10).addMonths(2147483647), 2024, 5, 10));
}

TEST(Date, AddsYearsKeepingMonthAndDay)
{
    EXPECT_TRUE(isDate(Date(2023, 1, 15).addYears(1), 2024, 1, 15));
    EXPECT_TRUE(isDate(Date(2023, 3, 1).addYears(1), 2024, 3, 1));
    EXPECT_TRUE(isDate(Date(2024, 2, 29).addYears(1), 2025, 2, 28));
    EXPECT_TRUE(isDate(Date(2024, 2, 29).addYears(4), 2028, 2, 29));
    EXPECT_TRUE(isDate(Date(2024, 2, 29).addYears(-4), 2020, 2, 29));
    EXPECT_TRUE(isDate(Date(2024, 6, 1).addYears(0), 2024, 6, 1));
    EXPECT_TRUE(isDate(Date(9000, 6, 1).addYears(1000), 9000, 6, 1));
}

TEST(Date, Comparisons)
{
    EXPECT_EQ(Date(2024, 5, 1).compare(Date(2024, 5, 2)), -1);
    EXPECT_EQ(Date(2024, 6, 1).compare(Date(2024, 5, 30)), 1);
    EXPECT_EQ(Date(2025, 1, 1).compare(Date(2024, 12, 31)), 1);
    EXPECT_EQ(Date(2024, 5, 1).compare(Date(2024, 5, 1)), 0);
    EXPECT_TRUE(Date(2024, 5, 2).isAfter(Date(2024, 5, 1)));
    EXPECT_TRUE(Date(2024, 5, 1).isBefore(Date(2024, 5, 2)));
    EXPECT_TRUE(Date(2024, 5, 1) != Date(2024, 5, 2));
    Date date;
    date.assign(Date(2024, 5, 1));
    EXPECT_TRUE(date == Date(2024, 5, 1));
}

TEST(Date, TodayAndYesterday)
{
    Date today = Date::today();
    EXPECT_TRUE(today.isValid());
    EXPECT_TRUE(today.isToday());
    EXPECT_TRUE(Date(today).addDays(-1).isYesterday());
    EXPECT_FALSE(today.isYesterday());
    EXPECT_FALSE(Date().isYesterday());
    Date utc = Date::todayUtc();
    EXPECT_LE(std::abs(utc.daysTo(today)), 1);
    EXPECT_TRUE(utc.isTodayUtc());
    EXPECT_TRUE(Date(utc).addDays(-1).isYesterdayUtc());
}
