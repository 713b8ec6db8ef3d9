#include "graphics/image/PixelOps.h"
#include "graphics/image/Rotator.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

PixelRows numbered(int width, int height, int bytesPerPixel)
{
    PixelRows rows(width, height, bytesPerPixel);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            rows.set(x, y, static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 30),
                     static_cast<uint8_t>(x * y), 255);
    }
    return rows;
}

PixelRows rotate(const PixelRows& source, double degrees, uint32_t background = 0)
{
    int width = 0, height = 0;
    EXPECT_TRUE(Rotator::rotatedSize(source.view().width(), source.view().height(), degrees, width, height));
    PixelRows target(width, height, source.view().bytesPerPixel());
    Rotator(background).rotate(source.view(), target.view(), degrees);
    return target;
}

void expectSamePixels(const PixelRows& a, const PixelRows& b)
{
    ASSERT_EQ(a.view().width(), b.view().width());
    ASSERT_EQ(a.view().height(), b.view().height());
    for (int y = 0; y < a.view().height(); ++y) {
        for (int x = 0; x < a.view().width(); ++x) {
            for (int c = 0; c < a.view().bytesPerPixel(); ++c)
                ASSERT_EQ(a.byteAt(x, y, c), b.byteAt(x, y, c)) << x << "," << y << " byte " << c;
        }
    }
}

} // namespace

TEST(Rotator, SizesAreTheBoundingBox)
{
    int w = 0, h = 0;
    ASSERT_TRUE(Rotator::rotatedSize(40, 20, 90, w, h));
    EXPECT_EQ(20, w);
    EXPECT_EQ(40, h);
    ASSERT_TRUE(Rotator::rotatedSize(10, 10, 45, w, h));
    EXPECT_EQ(14, w); // 10 * sqrt(2) = 14.14
    EXPECT_EQ(14, h);
    ASSERT_TRUE(Rotator::rotatedSize(7, 3, 180, w, h));
    EXPECT_EQ(7, w);
    EXPECT_EQ(3, h);
    EXPECT_FALSE(Rotator::rotatedSize(7, 3, std::nan(""), w, h));
    EXPECT_FALSE(Rotator::rotatedSize(7, 3, INFINITY, w, h));
}

TEST(Rotator, WholeTurnsLandOnSourcePixels)
{
    for (int bytes : {3, 4}) {
        const PixelRows source = numbered(5, 3, bytes);

        PixelRows flipped(5, 3, bytes);
        flipPixels(source.view(), flipped.view(), true, true);
        expectSamePixels(flipped, rotate(source, 180));

        // Positive angles turn clockwise like the quarter turn.
        PixelRows quarter(3, 5, bytes);
        rotate90Pixels(source.view(), quarter.view());
        expectSamePixels(quarter, rotate(source, 90));

        PixelRows half(5, 3, bytes), threeQuarters(3, 5, bytes);
        rotate90Pixels(quarter.view(), half.view());
        rotate90Pixels(half.view(), threeQuarters.view());
        expectSamePixels(threeQuarters, rotate(source, -90));
        expectSamePixels(source, rotate(source, 360));
    }
}
