#include "foundation/platform/Screen.h"
#include "ui/widgets/UIWorkArea.h"

Rect UIWorkArea::systemAreaAt(const Point& point)
{
    return Screen::rectAt(point, true);
}
