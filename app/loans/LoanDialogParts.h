#pragma once

class String;
class UIButton;
class UIDialog;
class UIGroup;
class UIWidget;

// What the loaner and loan editors share: the dialog with its two-column
// field group, the OK and Cancel row, and the beep of a refused OK.

// A dialog with window flags 256, the title (application name appended),
// theme margins and spacing, minimum width 350, and its field group.
UIDialog* makeLoanDialog(UIWidget* parent, const String& title, UIGroup** group);
// An expander, "OK" in the accent colour and "Cancel", below the group.
void addLoanButtonRow(UIDialog* dialog, const char16_t* context, UIButton** ok, UIButton** cancel);
// The system's error sound for input an editor refuses without a message.
void beepRefusal();
