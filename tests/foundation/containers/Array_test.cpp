// Array growth and copying.
#include <gtest/gtest.h>

#include "foundation/containers/Array.h"
#include "foundation/geometry/Rect.h"

TEST(ArrayGrowth, FirstReservationIsExactThenGrowsByTheRule)
{
    Array<int> values;
    EXPECT_EQ(values.capacity(), 0);
    EXPECT_EQ(values.data(), nullptr);
    EXPECT_TRUE(values.reserve(4));
    EXPECT_EQ(values.capacity(), 4);
    EXPECT_TRUE(values.reserve(5));
    EXPECT_EQ(values.capacity(), 10);
    EXPECT_TRUE(values.reserve(200000));
    EXPECT_EQ(values.capacity(), 300000);
    EXPECT_TRUE(values.reserve(3));
    EXPECT_EQ(values.capacity(), 300000);
    EXPECT_EQ(values.count(), 0);
}

TEST(ArrayGrowth, AppendKeepsEarlierValues)
{
    Array<uint32_t> values;
    for (uint32_t i = 0; i < 1000; ++i)
        ASSERT_TRUE(values.append(i * 7));
    EXPECT_EQ(values.count(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(values[i], uint32_t(i) * 7);
    EXPECT_TRUE(values.contains(693));
    EXPECT_FALSE(values.contains(694));
    EXPECT_FALSE(Array<int>().contains(0));
}

TEST(ArrayGrowth, ImpossibleRequestsFailWithoutChange)
{
    Array<int> values;
    values.append(1);
    EXPECT_FALSE(values.reserve(Array<int>::kMaxCount + 1));
    EXPECT_FALSE(values.reserve(0x7FFFFFFF));
    EXPECT_EQ(values.capacity(), 1);
    EXPECT_EQ(values.count(), 1);
    EXPECT_EQ(values[0], 1);
    EXPECT_TRUE(values.reserve(-5));
}

TEST(ArrayGrowth, CopiesAreExactAndIndependent)
{
    Array<Rect> rects;
    rects.reserve(50);
    rects.append(Rect(1, 2, 3, 4));
    rects.append(Rect(5, 6, 7, 8));
    Array<Rect> copy(rects);
    EXPECT_EQ(copy.capacity(), 2);
    EXPECT_EQ(copy.count(), 2);
    EXPECT_EQ(copy.at(1), Rect(5, 6, 7, 8));
    copy[0].x = 100;
    EXPECT_EQ(rects[0].x, 1);
    Array<Rect> empty;
    Array<Rect> emptyCopy(empty);
    EXPECT_EQ(emptyCopy.capacity(), 0);
    copy = rects;
    EXPECT_EQ(copy[0].x, 1);
    copy = copy;
    EXPECT_EQ(copy.count(), 2);
    Array<Rect> moved(std::move(copy));
    EXPECT_EQ(moved.count(), 2);
    moved.destroy();
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(moved.capacity(), 0);
}
