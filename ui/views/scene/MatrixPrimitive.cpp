#include "ui/views/scene/MatrixPrimitive.h"

void MatrixPrimitive::applyTransform(RenderDevice& device)
{
    device.setWorldTransform(m_world);
}
