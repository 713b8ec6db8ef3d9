#include "graphics/image/GeometryOps.h"

#include <gtest/gtest.h>

TEST(GeometryOps, SizesKeepTheirAspectAndRectanglesOverlap)
{
    // Rounded half away from zero; a very flat image may round to no height;
    // an answer beyond the int range is no answer.
    EXPECT_EQ(Size(132, 198), scaledSizeToFit(Size(1000, 1500), Size(148, 198)));
    EXPECT_EQ(Size(148, 0), scaledSizeToFit(Size(30000, 10), Size(148, 198)));
    EXPECT_EQ(Size(5, 3), scaledSizeToWidth(Size(3, 2), 5));
    EXPECT_EQ(Size(2, 2), scaledSizeToWidth(Size(4, 3), 2));
    EXPECT_EQ(Size(3, 4), scaledSizeToHeight(Size(2, 3), 4));
    EXPECT_EQ(Size(1, 0), scaledSizeToWidth(Size(1000, 1), 1));
    EXPECT_EQ(Size(), scaledSizeToWidth(Size(0, 5), 10));
    EXPECT_EQ(Size(), scaledSizeToHeight(Size(5, -1), 10));
    EXPECT_EQ(Size(), scaledSizeToFit(Size(5, 5), Size(0, 10)));
    EXPECT_EQ(Size(), scaledSizeToWidth(Size(1, 2000000000), 2000000000));

    EXPECT_EQ(Rect(5, 5, 5, 5), intersectedRect(Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(Rect(10, 0, 0, 10), intersectedRect(Rect(0, 0, 10, 10), Rect(10, 0, 10, 10))) << "touching";
    EXPECT_EQ(Rect(), intersectedRect(Rect(0, 0, 10, 10), Rect(11, 0, 10, 10))) << "apart";
    EXPECT_EQ(Rect(2147483600, 0, 47, 1),
              intersectedRect(Rect(2147483600, 0, 2000, 1), Rect(0, 0, 2147483647, 1)));
}
