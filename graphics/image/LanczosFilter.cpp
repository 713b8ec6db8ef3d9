#include "graphics/image/LanczosFilter.h"

#include <cmath>

namespace {
const float kPi = 3.14159265358979f;
}

float LanczosFilter::value(float x) const
{
    const float t = std::fabs(x);
    if (t > radius())
        return 0;
    return sinc(t) * sinc(t / radius());
}

float LanczosFilter::sinc(float x) const
{
    if (x == 0)
        return 1;
    const float px = kPi * x;
    return std::sin(px) / px;
}
