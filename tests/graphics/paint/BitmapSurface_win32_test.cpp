#include "graphics/paint/BitmapSurface.h"

#include "tests/support/SurfacePixels.h"

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

TEST(BitmapSurface, ResizeReplacesThePixelsOnlyWhenItShould)
{
    BitmapSurface surface(4, 4);
    surface.fill(Color(0x80102030u));
    EXPECT_FALSE(surface.resize(4, 4));
    EXPECT_EQ(0x80102030u, rawAt(surface, 3, 3)) << "the same size keeps the pixels";
    EXPECT_FALSE(surface.resize(0, 10) || surface.resize(10, -1) || surface.resize(40000, 40000));
    EXPECT_EQ(Size(4, 4), surface.size());
    EXPECT_EQ(0x80102030u, rawAt(surface, 0, 0)) << "a refused size keeps the old pixels";

    surface.setFillColor(Color(255, 0, 0));
    ASSERT_TRUE(surface.resize(6, 2));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(0xFF0000u, rgbAt(surface, i % 6, i / 6)) << "an opaque fill colour fills every new pixel";

    surface.setFillColor(Color(0x7F00FF00u));
    ASSERT_TRUE(surface.resize(3, 3));
    EXPECT_TRUE(allBytesZero(surface)) << "a translucent fill colour is not applied on resize";
    surface.fill(Color(0x40FF8000u));
    EXPECT_EQ(0x40FF8000u, rawAt(surface, 2, 1)) << "fill writes translucent colours raw, not premultiplied";
}

TEST(BitmapSurface, ImagesInAndOut)
{
    Image image(3, 2, true);
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3,
                       Color(7, uint8_t(40 * (i % 3) + 1), uint8_t(100 + i % 3), uint8_t(50 * (i / 3))));
    BitmapSurface fromImage(image);
    ASSERT_EQ(Size(3, 2), fromImage.size());
    EXPECT_EQ(image.pixel(2, 1).value(), rawAt(fromImage, 2, 1));

    const Image kept = fromImage.toImage(true);
    ASSERT_EQ(32, kept.bitsPerPixel());
    EXPECT_EQ(image.pixel(1, 1), kept.pixel(1, 1));
    EXPECT_EQ(image.pixel(1, 1).value() | 0xFF000000u, fromImage.toImage(false).pixel(1, 1).value());
    EXPECT_EQ(7, fromImage.toImage(true).pixel(0, 0).alpha()) << "the surface itself was not changed";

    Image rgb(3, 1, false);
    rgb.setPixel(0, 0, Color(10, 20, 30));
    rgb.setPixel(2, 0, Color(200, 100, 50));
    BitmapSurface fromRgb(rgb);
    EXPECT_EQ(0xFFC86432u, rawAt(fromRgb, 2, 0)) << "24-bit rows are widened, not copied as they lie";
    EXPECT_EQ(0xFF0A141Eu, rawAt(fromRgb, 0, 0));

    EXPECT_TRUE(BitmapSurface(Image()).toImage(true).isNull());
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
    bool inked = false;
    for (int i = 0; i < 60 * 20; ++i) {
        const int x = i % 60, y = i / 60;
        inked = inked || opaque.pixel(x, y).red() > 0;
        ASSERT_EQ(255, opaque.pixel(x, y).alpha()) << x << "," << y;
        ASSERT_EQ(rawAt(surface, x, y), raw.pixel(x, y).value()) << "keeping alpha keeps every byte, " << i;
    }
    EXPECT_TRUE(inked);
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
    BitmapSurface(0, 0).copyBits(source.data(), source.size());
}
