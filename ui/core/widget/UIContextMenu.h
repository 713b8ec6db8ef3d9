#pragma once

#include "foundation/geometry/Point.h"

// A widget's context menu as the widget core sees it; the menu widget
// implements it. The widget owns it and deletes it through this base.
class UIContextMenu
{
public:
    virtual ~UIContextMenu() = default;
    virtual void popup(const Point& globalPos) = 0;
    // The menu's own native window, null while it has none. The tray icon pops
    // its menu up only while this window is enabled.
    virtual void* windowHandle() const { return nullptr; }
};
