#pragma once

#include <cstdint>

// The cut of one skin frame: three column widths, three row heights and the
// frame's size. A grid without parts (left 0) draws its frames whole.
struct UISkinGrid
{
    // Larger parts come only from damaged skins; keeping every part below this
    // keeps the sums and the drawing arithmetic inside int.
    static constexpr int32_t kMaxPart = 65535;

    int32_t left = 0;
    int32_t centre = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t middle = 0;
    int32_t bottom = 0;
    int32_t width = 0;
    int32_t height = 0;

    // The six parts, each clamped to 0..kMaxPart; the size is their sums.
    static UISkinGrid fromParts(int32_t left, int32_t centre, int32_t right, int32_t top, int32_t middle,
                                int32_t bottom);
    // A frame size alone (no nine-slice), clamped like the parts.
    static UISkinGrid fromSize(int32_t width, int32_t height);

    bool hasParts() const { return left >= 1; }
    bool operator==(const UISkinGrid& other) const;
    bool operator!=(const UISkinGrid& other) const { return !(*this == other); }
};
