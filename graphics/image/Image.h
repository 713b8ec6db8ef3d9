#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/color/Color.h"

#include <cstdint>

#ifdef _WIN32
struct HBITMAP__;
struct HICON__;
#endif

// A 24-bit or 32-bit raster image whose pixel buffer is shared by every copy
// through a separate reference count. Pixels are never copied on write: a
// change made through one holder is seen by all of them, and code that must
// not affect the others takes a deep copy first (copy()).
//
// 32-bit pixels are the bytes B, G, R, A with rows of exactly 4 x width bytes;
// 24-bit pixels are B, G, R with rows padded to a multiple of 4 bytes. Rows are
// stored top row first.
class Image
{
public:
    // Neither side may exceed kMaxSide and no buffer may exceed kMaxByteSize:
    // the program runs in a 32-bit address space, and sizes taken from files
    // must never wrap around.
    static constexpr int kMaxSide = 32768;
    static constexpr int64_t kMaxByteSize = 256 * 1024 * 1024;

    // The empty image.
    Image() = default;
    Image(const Image& other);
    Image& operator=(const Image& other);
    ~Image();

    // A new, uninitialised buffer; the empty image for a side below 1 or a size
    // above the limits.
    Image(int width, int height, bool hasAlpha);
    // As above, then copies byteSize() bytes that must already have this layout.
    Image(const uint8_t* data, int width, int height, bool hasAlpha);

    // The constructors and assignment under the names the toolkit calls.
    static Image ImageSized(int width, int height, bool hasAlpha) { return Image(width, height, hasAlpha); }
    static Image ImageCopy(const Image& other) { return other; }
    Image& assign(const Image& other) { return *this = other; }

    // The image every failed operation returns.
    static const Image& empty();

    // True when a buffer of this size is within the limits.
    static bool isSizeAllowed(int64_t width, int64_t height, bool hasAlpha);

    // A deep copy with a buffer of its own.
    Image copy() const;

    // A 32-bit image from raw 32-bit pixels or from 24-bit rows padded to
    // 4 bytes (expanded with alpha 255). size must match the input's layout
    // exactly, unless it is -1.
    static Image fromPixels(const uint8_t* data, int width, int height, bool hasAlpha, int64_t size);

    // Decoding and encoding by the codec of the extension.
    static Image fromFile(const String& path);
    static Image fromData(const uint8_t* data, int64_t size, const String& extension);
    bool save(const String& path, bool overwrite) const;

#ifdef _WIN32
    static Image fromBitmapHandle(HBITMAP__* bitmap, bool withAlpha);
    static Image fromIconHandle(HICON__* icon);
    // The same, and the icon's hot spot.
    static Image fromIconHandle(HICON__* icon, int* hotSpotX, int* hotSpotY);
    static Image fromCursorHandle(HICON__* cursor, int* hotSpotX, int* hotSpotY);
    // Both need a 32-bit image; 0 on failure. The caller destroys the handle.
    HICON__* toIcon() const;
    HICON__* toCursor(int hotSpotX, int hotSpotY) const;
    // A 32-bit top-down DIB section holding the pixels (24-bit images get
    // alpha 255); 0 for the empty image. The caller deletes it.
    HBITMAP__* toBitmapHandle() const;
#endif

    bool isNull() const
    {
        return m_pixels == nullptr;
    }
    // True when another holder shares these pixels.
    bool isShared() const
    {
        return m_refCount && *m_refCount > 1;
    }
    int width() const
    {
        return m_width;
    }
    int height() const
    {
        return m_height;
    }
    Size size() const
    {
        return Size(m_width, m_height);
    }
    Rect rect() const
    {
        return Rect(0, 0, m_width, m_height);
    }
    int bitsPerPixel() const
    {
        return m_bitsPerPixel;
    }
    int bytesPerPixel() const
    {
        return m_bytesPerPixel;
    }
    int stride() const
    {
        return m_stride;
    }
    int rowPadding() const
    {
        return m_rowPadding;
    }
    int heightBytes() const
    {
        return m_heightBytes;
    }
    int pixelCount() const
    {
        return m_pixelCount;
    }
    int byteSize() const
    {
        return m_byteSize;
    }
    bool hasAlpha() const
    {
        return m_hasAlpha;
    }
    bool isPremultiplied() const
    {
        return m_premultiplied;
    }
    uint8_t* bits() const
    {
        return m_pixels;
    }

    bool hasVisiblePixels() const;
    bool hasOnlyBinaryAlpha() const;
    bool hasPartialAlpha() const;
    // The mean of every channel; 24-bit pixels count with alpha 255. The zero
    // colour for the empty image.
    Color averageColor() const;
    // True when some pixel, read as a packed 0xAARRGGBB word, equals value.
    bool containsValue(uint32_t value) const;

    // Raw access without bounds checks: callers keep coordinates inside.
    uint8_t* scanLine(int y) const;
    uint8_t* columnOffset(int x) const;
    uint8_t* pixelAt(int x, int y) const;
    void copyRowOut(int y, uint8_t* buffer) const;
    void copyRowIn(int y, const uint8_t* buffer);
    // The buffer holds height x bytesPerPixel bytes.
    void copyColumnOut(int x, uint8_t* buffer) const;
    void copyColumnIn(int x, const uint8_t* buffer);
    // Alpha reads as 255 in 24-bit images.
    Color pixel(int x, int y) const;
    Color pixel(const Point& point) const
    {
        return pixel(point.x, point.y);
    }
    void setPixel(int x, int y, const Color& color);
    void setPixel(const Point& point, const Color& color)
    {
        setPixel(point.x, point.y, color);
    }

    // A colour with alpha 0 clears every byte, 24-bit images included.
    void fill(const Color& color);

    // The alpha operations below change only 32-bit images; a 24-bit image has
    // no alpha to change and is left as it is.
    // An empty rectangle means the whole image; otherwise it is clipped.
    void setAlpha(uint8_t value, const Rect& area);
    void setAlphaAt(int x, int y, uint8_t value);
    uint8_t alphaAt(int x, int y) const;
    void setAlphaWhereColor(uint8_t value, const Color& color);
    // Takes each pixel's alpha from the red byte of the mask's pixel; only for
    // a 32-bit mask of the same size.
    void setAlphaFromImage(const Image& mask);
    // A 32-bit image whose grey level is this image's alpha.
    Image alphaMask() const;

    // Converts a 32-bit image in place between straight and premultiplied
    // alpha; nothing happens without alpha or when the flag has that value.
    void setPremultiplied(bool on);

    // ---- Pixel operations of the image library (graphics/image/ImageOps.cpp).
    // Unless said otherwise they return a new image, the source untouched, and
    // the empty image on failure; the in-place ones change every holder.

    // Filter kinds of scaled().
    static constexpr int kNearest = 0;
    static constexpr int kBox = 1;
    static constexpr int kCubic = 2;      // B = C = 1/3
    static constexpr int kCatmullRom = 3; // cover thumbnails
    static constexpr int kLanczos = 4;    // three lobes

    // The same size gives a copy. The result keeps the source's depth and
    // premultiplied flag.
    Image scaled(int width, int height, int kind) const;
    // The other side follows the aspect ratio.
    Image scaledToWidth(int width, int kind) const;
    Image scaledToHeight(int height, int kind) const;
    // Never enlarges: an image that fits comes back as a copy.
    Image scaledToFit(int maxWidth, int maxHeight, int kind) const;

    // 32-bit only; the rectangle must lie wholly inside.
    Image cropped(const Rect& rect) const;
    // 32-bit only.
    Image flipped(bool horizontal, bool vertical) const;
    Image rotated180() const;
    // Clockwise for positive angles; exactly 90 is a lossless quarter turn,
    // other angles sample bicubically over the background colour.
    Image rotated(float degrees, const Color& background) const;
    Image rotated90() const;
    // Mode 1 only: this image above the other, of the same width, depth and
    // premultiplied flag.
    Image stackedWith(const Image& other, int mode) const;
    // The part around the centre pixel enlarged zoom times (nearest
    // neighbour) into an image of the output size; outside the image the fill
    // colour shows. gridOffset receives where the pixel grid starts in the
    // result and centreCell the cell of the centre pixel.
    Image magnified(const Point& centre, const Size& outputSize, int zoom, const Color& fill,
                    Point* gridOffset = nullptr, Rect* centreCell = nullptr) const;

    // Blends the source onto this image at the position, in place. Both must
    // be 32-bit with straight alpha; otherwise nothing changes.
    void drawImage(const Image& source, const Point& position);
    void drawImageAt(const Image& source, const Point& position)
    {
        drawImage(source, position);
    }

    // In place. A table has 256 entries; a 24-bit image maps every byte of
    // its rows, a 32-bit one B, G and R and keeps alpha.
    void applyTable(const uint8_t* table);
    // The alpha table may be null; it applies to 32-bit images only.
    void applyChannelTables(const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                            const uint8_t* alpha);
    // Above 1 brightens, below darkens; a gamma of 0 or less changes nothing.
    void applyGamma(float gamma);
    void adjustBrightnessContrast(int brightness, int contrast);
    void toGray();
    void invert();
    // A Gaussian blur; the radius is capped at BlurKernel::kMaxRadius.
    void blur(float radius);
    // ---- end of the image library's pixel operations.

private:
    void release();
    void share(const Image& other);
    // Sets the layout fields for a new buffer; the sizes are already checked.
    void setLayout(int width, int height, bool hasAlpha);

    uint8_t* m_pixels = nullptr;
    int32_t* m_refCount = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    int m_bytesPerPixel = 0;
    int m_stride = 0;
    int m_rowPadding = 0;
    int m_heightBytes = 0;
    int m_pixelCount = 0;
    int m_byteSize = 0;
    bool m_hasAlpha = false;
    bool m_premultiplied = false;
};
