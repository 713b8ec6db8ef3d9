#pragma once

#include <cstdint>

// A position {x, y} in pixels.
struct Point
{
    int32_t x = 0;
    int32_t y = 0;

    Point() = default;
    Point(int32_t px, int32_t py) : x(px), y(py) {}

    Point& assign(const Point& other)
    {
        if (this != &other) {
            x = other.x;
            y = other.y;
        }
        return *this;
    }

    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Point& other) const { return !(*this == other); }
};
