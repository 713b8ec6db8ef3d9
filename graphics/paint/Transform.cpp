#include "graphics/paint/Transform.h"

#include <climits>
#include <cmath>
#include <initializer_list>

namespace {

const float kTolerance = 1e-6f;

// Adding 1 and taking it away again in single precision rounds values below
// about 6e-8 to 0, so that leftovers of float arithmetic count as none. The
// volatile store makes the rounding happen on x87 too, which otherwise keeps
// the sum in extended precision.
float snapToZero(float value)
{
    volatile float shifted = value + 1.0f;
    return shifted - 1.0f;
}

bool isZero(float value)
{
    return std::fabs(snapToZero(value)) < kTolerance;
}

int truncateToInt(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0f)
        return INT_MAX;
    if (value <= -2147483648.0f)
        return INT_MIN;
    return static_cast<int>(value);
}

void sinCos(float degrees, float& s, float& c)
{
    if (degrees == 90 || degrees == -270) {
        s = 1;
        c = 0;
    } else if (degrees == 270 || degrees == -90) {
        s = -1;
        c = 0;
    } else if (degrees == 180) {
        s = 0;
        c = -1;
    } else {
        const float radians = degrees * 0.017453292f;
        s = std::sin(radians);
        c = std::cos(radians);
    }
}

} // namespace

void Transform::setMatrix(float m11, float m12, float m13, float m21, float m22, float m23, float m31,
                          float m32, float m33)
{
    m_m11 = m11;
    m_m12 = m12;
    m_m13 = m13;
    m_m21 = m21;
    m_m22 = m22;
    m_m23 = m23;
    m_m31 = m31;
    m_m32 = m32;
    m_m33 = m33;
}

float Transform::determinant() const
{
    return (m_m33 * m_m22 - m_m23 * m_m32) * m_m11 - (m_m33 * m_m12 - m_m13 * m_m32) * m_m21 +
           (m_m23 * m_m12 - m_m13 * m_m22) * m_m31;
}

Transform Transform::adjoint() const
{
    Transform result;
    result.setMatrix(
        m_m22 * m_m33 - m_m23 * m_m32, m_m13 * m_m32 - m_m12 * m_m33, m_m12 * m_m23 - m_m13 * m_m22,
        m_m23 * m_m31 - m_m21 * m_m33, m_m11 * m_m33 - m_m13 * m_m31, m_m13 * m_m21 - m_m11 * m_m23,
        m_m21 * m_m32 - m_m22 * m_m31, m_m12 * m_m31 - m_m11 * m_m32, m_m11 * m_m22 - m_m12 * m_m21);
    return result;
}

Transform Transform::inverted() const
{
    const float det = determinant();
    if (det == 0)
        return Transform();
    Transform result = adjoint();
    result *= 1.0f / det;
    return result;
}

void Transform::translate(float dx, float dy)
{
    Transform e;
    e.m_m31 = dx;
    e.m_m32 = dy;
    *this = e * *this;
}

void Transform::scale(float sx, float sy)
{
    Transform e;
    e.m_m11 = sx;
    e.m_m22 = sy;
    *this = e * *this;
}

void Transform::rotate(float degrees, uint32_t axis)
{
    float s, c;
    sinCos(degrees, s, c);
    Transform e;
    if (axis == 2) {
        e.setMatrix(c, s, 0, -s, c, 0, 0, 0, 1);
    } else if (axis == 1) {
        e.m_m11 = c;
        e.m_m13 = -s / 1024;
    } else {
        e.m_m22 = c;
        e.m_m23 = -s / 1024;
    }
    *this = e * *this;
}

Transform& Transform::operator*=(const Transform& o)
{
    Transform r;
    r.setMatrix(m_m11 * o.m_m11 + m_m12 * o.m_m21 + m_m13 * o.m_m31,
                m_m11 * o.m_m12 + m_m12 * o.m_m22 + m_m13 * o.m_m32,
                m_m11 * o.m_m13 + m_m12 * o.m_m23 + m_m13 * o.m_m33,
                m_m21 * o.m_m11 + m_m22 * o.m_m21 + m_m23 * o.m_m31,
                m_m21 * o.m_m12 + m_m22 * o.m_m22 + m_m23 * o.m_m32,
                m_m21 * o.m_m13 + m_m22 * o.m_m23 + m_m23 * o.m_m33,
                m_m31 * o.m_m11 + m_m32 * o.m_m21 + m_m33 * o.m_m31,
                m_m31 * o.m_m12 + m_m32 * o.m_m22 + m_m33 * o.m_m32,
                m_m31 * o.m_m13 + m_m32 * o.m_m23 + m_m33 * o.m_m33);
    *this = r;
    return *this;
}

Transform Transform::operator*(const Transform& other) const
{
    Transform result = *this;
    result *= other;
    return result;
}

Transform& Transform::operator*=(float f)
{
    for (float* v : {&m_m11, &m_m12, &m_m13, &m_m21, &m_m22, &m_m23, &m_m31, &m_m32, &m_m33})
        *v *= f;
    return *this;
}

Transform& Transform::operator+=(float f)
{
    for (float* v : {&m_m11, &m_m12, &m_m13, &m_m21, &m_m22, &m_m23, &m_m31, &m_m32, &m_m33})
        *v += f;
    return *this;
}

Transform& Transform::operator-=(float f)
{
    for (float* v : {&m_m11, &m_m12, &m_m13, &m_m21, &m_m22, &m_m23, &m_m31, &m_m32, &m_m33})
        *v -= f;
    return *this;
}

Transform& Transform::operator/=(float f)
{
    return *this *= 1.0f / f;
}

Transform Transform::operator/(float f) const
{
    Transform result = *this;
    result /= f;
    return result;
}

void Transform::map(float x, float y, float& mappedX, float& mappedY) const
{
    mappedX = m_m11 * x + m_m21 * y + m_m31;
    mappedY = m_m12 * x + m_m22 * y + m_m32;
    if (isAffine())
        return;
    const float w = 1.0f / (m_m13 * x + m_m23 * y + m_m33);
    mappedX *= w;
    mappedY *= w;
}

void Transform::map(int x, int y, int& mappedX, int& mappedY) const
{
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    int rx = truncateToInt(m_m11 * fx + m_m21 * fy + m_m31);
    int ry = truncateToInt(m_m12 * fx + m_m22 * fy + m_m32);
    if (!isAffine()) {
        // w may be 0 for a point on the vanishing line: 1/w is then infinite,
        // which the saturating truncation turns into the int range's ends.
        const float w = 1.0f / (m_m13 * fx + m_m23 * fy + m_m33);
        rx = truncateToInt(rx * w);
        ry = truncateToInt(ry * w);
    }
    mappedX = rx;
    mappedY = ry;
}

bool Transform::fuzzyCompare(float a, float b)
{
    return std::fabs(a - b) < kTolerance;
}

bool Transform::operator==(const Transform& o) const
{
    return fuzzyCompare(m_m11, o.m_m11) && fuzzyCompare(m_m12, o.m_m12) && fuzzyCompare(m_m13, o.m_m13) &&
           fuzzyCompare(m_m21, o.m_m21) && fuzzyCompare(m_m22, o.m_m22) && fuzzyCompare(m_m23, o.m_m23) &&
           fuzzyCompare(m_m31, o.m_m31) && fuzzyCompare(m_m32, o.m_m32) && fuzzyCompare(m_m33, o.m_m33);
}

bool Transform::isIdentity() const
{
    return fuzzyCompare(m_m11, 1) && fuzzyCompare(m_m22, 1) && fuzzyCompare(m_m33, 1) && isZero(m_m12) &&
           isZero(m_m13) && isZero(m_m21) && isZero(m_m23) && isZero(m_m31) && isZero(m_m32);
}

bool Transform::isAffine() const
{
    return isZero(m_m13) && isZero(m_m23);
}

bool Transform::isInvertible() const
{
    return !isZero(determinant());
}

bool Transform::isScaling() const
{
    return !fuzzyCompare(m_m11, 1) || !fuzzyCompare(m_m22, 1);
}

bool Transform::isTranslating() const
{
    return !isZero(m_m31) || !isZero(m_m32);
}
