#include "foundation/platform/Screen.h"
#include "ui/widgets/combo/UIComboBox.h"

// The whole monitor, not its work area: a popup may cover the task bar.
Rect UIComboBox::monitorRectAt(const Point& point)
{
    return Screen::rectAt(point, false);
}
