#pragma once

#include "ui/views/scene/RenderDevice.h"
#include "ui/views/scene/SceneObject.h"

// A scene object drawn as one batch of vertices on the render device.
class Primitive : public SceneObject
{
public:
    void draw() override;
    // Draws only the first count primitives; nothing when there are fewer.
    void drawFirst(int32_t count);
    // Draws count primitives from primitive start; nothing when the range
    // does not lie within the batch.
    void drawRange(int32_t start, int32_t count);

    const RenderBatch& batch() const { return m_batch; }

protected:
    // Sets whatever transform the batch needs before it is submitted.
    virtual void applyTransform(RenderDevice& device);
    void setBatch(int32_t kind, int32_t count, const SceneVertex* vertices);
    void setBatchTexture(Texture* texture) { m_batch.texture = texture; }

private:
    void drawBatch(const RenderBatch& batch);

    RenderBatch m_batch;
};
