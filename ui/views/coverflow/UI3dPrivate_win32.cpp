#include "ui/views/coverflow/UI3dPrivate.h"

#include <windows.h>

namespace {

const wchar_t* className()
{
    return reinterpret_cast<const wchar_t*>(UI3dPrivate::kClassName);
}

bool ensureClass()
{
    WNDCLASSEXW info;
    info.cbSize = sizeof(info);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className(), &info))
        return true;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = className();
    return RegisterClassExW(&windowClass) != 0;
}

} // namespace

UI3dPrivate::UI3dPrivate()
{
    if (!ensureClass())
        return;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, className(), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    m_handle = reinterpret_cast<uintptr_t>(window);
}

UI3dPrivate::~UI3dPrivate()
{
    if (m_handle)
        DestroyWindow(reinterpret_cast<HWND>(m_handle));
    m_handle = 0;
    // Fails, as it should, while another widget's window still uses it.
    UnregisterClassW(className(), GetModuleHandleW(nullptr));
}
