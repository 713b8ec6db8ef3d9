#pragma once

#include "foundation/text/String.h"

class UIButton;
class UIComboBox;
class UIDialog;
class UIFileDialog;
class UIGroup;
class UIWidget;

// The shape the text export and import windows share: a dialog over the
// main window with one column, two-column groups of labelled controls, the
// delimiter and qualifier boxes in the order of the format's indices, and a
// row of a first button and Cancel. Texts are translated in the context given.

UIDialog* makeTextExchangeDialog(const char16_t* title, const char16_t* context);
// Two columns filled row by row, the second stretching.
UIGroup* addTwoColumnGroup(UIWidget* parent);
UIComboBox* addDelimiterBox(UIWidget* parent, const char16_t* context);
UIComboBox* addQualifierBox(UIWidget* parent, const char16_t* context);
// Adds the row with a spacer, the first button (the dialog's main one) and Cancel.
void addTextExchangeButtons(UIDialog* dialog, const String& firstText, const char16_t* context,
                            UIButton** first, UIButton** cancel);
// The desktop as the start and the one filter "TXT Files".
void prepareTextFileDialog(UIFileDialog& dialog, int acceptMode);
