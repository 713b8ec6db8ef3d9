#include "ui/views/web/browser/WebBrowserWheelHook.h"

#include "ui/views/web/browser/WebBrowserHostWindow.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

struct HookState
{
    std::vector<WebBrowserHostWindow*> hosts;
    HHOOK hook = nullptr;
};

HookState& state()
{
    static HookState hooked;
    return hooked;
}

void focusPageUnder(const POINT& point)
{
    HWND under = WindowFromPoint(point);
    for (WebBrowserHostWindow* host : state().hosts) {
        HWND inner = static_cast<HWND>(host->innerWindow());
        if (!inner || inner != under)
            continue;
        HWND focus = GetFocus();
        if (focus && focus != inner && focus == GetAncestor(inner, GA_ROOT))
            SetFocus(inner);
        return;
    }
}

LRESULT CALLBACK hookProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == WM_MOUSEWHEEL && lParam)
        focusPageUnder(reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void WebBrowserWheelHook::add(WebBrowserHostWindow* hostWindow)
{
    state().hosts.push_back(hostWindow);
    if (!state().hook)
        state().hook = SetWindowsHookExW(WH_MOUSE, hookProcedure, nullptr, GetCurrentThreadId());
}

void WebBrowserWheelHook::remove(WebBrowserHostWindow* hostWindow)
{
    auto& hosts = state().hosts;
    hosts.erase(std::remove(hosts.begin(), hosts.end(), hostWindow), hosts.end());
    if (hosts.empty() && state().hook) {
        UnhookWindowsHookEx(state().hook);
        state().hook = nullptr;
    }
}

bool WebBrowserWheelHook::isInstalled()
{
    return state().hook != nullptr;
}
