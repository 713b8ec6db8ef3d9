#include "graphics/image/CatmullRomFilter.h"

#include <cmath>

float CatmullRomFilter::value(float x) const
{
    const float t = std::fabs(x);
    if (t < 1)
        return (3 * t * t * t - 5 * t * t + 2) / 2;
    if (t < 2)
        return (-t * t * t + 5 * t * t - 8 * t + 4) / 2;
    return 0;
}
