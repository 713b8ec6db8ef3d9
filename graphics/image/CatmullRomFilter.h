#pragma once

#include "graphics/image/ResampleFilter.h"

// The interpolating cubic that keeps edges crisp; cover thumbnails use it.
class CatmullRomFilter : public ResampleFilter
{
public:
    CatmullRomFilter() : ResampleFilter(2.0f) {}
    float value(float x) const override;
};
