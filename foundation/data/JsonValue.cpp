#include "foundation/data/JsonValue.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

const JsonValue& nullValue()
{
    static const JsonValue value;
    return value;
}

void writeString(const std::string& text, std::string& out)
{
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void writeNumber(double number, std::string& out)
{
    if (!std::isfinite(number)) {
        out += "null";
        return;
    }
    char buffer[32];
    if (number == std::floor(number) && std::fabs(number) < 1e15)
        std::snprintf(buffer, sizeof(buffer), "%.0f", number);
    else
        std::snprintf(buffer, sizeof(buffer), "%.17g", number);
    out += buffer;
}

} // namespace

JsonValue JsonValue::array()
{
    JsonValue value;
    value.m_type = kArray;
    return value;
}

JsonValue JsonValue::object()
{
    JsonValue value;
    value.m_type = kObject;
    return value;
}

int JsonValue::toInt() const
{
    if (m_type != kNumber || std::isnan(m_number))
        return 0;
    if (m_number >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (m_number <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(m_number);
}

const std::string& JsonValue::toText() const&
{
    static const std::string empty;
    return m_type == kString ? m_text : empty;
}

std::string JsonValue::toText() &&
{
    return m_type == kString ? std::move(m_text) : std::string();
}

int JsonValue::size() const
{
    if (m_type == kArray)
        return static_cast<int>(m_elements.size());
    if (m_type == kObject)
        return static_cast<int>(m_members.size());
    return 0;
}

const JsonValue& JsonValue::at(int index) const&
{
    if (m_type != kArray || index < 0 || index >= static_cast<int>(m_elements.size()))
        return nullValue();
    return m_elements[static_cast<size_t>(index)];
}

JsonValue JsonValue::at(int index) &&
{
    if (m_type != kArray || index < 0 || index >= static_cast<int>(m_elements.size()))
        return JsonValue();
    return std::move(m_elements[static_cast<size_t>(index)]);
}

const JsonValue& JsonValue::operator[](const std::string& name) const&
{
    for (const Member& member : m_members) {
        if (member.first == name)
            return member.second;
    }
    return nullValue();
}

JsonValue JsonValue::operator[](const std::string& name) &&
{
    for (Member& member : m_members) {
        if (member.first == name)
            return std::move(member.second);
    }
    return JsonValue();
}

bool JsonValue::contains(const std::string& name) const
{
    for (const Member& member : m_members) {
        if (member.first == name)
            return true;
    }
    return false;
}

JsonValue& JsonValue::append(JsonValue value)
{
    if (m_type != kArray)
        *this = array();
    m_elements.push_back(std::move(value));
    return m_elements.back();
}

JsonValue& JsonValue::set(const std::string& name, JsonValue value)
{
    if (m_type != kObject)
        *this = object();
    for (Member& member : m_members) {
        if (member.first == name) {
            member.second = std::move(value);
            return member.second;
        }
    }
    m_members.emplace_back(name, std::move(value));
    return m_members.back().second;
}

std::string JsonValue::write() const
{
    std::string out;
    writeTo(out);
    return out;
}

void JsonValue::writeTo(std::string& out) const
{
    switch (m_type) {
    case kNull:
        out += "null";
        break;
    case kBool:
        out += m_bool ? "true" : "false";
        break;
    case kNumber:
        writeNumber(m_number, out);
        break;
    case kString:
        writeString(m_text, out);
        break;
    case kArray:
        out += '[';
        for (size_t i = 0; i < m_elements.size(); ++i) {
            if (i)
                out += ',';
            m_elements[i].writeTo(out);
        }
        out += ']';
        break;
    case kObject:
        out += '{';
        for (size_t i = 0; i < m_members.size(); ++i) {
            if (i)
                out += ',';
            writeString(m_members[i].first, out);
            out += ':';
            m_members[i].second.writeTo(out);
        }
        out += '}';
        break;
    }
}
