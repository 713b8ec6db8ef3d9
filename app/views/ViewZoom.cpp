#include "app/views/ViewZoom.h"

#include <algorithm>
#include <cmath>

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
    return static_cast<int>(clamped(zoom) * 30.0f + 24.0f);
}

Size imageCellSize(float zoom)
{
    float side = clamped(zoom) * 155.0f + 65.0f;
    return Size(static_cast<int>(0.75f * side), static_cast<int>(side));
}

float cameraDistance(float zoomedOut, float zoomedIn, float zoom)
{
    return zoomedOut - (zoomedOut - zoomedIn) * clamped(zoom);
}

} // namespace viewzoom
