#pragma once

#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

#include <string>

// The channel speaks UTF-8; the toolkit's texts are UTF-16.
inline std::string utf8Of(const String& text)
{
    ByteArray bytes = text.toUtf8();
    return bytes.size() > 0
               ? std::string(reinterpret_cast<const char*>(bytes.data()), static_cast<size_t>(bytes.size()))
               : std::string();
}

inline String stringOf(const std::string& utf8)
{
    return utf8.empty() ? String() : String::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
}
