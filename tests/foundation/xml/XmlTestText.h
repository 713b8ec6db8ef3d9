#pragma once

#include "tests/support/StringTestHelpers.h"

// A standard text as our String, embedded zeros included.
inline String str(const std::u16string& value)
{
    return String(value.data(), int(value.size()));
}
