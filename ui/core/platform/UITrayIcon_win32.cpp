#include "ui/core/platform/UITrayIcon.h"

#include "foundation/containers/List.h"
#include "foundation/platform/Input.h"
#include "foundation/platform/SystemInfo.h"
#include "ui/core/platform/UITrayIconWindow.h"
#include "ui/core/widget/UIContextMenu.h"

#include <windows.h>

#include <shellapi.h>

namespace {

using ChangeFilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using CompositionFunction = HRESULT(WINAPI*)(BOOL*);
using IconRectFunction = HRESULT(WINAPI*)(const void*, RECT*);

const DWORD kAllowMessage = 1; // MSGFLT_ALLOW

// The filter record: its size and the answer the system gives back.
struct FilterRecord
{
    DWORD cbSize;
    DWORD extStatus;
};

// The icon's identity for the shell: size, window, id and an empty GUID.
struct IconIdentity
{
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    GUID guidItem;
};

List<UITrayIcon*>& trayIcons()
{
    static List<UITrayIcon*> icons;
    return icons;
}

// A function of a system library, loaded for one call.
class LibraryFunction
{
public:
    LibraryFunction(const wchar_t* library, const char* name) : m_module(LoadLibraryW(library))
    {
        if (m_module)
            m_function = reinterpret_cast<void*>(GetProcAddress(m_module, name));
    }
    ~LibraryFunction()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    LibraryFunction(const LibraryFunction&) = delete;
    LibraryFunction& operator=(const LibraryFunction&) = delete;
    template <class F> F get() const { return reinterpret_cast<F>(m_function); }

private:
    HMODULE m_module;
    void* m_function = nullptr;
};

} // namespace

UITrayIcon::UITrayIcon() : m_window(std::make_unique<UITrayIconWindow>(this))
{
    trayIcons().append(this);
}

UITrayIcon::~UITrayIcon()
{
    trayIcons().removeOne(this);
    m_window.reset();
}

bool UITrayIcon::isAlive(const UITrayIcon* icon)
{
    for (UITrayIcon* known : trayIcons()) {
        if (known == icon)
            return true;
    }
    return false;
}

void UITrayIcon::setVisible(bool visible)
{
    m_window->setVisible(visible);
}

bool UITrayIcon::isVisible() const
{
    return m_window->isVisible();
}

void UITrayIcon::setIcon(const Image& image)
{
    m_window->setIcon(image);
}

const Image& UITrayIcon::icon() const
{
    return m_window->icon();
}

void UITrayIcon::setToolTip(const String& text)
{
    m_window->setToolTip(text);
}

const String& UITrayIcon::toolTip() const
{
    return m_window->toolTip();
}

bool UITrayIcon::showBalloon(const String& title, const String& text, int kind)
{
    return m_window->showBalloon(title, text, kind);
}

Rect UITrayIcon::iconRect() const
{
    if (!isVisible())
        return Rect(0, 0, 0, 0);
    LibraryFunction lookup(L"shell32", "Shell_NotifyIconGetRect");
    auto iconRect = lookup.get<IconRectFunction>();
    if (!iconRect)
        return Rect(0, 0, 0, 0);
    IconIdentity identity = {};
    identity.cbSize = sizeof(identity);
    identity.hWnd = static_cast<HWND>(m_window->handle());
    identity.uID = UITrayIconWindow::kIconId;
    RECT rect = {};
    if (FAILED(iconRect(&identity, &rect)))
        return Rect(0, 0, 0, 0);
    return Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void UITrayIcon::setContextMenu(UIContextMenu* menu)
{
    if (menu == m_menu.get())
        return;
    m_menu.reset(menu);
    // Made now: a modal run tells the tray's menu, which it leaves alone,
    // from the windows it blocks by the menu's system window.
    if (m_menu)
        m_menu->windowHandle();
}

void* UITrayIcon::lastActiveWindow() const
{
    return m_window->lastActiveWindow();
}

void* UITrayIcon::windowHandle() const
{
    return m_window->handle();
}

void UITrayIcon::popupMenu()
{
    HWND menuWindow = m_menu ? static_cast<HWND>(m_menu->windowHandle()) : nullptr;
    if (!menuWindow || !IsWindowEnabled(menuWindow))
        return;
    HWND own = static_cast<HWND>(m_window->handle());
    if (GetForegroundWindow() != own)
        SetForegroundWindow(own);
    m_menu->popup(Input::cursorPos());
    if (!isAlive(this) || !m_menu)
        return;
    // The menu may have made its window only now.
    HWND shown = static_cast<HWND>(m_menu->windowHandle());
    SetWindowPos(shown, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

bool UITrayIcon::isTaskbarVisible()
{
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    return taskbar && IsWindowVisible(taskbar);
}

bool UITrayIcon::isTrayMenu(const UIContextMenu* menu)
{
    if (!menu)
        return false;
    for (UITrayIcon* icon : trayIcons()) {
        if (icon->m_menu.get() == menu)
            return true;
    }
    return false;
}

bool UITrayIcon::isTrayMenuWindow(void* window)
{
    if (!window)
        return false;
    for (UITrayIcon* icon : trayIcons()) {
        if (icon->m_menu && icon->m_menu->windowHandle() == window)
            return true;
    }
    return false;
}

bool UITrayIcon::allowMessage(void* window, uint32_t message)
{
    if (!SystemInfo::isWindows7OrLater() || !window || !IsWindow(static_cast<HWND>(window)))
        return false;
    LibraryFunction lookup(L"user32", "ChangeWindowMessageFilterEx");
    auto changeFilter = lookup.get<ChangeFilterFunction>();
    if (!changeFilter)
        return false;
    FilterRecord record = {sizeof(record), 0};
    return changeFilter(static_cast<HWND>(window), message, kAllowMessage, &record) != FALSE;
}

bool UITrayIcon::isCompositionEnabled()
{
    if (!SystemInfo::isVistaOrLater())
        return false;
    LibraryFunction lookup(L"dwmapi", "DwmIsCompositionEnabled");
    auto isEnabled = lookup.get<CompositionFunction>();
    BOOL enabled = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled == TRUE;
}
