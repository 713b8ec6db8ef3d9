#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"

// The work area of the monitor under a point, where popups (menus, balloons,
// message boxes) must stay. The empty Rect when no monitor is there. Tests
// on the native build, which has no monitors, give one with setOverride.
class UIWorkArea
{
public:
    static Rect at(const Point& point);
    // An empty Rect returns to the system's answer.
    static void setOverride(const Rect& area);
    // The rectangle moved, keeping its size, as little as it takes to lie
    // inside the area; one larger than the area keeps its top-left corner on
    // the area's. An empty area leaves it where it is.
    static Rect keepInside(const Rect& area, const Rect& rect);

private:
    static Rect systemAreaAt(const Point& point);
    static Rect& overrideArea();
};
