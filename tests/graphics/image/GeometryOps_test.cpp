#include "graphics/image/GeometryOps.h"

#include <gtest/gtest.h>

TEST(GeometryOps, SizesKeepTheirAspect)
{
    EXPECT_EQ(Size(148, 148), scaledSizeToFit(Size(300, 300), Size(148, 198)));
    EXPECT_EQ(Size(132, 198), scaledSizeToFit(Size(1000, 1500), Size(148, 198)));
    EXPECT_EQ(Size(148, 198), scaledSizeToFit(Size(148, 198), Size(148, 198)));
    // Sizes may round to 0; images raise them to 1 themselves.
    EXPECT_EQ(Size(148, 0), scaledSizeToFit(Size(30000, 10), Size(148, 198)));
    // Rounded half away from zero: 3 x 2 to width 5 is 3.33 high, 4 x 3 to
    // width 2 is 1.5 high.
    EXPECT_EQ(Size(5, 3), scaledSizeToWidth(Size(3, 2), 5));
    EXPECT_EQ(Size(2, 2), scaledSizeToWidth(Size(4, 3), 2));
    EXPECT_EQ(Size(3, 4), scaledSizeToHeight(Size(2, 3), 4)); // 2.67
    // A very flat image may round to no height at all.
    EXPECT_EQ(Size(1, 0), scaledSizeToWidth(Size(1000, 1), 1));

    EXPECT_EQ(Size(), scaledSizeToWidth(Size(0, 5), 10));
    EXPECT_EQ(Size(), scaledSizeToWidth(Size(5, 5), 0));
    EXPECT_EQ(Size(), scaledSizeToHeight(Size(5, -1), 10));
    EXPECT_EQ(Size(), scaledSizeToFit(Size(5, 5), Size(0, 10)));
    // An answer beyond the int range is no answer.
    EXPECT_EQ(Size(), scaledSizeToWidth(Size(1, 2000000000), 2000000000));
}

TEST(GeometryOps, RectanglesOverlap)
{
    EXPECT_EQ(Rect(5, 5, 5, 5), intersectedRect(Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(Rect(2, 3, 1, 1), intersectedRect(Rect(2, 3, 1, 1), Rect(-100, -100, 500, 500)));
    // Touching edges give a zero-width overlap; apart gives the empty Rect.
    EXPECT_EQ(Rect(10, 0, 0, 10), intersectedRect(Rect(0, 0, 10, 10), Rect(10, 0, 10, 10)));
    EXPECT_EQ(Rect(), intersectedRect(Rect(0, 0, 10, 10), Rect(11, 0, 10, 10)));
    EXPECT_EQ(Rect(), intersectedRect(Rect(0, 0, 10, 10), Rect(0, 20, 10, 10)));
    // Sums past the int range do not wrap.
    EXPECT_EQ(Rect(2147483600, 0, 47, 1),
              intersectedRect(Rect(2147483600, 0, 2000, 1), Rect(0, 0, 2147483647, 1)));
}
