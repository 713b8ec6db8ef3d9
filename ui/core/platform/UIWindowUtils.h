#pragma once

#include "foundation/containers/List.h"
#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <cstdint>

class HotKeyShortcut;

// Small questions and requests about native windows, by handle. Each returns
// a plain value; a null or dead handle gives false, null, the empty value or
// the null point.
class UIWindowUtils
{
public:
    // styleCapabilities bits.
    static constexpr uint32_t kMinimizeBox = 1;
    static constexpr uint32_t kMaximizeBox = 2;
    static constexpr uint32_t kSystemMenu = 4;
    // processWindows options.
    static constexpr uint32_t kVisibleNotIconic = 1;
    static constexpr uint32_t kEnabledOnly = 2;
    static constexpr int kMaxWindowText = 2048;

    static bool isWindow(void* window);
    // Ids of 0xC000 and above fail without asking the system.
    static bool registerHotKey(void* window, const HotKeyShortcut& shortcut);
    static bool unregisterHotKey(void* window, int id);

    static void* windowAt(const Point& screenPoint);
    static Point clientToScreen(void* window, const Point& point);
    static Point screenToClient(void* window, const Point& point);
    // The point from one window's client area into another's; (0, 0) when
    // the system cannot map it.
    static Point mapPoint(void* from, void* to, const Point& point);
    // The desktop window is its own root and root owner.
    static void* rootWindow(void* window);
    static void* rootOwnerWindow(void* window);
    static bool isVisible(void* window);

    // Looked up once: the desktop, the shell's desktop window ("Progman") and
    // the taskbar ("Shell_TrayWnd"); null where there is none.
    static void* desktopWindow();
    static void* shellWindow();
    static void* taskbarWindow();

    // 0 for a pop-up window, else the minimise box, maximise box and system
    // menu bits of its style.
    static uint32_t styleCapabilities(void* window);
    static String windowText(void* window);
    // Brings the window to the foreground even when another program's
    // window has it; true when it is the foreground window afterwards. The
    // system's foreground lock time-out is lowered only for the attempt, and
    // only when it could be read. Windows only.
    static bool forceForeground(void* window);
    // Left, top, right and bottom frame widths in the fields of a Rect, from
    // the window's present style.
    static Rect frameMargins(void* window);
    // The executable of the process that owns the window.
    static String processModulePath(void* window);
    // The window's icon as a 16 by 16 (small) or the system's large size
    // image, searched in the window, its class, its program file and at last
    // the stock application icon.
    static Image smallWindowIcon(void* window);
    static Image largeWindowIcon(void* window);
    // The top-level windows of a process, in z-order, without the desktop.
    static List<void*> processWindows(uint32_t processId, uint32_t options);
    // The bounding box of the part of the window's rectangle (for a child, cut
    // to its root's client area) that no visible, enabled top-level window
    // above it covers; empty when all of it is covered.
    static Rect uncoveredArea(void* window);
};
