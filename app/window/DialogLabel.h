#pragma once

#include "foundation/text/String.h"

class UILabel;
class UIWidget;

// A plain label with the text, shown, as the dialogs put one before each
// field.
UILabel* addLabel(UIWidget* parent, const String& text);
