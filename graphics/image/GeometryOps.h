#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"

// Size and Rect operations that image scaling and compositing need. The other
// side of a scaled size is rounded half away from zero, in single precision.

// The empty Size when a side of the size or the new width is below 1, or when
// the other side would not fit an int.
Size scaledSizeToWidth(const Size& size, int width);
Size scaledSizeToHeight(const Size& size, int height);
// Scaled to the bound's width, or to its height when that is too high.
Size scaledSizeToFit(const Size& size, const Size& bound);
// The overlap of two rectangles; the empty Rect when they do not meet (an
// overlap of width or height 0 is returned as such).
Rect intersectedRect(const Rect& a, const Rect& b);
