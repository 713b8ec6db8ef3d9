#include "foundation/system/NamedMutex.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

NamedMutex::~NamedMutex()
{
    close();
}

int NamedMutex::open(const String& name)
{
    close();
    if (name.isEmpty())
        return m_state;
    m_name = name;
    // One create, never an open followed by a create: two programs starting
    // at the same moment could otherwise both find no mutex and both go on as
    // the first instance.
    SetLastError(ERROR_SUCCESS);
    HANDLE handle = CreateMutexW(nullptr, FALSE, wideText(name));
    DWORD error = GetLastError();
    if (!handle) {
        // The mutex exists but belongs to someone we may not open it for.
        if (error == ERROR_ACCESS_DENIED)
            m_state = kAlreadyExists;
        return m_state;
    }
    m_handle = handle;
    m_state = error == ERROR_ALREADY_EXISTS ? kAlreadyExists : kCreated;
    return m_state;
}

bool NamedMutex::close()
{
    bool closed = false;
    if (m_handle)
        closed = CloseHandle(m_handle) != 0;
    m_handle = nullptr;
    m_state = kNone;
    return closed;
}
