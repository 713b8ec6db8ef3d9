#include "ui/widgets/combo/UIComboBox.h"

// The native build has no monitors: the popup opens below the field.
Rect UIComboBox::monitorRectAt(const Point&)
{
    return Rect();
}
