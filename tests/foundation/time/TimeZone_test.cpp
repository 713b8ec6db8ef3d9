// Local time and UTC in Central European Time (UTC+1, and UTC+2 from the last
// Sunday of March to the last Sunday of October).
#include <gtest/gtest.h>

#include "foundation/platform/SystemClock.h"
#include "foundation/time/DateTime.h"
#include "tests/support/StringTestHelpers.h"
#include "tests/foundation/time/BerlinTime.h"

#include <cstdlib>

namespace {

class TimeZone : public ::testing::Test
{
    BerlinTime m_zone;
};

} // namespace

TEST_F(TimeZone, ConvertsLocalTimeToUtcAndBack)
{
    DateTime winter(2024, 1, 15, 12, 30, 45, 678);
    DateTime summer(2024, 7, 1, 12, 0, 0, 5);
    EXPECT_TRUE(winter.toUtc() == DateTime(2024, 1, 15, 11, 30, 45, 678));
    EXPECT_TRUE(summer.toUtc() == DateTime(2024, 7, 1, 10, 0, 0, 5));
    EXPECT_TRUE(DateTime(2024, 1, 15, 11, 30, 45, 678).toLocal() == winter);
    EXPECT_TRUE(DateTime(2024, 7, 1, 10, 0, 0, 5).toLocal() == summer);
    // Across midnight and the end of a year.
    EXPECT_TRUE(DateTime(2025, 1, 1, 0, 30, 0, 0).toUtc() == DateTime(2024, 12, 31, 23, 30, 0, 0));
    EXPECT_TRUE(DateTime(2024, 2, 28, 23, 30, 0, 0).toLocal() == DateTime(2024, 2, 29, 0, 30, 0, 0));
    // Either side of the change to summer time.
    EXPECT_TRUE(DateTime(2024, 3, 31, 1, 59, 0, 0).toUtc() == DateTime(2024, 3, 31, 0, 59, 0, 0));
    EXPECT_TRUE(DateTime(2024, 3, 31, 3, 0, 0, 0).toUtc() == DateTime(2024, 3, 31, 1, 0, 0, 0));
}

TEST_F(TimeZone, LeavesValuesItCannotConvertAloneAndCountsSecondsSince1970)
{
    DateTime early(1500, 6, 1, 12, 0, 0, 0);
    EXPECT_TRUE(early.toUtc() == early);
    EXPECT_TRUE(early.toLocal() == early);
    DateTime invalid(2023, 2, 29, 12, 0, 0, 0);
    EXPECT_TRUE(invalid.toUtc() == invalid);
    EXPECT_EQ(invalid.toTimeT(), -1);
    EXPECT_EQ(DateTime(1970, 1, 1, 1, 0, 0, 0).toTimeT(), 0);
    EXPECT_EQ(DateTime(2024, 7, 1, 12, 0, 0, 0).toTimeT(), 1719828000);
    EXPECT_EQ(DateTime(2024, 1, 15, 12, 30, 45, 999).toTimeT(), 1705318245);
}

TEST_F(TimeZone, ClocksAgreeWithTheZone)
{
    DateTime local = SystemClock::localNow();
    DateTime utc = SystemClock::utcNow();
    int offset = SystemClock::utcOffsetMinutes();
    EXPECT_TRUE(offset == 60 || offset == 120) << offset;
    EXPECT_EQ(u16(SystemClock::utcOffsetText()), offset == 60 ? u"+01:00" : u"+02:00");

    DateTime shifted = utc;
    shifted.addMinutes(offset);
    int64_t seconds = (shifted.date().toJulianDay() - local.date().toJulianDay()) * 86400 +
                      (shifted.time().toMilliseconds() - local.time().toMilliseconds()) / 1000;
    EXPECT_LE(std::llabs(seconds), 5);

    int64_t now = SystemClock::secondsSince1970();
    EXPECT_LE(std::llabs(local.toTimeT() - now), 5);
    EXPECT_LE(std::llabs(SystemClock::millisecondsSince1970() / 1000 - now), 5);
}
