#include "app/views/ViewZoom.h"

#include <algorithm>
#include <cmath>

namespace {

// Cut to a whole pixel, less a thousandth: under x87 arithmetic 0.7 x 30 +
// 24 stays 44.99999..., where SSE rounds it to 45, and the same slider
// position would give different rows.
int wholePixels(float value)
{
    return static_cast<int>(value + 0.001f);
}

} // namespace

namespace viewzoom {

float clamped(float zoom)
{
    if (std::isnan(zoom))
        return 0.0f;
    return std::min(1.0f, std::max(0.0f, zoom));
}

float fromSlider(int value, int minimum, int maximum)
{
    int range = maximum - minimum;
    return range > 0 ? clamped(static_cast<float>(value) / static_cast<float>(range)) : 0.0f;
}

int sliderValue(float zoom)
{
    return static_cast<int>(std::lround(clamped(zoom) * 100.0f));
}

int rowHeight(float zoom)
{
    return wholePixels(clamped(zoom) * 30.0f + 24.0f);
}

Size imageCellSize(float zoom)
{
    float side = clamped(zoom) * 155.0f + 65.0f;
    return Size(wholePixels(0.75f * side), wholePixels(side));
}

float cameraDistance(float zoomedOut, float zoomedIn, float zoom)
{
    return zoomedOut - (zoomedOut - zoomedIn) * clamped(zoom);
}

} // namespace viewzoom
