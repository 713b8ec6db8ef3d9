#pragma once

#include "foundation/geometry/Size.h"
#include "ui/views/scene/Matrix4.h"
#include "ui/views/scene/RenderDevice.h"

#include <cstdint>
#include <memory>

class Image;
class Texture;

// The Direct3D 9 calls the device is made of, one operation per step of its
// logic. The device decides what to call when; this side only calls. Tests
// put a recording fake in its place.
class D3D9Calls
{
public:
    enum Cooperation
    {
        kReady,
        kLost,
        kNotReset,
        kFailed
    };

    enum TransformKind
    {
        kWorld,
        kView,
        kProjection
    };

    virtual ~D3D9Calls();

    // Loads the runtime and makes the Direct3D object; false without it.
    virtual bool load() = 0;
    // The desktop's size, read afresh.
    virtual bool displayMode(Size& size) = 0;
    // A windowed device for the window with a back buffer of the size.
    virtual bool createDevice(uintptr_t window, const Size& backBuffer) = 0;
    virtual bool reset(const Size& backBuffer) = 0;
    virtual Cooperation cooperation() = 0;
    virtual bool canFilterAnisotropic() = 0;
    // The vertex buffer and the index buffer of the quads, bound for drawing.
    virtual bool createBuffers() = 0;
    virtual void setStates(bool anisotropic) = 0;
    // Gives up everything a reset refuses to run beside: the buffers and the
    // surfaces of the read-back.
    virtual void releaseDefaultPool() = 0;
    virtual void releaseAll() = 0;

    // Room for count vertices at the start of the vertex buffer; null when
    // it cannot be locked.
    virtual SceneVertex* lockVertices(int count) = 0;
    virtual void unlockVertices() = 0;
    // Null clears stage 0.
    virtual bool setTexture(Texture* texture) = 0;
    // count primitives of kind vertices each, from the start of the buffer.
    virtual void draw(int kind, int count) = 0;
    virtual void setTransform(TransformKind kind, const Matrix4& matrix) = 0;
    virtual void setDepthTest(bool on) = 0;
    virtual void setViewport(const Size& size) = 0;
    virtual bool clear(uint32_t colour) = 0;
    virtual bool beginScene() = 0;
    virtual void endScene() = 0;

    virtual Texture* createTexture(const PixelBlock& pixels) = 0;
    // A texture the device can draw into, of that size; null when refused.
    // It lives with the device's own buffers: gone with a reset.
    virtual Texture* createRenderTexture(const Size& size) = 0;
    // Draws into the texture's picture from now on; null draws into the back
    // buffer again.
    virtual bool setRenderTexture(Texture* texture) = 0;
    // The top-left size pixels of the frame just drawn, opaque, into frame
    // (a 32-bit image of that size, reused when it has it).
    virtual bool readBack(const Size& size, Image& frame) = 0;
};

// The platform's calls; null where there is no Direct3D 9.
std::unique_ptr<D3D9Calls> systemD3D9Calls();
