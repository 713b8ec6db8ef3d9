#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "graphics/image/Image.h"

#include <cstdint>
#include <memory>
#include <vector>

struct HBITMAP__;
struct HDC__;

// Draws images into GDI contexts from a 32-bit premultiplied DIB section kept
// for each image. Skins are drawn hundreds of times a frame, and handing GDI+
// their pixels for every call cost far more than the drawing itself.
//
// An entry holds a share of its image, so its pixels cannot be freed and
// their address reused behind the entry's back, and a copy of the pixels it
// was made from: pixels can change through any holder, so before each draw
// the part drawn is compared with that copy and the entry is made again when
// they differ. Entries of images that nobody else holds go at the next
// releaseUnused; a budget bounds the rest, the least recently used first.
class GdiImageCache
{
public:
    // Larger images are not kept: they are rarely drawn twice. Opaque ones
    // drawn at their size are copied from their own pixels; GDI+ takes the
    // rest.
    static constexpr int64_t kMaxImageBytes = 1024 * 1024;
    // The pixel bytes of all entries (the bitmap and the copy each count).
    static constexpr int64_t kBudgetBytes = 16 * 1024 * 1024;
    // Scaled pixels are made in bands of at most this many.
    static constexpr int kBandPixels = 256 * 1024;

    GdiImageCache();
    ~GdiImageCache();
    GdiImageCache(const GdiImageCache&) = delete;
    GdiImageCache& operator=(const GdiImageCache&) = delete;

    // Draws source, which must lie wholly inside the image, into target in
    // the context's logical units; a different size picks the source pixel
    // at each target pixel's top-left corner, as GDI+ does without smoothing.
    // Opaque pixels are copied, others blended over what is there. False,
    // with nothing drawn, when the image is empty, when it has pixels that
    // are not opaque and blend is off or it is too large to keep, when a
    // large image is scaled, or when GDI refuses.
    bool draw(HDC__* dc, const Image& image, const Rect& source, const Rect& target, bool blend);
    // Frees the entries of images that only this cache still holds.
    void releaseUnused();
    // The images kept and the pixel bytes they take.
    int count() const { return static_cast<int>(m_entries.size()); }
    int64_t usedBytes() const;

private:
    struct Entry;

    Entry* entryFor(const Image& image, const Rect& source);
    Entry* find(const Image& image);
    Entry* make(const Image& image);
    void fill(Entry& entry, const Image& image);
    void evict(size_t index);
    void keepWithinBudget(int64_t incoming);
    bool drawUnkept(HDC__* dc, const Image& image, const Rect& source, const Rect& target);
    bool ensureContext();
    bool ensureBand(int width, int height);
    bool drawScaled(HDC__* dc, const Entry& entry, const Rect& source, const Rect& target);
    void selectImage(const Entry& entry);
    bool copy(HDC__* dc, const Rect& target, HDC__* from, const Point& at, bool opaque);

    std::vector<std::unique_ptr<Entry>> m_entries;
    // Two memory contexts, one for the entries' bitmaps and one for the
    // band: selecting a bitmap into a context costs more under Wine than
    // drawing a small cell, so each bitmap stays selected while it can.
    HDC__* m_imageDc = nullptr;
    HDC__* m_bandDc = nullptr;
    void* m_imageDcBitmap = nullptr;
    void* m_bandDcBitmap = nullptr;
    HBITMAP__* m_selected = nullptr;
    uint64_t m_clock = 0;
    // The band that scaled pixels are made in, and the source column of
    // each target column.
    HBITMAP__* m_band = nullptr;
    uint32_t* m_bandBits = nullptr;
    int m_bandWidth = 0;
    int m_bandHeight = 0;
    std::vector<int> m_columns;
};
