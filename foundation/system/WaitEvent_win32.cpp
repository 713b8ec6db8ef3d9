#include "foundation/system/WaitEvent.h"

#include <windows.h>

WaitEvent::WaitEvent(bool manualReset) : m_handle(CreateEventW(nullptr, manualReset, FALSE, nullptr)) {}

WaitEvent::~WaitEvent()
{
    close();
}

void WaitEvent::close()
{
    if (!m_handle)
        return;
    CloseHandle(m_handle);
    m_handle = nullptr;
}

bool WaitEvent::wait(int ms)
{
    if (!m_handle)
        return false;
    DWORD timeout = ms < 0 ? INFINITE : static_cast<DWORD>(ms);
    return WaitForSingleObject(m_handle, timeout) == WAIT_OBJECT_0;
}

void WaitEvent::set()
{
    if (m_handle)
        SetEvent(m_handle);
}

void WaitEvent::reset()
{
    if (m_handle)
        ResetEvent(m_handle);
}
