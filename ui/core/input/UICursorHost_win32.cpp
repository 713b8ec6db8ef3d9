#include "ui/core/input/UICursorHost.h"

#include "ui/core/theme/UICursors.h"

#include <windows.h>

namespace {

class SystemCursorHost : public UICursorHost
{
public:
    Point position() const override
    {
        POINT point = {};
        GetCursorPos(&point);
        return Point(point.x, point.y);
    }
    int shape() const override { return UICursors::currentShape(); }
    void setShape(int shape) override
    {
        // Shape 0 has no cursor in the table: the pointer is hidden.
        if (shape == 0) {
            SetCursor(nullptr);
            UICursors::forgetLastCursor();
            return;
        }
        UICursors::setCursor(UICursor(shape));
    }
};

} // namespace

UICursorHost* UICursorHost::systemHost()
{
    static SystemCursorHost host;
    return &host;
}
