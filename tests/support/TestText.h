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

// The "file:" address the system's browser control resolves a local path
// to: forward slashes, blanks escaped, behind "file:///" ("file://" for a
// native path, which starts with its own slash).
inline std::string fileAddress(const std::string& path)
{
    std::string address = !path.empty() && path[0] == '\\' ? "file://" : "file:///";
    for (char c : path) {
        if (c == ' ')
            address += "%20";
        else
            address += c == '\\' ? '/' : c;
    }
    return address;
}

} // namespace testsupport
