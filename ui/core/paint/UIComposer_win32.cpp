#include "ui/core/paint/UIComposer.h"
#include "ui/core/widget/UIWidget.h"

Region UIComposer::exposedRegion(const UIWidget* widget)
{
    Region region(widget->rect());
    for (const UIWidget* child : widget->children()) {
        if (child->isWindow() || child->testFlag(UIWidget::kTransparent))
            continue;
        const Point at = child->scrolledPos();
        region = region.subtracted(Region(Rect(at.x, at.y, child->width(), child->height())));
    }
    return region;
}
