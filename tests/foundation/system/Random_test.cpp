// Random numbers: the same sequence in both builds, and ranges that hold even
// where a 32-bit product would overflow.
#include <gtest/gtest.h>

#include <climits>

#include "foundation/system/Random.h"

TEST(Random, SequenceOfTheClassicGenerator)
{
    randomSeed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(randomDraw(), value);
    randomSeed(1);
    EXPECT_EQ(randomDraw(), 41);
}

TEST(Random, IntegersStayInTheirRange)
{
    randomSeed(7);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 20000; ++i) {
        int value = randomInt(100, 500);
        ASSERT_GE(value, 100);
        ASSERT_LE(value, 500);
        sawLow = sawLow || value == 100;
        sawHigh = sawHigh || value == 500;
    }
    EXPECT_TRUE(sawLow);
    EXPECT_TRUE(sawHigh);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(randomInt(5, 5), 5);
    EXPECT_EQ(randomInt(9, 3), 9);
}

TEST(Random, WideRangesDoNotOverflow)
{
    randomSeed(3);
    int largest = 0;
    for (int i = 0; i < 1000; ++i) {
        int value = randomInt(0, 2000000000);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 2000000000);
        largest = value > largest ? value : largest;
    }
    EXPECT_GT(largest, 1000000000);
    // Over the whole range both halves must come up.
    int negatives = 0;
    int wideNegatives = 0;
    int fullNegatives = 0;
    for (int i = 0; i < 1000; ++i) {
        negatives += randomInt(INT_MIN, INT_MAX) < 0;
        int64_t wide = randomInt64(-5000000000000LL, 5000000000000LL);
        ASSERT_GE(wide, -5000000000000LL);
        ASSERT_LE(wide, 5000000000000LL);
        wideNegatives += wide < 0;
        fullNegatives += randomInt64(LLONG_MIN, LLONG_MAX) < 0;
    }
    EXPECT_GT(negatives, 300);
    EXPECT_LT(negatives, 700);
    EXPECT_GT(wideNegatives, 300);
    EXPECT_LT(wideNegatives, 700);
    EXPECT_GT(fullNegatives, 300);
    EXPECT_LT(fullNegatives, 700);
    EXPECT_EQ(randomInt64(42, 42), 42);
}

TEST(Random, FloatingPointInHalfOpenRange)
{
    randomSeed(11);
    for (int i = 0; i < 1000; ++i) {
        double value = randomDouble(2.0, 4.0);
        ASSERT_GE(value, 2.0);
        ASSERT_LT(value, 4.0);
        float small = randomFloat(-1.0f, 1.0f);
        ASSERT_GE(small, -1.0f);
        ASSERT_LT(small, 1.0f);
    }
    randomSeed(1);
    EXPECT_DOUBLE_EQ(randomDouble(0.0, 32768.0), 41.0);
}
