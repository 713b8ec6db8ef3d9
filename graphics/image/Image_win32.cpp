#include "graphics/image/Image.h"

#include <windows.h>

#include <cstring>

namespace {

// A 32-bit top-down DIB section of the given size; its bits start zeroed.
HBITMAP createDibSection(HDC dc, int width, int height, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// The size of a bitmap handle, read as a BITMAP or a DIBSECTION.
bool bitmapSize(HBITMAP bitmap, int& width, int& height)
{
    DIBSECTION section = {};
    int answer = GetObjectW(bitmap, sizeof(section), &section);
    if (answer != sizeof(BITMAP) && answer != sizeof(DIBSECTION))
        return false;
    width = section.dsBm.bmWidth;
    height = section.dsBm.bmHeight;
    return true;
}

// The picture size of an icon or cursor: its colour bitmap, or for a
// monochrome one its mask, which holds the AND and XOR halves one above the
// other.
bool iconSize(const ICONINFO& info, int& width, int& height)
{
    if (info.hbmColor)
        return bitmapSize(info.hbmColor, width, height);
    if (!info.hbmMask || !bitmapSize(info.hbmMask, width, height))
        return false;
    height /= 2;
    return true;
}

void deleteIconBitmaps(ICONINFO& info)
{
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
}

// A memory device context with a 32-bit DIB section selected into it, for
// drawing icons and reading the pixels back.
class DibCanvas
{
public:
    DibCanvas(int width, int height) : m_width(width), m_height(height)
    {
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = createDibSection(screen, width, height, &m_bits);
        ReleaseDC(nullptr, screen);
        if (m_dc && m_bitmap)
            m_old = SelectObject(m_dc, m_bitmap);
    }

    ~DibCanvas()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
        if (m_bitmap)
            DeleteObject(m_bitmap);
        if (m_dc)
            DeleteDC(m_dc);
    }

    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool isValid() const { return m_old != nullptr && m_bits != nullptr; }
    HDC dc() const { return m_dc; }

    void fill(HBRUSH brush)
    {
        RECT area = {0, 0, m_width, m_height};
        FillRect(m_dc, &area, brush);
    }

    Image toImage()
    {
        GdiFlush();
        return Image(static_cast<const uint8_t*>(m_bits), m_width, m_height, true);
    }

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};

// Where an icon has no alpha channel, its mask says which pixels show.
void applyIconMask(Image& image, const Image& mask)
{
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.scanLine(y);
        const uint8_t* m = mask.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 4, m += 4) {
            if (m[2] == 0)
                p[3] = 255;
            else
                std::memset(p, 0, 4);
        }
    }
}

// Rebuilds colour and alpha of one pixel from the cursor drawn over black (k)
// and over white (w).
void unblendPixel(const uint8_t* k, const uint8_t* w, uint8_t* out)
{
    if (k[0] == w[0] && k[1] == w[1] && k[2] == w[2]) {
        std::memcpy(out, k, 3);
        out[3] = 255;
        return;
    }
    std::memset(out, 0, 4);
    bool overBlack = k[0] == 0 && k[1] == 0 && k[2] == 0;
    if (overBlack && w[0] == 255 && w[1] == 255 && w[2] == 255)
        return;
    float alpha = 1.0f - (static_cast<float>(w[2]) - static_cast<float>(k[2])) / 255.0f;
    if (!(alpha > 1e-6f))
        return;
    for (int c = 0; c < 3; ++c) {
        float value = k[c] / 255.0f / alpha;
        value = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
        out[c] = static_cast<uint8_t>(value * 255.0f);
    }
    out[3] = static_cast<uint8_t>((alpha > 1.0f ? 1.0f : alpha) * 255.0f);
}

HICON makeIcon(const Image& image, bool isIcon, int hotSpotX, int hotSpotY)
{
    HDC screen = GetDC(nullptr);
    void* colorBits = nullptr;
    void* maskBits = nullptr;
    HBITMAP color = createDibSection(screen, image.width(), image.height(), &colorBits);
    HBITMAP mask = createDibSection(screen, image.width(), image.height(), &maskBits);
    ReleaseDC(nullptr, screen);
    HICON icon = nullptr;
    if (color && mask && colorBits) {
        uint8_t* pixels = static_cast<uint8_t*>(colorBits);
        std::memcpy(pixels, image.bits(), static_cast<size_t>(image.byteSize()));
        // A first pixel of alpha 0 becomes black with alpha 1, so the system
        // never takes the whole picture for one without an alpha channel.
        if (pixels[3] == 0) {
            std::memset(pixels, 0, 3);
            pixels[3] = 1;
        }
        ICONINFO info = {};
        info.fIcon = isIcon ? TRUE : FALSE;
        info.xHotspot = static_cast<DWORD>(hotSpotX);
        info.yHotspot = static_cast<DWORD>(hotSpotY);
        info.hbmColor = color;
        info.hbmMask = mask;
        icon = CreateIconIndirect(&info);
    }
    if (color)
        DeleteObject(color);
    if (mask)
        DeleteObject(mask);
    return icon;
}

} // namespace

Image Image::fromBitmapHandle(HBITMAP bitmap, bool withAlpha)
{
    int width = 0;
    int height = 0;
    if (!bitmap || !bitmapSize(bitmap, width, height))
        return Image();
    height = height < 0 ? -height : height;
    Image image(width, height, withAlpha);
    if (image.isNull())
        return image;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(image.bitsPerPixel());
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), image.bits(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != height)
        return Image();
    return image;
}

Image Image::fromIconHandle(HICON icon)
{
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info))
        return Image();
    int width = 0;
    int height = 0;
    bool sized = iconSize(info, width, height) && isSizeAllowed(width, height, true);
    deleteIconBitmaps(info);
    if (!sized)
        return Image();
    DibCanvas canvas(width, height);
    if (!canvas.isValid() || !DrawIconEx(canvas.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL))
        return Image();
    Image image = canvas.toImage();
    if (image.hasVisiblePixels())
        return image;
    if (!DrawIconEx(canvas.dc(), 0, 0, icon, width, height, 0, nullptr, DI_MASK))
        return Image();
    applyIconMask(image, canvas.toImage());
    return image;
}

Image Image::fromIconHandle(HICON icon, int* hotSpotX, int* hotSpotY)
{
    Image image = fromIconHandle(icon);
    ICONINFO info = {};
    if (image.isNull() || !GetIconInfo(icon, &info))
        return image;
    if (hotSpotX)
        *hotSpotX = static_cast<int>(info.xHotspot);
    if (hotSpotY)
        *hotSpotY = static_cast<int>(info.yHotspot);
    deleteIconBitmaps(info);
    return image;
}

HBITMAP Image::toBitmapHandle() const
{
    if (isNull())
        return nullptr;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = createDibSection(screen, m_width, m_height, &bits);
    ReleaseDC(nullptr, screen);
    if (!bitmap || !bits)
        return nullptr;
    uint8_t* target = static_cast<uint8_t*>(bits);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const uint32_t value = pixel(x, y).value();
            std::memcpy(target + (static_cast<size_t>(y) * m_width + x) * 4, &value, 4);
        }
    }
    return bitmap;
}

Image Image::fromCursorHandle(HICON cursor, int* hotSpotX, int* hotSpotY)
{
    ICONINFO info = {};
    if (!cursor || !GetIconInfo(cursor, &info))
        return Image();
    int width = 0;
    int height = 0;
    bool usable = !info.fIcon && iconSize(info, width, height) && isSizeAllowed(width, width, true);
    int spotX = static_cast<int>(info.xHotspot);
    int spotY = static_cast<int>(info.yHotspot);
    deleteIconBitmaps(info);
    if (!usable)
        return Image();
    // Cursors are square: the width gives both sides.
    int side = width;
    DibCanvas canvas(side, side);
    if (!canvas.isValid())
        return Image();
    canvas.fill(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawIconEx(canvas.dc(), 0, 0, cursor, side, side, 0, nullptr, DI_NORMAL);
    Image overBlack = canvas.toImage();
    canvas.fill(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(canvas.dc(), 0, 0, cursor, side, side, 0, nullptr, DI_NORMAL);
    Image overWhite = canvas.toImage();
    Image image(side, side, true);
    for (int i = 0; i < image.pixelCount(); ++i)
        unblendPixel(overBlack.bits() + i * 4, overWhite.bits() + i * 4, image.bits() + i * 4);
    if (hotSpotX)
        *hotSpotX = spotX;
    if (hotSpotY)
        *hotSpotY = spotY;
    return image;
}

HICON Image::toIcon() const
{
    if (!m_hasAlpha || m_width != m_height)
        return nullptr;
    return makeIcon(*this, true, m_width / 2, m_height / 2);
}

HICON Image::toCursor(int hotSpotX, int hotSpotY) const
{
    if (!m_hasAlpha)
        return nullptr;
    if (m_width != GetSystemMetrics(SM_CXCURSOR) || m_height != GetSystemMetrics(SM_CYCURSOR))
        return nullptr;
    if (hotSpotX < 0 || hotSpotX >= m_width || hotSpotY < 0 || hotSpotY >= m_height)
        return nullptr;
    return makeIcon(*this, false, hotSpotX, hotSpotY);
}
