#pragma once

#include "foundation/system/MessageLoop.h"
#include "ui/core/events/UIHotKeyEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

namespace testsupport {

// The window procedure's part for hot keys, as the host does it: WM_HOTKEY
// becomes a posted hot-key event for the window's widget.
inline LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* owner = reinterpret_cast<UIWidget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_HOTKEY && owner) {
        MessageLoop::instance()->postEvent(new UIHotKeyEvent(static_cast<int>(wParam)), owner);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline HWND plainWindow(const wchar_t* className)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = hostProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

// A plain Win32 window standing in for the host of a window widget.
class PlainNativeWindow : public UINativeWindow
{
public:
    explicit PlainNativeWindow(UIWidget* owner) : m_window(plainWindow(L"ReelstackHotKeyHost"))
    {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    ~PlainNativeWindow() override { DestroyWindow(m_window); }
    void create() override {}
    void* handle() const override { return m_window; }
    Rect frameMargins() const override { return Rect(0, 0, 0, 0); }
    Rect frameGeometry() const override { return Rect(); }
    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible, bool, bool) override { m_visible = visible; }
    void setEnabled(bool) override {}
    bool isEnabled() const override { return true; }
    void move(int, int) override {}
    void resize(int, int) override {}
    void setFocus(bool) override {}
    bool hasFocus() const override { return false; }
    void setWindowState(uint32_t) override {}
    // Active, so its widgets can take the focus.
    uint32_t windowState() const override { return kActiveState; }
    void setWindowFlag(uint32_t, bool) override {}
    void setWindowFlags(uint32_t) override {}
    uint32_t windowFlags() const override { return 0; }
    void setAuxFlag(bool) override {}
    bool auxFlag() const override { return false; }
    void setBlocked(bool) override {}
    void setOpacity(float) override {}
    float opacity() const override { return 1.0f; }
    void flash(int) override {}
    void setTitle(const String&) override {}
    String title() const override { return String(); }
    void setTitleSuffix(const String&) override {}
    String titleSuffix() const override { return String(); }
    void invalidate() override {}
    void updateLayered(const Image&) override {}
    Image layeredImage() const override { return Image(); }

private:
    HWND m_window;
    bool m_visible = false;
};

} // namespace testsupport
