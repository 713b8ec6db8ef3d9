#include "ui/core/paint/UIBlitter.h"

bool UIBlitter::clipCopy(const Rect& fromRect, Point* source, const Rect& toRect, Rect* target)
{
    // The source area seen in target coordinates, so one intersection cuts both.
    const int dx = target->x - source->x;
    const int dy = target->y - source->y;
    const Rect fromInTarget(fromRect.x + dx, fromRect.y + dy, fromRect.width, fromRect.height);
    const Rect cut = target->intersected(toRect).intersected(fromInTarget);
    if (cut.isEmpty())
        return false;
    *target = cut;
    *source = Point(cut.x - dx, cut.y - dy);
    return true;
}
