#include "graphics/paint/PaintTarget.h"
#include "graphics/paint/Region.h"
#include "ui/core/paint/UIBlitter.h"

#include <windows.h>

void UIBlitter::copy(const PaintTarget& from, const Point& source, PaintTarget& to, const Rect& target)
{
    if (!from.hdc() || !to.hdc())
        return;
    Point at = source;
    Rect area = target;
    if (!clipCopy(from.rect(), &at, to.rect(), &area))
        return;
    BitBlt(to.hdc(), area.x, area.y, area.width, area.height, from.hdc(), at.x, at.y, SRCCOPY);
}

bool UIBlitter::toScreen(void* windowHandle, const PaintTarget& from, const Point& source, const Rect& target)
{
    ++s_screenCopies;
    HWND window = static_cast<HWND>(windowHandle);
    if (!from.hdc() || !IsWindow(window))
        return false;
    HDC screen = GetDC(window);
    if (!screen)
        return false;
    // A painter may have left a transform on the surface; the copy is 1:1.
    XFORM saved;
    const bool hadTransform = GetWorldTransform(from.hdc(), &saved) != 0;
    ModifyWorldTransform(from.hdc(), nullptr, MWT_IDENTITY);
    const bool copied = BitBlt(screen, target.x, target.y, target.width, target.height, from.hdc(), source.x,
                               source.y, SRCCOPY) != 0;
    if (hadTransform)
        SetWorldTransform(from.hdc(), &saved);
    ReleaseDC(window, screen);
    return copied;
}

bool UIBlitter::invertOnScreen(void* windowHandle, const Rect& rect, const Rect& area,
                               const std::vector<Rect>& holes)
{
    ++s_screenCopies;
    Region clip(area);
    for (const Rect& hole : holes)
        clip = clip.subtracted(Region(hole));
    HWND window = static_cast<HWND>(windowHandle);
    if (clip.isEmpty() || !IsWindow(window))
        return false;
    HDC screen = GetDC(window);
    if (!screen)
        return false;
    SelectClipRgn(screen, clip.handle());
    const bool inverted =
        BitBlt(screen, rect.x, rect.y, rect.width, rect.height, screen, rect.x, rect.y, DSTINVERT) != 0;
    SelectClipRgn(screen, nullptr);
    ReleaseDC(window, screen);
    return inverted;
}

bool UIBlitter::isInputDesktopUnavailable()
{
    // Asking costs a trip to the window server, too much for every blink of
    // a text cursor; the answer is kept briefly, since a copy made just after
    // the desktop was locked only fails.
    constexpr ULONGLONG kKeptMs = 250;
    static ULONGLONG askedAt = 0;
    static bool unavailable = false;
    const ULONGLONG now = GetTickCount64();
    if (askedAt != 0 && now - askedAt < kKeptMs)
        return unavailable;
    askedAt = now;
    HDESK desktop = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
    unavailable = desktop == nullptr;
    if (desktop)
        CloseDesktop(desktop);
    return unavailable;
}
