#include "graphics/image/BoxFilter.h"
#include "graphics/image/CatmullRomFilter.h"
#include "graphics/image/CubicFilter.h"
#include "graphics/image/LanczosFilter.h"
#include "graphics/image/PixelOps.h"
#include "graphics/image/TwoPassScaler.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Scales a one-row 32-bit image whose every byte of pixel i is values[i].
std::vector<int> scaleRow(const ResampleFilter& filter, const std::vector<int>& values, int width)
{
    PixelRows source(static_cast<int>(values.size()), 1, 4);
    for (size_t i = 0; i < values.size(); ++i)
        source.setGray(static_cast<int>(i), 0, static_cast<uint8_t>(values[i]));
    PixelRows target(width, 1, 4);
    TwoPassScaler(filter).scale(source.view(), target.view());
    std::vector<int> result;
    for (int x = 0; x < width; ++x) {
        result.push_back(target.byteAt(x, 0, 0));
        // Every byte of a pixel, alpha included, goes through the same weights.
        EXPECT_EQ(target.byteAt(x, 0, 0), target.byteAt(x, 0, 3));
    }
    return result;
}

// The same along a column of a 24-bit image.
std::vector<int> scaleColumn(const ResampleFilter& filter, const std::vector<int>& values, int height)
{
    PixelRows source(1, static_cast<int>(values.size()), 3);
    for (size_t i = 0; i < values.size(); ++i)
        source.setGray(0, static_cast<int>(i), static_cast<uint8_t>(values[i]));
    PixelRows target(1, height, 3);
    TwoPassScaler(filter).scale(source.view(), target.view());
    std::vector<int> result;
    for (int y = 0; y < height; ++y)
        result.push_back(target.byteAt(0, y, 1));
    return result;
}

} // namespace

TEST(TwoPassScaler, FilterKernelsHaveTheirShapes)
{
    BoxFilter box;
    CubicFilter cubic;
    CatmullRomFilter catmullRom;
    LanczosFilter lanczos;
    EXPECT_EQ(0.5f, box.radius());
    EXPECT_EQ(2.0f, cubic.radius());
    EXPECT_EQ(2.0f, catmullRom.radius());
    EXPECT_EQ(3.0f, lanczos.radius());

    EXPECT_EQ(1.0f, box.value(-0.5f));
    EXPECT_EQ(0.0f, box.value(0.51f));
    // Catmull-Rom interpolates: 1 at the sample, 0 at the neighbours.
    EXPECT_FLOAT_EQ(1.0f, catmullRom.value(0));
    EXPECT_NEAR(0.0f, catmullRom.value(1), 1e-6);
    EXPECT_FLOAT_EQ(-0.0703125f, catmullRom.value(1.25f));
    // B = C = 1/3 does not interpolate: 8/9 at the sample, 1/18 at a neighbour,
    // and the two pieces meet at 1.
    EXPECT_NEAR(8.0 / 9.0, cubic.value(0), 1e-6);
    EXPECT_NEAR(1.0 / 18.0, cubic.value(0.9999f), 1e-4);
    EXPECT_NEAR(1.0 / 18.0, cubic.value(1.0f), 1e-6);
    EXPECT_EQ(0.0f, cubic.value(2.0f));
    EXPECT_EQ(1.0f, lanczos.sinc(0));
    EXPECT_NEAR(0.0f, lanczos.value(2), 1e-6);
    EXPECT_NEAR(0.890067f, lanczos.value(0.25f), 1e-5);
    EXPECT_EQ(0.0f, lanczos.value(3.01f));
}

// Expected values worked out by hand from the kernels and the contribution
// rule (centre = u / scale + 0.5 / scale - 0.5, weights normalised).
TEST(TwoPassScaler, EnlargingTwoPixelsByEachFilter)
{
    EXPECT_EQ((std::vector<int>{100, 100, 200, 200}), scaleRow(BoxFilter(), {100, 200}, 4));
    EXPECT_EQ((std::vector<int>{97, 125, 175, 203}), scaleRow(CubicFilter(), {100, 200}, 4));
    EXPECT_EQ((std::vector<int>{91, 121, 179, 209}), scaleRow(CatmullRomFilter(), {100, 200}, 4));
    EXPECT_EQ((std::vector<int>{82, 123, 177, 218}), scaleRow(LanczosFilter(), {100, 200}, 4));
    // Overshoot below 0 and above 255 is clamped, not wrapped.
    EXPECT_EQ((std::vector<int>{0, 53, 202, 255}), scaleRow(CatmullRomFilter(), {0, 255}, 4));
    // The vertical pass gives the same as the horizontal one.
    EXPECT_EQ((std::vector<int>{91, 121, 179, 209}), scaleColumn(CatmullRomFilter(), {100, 200}, 4));
}

TEST(TwoPassScaler, ShrinkingWidensTheKernel)
{
    // Box by one half averages pairs, rounding halves up.
    EXPECT_EQ((std::vector<int>{16, 150}), scaleRow(BoxFilter(), {10, 21, 100, 200}, 2));
    EXPECT_EQ((std::vector<int>{16, 150}), scaleColumn(BoxFilter(), {10, 21, 100, 200}, 2));
    // Catmull-Rom at half size reaches two source pixels either side.
    EXPECT_EQ((std::vector<int>{21, 234}), scaleRow(CatmullRomFilter(), {0, 0, 255, 255}, 2));
}

TEST(TwoPassScaler, ExtremeRatiosStayInsideTheSource)
{
    // One pixel blown up to a large image is that colour everywhere.
    PixelRows dot(1, 1, 4);
    dot.set(0, 0, 10, 20, 30, 40);
    PixelRows big(300, 200, 4);
    TwoPassScaler(LanczosFilter()).scale(dot.view(), big.view());
    for (int y = 0; y < 200; y += 13) {
        for (int x = 0; x < 300; x += 7) {
            ASSERT_EQ(10, big.byteAt(x, y, 0));
            ASSERT_EQ(40, big.byteAt(x, y, 3));
        }
    }

    // A long row brought down to one pixel averages it (box, even length).
    PixelRows line(4096, 1, 4);
    for (int x = 0; x < 4096; ++x)
        line.setGray(x, 0, static_cast<uint8_t>(x % 256));
    PixelRows one(1, 1, 4);
    TwoPassScaler(BoxFilter()).scale(line.view(), one.view());
    EXPECT_EQ(128, one.byteAt(0, 0, 0));

    // A tall column to one pixel with every filter: a constant stays constant.
    PixelRows column(1, 5000, 3, 77);
    PixelRows single(1, 1, 3);
    const BoxFilter box;
    const CubicFilter cubic;
    const CatmullRomFilter catmullRom;
    const LanczosFilter lanczos;
    for (const ResampleFilter* filter :
         std::initializer_list<const ResampleFilter*>{&box, &cubic, &catmullRom, &lanczos}) {
        TwoPassScaler(*filter).scale(column.view(), single.view());
        EXPECT_EQ(77, single.byteAt(0, 0, 2));
    }
}

TEST(TwoPassScaler, OpaqueAndFlatImagesStaySo)
{
    // Both pass orders: wider than tall and taller than wide.
    const int sizes[][2] = {{37, 11}, {11, 37}, {5, 90}, {90, 5}};
    PixelRows source(23, 17, 4);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 23; ++x)
            source.set(x, y, static_cast<uint8_t>(x * 11), 90, static_cast<uint8_t>(y * 15), 255);
    }
    const BoxFilter box;
    const CubicFilter cubic;
    const CatmullRomFilter catmullRom;
    const LanczosFilter lanczos;
    for (const ResampleFilter* filter :
         std::initializer_list<const ResampleFilter*>{&box, &cubic, &catmullRom, &lanczos}) {
        for (const auto& size : sizes) {
            PixelRows target(size[0], size[1], 4);
            TwoPassScaler(*filter).scale(source.view(), target.view());
            for (int y = 0; y < size[1]; ++y) {
                for (int x = 0; x < size[0]; ++x) {
                    ASSERT_EQ(255, target.byteAt(x, y, 3)) << x << "," << y;
                    ASSERT_EQ(90, target.byteAt(x, y, 1)) << x << "," << y;
                }
            }
        }
    }
}

TEST(TwoPassScaler, NearestNeighbourTruncatesWithoutHalfPixelOffset)
{
    PixelRows source(3, 2, 3);
    for (int x = 0; x < 3; ++x) {
        source.setGray(x, 0, static_cast<uint8_t>(10 + x));
        source.setGray(x, 1, static_cast<uint8_t>(20 + x));
    }
    PixelRows wide(5, 1, 3);
    scaleNearest(source.view(), wide.view());
    // x * 3 / 5: 0, 0.6, 1.2, 1.8, 2.4
    const int expected[] = {10, 10, 11, 11, 12};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(expected[x], wide.byteAt(x, 0, 0));

    PixelRows small(2, 4, 3);
    scaleNearest(source.view(), small.view());
    // x * 1.5 and y * 0.5: columns 0, 1 and rows 0, 0, 1, 1.
    EXPECT_EQ(10, small.byteAt(0, 1, 2));
    EXPECT_EQ(11, small.byteAt(1, 1, 2));
    EXPECT_EQ(20, small.byteAt(0, 2, 2));
    EXPECT_EQ(21, small.byteAt(1, 3, 2));
}
