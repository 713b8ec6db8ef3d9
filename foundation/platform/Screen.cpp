#include "foundation/platform/Screen.h"

#include <cstdint>

namespace {

int32_t clampToInt(int64_t value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

} // namespace

Rect Screen::fitInArea(const Rect& area, const Rect& popup, int offset, bool flip)
{
    if (area.isEmpty())
        return popup;
    Rect placed = popup;
    int64_t areaRight = static_cast<int64_t>(area.x) + area.width;
    int64_t areaBottom = static_cast<int64_t>(area.y) + area.height;
    if (placed.x < area.x)
        placed.x = area.x;
    else if (static_cast<int64_t>(placed.x) + placed.width > areaRight)
        placed.x = clampToInt(areaRight - placed.width);

    if (static_cast<int64_t>(popup.y) + popup.height > areaBottom) {
        int64_t end = flip ? popup.y : areaBottom;
        placed.y = clampToInt(end - offset + 1 - popup.height);
    } else if (popup.y < area.y) {
        int64_t start = flip ? static_cast<int64_t>(popup.y) + popup.height : area.y;
        placed.y = clampToInt(start + offset);
    }
    return placed;
}

Rect Screen::alignInArea(const Rect& area, const Rect& rect, int alignment)
{
    return area.align(rect, alignment, true);
}

Rect Screen::shrink(const Rect& area, const Margins& margins)
{
    return area.adjusted(margins.left, margins.top, -margins.right, -margins.bottom);
}
