#pragma once

#include "graphics/paint/Brush.h"
#include "graphics/paint/Pen.h"

// The colour sets a text document paints with: a text pen and a background
// brush for each state.
class UITextStyle
{
public:
    struct ColorSet
    {
        Pen pen;
        Brush brush;
    };

    // Black on nothing, white on black when selected, the default pen and
    // brush for an unfocused selection, grey on nothing when disabled or
    // read-only.
    static UITextStyle defaults();

    ColorSet normal;
    ColorSet selected;
    ColorSet unfocusedSelected;
    ColorSet disabled;
    ColorSet readOnly;
};
