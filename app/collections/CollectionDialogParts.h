#pragma once

#include "foundation/text/String.h"

class UIButton;
class UIDialog;
class UIWidget;

// The shape both collection windows share: a dialog over the main window
// with one column, a two-column group of labelled fields above a spacer, and
// a row of a first button and Cancel.
UIDialog* makeCollectionDialog(const String& title, int minimumWidth);
UIWidget* addFieldGroup(UIDialog* dialog);
// Adds the spacer that closes the group, then the button row; the first
// button is the one given text, the second Cancel.
void addButtonRow(UIDialog* dialog, UIWidget* group, const String& firstText, const String& cancelText,
                  UIButton** first, UIButton** cancel);
// The plain system beep with which these windows refuse.
void playErrorSound();
