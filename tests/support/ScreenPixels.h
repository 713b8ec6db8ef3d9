#pragma once

// Windows tests only: what the screen shows inside a window or widget's
// dumped rectangle.
#include "foundation/data/JsonValue.h"

#include <windows.h>

namespace testsupport {

// How many pixels of the screen inside the rectangle [left, top, width,
// height] are the colour, a little either way for the edges a scaled
// picture blends.
int screenPixelsOf(const JsonValue& rect, COLORREF colour);

} // namespace testsupport
