#pragma once

// Our String and ByteArray as standard text, so that expectations are written
// in plain literals and a failed comparison prints both sides readably.
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

#include <cstdint>
#include <string>

namespace testsupport {

// A String from UTF-8 text.
inline String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.data(), int(utf8.size()));
}

// The UTF-8 text of a String.
inline std::string utf8(const String& value)
{
    ByteArray bytes = value.toUtf8();
    return bytes.isEmpty() ? std::string()
                           : std::string(reinterpret_cast<const char*>(bytes.data()), size_t(bytes.size()));
}

// The bytes of a ByteArray, zeros included.
inline std::string bytesOf(const ByteArray& value)
{
    return value.isEmpty() ? std::string()
                           : std::string(reinterpret_cast<const char*>(value.data()), size_t(value.size()));
}

inline const uint8_t* raw(const std::string& value)
{
    return reinterpret_cast<const uint8_t*>(value.data());
}

} // namespace testsupport
