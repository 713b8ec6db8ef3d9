#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class XmlDocument;

// Reads the XML dialect that XmlWriter produces into a document: a
// declaration, nested elements with attributes in single or double quotes,
// text directly inside an element, comments and the five predefined entities.
// A load either adds the whole tree to the document's root or, on failure,
// adds nothing.
class XmlReader
{
public:
    explicit XmlReader(XmlDocument* document);

    // Encoding 3 (UTF-8) or 4 (UTF-16); a leading byte-order mark is skipped.
    bool loadFile(const String& path, int encoding);
    // The text must begin with "<?xml", after an optional byte-order mark.
    // Lenient parsing keeps text between markup instead of failing on it.
    bool loadString(const String& text, bool lenient);

    // The index just behind the declaration's "?>", skipping comments on the
    // way; -1 when there is none.
    static int32_t findDeclarationEnd(const char16_t* text, int32_t length);

private:
    bool readFile(const String& path, int encoding);
    bool run(const char16_t* text, int32_t length);
    bool parse(const char16_t* text, int32_t length, int32_t start);

    XmlDocument* m_document;
    String m_text;
    bool m_lenient = false;
};

// The five predefined entities decoded; numeric character references and any
// other entity stay as they are.
String xmlUnescape(const String& text);
