#pragma once

#include "foundation/text/String.h"

// Values under the current user's registry root. A path is a key path, a
// backslash and a value name: "Software\Maker\Product\Value".
class Registry
{
public:
    // Texts of this many bytes or more are not stored.
    static constexpr int kMaxTextBytes = 2048;

    // Splits a path at its last backslash; false when it has none or either
    // part is empty.
    static bool splitPath(const String& path, String* key, String* valueName);

    static bool valueExists(const String& path);
    static bool setString(const String& path, const String& text);
    // A text value (environment variables expanded for the expandable kind)
    // or a number as decimal text; the fallback for anything else or an
    // empty text.
    static String getString(const String& path, const String& fallback);
    // The default text value of a key below the classes root (a file
    // extension's key names its file type there); empty when there is none.
    static String classesRootDefault(const String& keyPath);
    static bool deleteValue(const String& path);
    // Deletes the key the path names (it must have no sub-keys).
    static bool deleteKey(const String& path);
    // Starts the program at logon ("executable" -autorun) or stops doing so.
    static bool setAutorun(const String& name, const String& executable, bool enable);
};
