// The packer's reading of SOURCE_DATE_EPOCH: a count of seconds becomes the
// UTC time of every stamp; anything else is ignored, never half read.
#include <gtest/gtest.h>

#include "tools/pak/SourceDateEpoch.h"

TEST(SourceDateEpoch, SecondsSince1970BecomeTheUtcTime)
{
    const struct
    {
        const char* text;
        DateTime time;
    } rows[] = {
        {"0", DateTime(1970, 1, 1, 0, 0, 0, 0)},
        {"86399", DateTime(1970, 1, 1, 23, 59, 59, 0)},
        {"951782400", DateTime(2000, 2, 29, 0, 0, 0, 0)},
        {"1700000000", DateTime(2023, 11, 14, 22, 13, 20, 0)},
        {"0001700000000", DateTime(2023, 11, 14, 22, 13, 20, 0)},
        {"253402300799", DateTime(9999, 12, 31, 23, 59, 59, 0)},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(sourceDateEpochTime(row.text) == row.time) << row.text;
}

TEST(SourceDateEpoch, AnythingButDigitsIsIgnored)
{
    for (const char* text : {"", " 1700000000", "1700000000 ", "-1", "+1700000000", "1.5", "1e9", "0x10",
                             "17000a", "253402300800", "9223372036854775808", "99999999999999999999999999"})
        EXPECT_TRUE(sourceDateEpochTime(text).isNull()) << text;
    EXPECT_TRUE(sourceDateEpochTime(nullptr).isNull());
}
