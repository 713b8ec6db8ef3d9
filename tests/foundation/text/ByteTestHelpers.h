#pragma once

// Views of ByteArray that GoogleTest compares and prints readably.
#include <cstring>
#include <string>

#include "foundation/text/ByteArray.h"

inline std::string bytesOf(const ByteArray& array)
{
    if (array.isEmpty())
        return std::string();
    return std::string(reinterpret_cast<const char*>(array.data()), static_cast<size_t>(array.size()));
}

inline ByteArray bytes(const char* text)
{
    return ByteArray(text, static_cast<int>(std::strlen(text)));
}
