#include "ui/widgets/spinbox/UISpinBox.h"

#include "foundation/platform/Screen.h"

int UISpinBox::monitorHeight() const
{
    UIWidget* top = window();
    if (!top || !top->windowHandle())
        return 0;
    return Screen::rectOfWindow(top->windowHandle(), false).height;
}
