#include "ui/views/scene/Transformable.h"

Matrix4 Transformable::currentWorld() const
{
    // T(-pivot) * S(scale) * R(rotation) * T(position) written out: the
    // rotation scaled, and the pivot carried through it to the position. Ten
    // thousand covers get this every frame.
    Matrix4 world = Matrix4::fromQuaternion(m_rotation);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            world.m[row][col] *= m_scale;
    }
    Vec3 moved = world.transformVector(m_pivot.scale(-1.0f)).add(m_position);
    world.m[3][0] = moved.x;
    world.m[3][1] = moved.y;
    world.m[3][2] = moved.z;
    return world;
}

void Transformable::applyTransform(RenderDevice& device)
{
    m_world = currentWorld();
    MatrixPrimitive::applyTransform(device);
}
