#include "ui/widgets/UIWorkArea.h"

#include <algorithm>

Rect UIWorkArea::at(const Point& point)
{
    const Rect& given = overrideArea();
    return given.isEmpty() ? systemAreaAt(point) : given;
}

void UIWorkArea::setOverride(const Rect& area)
{
    overrideArea() = area;
}

Rect& UIWorkArea::overrideArea()
{
    static Rect area;
    return area;
}

Rect UIWorkArea::keepInside(const Rect& area, const Rect& rect)
{
    if (area.isEmpty())
        return rect;
    Rect placed = rect;
    const int64_t areaRight = int64_t(area.x) + area.width;
    const int64_t areaBottom = int64_t(area.y) + area.height;
    if (int64_t(placed.x) + placed.width > areaRight)
        placed.x = int32_t(areaRight - placed.width);
    if (int64_t(placed.y) + placed.height > areaBottom)
        placed.y = int32_t(areaBottom - placed.height);
    placed.x = std::max(placed.x, area.x);
    placed.y = std::max(placed.y, area.y);
    return placed;
}
