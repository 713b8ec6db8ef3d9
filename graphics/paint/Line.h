#pragma once

#include <cstdint>

// A line from (x1, y1) to (x2, y2); devices leave out the end point.
struct Line
{
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;

    Line() = default;
    Line(int32_t ax, int32_t ay, int32_t bx, int32_t by) : x1(ax), y1(ay), x2(bx), y2(by) {}

    bool operator==(const Line& other) const
    {
        return x1 == other.x1 && y1 == other.y1 && x2 == other.x2 && y2 == other.y2;
    }
    bool operator!=(const Line& other) const { return !(*this == other); }
};
