#pragma once

#include "ui/views/scene/Matrix4.h"
#include "ui/views/scene/Plane.h"

// The six planes bounding what a camera sees, normals pointing inward.
class Frustum
{
public:
    // From a view x projection matrix.
    static Frustum fromMatrix(const Matrix4& matrix);

    // Strictly in front of all six planes: a point on a plane is outside.
    bool contains(const Vec3& point) const;

    const Plane& left() const { return m_planes[0]; }
    const Plane& right() const { return m_planes[1]; }
    const Plane& top() const { return m_planes[2]; }
    const Plane& bottom() const { return m_planes[3]; }
    const Plane& far() const { return m_planes[4]; }
    const Plane& near() const { return m_planes[5]; }

private:
    Plane m_planes[6];
};
