#include "graphics/image/Image.h"

#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "graphics/codecs/ImageCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Bytes of one row: 4 per 32-bit pixel, or 3 per 24-bit pixel rounded up to a
// multiple of 4.
int64_t rowBytes(int64_t width, bool hasAlpha)
{
    if (hasAlpha)
        return width * 4;
    return (width * 3 + 3) / 4 * 4;
}

} // namespace

Image::Image(const Image& other)
{
    share(other);
}

Image& Image::operator=(const Image& other)
{
    if (this == &other)
        return *this;
    release();
    share(other);
    return *this;
}

Image::~Image()
{
    release();
}

Image::Image(int width, int height, bool hasAlpha)
{
    if (!isSizeAllowed(width, height, hasAlpha))
        return;
    setLayout(width, height, hasAlpha);
    m_pixels = new uint8_t[static_cast<size_t>(m_byteSize)];
    m_refCount = new int32_t(1);
}

Image::Image(const uint8_t* data, int width, int height, bool hasAlpha) : Image(width, height, hasAlpha)
{
    if (m_pixels && data)
        std::memcpy(m_pixels, data, static_cast<size_t>(m_byteSize));
}

const Image& Image::empty()
{
    static const Image image;
    return image;
}

bool Image::isSizeAllowed(int64_t width, int64_t height, bool hasAlpha)
{
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return false;
    return rowBytes(width, hasAlpha) * height <= kMaxByteSize;
}

void Image::setLayout(int width, int height, bool hasAlpha)
{
    m_width = width;
    m_height = height;
    m_hasAlpha = hasAlpha;
    m_premultiplied = false;
    m_bytesPerPixel = hasAlpha ? 4 : 3;
    m_bitsPerPixel = m_bytesPerPixel * 8;
    m_stride = static_cast<int>(rowBytes(width, hasAlpha));
    m_rowPadding = m_stride - width * m_bytesPerPixel;
    m_heightBytes = height * m_bytesPerPixel;
    m_pixelCount = width * height;
    m_byteSize = m_stride * height;
}

void Image::release()
{
    if (m_refCount && --*m_refCount == 0) {
        delete[] m_pixels;
        delete m_refCount;
    }
    m_pixels = nullptr;
    m_refCount = nullptr;
    m_width = m_height = 0;
    m_bitsPerPixel = m_bytesPerPixel = 0;
    m_stride = m_rowPadding = m_heightBytes = 0;
    m_pixelCount = m_byteSize = 0;
    m_hasAlpha = false;
    m_premultiplied = false;
}

void Image::share(const Image& other)
{
    m_pixels = other.m_pixels;
    m_refCount = other.m_refCount;
    if (m_refCount)
        ++*m_refCount;
    m_width = other.m_width;
    m_height = other.m_height;
    m_bitsPerPixel = other.m_bitsPerPixel;
    m_bytesPerPixel = other.m_bytesPerPixel;
    m_stride = other.m_stride;
    m_rowPadding = other.m_rowPadding;
    m_heightBytes = other.m_heightBytes;
    m_pixelCount = other.m_pixelCount;
    m_byteSize = other.m_byteSize;
    m_hasAlpha = other.m_hasAlpha;
    m_premultiplied = other.m_premultiplied;
}

Image Image::copy() const
{
    if (isNull())
        return Image();
    Image result(m_pixels, m_width, m_height, m_hasAlpha);
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::fromPixels(const uint8_t* data, int width, int height, bool hasAlpha, int64_t size)
{
    if (!data || width < 1 || height < 1)
        return Image();
    int64_t sourceStride = rowBytes(width, hasAlpha);
    if (size != -1 && size != sourceStride * height)
        return Image();
    Image image(width, height, true);
    if (image.isNull())
        return image;
    if (hasAlpha) {
        std::memcpy(image.m_pixels, data, static_cast<size_t>(image.m_byteSize));
        return image;
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = data + sourceStride * y;
        uint8_t* target = image.scanLine(y);
        for (int x = 0; x < width; ++x, source += 3, target += 4) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
            target[3] = 255;
        }
    }
    return image;
}

Image Image::fromFile(const String& path)
{
    ImageCodec* codec = ImageCodec::forExtension(pathExtension(path));
    if (!codec)
        return Image();
    return codec->loadFromFile(path);
}

Image Image::fromData(const uint8_t* data, int64_t size, const String& extension)
{
    ImageCodec* codec = ImageCodec::forExtension(extension);
    if (!codec)
        return Image();
    return codec->loadFromMemory(data, size);
}

bool Image::save(const String& path, bool overwrite) const
{
    if (!overwrite && File::exists(path))
        return false;
    ImageCodec* codec = ImageCodec::forExtension(pathExtension(path));
    if (!codec)
        return false;
    return codec->save(path, *this);
}

bool Image::hasVisiblePixels() const
{
    if (isNull())
        return false;
    if (!m_hasAlpha)
        return true;
    for (int i = 0; i < m_pixelCount; ++i) {
        if (m_pixels[i * 4 + 3] != 0)
            return true;
    }
    return false;
}

bool Image::hasOnlyBinaryAlpha() const
{
    if (!m_hasAlpha)
        return false;
    for (int i = 0; i < m_pixelCount; ++i) {
        uint8_t alpha = m_pixels[i * 4 + 3];
        if (alpha != 0 && alpha != 255)
            return false;
    }
    return true;
}

bool Image::hasPartialAlpha() const
{
    return m_hasAlpha && !hasOnlyBinaryAlpha();
}

Color Image::averageColor() const
{
    if (isNull())
        return Color();
    // 64-bit sums: 32 bits overflow from about 16 million pixels of white.
    uint64_t sums[4] = {0, 0, 0, 0};
    for (int y = 0; y < m_height; ++y) {
        const uint8_t* p = scanLine(y);
        for (int x = 0; x < m_width; ++x, p += m_bytesPerPixel) {
            sums[0] += p[0];
            sums[1] += p[1];
            sums[2] += p[2];
            sums[3] += m_hasAlpha ? p[3] : 255;
        }
    }
    uint64_t count = static_cast<uint64_t>(m_pixelCount);
    return Color(static_cast<uint8_t>(sums[3] / count), static_cast<uint8_t>(sums[2] / count),
                 static_cast<uint8_t>(sums[1] / count), static_cast<uint8_t>(sums[0] / count));
}

bool Image::containsValue(uint32_t value) const
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (pixel(x, y).value() == value)
                return true;
        }
    }
    return false;
}

uint8_t* Image::scanLine(int y) const
{
    return m_pixels + static_cast<ptrdiff_t>(y) * m_stride;
}

uint8_t* Image::columnOffset(int x) const
{
    return m_pixels + static_cast<ptrdiff_t>(x) * m_bytesPerPixel;
}

uint8_t* Image::pixelAt(int x, int y) const
{
    return scanLine(y) + static_cast<ptrdiff_t>(x) * m_bytesPerPixel;
}

void Image::copyRowOut(int y, uint8_t* buffer) const
{
    std::memcpy(buffer, scanLine(y), static_cast<size_t>(m_stride));
}

void Image::copyRowIn(int y, const uint8_t* buffer)
{
    std::memcpy(scanLine(y), buffer, static_cast<size_t>(m_stride));
}

void Image::copyColumnOut(int x, uint8_t* buffer) const
{
    for (int y = 0; y < m_height; ++y, buffer += m_bytesPerPixel)
        std::memcpy(buffer, pixelAt(x, y), static_cast<size_t>(m_bytesPerPixel));
}

void Image::copyColumnIn(int x, const uint8_t* buffer)
{
    for (int y = 0; y < m_height; ++y, buffer += m_bytesPerPixel)
        std::memcpy(pixelAt(x, y), buffer, static_cast<size_t>(m_bytesPerPixel));
}

Color Image::pixel(int x, int y) const
{
    const uint8_t* p = pixelAt(x, y);
    return Color(m_hasAlpha ? p[3] : 255, p[2], p[1], p[0]);
}

void Image::setPixel(int x, int y, const Color& color)
{
    uint8_t* p = pixelAt(x, y);
    p[0] = color.blue();
    p[1] = color.green();
    p[2] = color.red();
    if (m_hasAlpha)
        p[3] = color.alpha();
}

void Image::fill(const Color& color)
{
    if (isNull())
        return;
    if (color.alpha() == 0) {
        std::memset(m_pixels, 0, static_cast<size_t>(m_byteSize));
        return;
    }
    uint8_t* first = scanLine(0);
    for (int x = 0; x < m_width; ++x)
        setPixel(x, 0, color);
    for (int y = 1; y < m_height; ++y)
        std::memcpy(scanLine(y), first, static_cast<size_t>(m_stride));
}

void Image::setAlpha(uint8_t value, const Rect& area)
{
    if (!m_hasAlpha)
        return;
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = m_width;
    int64_t bottom = m_height;
    if (!area.isEmpty()) {
        // 64 bits: x + width must not wrap for rectangles far outside.
        left = std::max<int64_t>(area.x, 0);
        top = std::max<int64_t>(area.y, 0);
        right = std::min<int64_t>(static_cast<int64_t>(area.x) + area.width, m_width);
        bottom = std::min<int64_t>(static_cast<int64_t>(area.y) + area.height, m_height);
    }
    for (int64_t y = top; y < bottom; ++y) {
        for (int64_t x = left; x < right; ++x)
            pixelAt(static_cast<int>(x), static_cast<int>(y))[3] = value;
    }
}

void Image::setAlphaAt(int x, int y, uint8_t value)
{
    if (m_hasAlpha)
        pixelAt(x, y)[3] = value;
}

uint8_t Image::alphaAt(int x, int y) const
{
    return m_hasAlpha ? pixelAt(x, y)[3] : 255;
}

void Image::setAlphaWhereColor(uint8_t value, const Color& color)
{
    if (!m_hasAlpha)
        return;
    for (int i = 0; i < m_pixelCount; ++i) {
        uint8_t* p = m_pixels + static_cast<ptrdiff_t>(i) * 4;
        if (p[0] == color.blue() && p[1] == color.green() && p[2] == color.red())
            p[3] = value;
    }
}

void Image::setAlphaFromImage(const Image& mask)
{
    if (!m_hasAlpha || !mask.m_hasAlpha)
        return;
    if (mask.m_width != m_width || mask.m_height != m_height)
        return;
    for (int i = 0; i < m_pixelCount; ++i)
        m_pixels[i * 4 + 3] = mask.m_pixels[i * 4 + 2];
}

Image Image::alphaMask() const
{
    Image mask(m_width, m_height, true);
    for (int y = 0; y < mask.m_height; ++y) {
        for (int x = 0; x < mask.m_width; ++x) {
            uint8_t alpha = alphaAt(x, y);
            mask.setPixel(x, y, Color(255, alpha, alpha, alpha));
        }
    }
    return mask;
}

void Image::setPremultiplied(bool on)
{
    if (!m_hasAlpha || m_premultiplied == on)
        return;
    for (int i = 0; i < m_pixelCount; ++i) {
        uint8_t* p = m_pixels + static_cast<ptrdiff_t>(i) * 4;
        int alpha = p[3];
        if (alpha == 255)
            continue;
        for (int c = 0; c < 3; ++c) {
            if (alpha == 0)
                p[c] = 0;
            else if (on)
                p[c] = static_cast<uint8_t>((p[c] * alpha + 127) >> 8);
            else
                p[c] = static_cast<uint8_t>(std::min(255, p[c] * 255 / alpha));
        }
    }
    m_premultiplied = on;
}
