#pragma once

#include <cstdint>

// Space kept free inside a widget around its children, and the padding
// values of the widget classes' styles.
struct UIMargins
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // Copies all four; assigning a value to itself leaves it alone.
    UIMargins& assign(const UIMargins& other)
    {
        if (this != &other) {
            left = other.left;
            top = other.top;
            right = other.right;
            bottom = other.bottom;
        }
        return *this;
    }
};
