#pragma once

#include "ui/views/scene/Vec3.h"
#include "ui/views/scene/Vec4.h"

// A row-major 4 x 4 matrix used with row vectors: a point is transformed as
// p * M, with the translation in the fourth row, as Direct3D 9 expects.
struct Matrix4
{
    float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    static Matrix4 identity() { return Matrix4(); }
    static Matrix4 translation(const Vec3& offset);
    static Matrix4 scaling(float x, float y, float z);
    // The rotation of a unit quaternion.
    static Matrix4 fromQuaternion(const Vec4& q);

    // this * other: this transform first, then the other.
    Matrix4 multiply(const Matrix4& other) const;
    // The point with w = 1, translation included, divided by nothing.
    Vec3 transformPoint(const Vec3& point) const;
    // The direction with w = 0: turned and scaled, never moved.
    Vec3 transformVector(const Vec3& v) const;
    // The point with w = 1 through the whole matrix, as homogeneous coordinates.
    Vec4 transform(const Vec3& point) const;
    // False, leaving out as it was, when the matrix has no finite inverse.
    bool invert(Matrix4& out) const;
};
