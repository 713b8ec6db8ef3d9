#pragma once

// Contrast of colours as the accessibility guidelines measure it, for the
// tests that keep the skins' and the windows' texts readable. Colours are
// ARGB words.
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace contrastratio {

// top laid over bottom by its alpha; the result is opaque when bottom is.
inline uint32_t over(uint32_t top, uint32_t bottom)
{
    const uint32_t a = top >> 24;
    uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t t = (top >> shift) & 0xFF, b = (bottom >> shift) & 0xFF;
        result |= ((t * a + b * (255 - a) + 127) / 255) << shift;
    }
    return result;
}

inline double luminance(uint32_t rgb)
{
    double sum = 0;
    const double weights[] = {0.0722, 0.7152, 0.2126}; // blue, green, red
    for (int i = 0; i < 3; ++i) {
        const double c = ((rgb >> (8 * i)) & 0xFF) / 255.0;
        sum += weights[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}

// The contrast ratio, 1 to 21.
inline double contrast(uint32_t a, uint32_t b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace contrastratio
