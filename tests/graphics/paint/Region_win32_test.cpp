#include "graphics/paint/Region.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(Region, RectanglesAndEquality)
{
    const Region empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(Rect(), empty.boundingRect());
    EXPECT_TRUE(empty == Region());
    EXPECT_TRUE(empty == Region(5, 5, 0, 10)) << "a zero-width region is empty";
    EXPECT_FALSE(empty.contains(Point(0, 0)));

    const Region a(Rect(10, 20, 30, 40));
    const Region b(10, 20, 30, 40);
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(Rect(10, 20, 30, 40), a.boundingRect());
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(a != empty);
    EXPECT_TRUE(a != Region(10, 20, 30, 41));

    EXPECT_TRUE(a.contains(Point(10, 20)));
    EXPECT_TRUE(a.contains(Point(39, 59)));
    EXPECT_FALSE(a.contains(Point(40, 20)));
    EXPECT_TRUE(a.intersects(Rect(0, 0, 11, 21)));
    EXPECT_FALSE(a.intersects(Rect(0, 0, 10, 20)));
}

TEST(Region, CopiesShareOneHandle)
{
    Region a(0, 0, 10, 10);
    Region b = a;
    EXPECT_EQ(a.handle(), b.handle());
    b.translate(5, 7);
    EXPECT_EQ(Rect(5, 7, 10, 10), a.boundingRect()) << "the shared handle moved for both";

    Region c;
    c = b;
    {
        Region d(c);
    }
    // The copies going away leave the handle alive for the rest.
    EXPECT_EQ(Rect(5, 7, 10, 10), c.boundingRect());
    c = Region(1, 1, 1, 1);
    EXPECT_EQ(Rect(5, 7, 10, 10), a.boundingRect());
    a = a;
    EXPECT_EQ(Rect(5, 7, 10, 10), a.boundingRect());
    EXPECT_NE(0u, GetObjectType(a.handle()));
}

TEST(Region, SetOperations)
{
    const Region left(0, 0, 10, 10);
    const Region right(5, 0, 10, 10);
    EXPECT_EQ(Rect(0, 0, 15, 10), left.united(right).boundingRect());
    EXPECT_EQ(Rect(5, 0, 5, 10), left.intersected(right).boundingRect());
    EXPECT_EQ(Rect(0, 0, 5, 10), left.subtracted(right).boundingRect());
    const Region both = left.xored(right);
    EXPECT_TRUE(both.contains(Point(2, 2)));
    EXPECT_FALSE(both.contains(Point(7, 2)));
    EXPECT_TRUE(both.contains(Point(12, 2)));
    // The operands are left as they were.
    EXPECT_EQ(Rect(0, 0, 10, 10), left.boundingRect());

    // An empty operand (no handle) is an empty region, not a failure.
    EXPECT_TRUE(left.united(Region()) == left);
    EXPECT_TRUE(left.intersected(Region()).isEmpty());
    EXPECT_TRUE(Region().subtracted(left).isEmpty());
    EXPECT_TRUE(left.subtracted(Region()) == left);
}
