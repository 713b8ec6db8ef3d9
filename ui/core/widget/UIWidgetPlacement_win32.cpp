#include "ui/core/widget/UIWidget.h"

#include "foundation/platform/Screen.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidgetPrivate.h"

#include <algorithm>

namespace {

int desktopPadding()
{
    const UITheme* theme = UIApplication::instance()->theme();
    return theme ? theme->metric(kWindowDesktopPadding) : 0;
}

// Over the parent's window, on the monitor whose work area holds it; false
// when no work area does.
bool placeOverParent(const UIWidget* parentWindow, const Rect& frame, int alignment, Point* position)
{
    Rect parentFrame = parentWindow->frameGeometry();
    Array<Rect> areas = Screen::monitorRects(true);
    for (int i = 0; i < areas.count(); ++i) {
        const Rect& area = areas.at(i);
        if (!area.contains(parentFrame.topLeft()))
            continue;
        int padding = desktopPadding();
        Rect aligned = parentFrame.align(frame, alignment, true);
        Rect inside = Screen::shrink(area, Screen::Margins{padding, padding, padding, padding});
        *position = Screen::fitInArea(inside, aligned, 0, false).topLeft();
        return true;
    }
    return false;
}

} // namespace

// The size is the client's on both sides: the host adds the frame itself.
void UIWidget::showPlaced()
{
    Size hint = effectiveSizeHint();
    resize(std::max(m_width, hint.width), std::max(m_height, hint.height));
    if (d->placement != 0 && m_x == 0 && m_y == 0) {
        Rect frame = frameGeometry();
        UIWidget* parent = parentWindow();
        Point position;
        bool placed = parent && parent->isVisible() && !parent->isMinimized() &&
                      placeOverParent(parent, frame, static_cast<int>(d->placement), &position);
        if (!placed)
            position = Screen::primaryRect(true).align(frame, static_cast<int>(d->placement), true).topLeft();
        move(position.x, position.y);
    }
    setWindowState(0);
    UIWidget::setVisible(true);
}
