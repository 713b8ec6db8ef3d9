#pragma once

#include "foundation/data/JsonValue.h"

#include <cstddef>
#include <string>

// Reads one JSON text strictly (RFC 8259): no comments, no trailing commas,
// nothing but white space after the value. Strings come back as UTF-8; a
// lone surrogate escape becomes U+FFFD. Nesting deeper than kMaxDepth is
// refused, so hostile input cannot exhaust the stack.
class JsonReader
{
public:
    static constexpr int kMaxDepth = 64;

    // False, with value null and error() saying where, on malformed input.
    bool read(const char* data, size_t size, JsonValue& value);
    bool read(const std::string& text, JsonValue& value) { return read(text.data(), text.size(), value); }
    const std::string& error() const { return m_error; }
    size_t errorOffset() const { return m_errorOffset; }

private:
    bool fail(const char* what);
    void skipSpace();
    bool parseValue(JsonValue& value, int depth);
    bool parseObject(JsonValue& value, int depth);
    bool parseArray(JsonValue& value, int depth);
    bool parseString(std::string& text);
    bool parseEscape(std::string& text);
    bool parseHex4(unsigned& code);
    bool parseNumber(JsonValue& value);
    bool parseWord(const char* word, JsonValue value, JsonValue& out);

    const char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
    std::string m_error;
    size_t m_errorOffset = 0;
};
