#pragma once

#include "foundation/text/String.h"
#include "foundation/xml/XmlElement.h"

// An XML document: a root element named "ROOT" that only holds the top-level
// elements of the text (its own name, value and attributes are never
// written), and an optional line written ahead of the declaration.
class XmlDocument
{
public:
    // The deepest nesting of elements below the root that is read or
    // written; deeper trees are refused rather than risk the stack.
    static constexpr int kMaxDepth = 256;

    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    XmlElement& root() { return m_root; }
    const XmlElement& root() const { return m_root; }
    void clear();
    bool isEmpty() const { return !m_root.hasChildren(); }

    const String& leadingText() const { return m_leadingText; }
    void setLeadingText(const String& text) { m_leadingText = text; }

    // Encoding 3 (UTF-8) or 4 (UTF-16). A failed load leaves the document
    // empty, never half-filled.
    bool loadFromFile(const String& path, int encoding);
    // The text must begin with "<?xml", after an optional byte-order mark.
    bool loadFromString(const String& text, bool lenient = false);
    bool save(const String& path, int encoding) const;
    bool toString(String& out) const;

    // Walks from the root by element names separated by "/", taking the
    // first child of each name.
    XmlElement* findElement(const String& path) const;
    XmlElement* findElementNoCase(const String& path) const;

private:
    XmlElement* findElementBy(const String& path, bool ignoreCase) const;

    String m_leadingText;
    XmlElement m_root;
};
