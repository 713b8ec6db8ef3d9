// Random numbers: the same sequence in both builds, and ranges that hold even
// where a 32-bit product would overflow.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "foundation/system/Random.h"

TEST(Random, SequenceOfTheClassicGenerator)
{
    randomSeed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(randomDraw(), value);
    randomSeed(1);
    EXPECT_DOUBLE_EQ(randomDouble(0.0, 32768.0), 41.0);
}

TEST(Random, ValuesStayInTheirRangeAndCoverItWhole)
{
    struct Case
    {
        int64_t low, high;
    };
    const Case cases[] = {{100, 500},
                          {0, 2000000000},
                          {INT_MIN, INT_MAX},
                          {-5000000000000LL, 5000000000000LL},
                          {LLONG_MIN, LLONG_MAX}};
    randomSeed(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high));
        bool is32 = c.low >= INT_MIN && c.high <= INT_MAX;
        int64_t middle = c.low / 2 + c.high / 2;
        int upper = 0;
        int64_t lowest = c.high, highest = c.low;
        for (int i = 0; i < 20000; ++i) {
            int64_t value = is32 ? randomInt(int(c.low), int(c.high)) : randomInt64(c.low, c.high);
            ASSERT_GE(value, c.low);
            ASSERT_LE(value, c.high);
            upper += value > middle;
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        if (c.high / 2 - c.low / 2 < 500) {
            EXPECT_EQ(lowest, c.low) << "both ends of a small range come up";
            EXPECT_EQ(highest, c.high);
        }
        EXPECT_GT(upper, 6000) << "both halves must come up";
        EXPECT_LT(upper, 14000);
        double real = randomDouble(double(c.low), double(c.high));
        EXPECT_TRUE(real >= double(c.low) && real < double(c.high));
    }
    EXPECT_EQ(randomInt(5, 5), 5);
    EXPECT_EQ(randomInt(9, 3), 9);
    EXPECT_EQ(randomInt64(42, 42), 42);
    float small = randomFloat(-1.0f, 1.0f);
    EXPECT_TRUE(small >= -1.0f && small < 1.0f);
}
