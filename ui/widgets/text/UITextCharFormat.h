#pragma once

#include "graphics/paint/Brush.h"
#include "graphics/paint/Pen.h"

#include <cstdint>

// The colours and font style flags (FontDesc's bold, italic, underline and
// strike-out bits) of one character of a text document.
struct UITextCharFormat
{
    int index = 0;
    Pen pen;
    Brush brush;
    uint32_t styleFlags = 0;
};
