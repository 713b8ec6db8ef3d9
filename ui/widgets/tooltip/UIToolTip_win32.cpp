#include "foundation/platform/Input.h"
#include "foundation/platform/Screen.h"
#include "ui/widgets/tooltip/UIToolTip.h"

#include <windows.h>

uint32_t UIToolTip::pressedButtons()
{
    return Input::mouseButtons();
}

Rect UIToolTip::monitorRectAt(const Point& point)
{
    return Screen::rectAt(point, false);
}

Rect UIToolTip::fittedRect(const Rect& popup, const Point& anchor, const UIMargins& margins, int offset)
{
    return Screen::fitRect(popup, anchor, margins.left, margins.top, margins.right, margins.bottom, offset,
                           true);
}

bool UIToolTip::dropShadowEnabled()
{
    BOOL on = FALSE;
    return SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &on, 0) && on;
}

void UIToolTip::roundWindow(void* handle, const Size& size, int diameter)
{
    HWND window = static_cast<HWND>(handle);
    if (!window)
        return;
    // The region's right and bottom edges are exclusive; the window owns it.
    HRGN region = diameter > 0 ? CreateRoundRectRgn(0, 0, size.width + 1, size.height + 1, diameter, diameter)
                               : nullptr;
    if (!SetWindowRgn(window, region, TRUE) && region)
        DeleteObject(region);
}
