// Array growth and copying.
#include <gtest/gtest.h>

#include "foundation/containers/Array.h"
#include "foundation/geometry/Rect.h"

TEST(ArrayGrowth, GrowsByTheRuleAndRefusesImpossibleRequests)
{
    Array<uint32_t> values;
    EXPECT_TRUE(values.reserve(4));
    EXPECT_TRUE(values.reserve(5));
    EXPECT_EQ(values.capacity(), 10);
    for (uint32_t i = 0; i < 1000; ++i)
        ASSERT_TRUE(values.append(i * 7));
    EXPECT_EQ(values[999], 6993u);
    const int capacity = values.capacity();
    EXPECT_FALSE(values.reserve(Array<uint32_t>::kMaxCount + 1));
    EXPECT_FALSE(values.reserve(0x7FFFFFFF));
    EXPECT_EQ(values.capacity(), capacity);
    EXPECT_TRUE(values.contains(6993));
}

TEST(ArrayGrowth, CopiesAreExactAndIndependent)
{
    Array<Rect> rects;
    rects.reserve(50);
    rects.append(Rect(1, 2, 3, 4));
    rects.append(Rect(5, 6, 7, 8));
    Array<Rect> copy(rects);
    EXPECT_EQ(copy.capacity(), 2);
    copy[0].x = 100;
    copy = copy;
    EXPECT_EQ(copy.at(0), Rect(100, 2, 3, 4));
    EXPECT_EQ(rects[0].x, 1);
}
