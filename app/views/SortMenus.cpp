#include "app/views/SortMenus.h"

namespace sortmenus {

Checks checksFor(int mode, int order)
{
    Checks checks;
    if (order == 1)
        checks.orderItem = kAscendingItem;
    else if (order == 2)
        checks.orderItem = kDescendingItem;
    if (mode >= 0 && mode < kModeCount)
        checks.modeItem = kFirstModeItem + mode;
    return checks;
}

Choice choiceFor(int index, bool ascendingChecked, int currentMode)
{
    Choice choice;
    choice.order = ascendingChecked ? 1 : 2;
    choice.mode = index >= kFirstModeItem ? index - kFirstModeItem : currentMode;
    return choice;
}

} // namespace sortmenus
