#include "foundation/xml/XmlElement.h"

#include "foundation/text/CharClass.h"

#include <utility>

namespace {

const String& emptyString()
{
    static const String empty;
    return empty;
}

// Upper-cases each unit by the platform's rules before comparing.
bool namesEqualNoCase(const String& a, const String& b)
{
    if (a.length() != b.length())
        return false;
    for (int i = 0; i < a.length(); ++i) {
        if (a.at(i) != b.at(i) && toUpperUnit(a.at(i)) != toUpperUnit(b.at(i)))
            return false;
    }
    return true;
}

} // namespace

XmlElement::~XmlElement()
{
    clearAttributes();
    clearChildren();
}

XmlAttribute* XmlElement::findAttribute(const String& name) const
{
    for (XmlAttribute* attribute : m_attributes) {
        if (attribute->name() == name)
            return attribute;
    }
    return nullptr;
}

XmlAttribute* XmlElement::findAttributeNoCase(const String& name) const
{
    for (XmlAttribute* attribute : m_attributes) {
        if (namesEqualNoCase(attribute->name(), name))
            return attribute;
    }
    return nullptr;
}

bool XmlElement::hasAttribute(const String& name) const
{
    return findAttribute(name) != nullptr;
}

const String& XmlElement::attribute(const String& name) const
{
    XmlAttribute* found = findAttribute(name);
    return found ? found->value() : emptyString();
}

const String& XmlElement::attributeNoCase(const String& name) const
{
    XmlAttribute* found = findAttributeNoCase(name);
    return found ? found->value() : emptyString();
}

XmlElement* XmlElement::child(const String& name) const
{
    for (XmlElement* element : m_children) {
        if (element->name() == name)
            return element;
    }
    return nullptr;
}

XmlElement* XmlElement::childNoCase(const String& name) const
{
    for (XmlElement* element : m_children) {
        if (namesEqualNoCase(element->name(), name))
            return element;
    }
    return nullptr;
}

XmlElement* XmlElement::findChildWithAttribute(const String& name, const String& value) const
{
    for (XmlElement* element : m_children) {
        for (XmlAttribute* attribute : element->m_attributes) {
            if (attribute->name() == name && attribute->value() == value)
                return element;
        }
    }
    return nullptr;
}

XmlAttribute* XmlElement::addAttribute(const String& name, const String& value)
{
    XmlAttribute* attribute = new XmlAttribute(name, value);
    m_attributes.append(attribute);
    return attribute;
}

void XmlElement::appendAttribute(XmlAttribute* attribute)
{
    if (attribute)
        m_attributes.append(attribute);
}

XmlElement* XmlElement::addChild(const String& name)
{
    XmlElement* element = new XmlElement(name);
    m_children.append(element);
    return element;
}

void XmlElement::appendChild(XmlElement* element)
{
    if (element && element != this)
        m_children.append(element);
}

List<XmlElement*> XmlElement::takeChildren()
{
    return std::move(m_children);
}

void XmlElement::clearAttributes()
{
    for (XmlAttribute* attribute : m_attributes)
        delete attribute;
    m_attributes.clear();
}

void XmlElement::clearChildren()
{
    // Every element taken off the work list hands its own children to the
    // list before it is deleted, so its destructor finds nothing to recurse
    // into.
    List<XmlElement*> doomed(std::move(m_children));
    while (List<XmlElement*>::Node* node = doomed.first()) {
        XmlElement* element = node->value;
        doomed.erase(node);
        for (XmlElement* grandchild : element->m_children)
            doomed.append(grandchild);
        element->m_children.clear();
        delete element;
    }
}
