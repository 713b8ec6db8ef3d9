#include "graphics/paint/Region.h"

#include "graphics/image/Image.h"

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

namespace {

const uint32_t kOpaqueBlack = 0xFF000000u;

// Whether the region's pixels are exactly the mask's pixels that are not
// opaque black, checked one by one.
void expectRegionMatchesMask(const Region& region, const Image& mask)
{
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool inside = mask.pixel(x, y).value() != kOpaqueBlack;
            ASSERT_EQ(inside, region.contains(Point(x, y))) << x << "," << y;
        }
    }
    EXPECT_FALSE(region.contains(Point(-1, 0)));
    EXPECT_FALSE(region.contains(Point(mask.width(), 0)));
}

} // namespace

TEST(Region, FromAMaskImage)
{
    Image line(3, 1, true);
    line.setPixel(0, 0, Color(kOpaqueBlack));
    line.setPixel(1, 0, Color(255, 255, 255));
    line.setPixel(2, 0, Color(255, 255, 255));
    const Region small(line);
    EXPECT_EQ(Rect(1, 0, 2, 1), small.boundingRect());
    EXPECT_TRUE(small == Region(1, 0, 2, 1));

    // A busy mask: many runs per row, rows that start and end inside, and
    // transparent black (inside) next to opaque black (outside).
    Image mask(97, 61, true);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool outside = ((x * 7 + y * 3) % 11) < 5 || (x > 40 && x < 45);
            mask.setPixel(x, y, outside ? Color(kOpaqueBlack) : Color((x + y) % 2 ? 0u : 0x80FF0000u));
        }
    }
    const Region region(mask);
    expectRegionMatchesMask(region, mask);

    // Half a million pixels alternating: a region of a quarter million runs
    // built in one go.
    Image stripes(1000, 500, true);
    for (int y = 0; y < stripes.height(); ++y) {
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, Color((x + y) % 2 ? kOpaqueBlack : 0xFFFFFFFFu));
    }
    const Region striped(stripes);
    EXPECT_EQ(Rect(0, 0, 1000, 500), striped.boundingRect());
    EXPECT_TRUE(striped.contains(Point(0, 0)));
    EXPECT_FALSE(striped.contains(Point(1, 0)));
    EXPECT_TRUE(striped.contains(Point(999, 499)));
    EXPECT_FALSE(striped.contains(Point(998, 499)));
}

TEST(Region, OnlyFromThirtyTwoBitMasks)
{
    Image rgb(4, 4, false);
    rgb.fill(Color(255, 255, 255));
    EXPECT_TRUE(Region(rgb).isEmpty());
    EXPECT_EQ(nullptr, Region(rgb).handle());
    EXPECT_TRUE(Region(Image()).isEmpty());

    Image black(5, 5, true);
    black.fill(Color(kOpaqueBlack));
    const Region none(black);
    EXPECT_TRUE(none.isEmpty());
    EXPECT_TRUE(none == Region());
}
