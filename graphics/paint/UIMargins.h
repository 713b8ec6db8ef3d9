#pragma once

#include <cstdint>

// Four signed distances, as the UI toolkit keeps margins. Defined here until
// the toolkit's own layout code takes it over.
struct UIMargins
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    UIMargins() = default;
    UIMargins(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}

    // Copies the four values unless other is this same object.
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

    bool operator==(const UIMargins& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const UIMargins& other) const { return !(*this == other); }
};
