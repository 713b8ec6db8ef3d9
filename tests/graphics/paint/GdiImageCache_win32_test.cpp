#include "graphics/paint/GdiImageCache.h"

#include "tests/support/SurfacePixels.h"
#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"
#include "tests/support/GdiTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using ImageCaching = testsupport::GdiTest;

const Color kBackground(200, 100, 50);

// Alphas of pattern() besides 0..255: one for each pixel; no channel at all.
constexpr int kVarying = -1, kNoAlpha = 256;

// Every pixel its own colour, so a pixel taken from the wrong place shows.
Image pattern(int width, int height, int alpha, bool premultiplied)
{
    Image image(width, height, alpha != kNoAlpha);
    for (int i = 0, x = 0, y = 0; i < width * height; ++i, x = i % width, y = i / width) {
        const int a = alpha == kVarying ? (x * 70 + y * 40) % 256 : std::min(alpha, 255);
        image.setPixel(x, y, Color(a, 20 * x + 15, 20 * y + 10, (x * y * 37) % 256));
    }
    image.setPremultiplied(premultiplied);
    return image;
}

// What a draw leaves on a pixel: the source pixel at its top-left corner (as
// GDI+ picks it without smoothing), premultiplied, over what was there.
uint32_t blendedRgb(const Image& image, const Rect& source, const Rect& target, int x, int y, uint32_t under)
{
    const Color c = image.pixel(source.x + (x - target.x) * source.width / target.width,
                                source.y + (y - target.y) * source.height / target.height);
    const int alpha = c.alpha(); // 255 in 24-bit images
    uint32_t rgb = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int value = channel(c.value(), shift);
        const int top = image.isPremultiplied() ? value : (value * alpha + 127) / 255;
        rgb |= static_cast<uint32_t>(top + channel(under, shift) * (255 - alpha) / 255) << shift;
    }
    return rgb;
}

using Draws = std::vector<std::pair<Rect, Rect>>;

// The nine cells of a 12 x 12 picture cut 4, 4, 4 both ways into 30 x 20.
Draws nineSlice()
{
    const int toX[] = {2, 6, 28}, widths[] = {4, 22, 4}, toY[] = {3, 7, 19}, heights[] = {4, 12, 4};
    Draws draws;
    for (int cell = 0; cell < 9; ++cell)
        draws.push_back({Rect(cell % 3 * 4, cell / 3 * 4, 4, 4),
                         Rect(toX[cell % 3], toY[cell / 3], widths[cell % 3], heights[cell / 3])});
    return draws;
}

TEST_F(ImageCaching, DrawsEveryAlphaKindAndScaleAsBlendedNearestPixels)
{
    const Rect whole(0, 0, 6, 5), at(3, 2, 6, 5);
    const struct
    {
        const char* name;
        Image image;
        Draws draws;
    } rows[] = {
        {"opaque", pattern(6, 5, 255, false), {{whole, at}}},
        {"24-bit part", pattern(6, 5, kNoAlpha, false), {{Rect(1, 1, 4, 3), Rect(3, 2, 4, 3)}}},
        {"half transparent", pattern(6, 5, 128, false), {{whole, at}}},
        {"half, premultiplied", pattern(6, 5, 128, true), {{whole, at}}},
        {"fully transparent", pattern(6, 5, 0, false), {{whole, at}}},
        {"scaled up", pattern(5, 3, kVarying, false), {{Rect(0, 0, 5, 3), Rect(1, 1, 17, 11)}}},
        {"scaled down", pattern(9, 7, kVarying, true), {{Rect(0, 0, 9, 7), Rect(2, 2, 4, 3)}}},
        {"opaque scaled down", pattern(9, 7, kNoAlpha, false), {{Rect(1, 0, 8, 7), Rect(2, 2, 3, 5)}}},
        {"nine-slice", pattern(12, 12, kVarying, false), nineSlice()},
        // Too large to keep: opaque parts are copied from the image's rows.
        {"large opaque part", pattern(520, 520, 255, false), {{Rect(497, 493, 23, 17), Rect(3, 2, 23, 17)}}},
        {"large 24-bit part",
         pattern(601, 600, kNoAlpha, false),
         {{Rect(575, 2, 20, 21), Rect(4, 1, 20, 21)}}},
        {"large, half transparent",
         pattern(520, 520, 128, false),
         {{Rect(500, 0, 20, 9), Rect(9, 5, 20, 9)}}},
    };
    for (const auto& row : rows) {
        BitmapSurface surface(36, 26);
        surface.fill(kBackground);
        Painter painter(&surface);
        for (const auto& draw : row.draws)
            painter.drawImageRect(row.image, draw.first, draw.second);
        painter.end();
        int wrong = 0;
        for (int i = 0; i < 36 * 26; ++i) {
            uint32_t expected = kBackground.value() & 0xFFFFFFu;
            for (const auto& draw : row.draws)
                if (draw.second.contains(Point(i % 36, i / 36)))
                    expected = blendedRgb(row.image, draw.first, draw.second, i % 36, i / 36, expected);
            wrong += rgbDistance(expected, rgbAt(surface, i % 36, i / 36)) > 1 ? 1 : 0;
        }
        EXPECT_EQ(0, wrong) << row.name;
    }
}

TEST_F(ImageCaching, ChangedPixelsShowAndLargeScalesDrawInBands)
{
    BitmapSurface surface(600, 600);
    Image image = pattern(4, 4, 255, false);
    const Image holder = image, two = pattern(2, 2, 255, false);
    Painter painter(&surface);
    painter.drawImage(image, 4, 4);
    // Through another holder and straight into the pixels: both show.
    std::memset(holder.bits(), 7, 3);
    image.setPixel(1, 0, Color(0, 255, 9));
    painter.drawImage(image, 4, 4);
    painter.drawImage(two, Rect(0, 10, 600, 590)); // 354,000 pixels: two bands
    painter.end();
    EXPECT_EQ(0x070707u, rgbAt(surface, 4, 4));
    EXPECT_EQ(0x00FF09u, rgbAt(surface, 5, 4));
    EXPECT_EQ(two.pixel(1, 1).value() & 0xFFFFFFu, rgbAt(surface, 300, 599));
}

// GetGuiResources counts nothing under Wine; each entry owns one bitmap.
TEST_F(ImageCaching, KeepsOnlyHeldImagesWithinItsBudget)
{
    GdiImageCache cache;
    BitmapSurface surface(4, 4);
    const Rect part(0, 0, 2, 2);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(cache.draw(surface.hdc(), pattern(4, 4 + i, kVarying, false), part, part, true));
    cache.releaseUnused();
    EXPECT_EQ(0, cache.count()) << "freed images";
    // Twenty of the largest images kept, all held: the budget has room for eight.
    std::vector<Image> held;
    for (int i = 0; i < 20; ++i) {
        held.push_back(Image(512, 512, true));
        EXPECT_TRUE(cache.draw(surface.hdc(), held.back(), part, part, true));
    }
    EXPECT_EQ(8, cache.count());
    EXPECT_LE(cache.usedBytes(), GdiImageCache::kBudgetBytes);
    held.erase(held.begin(), held.end() - 3);
    cache.releaseUnused();
    EXPECT_EQ(3, cache.count()) << "the three still held and most recently used";
}

} // namespace
