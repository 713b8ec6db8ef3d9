#include "foundation/geometry/Size.h"
#include "graphics/image/BoxFilter.h"
#include "graphics/image/CatmullRomFilter.h"
#include "graphics/image/CubicFilter.h"
#include "graphics/image/LanczosFilter.h"
#include "graphics/image/PixelOps.h"
#include "graphics/image/TwoPassScaler.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Scales a line of pixels whose every byte of pixel i is values[i]: a row of
// a 32-bit image or a column of a 24-bit one. Every byte of a pixel, alpha
// included, goes through the same weights.
std::vector<int> scaleLine(const ResampleFilter& filter, const std::vector<int>& values, int length,
                           bool column)
{
    const int count = int(values.size()), bytes = column ? 3 : 4;
    PixelRows source(column ? 1 : count, column ? count : 1, bytes),
        target(column ? 1 : length, column ? length : 1, bytes);
    for (int i = 0; i < count; ++i)
        source.setGray(column ? 0 : i, column ? i : 0, uint8_t(values[i]));
    TwoPassScaler(filter).scale(source.view(), target.view());
    std::vector<int> result;
    for (int i = 0; i < length; ++i) {
        result.push_back(target.byteAt(column ? 0 : i, column ? i : 0, 0));
        EXPECT_EQ(result.back(), target.byteAt(column ? 0 : i, column ? i : 0, bytes - 1));
    }
    return result;
}

// One of each filter.
std::vector<const ResampleFilter*> filters()
{
    static const BoxFilter box;
    static const CubicFilter cubic;
    static const CatmullRomFilter catmullRom;
    static const LanczosFilter lanczos;
    return {&box, &cubic, &catmullRom, &lanczos};
}

} // namespace

// Expected values worked out by hand from the kernels and the contribution
// rule (centre = u / scale + 0.5 / scale - 0.5, weights normalised).
TEST(TwoPassScaler, EnlargingAndShrinkingByEachFilter)
{
    const std::tuple<const char*, std::vector<int>, std::vector<int>, bool> lines[] = {
        {"box", {100, 200}, {100, 100, 200, 200}, false},
        {"cubic", {100, 200}, {97, 125, 175, 203}, false},
        {"catmull-rom", {100, 200}, {91, 121, 179, 209}, false},
        {"lanczos", {100, 200}, {82, 123, 177, 218}, false},
        {"catmull-rom", {0, 255}, {0, 53, 202, 255}, false},    // overshoot clamped, not wrapped
        {"catmull-rom", {100, 200}, {91, 121, 179, 209}, true}, // the vertical pass as the horizontal one
        {"box", {10, 21, 100, 200}, {16, 150}, false},          // halving averages pairs, rounding halves up
        {"box", {10, 21, 100, 200}, {16, 150}, true},
        {"catmull-rom", {0, 0, 255, 255}, {21, 234}, false}}; // reaching two pixels either side
    const std::map<std::string, int> index = {{"box", 0}, {"cubic", 1}, {"catmull-rom", 2}, {"lanczos", 3}};
    for (const auto& [name, values, expected, column] : lines)
        EXPECT_EQ(expected, scaleLine(*filters()[index.at(name)], values, int(expected.size()), column))
            << name;
}

TEST(TwoPassScaler, ExtremeRatiosStayInsideTheSource)
{
    // One pixel blown up to a large image is that colour everywhere.
    PixelRows dot(1, 1, 4);
    dot.set(0, 0, 10, 20, 30, 40);
    PixelRows big(300, 200, 4);
    TwoPassScaler(LanczosFilter()).scale(dot.view(), big.view());
    for (int i = 0; i < 300 * 200; i += 97)
        ASSERT_TRUE(big.byteAt(i % 300, i / 300, 0) == 10 && big.byteAt(i % 300, i / 300, 3) == 40) << i;

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
    for (const ResampleFilter* filter : filters()) {
        TwoPassScaler(*filter).scale(column.view(), single.view());
        EXPECT_EQ(77, single.byteAt(0, 0, 2));
    }
}

TEST(TwoPassScaler, OpaqueImagesStayOpaqueInBothPassOrders)
{
    PixelRows source(23, 17, 4);
    for (int i = 0; i < 23 * 17; ++i)
        source.set(i % 23, i / 23, uint8_t(i % 23 * 11), 90, uint8_t(i / 23 * 15), 255);
    for (const ResampleFilter* filter : filters()) {
        for (const Size& size : {Size(37, 11), Size(11, 37), Size(5, 90), Size(90, 5)}) {
            PixelRows target(size.width, size.height, 4);
            TwoPassScaler(*filter).scale(source.view(), target.view());
            for (int i = 0; i < size.width * size.height; ++i) {
                ASSERT_EQ(255, target.byteAt(i % size.width, i / size.width, 3))
                    << size.width << "x" << size.height;
                ASSERT_EQ(90, target.byteAt(i % size.width, i / size.width, 1))
                    << size.width << "x" << size.height;
            }
        }
    }
}

TEST(TwoPassScaler, NearestNeighbourTruncatesWithoutHalfPixelOffset)
{
    PixelRows source(3, 2, 3), wide(5, 1, 3), small(2, 4, 3);
    for (int i = 0; i < 6; ++i)
        source.setGray(i % 3, i / 3, uint8_t(10 * (1 + i / 3) + i % 3));
    scaleNearest(source.view(), wide.view());
    scaleNearest(source.view(), small.view());
    // x * 3 / 5: 0, 0.6, 1.2, 1.8, 2.4; then x * 1.5 and y * 0.5.
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(10 + x * 3 / 5, wide.byteAt(x, 0, 0)) << x;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(10 * (1 + i / 4) + i % 2, small.byteAt(i % 2, i / 2, 2)) << i;
}
