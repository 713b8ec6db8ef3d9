#pragma once

#include "foundation/containers/StringList.h"

class UIWidget;

// The system's open dialogs the windows use to choose files, starting in the
// folder last browsed (else the desktop). result is emptied first and holds
// the chosen paths afterwards: empty when the user cancelled, and then the
// last browsed folder stays as it was.
void openImageFileDialog(UIWidget* owner, StringList& result, bool multiSelection);
void openAnyFileDialog(UIWidget* owner, StringList& result, bool multiSelection);
