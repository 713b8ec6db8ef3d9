#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Size.h"
#include "graphics/color/Color.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"

class String;

// The parsers of style property values, as the skin's models write them.
// None fails: text they cannot read gives the invisible or zero default, so a
// slip in a skin shows as a missing colour, never as a crash.

// A decimal integer after optional white space and sign; 0 when there is none.
int parseStyleInt(const String& text);
// A decimal number with either '.' or ',' as the point.
float parseStyleFloat(const String& text);
// "family,size,style": "default" keeps the family; "N%" scales the default
// size, a plain number is written for a 12-point default; "bold" and
// "underline" add to the style. Any other shape gives the default font.
FontDesc parseStyleFont(const String& text);
// "r,g,b" (opaque) or "a,r,g,b", each clamped to 0..255, or a packed decimal
// 0xAARRGGBB value; anything else is transparent white.
Color parseStyleColor(const String& text);
// "left,top,right,bottom", or one integer for all four.
UIMargins parseStyleMargins(const String& text);
UIMargins parseStyleItemMargins(const String& text);
// "x,y"; anything else is (0, 0).
Point parseStylePoint(const String& text);
// "width,height", or one integer for both.
Size parseStyleSize(const String& text);
// A solid one-pixel pen of the colour.
Pen parseStylePen(const String& text);
// A colour, or colours joined by "|" for a vertical gradient.
Brush parseStyleBrush(const String& text);
