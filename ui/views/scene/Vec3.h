#pragma once

// A point or direction of the cover-flow scene, in single precision.
struct Vec3
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vec3() = default;
    Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    Vec3 add(const Vec3& other) const { return Vec3(x + other.x, y + other.y, z + other.z); }
    Vec3 subtract(const Vec3& other) const { return Vec3(x - other.x, y - other.y, z - other.z); }
    Vec3 scale(float factor) const { return Vec3(x * factor, y * factor, z * factor); }
    float dot(const Vec3& other) const { return x * other.x + y * other.y + z * other.z; }
    Vec3 cross(const Vec3& other) const;
    float length() const;
    // A zero vector stays as it is rather than becoming NaN.
    Vec3 normalize() const;

    // Turned by angle radians about one axis through the origin.
    Vec3 rotateX(float angle) const;
    Vec3 rotateY(float angle) const;
    Vec3 rotateZ(float angle) const;
    // Turned by angle radians about a unit axis through the origin.
    Vec3 rotateAbout(const Vec3& axis, float angle) const;

    // Components strictly within 0.001 of zero become zero, so that a hit
    // point on an edge is not lost to rounding.
    Vec3 snapTinyToZero() const;
};
