#include "foundation/data/JsonReader.h"

#include <cstdlib>
#include <cstring>

namespace {

void appendUtf8(unsigned code, std::string& out)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool JsonReader::read(const char* data, size_t size, JsonValue& value)
{
    m_data = data;
    m_size = data ? size : 0;
    m_pos = 0;
    m_error.clear();
    m_errorOffset = 0;
    value = JsonValue();
    skipSpace();
    if (!parseValue(value, 0)) {
        value = JsonValue();
        return false;
    }
    skipSpace();
    if (m_pos != m_size) {
        value = JsonValue();
        return fail("text after the value");
    }
    return true;
}

bool JsonReader::fail(const char* what)
{
    if (m_error.empty()) {
        m_error = what;
        m_errorOffset = m_pos;
    }
    return false;
}

void JsonReader::skipSpace()
{
    while (m_pos < m_size) {
        char c = m_data[m_pos];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return;
        ++m_pos;
    }
}

bool JsonReader::parseValue(JsonValue& value, int depth)
{
    if (m_pos >= m_size)
        return fail("value expected");
    switch (m_data[m_pos]) {
    case '{':
        return parseObject(value, depth + 1);
    case '[':
        return parseArray(value, depth + 1);
    case '"': {
        std::string text;
        if (!parseString(text))
            return false;
        value = JsonValue(std::move(text));
        return true;
    }
    case 't':
        return parseWord("true", JsonValue(true), value);
    case 'f':
        return parseWord("false", JsonValue(false), value);
    case 'n':
        return parseWord("null", JsonValue(), value);
    default:
        return parseNumber(value);
    }
}

bool JsonReader::parseObject(JsonValue& value, int depth)
{
    if (depth > kMaxDepth)
        return fail("nested too deeply");
    ++m_pos;
    value = JsonValue::object();
    skipSpace();
    if (m_pos < m_size && m_data[m_pos] == '}') {
        ++m_pos;
        return true;
    }
    for (;;) {
        skipSpace();
        if (m_pos >= m_size || m_data[m_pos] != '"')
            return fail("member name expected");
        std::string name;
        if (!parseString(name))
            return false;
        skipSpace();
        if (m_pos >= m_size || m_data[m_pos] != ':')
            return fail("':' expected");
        ++m_pos;
        skipSpace();
        JsonValue member;
        if (!parseValue(member, depth))
            return false;
        value.set(name, std::move(member));
        skipSpace();
        if (m_pos < m_size && m_data[m_pos] == ',') {
            ++m_pos;
            continue;
        }
        if (m_pos < m_size && m_data[m_pos] == '}') {
            ++m_pos;
            return true;
        }
        return fail("',' or '}' expected");
    }
}

bool JsonReader::parseArray(JsonValue& value, int depth)
{
    if (depth > kMaxDepth)
        return fail("nested too deeply");
    ++m_pos;
    value = JsonValue::array();
    skipSpace();
    if (m_pos < m_size && m_data[m_pos] == ']') {
        ++m_pos;
        return true;
    }
    for (;;) {
        skipSpace();
        JsonValue element;
        if (!parseValue(element, depth))
            return false;
        value.append(std::move(element));
        skipSpace();
        if (m_pos < m_size && m_data[m_pos] == ',') {
            ++m_pos;
            continue;
        }
        if (m_pos < m_size && m_data[m_pos] == ']') {
            ++m_pos;
            return true;
        }
        return fail("',' or ']' expected");
    }
}

bool JsonReader::parseString(std::string& text)
{
    ++m_pos;
    while (m_pos < m_size) {
        unsigned char c = static_cast<unsigned char>(m_data[m_pos]);
        if (c == '"') {
            ++m_pos;
            return true;
        }
        if (c < 0x20)
            return fail("control character in a string");
        if (c == '\\') {
            if (!parseEscape(text))
                return false;
            continue;
        }
        text += static_cast<char>(c);
        ++m_pos;
    }
    return fail("unterminated string");
}

bool JsonReader::parseEscape(std::string& text)
{
    ++m_pos;
    if (m_pos >= m_size)
        return fail("unterminated escape");
    char c = m_data[m_pos++];
    switch (c) {
    case '"':
        text += '"';
        return true;
    case '\\':
        text += '\\';
        return true;
    case '/':
        text += '/';
        return true;
    case 'b':
        text += '\b';
        return true;
    case 'f':
        text += '\f';
        return true;
    case 'n':
        text += '\n';
        return true;
    case 'r':
        text += '\r';
        return true;
    case 't':
        text += '\t';
        return true;
    case 'u':
        break;
    default:
        return fail("unknown escape");
    }
    unsigned code = 0;
    if (!parseHex4(code))
        return false;
    if (code >= 0xD800 && code < 0xDC00) {
        unsigned low = 0;
        size_t mark = m_pos;
        if (m_pos + 1 < m_size && m_data[m_pos] == '\\' && m_data[m_pos + 1] == 'u') {
            m_pos += 2;
            if (!parseHex4(low))
                return false;
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00), text);
                return true;
            }
            m_pos = mark;
        }
        code = 0xFFFD;
    } else if (code >= 0xDC00 && code < 0xE000) {
        code = 0xFFFD;
    }
    appendUtf8(code, text);
    return true;
}

bool JsonReader::parseHex4(unsigned& code)
{
    if (m_size - m_pos < 4)
        return fail("short \\u escape");
    code = 0;
    for (int i = 0; i < 4; ++i) {
        char c = m_data[m_pos++];
        code <<= 4;
        if (c >= '0' && c <= '9')
            code |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            code |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            code |= static_cast<unsigned>(c - 'A' + 10);
        else
            return fail("bad \\u escape");
    }
    return true;
}

bool JsonReader::parseNumber(JsonValue& value)
{
    size_t start = m_pos;
    if (m_pos < m_size && m_data[m_pos] == '-')
        ++m_pos;
    if (m_pos >= m_size || !isDigit(m_data[m_pos]))
        return fail("value expected");
    if (m_data[m_pos] == '0')
        ++m_pos;
    else
        while (m_pos < m_size && isDigit(m_data[m_pos]))
            ++m_pos;
    if (m_pos < m_size && m_data[m_pos] == '.') {
        ++m_pos;
        if (m_pos >= m_size || !isDigit(m_data[m_pos]))
            return fail("digit expected");
        while (m_pos < m_size && isDigit(m_data[m_pos]))
            ++m_pos;
    }
    if (m_pos < m_size && (m_data[m_pos] == 'e' || m_data[m_pos] == 'E')) {
        ++m_pos;
        if (m_pos < m_size && (m_data[m_pos] == '+' || m_data[m_pos] == '-'))
            ++m_pos;
        if (m_pos >= m_size || !isDigit(m_data[m_pos]))
            return fail("digit expected");
        while (m_pos < m_size && isDigit(m_data[m_pos]))
            ++m_pos;
    }
    // strtod needs a terminated copy; the program keeps the "C" locale, so
    // its decimal point is '.'.
    std::string copy(m_data + start, m_pos - start);
    char* end = nullptr;
    double number = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size())
        return fail("bad number");
    value = JsonValue(number);
    return true;
}

bool JsonReader::parseWord(const char* word, JsonValue wordValue, JsonValue& out)
{
    size_t length = std::strlen(word);
    if (m_size - m_pos < length || std::memcmp(m_data + m_pos, word, length) != 0)
        return fail("value expected");
    m_pos += length;
    out = std::move(wordValue);
    return true;
}
