#pragma once

#include <cstdint>

// How a widget takes the space of its cell, one value per direction.
struct UISizePolicy
{
    // Keeps its effective size hint and is aligned in its cell.
    static constexpr int32_t kFixed = 1;
    // Fills its cell; its column or row may take the remainder of extra space.
    static constexpr int32_t kPreferred = 2;
    // Fills its cell; its column or row takes extra space before all others.
    static constexpr int32_t kExpanding = 3;

    int32_t horizontal = kFixed;
    int32_t vertical = kFixed;
};
