#pragma once

#include <cstdint>

// An extent {width, height} in pixels; the empty Size is all zero.
struct Size
{
    int32_t width = 0;
    int32_t height = 0;

    Size() = default;
    Size(int32_t w, int32_t h) : width(w), height(h) {}

    bool notEquals(const Size& other) const
    {
        return this != &other && (width != other.width || height != other.height);
    }

    bool operator==(const Size& other) const { return !notEquals(other); }
    bool operator!=(const Size& other) const { return notEquals(other); }
};
