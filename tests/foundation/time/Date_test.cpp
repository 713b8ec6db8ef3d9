// Calendar dates: validity, Julian day numbers, weekdays and arithmetic
// across month, year and leap-year boundaries.
#include <gtest/gtest.h>

#include "foundation/time/Date.h"

#include <cstdlib>

TEST(Date, ValidityAndCalendarQuestions)
{
    const Date valid[] = {Date(2024, 2, 29), Date(2000, 2, 29), Date(9999, 12, 31), Date(0, 1, 1)};
    const Date invalid[] = {Date(2023, 2, 29), Date(1900, 2, 29), Date(10000, 1, 1), Date(-1, 1, 1),
                            Date(2024, 13, 1), Date(2024, 0, 1),  Date(2024, 4, 31), Date(2024, 4, 0)};
    for (const Date& date : valid)
        EXPECT_TRUE(date.isValid()) << "valid row " << (&date - valid);
    for (const Date& date : invalid)
        EXPECT_FALSE(date.isValid()) << "invalid row " << (&date - invalid);
    EXPECT_FALSE(Date().isValid());
    EXPECT_EQ(Date::daysInMonth(2024, 13), 0);
    EXPECT_FALSE(Date(2023, 11, 31).isLastDayOfYear());
    EXPECT_TRUE(Date(2023, 2, 28).isLastDayOfMonth());
    EXPECT_EQ(Date(2024, 12, 31).dayOfYear(), 366);
    EXPECT_EQ(Date::daysInYear(2100), 365);
    EXPECT_TRUE(Date::isLeapYear(2400));
}

TEST(Date, JulianDaysAndWeekdays)
{
    EXPECT_EQ(Date(2000, 1, 1).toJulianDay(), 2451545);
    EXPECT_EQ(Date(1970, 1, 1).toJulianDay(), 2440588);
    EXPECT_EQ(Date(2000, 1, 1).dayOfWeek(), 6);
    EXPECT_EQ(Date(2024, 2, 29).dayOfWeek(), 4);
    for (int64_t day = Date(1899, 12, 25).toJulianDay(); day < Date(2101, 1, 5).toJulianDay(); day += 13) {
        Date date = Date::fromJulianDay(day);
        ASSERT_TRUE(date.isValid()) << day;
        ASSERT_EQ(date.toJulianDay(), day);
    }
    EXPECT_TRUE(Date::fromJulianDay(Date(0, 1, 1).toJulianDay() - 1).isNull());
    EXPECT_TRUE(Date::fromJulianDay(Date(9999, 12, 31).toJulianDay() + 1).isNull());
    EXPECT_EQ(Date(2025, 1, 1).daysTo(Date(2024, 1, 1)), -366);
    EXPECT_EQ(Date(2025, 1, 1).compare(Date(2024, 12, 31)), 1);
    EXPECT_EQ(Date(2024, 6, 1).compare(Date(2024, 5, 30)), 1);
}

TEST(Date, ArithmeticKeepsTheDayClampedAndStaysInYearsZeroTo9999)
{
    // Each row: the result, then the date expected.
    const Date rows[][2] = {
        {Date(2023, 12, 31).addDays(1), Date(2024, 1, 1)},
        {Date(2024, 3, 1).addDays(-1), Date(2024, 2, 29)},
        {Date(2024, 1, 1).addDays(366), Date(2025, 1, 1)},
        {Date(9999, 12, 31).addDays(1), Date(9999, 12, 31)},
        {Date(2024, 2, 30).addDays(1), Date(2024, 2, 30)},
        {Date(2024, 1, 1).addDays(INT64_MAX), Date(2024, 1, 1)},
        {Date(2024, 1, 31).addMonths(1), Date(2024, 2, 29)},
        {Date(2023, 1, 31).addMonths(1), Date(2023, 2, 28)},
        {Date(2023, 11, 30).addMonths(2), Date(2024, 1, 30)},
        {Date(2024, 3, 31).addMonths(-1), Date(2024, 2, 29)},
        {Date(2024, 1, 10).addMonths(-1), Date(2023, 12, 10)},
        {Date(2024, 5, 10).addMonths(-29), Date(2021, 12, 10)},
        {Date(9999, 12, 1).addMonths(1), Date(9999, 12, 1)},
        {Date(2024, 5, 10).addMonths(2147483647), Date(2024, 5, 10)},
        {Date(2024, 2, 29).addYears(1), Date(2025, 2, 28)},
        {Date(2024, 2, 29).addYears(-4), Date(2020, 2, 29)},
        {Date(9000, 6, 1).addYears(1000), Date(9000, 6, 1)},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(row[0] == row[1]) << "row " << (&row - rows) << ": " << row[0].year() << "-"
                                      << row[0].month() << "-" << row[0].day();
    }
}
