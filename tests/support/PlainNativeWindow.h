#pragma once

#include "tests/support/NullNativeWindow.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

namespace testsupport {

inline HWND plainWindow(const wchar_t* className)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

// A plain Win32 window standing in for the host of a window widget.
class PlainNativeWindow : public NullNativeWindow
{
public:
    explicit PlainNativeWindow(UIWidget*) : m_window(plainWindow(L"ReelstackPlainHost")) {}
    ~PlainNativeWindow() override { DestroyWindow(m_window); }
    void* handle() const override { return m_window; }
    // Active, so its widgets can take the focus.
    uint32_t windowState() const override { return kActiveState; }

private:
    HWND m_window;
};

} // namespace testsupport
