#include "tests/support/RecordingRenderDevice.h"

namespace testsupport {

RecordingRenderDevice::RecordingRenderDevice() : m_previous(renderDevice())
{
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
    Texture* made = nullptr;
    if (pixels.width >= 1 && pixels.height >= 1 && pixels.pixels)
        made = new FakeTexture(pixels.width, pixels.height, &m_liveTextures);
    record(kTexture).texture = made;
    return made;
}

void RecordingRenderDevice::submit(const RenderBatch& batch)
{
    Call& call = record(kSubmit);
    call.batch = batch;
    call.batch.vertices = nullptr;
    if (batch.vertices && batch.kind > 0 && batch.count > 0)
        call.vertices.assign(batch.vertices, batch.vertices + batch.kind * batch.count);
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
