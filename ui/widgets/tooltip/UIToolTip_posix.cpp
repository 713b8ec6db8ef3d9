#include "ui/widgets/tooltip/UIToolTip.h"

// The native build has no mouse buttons, monitors or desktop settings of its
// own: the pointer comes from the cursor host, and a popup stays where it is
// asked to go.
uint32_t UIToolTip::pressedButtons()
{
    return 0;
}

Rect UIToolTip::monitorRectAt(const Point&)
{
    return Rect();
}

Rect UIToolTip::fittedRect(const Rect& popup, const Point&, const UIMargins&, int)
{
    return popup;
}

bool UIToolTip::dropShadowEnabled()
{
    return false;
}

void UIToolTip::roundWindow(void*, const Size&, int) {}
