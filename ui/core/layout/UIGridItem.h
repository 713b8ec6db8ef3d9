#pragma once

#include "foundation/geometry/Size.h"
#include "ui/core/layout/UISizePolicy.h"

#include <cstdint>

// What the grid needs to know of one child that takes a cell (a visible
// child that is not a window of its own): its effective size hint, which
// already holds its minimum and maximum size, its size policy and its spans
// in the grid. The widget fills one per such child, in child order.
struct UIGridItem
{
    Size hint;
    UISizePolicy sizePolicy;
    int32_t rowSpan = 1;
    int32_t columnSpan = 1;
};
