#include "foundation/platform/Screen.h"

// The native build has no display: no monitor gives information.

Rect Screen::primaryRect(bool)
{
    return Rect();
}

Rect Screen::virtualDesktopRect()
{
    return Rect();
}
