// Rect placement and containment, including the edges where painting and
// hit-testing go wrong by one pixel, and hostile sizes that must not overflow.
#include <gtest/gtest.h>

#include <climits>

#include "foundation/geometry/Flags.h"
#include "foundation/geometry/Rect.h"

TEST(RectEdges, ContainsIncludesTheTopLeftOnly)
{
    Rect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.contains(Point(10, 20)));
    EXPECT_FALSE(rect.contains(Point(40, 20)));
    EXPECT_TRUE(rect.contains(Point(39, 59)));
    EXPECT_FALSE(rect.contains(Point(39, 60)));
    EXPECT_FALSE(rect.contains(Point(9, 30)));
    EXPECT_FALSE(Rect().contains(Point(0, 0)));
}

TEST(RectEdges, ContainsRectAllowsCoincidingEdges)
{
    Rect outer(0, 0, 100, 50);
    EXPECT_TRUE(outer.containsRect(outer));
    EXPECT_TRUE(outer.containsRect(Rect(90, 40, 10, 10)));
    EXPECT_FALSE(outer.containsRect(Rect(91, 40, 10, 10)));
    EXPECT_FALSE(outer.containsRect(Rect(-1, 0, 10, 10)));
    EXPECT_FALSE(outer.containsRect(Rect(0, 41, 10, 10)));
}

TEST(RectEdges, AlignPlacesBySideAndCentre)
{
    Rect area(0, 0, 100, 50);
    Rect tile(0, 0, 10, 10);
    EXPECT_EQ(area.align(tile, Rect::kAlignRight | Rect::kAlignBottom, false), Rect(90, 40, 10, 10));
    EXPECT_EQ(area.align(tile, Rect::kAlignVCenter | Rect::kAlignHCenter, false), Rect(45, 20, 10, 10));
    EXPECT_EQ(area.align(tile, 0, false), Rect(0, 0, 10, 10));
    EXPECT_EQ(Rect(5, 7, 100, 50).align(tile, Rect::kAlignLeft | Rect::kAlignTop, false), Rect(5, 7, 10, 10));
    // Left wins over right, top over bottom, and the centre flags over both.
    EXPECT_EQ(area.align(tile, Rect::kAlignLeft | Rect::kAlignRight, false), Rect(0, 0, 10, 10));
    EXPECT_EQ(area.align(tile, Rect::kAlignRight | Rect::kAlignHCenter, false), Rect(45, 0, 10, 10));
    EXPECT_EQ(area.align(tile, Rect::kAlignBottom | Rect::kAlignVCenter, false), Rect(0, 20, 10, 10));
}

TEST(RectEdges, AlignOfAnOversizedImage)
{
    Rect area(0, 0, 100, 50);
    Rect wide(0, 0, 120, 10);
    EXPECT_EQ(area.align(wide, Rect::kAlignHCenter, false).x, 0);
    EXPECT_EQ(area.align(wide, Rect::kAlignHCenter, true).x, -10);
    EXPECT_EQ(area.align(wide, Rect::kAlignRight, false).x, 0);
    Rect tall(0, 0, 10, 51);
    EXPECT_EQ(area.align(tall, Rect::kAlignBottom, false).y, 0);
    EXPECT_EQ(area.align(tall, Rect::kAlignBottom, true).y, -1);
    EXPECT_EQ(area.align(Rect(0, 0, 11, 10), Rect::kAlignHCenter, false).x, 44);
    EXPECT_EQ(area.align(Rect(0, 0, 101, 10), Rect::kAlignHCenter, true).x, 0);
}

TEST(RectEdges, CentreTruncatesTowardZero)
{
    EXPECT_EQ(Rect(0, 0, 5, 5).center(), Point(2, 2));
    EXPECT_EQ(Rect(10, 10, -5, 3).center(), Point(8, 11));
    EXPECT_EQ(Rect(0, 0, 100, 40).topLeft(), Point(0, 0));
}

TEST(RectEdges, MovingTheLeftOrTopEdge)
{
    Rect rect(10, 10, 20, 20);
    rect.setLeft(15);
    EXPECT_EQ(rect, Rect(15, 10, 15, 20));
    rect.setLeft(5);
    EXPECT_EQ(rect, Rect(5, 10, 25, 20));
    rect.setLeft(100);
    EXPECT_EQ(rect, Rect(100, 10, 0, 20));
    rect.setTop(35);
    EXPECT_EQ(rect, Rect(100, 35, 0, 0));
    rect.setTop(25);
    EXPECT_EQ(rect.height, 10);
}

TEST(RectEdges, AdjustedSizeAndEmptiness)
{
    Rect rect(10, 10, 20, 20);
    EXPECT_EQ(rect.adjusted(1, 2, -3, -4), Rect(11, 12, 16, 14));
    EXPECT_EQ(rect.size(), Size(20, 20));
    EXPECT_TRUE(Rect().isEmpty());
    EXPECT_TRUE(Rect(0, 0, 5, 0).isEmpty());
    EXPECT_TRUE(Rect(0, 0, -1, 5).isEmpty());
    EXPECT_FALSE(Rect(0, 0, 1, 1).isEmpty());
}

TEST(RectEdges, HostileSizesSaturateInsteadOfOverflowing)
{
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
    edge.setLeft(INT_MIN);
    EXPECT_EQ(edge.width, INT_MAX);
}

TEST(PointAndSize, AssignCompareAndCombineFlags)
{
    Point point(1, 2);
    point.assign(Point(3, 4));
    EXPECT_EQ(point, Point(3, 4));
    point.assign(point);
    EXPECT_EQ(point, Point(3, 4));
    Size size(5, 6);
    EXPECT_FALSE(size.notEquals(size));
    EXPECT_FALSE(size.notEquals(Size(5, 6)));
    EXPECT_TRUE(size.notEquals(Size(5, 7)));
    EXPECT_TRUE(size != Size(4, 6));
    EXPECT_EQ(Flags::combine(Rect::kAlignRight, Rect::kAlignBottom).value(), 10);
    EXPECT_EQ(Flags().value(), 0);
}
