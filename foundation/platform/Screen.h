#pragma once

#include "foundation/containers/Array.h"
#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"

// Monitors and the display. A monitor's rectangle is its full area or, with
// workArea, the part not taken by task bars. Where a monitor gives no
// information the result is the empty Rect.
class Screen
{
public:
    // Space kept free along each edge of an area.
    struct Margins
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    static Rect primaryRect(bool workArea);
    static int monitorCount();
    // The enumeration index of the primary monitor; -1 when none is found.
    static int primaryMonitorIndex();
    static Rect monitorRect(int index, bool workArea);
    static Rect rectAt(int x, int y, bool workArea);
    static Rect rectAt(const Point& point, bool workArea) { return rectAt(point.x, point.y, workArea); }
    static Rect rectOfWindow(void* window, bool workArea);
    static String monitorName(int index);
    static Array<Rect> monitorRects(bool workArea);
    // The bounding box of all monitors, which always includes the origin.
    static Rect virtualDesktopRect();

    // Places a popup inside the work area of the monitor under the anchor;
    // see fitInArea. The popup is returned unchanged when there is no such
    // monitor.
    static Rect fitRect(const Point& anchor, const Rect& popup, const Margins& margins, int offset,
                        bool flip);
    // The same with the popup first and the margins one by one, as the
    // toolkit passes them.
    static Rect fitRect(const Rect& popup, const Point& anchor, int left, int top, int right, int bottom,
                        int offset, bool flip)
    {
        return fitRect(anchor, popup, Margins{left, top, right, bottom}, offset, flip);
    }
    // The popup rule within a known area (already shrunk by the margins):
    // pulled inside horizontally; one that passes the bottom moves up to end
    // at the area's bottom, or with flip at its own former top, less offset
    // plus 1; one above the top moves to the top, or with flip below its
    // former place by its own height, plus offset. The size never changes; an
    // empty area gives the popup unchanged.
    static Rect fitInArea(const Rect& area, const Rect& popup, int offset, bool flip);
    // A Rect of rect's size aligned (Rect::align flags, overflow allowed) in
    // the work area of the monitor at its top-left corner, less the margins.
    // A Rect without area gives the empty Rect; no monitor there gives rect.
    static Rect alignOnMonitor(const Rect& rect, const Margins& margins, int alignment);
    static Rect alignInArea(const Rect& area, const Rect& rect, int alignment);
    static Rect shrink(const Rect& area, const Margins& margins);

    // The highest refresh rate among the display modes of that size; 0 for
    // none or for sizes below 1.
    static int maxRefreshRate(int width, int height);
    static int bitsPerPixel();
    static bool isScreenSaverActive();
};
