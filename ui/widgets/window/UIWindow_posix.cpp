#include "ui/widgets/window/UIWindow.h"

// Natively there are no monitors to place a window on: it shows where it is.
void UIWindow::setVisible(bool visible)
{
    UIWidget::setVisible(visible);
}
