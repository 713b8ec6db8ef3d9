// Rect placement and containment, including the edges where painting and
// hit-testing go wrong by one pixel, and hostile sizes that must not overflow.
#include <gtest/gtest.h>

#include <climits>

#include "foundation/geometry/Rect.h"

TEST(RectEdges, ContainmentIncludesTheTopLeftOnly)
{
    Rect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.contains(Point(10, 20)));
    EXPECT_FALSE(rect.contains(Point(40, 20)));
    EXPECT_FALSE(rect.contains(Point(39, 60)));
    Rect outer(0, 0, 100, 50);
    EXPECT_TRUE(outer.containsRect(Rect(90, 40, 10, 10)));
    EXPECT_FALSE(outer.containsRect(Rect(91, 40, 10, 10)));
}

TEST(RectEdges, AlignPlacesBySideAndCentre)
{
    struct Row
    {
        int width;
        int height;
        int flags;
        bool overflow;
        Rect expected;
    };
    const int kRight = Rect::kAlignRight, kBottom = Rect::kAlignBottom, kCentre = Rect::kAlignHCenter;
    const Row rows[] = {
        {10, 10, kRight | kBottom, false, Rect(90, 40, 10, 10)},
        {10, 10, Rect::kAlignVCenter | kCentre, false, Rect(45, 20, 10, 10)},
        // Left wins over right, top over bottom, and the centre flags over both.
        {10, 10, Rect::kAlignLeft | kRight, false, Rect(0, 0, 10, 10)},
        {10, 10, kRight | kCentre, false, Rect(45, 0, 10, 10)},
        {10, 10, kBottom | Rect::kAlignVCenter, false, Rect(0, 20, 10, 10)},
        // An oversized image sticks out only when asked to.
        {120, 10, kCentre, false, Rect(0, 0, 120, 10)},
        {120, 10, kCentre, true, Rect(-10, 0, 120, 10)},
        {10, 51, kBottom, true, Rect(0, -1, 10, 51)},
        {11, 10, kCentre, false, Rect(44, 0, 11, 10)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Rect(0, 0, 100, 50).align(Rect(0, 0, row.width, row.height), row.flags, row.overflow),
                  row.expected)
            << "row " << (&row - rows);
    }
}

TEST(RectEdges, EdgesCentreAndHostileSizes)
{
    Rect rect(10, 10, 20, 20);
    rect.setLeft(100);
    rect.setTop(35);
    EXPECT_EQ(rect, Rect(100, 35, 0, 0));
    EXPECT_EQ(Rect(10, 10, -5, 3).center(), Point(8, 11));
    // Hostile sizes saturate instead of overflowing.
    Rect huge(INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX);
    EXPECT_TRUE(huge.contains(Point(INT_MAX, INT_MAX)));
    EXPECT_FALSE(huge.containsRect(Rect(0, 0, 1, 1)));
    EXPECT_EQ(huge.center(), Point(INT_MAX, INT_MAX));
    Rect negative(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(negative.align(Rect(0, 0, INT_MIN, INT_MIN), Rect::kAlignRight | Rect::kAlignBottom, true),
              Rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN));
    EXPECT_EQ(huge.adjusted(INT_MAX, 0, 0, 0).x, INT_MAX);
    Rect edge(INT_MIN, 0, INT_MAX, 1);
    edge.setLeft(INT_MAX);
    EXPECT_EQ(edge.width, 0);
}

TEST(RectEdges, IntersectionKeepsAnEdgeTheyShare)
{
    struct Row
    {
        Rect other;
        Rect expected;
    };
    const Rect base(10, 10, 20, 20);
    const Row rows[] = {
        {Rect(20, 15, 20, 5), Rect(20, 15, 10, 5)},
        {Rect(12, 12, 2, 2), Rect(12, 12, 2, 2)},
        // Touching at an edge is an overlap of width or height 0, not "none".
        {Rect(30, 10, 5, 20), Rect(30, 10, 0, 20)},
        {Rect(0, 0, 10, 5), Rect()},
        {Rect(12, 0, 4, 10), Rect(12, 10, 4, 0)},
        {Rect(30, 30, 5, 5), Rect(30, 30, 0, 0)},
        // One pixel apart they do not meet.
        {Rect(31, 10, 5, 20), Rect()},
        {Rect(10, 0, 20, 9), Rect()},
        // Sizes that pass the int range stay inside it.
        {Rect(15, 15, INT_MAX, INT_MAX), Rect(15, 15, 15, 15)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(base.intersected(row.other), row.expected) << "row " << (&row - rows);
        EXPECT_EQ(row.other.intersected(base), row.expected) << "row " << (&row - rows) << " turned";
    }
}
