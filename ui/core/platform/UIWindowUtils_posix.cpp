#include "ui/core/platform/UIWindowUtils.h"

// Natively there are no system windows: the widget core's hot-key calls find
// none.

bool UIWindowUtils::isWindow(void*)
{
    return false;
}

bool UIWindowUtils::registerHotKey(void*, const HotKeyShortcut&)
{
    return false;
}

bool UIWindowUtils::unregisterHotKey(void*, int)
{
    return false;
}
