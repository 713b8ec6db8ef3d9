#include "graphics/image/BoxFilter.h"

#include <cmath>

float BoxFilter::value(float x) const
{
    return std::fabs(x) <= radius() ? 1.0f : 0.0f;
}
