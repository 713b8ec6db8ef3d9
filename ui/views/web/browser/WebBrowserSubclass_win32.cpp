#include "ui/views/web/browser/WebBrowserSubclass.h"

#include "ui/views/web/browser/WebBrowserClickCatcher.h"
#include "ui/views/web/browser/WebBrowserHostWindow.h"

#include <windows.h>

#include <algorithm>
#include <vector>

const wchar_t* const WebBrowserSubclass::kSubclassProperty = L"D8AAD076-DE10-4333-BE5B-9CFFD824A3F3";
const wchar_t* const WebBrowserSubclass::kProcedureProperty = L"71C110C0-F6B6-4b60-A813-408F56E8281E";

namespace {

constexpr UINT kFirstMouseMessage = 0x201;
constexpr UINT kLastMouseMessage = 0x20C;

// Every live subclass, in the order made, for the retry timer to find.
std::vector<WebBrowserSubclass*>& subclasses()
{
    static std::vector<WebBrowserSubclass*> list;
    return list;
}

void CALLBACK retryProcedure(HWND, UINT, UINT_PTR timer, DWORD)
{
    WebBrowserSubclass::retry(timer);
}

uint32_t keyboardModifiers()
{
    uint32_t modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= 2;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= 4;
    return modifiers;
}

LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<WebBrowserSubclass*>(GetPropW(window, WebBrowserSubclass::kSubclassProperty));
    // Read first: a reported click may delete the view and undo the
    // subclassing before the message goes on.
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, WebBrowserSubclass::kProcedureProperty));
    if (self && message >= kFirstMouseMessage && message <= kLastMouseMessage) {
        if (self->filter(message, wParam, lParam) && GetFocus() != window)
            SetFocus(window);
    }
    if (!previous)
        return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

} // namespace

WebBrowserSubclass::WebBrowserSubclass(WebBrowserHostWindow* hostWindow, WebBrowserClickCatcher* catcher)
    : m_hostWindow(hostWindow), m_catcher(catcher)
{
    subclasses().push_back(this);
    attach();
}

WebBrowserSubclass::~WebBrowserSubclass()
{
    detach();
    auto& list = subclasses();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void WebBrowserSubclass::killRetry()
{
    if (m_retryTimer == 0)
        return;
    KillTimer(nullptr, m_retryTimer);
    m_retryTimer = 0;
}

void WebBrowserSubclass::attach()
{
    killRetry();
    if (m_window)
        return;
    HWND inner = static_cast<HWND>(m_hostWindow->innerWindow());
    if (!inner) {
        m_retryTimer = SetTimer(nullptr, 0, kRetryMs, retryProcedure);
        return;
    }
    m_window = inner;
    m_previous = reinterpret_cast<void*>(
        SetWindowLongPtrW(inner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProcedure)));
    SetPropW(inner, kSubclassProperty, this);
    SetPropW(inner, kProcedureProperty, m_previous);
}

void WebBrowserSubclass::detach()
{
    killRetry();
    if (!m_window)
        return;
    HWND window = static_cast<HWND>(m_window);
    if (IsWindow(window)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        RemovePropW(window, kSubclassProperty);
        RemovePropW(window, kProcedureProperty);
    }
    m_window = nullptr;
    m_previous = nullptr;
}

void WebBrowserSubclass::retry(uintptr_t timer)
{
    for (WebBrowserSubclass* subclass : subclasses()) {
        if (subclass->m_retryTimer == timer) {
            subclass->attach();
            return;
        }
    }
    KillTimer(nullptr, timer);
}

bool WebBrowserSubclass::filter(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (!m_catcher)
        return false;
    const Point point(int(int16_t(LOWORD(lParam))), int(int16_t(HIWORD(lParam))));
    return m_catcher->message(message, wParam, point, keyboardModifiers()) ==
           WebBrowserClickCatcher::kTakeFocus;
}
