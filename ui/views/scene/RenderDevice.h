#pragma once

#include "ui/views/scene/Camera.h"
#include "ui/views/scene/Matrix4.h"

#include <cstdint>

class Texture;

// One vertex as the device takes it: position, colour 0xAARRGGBB, texture u, v.
struct SceneVertex
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    uint32_t color = 0xFFFFFFFF;
    float u = 0.0f;
    float v = 0.0f;
};

// What a scene primitive hands the device: count primitives of kind vertices
// each (2 lines, 3 triangles, 4 quads), drawn with the texture (or none).
struct RenderBatch
{
    int32_t kind = 0;
    int32_t count = 0;
    Texture* texture = nullptr;
    const SceneVertex* vertices = nullptr;
};

// 32-bit pixels, bytes B, G, R, A, top row first; all zero when empty. The
// block belongs to whoever filled the descriptor until a texture is made.
struct PixelBlock
{
    int32_t width = 0;
    int32_t height = 0;
    uint8_t* pixels = nullptr;
};

// What the scene needs of a 3D renderer. The Direct3D 9 device is the real
// one; tests record the calls instead.
class RenderDevice
{
public:
    virtual ~RenderDevice();

    // The window handle as a pointer-sized value; false without a device.
    virtual bool initialize(uintptr_t window) = 0;
    virtual void renderFrame() = 0;
    // Null when no texture can be made.
    virtual Texture* createTexture(const PixelBlock& pixels) = 0;
    virtual void submit(const RenderBatch& batch) = 0;
    virtual void setWorldTransform(const Matrix4& world) = 0;
    // Null selects the device's own camera.
    virtual void setCamera(Camera* camera) = 0;
    virtual Camera* camera() = 0;
    virtual bool beginFrame() = 0;
    virtual void endFrame() = 0;
    virtual void flush() = 0;
    virtual void release() = 0;
    // Draws what is pending, then switches the depth test.
    virtual void setDepthTest(bool on) = 0;
};

// The one device the scene draws on; null until the cover flow made one.
RenderDevice* renderDevice();
void setRenderDevice(RenderDevice* device);
