// The pixel operations on Image: scaling, geometry, compositing, alpha, tone
// and blur. The work happens in the raw-row algorithms beside this file; here
// are the checks and the shaping of results.
#include "graphics/image/Image.h"

#include "graphics/image/BlurKernel.h"
#include "graphics/image/BoxFilter.h"
#include "graphics/image/CatmullRomFilter.h"
#include "graphics/image/CubicFilter.h"
#include "graphics/image/GeometryOps.h"
#include "graphics/image/LanczosFilter.h"
#include "graphics/image/PixelOps.h"
#include "graphics/image/Rotator.h"
#include "graphics/image/TwoPassScaler.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

PixelView viewOf(const Image& image)
{
    return PixelView(image.bits(), image.width(), image.height(), image.stride(), image.bytesPerPixel());
}

// a / b and a mod b rounded toward minus infinity, for b > 0.
int64_t floorDiv(int64_t a, int64_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int64_t floorMod(int64_t a, int64_t b)
{
    return a - floorDiv(a, b) * b;
}

} // namespace

Image Image::scaled(int width, int height, int kind) const
{
    if (isNull() || width < 1 || height < 1 || kind < kNearest || kind > kLanczos)
        return empty();
    if (width == m_width && height == m_height)
        return copy();
    Image result(width, height, m_hasAlpha);
    if (result.isNull())
        return empty();
    const PixelView from = viewOf(*this);
    const PixelView to = viewOf(result);
    switch (kind) {
    case kNearest:
        scaleNearest(from, to);
        break;
    case kBox:
        TwoPassScaler(BoxFilter()).scale(from, to);
        break;
    case kCubic:
        TwoPassScaler(CubicFilter()).scale(from, to);
        break;
    case kCatmullRom:
        TwoPassScaler(CatmullRomFilter()).scale(from, to);
        break;
    default:
        TwoPassScaler(LanczosFilter()).scale(from, to);
        break;
    }
    // Resampling premultiplied pixels gives premultiplied pixels.
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::scaledToWidth(int width, int kind) const
{
    const Size target = scaledSizeToWidth(size(), width);
    return scaled(target.width, target.height, kind);
}

Image Image::scaledToHeight(int height, int kind) const
{
    const Size target = scaledSizeToHeight(size(), height);
    return scaled(target.width, target.height, kind);
}

Image Image::scaledToFit(int maxWidth, int maxHeight, int kind) const
{
    if (isNull() || maxWidth < 1 || maxHeight < 1)
        return empty();
    if (m_width <= maxWidth && m_height <= maxHeight)
        return copy();
    const Size target = scaledSizeToFit(size(), Size(maxWidth, maxHeight));
    return scaled(std::max(1, target.width), std::max(1, target.height), kind);
}

Image Image::cropped(const Rect& rect) const
{
    if (isNull() || !m_hasAlpha || rect.x < 0 || rect.y < 0 || rect.width < 1 || rect.height < 1)
        return empty();
    // In 64 bits: x + width may pass the int range.
    if (static_cast<int64_t>(rect.x) + rect.width > m_width ||
        static_cast<int64_t>(rect.y) + rect.height > m_height)
        return empty();
    if (rect == this->rect())
        return copy();
    Image result(rect.width, rect.height, true);
    copyPixels(viewOf(*this), rect.x, rect.y, viewOf(result));
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::flipped(bool horizontal, bool vertical) const
{
    if (isNull() || !m_hasAlpha)
        return empty();
    Image result(m_width, m_height, true);
    flipPixels(viewOf(*this), viewOf(result), horizontal, vertical);
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::rotated180() const
{
    return flipped(true, true);
}

Image Image::rotated(float degrees, const Color& background) const
{
    if (isNull())
        return empty();
    if (degrees == 90)
        return rotated90();
    int width = 0, height = 0;
    if (!Rotator::rotatedSize(m_width, m_height, degrees, width, height))
        return empty();
    Image result(width, height, m_hasAlpha);
    if (result.isNull())
        return empty();
    Rotator(background.value()).rotate(viewOf(*this), viewOf(result), degrees);
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::rotated90() const
{
    if (isNull())
        return empty();
    Image result(m_height, m_width, m_hasAlpha);
    rotate90Pixels(viewOf(*this), viewOf(result));
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::stackedWith(const Image& other, int mode) const
{
    if (mode != 1 || isNull() || other.isNull() || other.m_width != m_width ||
        other.m_hasAlpha != m_hasAlpha || other.m_premultiplied != m_premultiplied)
        return empty();
    Image result(m_width, m_height + other.m_height, m_hasAlpha);
    if (result.isNull())
        return empty();
    const PixelView whole = viewOf(result);
    copyPixels(viewOf(*this), 0, 0,
               PixelView(whole.bits(), m_width, m_height, whole.stride(), whole.bytesPerPixel()));
    copyPixels(
        viewOf(other), 0, 0,
        PixelView(whole.row(m_height), m_width, other.m_height, whole.stride(), whole.bytesPerPixel()));
    result.m_premultiplied = m_premultiplied;
    return result;
}

Image Image::magnified(const Point& centre, const Size& outputSize, int zoom, const Color& fill,
                       Point* gridOffset, Rect* centreCell) const
{
    if (isNull() || zoom < 1)
        return empty();
    Image result(outputSize.width, outputSize.height, m_hasAlpha);
    if (result.isNull())
        return empty();
    // The centre pixel's cell sits in the middle of the result.
    const int cellLeft = outputSize.width / 2 - zoom / 2;
    const int cellTop = outputSize.height / 2 - zoom / 2;
    // Source columns per result column, in 64 bits: the centre may be anywhere.
    std::vector<int64_t> columns(outputSize.width);
    for (int x = 0; x < outputSize.width; ++x)
        columns[x] = centre.x + floorDiv(static_cast<int64_t>(x) - cellLeft, zoom);
    const uint32_t fillValue = fill.value();
    const int bytes = m_bytesPerPixel;
    for (int y = 0; y < outputSize.height; ++y) {
        const int64_t sy = centre.y + floorDiv(static_cast<int64_t>(y) - cellTop, zoom);
        uint8_t* out = result.scanLine(y);
        for (int x = 0; x < outputSize.width; ++x, out += bytes) {
            const int64_t sx = columns[x];
            if (sx < 0 || sy < 0 || sx >= m_width || sy >= m_height) {
                for (int i = 0; i < bytes; ++i)
                    out[i] = static_cast<uint8_t>(fillValue >> (8 * i));
                continue;
            }
            std::memcpy(out, pixelAt(static_cast<int>(sx), static_cast<int>(sy)), bytes);
        }
    }
    if (gridOffset)
        *gridOffset = Point(static_cast<int32_t>(floorMod(cellLeft, zoom)),
                            static_cast<int32_t>(floorMod(cellTop, zoom)));
    if (centreCell)
        *centreCell = Rect(cellLeft, cellTop, zoom, zoom);
    result.m_premultiplied = m_premultiplied;
    return result;
}

void Image::drawImage(const Image& source, const Point& position)
{
    if (isNull() || source.isNull() || !m_hasAlpha || !source.m_hasAlpha || m_premultiplied ||
        source.m_premultiplied)
        return;
    blendPixels(viewOf(*this), viewOf(source), position.x, position.y);
}

void Image::applyTable(const uint8_t* table)
{
    if (isNull() || !table)
        return;
    applyTablePixels(viewOf(*this), table);
}

void Image::applyChannelTables(const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                               const uint8_t* alpha)
{
    if (isNull() || !red || !green || !blue)
        return;
    applyChannelTablesPixels(viewOf(*this), red, green, blue, alpha);
}

void Image::applyGamma(float gamma)
{
    uint8_t table[256];
    if (makeGammaTable(gamma, table))
        applyTable(table);
}

void Image::adjustBrightnessContrast(int brightness, int contrast)
{
    uint8_t table[256];
    makeBrightnessContrastTable(brightness, contrast, table);
    applyTable(table);
}

void Image::toGray()
{
    if (!isNull())
        grayPixels(viewOf(*this));
}

void Image::invert()
{
    if (!isNull())
        invertPixels(viewOf(*this));
}

void Image::blur(float radius)
{
    if (!isNull())
        BlurKernel(radius).apply(viewOf(*this));
}
