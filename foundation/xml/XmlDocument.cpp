#include "foundation/xml/XmlDocument.h"

#include "foundation/containers/StringList.h"
#include "foundation/xml/XmlReader.h"
#include "foundation/xml/XmlWriter.h"

namespace {

XmlElement* childNamed(const XmlElement& parent, const String& name, bool ignoreCase)
{
    return ignoreCase ? parent.childNoCase(name) : parent.child(name);
}

} // namespace

XmlDocument::XmlDocument() : m_root(u"ROOT") {}

XmlDocument::~XmlDocument()
{
    clear();
}

void XmlDocument::clear()
{
    m_root.clearChildren();
    m_root.clearAttributes();
}

bool XmlDocument::loadFromFile(const String& path, int encoding)
{
    clear();
    XmlReader reader(this);
    return reader.loadFile(path, encoding);
}

bool XmlDocument::loadFromString(const String& text, bool lenient)
{
    clear();
    XmlReader reader(this);
    return reader.loadString(text, lenient);
}

bool XmlDocument::save(const String& path, int encoding) const
{
    XmlWriter writer(this);
    return writer.writeFile(path, encoding);
}

bool XmlDocument::toString(String& out) const
{
    XmlWriter writer(this);
    return writer.writeString(out);
}

XmlElement* XmlDocument::findElement(const String& path) const
{
    return findElementBy(path, false);
}

XmlElement* XmlDocument::findElementNoCase(const String& path) const
{
    return findElementBy(path, true);
}

XmlElement* XmlDocument::findElementBy(const String& path, bool ignoreCase) const
{
    StringList parts = String::split(path, u"/", String::kSkipEmpty);
    // A single name is taken whole, slashes and all, as the callers have
    // always looked up top-level elements that way.
    if (parts.count() < 2)
        return childNamed(m_root, path, ignoreCase);
    XmlElement* element = nullptr;
    for (const String& part : parts) {
        element = childNamed(element ? *element : m_root, part, ignoreCase);
        if (!element)
            return nullptr;
    }
    return element;
}
