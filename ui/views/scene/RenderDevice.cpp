#include "ui/views/scene/RenderDevice.h"

namespace {

RenderDevice* g_device = nullptr;

} // namespace

RenderDevice::~RenderDevice() = default;

RenderDevice* renderDevice()
{
    return g_device;
}

void setRenderDevice(RenderDevice* device)
{
    g_device = device;
}
