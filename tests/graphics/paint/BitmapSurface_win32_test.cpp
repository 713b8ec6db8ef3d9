#include "graphics/paint/BitmapSurface.h"

#include "SurfacePixels.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t rawAt(const BitmapSurface& surface, int x, int y)
{
    uint32_t value = 0;
    std::memcpy(&value, surface.bits() + (static_cast<size_t>(y) * surface.width() + x) * 4, 4);
    return value;
}

bool allBytesZero(const BitmapSurface& surface)
{
    const size_t size = static_cast<size_t>(surface.width()) * surface.height() * 4;
    for (size_t i = 0; i < size; ++i) {
        if (surface.bits()[i] != 0)
            return false;
    }
    return true;
}

} // namespace

TEST(BitmapSurface, AllocationAndGeometry)
{
    BitmapSurface none(0, 0);
    EXPECT_FALSE(none.hasBits());
    EXPECT_EQ(nullptr, none.hdc());
    EXPECT_EQ(nullptr, none.bits());
    EXPECT_EQ(0, none.bitsPerPixel());
    EXPECT_EQ(Rect(), none.rect());

    BitmapSurface surface(5, 3);
    ASSERT_TRUE(surface.hasBits());
    EXPECT_NE(nullptr, surface.hdc());
    EXPECT_EQ(Size(5, 3), surface.size());
    EXPECT_EQ(Rect(0, 0, 5, 3), surface.rect());
    EXPECT_EQ(32, surface.bitsPerPixel()) << "the pixels are always 32-bit, whatever the screen";
    EXPECT_GT(surface.dpiX(), 0);
    EXPECT_GT(surface.dpiY(), 0);
    EXPECT_TRUE(allBytesZero(surface)) << "the default fill colour is clear, so nothing is filled";
    EXPECT_FALSE(surface.isPainting());
}

TEST(BitmapSurface, ResizeReplacesThePixelsOnlyWhenItShould)
{
    BitmapSurface surface(4, 4);
    surface.fill(Color(0x80102030u));
    EXPECT_FALSE(surface.resize(4, 4));
    EXPECT_EQ(0x80102030u, rawAt(surface, 3, 3)) << "the same size keeps the pixels";
    EXPECT_FALSE(surface.resize(0, 10));
    EXPECT_FALSE(surface.resize(10, -1));
    EXPECT_FALSE(surface.resize(40000, 40000)) << "beyond the image limits";
    EXPECT_EQ(Size(4, 4), surface.size());
    EXPECT_EQ(0x80102030u, rawAt(surface, 0, 0)) << "a refused size keeps the old pixels";

    surface.setFillColor(Color(255, 0, 0));
    EXPECT_EQ(Color(255, 0, 0), surface.fillColor());
    ASSERT_TRUE(surface.resize(6, 2));
    EXPECT_EQ(Size(6, 2), surface.size());
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(0x00, surface.bits()[x * 4]);
        EXPECT_EQ(0x00, surface.bits()[x * 4 + 1]);
        EXPECT_EQ(0xFF, surface.bits()[x * 4 + 2]) << "an opaque fill colour fills every new pixel";
    }
    EXPECT_EQ(0xFF0000u, rgbAt(surface, 5, 1));

    surface.setFillColor(Color(0x7F00FF00u));
    ASSERT_TRUE(surface.resize(3, 3));
    EXPECT_TRUE(allBytesZero(surface)) << "a translucent fill colour is not applied on resize";
}

TEST(BitmapSurface, FillWritesTranslucentColoursRaw)
{
    BitmapSurface surface(3, 2);
    surface.fill(Color(0x40FF8000u));
    EXPECT_EQ(0x40FF8000u, rawAt(surface, 2, 1)) << "no premultiplication";
    surface.fill(Color(0, 0, 255));
    EXPECT_EQ(0x0000FFu, rgbAt(surface, 0, 0));
    EXPECT_EQ(0x0000FFu, rgbAt(surface, 2, 1));
}

TEST(BitmapSurface, ImagesInAndOut)
{
    Image image(3, 2, true);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y,
                           Color(7, static_cast<uint8_t>(40 * x + 1), static_cast<uint8_t>(100 + x),
                                 static_cast<uint8_t>(50 * y)));
    }
    BitmapSurface fromImage(image);
    ASSERT_EQ(Size(3, 2), fromImage.size());
    EXPECT_EQ(image.pixel(2, 1).value(), rawAt(fromImage, 2, 1));

    const Image kept = fromImage.toImage(true);
    ASSERT_EQ(32, kept.bitsPerPixel());
    EXPECT_EQ(image.pixel(1, 1), kept.pixel(1, 1));
    const Image opaque = fromImage.toImage(false);
    EXPECT_EQ(255, opaque.pixel(1, 1).alpha());
    EXPECT_EQ(image.pixel(1, 1).red(), opaque.pixel(1, 1).red());
    EXPECT_EQ(7, fromImage.toImage(true).pixel(0, 0).alpha()) << "the surface itself was not changed";

    Image rgb(3, 1, false);
    rgb.setPixel(0, 0, Color(10, 20, 30));
    rgb.setPixel(2, 0, Color(200, 100, 50));
    BitmapSurface fromRgb(rgb);
    EXPECT_EQ(0xFFC86432u, rawAt(fromRgb, 2, 0)) << "24-bit rows are widened, not copied as they lie";
    EXPECT_EQ(0xFF0A141Eu, rawAt(fromRgb, 0, 0));

    BitmapSurface fromEmpty((Image()));
    EXPECT_FALSE(fromEmpty.hasBits());
    EXPECT_TRUE(fromEmpty.toImage(true).isNull());
}

TEST(BitmapSurface, TextDrawnWithGdiIsMadeOpaqueOnRequest)
{
    BitmapSurface surface(60, 20);
    surface.fill(Color(0x00000000u));
    SetTextColor(surface.hdc(), RGB(255, 255, 255));
    SetBkMode(surface.hdc(), TRANSPARENT);
    TextOutW(surface.hdc(), 2, 2, L"Wine", 4);
    const Image opaque = surface.toImage(false);
    const Image raw = surface.toImage(true);
    bool allOpaque = true;
    bool inked = false;
    bool rawMatches = true;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            allOpaque = allOpaque && opaque.pixel(x, y).alpha() == 255;
            inked = inked || opaque.pixel(x, y).red() > 0;
            rawMatches = rawMatches && raw.pixel(x, y).value() == rawAt(surface, x, y);
        }
    }
    EXPECT_TRUE(inked);
    EXPECT_TRUE(allOpaque);
    EXPECT_TRUE(rawMatches) << "keeping alpha keeps every byte as it is";
}

TEST(BitmapSurface, CopyBitsStopsAtTheEndOfThePixels)
{
    BitmapSurface surface(3, 1);
    // Far more than the 12 bytes of pixels: a copy that did not stop would
    // run off the section's memory.
    std::vector<uint8_t> source(1 << 20, 0xAB);
    for (int i = 0; i < 12; ++i)
        source[i] = static_cast<uint8_t>(i + 1);
    surface.copyBits(source.data(), source.size());
    EXPECT_EQ(0x04030201u, rawAt(surface, 0, 0));
    EXPECT_EQ(0x0C0B0A09u, rawAt(surface, 2, 0));

    surface.copyBits(source.data() + 12, 4);
    EXPECT_EQ(0xABABABABu, rawAt(surface, 0, 0));
    EXPECT_EQ(0x08070605u, rawAt(surface, 1, 0)) << "a short copy changes only its bytes";
    surface.copyBits(nullptr, 12);

    BitmapSurface none(0, 0);
    none.copyBits(source.data(), source.size());
    EXPECT_FALSE(none.hasBits());
}
