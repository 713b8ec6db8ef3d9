#include "graphics/paint/PaintTarget.h"
#include "ui/core/paint/UIBlitter.h"

#include <cstring>

// Surfaces here are memory only: copies move their pixels row by row. There
// is no screen; the copies to it are only counted.
void UIBlitter::copy(const PaintTarget& from, const Point& source, PaintTarget& to, const Rect& target)
{
    if (!from.bits() || !to.bits() || from.bitsPerPixel() != 32 || to.bitsPerPixel() != 32)
        return;
    Point at = source;
    Rect area = target;
    if (!clipCopy(from.rect(), &at, to.rect(), &area))
        return;
    const size_t fromStride = static_cast<size_t>(from.width()) * 4;
    const size_t toStride = static_cast<size_t>(to.width()) * 4;
    const uint8_t* read =
        from.bits() + static_cast<size_t>(at.y) * fromStride + static_cast<size_t>(at.x) * 4;
    uint8_t* write = to.bits() + static_cast<size_t>(area.y) * toStride + static_cast<size_t>(area.x) * 4;
    for (int row = 0; row < area.height; ++row)
        std::memmove(write + row * toStride, read + row * fromStride, static_cast<size_t>(area.width) * 4);
}

bool UIBlitter::toScreen(void*, const PaintTarget&, const Point&, const Rect&)
{
    ++s_screenCopies;
    return false;
}

bool UIBlitter::invertOnScreen(void*, const Rect&, const Rect&, const std::vector<Rect>&)
{
    ++s_screenCopies;
    return false;
}

bool UIBlitter::isInputDesktopUnavailable()
{
    return false;
}
