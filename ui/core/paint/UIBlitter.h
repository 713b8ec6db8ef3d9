#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"

#include <vector>

class PaintTarget;

// The pixel copies of the back buffer: between surfaces in memory, and from
// a surface to a window's client area on the screen.
class UIBlitter
{
public:
    // Copies target's width and height from `from` at source to `to` at
    // target's corner, cut to both surfaces.
    static void copy(const PaintTarget& from, const Point& source, PaintTarget& to, const Rect& target);
    // Copies from the surface at source to the window's client area at
    // target, with the surface's world transform set aside for the copy.
    // False when nothing reached the screen.
    static bool toScreen(void* windowHandle, const PaintTarget& from, const Point& source,
                         const Rect& target);
    // Inverts rect on the screen, only inside area and outside the holes
    // (window coordinates).
    static bool invertOnScreen(void* windowHandle, const Rect& rect, const Rect& area,
                               const std::vector<Rect>& holes);
    // A locked workstation or a secure desktop: screen copies would fail.
    static bool isInputDesktopUnavailable();
    // The copies to the screen tried so far (past every early exit), for
    // counting in tests and measurements.
    static int screenCopyCount() { return s_screenCopies; }

    // Cuts a copy of target's size from source to both surfaces' rectangles;
    // false when nothing is left.
    static bool clipCopy(const Rect& fromRect, Point* source, const Rect& toRect, Rect* target);

private:
    static inline int s_screenCopies = 0;
};
