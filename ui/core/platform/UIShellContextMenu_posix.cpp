#include "ui/core/platform/UIShellContextMenu.h"

bool UIShellContextMenu::show(const StringList&, int, int, void*)
{
    return false;
}

bool UIShellContextMenu::isShowing()
{
    return false;
}

StringList UIShellContextMenu::typeKeys(const StringList&)
{
    return StringList();
}
