#pragma once

#include <cstdint>

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Size.h"

// A rectangle {x, y, width, height} in pixels; the empty Rect is all zero.
// Edge arithmetic is done in 64 bits and saturates, so hostile sizes from a
// skin or a file cannot overflow.
struct Rect
{
    // Alignment flags for align(); 0 means top-left.
    static constexpr int kAlignLeft = 1;
    static constexpr int kAlignRight = 2;
    static constexpr int kAlignTop = 4;
    static constexpr int kAlignBottom = 8;
    static constexpr int kAlignVCenter = 16;
    static constexpr int kAlignHCenter = 32;

    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    Rect() = default;
    Rect(int32_t rx, int32_t ry, int32_t rwidth, int32_t rheight)
        : x(rx), y(ry), width(rwidth), height(rheight)
    {
    }

    bool isEmpty() const { return width < 1 || height < 1; }
    Point topLeft() const { return Point(x, y); }
    Size size() const { return Size(width, height); }
    // {x + width / 2, y + height / 2}, the divisions truncating toward zero.
    Point center() const;
    // x <= px < x + width and y <= py < y + height.
    bool contains(const Point& point) const;
    // The other lies wholly inside; edges may coincide.
    bool containsRect(const Rect& other) const;
    // A rectangle of size's width and height placed inside this one by the
    // alignment flags. Unless overflow is allowed, a size wider or taller than
    // this Rect is pinned to the left or top edge.
    Rect align(const Rect& size, int flags, bool overflowAllowed = false) const;
    // The overlap; the empty Rect when they do not meet (an overlap of width
    // or height 0 is returned as such).
    Rect intersected(const Rect& other) const;
    Rect adjusted(int32_t dx1, int32_t dy1, int32_t dx2, int32_t dy2) const;
    // Move the left (top) edge and keep the right (bottom) edge; the width
    // (height) never drops below 0.
    void setLeft(int32_t newX);
    void setTop(int32_t newY);

    bool operator==(const Rect& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};
