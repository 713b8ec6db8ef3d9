#pragma once

#include "ui/core/widget/UINativeWindow.h"
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
class PlainNativeWindow : public UINativeWindow
{
public:
    explicit PlainNativeWindow(UIWidget*) : m_window(plainWindow(L"ReelstackPlainHost")) {}
    ~PlainNativeWindow() override { DestroyWindow(m_window); }
    void* handle() const override { return m_window; }
    Rect frameMargins() const override { return Rect(0, 0, 0, 0); }
    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible, bool, bool) override { m_visible = visible; }
    void setEnabled(bool) override {}
    void move(int, int) override {}
    void resize(int, int) override {}
    void setFocus(bool) override {}
    // Active, so its widgets can take the focus.
    uint32_t windowState() const override { return kActiveState; }
    uint32_t flags() const override { return 0; }
    void setFlags(uint32_t) override {}

private:
    HWND m_window;
    bool m_visible = false;
};

} // namespace testsupport
