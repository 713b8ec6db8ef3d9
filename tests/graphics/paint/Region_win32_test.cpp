#include "graphics/paint/Region.h"

#include "graphics/image/Image.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(Region, CopiesShareOneHandle)
{
    Region a(0, 0, 10, 10);
    Region b = a;
    EXPECT_EQ(a.handle(), b.handle());
    b.translate(5, 7);
    EXPECT_EQ(Rect(5, 7, 10, 10), a.boundingRect()) << "the shared handle moved for both";

    // Copies going away leave the handle alive for the rest.
    Region c;
    c = b;
    {
        Region d(c);
    }
    c = Region(1, 1, 1, 1);
    Region& alias = a;
    a = alias;
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
    EXPECT_TRUE(both.contains(Point(2, 2)) && !both.contains(Point(7, 2)) && both.contains(Point(12, 2)));
    EXPECT_EQ(Rect(0, 0, 10, 10), left.boundingRect()) << "the operands are left as they were";
    // An empty operand (no handle) is an empty region, not a failure.
    EXPECT_TRUE(left.united(Region()) == left && left.subtracted(Region()) == left);
    EXPECT_TRUE(left.intersected(Region()).isEmpty() && Region().subtracted(left).isEmpty());
}

namespace {

const uint32_t kOpaqueBlack = 0xFF000000u;

// Whether the region's pixels are exactly the mask's pixels that are not
// opaque black, checked one by one.
void expectRegionMatchesMask(const Region& region, const Image& mask)
{
    for (int i = 0; i < mask.width() * mask.height(); ++i) {
        const Point p(i % mask.width(), i / mask.width());
        ASSERT_EQ(mask.pixel(p.x, p.y).value() != kOpaqueBlack, region.contains(p)) << p.x << "," << p.y;
    }
    EXPECT_FALSE(region.contains(Point(-1, 0)));
    EXPECT_FALSE(region.contains(Point(mask.width(), 0)));
}

} // namespace

TEST(Region, FromAMaskImage)
{
    // A busy mask: many runs per row, rows that start and end inside, and
    // transparent black (inside) next to opaque black (outside).
    Image mask(97, 61, true);
    for (int i = 0; i < 97 * 61; ++i) {
        const int x = i % 97, y = i / 97;
        const bool outside = ((x * 7 + y * 3) % 11) < 5 || (x > 40 && x < 45);
        mask.setPixel(x, y, outside ? Color(kOpaqueBlack) : Color((x + y) % 2 ? 0u : 0x80FF0000u));
    }
    expectRegionMatchesMask(Region(mask), mask);

    // Half a million pixels alternating: a region of a quarter million runs
    // built in one go.
    Image stripes(1000, 500, true);
    for (int i = 0; i < 1000 * 500; ++i)
        stripes.setPixel(i % 1000, i / 1000, Color((i % 1000 + i / 1000) % 2 ? kOpaqueBlack : 0xFFFFFFFFu));
    const Region striped(stripes);
    EXPECT_EQ(Rect(0, 0, 1000, 500), striped.boundingRect());
    EXPECT_TRUE(striped.contains(Point(0, 0)) && !striped.contains(Point(1, 0)));
    EXPECT_TRUE(striped.contains(Point(999, 499)) && !striped.contains(Point(998, 499)));
}

TEST(Region, OnlyFromThirtyTwoBitMasks)
{
    Image rgb(4, 4, false), black(5, 5, true);
    rgb.fill(Color(255, 255, 255));
    black.fill(Color(kOpaqueBlack));
    EXPECT_EQ(nullptr, Region(rgb).handle());
    EXPECT_TRUE(Region(Image()).isEmpty() && Region(black) == Region());
}
