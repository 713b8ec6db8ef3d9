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

    // The same aspect ratio, the other side rounded half away from zero in
    // single precision. The empty Size when a side of this size or the new
    // side is below 1, or when the other side would not fit an int.
    Size scaledToWidth(int newWidth) const;
    Size scaledToHeight(int newHeight) const;
    // The largest size of the same aspect ratio inside the bound.
    Size scaledToFit(const Size& bound) const;

    bool operator==(const Size& other) const { return !notEquals(other); }
    bool operator!=(const Size& other) const { return notEquals(other); }
};
