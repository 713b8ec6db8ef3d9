#include "ui/views/coverflow/D3D9Device.h"

#include "graphics/d3d/Texture.h"

#include <algorithm>
#include <cstring>

static_assert(sizeof(SceneVertex) == 24, "the vertex format is 24 bytes: position, colour, u, v");

namespace {

D3D9Device::CallsFactory g_factory = nullptr;

} // namespace

void D3D9Device::setCallsFactory(CallsFactory factory)
{
    g_factory = factory;
}

D3D9Device::D3D9Device()
{
    m_builtinCamera.setNearPlane(1.0f);
    m_builtinCamera.setFarPlane(10000.0f);
    m_builtinCamera.setEye(Vec3(0, 1000, -1000));
    m_builtinCamera.setTarget(Vec3(0, 0, 0));
}

D3D9Device::~D3D9Device()
{
    release();
}

bool D3D9Device::initialize(uintptr_t window)
{
    if (!window)
        return false;
    release();
    m_calls = g_factory ? g_factory() : systemD3D9Calls();
    if (!m_calls || !m_calls->load())
        return false;
    Size mode;
    if (!m_calls->displayMode(mode) || !m_calls->createDevice(window, mode))
        return false;
    m_backBuffer = mode;
    m_builtinCamera.setViewport(mode.width, mode.height);
    m_ready = true;
    rebuild();
    return true;
}

// Buffers and states as a new or reset device needs them. Without buffers
// the device stays usable and draws nothing.
void D3D9Device::rebuild()
{
    m_buffersReady = m_calls->createBuffers();
    m_calls->setStates(m_calls->canFilterAnisotropic());
    // A new or reset device has nothing on stage 0.
    m_currentTexture = nullptr;
    m_calls->setTransform(D3D9Calls::kWorld, Matrix4::identity());
    m_calls->setTransform(D3D9Calls::kView, Matrix4::identity());
    m_calls->setTransform(D3D9Calls::kProjection, Matrix4::identity());
}

bool D3D9Device::resetDevice()
{
    // Reset refuses to run while a default-pool object or a surface
    // reference lives.
    m_calls->releaseDefaultPool();
    m_buffersReady = false;
    Size mode;
    if (!m_calls->displayMode(mode) || !m_calls->reset(mode))
        return false;
    m_backBuffer = mode;
    rebuild();
    return true;
}

Texture* D3D9Device::createTexture(const PixelBlock& pixels)
{
    if (!m_ready || !pixels.pixels || pixels.width < 1 || pixels.height < 1)
        return nullptr;
    return m_calls->createTexture(pixels);
}

void D3D9Device::submit(const RenderBatch& batch)
{
    if (!m_buffersReady || !batch.vertices || batch.count <= 0)
        return;
    if (batch.kind < 2 || batch.kind > 4)
        return;
    int count = std::min(batch.count, kVertexCapacity / batch.kind);
    SceneVertex* target = m_calls->lockVertices(count * batch.kind);
    if (!target)
        return;
    std::memcpy(target, batch.vertices, static_cast<size_t>(count) * batch.kind * sizeof(SceneVertex));
    m_calls->unlockVertices();
    m_batchKind = batch.kind;
    m_batchCount = count;
    m_batchTexture = batch.texture;
    flush();
}

void D3D9Device::flush()
{
    if (!m_batchCount || !m_batchKind || !m_ready)
        return;
    if (m_batchTexture != m_currentTexture) {
        if (m_batchTexture && m_calls->setTexture(m_batchTexture)) {
            m_currentTexture = m_batchTexture;
        } else {
            // The batch is drawn untextured rather than with the last
            // texture; when even clearing fails, it stays pending.
            if (!m_calls->setTexture(nullptr))
                return;
            m_currentTexture = nullptr;
        }
    }
    m_calls->draw(m_batchKind, m_batchCount);
    clearBatch();
    m_calls->setTransform(D3D9Calls::kWorld, Matrix4::identity());
}

void D3D9Device::clearBatch()
{
    m_batchKind = 0;
    m_batchCount = 0;
    m_batchTexture = nullptr;
}

void D3D9Device::setWorldTransform(const Matrix4& world)
{
    if (m_ready)
        m_calls->setTransform(D3D9Calls::kWorld, world);
}

void D3D9Device::setCamera(Camera* camera)
{
    m_camera = camera ? camera : &m_builtinCamera;
    if (!m_ready)
        return;
    m_calls->setTransform(D3D9Calls::kView, m_camera->viewMatrix());
    m_calls->setTransform(D3D9Calls::kProjection, m_camera->projectionMatrix());
}

void D3D9Device::setDepthTest(bool on)
{
    if (!m_ready)
        return;
    flush();
    m_calls->setDepthTest(on);
}

Size D3D9Device::drawnSize() const
{
    Size size = m_frameSize.width >= 1 && m_frameSize.height >= 1 ? m_frameSize : m_backBuffer;
    return Size(std::min(size.width, m_backBuffer.width), std::min(size.height, m_backBuffer.height));
}

bool D3D9Device::deviceReady()
{
    if (!m_ready || m_inScene)
        return false;
    switch (m_calls->cooperation()) {
    case D3D9Calls::kReady:
        return true;
    case D3D9Calls::kNotReset:
        return resetDevice();
    default:
        // Lost: the frame is skipped, and the GUI thread goes on at once.
        return false;
    }
}

bool D3D9Device::beginFrame()
{
    return deviceReady() && beginScene(drawnSize());
}

Texture* D3D9Device::createRenderTarget(const Size& size)
{
    return m_ready ? m_calls->createRenderTexture(size) : nullptr;
}

bool D3D9Device::beginFrameOnTexture(Texture* texture)
{
    if (!texture || !deviceReady() || !m_calls->setRenderTexture(texture))
        return false;
    m_onTexture = true;
    if (beginScene(texture->size()))
        return true;
    m_calls->setRenderTexture(nullptr);
    m_onTexture = false;
    return false;
}

bool D3D9Device::beginScene(const Size& viewport)
{
    m_calls->setViewport(viewport);
    if (!m_calls->clear(m_clearColour.value()))
        return false;
    // Stage 0 starts empty in every frame: a texture deleted since the last
    // one may come back at the same address and must be bound again.
    if (m_currentTexture && m_calls->setTexture(nullptr))
        m_currentTexture = nullptr;
    setWorldTransform(Matrix4::identity());
    m_calls->setTransform(D3D9Calls::kView, m_camera->viewMatrix());
    m_calls->setTransform(D3D9Calls::kProjection, m_camera->projectionMatrix());
    m_inScene = m_calls->beginScene();
    return m_inScene;
}

void D3D9Device::endScene()
{
    if (!m_inScene)
        return;
    flush();
    clearBatch();
    m_calls->endScene();
    m_inScene = false;
    if (m_onTexture) {
        m_calls->setRenderTexture(nullptr);
        m_onTexture = false;
    }
}

void D3D9Device::endFrame()
{
    if (!m_inScene)
        return;
    const bool onTexture = m_onTexture;
    endScene();
    // A frame drawn into a texture stays there: the back buffer holds
    // nothing of it.
    if (!onTexture)
        m_calls->readBack(drawnSize(), m_frame);
}

void D3D9Device::release()
{
    if (m_calls)
        m_calls->releaseAll();
    m_ready = false;
    m_buffersReady = false;
    m_inScene = false;
    m_onTexture = false;
    m_currentTexture = nullptr;
    clearBatch();
}
