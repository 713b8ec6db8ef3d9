#pragma once

#include "foundation/text/String.h"

class UIBox;
class UIButton;
class UIDialog;
class UILineEdit;
class UIWidget;

// What both password windows share: the warning balloon that points at the
// middle of a field, their password fields, and the button row.

void showPasswordBalloon(UIDialog* dialog, UIWidget* field, const String& text);
// At most 20 characters, shown as typed.
UILineEdit* makePasswordField(UIWidget* parent);
// The main button (given text, in the accent colour) and Cancel, right
// aligned, 10 pixels below what is above; spans two columns.
UIBox* makePasswordButtonRow(UIWidget* parent, const String& mainText, const String& cancelText,
                             UIButton** main, UIButton** cancel);
