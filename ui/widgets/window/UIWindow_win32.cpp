#include "ui/widgets/window/UIWindow.h"

void UIWindow::setVisible(bool visible)
{
    if (visible)
        showPlaced();
    else
        UIWidget::setVisible(false);
}
