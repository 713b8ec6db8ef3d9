#pragma once

#include "ui/views/scene/Vec3.h"

// A pick ray. Only a triangle facing the ray can be hit: its corners, seen
// from the origin, run clockwise (y up, left-handed).
struct Ray
{
    Vec3 origin;
    Vec3 direction;

    Ray() = default;
    Ray(const Vec3& o, const Vec3& d) : origin(o), direction(d) {}

    bool hitsTriangle(const Vec3& a, const Vec3& b, const Vec3& c) const;
    // As hitsTriangle, giving the hit point.
    bool hitTriangle(const Vec3& a, const Vec3& b, const Vec3& c, Vec3& point) const;
    // Where the ray meets the triangle's plane, under the same facing rule;
    // false when it does not (then point is left as it was).
    bool hitPlane(const Vec3& a, const Vec3& b, const Vec3& c, Vec3& point) const;
};
