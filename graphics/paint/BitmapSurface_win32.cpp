#include "graphics/paint/BitmapSurface.h"

#include <windows.h>

#include <cstring>

struct BitmapSurfaceData
{
    int width = 0;
    int height = 0;
    bool painting = false;
    uint8_t* bits = nullptr;
    Color fillColor;
    HDC hdc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
};

namespace {

constexpr int kBitsPerPixel = 32;

HBITMAP createTopDownDib(int width, int height, uint8_t** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (screen)
        ReleaseDC(nullptr, screen);
    if (bitmap && !pixels) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    *bits = bitmap ? static_cast<uint8_t*>(pixels) : nullptr;
    return bitmap;
}

size_t byteSizeOf(const BitmapSurfaceData& data)
{
    return static_cast<size_t>(data.width) * static_cast<size_t>(data.height) * 4;
}

} // namespace

BitmapSurface::BitmapSurface(int width, int height) : m_data(new BitmapSurfaceData())
{
    resize(width, height);
}

BitmapSurface::BitmapSurface(const Image& image) : m_data(new BitmapSurfaceData())
{
    if (!resize(image.width(), image.height()))
        return;
    if (image.bitsPerPixel() == kBitsPerPixel) {
        copyBits(image.bits(), static_cast<size_t>(image.byteSize()));
        return;
    }
    const Image wide =
        Image::fromPixels(image.bits(), image.width(), image.height(), false, image.byteSize());
    copyBits(wide.bits(), static_cast<size_t>(wide.byteSize()));
}

BitmapSurface::~BitmapSurface()
{
    BitmapSurfaceData& data = *m_data;
    if (!data.hdc)
        return;
    if (data.bitmap) {
        SelectObject(data.hdc, data.previousBitmap);
        DeleteObject(data.bitmap);
    }
    DeleteDC(data.hdc);
}

HDC__* BitmapSurface::hdc() const
{
    return m_data->hdc;
}

void BitmapSurface::setPainting(bool painting)
{
    m_data->painting = painting;
}

bool BitmapSurface::isPainting() const
{
    return m_data->painting;
}

uint8_t* BitmapSurface::bits() const
{
    return m_data->bits;
}

int BitmapSurface::bitsPerPixel() const
{
    return m_data->bits ? kBitsPerPixel : 0;
}

int BitmapSurface::width() const
{
    return m_data->width;
}

int BitmapSurface::height() const
{
    return m_data->height;
}

int BitmapSurface::dpiX() const
{
    return m_data->hdc ? GetDeviceCaps(m_data->hdc, LOGPIXELSX) : 0;
}

int BitmapSurface::dpiY() const
{
    return m_data->hdc ? GetDeviceCaps(m_data->hdc, LOGPIXELSY) : 0;
}

bool BitmapSurface::resize(int width, int height)
{
    BitmapSurfaceData& data = *m_data;
    if (width < 1 || height < 1 || (width == data.width && height == data.height))
        return false;
    if (!Image::isSizeAllowed(width, height, true))
        return false;
    if (!data.hdc) {
        data.hdc = CreateCompatibleDC(nullptr);
        if (!data.hdc)
            return false;
        SetGraphicsMode(data.hdc, GM_ADVANCED);
    }
    // The new section first: when it cannot be had, the old pixels stay.
    uint8_t* bits = nullptr;
    HBITMAP bitmap = createTopDownDib(width, height, &bits);
    if (!bitmap)
        return false;
    HGDIOBJ replaced = SelectObject(data.hdc, bitmap);
    if (data.bitmap)
        DeleteObject(data.bitmap);
    else
        data.previousBitmap = replaced;
    data.bitmap = bitmap;
    data.bits = bits;
    data.width = width;
    data.height = height;
    SelectClipRgn(data.hdc, nullptr);
    if (!data.fillColor.isTranslucent())
        fill(data.fillColor);
    return true;
}

void BitmapSurface::fill(const Color& color)
{
    BitmapSurfaceData& data = *m_data;
    if (!data.bits)
        return;
    if (color.isTranslucent()) {
        GdiFlush();
        const uint32_t value = color.value();
        const size_t count = static_cast<size_t>(data.width) * static_cast<size_t>(data.height);
        for (size_t i = 0; i < count; ++i)
            std::memcpy(data.bits + i * 4, &value, 4);
        return;
    }
    const COLORREF previous = SetBkColor(data.hdc, RGB(color.red(), color.green(), color.blue()));
    const RECT area = {0, 0, data.width, data.height};
    ExtTextOutW(data.hdc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(data.hdc, previous);
}

void BitmapSurface::setFillColor(const Color& color)
{
    m_data->fillColor = color;
}

const Color& BitmapSurface::fillColor() const
{
    return m_data->fillColor;
}

void BitmapSurface::copyBits(const void* source, size_t byteCount)
{
    if (!m_data->bits || !source)
        return;
    const size_t limit = byteSizeOf(*m_data);
    GdiFlush();
    std::memcpy(m_data->bits, source, byteCount < limit ? byteCount : limit);
}

bool BitmapSurface::hasBits() const
{
    return m_data->bits != nullptr;
}

Image BitmapSurface::toImage(bool keepAlpha) const
{
    if (!m_data->bits)
        return Image::empty();
    GdiFlush();
    Image image(m_data->bits, m_data->width, m_data->height, true);
    if (!keepAlpha)
        image.setAlpha(255, Rect());
    return image;
}
