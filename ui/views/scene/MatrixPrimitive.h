#pragma once

#include "ui/views/scene/Primitive.h"

// A primitive drawn with its own world matrix.
class MatrixPrimitive : public Primitive
{
public:
    const Matrix4& world() const { return m_world; }
    void setWorld(const Matrix4& world) { m_world = world; }

protected:
    void applyTransform(RenderDevice& device) override;

    Matrix4 m_world;
};
