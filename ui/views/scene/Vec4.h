#pragma once

// Four floats: a homogeneous point, or a rotation quaternion (x, y, z, w).
struct Vec4
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    Vec4() = default;
    Vec4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}

    // The quaternion turning by angle radians about the vertical axis.
    static Vec4 rotationY(float angle);
    static Vec4 identityRotation() { return Vec4(0.0f, 0.0f, 0.0f, 1.0f); }

    Vec4 add(const Vec4& o) const { return Vec4(x + o.x, y + o.y, z + o.z, w + o.w); }
    Vec4 subtract(const Vec4& o) const { return Vec4(x - o.x, y - o.y, z - o.z, w - o.w); }
    Vec4 scale(float f) const { return Vec4(x * f, y * f, z * f, w * f); }
    Vec4 negate() const { return Vec4(-x, -y, -z, -w); }
};
