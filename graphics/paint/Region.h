#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"

class Image;
// The GDI region handle type, as the Windows headers declare it.
struct HRGN__;

// A shared handle to a GDI region: the painter's clip and the UI's window
// shapes. Copies share one handle through a counter; the last one deletes it.
// Operations that build a region return a new one and leave their operands.
class Region
{
public:
    // Empty, without a handle.
    Region();
    Region(int x, int y, int width, int height);
    explicit Region(const Rect& rect);
    // The pixels of a 32-bit mask that are not opaque black. Any other image
    // gives an empty region.
    explicit Region(const Image& mask);
    static Region RegionFromRect(const Rect& rect) { return Region(rect); }
    Region& assign(const Region& other) { return *this = other; }
    Region(const Region& other);
    Region& operator=(const Region& other);
    ~Region();

    HRGN__* handle() const { return m_handle; }
    // The empty Rect for the empty region.
    Rect boundingRect() const;
    // No handle, or a bounding box narrower or lower than one pixel.
    bool isEmpty() const;
    bool contains(const Point& point) const;
    bool intersects(const Rect& rect) const;
    // Moves the shared handle: every Region sharing it moves too.
    void translate(int dx, int dy);

    Region united(const Region& other) const;
    Region intersected(const Region& other) const;
    Region subtracted(const Region& other) const;
    Region xored(const Region& other) const;
    // A new region handle combining a and b by a CombineRgn mode (RGN_OR,
    // RGN_AND, RGN_DIFF, RGN_XOR); a null handle counts as
    // an empty region. Null when GDI fails. The caller owns the result.
    static HRGN__* combine(HRGN__* a, HRGN__* b, int mode);

    // Two empty regions are equal; an empty one never equals a non-empty one.
    bool operator==(const Region& other) const;
    bool operator!=(const Region& other) const { return !(*this == other); }

private:
    // Takes over a handle (null makes the empty region).
    void adopt(HRGN__* handle);
    void release();
    // Frees a handle once its last holder lets go; per platform.
    static void destroyHandle(HRGN__* handle);

    HRGN__* m_handle = nullptr;
    int* m_count = nullptr;
};
