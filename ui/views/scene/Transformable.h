#pragma once

#include "ui/views/scene/MatrixPrimitive.h"

// A primitive placed by position, rotation, uniform scale and pivot: the pivot
// lands on the position, and the object turns and scales about it.
class Transformable : public MatrixPrimitive
{
public:
    const Vec3& position() const { return m_position; }
    const Vec4& rotation() const { return m_rotation; }
    float scale() const { return m_scale; }
    const Vec3& pivot() const { return m_pivot; }
    void setPosition(const Vec3& position) { m_position = position; }
    void setRotation(const Vec4& rotation) { m_rotation = rotation; }
    void setScale(float scale) { m_scale = scale; }
    void setPivot(const Vec3& pivot) { m_pivot = pivot; }

    // T(-pivot) * S(scale) * R(rotation) * T(position), from the current
    // placement.
    Matrix4 currentWorld() const;

protected:
    void applyTransform(RenderDevice& device) override;

private:
    Vec3 m_position;
    Vec4 m_rotation = Vec4::identityRotation();
    float m_scale = 1.0f;
    Vec3 m_pivot;
};
