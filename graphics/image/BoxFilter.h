#pragma once

#include "graphics/image/ResampleFilter.h"

// Averages the source pixels that fall within half a pixel.
class BoxFilter : public ResampleFilter
{
public:
    BoxFilter() : ResampleFilter(0.5f) {}
    float value(float x) const override;
};
