#pragma once

#include "foundation/text/String.h"

// One attribute of an element: a name and its decoded value.
class XmlAttribute
{
public:
    XmlAttribute() = default;
    XmlAttribute(const String& name, const String& value) : m_name(name), m_value(value) {}

    const String& name() const { return m_name; }
    const String& value() const { return m_value; }
    void setName(const String& name) { m_name = name; }
    void setValue(const String& value) { m_value = value; }

private:
    String m_name;
    String m_value;
};
