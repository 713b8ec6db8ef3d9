#include "foundation/xml/XmlWriter.h"

#include "foundation/io/SafeFileOutputStream.h"
#include "foundation/io/TextWriter.h"
#include "foundation/xml/XmlDocument.h"

#include <utility>

namespace {

const char16_t* const kUtf8Name = u"utf-8";
const char16_t* const kUtf16Name = u"utf-16";

const char16_t* encodingName(int encoding)
{
    if (encoding == TextWriter::kUtf8)
        return kUtf8Name;
    if (encoding == TextWriter::kUtf16)
        return kUtf16Name;
    return nullptr;
}

// The entity for a unit that must not stand in text or an attribute value as
// it is, or null.
const char16_t* entityFor(char16_t unit)
{
    switch (unit) {
    case u'&':
        return u"&amp;";
    case u'\'':
        return u"&apos;";
    case u'"':
        return u"&quot;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    default:
        return nullptr;
    }
}

void appendEscaped(String& out, const String& text)
{
    if (text.isEmpty())
        return;
    const char16_t* units = text.data();
    int length = text.length();
    int plainStart = 0;
    for (int i = 0; i < length; ++i) {
        const char16_t* entity = entityFor(units[i]);
        if (!entity)
            continue;
        out.appendChars(units + plainStart, i - plainStart);
        out.appendCString(entity);
        plainStart = i + 1;
    }
    out.appendChars(units + plainStart, length - plainStart);
}

void endLine(String& out)
{
    out.appendChar(u'\r');
    out.appendChar(u'\n');
}

} // namespace

// Each unit is replaced on its own, which gives the same text as replacing
// "&" first and then the other four over the whole text: no entity that a
// replacement inserts is ever escaped again.
String xmlEscape(const String& text)
{
    String escaped;
    escaped.reserve(text.length());
    appendEscaped(escaped, text);
    return escaped;
}

XmlWriter::XmlWriter(const XmlDocument* document) : m_document(document) {}

void XmlWriter::setIndent(int indent)
{
    m_indent = indent < 0 ? 0 : (indent > kMaxIndent ? kMaxIndent : indent);
}

bool XmlWriter::writeFile(const String& path, int encoding) const
{
    const char16_t* name = encodingName(encoding);
    if (path.isEmpty() || !name || !m_document)
        return false;
    String text;
    if (!writeDocument(text, name))
        return false;
    // The old file is replaced only once every byte of the new one is on disk.
    SafeFileOutputStream stream(path);
    TextWriter writer(&stream, encoding);
    if (!writer.attach())
        return false;
    bool written = writer.write(text);
    writer.detach();
    return written && stream.commit();
}

bool XmlWriter::writeString(String& out) const
{
    out.clear();
    if (!m_document)
        return false;
    String text;
    if (!writeDocument(text, kUtf16Name))
        return false;
    out = std::move(text);
    return !out.isEmpty();
}

bool XmlWriter::writeDocument(String& out, const char16_t* encodingName) const
{
    if (!m_document->leadingText().isEmpty()) {
        out.append(m_document->leadingText());
        endLine(out);
    }
    out.appendCString(u"<?xml version=\"1.0\" encoding=\"");
    out.appendCString(encodingName);
    out.appendCString(u"\"?>");
    endLine(out);
    for (const XmlElement* element : m_document->root().children()) {
        if (!writeElement(out, *element, 0))
            return false;
    }
    return true;
}

bool XmlWriter::writeElement(String& out, const XmlElement& element, int depth) const
{
    if (depth >= XmlDocument::kMaxDepth)
        return false;
    int indentation = m_indent * depth;
    out.appendRepeated(u' ', indentation);
    out.appendChar(u'<');
    out.append(element.name());
    for (const XmlAttribute* attribute : element.attributes()) {
        out.appendChar(u' ');
        out.append(attribute->name());
        out.appendCString(u"=\"");
        appendEscaped(out, attribute->value());
        out.appendChar(u'"');
    }
    if (element.hasChildren()) {
        out.appendChar(u'>');
        endLine(out);
        for (const XmlElement* child : element.children()) {
            if (!writeElement(out, *child, depth + 1))
                return false;
        }
        out.appendRepeated(u' ', indentation);
        out.appendCString(u"</");
        out.append(element.name());
        out.appendChar(u'>');
        endLine(out);
        return true;
    }
    if (element.hasValue()) {
        out.appendChar(u'>');
        appendEscaped(out, element.value());
        out.appendCString(u"</");
        out.append(element.name());
        out.appendChar(u'>');
        endLine(out);
        return true;
    }
    out.appendCString(u"/>");
    endLine(out);
    return true;
}
