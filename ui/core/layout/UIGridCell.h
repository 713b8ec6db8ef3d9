#pragma once

#include <cstdint>

// One child's place in its parent's grid. The width and height start as the
// child's effective size hint; the span adjustment and the distribution of
// an area change them into the size the child is offered.
struct UIGridCell
{
    int32_t width = 0;
    int32_t height = 0;
    int32_t row = 0;
    int32_t column = 0;
    int32_t columnSpan = 1;
    int32_t rowSpan = 1;
    // The child's size policy in the fill direction is Expanding.
    uint8_t expanding = 0;
    // The child's size policy in the fill direction is not Fixed.
    uint8_t flexible = 0;
};
