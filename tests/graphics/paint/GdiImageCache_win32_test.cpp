#include "graphics/paint/GdiImageCache.h"

#include "SurfacePixels.h"

#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"
#include "tests/support/GdiTest.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using ImageCaching = testsupport::GdiTest;

const Color kBackground(200, 100, 50);

enum AlphaKind
{
    Opaque,
    Half,
    Clear,
    Varying,
    NoAlpha
};

// Every pixel its own colour, so a pixel taken from the wrong place shows.
Image pattern(int width, int height, AlphaKind kind, bool premultiplied)
{
    Image image(width, height, kind != NoAlpha);
    const int alphas[] = {255, 128, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int alpha = kind == Varying   ? (x * 70 + y * 40) % 256
                              : kind == NoAlpha ? 255
                                                : alphas[kind];
            image.setPixel(x, y, Color(alpha, 20 * x + 15, 25 * y + 10, (x * y * 37) % 256));
        }
    }
    image.setPremultiplied(premultiplied);
    return image;
}

// What a draw must leave over a pixel: the source pixel at the target
// pixel's top-left corner (GDI+'s choice without smoothing), premultiplied,
// over what was there.
uint32_t blendedRgb(const Image& image, const Rect& source, const Rect& target, int x, int y, uint32_t under)
{
    const Color c = image.pixel(source.x + (x - target.x) * source.width / target.width,
                                source.y + (y - target.y) * source.height / target.height);
    const int alpha = image.hasAlpha() ? c.alpha() : 255;
    uint32_t rgb = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int value = channel(c.value(), shift);
        const int top = image.isPremultiplied() ? value : (value * alpha + 127) / 255;
        rgb |= static_cast<uint32_t>(top + channel(under, shift) * (255 - alpha) / 255) << shift;
    }
    return rgb;
}

struct Draw
{
    Rect source, target;
};

// The nine cells of a 12 x 12 picture cut 4, 4, 4 both ways into 30 x 20.
std::vector<Draw> nineSlice()
{
    const int from[] = {0, 4, 8}, toX[] = {2, 6, 28}, widths[] = {4, 22, 4}, toY[] = {3, 7, 19},
              heights[] = {4, 12, 4};
    std::vector<Draw> draws;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            draws.push_back({Rect(from[column], from[row], 4, 4),
                             Rect(toX[column], toY[row], widths[column], heights[row])});
    }
    return draws;
}

TEST_F(ImageCaching, DrawsEveryAlphaKindAndScaleAsBlendedNearestPixels)
{
    struct Row
    {
        const char* name;
        Image image;
        std::vector<Draw> draws;
    } rows[] = {
        {"opaque", pattern(6, 5, Opaque, false), {{Rect(0, 0, 6, 5), Rect(3, 2, 6, 5)}}},
        {"24-bit", pattern(6, 5, NoAlpha, false), {{Rect(1, 1, 4, 3), Rect(3, 2, 4, 3)}}},
        {"half transparent", pattern(6, 5, Half, false), {{Rect(0, 0, 6, 5), Rect(3, 2, 6, 5)}}},
        {"half, premultiplied", pattern(6, 5, Half, true), {{Rect(0, 0, 6, 5), Rect(3, 2, 6, 5)}}},
        {"fully transparent", pattern(6, 5, Clear, false), {{Rect(0, 0, 6, 5), Rect(3, 2, 6, 5)}}},
        {"varying alpha", pattern(6, 5, Varying, false), {{Rect(0, 0, 6, 5), Rect(3, 2, 6, 5)}}},
        {"scaled up", pattern(5, 3, Varying, false), {{Rect(0, 0, 5, 3), Rect(1, 1, 17, 11)}}},
        {"opaque scaled up", pattern(5, 3, Opaque, false), {{Rect(0, 0, 5, 3), Rect(1, 1, 17, 11)}}},
        {"scaled down", pattern(9, 7, Varying, true), {{Rect(0, 0, 9, 7), Rect(2, 2, 4, 3)}}},
        {"opaque scaled down", pattern(9, 7, NoAlpha, false), {{Rect(1, 0, 8, 7), Rect(2, 2, 3, 5)}}},
        {"nine-slice", pattern(12, 12, Varying, false), nineSlice()},
    };
    for (const Row& row : rows) {
        BitmapSurface surface(36, 26);
        surface.fill(kBackground);
        // Twice each: the second draw comes from the kept bitmap.
        for (int pass = 0; pass < 2; ++pass) {
            Painter painter(&surface);
            for (const Draw& draw : row.draws)
                painter.drawImageRect(row.image, draw.source, draw.target);
            if (pass == 0)
                painter.fillRect(Rect(0, 0, 36, 26), kBackground);
        }
        int wrong = 0;
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                uint32_t expected = kBackground.value() & 0xFFFFFFu;
                for (const Draw& draw : row.draws) {
                    if (draw.target.contains(Point(x, y)))
                        expected = blendedRgb(row.image, draw.source, draw.target, x, y, expected);
                }
                wrong += rgbDistance(expected, rgbAt(surface, x, y)) > 1 ? 1 : 0;
            }
        }
        EXPECT_EQ(0, wrong) << row.name;
    }
}

TEST_F(ImageCaching, ChangedPixelsShowAndFreedImagesLeaveNoGdiObjects)
{
    BitmapSurface surface(8, 8);
    Image image = pattern(4, 4, Opaque, false);
    const Image holder = image;
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 300; ++i) {
        const Image drawn = pattern(4 + i % 5, 4, Varying, false);
        Painter painter(&surface);
        painter.drawImage(drawn, 0, 0);
        painter.drawImage(image, 4, 4);
        // Through another holder and straight into the pixels: both show.
        std::memset(holder.bits(), i % 256, 3);
        image.setPixel(1, 0, Color(0, 255, static_cast<int>(i % 256)));
        painter.drawImage(image, 4, 4);
        painter.end();
        ASSERT_EQ(static_cast<uint32_t>(i % 256) * 0x010101u, rgbAt(surface, 4, 4)) << i;
        ASSERT_EQ(0x00FF00u | static_cast<uint32_t>(i % 256), rgbAt(surface, 5, 4)) << i;
    }
    // The cache's context and the bitmaps of the two images still held.
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 3);
}

} // namespace
