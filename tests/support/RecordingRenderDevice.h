#pragma once

// A render device that draws nothing and keeps, in call order, the batches,
// world matrices, textures made and depth-test switches the scene sends it.

#include "graphics/d3d/Texture.h"
#include "ui/views/scene/RenderDevice.h"

#include <vector>

namespace testsupport {

// A texture of a given size that lives in no device; counts itself in live
// while it exists.
class FakeTexture : public Texture
{
public:
    FakeTexture(int width, int height, int* live = nullptr) : m_size(width, height), m_live(live)
    {
        if (m_live)
            ++*m_live;
    }
    ~FakeTexture() override
    {
        if (m_live)
            --*m_live;
    }
    Size size() const override { return m_size; }
    uint32_t pixelFormat() const override { return kFormatA8R8G8B8; }
    void release() override { m_size = Size(0, 0); }

private:
    Size m_size;
    int* m_live;
};

class RecordingRenderDevice : public RenderDevice
{
public:
    enum Kind
    {
        kSubmit,
        kWorld,
        kTexture,
        kDepthTest
    };

    struct Call
    {
        Kind kind;
        RenderBatch batch;                 // kSubmit, without its vertices pointer
        std::vector<SceneVertex> vertices; // kSubmit: the vertices as submitted
        Matrix4 world;                     // kWorld
        Texture* texture = nullptr;        // kTexture: the one made, or null
        bool on = false;                   // kDepthTest
    };

    // Becomes the scene's device until destroyed.
    RecordingRenderDevice();
    ~RecordingRenderDevice() override;

    bool initialize(uintptr_t window) override { return window != 0; }
    void renderFrame() override {}
    // A FakeTexture of the block's size, which the caller deletes as it
    // would a real one; null for an empty block.
    Texture* createTexture(const PixelBlock& pixels) override;
    void submit(const RenderBatch& batch) override;
    void setWorldTransform(const Matrix4& world) override { record(kWorld).world = world; }
    void setCamera(Camera* camera) override { m_camera = camera ? camera : &m_ownCamera; }
    Camera* camera() override { return m_camera; }
    bool beginFrame() override { return true; }
    void endFrame() override {}
    void flush() override {}
    void release() override {}
    void setDepthTest(bool on) override { record(kDepthTest).on = on; }

    const std::vector<Call>& calls() const { return m_calls; }
    // The calls of one kind, in order.
    std::vector<const Call*> callsOf(Kind kind) const;
    void clear() { m_calls.clear(); }
    // Textures made and not yet deleted.
    int liveTextures() const { return m_liveTextures; }

private:
    Call& record(Kind kind);

    std::vector<Call> m_calls;
    int m_liveTextures = 0;
    Camera m_ownCamera;
    Camera* m_camera = &m_ownCamera;
    RenderDevice* m_previous = nullptr;
};

} // namespace testsupport
