#pragma once

#include "foundation/text/String.h"

// Shell shortcut (.lnk) files, and the program's entry in the user's
// send-to menu.
class Shortcut
{
public:
    // Writes a new shortcut to an existing target; false when the .lnk file
    // exists already, the target is missing or the file was not written.
    static bool create(const String& linkPath, const String& target, const String& description);
    // The target path stored in an existing shortcut; empty on failure.
    static String target(const String& linkPath);
    // Creates (enable) or removes the send-to shortcut "name.lnk" to target.
    static bool setSendTo(const String& name, const String& target, bool enable);
    static bool hasSendTo(const String& name, const String& target);
};
