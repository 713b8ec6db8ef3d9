#include "ui/views/scene/Frustum.h"

#include <cmath>

namespace {

// Column i plus sign times column j, scaled so that (a, b, c) is a unit normal.
Plane combine(const Matrix4& matrix, int j, float sign)
{
    const auto& m = matrix.m;
    Plane p;
    p.a = m[0][3] + sign * m[0][j];
    p.b = m[1][3] + sign * m[1][j];
    p.c = m[2][3] + sign * m[2][j];
    p.d = m[3][3] + sign * m[3][j];
    float size = std::sqrt(p.a * p.a + p.b * p.b + p.c * p.c);
    if (size > 0.0f) {
        p.a /= size;
        p.b /= size;
        p.c /= size;
        p.d /= size;
    }
    return p;
}

} // namespace

Frustum Frustum::fromMatrix(const Matrix4& matrix)
{
    Frustum f;
    f.m_planes[0] = combine(matrix, 0, 1.0f);
    f.m_planes[1] = combine(matrix, 0, -1.0f);
    f.m_planes[2] = combine(matrix, 1, -1.0f);
    f.m_planes[3] = combine(matrix, 1, 1.0f);
    f.m_planes[4] = combine(matrix, 2, -1.0f);
    f.m_planes[5] = combine(matrix, 2, 1.0f);
    return f;
}

bool Frustum::contains(const Vec3& point) const
{
    for (const Plane& plane : m_planes) {
        if (!(plane.distanceTo(point) > 0.0f))
            return false;
    }
    return true;
}
