#pragma once

#include "foundation/containers/StringList.h"

// The shell's own context menu for files and folders, shown at a screen
// point for an owner window; the command picked there runs. One menu at a
// time: while one is tracked, another show does nothing. Only the Windows
// build has the shell; elsewhere nothing is shown.
class UIShellContextMenu
{
public:
    // True when a command was picked and handed to the shell; false when the
    // paths name nothing that exists, the owner window is gone, the shell
    // could not build the menu or the menu was cancelled.
    static bool show(const StringList& paths, int x, int y, void* ownerWindow);
    static bool isShowing();

    // The file-type keys below the classes root that the menu of these paths
    // is built from, in the order the shell gets them, only those that open
    // and at most 16 of them.
    static StringList typeKeys(const StringList& paths);
};
