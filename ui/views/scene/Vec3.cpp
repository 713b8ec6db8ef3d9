#include "ui/views/scene/Vec3.h"

#include <cmath>

namespace {

float snapped(float value)
{
    return (value > -0.001f && value < 0.001f) ? 0.0f : value;
}

} // namespace

Vec3 Vec3::cross(const Vec3& other) const
{
    return Vec3(y * other.z - z * other.y, z * other.x - x * other.z, x * other.y - y * other.x);
}

float Vec3::length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

Vec3 Vec3::normalize() const
{
    float size = length();
    if (size == 0.0f)
        return *this;
    return scale(1.0f / size);
}

Vec3 Vec3::rotateX(float angle) const
{
    float c = std::cos(angle);
    float s = std::sin(angle);
    return Vec3(x, y * c - z * s, y * s + z * c);
}

Vec3 Vec3::rotateY(float angle) const
{
    float c = std::cos(angle);
    float s = std::sin(angle);
    return Vec3(x * c + z * s, y, -x * s + z * c);
}

Vec3 Vec3::rotateZ(float angle) const
{
    float c = std::cos(angle);
    float s = std::sin(angle);
    return Vec3(x * c - y * s, x * s + y * c, z);
}

Vec3 Vec3::rotateAbout(const Vec3& axis, float angle) const
{
    float c = std::cos(angle);
    float s = std::sin(angle);
    // Rodrigues: v cos + (k x v) sin + k (k . v)(1 - cos).
    return scale(c).add(axis.cross(*this).scale(s)).add(axis.scale(axis.dot(*this) * (1.0f - c)));
}

Vec3 Vec3::snapTinyToZero() const
{
    return Vec3(snapped(x), snapped(y), snapped(z));
}
