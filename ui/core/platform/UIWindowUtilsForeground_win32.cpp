// Bringing a window to the foreground against the system's foreground lock.
#include "ui/core/platform/UIWindowUtils.h"

#include <windows.h>

namespace {

bool bringToFront(HWND window)
{
    BringWindowToTop(window);
    SetForegroundWindow(window);
    return GetForegroundWindow() == window;
}

// The time-out is put back on every path and never written to the user's
// profile: a failed read leaves it alone altogether.
bool bringToFrontWithoutLock(HWND window)
{
    DWORD timeout = 0;
    if (!SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0))
        return false;
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    bool result = bringToFront(window);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<uintptr_t>(timeout)), SPIF_SENDCHANGE);
    return result;
}

} // namespace

bool UIWindowUtils::forceForeground(void* handle)
{
    if (!isWindow(handle))
        return false;
    HWND window = static_cast<HWND>(handle);
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    HWND foreground = GetForegroundWindow();
    if (foreground == window)
        return true;
    DWORD ownThread = GetWindowThreadProcessId(window, nullptr);
    DWORD foregroundThread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    if (foregroundThread == ownThread) {
        bringToFront(window);
    } else if (foregroundThread && AttachThreadInput(ownThread, foregroundThread, TRUE)) {
        bringToFront(window);
        AttachThreadInput(ownThread, foregroundThread, FALSE);
    }
    if (GetForegroundWindow() == window)
        return true;
    bringToFrontWithoutLock(window);
    return GetForegroundWindow() == window;
}
