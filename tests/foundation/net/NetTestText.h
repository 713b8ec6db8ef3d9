#pragma once

// Small conversions for the network tests, so that expectations are written
// and reported as plain std::string text.
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

#include <string>

namespace nettest {

// A String from UTF-8 text.
inline String text(const std::string& utf8)
{
    String result;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        uint32_t code = lead;
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if (extra > 0)
            code = lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += static_cast<size_t>(extra) + 1;
        if (code >= 0x10000) {
            code -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (code >> 10));
            result += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            result += static_cast<char16_t>(code);
        }
    }
    return result;
}

// UTF-8 text of a String.
inline std::string utf8(const String& value)
{
    std::string result;
    for (int i = 0; i < value.length(); ++i) {
        uint32_t code = value.at(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < value.length()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (value.at(i + 1) - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            result += static_cast<char>(code);
        } else if (code < 0x800) {
            result += static_cast<char>(0xC0 | (code >> 6));
            result += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            result += static_cast<char>(0xE0 | (code >> 12));
            result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | (code >> 18));
            result += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return result;
}

inline std::string bytes(const ByteArray& value)
{
    if (value.isEmpty())
        return std::string();
    return std::string(reinterpret_cast<const char*>(value.data()), static_cast<size_t>(value.size()));
}

inline const uint8_t* raw(const std::string& value)
{
    return reinterpret_cast<const uint8_t*>(value.data());
}

inline int size(const std::string& value)
{
    return static_cast<int>(value.size());
}

} // namespace nettest
