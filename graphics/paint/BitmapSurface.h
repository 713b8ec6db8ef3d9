#pragma once

#include "graphics/color/Color.h"
#include "graphics/image/Image.h"
#include "graphics/paint/PaintTarget.h"

#include <cstddef>
#include <memory>

struct BitmapSurfaceData;

// An off-screen surface: a 32-bit top-down DIB section (blue, green, red,
// alpha; rows of exactly width x 4 bytes) with a memory context of its own.
// GDI drawing and the pixel memory are the same pixels. The UI uses surfaces
// as back buffers, resizing them with their widgets.
class BitmapSurface : public PaintTarget
{
public:
    // Without pixels until a size of at least 1 x 1 is given.
    BitmapSurface(int width, int height);
    // The image's size and pixels; a 24-bit image is widened with alpha 255.
    explicit BitmapSurface(const Image& image);
    ~BitmapSurface() override;

    HDC__* hdc() const override;
    void setPainting(bool painting) override;
    bool isPainting() const override;
    uint8_t* bits() const override;
    // 32 while there are pixels, else 0.
    int bitsPerPixel() const override;
    int width() const override;
    int height() const override;
    int dpiX() const override;
    int dpiY() const override;

    // New pixels of the given size, filled with the fill colour when it is
    // opaque and all zero otherwise; the old content is not kept. Ignored
    // (false) for a side below 1, the current size or a size beyond the
    // image limits; when the new pixels cannot be had, the old ones stay
    // (false).
    bool resize(int width, int height);
    // Every pixel: an opaque colour through GDI, any other colour as its raw
    // 32-bit value.
    void fill(const Color& color);
    void setFillColor(const Color& color);
    const Color& fillColor() const;
    // At most width x height x 4 bytes from the start of the pixels.
    void copyBits(const void* source, size_t byteCount);
    bool hasBits() const;
    // A new 32-bit image of the pixels; unless keepAlpha, with alpha 255.
    Image toImage(bool keepAlpha) const;

private:
    std::unique_ptr<BitmapSurfaceData> m_data;
};
