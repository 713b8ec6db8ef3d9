#pragma once

#include "graphics/paint/BitmapSurface.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// Reading a surface's pixels back after drawing. GDI leaves the alpha byte of
// what it draws undefined, so comparisons use red, green and blue only.
inline uint32_t rgbAt(const BitmapSurface& surface, int x, int y)
{
    uint32_t value = 0;
    std::memcpy(&value, surface.bits() + (static_cast<size_t>(y) * surface.width() + x) * 4, 4);
    return value & 0x00FFFFFFu;
}

inline int channel(uint32_t rgb, int shift)
{
    return static_cast<int>((rgb >> shift) & 0xFF);
}

// The largest difference of one channel.
inline int rgbDistance(uint32_t a, uint32_t b)
{
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int d = std::abs(channel(a, shift) - channel(b, shift));
        worst = d > worst ? d : worst;
    }
    return worst;
}

inline void fillWhite(BitmapSurface& surface)
{
    surface.fill(Color(255, 255, 255));
}
