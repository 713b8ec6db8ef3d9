// The native build has no GDI regions. So that the painter's clip can be
// tested there, a Region is a single rectangle on this side, with only what
// the painter uses; everything else about regions is in the Windows build.
#include "graphics/paint/Region.h"

struct HRGN__
{
    Rect box;
};

Region::Region(int x, int y, int width, int height)
{
    adopt(new HRGN__{Rect(x, y, width < 0 ? 0 : width, height < 0 ? 0 : height)});
}


void Region::destroyHandle(HRGN__* handle)
{
    delete handle;
}

Rect Region::boundingRect() const
{
    return m_handle ? m_handle->box : Rect();
}

bool Region::operator==(const Region& other) const
{
    const bool empty = isEmpty();
    const bool otherEmpty = other.isEmpty();
    if (empty || otherEmpty)
        return empty == otherEmpty;
    return boundingRect() == other.boundingRect();
}
