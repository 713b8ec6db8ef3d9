#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// A 32-bit DIB section holding the image's rows; top-down unless bottomUp.
HBITMAP dibFrom(const Image& image, bool bottomUp)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = bottomUp ? image.height() : -image.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    for (int y = 0; y < image.height(); ++y) {
        int row = bottomUp ? image.height() - 1 - y : y;
        std::memcpy(static_cast<uint8_t*>(bits) + row * image.width() * 4, image.scanLine(y),
                    static_cast<size_t>(image.width()) * 4);
    }
    return bitmap;
}

// Opaque colours on a transparent frame one pixel wide.
Image framedImage(int side)
{
    Image image(side, side, true);
    image.fill(Color());
    for (int y = 1; y < side - 1; ++y) {
        for (int x = 1; x < side - 1; ++x)
            image.setPixel(x, y, Color(255, static_cast<uint8_t>(x * 8), static_cast<uint8_t>(y * 8), 90));
    }
    return image;
}

int channelDistance(const Color& a, const Color& b)
{
    int worst = std::abs(a.red() - b.red());
    worst = std::max(worst, std::abs(a.green() - b.green()));
    worst = std::max(worst, std::abs(a.blue() - b.blue()));
    return std::max(worst, std::abs(a.alpha() - b.alpha()));
}

} // namespace

TEST(ImageHandles, FromBitmapHandleReadsTopRowFirst)
{
    Image image(3, 2, true);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, Color(static_cast<uint8_t>(200 + x), static_cast<uint8_t>(10 * y), 20, 30));
    }
    for (bool bottomUp : {false, true}) {
        HBITMAP bitmap = dibFrom(image, bottomUp);
        ASSERT_NE(bitmap, nullptr);
        Image withAlpha = Image::fromBitmapHandle(bitmap, true);
        ASSERT_FALSE(withAlpha.isNull());
        EXPECT_EQ(std::memcmp(withAlpha.bits(), image.bits(), 24), 0) << bottomUp;

        Image rgb = Image::fromBitmapHandle(bitmap, false);
        ASSERT_FALSE(rgb.isNull());
        EXPECT_EQ(rgb.bitsPerPixel(), 24);
        EXPECT_EQ(rgb.stride(), 12);
        EXPECT_EQ(rgb.pixel(2, 1).value(), 0xFF0A141Eu);
        DeleteObject(bitmap);
    }

    EXPECT_TRUE(Image::fromBitmapHandle(nullptr, true).isNull());
    // A handle that is no bitmap.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_TRUE(Image::fromBitmapHandle(reinterpret_cast<HBITMAP>(brush), true).isNull());
    DeleteObject(brush);
}

TEST(ImageHandles, IconsRoundTrip)
{
    for (int side : {16, 15, 32}) {
        Image image = framedImage(side);
        HICON icon = image.toIcon();
        ASSERT_NE(icon, nullptr) << side;
        Image back = Image::fromIconHandle(icon);
        DestroyIcon(icon);
        // The size comes from the icon's own bitmap, so odd sides survive.
        ASSERT_EQ(back.width(), side);
        ASSERT_EQ(back.height(), side);
        EXPECT_EQ(back.pixel(side / 2, side / 2).value(), image.pixel(side / 2, side / 2).value());
        EXPECT_EQ(back.pixel(1, side - 2).value(), image.pixel(1, side - 2).value());
        EXPECT_EQ(back.alphaAt(side - 1, 3), 0);
        // The first pixel was transparent and is stored as black with alpha 1.
        EXPECT_LE(back.alphaAt(0, 0), 1);
        EXPECT_EQ(back.pixel(0, 0).value() & 0xFFFFFF, 0u);
    }
}

TEST(ImageHandles, IconsNeedASquare32BitImage)
{
    EXPECT_EQ(Image(16, 15, true).toIcon(), nullptr);
    EXPECT_EQ(Image().toIcon(), nullptr);
    Image rgb(16, 16, false);
    rgb.fill(Color(1, 2, 3));
    EXPECT_EQ(rgb.toIcon(), nullptr);
    EXPECT_TRUE(Image::fromIconHandle(nullptr).isNull());
}

TEST(ImageHandles, IconWithoutAlphaUsesItsMask)
{
    const int side = 16;
    // Colour: opaque-looking pixels of alpha 0 everywhere; mask: the left half
    // shows (bit 0), the right half is transparent (bit 1).
    Image colour(side, side, true);
    colour.fill(Color(0xFF336699));
    colour.setAlpha(0, Rect());
    HBITMAP colourBitmap = dibFrom(colour, false);
    uint8_t maskBits[side * 2];
    for (int row = 0; row < side; ++row) {
        maskBits[row * 2] = 0x00;
        maskBits[row * 2 + 1] = 0xFF;
    }
    HBITMAP maskBitmap = CreateBitmap(side, side, 1, 1, maskBits);
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = colourBitmap;
    info.hbmMask = maskBitmap;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colourBitmap);
    DeleteObject(maskBitmap);
    ASSERT_NE(icon, nullptr);

    Image image = Image::fromIconHandle(icon);
    DestroyIcon(icon);
    ASSERT_EQ(image.width(), side);
    EXPECT_EQ(image.pixel(2, 5).value(), 0xFF336699u);
    EXPECT_EQ(image.pixel(7, 15).value(), 0xFF336699u);
    EXPECT_EQ(image.pixel(8, 5).value(), 0u);
    EXPECT_EQ(image.pixel(15, 0).value(), 0u);
}

TEST(ImageHandles, CursorsRoundTripWithTheirHotSpot)
{
    int side = GetSystemMetrics(SM_CXCURSOR);
    ASSERT_EQ(side, GetSystemMetrics(SM_CYCURSOR));
    Image image = framedImage(side);
    image.setPixel(5, 6, Color(128, 200, 100, 50));

    EXPECT_EQ(image.toCursor(side, 0), nullptr);
    EXPECT_EQ(image.toCursor(-1, 0), nullptr);
    EXPECT_EQ(image.toCursor(0, side), nullptr);
    EXPECT_EQ(framedImage(side + 1).toCursor(0, 0), nullptr);

    HICON cursor = image.toCursor(3, 4);
    ASSERT_NE(cursor, nullptr);
    int x = -1;
    int y = -1;
    Image back = Image::fromCursorHandle(cursor, &x, &y);
    DestroyCursor(cursor);
    ASSERT_EQ(back.width(), side);
    ASSERT_EQ(back.height(), side);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    EXPECT_EQ(back.pixel(10, 12).value(), image.pixel(10, 12).value());
    EXPECT_EQ(back.pixel(side - 1, side - 1).value(), 0u);
    // A translucent pixel is rebuilt from the two renderings within rounding.
    EXPECT_LE(channelDistance(back.pixel(5, 6), image.pixel(5, 6)), 3);

    // An icon is not a cursor.
    HICON icon = framedImage(16).toIcon();
    EXPECT_TRUE(Image::fromCursorHandle(icon, nullptr, nullptr).isNull());
    DestroyIcon(icon);
}
