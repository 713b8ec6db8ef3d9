#include "ui/views/scene/Ray.h"

#include <cmath>

namespace {

// The side of the 2D edge (p, q) that r lies on.
float edgeSide(float px, float py, float qx, float qy, float rx, float ry)
{
    return (qx - px) * (ry - py) - (qy - py) * (rx - px);
}

// Inside the triangle, tested in the coordinate plane that drops the normal's
// largest component so the projection never degenerates.
bool insideTriangle(const Vec3& n, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& p)
{
    float ax = std::fabs(n.x);
    float ay = std::fabs(n.y);
    float az = std::fabs(n.z);
    auto u = [&](const Vec3& v) { return (ax >= ay && ax >= az) ? v.y : v.x; };
    auto w = [&](const Vec3& v) { return (az >= ax && az >= ay) ? v.y : v.z; };
    float s0 = edgeSide(u(a), w(a), u(b), w(b), u(p), w(p));
    float s1 = edgeSide(u(b), w(b), u(c), w(c), u(p), w(p));
    float s2 = edgeSide(u(c), w(c), u(a), w(a), u(p), w(p));
    return (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
}

} // namespace

bool Ray::hitPlane(const Vec3& a, const Vec3& b, const Vec3& c, Vec3& point) const
{
    Vec3 n = b.subtract(a).cross(c.subtract(b)).normalize();
    float facing = n.dot(direction);
    if (!(facing < 0.0f))
        return false;
    float ahead = n.dot(a.subtract(origin));
    if (ahead > 0.0f)
        return false;
    point = origin.add(direction.scale(ahead / facing));
    return true;
}

bool Ray::hitTriangle(const Vec3& a, const Vec3& b, const Vec3& c, Vec3& point) const
{
    Vec3 onPlane;
    if (!hitPlane(a, b, c, onPlane))
        return false;
    onPlane = onPlane.snapTinyToZero();
    Vec3 n = b.subtract(a).cross(c.subtract(b));
    if (!insideTriangle(n, a, b, c, onPlane))
        return false;
    point = onPlane;
    return true;
}

bool Ray::hitsTriangle(const Vec3& a, const Vec3& b, const Vec3& c) const
{
    Vec3 ignored;
    return hitTriangle(a, b, c, ignored);
}
