#pragma once

#include <windows.h>

namespace testsupport {

inline BOOL CALLBACK hideIfOwnAndVisible(HWND window, LPARAM)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window))
        ShowWindow(window, SW_HIDE);
    return TRUE;
}

// Tests that ask which window lies at a screen point, or what of a window is
// uncovered, must not find a window an earlier test of the same program left
// on screen (a tool tip still showing, a window not yet gone): they hide every
// visible top-level window of this process first.
inline void hideStrayWindows()
{
    EnumWindows(hideIfOwnAndVisible, 0);
}

} // namespace testsupport
