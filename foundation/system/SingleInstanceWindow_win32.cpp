#include "foundation/system/SingleInstanceWindow.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

namespace {

const int kClassNameBuffer = 2048;
// A first instance that does not answer within this time is taken as hung.
const UINT kHandOverTimeoutMs = 5000;

SingleInstanceWindow* g_instance = nullptr;

struct WindowSearch
{
    HWND found;
    HWND skip;
    const wchar_t* className;
    wchar_t buffer[kClassNameBuffer];
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    if (IsWindowVisible(window) || window == search->skip)
        return TRUE;
    if (GetClassNameW(window, search->buffer, kClassNameBuffer - 1) == 0)
        return TRUE;
    if (wcscmp(search->buffer, search->className) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

String SingleInstanceWindow::instanceName(const String& productName)
{
    return String(u"[") + productName.toUpper() + String(u"]");
}

SingleInstanceWindow* SingleInstanceWindow::create(const String& productName)
{
    destroy();
    g_instance = new SingleInstanceWindow(instanceName(productName));
    return g_instance;
}

void SingleInstanceWindow::destroy()
{
    delete g_instance;
    g_instance = nullptr;
}

SingleInstanceWindow* SingleInstanceWindow::instance()
{
    return g_instance;
}

bool SingleInstanceWindow::handOver()
{
    if (!g_instance)
        return false;
    WindowSearch search = {};
    search.skip = static_cast<HWND>(g_instance->handle());
    search.className = wideText(g_instance->className());
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    HWND found = search.found;
    if (!found)
        return false;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(found, kHandOverMessage, 0, 0, SMTO_ABORTIFHUNG, kHandOverTimeoutMs,
                               &ignored) != 0;
}

SingleInstanceWindow::SingleInstanceWindow(const String& name) : NativeWindow(name, nullptr) {}

bool SingleInstanceWindow::handleMessage(NativeMessage* message)
{
    if (message->message != kHandOverMessage)
        return false;
    if (m_mainWindow)
        PostMessageW(static_cast<HWND>(m_mainWindow), kHandOverMessage, message->wParam, message->lParam);
    return true;
}
