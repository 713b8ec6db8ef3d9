#pragma once

#include "foundation/text/String.h"

#include <string>

// Strings as standard texts, so that a failed comparison prints both sides.
inline std::u16string text(const String& value)
{
    return value.isEmpty() ? std::u16string() : std::u16string(value.data(), value.length());
}

inline String str(const std::u16string& value)
{
    return String(value.data(), int(value.size()));
}
