#pragma once

#include <cstdint>

// The painter's world transform: a 3 x 3 single-precision matrix applied to
// row vectors, (x, y, 1) x M. m31 and m32 are the translation; m13, m23 and
// m33 the projective column. The first six values are in the order of the
// GDI world transform (eM11, eM12, eM21, eM22, eDx, eDy).
class Transform
{
public:
    Transform() = default;

    void reset() { *this = Transform(); }
    // The nine values given row by row.
    void setMatrix(float m11, float m12, float m13, float m21, float m22, float m23, float m31, float m32,
                   float m33);

    float m11() const { return m_m11; }
    float m12() const { return m_m12; }
    float m13() const { return m_m13; }
    float m21() const { return m_m21; }
    float m22() const { return m_m22; }
    float m23() const { return m_m23; }
    float m31() const { return m_m31; }
    float m32() const { return m_m32; }
    float m33() const { return m_m33; }
    float dx() const { return m_m31; }
    float dy() const { return m_m32; }

    float determinant() const;
    // The transposed matrix of cofactors.
    Transform adjoint() const;
    // The identity when the determinant is exactly 0.
    Transform inverted() const;

    // Each of these acts on points before the existing transform: this = E x this.
    void translate(float dx, float dy);
    void scale(float sx, float sy);
    // Axis 2 turns in the plane; axes 1 and 0 tilt about the vertical and the
    // horizontal axis with a slight perspective.
    void rotate(float degrees, uint32_t axis);

    // Composition: this = this x other.
    Transform& operator*=(const Transform& other);
    Transform operator*(const Transform& other) const;

    // Element-wise with a number.
    Transform& operator*=(float f);
    Transform& operator+=(float f);
    Transform& operator-=(float f);
    Transform& operator/=(float f);
    Transform operator/(float f) const;

    void map(float x, float y, float& mappedX, float& mappedY) const;
    // As above, each result truncated toward zero, before and after the
    // projective division. Results beyond the int range saturate, so a point
    // sent to infinity gives the range's ends rather than garbage.
    void map(int x, int y, int& mappedX, int& mappedY) const;

    static bool fuzzyCompare(float a, float b);
    bool operator==(const Transform& other) const;
    bool operator!=(const Transform& other) const { return !(*this == other); }
    bool isIdentity() const;
    bool isAffine() const;
    bool isInvertible() const;
    bool isScaling() const;
    bool isTranslating() const;

private:
    float m_m11 = 1, m_m12 = 0, m_m21 = 0, m_m22 = 1, m_m31 = 0, m_m32 = 0;
    float m_m13 = 0, m_m23 = 0, m_m33 = 1;
};
