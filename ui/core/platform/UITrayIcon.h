#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/signals/Lockable.h"
#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <cstdint>
#include <memory>

class UIContextMenu;
class UITrayIconWindow;

// One icon in the taskbar's notification area, with a tool tip, balloon
// messages and a context menu. Mouse activity on it comes as signals that
// carry a UIMouseEvent: press (106), release (107), click (108) and move
// (110). It starts hidden: set its image and tip, then show it.
class UITrayIcon : public Lockable
{
public:
    // Balloon kinds.
    static constexpr int kNoIcon = 0;
    static constexpr int kInformation = 1;
    static constexpr int kWarning = 2;
    static constexpr int kError = 3;

    UITrayIcon();
    ~UITrayIcon() override;
    UITrayIcon(const UITrayIcon&) = delete;
    UITrayIcon& operator=(const UITrayIcon&) = delete;

    Signal mousePressed, mouseReleased, mouseMoved, clicked;

    // Setting the present visibility again asks the shell nothing.
    void setVisible(bool visible);
    void show() { setVisible(true); }
    bool isVisible() const;
    // Needs a square image.
    void setIcon(const Image& image);
    const Image& icon() const;
    // Shown cut to 127 characters.
    void setToolTip(const String& text);
    const String& toolTip() const;
    // The title is cut to 63 characters, the text to 255.
    bool showBalloon(const String& title, const String& text, int kind);
    // The icon on the screen; all zeros while hidden or when the shell
    // cannot tell.
    Rect iconRect() const;
    // Takes the menu and deletes the one set before.
    void setContextMenu(UIContextMenu* menu);
    UIContextMenu* contextMenu() const { return m_menu.get(); }
    // The window that was active when the mouse last moved over the icon.
    void* lastActiveWindow() const;
    // The hidden window that hears the shell.
    void* windowHandle() const;

    static bool isTaskbarVisible();
    // Whether the menu is the context menu of a tray icon: a modal run leaves
    // such a menu's window enabled, so the tray stays usable.
    static bool isTrayMenu(const UIContextMenu* menu);
    // The same question by the menu's native window.
    static bool isTrayMenuWindow(void* window);
    // Lets a registered message through the message filter of the window.
    static bool allowMessage(void* window, uint32_t message);
    static bool isCompositionEnabled();

private:
    friend class UITrayIconWindow;

    // Brings the menu up after a right release, when its window is enabled.
    void popupMenu();
    static bool isAlive(const UITrayIcon* icon);

    std::unique_ptr<UITrayIconWindow> m_window;
    std::unique_ptr<UIContextMenu> m_menu;
};
