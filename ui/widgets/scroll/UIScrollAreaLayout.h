#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"

// The scroll area's decisions as a pure function: which bars show, their
// ranges, and where the viewport, the bars and the corner go, from the
// content size, the area size, the bars' size hints and the two policies
// (0 never, 1 always, 2 when needed). A bar that does not fit in the area
// never shows, whatever its policy. Content exactly as large as the area
// needs no bar; a bar that shows narrows the other direction, which may then
// need its own.
struct UIScrollAreaLayout
{
    static constexpr int kNever = 0;
    static constexpr int kAlways = 1;
    static constexpr int kWhenNeeded = 2;

    struct Input
    {
        Size content;
        Size area;
        Size verticalHint;
        Size horizontalHint;
        int horizontalPolicy = kWhenNeeded;
        int verticalPolicy = kWhenNeeded;
    };

    bool verticalFits = false;
    bool horizontalFits = false;
    bool verticalShown = false;
    bool horizontalShown = false;
    // The bars' maxima; meaningful for a bar that fits.
    int verticalMaximum = 0;
    int horizontalMaximum = 0;
    Rect viewport;
    Rect verticalBar;
    Rect horizontalBar;
    Rect corner;

    static UIScrollAreaLayout compute(const Input& in);

private:
    void decide(const Input& in);
    void place(const Input& in);
};
