// Growth and capacity of String: appends must reallocate only a logarithmic
// number of times, and a request too large to hold must fail without harm.
#include <gtest/gtest.h>

#include "foundation/text/String.h"

TEST(StringGrowth, FirstReservationIsExactThenDoublesUpToTheStep)
{
    String text;
    text.reserve(10);
    EXPECT_EQ(text.capacity(), 10);
    text.reserve(11);
    EXPECT_EQ(text.capacity(), 22);
    text.reserve(0x100000);
    EXPECT_EQ(text.capacity(), 0x180000);
    text.reserve(5);
    EXPECT_EQ(text.capacity(), 0x180000);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(text.data(), nullptr);
}

TEST(StringGrowth, EmptyStringsAllocateNothing)
{
    String fromNull(static_cast<const char16_t*>(nullptr));
    String fromEmpty(u"");
    String copy(fromEmpty);
    EXPECT_EQ(fromNull.capacity(), 0);
    EXPECT_EQ(fromEmpty.capacity(), 0);
    EXPECT_EQ(copy.capacity(), 0);
    EXPECT_EQ(String(u"abc", 0).capacity(), 0);
}
