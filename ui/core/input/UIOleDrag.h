#pragma once

#include "foundation/text/String.h"

struct IDataObject;
struct _GUID;
class UIMimeData;
class UIWidget;

// The bridge between mime data and the system's data objects, and what the
// native windows and the program need of the system's drag and drop. For the
// Windows build only.

// One block per entry of the data, in order; the number of formats added.
int toOleData(const UIMimeData& mime, IDataObject* data);
// Text, file paths, an image and a raw entry, in that order, each only when
// the data offers it in a block that reads.
void fromOleData(IDataObject* data, UIMimeData* mime);

// Registers (on) or revokes the drop target of a window at its creation and
// destruction; false when the system refused or the window is a tool tip, a
// balloon tip or a menu.
bool registerDropTarget(UIWidget* window, void* handle, bool on);

// An interface of the shell's object for a file or folder (its context menu,
// its data object); 0 on success, 1 otherwise.
int shellUIObject(void* window, const String& path, const _GUID& interfaceId, void** out);
