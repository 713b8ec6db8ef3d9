#include "foundation/platform/Screen.h"

#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <algorithm>

namespace {

Rect rectOf(const RECT& rect)
{
    return Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

Rect rectOfMonitor(HMONITOR monitor, bool workArea)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return Rect();
    return rectOf(workArea ? info.rcWork : info.rcMonitor);
}

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM context)
{
    auto* monitors = reinterpret_cast<Array<HMONITOR>*>(context);
    monitors->append(monitor);
    return TRUE;
}

Array<HMONITOR> monitors()
{
    Array<HMONITOR> list;
    EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

HMONITOR monitorAt(int index)
{
    Array<HMONITOR> list = monitors();
    if (index < 0 || index >= list.count())
        return nullptr;
    return list[index];
}

} // namespace

Rect Screen::primaryRect(bool workArea)
{
    return monitorRect(primaryMonitorIndex(), workArea);
}

int Screen::monitorCount()
{
    return GetSystemMetrics(SM_CMONITORS);
}

int Screen::primaryMonitorIndex()
{
    Array<HMONITOR> list = monitors();
    for (int i = 0; i < list.count(); ++i) {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(list[i], &info) && (info.dwFlags & MONITORINFOF_PRIMARY))
            return i;
    }
    return -1;
}

Rect Screen::monitorRect(int index, bool workArea)
{
    return rectOfMonitor(monitorAt(index), workArea);
}

Rect Screen::rectAt(int x, int y, bool workArea)
{
    POINT point = {x, y};
    return rectOfMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONULL), workArea);
}

Rect Screen::rectOfWindow(void* window, bool workArea)
{
    if (!window)
        return Rect();
    return rectOfMonitor(MonitorFromWindow(static_cast<HWND>(window), MONITOR_DEFAULTTONULL), workArea);
}

String Screen::monitorName(int index)
{
    HMONITOR monitor = monitorAt(index);
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return String();
    info.szDevice[CCHDEVICENAME - 1] = 0;
    return fromWide(info.szDevice);
}

Array<Rect> Screen::monitorRects(bool workArea)
{
    Array<Rect> rects;
    Array<HMONITOR> list = monitors();
    for (int i = 0; i < list.count(); ++i)
        rects.append(rectOfMonitor(list[i], workArea));
    return rects;
}

Rect Screen::virtualDesktopRect()
{
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
    Array<Rect> rects = monitorRects(false);
    for (int i = 0; i < rects.count(); ++i) {
        const Rect& rect = rects[i];
        left = std::min<int64_t>(left, rect.x);
        top = std::min<int64_t>(top, rect.y);
        right = std::max<int64_t>(right, static_cast<int64_t>(rect.x) + rect.width);
        bottom = std::max<int64_t>(bottom, static_cast<int64_t>(rect.y) + rect.height);
    }
    return Rect(static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
                static_cast<int32_t>(bottom - top));
}

Rect Screen::fitRect(const Point& anchor, const Rect& popup, const Margins& margins, int offset, bool flip)
{
    Rect area = rectAt(anchor.x, anchor.y, true);
    if (area.isEmpty())
        return popup;
    return fitInArea(shrink(area, margins), popup, offset, flip);
}

Rect Screen::alignOnMonitor(const Rect& rect, const Margins& margins, int alignment)
{
    if (rect.isEmpty())
        return Rect();
    Rect area = rectAt(rect.x, rect.y, true);
    if (area.isEmpty())
        return rect;
    return alignInArea(shrink(area, margins), rect, alignment);
}

int Screen::maxRefreshRate(int width, int height)
{
    if (width < 1 || height < 1)
        return 0;
    int best = 0;
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    for (DWORD index = 0; EnumDisplaySettingsW(nullptr, index, &mode); ++index) {
        bool sameSize =
            mode.dmPelsWidth == static_cast<DWORD>(width) && mode.dmPelsHeight == static_cast<DWORD>(height);
        if (sameSize && static_cast<int>(mode.dmDisplayFrequency) > best)
            best = static_cast<int>(mode.dmDisplayFrequency);
    }
    return best;
}

int Screen::bitsPerPixel()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits;
}

bool Screen::isScreenSaverActive()
{
    BOOL active = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) && active;
}
