#pragma once

#include "foundation/text/String.h"

#include <functional>

class UIDialog;

// Runs the dialog modally where it was last left (at its last size too when
// keepSize), after prepare has filled it, and keeps its place under name for
// the next run; true when it ended accepted.
bool runDialogInItsPlace(UIDialog* dialog, const String& name, bool keepSize, const std::function<void()>& prepare);
