#pragma once

#include "foundation/data/Variant.h"
#include "foundation/text/String.h"

// One setting of a ConfigFile: its full key (area, "/", name), its value and
// an optional comment that only the text form keeps.
class ConfigEntry
{
public:
    ConfigEntry(const String& key, const Variant& value, const String& comment)
        : m_key(key), m_value(value), m_comment(comment)
    {
    }

    const String& key() const { return m_key; }
    const Variant& value() const { return m_value; }
    void setValue(const Variant& value) { m_value = value; }
    const String& comment() const { return m_comment; }
    void setComment(const String& comment) { m_comment = comment; }

    // The key before its last "/", and after it.
    String section() const;
    String name() const;

private:
    String m_key;
    Variant m_value;
    String m_comment;
};
