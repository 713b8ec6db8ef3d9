#pragma once

#include "ui/views/scene/Vec3.h"

// a*x + b*y + c*z + d = 0; a point is in front when the sum is above zero.
struct Plane
{
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
    float d = 0.0f;

    float distanceTo(const Vec3& p) const { return a * p.x + b * p.y + c * p.z + d; }
};
