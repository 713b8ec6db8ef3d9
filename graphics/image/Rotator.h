#pragma once

#include "graphics/image/PixelView.h"

#include <cstdint>

// Turns pixels by any angle about the image centre, sampling bicubically.
// Positive angles turn clockwise, as the quarter turn does. Where the turned
// picture does not cover the result, the background colour shows.
class Rotator
{
public:
    // The background is a packed 0xAARRGGBB value.
    explicit Rotator(uint32_t background) : m_background(background) {}

    // The size of the box around the turned source; false when the angle is
    // not a finite number.
    static bool rotatedSize(int width, int height, double degrees, int& rotatedWidth, int& rotatedHeight);

    // The target has the size from rotatedSize and the source's depth.
    void rotate(const PixelView& source, const PixelView& target, double degrees) const;

private:
    void sample(const PixelView& source, double x, double y, uint8_t* out) const;

    uint32_t m_background;
};
