#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"

#include <vector>

// The floats of one block formatting context: the page, a table cell or a
// float itself. Lines and tables beside a float get the room it leaves.
class HtmlFloatContext
{
public:
    // Beyond this many floats further ones are laid out in the flow, which
    // keeps placing them linear for any page.
    static constexpr int kMaxFloats = 512;

    bool isFull() const { return static_cast<int>(m_floats.size()) >= kMaxFloats; }
    // The free span [left, right) of the containing block [x, x + width) for
    // a band of the given height starting at y.
    void freeSpan(int y, int height, int x, int width, int& left, int& right) const;
    // The top of the first band at or below y where width fits; floats end
    // one after another, so it takes at most one step per float.
    int topWhereFits(int y, int height, int x, int containingWidth, int width) const;
    // Where a float of that margin-box size goes: the top-left corner.
    Point position(int y, int width, int height, bool left, int x, int containingWidth) const;
    void add(const Rect& rect, bool left);
    // The bottom of the floats on the side(s) cleared; y when none lies lower.
    int clearedTop(int y, bool left, bool right) const;
    int bottom() const;

private:
    struct Float
    {
        Rect rect;
        bool left;
    };
    std::vector<Float> m_floats;
};
