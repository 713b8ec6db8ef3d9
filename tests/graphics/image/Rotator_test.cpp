#include "foundation/geometry/Size.h"
#include "graphics/image/PixelOps.h"
#include "graphics/image/Rotator.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

PixelRows numbered(int width, int height, int bytesPerPixel)
{
    PixelRows rows(width, height, bytesPerPixel);
    for (int i = 0; i < width * height; ++i)
        rows.set(i % width, i / width, uint8_t(i % width * 20), uint8_t(i / width * 30), uint8_t(i * 7), 255);
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
    const PixelView &p = a.view(), &q = b.view();
    ASSERT_EQ(Size(p.width(), p.height()), Size(q.width(), q.height()));
    for (int y = 0; y < p.height(); ++y)
        ASSERT_EQ(0, std::memcmp(p.row(y), q.row(y), size_t(p.width() * p.bytesPerPixel()))) << "row " << y;
}

} // namespace

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
