#include "graphics/paint/GdiImageCache.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

struct GdiImageCache::Entry
{
    Entry() = default;
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
    ~Entry()
    {
        if (bitmap)
            DeleteObject(bitmap);
    }

    int64_t bytes() const
    {
        return static_cast<int64_t>(pixels.byteSize()) + int64_t(pixels.pixelCount()) * 4;
    }

    // A share of the image drawn, and the pixels the bitmap was made from.
    Image image;
    Image pixels;
    HBITMAP bitmap = nullptr;
    uint32_t* bits = nullptr;
    bool opaque = false;
    uint64_t lastUse = 0;
};

namespace {

HBITMAP createTopDownDib(HDC dc, int width, int height, uint32_t** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap && !pixels) {
        DeleteObject(bitmap);
        return nullptr;
    }
    *bits = static_cast<uint32_t*>(pixels);
    return bitmap;
}

bool sameLayout(const Image& a, const Image& b)
{
    return a.bits() == b.bits() && a.width() == b.width() && a.height() == b.height() &&
           a.bitsPerPixel() == b.bitsPerPixel() && a.isPremultiplied() == b.isPremultiplied();
}

// Whether the rows of source hold the same bytes in both images, which have
// the same layout.
bool samePixels(const Image& a, const Image& b, const Rect& source)
{
    const size_t offset = static_cast<size_t>(source.x) * a.bytesPerPixel();
    const size_t length = static_cast<size_t>(source.width) * a.bytesPerPixel();
    for (int y = source.y; y < source.y + source.height; ++y) {
        if (std::memcmp(a.scanLine(y) + offset, b.scanLine(y) + offset, length) != 0)
            return false;
    }
    return true;
}

// GDI blends premultiplied pixels; straight ones are multiplied here with
// the rounding GDI+ uses, so both paths give the same colours.
uint8_t premultiplied(uint8_t value, uint8_t alpha)
{
    return static_cast<uint8_t>((value * alpha + 127) / 255);
}

// Writes the image's pixels as premultiplied B, G, R, A; true when every
// alpha is 255.
bool convert(const Image& image, uint8_t* out)
{
    bool opaque = true;
    const int bpp = image.bytesPerPixel();
    const bool multiply = image.hasAlpha() && !image.isPremultiplied();
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* in = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, in += bpp, out += 4) {
            const uint8_t alpha = bpp == 4 ? in[3] : 255;
            opaque = opaque && alpha == 255;
            for (int c = 0; c < 3; ++c)
                out[c] = multiply ? premultiplied(in[c], alpha) : in[c];
            out[3] = alpha;
        }
    }
    return opaque;
}

// Whether every pixel of source is opaque; 24-bit images always are.
bool isOpaque(const Image& image, const Rect& source)
{
    if (image.bytesPerPixel() != 4)
        return true;
    for (int y = source.y; y < source.y + source.height; ++y) {
        const uint8_t* alpha = image.scanLine(y) + static_cast<size_t>(source.x) * 4 + 3;
        for (int x = 0; x < source.width; ++x, alpha += 4) {
            if (*alpha != 255)
                return false;
        }
    }
    return true;
}

} // namespace

GdiImageCache::GdiImageCache() = default;

GdiImageCache::~GdiImageCache()
{
    if (m_imageDc) {
        SelectObject(m_imageDc, static_cast<HGDIOBJ>(m_imageDcBitmap));
        DeleteDC(m_imageDc);
    }
    if (m_bandDc) {
        SelectObject(m_bandDc, static_cast<HGDIOBJ>(m_bandDcBitmap));
        DeleteDC(m_bandDc);
    }
    m_entries.clear();
    if (m_band)
        DeleteObject(m_band);
}

bool GdiImageCache::ensureContext()
{
    if (m_imageDc && m_bandDc)
        return true;
    if (!m_imageDc) {
        m_imageDc = CreateCompatibleDC(nullptr);
        m_imageDcBitmap = m_imageDc ? GetCurrentObject(m_imageDc, OBJ_BITMAP) : nullptr;
    }
    if (!m_bandDc) {
        m_bandDc = CreateCompatibleDC(nullptr);
        m_bandDcBitmap = m_bandDc ? GetCurrentObject(m_bandDc, OBJ_BITMAP) : nullptr;
    }
    return m_imageDc && m_bandDc;
}

bool GdiImageCache::draw(HDC dc, const Image& image, const Rect& source, const Rect& target, bool blend)
{
    if (!image.isNull() && image.byteSize() > kMaxImageBytes)
        return drawUnkept(dc, image, source, target);
    Entry* entry = entryFor(image, source);
    if (!entry || (!entry->opaque && !blend))
        return false;
    if (source.size() != target.size())
        return drawScaled(dc, *entry, source, target);
    selectImage(*entry);
    return copy(dc, target, m_imageDc, source.topLeft(), entry->opaque);
}

bool GdiImageCache::drawUnkept(HDC dc, const Image& image, const Rect& source, const Rect& target)
{
    if (source.size() != target.size() || !isOpaque(image, source))
        return false;
    // The image's rows are a DIB already (24-bit ones padded as GDI pads
    // them). Only the rows drawn are described, from the first one down, so
    // the source's top is 0 whichever way GDI counts rows of a top-down DIB.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -source.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(image.bitsPerPixel());
    info.bmiHeader.biCompression = BI_RGB;
    const int rows =
        StretchDIBits(dc, target.x, target.y, target.width, target.height, source.x, 0, source.width,
                      source.height, image.scanLine(source.y), &info, DIB_RGB_COLORS, SRCCOPY);
    return rows != 0 && rows != static_cast<int>(GDI_ERROR);
}

void GdiImageCache::selectImage(const Entry& entry)
{
    if (m_selected == entry.bitmap)
        return;
    SelectObject(m_imageDc, entry.bitmap);
    m_selected = entry.bitmap;
}

GdiImageCache::Entry* GdiImageCache::entryFor(const Image& image, const Rect& source)
{
    if (image.isNull() || image.byteSize() > kMaxImageBytes || !ensureContext())
        return nullptr;
    Entry* entry = find(image);
    if (entry && !samePixels(entry->pixels, image, source))
        fill(*entry, image);
    if (!entry)
        entry = make(image);
    if (entry)
        entry->lastUse = ++m_clock;
    return entry;
}

bool GdiImageCache::copy(HDC dc, const Rect& target, HDC from, const Point& at, bool opaque)
{
    if (opaque)
        return BitBlt(dc, target.x, target.y, target.width, target.height, from, at.x, at.y, SRCCOPY) !=
               FALSE;
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return AlphaBlend(dc, target.x, target.y, target.width, target.height, from, at.x, at.y, target.width,
                      target.height, blend) != FALSE;
}

bool GdiImageCache::ensureBand(int width, int height)
{
    if (m_band && width <= m_bandWidth && height <= m_bandHeight)
        return true;
    SelectObject(m_bandDc, static_cast<HGDIOBJ>(m_bandDcBitmap));
    if (m_band)
        DeleteObject(m_band);
    m_bandWidth = std::max(width, m_bandWidth);
    m_bandHeight = std::max(height, m_bandHeight);
    m_band = createTopDownDib(m_bandDc, m_bandWidth, m_bandHeight, &m_bandBits);
    if (!m_band) {
        m_bandWidth = m_bandHeight = 0;
        return false;
    }
    SelectObject(m_bandDc, m_band);
    return true;
}

bool GdiImageCache::drawScaled(HDC dc, const Entry& entry, const Rect& source, const Rect& target)
{
    if (target.width > Image::kMaxSide || source.width < 1 || source.height < 1)
        return false;
    const int rows = std::min(target.height, std::max(1, kBandPixels / target.width));
    if (!ensureBand(target.width, rows))
        return false;
    m_columns.resize(static_cast<size_t>(target.width));
    for (int x = 0; x < target.width; ++x)
        m_columns[static_cast<size_t>(x)] =
            source.x + static_cast<int>(int64_t(x) * source.width / target.width);
    const int imageWidth = entry.pixels.width();
    for (int top = 0; top < target.height; top += rows) {
        const int count = std::min(rows, target.height - top);
        // GDI may still be reading the band for the previous one.
        GdiFlush();
        for (int y = 0; y < count; ++y) {
            const int sourceY = source.y + static_cast<int>(int64_t(top + y) * source.height / target.height);
            const uint32_t* in = entry.bits + static_cast<size_t>(sourceY) * imageWidth;
            uint32_t* out = m_bandBits + static_cast<size_t>(y) * m_bandWidth;
            for (int x = 0; x < target.width; ++x)
                out[x] = in[m_columns[static_cast<size_t>(x)]];
        }
        if (!copy(dc, Rect(target.x, target.y + top, target.width, count), m_bandDc, Point(0, 0),
                  entry.opaque))
            return top > 0;
    }
    return true;
}

GdiImageCache::Entry* GdiImageCache::find(const Image& image)
{
    for (const auto& entry : m_entries) {
        if (sameLayout(entry->image, image))
            return entry.get();
    }
    return nullptr;
}

GdiImageCache::Entry* GdiImageCache::make(const Image& image)
{
    std::unique_ptr<Entry> entry(new Entry());
    entry->bitmap = createTopDownDib(m_imageDc, image.width(), image.height(), &entry->bits);
    if (!entry->bitmap)
        return nullptr;
    entry->image = image;
    entry->pixels = image.copy();
    if (entry->pixels.isNull())
        return nullptr;
    fill(*entry, image);
    releaseUnused();
    keepWithinBudget(entry->bytes());
    m_entries.push_back(std::move(entry));
    return m_entries.back().get();
}

void GdiImageCache::fill(Entry& entry, const Image& image)
{
    // GDI may still be reading the bitmap from a batched call.
    GdiFlush();
    std::memcpy(entry.pixels.bits(), image.bits(), static_cast<size_t>(image.byteSize()));
    entry.opaque = convert(entry.pixels, reinterpret_cast<uint8_t*>(entry.bits));
}

void GdiImageCache::releaseUnused()
{
    for (size_t i = m_entries.size(); i-- > 0;) {
        if (!m_entries[i]->image.isShared())
            evict(i);
    }
}

void GdiImageCache::evict(size_t index)
{
    // A bitmap selected into a context cannot be deleted.
    if (m_entries[index]->bitmap == m_selected) {
        SelectObject(m_imageDc, static_cast<HGDIOBJ>(m_imageDcBitmap));
        m_selected = nullptr;
    }
    m_entries.erase(m_entries.begin() + static_cast<ptrdiff_t>(index));
}

int64_t GdiImageCache::usedBytes() const
{
    int64_t total = 0;
    for (const auto& entry : m_entries)
        total += entry->bytes();
    return total;
}

void GdiImageCache::keepWithinBudget(int64_t incoming)
{
    int64_t used = usedBytes();
    while (!m_entries.empty() && used + incoming > kBudgetBytes) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b) {
                                           return a->lastUse < b->lastUse;
                                       });
        used -= (*oldest)->bytes();
        evict(static_cast<size_t>(oldest - m_entries.begin()));
    }
}
