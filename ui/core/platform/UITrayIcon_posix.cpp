#include "ui/core/platform/UITrayIcon.h"

// Natively there is no notification area, so no menu is a tray icon's; the
// widget core still asks.
bool UITrayIcon::isTrayMenu(const UIContextMenu*)
{
    return false;
}

bool UITrayIcon::isTrayMenuWindow(void*)
{
    return false;
}
