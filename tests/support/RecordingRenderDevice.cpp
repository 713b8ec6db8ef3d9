#include "tests/support/RecordingRenderDevice.h"

namespace testsupport {

RecordingRenderDevice::RecordingRenderDevice() : m_previous(renderDevice())
{
    // While it lives, the scene draws on this device.
    setRenderDevice(this);
}

RecordingRenderDevice::~RecordingRenderDevice()
{
    setRenderDevice(m_previous);
}

RecordingRenderDevice::Call& RecordingRenderDevice::record(Kind kind)
{
    m_calls.push_back(Call());
    m_calls.back().kind = kind;
    return m_calls.back();
}

Texture* RecordingRenderDevice::createTexture(const PixelBlock& pixels)
{
    if (pixels.width < 1 || pixels.height < 1 || !pixels.pixels)
        return nullptr;
    m_textures.push_back(std::make_unique<FakeTexture>(pixels.width, pixels.height));
    return m_textures.back().get();
}

void RecordingRenderDevice::submit(const RenderBatch& batch)
{
    Call& call = record(kSubmit);
    call.batch = batch;
    if (batch.vertices && batch.kind > 0 && batch.count > 0)
        call.vertices.assign(batch.vertices, batch.vertices + batch.kind * batch.count);
    call.batch.vertices = nullptr;
}

void RecordingRenderDevice::setWorldTransform(const Matrix4& world)
{
    record(kWorld).world = world;
}

void RecordingRenderDevice::setCamera(Camera* camera)
{
    m_camera = camera ? camera : &m_ownCamera;
    record(kCamera).camera = camera;
}

bool RecordingRenderDevice::beginFrame()
{
    record(kBeginFrame);
    return true;
}

void RecordingRenderDevice::setDepthTest(bool on)
{
    record(kDepthTest).on = on;
}

std::vector<const RecordingRenderDevice::Call*> RecordingRenderDevice::callsOf(Kind kind) const
{
    std::vector<const Call*> found;
    for (const Call& call : m_calls) {
        if (call.kind == kind)
            found.push_back(&call);
    }
    return found;
}

} // namespace testsupport
