#pragma once

#include "foundation/text/String.h"

class XmlDocument;
class XmlElement;

// Turns a document into XML text: CRLF line ends, `indent` spaces per level,
// attribute values in double quotes, "<a/>" for an element without value or
// children. An element with children is written without its own value.
class XmlWriter
{
public:
    static constexpr int kMaxIndent = 64;

    explicit XmlWriter(const XmlDocument* document);

    const XmlDocument* document() const { return m_document; }
    void setDocument(const XmlDocument* document) { m_document = document; }
    int indent() const { return m_indent; }
    // Clamped to 0..kMaxIndent, so no depth can overflow the line's width.
    void setIndent(int indent);
    void reset() { m_document = nullptr; }

    // Encoding 3 (UTF-8) or 4 (UTF-16); the file starts with the encoding's
    // byte-order mark. The old file is replaced only once the new one is
    // completely written.
    bool writeFile(const String& path, int encoding) const;
    // Always declares "utf-16", since a String holds UTF-16.
    bool writeString(String& out) const;
    // Appends one element and its subtree; false when the tree is nested
    // deeper than a document may be.
    bool writeElement(String& out, const XmlElement& element, int depth) const;

private:
    bool writeDocument(String& out, const char16_t* encodingName) const;

    const XmlDocument* m_document;
    int m_indent = 4;
};

// "&", "'", '"', "<" and ">" as entities; everything else as it is.
String xmlEscape(const String& text);
