#pragma once

#include "foundation/text/String.h"

class UIBox;
class UIButton;
class UIWidget;

// How a dialog's button row sits in its parent's grid. The defaults leave the
// row as a fresh box is: one column, the box's own margins.
struct ButtonRowPlacement
{
    int columnSpan = 1;
    bool flush = false; // no margins around the row
    int topMargin = -1; // negative keeps the box's own top margin
};

// The row at the foot of a dialog: the buttons pushed to the right, the
// accepting one first (in its colour variant), then the one that cancels.
// The row is shown; both buttons are handed back for connecting.
UIBox* addButtonRow(UIWidget* parent, const String& firstText, int firstVariant, const String& cancelText,
                    UIButton** first, UIButton** cancel, const ButtonRowPlacement& placement = {});
