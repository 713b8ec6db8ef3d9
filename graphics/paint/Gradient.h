#pragma once

#include "foundation/containers/Array.h"
#include "graphics/color/Color.h"

#include <cstdint>

// A colour gradient: stops of a colour and a position from 0 (start) to 1
// (end), in the order they were added.
class Gradient
{
public:
    // Runs from top to bottom; any other type runs from left to right.
    static constexpr uint32_t kVertical = 1;

    explicit Gradient(uint32_t type) : m_type(type) {}

    uint32_t type() const { return m_type; }
    void setType(uint32_t type) { m_type = type; }

    int count() const { return m_colors.count(); }
    bool isEmpty() const { return m_colors.isEmpty(); }
    // Not checked: index must be below count().
    const Color& colorAt(int index) const { return m_colors[index]; }
    const Array<Color>& colors() const { return m_colors; }
    const Array<float>& positions() const { return m_positions; }

    void addStop(const Color& color, float position);
    // Replaces every stop and spaces the colours evenly from 0 to 1.
    void setColors(const Array<Color>& colors);

    // The opaque colour of each of length lines across the gradient. Each pair
    // of neighbouring stops gets its share of the lines by their distance, the
    // last pair whatever is left; a line k of n in a pair runs from the first
    // colour towards the second. Stops out of order or outside 0..1 never give
    // more lines than length, and a single stop gives its colour throughout.
    // Empty without stops, for a length below 1 or when memory runs out.
    Array<Color> lineColors(int length) const;

    // Same type and equal stops. Gradients without stops are never equal, so
    // a plain solid brush always counts as a change.
    bool operator==(const Gradient& other) const;
    bool operator!=(const Gradient& other) const { return !(*this == other); }

private:
    uint32_t m_type;
    Array<Color> m_colors;
    Array<float> m_positions;
};
