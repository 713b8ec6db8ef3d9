#include "graphics/paint/Region.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

HRGN emptyRegion()
{
    return CreateRectRgn(0, 0, 0, 0);
}

} // namespace

Region::Region() = default;

Region::Region(int x, int y, int width, int height)
{
    adopt(CreateRectRgn(x, y, x + width, y + height));
}

Region::Region(const Rect& rect) : Region(rect.x, rect.y, rect.width, rect.height) {}

Region::Region(const Region& other) : m_handle(other.m_handle), m_count(other.m_count)
{
    if (m_count)
        ++*m_count;
}

Region& Region::operator=(const Region& other)
{
    if (this == &other || m_handle == other.m_handle)
        return *this;
    release();
    m_handle = other.m_handle;
    m_count = other.m_count;
    if (m_count)
        ++*m_count;
    return *this;
}

Region::~Region()
{
    release();
}

void Region::adopt(HRGN__* handle)
{
    if (!handle)
        return;
    m_handle = handle;
    m_count = new int(1);
}

void Region::release()
{
    if (m_count && --*m_count == 0) {
        DeleteObject(m_handle);
        delete m_count;
    }
    m_handle = nullptr;
    m_count = nullptr;
}

Rect Region::boundingRect() const
{
    RECT box;
    if (!m_handle || GetRgnBox(m_handle, &box) == ERROR)
        return Rect();
    return Rect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

bool Region::isEmpty() const
{
    return boundingRect().isEmpty();
}

bool Region::contains(const Point& point) const
{
    return m_handle && PtInRegion(m_handle, point.x, point.y);
}

bool Region::intersects(const Rect& rect) const
{
    if (!m_handle)
        return false;
    const RECT r = {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    return RectInRegion(m_handle, &r) != FALSE;
}

void Region::translate(int dx, int dy)
{
    if (m_handle)
        OffsetRgn(m_handle, dx, dy);
}

HRGN__* Region::combine(HRGN__* a, HRGN__* b, int mode)
{
    HRGN result = emptyRegion();
    if (!result)
        return nullptr;
    // GDI refuses null operands; an absent region is an empty one.
    HRGN emptyA = a ? nullptr : emptyRegion();
    HRGN emptyB = b ? nullptr : emptyRegion();
    const int outcome = CombineRgn(result, a ? a : emptyA, b ? b : emptyB, mode);
    if (emptyA)
        DeleteObject(emptyA);
    if (emptyB)
        DeleteObject(emptyB);
    if (outcome == ERROR) {
        DeleteObject(result);
        return nullptr;
    }
    return result;
}

Region Region::united(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_OR));
    return result;
}

Region Region::intersected(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_AND));
    return result;
}

Region Region::subtracted(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_DIFF));
    return result;
}

Region Region::xored(const Region& other) const
{
    Region result;
    result.adopt(combine(m_handle, other.m_handle, RGN_XOR));
    return result;
}

bool Region::operator==(const Region& other) const
{
    const bool empty = isEmpty();
    const bool otherEmpty = other.isEmpty();
    if (empty || otherEmpty)
        return empty == otherEmpty;
    return EqualRgn(m_handle, other.m_handle) != FALSE;
}
