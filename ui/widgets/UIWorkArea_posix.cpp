#include "ui/widgets/UIWorkArea.h"

// The native build has no monitors: popups stay where they are asked to go.
Rect UIWorkArea::systemAreaAt(const Point&)
{
    return Rect();
}
