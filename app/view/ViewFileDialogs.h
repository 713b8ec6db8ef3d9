#pragma once

#include "foundation/containers/StringList.h"

class CollectionModel;
class UIWidget;

// The two open dialogs several windows share. Each clears the result, then
// fills it with the chosen paths; empty means the user cancelled. They start
// in the model's recently browsed folder (the desktop when none) and keep
// the folder chosen from as the next start.
void openImageFileDialog(UIWidget* owner, StringList& result, bool multiSelection);
void openAnyFileDialog(UIWidget* owner, StringList& result, bool multiSelection);

// The same over a model given, for windows and tests that hold their own.
void openImageFileDialog(CollectionModel& model, UIWidget* owner, StringList& result, bool multiSelection);
void openAnyFileDialog(CollectionModel& model, UIWidget* owner, StringList& result, bool multiSelection);
