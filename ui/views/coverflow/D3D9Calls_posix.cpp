#include "ui/views/coverflow/D3D9Calls.h"

// Direct3D 9 exists on Windows only; elsewhere the cover flow has no device.
std::unique_ptr<D3D9Calls> systemD3D9Calls()
{
    return nullptr;
}
