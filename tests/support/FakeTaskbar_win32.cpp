#include "tests/support/FakeTaskbar.h"

#include <cstring>

namespace testsupport {

namespace {

constexpr const wchar_t* kTaskbarClass = L"Shell_TrayWnd";

LRESULT CALLBACK taskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COPYDATA)
        return DefWindowProcW(window, message, wParam, lParam);
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const auto* bytes = static_cast<const BYTE*>(copy->lpData);
    ShellCall call = {static_cast<DWORD>(copy->dwData), 0, u"", 0};
    if (copy->cbData >= 16 + 256 + 8) {
        memcpy(&call.flags, bytes + 8, 4);
        call.tip = reinterpret_cast<const char16_t*>(bytes + 16);
        memcpy(&call.state, bytes + 16 + 256, 4);
    }
    shellCalls().push_back(call);
    return TRUE;
}

} // namespace

std::vector<ShellCall>& shellCalls()
{
    static std::vector<ShellCall> calls;
    return calls;
}

FakeTaskbar::FakeTaskbar()
{
    WNDCLASSW windowClass = {0,       taskbarProc, 0,       0,       nullptr,
                             nullptr, nullptr,     nullptr, nullptr, kTaskbarClass};
    RegisterClassW(&windowClass);
    m_window = CreateWindowExW(0, kTaskbarClass, L"", WS_POPUP | WS_VISIBLE, 0, 1000, 400, 24, 0, 0, 0, 0);
    shellCalls().clear();
}

FakeTaskbar::~FakeTaskbar()
{
    DestroyWindow(m_window);
    UnregisterClassW(kTaskbarClass, nullptr);
}

} // namespace testsupport
