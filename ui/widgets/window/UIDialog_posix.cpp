#include "ui/widgets/window/UIDialog.h"

// The native build has no desktop setting and no cursor of its own to move.
bool UIDialog::snapsToDefaultButton()
{
    return false;
}

void UIDialog::moveCursorTo(const Point&) {}
