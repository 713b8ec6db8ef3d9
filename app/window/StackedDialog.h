#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class UIDialog;
class UIWidget;

// A dialog whose parts stack from top to bottom inside the theme's margins,
// with the title given (the program's name appended). Spacing, stretch and
// sizes are the caller's.
UIDialog* makeStackedDialog(UIWidget* parent, uint32_t windowFlags, const String& title);
