#include "foundation/platform/Input.h"
#include "ui/widgets/balloon/UIBalloonTip.h"

#include <windows.h>

uint32_t UIBalloonTip::pressedButtons()
{
    return Input::mouseButtons();
}

void UIBalloonTip::shapeWindow()
{
    HWND window = static_cast<HWND>(nativeHandle());
    if (!window)
        return;
    const Rect& body = bodyRect();
    const int corner = style().cornerDiametr;
    HRGN shape =
        CreateRoundRectRgn(body.x, body.y, body.x + body.width + 1, body.y + body.height + 1, corner, corner);
    Point corners[3];
    arrowTriangle(corners);
    POINT points[3];
    for (int i = 0; i < 3; ++i)
        points[i] = POINT{corners[i].x, corners[i].y};
    HRGN arrow = CreatePolygonRgn(points, 3, WINDING);
    CombineRgn(shape, shape, arrow, RGN_OR);
    DeleteObject(arrow);
    // The window owns the region from now on.
    if (!SetWindowRgn(window, shape, TRUE))
        DeleteObject(shape);
}
