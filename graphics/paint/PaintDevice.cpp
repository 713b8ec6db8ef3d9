#include "graphics/paint/PaintDevice.h"

#include "foundation/containers/Array.h"

namespace {

// Used on the GUI thread only.
Array<PaintDevice*>& devices()
{
    static Array<PaintDevice*> list;
    return list;
}

PaintDevice*& currentDevice()
{
    static PaintDevice* device = nullptr;
    return device;
}

} // namespace

PaintDevice::PaintDevice(const String& name) : m_name(name) {}

PaintDevice::~PaintDevice() = default;

void PaintDevice::attach(PaintState* state, PaintTarget* target)
{
    m_state = state;
    m_target = target;
}

void PaintDevice::detach()
{
    m_state = nullptr;
    m_target = nullptr;
}

void PaintDevice::add(PaintDevice* device)
{
    if (!devices().append(device))
        delete device;
}

PaintDevice* PaintDevice::first()
{
    return devices().isEmpty() ? nullptr : devices()[0];
}

void PaintDevice::destroyAll()
{
    Array<PaintDevice*>& list = devices();
    for (int i = 0; i < list.count(); ++i) {
        if (list[i] == currentDevice())
            currentDevice() = nullptr;
        delete list[i];
    }
    list.destroy();
}

PaintDevice* PaintDevice::find(const String& name)
{
    const Array<PaintDevice*>& list = devices();
    for (int i = 0; i < list.count(); ++i) {
        if (list[i]->name() == name)
            return list[i];
    }
    return nullptr;
}

void PaintDevice::setCurrent(PaintDevice* device)
{
    currentDevice() = device;
}

PaintDevice* PaintDevice::current()
{
    return currentDevice();
}
