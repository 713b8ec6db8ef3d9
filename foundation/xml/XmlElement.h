#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "foundation/xml/XmlAttribute.h"

// One element of an XML tree: a name, a decoded text value, attributes in the
// order they were added and child elements in document order. An element owns
// its attributes and children; lookups by name walk the lists and return the
// first match.
class XmlElement
{
public:
    XmlElement() = default;
    explicit XmlElement(const String& name) : m_name(name) {}
    ~XmlElement();
    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;

    const String& name() const { return m_name; }
    void setName(const String& name) { m_name = name; }
    bool hasName() const { return !m_name.isEmpty(); }
    const String& value() const { return m_value; }
    void setValue(const String& value) { m_value = value; }
    bool hasValue() const { return !m_value.isEmpty(); }

    const List<XmlAttribute*>& attributes() const { return m_attributes; }
    const List<XmlElement*>& children() const { return m_children; }
    bool hasAttributes() const { return !m_attributes.isEmpty(); }
    bool hasChildren() const { return !m_children.isEmpty(); }

    XmlAttribute* findAttribute(const String& name) const;
    XmlAttribute* findAttributeNoCase(const String& name) const;
    bool hasAttribute(const String& name) const;
    // The first value of that name, or an empty String when there is none.
    const String& attribute(const String& name) const;
    const String& attributeNoCase(const String& name) const;

    XmlElement* child(const String& name) const;
    XmlElement* childNoCase(const String& name) const;
    // The first child with an attribute of exactly that name and value.
    XmlElement* findChildWithAttribute(const String& name, const String& value) const;

    // Appends even when the name is taken already; the value is kept as given.
    XmlAttribute* addAttribute(const String& name, const String& value);
    void appendAttribute(XmlAttribute* attribute);
    XmlElement* addChild(const String& name);
    void appendChild(XmlElement* element);

    // Hands every child over to the caller, who owns them from then on; the
    // element is left without children.
    List<XmlElement*> takeChildren();

    void clearAttributes();
    // Destroys the whole subtree without recursion, so no depth of nesting
    // can exhaust the stack.
    void clearChildren();

private:
    String m_name;
    String m_value;
    List<XmlAttribute*> m_attributes;
    List<XmlElement*> m_children;
};
