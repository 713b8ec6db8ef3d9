// Dates with times: ordering, arithmetic that carries into the date, spans,
// and the seven stored values.
#include <gtest/gtest.h>

#include "foundation/time/DateTime.h"

namespace {

::testing::AssertionResult isDateTime(const DateTime& value, int year, int month, int day, int hour,
                                      int minute, int second, int millisecond)
{
    if (value == DateTime(year, month, day, hour, minute, second, millisecond))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << value.year() << "-" << value.month() << "-" << value.day() << " " << value.hour() << ":"
           << value.minute() << ":" << value.second() << "." << value.millisecond();
}

} // namespace

TEST(DateTime, FieldsAndValidity)
{
    DateTime value(2024, 3, 5, 9, 8, 7, 6);
    EXPECT_EQ(value.year(), 2024);
    EXPECT_EQ(value.month(), 3);
    EXPECT_EQ(value.day(), 5);
    EXPECT_EQ(value.hour(), 9);
    EXPECT_EQ(value.minute(), 8);
    EXPECT_EQ(value.second(), 7);
    EXPECT_EQ(value.millisecond(), 6);
    EXPECT_TRUE(value.isValid());
    EXPECT_TRUE(DateTime().isNull());
    EXPECT_FALSE(DateTime().isValid());
    EXPECT_TRUE(DateTime(2024, 3, 5).isValid());
    EXPECT_FALSE(DateTime(2024, 3, 5, 24, 0, 0, 0).isValid());
    EXPECT_FALSE(DateTime(2023, 2, 29, 1, 0, 0, 0).isValid());
    DateTime copy;
    copy.assign(value);
    EXPECT_TRUE(copy == value);
    copy.setTime(Time(10, 0));
    EXPECT_TRUE(copy != value);
    copy.setDate(Date(2020, 1, 1));
    EXPECT_EQ(copy.date(), Date(2020, 1, 1));
}

TEST(DateTime, OrdersByDateThenTime)
{
    DateTime morning(2024, 3, 5, 9, 0, 0, 0);
    DateTime evening(2024, 3, 5, 21, 0, 0, 0);
    DateTime nextMorning(2024, 3, 6, 1, 0, 0, 0);
    EXPECT_TRUE(evening.isAfter(morning));
    EXPECT_TRUE(nextMorning.isAfter(evening));
    EXPECT_TRUE(evening.isBefore(nextMorning));
    EXPECT_FALSE(morning.isAfter(morning));
    EXPECT_FALSE(morning.isBefore(morning));
}

TEST(DateTime, TimeArithmeticCarriesIntoTheDate)
{
    EXPECT_TRUE(isDateTime(DateTime(2024, 12, 31, 23, 30, 0, 0).addHours(1), 2025, 1, 1, 0, 30, 0, 0));
    EXPECT_TRUE(
        isDateTime(DateTime(2024, 3, 1, 0, 0, 0, 0).addMilliseconds(-1), 2024, 2, 29, 23, 59, 59, 999));
    EXPECT_TRUE(
        isDateTime(DateTime(2024, 3, 1, 12, 0, 0, 0).addMinutes(-3 * 1440), 2024, 2, 27, 12, 0, 0, 0));
    EXPECT_TRUE(isDateTime(DateTime(2023, 2, 28, 12, 0, 0, 0).addSeconds(86400), 2023, 3, 1, 12, 0, 0, 0));
    EXPECT_TRUE(isDateTime(DateTime(2024, 3, 1, 12, 0, 0, 0).addHours(0), 2024, 3, 1, 12, 0, 0, 0));
    EXPECT_TRUE(isDateTime(DateTime(9999, 12, 31, 23, 0, 0, 0).addHours(2), 9999, 12, 31, 23, 0, 0, 0));
    EXPECT_TRUE(DateTime(2024, 2, 30, 1, 0, 0, 0).addHours(1) == DateTime(2024, 2, 30, 1, 0, 0, 0));

    EXPECT_TRUE(isDateTime(DateTime(2024, 1, 31, 8, 0, 0, 0).addMonths(1), 2024, 2, 29, 8, 0, 0, 0));
    EXPECT_TRUE(isDateTime(DateTime(2024, 2, 29, 8, 0, 0, 0).addYears(1), 2025, 2, 28, 8, 0, 0, 0));
    EXPECT_TRUE(isDateTime(DateTime(2024, 2, 29, 8, 0, 0, 0).addDays(-60), 2023, 12, 31, 8, 0, 0, 0));
}

TEST(DateTime, Spans)
{
    DateTime a(2024, 3, 5, 9, 0, 0, 0);
    EXPECT_TRUE(DateTime::span(a, a).isNull());
    Time sameDay = DateTime::span(a, DateTime(2024, 3, 5, 10, 30, 0, 250));
    EXPECT_EQ(sameDay.toMilliseconds(), 5400250);
    Time overNight = DateTime::span(DateTime(2024, 3, 5, 23, 0, 0, 0), DateTime(2024, 3, 6, 1, 0, 0, 0));
    EXPECT_EQ(overNight.hour(), 2);
    Time overDays = DateTime::span(a, DateTime(2024, 3, 8, 8, 0, 0, 0));
    EXPECT_EQ(overDays.hour(), 71);
    EXPECT_TRUE(DateTime::span(DateTime(2024, 3, 6, 1, 0, 0, 0), a).isNull());
    EXPECT_TRUE(DateTime::span(DateTime(), a).isNull());
}

TEST(DateTime, NowIsValid)
{
    DateTime local = DateTime::now();
    DateTime utc = DateTime::nowUtc();
    EXPECT_TRUE(local.isValid());
    EXPECT_TRUE(utc.isValid());
    EXPECT_GE(local.year(), 2024);
}
