#include "ui/views/scene/Transformable.h"

Matrix4 Transformable::currentWorld() const
{
    Matrix4 result = Matrix4::translation(m_pivot.scale(-1.0f));
    result = result.multiply(Matrix4::scaling(m_scale, m_scale, m_scale));
    result = result.multiply(Matrix4::fromQuaternion(m_rotation));
    return result.multiply(Matrix4::translation(m_position));
}

void Transformable::applyTransform(RenderDevice& device)
{
    m_world = currentWorld();
    MatrixPrimitive::applyTransform(device);
}
