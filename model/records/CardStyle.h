#pragma once

#include "foundation/text/String.h"
#include "graphics/color/Color.h"

#include <cstdint>

// How one movie's card looks. A colour with alpha 0, an empty font family
// and a font size of 0 each leave the view's default in force.
struct CardStyle
{
    Color backgroundColor;
    // An image file name in the collection's "Images" folder.
    String backgroundImage;
    Color textColor;
    Color titleColor;
    Color linkColor;
    String fontFamily;
    // Pixels.
    int32_t fontSize = 0;
};
