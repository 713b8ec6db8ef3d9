#include "foundation/platform/NativeWindow.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

namespace {

const wchar_t kOwnerProperty[] = L"[PROPERTY_OWNER]";
const WORD kDefaultResourceId = 32512;
const int kOffScreen = -10000;

LRESULT CALLBACK nativeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* owner = window ? static_cast<NativeWindow*>(GetPropW(window, kOwnerProperty)) : nullptr;
    if (owner) {
        NativeMessage record{window, message, wParam, lParam, 0};
        if (owner->handleMessage(&record))
            return record.result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

NativeWindow::NativeWindow(const String& className, void* parent) : m_className(className)
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = nativeWindowProc;
    windowClass.hInstance = module;
    // The program carries no resource of this id, so the class ends up with
    // the system's defaults; asking costs nothing and keeps one code path.
    windowClass.hIcon = LoadIconW(module, MAKEINTRESOURCEW(kDefaultResourceId));
    windowClass.hIconSm = LoadIconW(module, MAKEINTRESOURCEW(kDefaultResourceId));
    windowClass.hCursor = LoadCursorW(module, MAKEINTRESOURCEW(kDefaultResourceId));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = wideText(m_className);
    // Fails harmlessly when another window of this class registered it.
    RegisterClassExW(&windowClass);

    DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (parent ? WS_CHILD : WS_POPUP);
    HWND window = CreateWindowExW(0, wideText(m_className), L"", style, kOffScreen, kOffScreen, 0, 0,
                                  static_cast<HWND>(parent), nullptr, module, nullptr);
    m_window = window;
    if (window)
        SetPropW(window, kOwnerProperty, this);
}

NativeWindow::~NativeWindow()
{
    HWND window = static_cast<HWND>(m_window);
    if (window) {
        RemovePropW(window, kOwnerProperty);
        DestroyWindow(window);
    }
    UnregisterClassW(wideText(m_className), GetModuleHandleW(nullptr));
}

void NativeWindow::show(bool visible)
{
    ShowWindow(static_cast<HWND>(m_window), visible ? SW_SHOWNORMAL : SW_HIDE);
}

void NativeWindow::setGeometry(int x, int y, int width, int height)
{
    SetWindowPos(static_cast<HWND>(m_window), nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void NativeWindow::invalidate()
{
    InvalidateRect(static_cast<HWND>(m_window), nullptr, TRUE);
}
