#include "ui/core/platform/UIWindowUtils.h"

#include "foundation/platform/Win32Text.h"
#include "ui/core/input/HotKeyShortcut.h"

#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

namespace {

const UINT kIconQueryTimeoutMs = 1000;
const int kSmallIconSize = 16;
const int kIconScaleFilter = 3;

HWND hwnd(void* window)
{
    return static_cast<HWND>(window);
}

UINT nativeModifiers(uint32_t modifiers)
{
    UINT native = 0;
    if (modifiers & 4)
        native |= MOD_ALT;
    if (modifiers & 2)
        native |= MOD_CONTROL;
    if (modifiers & 1)
        native |= MOD_SHIFT;
    return native;
}

// The three process-wide windows, looked up on first use.
struct KnownWindows
{
    HWND desktop = GetDesktopWindow();
    HWND shell = FindWindowW(L"Progman", nullptr);
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
};

const KnownWindows& knownWindows()
{
    static KnownWindows windows;
    return windows;
}

void* ancestor(void* window, UINT kind)
{
    if (!window)
        return nullptr;
    if (hwnd(window) == GetDesktopWindow())
        return window;
    return GetAncestor(hwnd(window), kind);
}

// WM_GETICON, with a time-out so a hung program cannot hang us.
HICON queryIcon(HWND window, WPARAM kind)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kIconQueryTimeoutMs,
                             &result))
        return nullptr;
    return reinterpret_cast<HICON>(result);
}

// The shell's icon of the program file that owns the window; the caller
// destroys it.
HICON programFileIcon(HWND window, bool small)
{
    String path = UIWindowUtils::processModulePath(window);
    if (path.isEmpty())
        return nullptr;
    SHFILEINFOW info = {};
    UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (!SHGetFileInfoW(wideText(path), 0, &info, sizeof(info), flags))
        return nullptr;
    return info.hIcon;
}

Image windowIcon(HWND window, bool small)
{
    if (!window || !IsWindow(window))
        return Image();
    HICON icon = nullptr;
    if (small) {
        icon = queryIcon(window, ICON_SMALL);
        if (!icon)
            icon = queryIcon(window, ICON_SMALL2);
        if (!icon)
            icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    }
    if (!icon)
        icon = queryIcon(window, ICON_BIG);
    if (!icon)
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    Image image;
    if (icon) {
        image = Image::fromIconHandle(icon);
    } else if (HICON owned = programFileIcon(window, small)) {
        image = Image::fromIconHandle(owned);
        DestroyIcon(owned);
    } else {
        image = Image::fromIconHandle(LoadIconW(nullptr, IDI_APPLICATION));
    }
    if (small && !image.isNull() && (image.width() != kSmallIconSize || image.height() != kSmallIconSize))
        image = image.scaled(kSmallIconSize, kSmallIconSize, kIconScaleFilter);
    return image;
}

struct WindowSearch
{
    DWORD processId;
    uint32_t options;
    HWND desktop;
    List<void*>* windows;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    if (window == search->desktop)
        return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    if ((search->options & UIWindowUtils::kVisibleNotIconic) &&
        (!IsWindowVisible(window) || IsIconic(window)))
        return TRUE;
    if ((search->options & UIWindowUtils::kEnabledOnly) && !IsWindowEnabled(window))
        return TRUE;
    search->windows->append(window);
    return TRUE;
}

// The window's rectangle on the screen; a child's cut to its root's client
// area.
bool visibleRect(HWND window, RECT* rect)
{
    if (!GetWindowRect(window, rect))
        return false;
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root || root == window)
        return true;
    RECT client = {};
    GetClientRect(root, &client);
    MapWindowPoints(root, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return IntersectRect(rect, rect, &client) != 0;
}

} // namespace

bool UIWindowUtils::isWindow(void* window)
{
    return window && IsWindow(hwnd(window));
}

bool UIWindowUtils::registerHotKey(void* window, const HotKeyShortcut& shortcut)
{
    if (!window || shortcut.id() < 0 || shortcut.id() >= HotKeyShortcut::kFirstReservedId)
        return false;
    return RegisterHotKey(hwnd(window), shortcut.id(), nativeModifiers(shortcut.modifiers()),
                          shortcut.key()) == 1;
}

bool UIWindowUtils::unregisterHotKey(void* window, int id)
{
    if (!window)
        return false;
    return UnregisterHotKey(hwnd(window), id) == 1;
}

void* UIWindowUtils::windowAt(const Point& screenPoint)
{
    POINT point = {screenPoint.x, screenPoint.y};
    return WindowFromPoint(point);
}

Point UIWindowUtils::clientToScreen(void* window, const Point& point)
{
    POINT native = {point.x, point.y};
    if (!window || !ClientToScreen(hwnd(window), &native))
        return Point();
    return Point(native.x, native.y);
}

Point UIWindowUtils::screenToClient(void* window, const Point& point)
{
    POINT native = {point.x, point.y};
    if (!window || !ScreenToClient(hwnd(window), &native))
        return Point();
    return Point(native.x, native.y);
}

Point UIWindowUtils::mapPoint(void* from, void* to, const Point& point)
{
    POINT native = {point.x, point.y};
    SetLastError(0);
    // A zero result is also a true "no offset" answer; only an error fails.
    if (MapWindowPoints(hwnd(from), hwnd(to), &native, 1) == 0 && GetLastError() != 0)
        return Point();
    return Point(native.x, native.y);
}

void* UIWindowUtils::rootWindow(void* window)
{
    return ancestor(window, GA_ROOT);
}

void* UIWindowUtils::rootOwnerWindow(void* window)
{
    return ancestor(window, GA_ROOTOWNER);
}

bool UIWindowUtils::isVisible(void* window)
{
    return window && IsWindowVisible(hwnd(window)) == 1;
}

void* UIWindowUtils::desktopWindow()
{
    return knownWindows().desktop;
}

void* UIWindowUtils::shellWindow()
{
    return knownWindows().shell;
}

void* UIWindowUtils::taskbarWindow()
{
    return knownWindows().taskbar;
}

uint32_t UIWindowUtils::styleCapabilities(void* window)
{
    if (!isWindow(window))
        return 0;
    LONG style = GetWindowLongW(hwnd(window), GWL_STYLE);
    if (style & WS_POPUP)
        return 0;
    uint32_t capabilities = 0;
    if (style & WS_MINIMIZEBOX)
        capabilities |= kMinimizeBox;
    if (style & WS_MAXIMIZEBOX)
        capabilities |= kMaximizeBox;
    if (style & WS_SYSMENU)
        capabilities |= kSystemMenu;
    return capabilities;
}

String UIWindowUtils::windowText(void* window)
{
    if (!isWindow(window))
        return String();
    wchar_t text[kMaxWindowText + 1] = {};
    int length = GetWindowTextW(hwnd(window), text, kMaxWindowText + 1);
    if (length <= 0)
        return String();
    return fromWide(text, length);
}

Rect UIWindowUtils::frameMargins(void* window)
{
    if (!isWindow(window))
        return Rect(0, 0, 0, 0);
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd(window), GWL_STYLE));
    DWORD extended = static_cast<DWORD>(GetWindowLongW(hwnd(window), GWL_EXSTYLE));
    RECT rect = {};
    if (!AdjustWindowRectEx(&rect, style, FALSE, extended))
        return Rect(0, 0, 0, 0);
    return Rect(-rect.left, -rect.top, rect.right, rect.bottom);
}

String UIWindowUtils::processModulePath(void* window)
{
    if (!isWindow(window))
        return String();
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd(window), &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return String();
    HMODULE module = nullptr;
    DWORD needed = 0;
    wchar_t path[MAX_PATH] = {};
    DWORD length = 0;
    if (EnumProcessModules(process, &module, sizeof(module), &needed))
        length = GetModuleFileNameExW(process, module, path, MAX_PATH);
    CloseHandle(process);
    return length > 0 ? fromWide(path, static_cast<int>(length)) : String();
}

Image UIWindowUtils::smallWindowIcon(void* window)
{
    return windowIcon(hwnd(window), true);
}

Image UIWindowUtils::largeWindowIcon(void* window)
{
    return windowIcon(hwnd(window), false);
}

List<void*> UIWindowUtils::processWindows(uint32_t processId, uint32_t options)
{
    List<void*> windows;
    WindowSearch search = {processId, options, GetDesktopWindow(), &windows};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return windows;
}

Rect UIWindowUtils::uncoveredArea(void* window)
{
    RECT rect = {};
    if (!isWindow(window) || !visibleRect(hwnd(window), &rect))
        return Rect();
    HRGN region = CreateRectRgnIndirect(&rect);
    HWND root = GetAncestor(hwnd(window), GA_ROOT);
    for (HWND above = GetWindow(root, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        RECT cover = {};
        if (!IsWindowVisible(above) || !IsWindowEnabled(above) || !GetWindowRect(above, &cover))
            continue;
        HRGN covered = CreateRectRgnIndirect(&cover);
        CombineRgn(region, region, covered, RGN_DIFF);
        DeleteObject(covered);
    }
    RECT box = {};
    int kind = GetRgnBox(region, &box);
    DeleteObject(region);
    if (kind == NULLREGION || kind == ERROR)
        return Rect();
    return Rect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}
