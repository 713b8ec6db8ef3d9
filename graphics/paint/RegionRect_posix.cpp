// The native build has no GDI regions. So that the painter's clip can be
// tested there, a Region is a single rectangle on this side, with only what
// the painter uses; everything else about regions is in the Windows build.
#include "graphics/paint/Region.h"

struct HRGN__
{
    Rect box;
};

Region::Region() = default;

Region::Region(int x, int y, int width, int height)
{
    adopt(new HRGN__{Rect(x, y, width < 0 ? 0 : width, height < 0 ? 0 : height)});
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
    m_handle = handle;
    m_count = new int(1);
}

void Region::release()
{
    if (m_count && --*m_count == 0) {
        delete m_handle;
        delete m_count;
    }
    m_handle = nullptr;
    m_count = nullptr;
}

Rect Region::boundingRect() const
{
    return m_handle ? m_handle->box : Rect();
}

bool Region::isEmpty() const
{
    return boundingRect().isEmpty();
}

bool Region::operator==(const Region& other) const
{
    const bool empty = isEmpty();
    const bool otherEmpty = other.isEmpty();
    if (empty || otherEmpty)
        return empty == otherEmpty;
    return boundingRect() == other.boundingRect();
}
