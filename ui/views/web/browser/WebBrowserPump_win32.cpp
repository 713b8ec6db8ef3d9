#include "ui/views/web/browser/WebBrowserPump.h"

#include <windows.h>

bool WebBrowserPump::dispatchWaiting()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void WebBrowserPump::sleep(int ms)
{
    Sleep(DWORD(ms));
}

int64_t WebBrowserPump::nowMs()
{
    return int64_t(GetTickCount64());
}
