#pragma once

#include "foundation/text/String.h"

// One filter of the file dialogs: the name the user sees, the pattern the
// system matches ("*.jpg|*.jpeg") and the extension a saved name gets.
struct StringTriple
{
    StringTriple() = default;
    StringTriple(const String& first, const String& second, const String& third)
        : name(first), pattern(second), extension(third)
    {
    }

    String name;
    String pattern;
    String extension;
};
