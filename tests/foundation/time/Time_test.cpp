// Times of day and durations: validity, millisecond arithmetic that keeps
// counting hours, the 12-hour clock and splitting counts into parts.
#include <gtest/gtest.h>

#include "foundation/time/Time.h"

TEST(Time, ValidityAndArithmeticThatKeepsCountingHours)
{
    EXPECT_TRUE(Time(25, 0, 0, 0).isValid());
    for (const Time& time :
         {Time(10, 60), Time(10, 0, 60, 0), Time(10, 0, 0, 1000), Time(-1, 0), Time(1, -5)})
        EXPECT_FALSE(time.isValid()) << time.hour() << ":" << time.minute();
    const Time sums[] = {Time(23, 30).addMilliseconds(3600000),
                         Time(23, 59, 59, 999).addMilliseconds(1),
                         Time(1, 0).addSeconds(-1),
                         Time(1, 0).addHours(100),
                         Time(0, 30).addHours(-1),
                         Time(5, 0).addMilliseconds(INT64_MAX),
                         Time(5, 0).addHours(INT64_MAX / 1000)};
    const Time expected[] = {Time(24, 30), Time(24, 0), Time(0, 59, 59, 0), Time(101, 0),
                             Time(0, 0),   Time(5, 0),  Time(5, 0)};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(sums[i] == expected[i]) << "row " << i << ": " << sums[i].toMilliseconds();
    EXPECT_EQ(Time::fromMilliseconds(3723004).toMilliseconds(), 3723004);
    EXPECT_TRUE(Time::fromMilliseconds(-5).isNull());
    EXPECT_EQ(Time(2, 0).secsTo(Time(1, 0)), -3600);
    EXPECT_EQ(Time(10, 0).compare(Time(10, 0, 0, 1)), -1);
    // Equal durations written differently are still different times.
    EXPECT_TRUE(Time(1, 70) != Time(2, 10));
}

TEST(Time, TwelveHourClockAndSplitting)
{
    const int hours[] = {0, 11, 12, 13};
    const int twelve[] = {12, 11, 12, 1};
    const bool afternoon[] = {false, false, true, true};
    for (int i = 0; i < 4; ++i) {
        bool pm = !afternoon[i];
        EXPECT_EQ(Time::to12Hour(hours[i], &pm), twelve[i]) << hours[i];
        EXPECT_EQ(pm, afternoon[i]) << hours[i];
    }
    bool pm = false;
    EXPECT_EQ(Time::to12Hour(24, &pm), 24);
    EXPECT_FALSE(pm);
    EXPECT_EQ(Time::to24Hour(12, false), 0);
    EXPECT_EQ(Time::to24Hour(1, true), 13);
    EXPECT_EQ(Time::to24Hour(13, true), 13);
    EXPECT_EQ(Time::to24Hour(0, true), 0);

    int hour = -1, minute = -1, second = -1, millisecond = -1;
    Time::splitMilliseconds(90061001, &hour, &minute, &second, &millisecond);
    EXPECT_EQ(hour * 1000000 + minute * 10000 + second * 100 + millisecond, 25010101);
    Time::splitSeconds(-10, &hour, &minute, &second);
    EXPECT_EQ(hour + minute + second, 0);
    Time::splitMilliseconds(INT64_MAX, &hour, nullptr, nullptr, nullptr);
    EXPECT_EQ(hour, 2147483647);
}
