#include "graphics/paint/BitmapSurface.h"

#include <cstring>
#include <vector>

// The native build keeps the pixels in memory only: there is no device
// context, so nothing draws on it through a Painter, but code that composes
// surfaces by their pixels runs and can be tested.
struct BitmapSurfaceData
{
    int width = 0;
    int height = 0;
    bool painting = false;
    std::vector<uint8_t> pixels;
    Color fillColor;
};

BitmapSurface::BitmapSurface(int width, int height) : m_data(new BitmapSurfaceData())
{
    resize(width, height);
}

BitmapSurface::BitmapSurface(const Image& image) : m_data(new BitmapSurfaceData())
{
    if (!resize(image.width(), image.height()))
        return;
    const Image wide =
        image.bitsPerPixel() == 32
            ? image
            : Image::fromPixels(image.bits(), image.width(), image.height(), false, image.byteSize());
    copyBits(wide.bits(), static_cast<size_t>(wide.byteSize()));
}

BitmapSurface::~BitmapSurface() = default;

HDC__* BitmapSurface::hdc() const
{
    return nullptr;
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
    return m_data->pixels.empty() ? nullptr : m_data->pixels.data();
}

int BitmapSurface::bitsPerPixel() const
{
    return hasBits() ? 32 : 0;
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
    return 0;
}

int BitmapSurface::dpiY() const
{
    return 0;
}

bool BitmapSurface::resize(int width, int height)
{
    BitmapSurfaceData& data = *m_data;
    if (width < 1 || height < 1 || (width == data.width && height == data.height))
        return false;
    if (!Image::isSizeAllowed(width, height, true))
        return false;
    data.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
    data.width = width;
    data.height = height;
    if (!data.fillColor.isTranslucent())
        fill(data.fillColor);
    return true;
}

void BitmapSurface::fill(const Color& color)
{
    // Opaque colours as GDI would write them: alpha 0.
    const uint32_t value = color.isTranslucent() ? color.value() : (color.value() & 0x00FFFFFFu);
    std::vector<uint8_t>& pixels = m_data->pixels;
    for (size_t i = 0; i + 4 <= pixels.size(); i += 4)
        std::memcpy(pixels.data() + i, &value, 4);
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
    std::vector<uint8_t>& pixels = m_data->pixels;
    if (pixels.empty() || !source)
        return;
    std::memcpy(pixels.data(), source, byteCount < pixels.size() ? byteCount : pixels.size());
}

bool BitmapSurface::hasBits() const
{
    return !m_data->pixels.empty();
}

Image BitmapSurface::toImage(bool keepAlpha) const
{
    if (!hasBits())
        return Image::empty();
    Image image(m_data->pixels.data(), m_data->width, m_data->height, true);
    if (!keepAlpha)
        image.setAlpha(255, Rect());
    return image;
}
