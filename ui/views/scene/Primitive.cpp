#include "ui/views/scene/Primitive.h"

void Primitive::draw()
{
    drawBatch(m_batch);
}

void Primitive::drawFirst(int32_t count)
{
    if (count < 0 || count > m_batch.count)
        return;
    RenderBatch part = m_batch;
    part.count = count;
    drawBatch(part);
}

void Primitive::drawRange(int32_t start, int32_t count)
{
    if (start < 0 || count < 0 || count > m_batch.count || start > m_batch.count - count || !m_batch.vertices)
        return;
    RenderBatch part = m_batch;
    part.count = count;
    part.vertices = m_batch.vertices + static_cast<int64_t>(start) * m_batch.kind;
    drawBatch(part);
}

void Primitive::applyTransform(RenderDevice&) {}

void Primitive::setBatch(int32_t kind, int32_t count, const SceneVertex* vertices)
{
    m_batch.kind = kind;
    m_batch.count = count;
    m_batch.vertices = vertices;
}

void Primitive::drawBatch(const RenderBatch& batch)
{
    RenderDevice* device = renderDevice();
    if (!device || !isVisible())
        return;
    applyTransform(*device);
    device->submit(batch);
}
