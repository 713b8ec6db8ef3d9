#pragma once

#include "graphics/color/Color.h"
#include "graphics/image/Image.h"
#include "ui/views/coverflow/D3D9Calls.h"
#include "ui/views/scene/RenderDevice.h"

#include <memory>

// The renderer of the cover flow over one Direct3D 9 device. It draws each
// frame at the size it is given into its back buffer and reads it back into
// an image, for the widget to paint like any other picture: frames presented
// into a child window never reach the screen everywhere.
//
// A lost device skips its frames; one that can be reset again is reset with
// the desktop's current size, and its buffers and states are rebuilt.
class D3D9Device : public RenderDevice
{
public:
    static constexpr int kVertexCapacity = 4000;
    static constexpr int kQuadCapacity = 1000;

    // Where initialize gets its calls from; null restores the platform's.
    using CallsFactory = std::unique_ptr<D3D9Calls> (*)();
    static void setCallsFactory(CallsFactory factory);

    D3D9Device();
    ~D3D9Device() override;

    bool initialize(uintptr_t window) override;
    Texture* createTexture(const PixelBlock& pixels) override;
    void submit(const RenderBatch& batch) override;
    void setWorldTransform(const Matrix4& world) override;
    void setCamera(Camera* camera) override;
    Camera* camera() override { return m_camera; }
    bool beginFrame() override;
    void endFrame() override;
    // A texture to draw a frame into, of that size; null when the device
    // refuses. Made anew after a reset of the device.
    Texture* createRenderTarget(const Size& size);
    // Begins a frame drawn into the texture (one from createRenderTarget)
    // instead of the back buffer: cleared, with the camera's transforms.
    // False, with nothing begun, when the device cannot draw into it.
    bool beginFrameOnTexture(Texture* texture);
    // Ends the scene begun by either beginFrame without reading anything
    // back; the back buffer is the target again afterwards.
    void endScene();
    void flush() override;
    void release() override;
    void setDepthTest(bool on) override;

    bool isReady() const { return m_ready; }
    void setClearColour(const Color& colour) { m_clearColour = colour; }
    const Color& clearColour() const { return m_clearColour; }
    // The size frames are drawn and read back at; at most the back buffer's.
    void setFrameSize(const Size& size) { m_frameSize = size; }
    // The last frame read back; empty until one was.
    const Image& frame() const { return m_frame; }
    Camera& builtinCamera() { return m_builtinCamera; }

private:
    void rebuild();
    bool resetDevice();
    bool deviceReady();
    bool beginScene(const Size& viewport);
    Size drawnSize() const;
    void clearBatch();

    std::unique_ptr<D3D9Calls> m_calls;
    bool m_ready = false;
    bool m_buffersReady = false;
    bool m_inScene = false;
    bool m_onTexture = false;
    Size m_backBuffer;
    Size m_frameSize;
    int32_t m_batchKind = 0;
    int32_t m_batchCount = 0;
    Texture* m_batchTexture = nullptr;
    Texture* m_currentTexture = nullptr;
    Camera m_builtinCamera;
    Camera* m_camera = &m_builtinCamera;
    Color m_clearColour;
    Image m_frame;
};
