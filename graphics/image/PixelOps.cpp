#include "graphics/image/PixelOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

uint32_t readWord(const uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void writeWord(uint8_t* p, uint32_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

// The arithmetic shift right by 8 of a possibly negative product, spelled out
// so that it does not depend on how the compiler shifts negative numbers.
int shiftDown8(int value)
{
    return value >= 0 ? value >> 8 : -((-value + 255) >> 8);
}

// Byte-wide rows of a 24-bit view are mapped as a whole, padding included.
int tableRowBytes(const PixelView& view)
{
    return view.bytesPerPixel() == 3 ? view.stride() : view.rowBytes();
}

// Truncates toward zero into 0..255; NaN becomes 0. Converting an out-of-range
// float to an int directly would be undefined.
uint8_t truncateToByte(float value)
{
    if (!(value > 0))
        return 0;
    if (value >= 255)
        return 255;
    return static_cast<uint8_t>(value);
}

} // namespace

uint32_t blendPixel(uint32_t destination, uint32_t source)
{
    const int destinationAlpha = destination >> 24;
    if (destinationAlpha == 0)
        return source;
    const int sourceAlpha = source >> 24;
    const int outAlpha = 255 - (((255 - destinationAlpha) * (255 - sourceAlpha)) >> 8);
    const int weight = ((255 - sourceAlpha) * destinationAlpha) / outAlpha;
    uint32_t result = static_cast<uint32_t>(outAlpha) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = (destination >> shift) & 0xFF;
        const int s = (source >> shift) & 0xFF;
        const int c = s + shiftDown8((d - s) * weight);
        result |= static_cast<uint32_t>(c & 0xFF) << shift;
    }
    return result;
}

int mixChannel(int destination, int source)
{
    return source + (((255 - source - (source >> 7)) * destination) >> 8);
}

uint8_t clampToByte(int value)
{
    return static_cast<uint8_t>(std::min(255, std::max(0, value)));
}

void scaleNearest(const PixelView& source, const PixelView& target)
{
    const int bytes = source.bytesPerPixel();
    const double xRatio = static_cast<double>(source.width()) / target.width();
    const double yRatio = static_cast<double>(source.height()) / target.height();
    std::vector<int> columnOffset(target.width());
    for (int x = 0; x < target.width(); ++x)
        columnOffset[x] = static_cast<int>(x * xRatio) * bytes;
    for (int y = 0; y < target.height(); ++y) {
        const uint8_t* s = source.row(static_cast<int>(y * yRatio));
        uint8_t* t = target.row(y);
        for (int x = 0; x < target.width(); ++x, t += bytes)
            std::memcpy(t, s + columnOffset[x], bytes);
    }
}

void flipPixels(const PixelView& source, const PixelView& target, bool horizontal, bool vertical)
{
    const int bytes = source.bytesPerPixel();
    const int width = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const uint8_t* s = source.row(y);
        uint8_t* t = target.row(vertical ? source.height() - 1 - y : y);
        if (!horizontal) {
            std::memcpy(t, s, source.rowBytes());
            continue;
        }
        for (int x = 0; x < width; ++x)
            std::memcpy(t + (width - 1 - x) * bytes, s + x * bytes, bytes);
    }
}

void rotate90Pixels(const PixelView& source, const PixelView& target)
{
    const int bytes = source.bytesPerPixel();
    const int lastColumn = source.height() - 1;
    for (int y = 0; y < source.height(); ++y) {
        const uint8_t* s = source.row(y);
        for (int x = 0; x < source.width(); ++x)
            std::memcpy(target.pixel(lastColumn - y, x), s + x * bytes, bytes);
    }
}

void copyPixels(const PixelView& source, int x, int y, const PixelView& target)
{
    for (int row = 0; row < target.height(); ++row)
        std::memcpy(target.row(row), source.pixel(x, y + row), target.rowBytes());
}

void blendPixels(const PixelView& target, const PixelView& source, int x, int y)
{
    // Positions may be far outside either image: intersect in 64 bits.
    const int64_t left = std::max<int64_t>(0, x);
    const int64_t top = std::max<int64_t>(0, y);
    const int64_t right = std::min<int64_t>(target.width(), static_cast<int64_t>(x) + source.width());
    const int64_t bottom = std::min<int64_t>(target.height(), static_cast<int64_t>(y) + source.height());
    if (left >= right || top >= bottom)
        return;
    for (int64_t ty = top; ty < bottom; ++ty) {
        uint8_t* t = target.pixel(static_cast<int>(left), static_cast<int>(ty));
        const uint8_t* s = source.pixel(static_cast<int>(left - x), static_cast<int>(ty - y));
        for (int64_t tx = left; tx < right; ++tx, t += 4, s += 4)
            writeWord(t, blendPixel(readWord(t), readWord(s)));
    }
}

void applyTablePixels(const PixelView& view, const uint8_t* table)
{
    const int bytes = tableRowBytes(view);
    for (int y = 0; y < view.height(); ++y) {
        uint8_t* p = view.row(y);
        if (view.bytesPerPixel() == 3) {
            for (int i = 0; i < bytes; ++i)
                p[i] = table[p[i]];
            continue;
        }
        for (int i = 0; i < bytes; i += 4) {
            p[i] = table[p[i]];
            p[i + 1] = table[p[i + 1]];
            p[i + 2] = table[p[i + 2]];
        }
    }
}

void applyChannelTablesPixels(const PixelView& view, const uint8_t* red, const uint8_t* green,
                              const uint8_t* blue, const uint8_t* alpha)
{
    const int step = view.bytesPerPixel();
    const bool withAlpha = step == 4 && alpha;
    for (int y = 0; y < view.height(); ++y) {
        uint8_t* p = view.row(y);
        for (int x = 0; x < view.width(); ++x, p += step) {
            p[0] = blue[p[0]];
            p[1] = green[p[1]];
            p[2] = red[p[2]];
            if (withAlpha)
                p[3] = alpha[p[3]];
        }
    }
}

void grayPixels(const PixelView& view)
{
    const int step = view.bytesPerPixel();
    for (int y = 0; y < view.height(); ++y) {
        uint8_t* p = view.row(y);
        for (int x = 0; x < view.width(); ++x, p += step) {
            const uint8_t gray = static_cast<uint8_t>((601 * p[1] + 306 * p[2] + 117 * p[0]) >> 10);
            p[0] = p[1] = p[2] = gray;
        }
    }
}

void invertPixels(const PixelView& view)
{
    const int bytes = tableRowBytes(view);
    for (int y = 0; y < view.height(); ++y) {
        uint8_t* p = view.row(y);
        if (view.bytesPerPixel() == 3) {
            for (int i = 0; i < bytes; ++i)
                p[i] = static_cast<uint8_t>(255 - p[i]);
            continue;
        }
        for (int i = 0; i < bytes; i += 4) {
            p[i] = static_cast<uint8_t>(255 - p[i]);
            p[i + 1] = static_cast<uint8_t>(255 - p[i + 1]);
            p[i + 2] = static_cast<uint8_t>(255 - p[i + 2]);
        }
    }
}

bool makeGammaTable(float gamma, uint8_t* table)
{
    // Also refuses NaN: a gamma of 0 or below has no meaning and would divide by zero.
    if (!(gamma > 0))
        return false;
    const float e = 1.0f / gamma;
    const float k = std::pow(255.0f, e) / 255.0f;
    for (int i = 0; i < 256; ++i) {
        table[i] = truncateToByte(std::pow(static_cast<float>(i), e) / k);
    }
    return true;
}

void makeBrightnessContrastTable(int brightness, int contrast, uint8_t* table)
{
    // In float from the start: extreme arguments must not overflow an int.
    const float factor = (contrast + 100.0f) / 100.0f;
    const float offset = brightness + 128.0f;
    for (int i = 0; i < 256; ++i)
        table[i] = truncateToByte((i - 128) * factor + offset + 0.5f);
}
