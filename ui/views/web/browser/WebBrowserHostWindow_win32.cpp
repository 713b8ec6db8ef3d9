#include "ui/views/web/browser/WebBrowserHostWindow.h"

#include <windows.h>

const wchar_t* const WebBrowserHostWindow::kClassName = L"UI_WebBrowserHostWindow";

namespace {

constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

HINSTANCE programInstance()
{
    return GetModuleHandleW(nullptr);
}

bool classRegistered()
{
    WNDCLASSEXW info = {};
    info.cbSize = sizeof(info);
    return GetClassInfoExW(programInstance(), WebBrowserHostWindow::kClassName, &info) != FALSE;
}

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<WebBrowserHostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_SIZE && self)
        self->resized(LOWORD(lParam), HIWORD(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

WebBrowserHostWindow::WebBrowserHostWindow(void* parentWindow)
{
    if (!classRegistered()) {
        WNDCLASSEXW info = {};
        info.cbSize = sizeof(info);
        info.lpfnWndProc = hostProcedure;
        info.hInstance = programInstance();
        info.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        info.lpszClassName = kClassName;
        RegisterClassExW(&info);
    }
    HWND window = CreateWindowExW(0, kClassName, nullptr, kStyle, 0, 0, 0, 0, static_cast<HWND>(parentWindow),
                                  nullptr, programInstance(), nullptr);
    if (!window)
        return;
    m_handle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

// The class goes with the window; the next host registers it again.
WebBrowserHostWindow::~WebBrowserHostWindow()
{
    if (m_handle) {
        SetWindowLongPtrW(static_cast<HWND>(m_handle), GWLP_USERDATA, 0);
        DestroyWindow(static_cast<HWND>(m_handle));
        m_handle = nullptr;
    }
    if (classRegistered())
        UnregisterClassW(kClassName, programInstance());
}

void WebBrowserHostWindow::resized(int width, int height)
{
    if (m_sizeHandler)
        m_sizeHandler(width, height);
}

void* WebBrowserHostWindow::innerWindow()
{
    if (m_inner && IsWindow(static_cast<HWND>(m_inner)))
        return m_inner;
    m_inner = nullptr;
    HWND level = static_cast<HWND>(m_handle);
    for (int depth = 0; depth < 3 && level; ++depth)
        level = GetWindow(level, GW_CHILD);
    m_inner = level;
    return m_inner;
}

void WebBrowserHostWindow::focusInner()
{
    if (void* inner = innerWindow())
        SetFocus(static_cast<HWND>(inner));
}
