#pragma once

#include "foundation/containers/Array.h"
#include "foundation/geometry/Rect.h"

// The nine source rectangles of one skin frame, in the order of the cell bits
// (top left, top, top right, right, bottom right, bottom, bottom left, left,
// centre).
struct UISkinFrame
{
    Rect cells[9];
};

// Array grows to exactly n on the first request and by min(2n, n + 100000)
// after that, which is how the frame records are meant to grow.
using UISkinFrameArray = Array<UISkinFrame>;
