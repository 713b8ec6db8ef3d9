#pragma once

// Windows tests only.
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// What the shell passes to the taskbar for one call: the request and the
// head of the icon's record (window, id, flags, callback, tip, state).
struct ShellCall
{
    DWORD request;
    UINT flags;
    std::u16string tip;
    DWORD state;
};

// The calls the fake taskbar received, oldest first.
std::vector<ShellCall>& shellCalls();

// A stand-in taskbar, so the shell's calls have somewhere to go and can be
// counted. Making one clears the calls.
class FakeTaskbar
{
public:
    FakeTaskbar();
    ~FakeTaskbar();
    FakeTaskbar(const FakeTaskbar&) = delete;
    FakeTaskbar& operator=(const FakeTaskbar&) = delete;

private:
    HWND m_window;
};

// A mouse message of the notification-area icon, as the shell sends it to
// the icon's window.
inline void sendToTrayIcon(void* iconWindow, UINT mouseMessage)
{
    UINT callback = RegisterWindowMessageW(L"D2F33579-5A5F-43ff-8E19-74B1974E8488");
    SendMessageW(static_cast<HWND>(iconWindow), callback, 1, mouseMessage);
}

} // namespace testsupport
