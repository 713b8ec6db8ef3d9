#pragma once

#include "graphics/image/ResampleFilter.h"

// The windowed sinc over three lobes: the sharpest of the filters.
class LanczosFilter : public ResampleFilter
{
public:
    LanczosFilter() : ResampleFilter(3.0f) {}
    float value(float x) const override;
    virtual float sinc(float x) const;
};
