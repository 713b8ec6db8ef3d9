#include "foundation/platform/Input.h"
#include "ui/widgets/window/UIDialog.h"

#include <windows.h>

bool UIDialog::snapsToDefaultButton()
{
    BOOL snap = FALSE;
    return SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &snap, 0) && snap;
}

void UIDialog::moveCursorTo(const Point& globalPosition)
{
    Input::setCursorPos(globalPosition);
}
