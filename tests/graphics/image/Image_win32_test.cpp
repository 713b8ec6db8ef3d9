#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <tuple>

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
    for (int i = 0; i < side * side; ++i) {
        const int x = i % side, y = i / side;
        if (x > 0 && y > 0 && x < side - 1 && y < side - 1)
            image.setPixel(x, y, Color(255, uint8_t(x * 8), uint8_t(y * 8), 90));
    }
    return image;
}

int channelDistance(const Color& a, const Color& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
}

} // namespace

TEST(ImageHandles, FromBitmapHandleReadsTopRowFirst)
{
    Image image(3, 2, true);
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, Color(uint8_t(200 + i % 3), uint8_t(10 * (i / 3)), 20, 30));
    for (bool bottomUp : {false, true}) {
        HBITMAP bitmap = dibFrom(image, bottomUp);
        const Image withAlpha = Image::fromBitmapHandle(bitmap, true),
                    rgb = Image::fromBitmapHandle(bitmap, false);
        DeleteObject(bitmap);
        ASSERT_FALSE(withAlpha.isNull() || rgb.isNull()) << bottomUp;
        EXPECT_EQ(0, std::memcmp(withAlpha.bits(), image.bits(), 24)) << bottomUp;
        EXPECT_EQ(std::make_tuple(24, 12, 0xFF0A141Eu),
                  std::make_tuple(rgb.bitsPerPixel(), rgb.stride(), rgb.pixel(2, 1).value()));
    }
    // Nothing, and a handle that is no bitmap.
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_TRUE(Image::fromBitmapHandle(nullptr, true).isNull() &&
                Image::fromBitmapHandle(reinterpret_cast<HBITMAP>(brush), true).isNull());
    DeleteObject(brush);
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
    for (int i = 0; i < side * 2; ++i)
        maskBits[i] = i % 2 ? 0xFF : 0x00;
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
    for (int x = 0; x < side; ++x)
        EXPECT_EQ(x < 8 ? 0xFF336699u : 0u, image.pixel(x, x % 5).value()) << x;
}

TEST(ImageHandles, CursorsRoundTripWithTheirHotSpot)
{
    int side = GetSystemMetrics(SM_CXCURSOR);
    ASSERT_EQ(side, GetSystemMetrics(SM_CYCURSOR));
    Image image = framedImage(side);
    image.setPixel(5, 6, Color(128, 200, 100, 50));

    // The hot spot must lie inside, the image have the system's cursor size.
    EXPECT_FALSE(image.toCursor(side, 0) || image.toCursor(-1, 0) || image.toCursor(0, side) ||
                 framedImage(side + 1).toCursor(0, 0));

    HICON cursor = image.toCursor(3, 4);
    ASSERT_NE(cursor, nullptr);
    int x = -1, y = -1;
    Image back = Image::fromCursorHandle(cursor, &x, &y);
    DestroyCursor(cursor);
    ASSERT_EQ(Size(side, side), back.size()) << "drawn at the cursor's own size";
    EXPECT_EQ(Point(3, 4), Point(x, y));
    EXPECT_EQ(back.pixel(10, 12).value(), image.pixel(10, 12).value());
    EXPECT_EQ(back.pixel(side - 1, side - 1).value(), 0u);
    // A translucent pixel is rebuilt from the two renderings within rounding.
    EXPECT_LE(channelDistance(back.pixel(5, 6), image.pixel(5, 6)), 3);

    // An icon is not a cursor, and needs a square 32-bit image.
    EXPECT_FALSE(Image(16, 15, true).toIcon() || Image().toIcon() || Image(16, 16, false).toIcon());
    HICON icon = framedImage(16).toIcon();
    EXPECT_TRUE(Image::fromCursorHandle(icon, nullptr, nullptr).isNull());
    DestroyIcon(icon);
}
