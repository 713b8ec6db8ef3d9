// Times of day and durations: validity, millisecond arithmetic that keeps
// counting hours, the 12-hour clock and splitting counts into parts.
#include <gtest/gtest.h>

#include "foundation/time/Time.h"

namespace {

::testing::AssertionResult isTime(const Time& time, int hour, int minute, int second, int millisecond)
{
    if (time.hour() == hour && time.minute() == minute && time.second() == second &&
        time.millisecond() == millisecond)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << time.hour() << ":" << time.minute() << ":" << time.second() << "." << time.millisecond();
}

} // namespace

TEST(Time, Validity)
{
    EXPECT_TRUE(Time(25, 0, 0, 0).isValid());
    EXPECT_FALSE(Time(10, 60, 0, 0).isValid());
    EXPECT_FALSE(Time(10, 0, 60, 0).isValid());
    EXPECT_FALSE(Time(10, 0, 0, 1000).isValid());
    EXPECT_FALSE(Time(-1, 0, 0, 0).isValid());
    EXPECT_FALSE(Time(1, -5, 0, 0).isValid());
    EXPECT_TRUE(Time::isValid(0, 59, 59, 999));
    EXPECT_TRUE(Time().isNull());
    EXPECT_FALSE(Time(0, 0, 0, 1).isNull());
    Time time(3, 4, 5, 6);
    time.clear();
    EXPECT_TRUE(time.isNull());
}

TEST(Time, MillisecondArithmeticKeepsCountingHours)
{
    EXPECT_TRUE(isTime(Time(23, 30).addMilliseconds(3600000), 24, 30, 0, 0));
    EXPECT_TRUE(isTime(Time(23, 59, 59, 999).addMilliseconds(1), 24, 0, 0, 0));
    EXPECT_TRUE(isTime(Time(1, 0).addSeconds(-1), 0, 59, 59, 0));
    EXPECT_TRUE(isTime(Time(1, 0).addMinutes(90), 2, 30, 0, 0));
    EXPECT_TRUE(isTime(Time(1, 0).addHours(100), 101, 0, 0, 0));
    EXPECT_TRUE(isTime(Time(0, 30).addHours(-1), 0, 0, 0, 0));
    EXPECT_TRUE(isTime(Time(5, 0).addMilliseconds(INT64_MAX), 5, 0, 0, 0));
    EXPECT_TRUE(isTime(Time(5, 0).addHours(INT64_MAX / 1000), 5, 0, 0, 0));

    EXPECT_EQ(Time(1, 2, 3, 4).toMilliseconds(), 3723004);
    EXPECT_TRUE(isTime(Time::fromMilliseconds(3723004), 1, 2, 3, 4));
    EXPECT_TRUE(Time::fromMilliseconds(-5).isNull());
    EXPECT_EQ(Time(1, 0).msecsTo(Time(2, 0, 0, 500)), 3600500);
    EXPECT_EQ(Time(2, 0).secsTo(Time(1, 0)), -3600);
}

TEST(Time, Comparisons)
{
    EXPECT_EQ(Time(10, 0).compare(Time(9, 59, 59, 999)), 1);
    EXPECT_EQ(Time(10, 0).compare(Time(10, 0, 0, 1)), -1);
    EXPECT_TRUE(Time(10, 0) == Time(10, 0, 0, 0));
    EXPECT_TRUE(Time(10, 0).isAfter(Time(9, 0)));
    EXPECT_TRUE(Time(9, 0).isBefore(Time(10, 0)));
    // Equal durations written differently are still different times.
    EXPECT_TRUE(Time(1, 70) != Time(2, 10));
}

TEST(Time, TwelveHourClock)
{
    bool pm = false;
    EXPECT_EQ(Time::to12Hour(0, &pm), 12);
    EXPECT_FALSE(pm);
    EXPECT_EQ(Time::to12Hour(11, &pm), 11);
    EXPECT_FALSE(pm);
    EXPECT_EQ(Time::to12Hour(12, &pm), 12);
    EXPECT_TRUE(pm);
    EXPECT_EQ(Time::to12Hour(13, &pm), 1);
    EXPECT_TRUE(pm);
    pm = false;
    EXPECT_EQ(Time::to12Hour(24, &pm), 24);
    EXPECT_FALSE(pm);
    EXPECT_EQ(Time::to12Hour(15, nullptr), 15);

    EXPECT_EQ(Time::to24Hour(12, false), 0);
    EXPECT_EQ(Time::to24Hour(12, true), 12);
    EXPECT_EQ(Time::to24Hour(1, true), 13);
    EXPECT_EQ(Time::to24Hour(11, false), 11);
    EXPECT_EQ(Time::to24Hour(13, true), 13);
    EXPECT_EQ(Time::to24Hour(0, true), 0);

    EXPECT_TRUE(Time(12, 0).isPm());
    EXPECT_FALSE(Time(11, 59).isPm());
    EXPECT_EQ(Time(21, 0).hour12(&pm), 9);
    EXPECT_TRUE(pm);
}

TEST(Time, SplitsCounts)
{
    int hours = -1;
    int minutes = -1;
    int seconds = -1;
    int milliseconds = -1;
    Time::splitMilliseconds(90061001, &hours, &minutes, &seconds, &milliseconds);
    EXPECT_EQ(hours, 25);
    EXPECT_EQ(minutes, 1);
    EXPECT_EQ(seconds, 1);
    EXPECT_EQ(milliseconds, 1);
    Time::splitSeconds(3725, &hours, nullptr, &seconds);
    EXPECT_EQ(hours, 1);
    EXPECT_EQ(seconds, 5);
    Time::splitSeconds(-10, &hours, &minutes, &seconds);
    EXPECT_EQ(hours + minutes + seconds, 0);
    Time::splitMilliseconds(INT64_MAX, &hours, nullptr, nullptr, nullptr);
    EXPECT_EQ(hours, 2147483647);
}

TEST(Time, ClocksMoveForward)
{
    int64_t first = Time::tickCountMs();
    int64_t second = Time::tickCountMs();
    EXPECT_GE(second, first);
    EXPECT_TRUE(Time::now().isValid());
    EXPECT_LT(Time::now().hour(), 24);
    EXPECT_LT(Time::now(0).hour(), 24);
}
