#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "foundation/xml/XmlElement.h"

#include <cstdint>

// The state that the steps of one XML parse share. Every look at the text
// goes through unitAt(), which answers 0 outside the text, so no step can
// read before its start or past its end.
struct XmlParseContext
{
    XmlParseContext(const char16_t* units, int32_t count, int32_t start, bool isLenient, XmlElement* top)
        : text(units), length(count), position(start), lenient(isLenient), current(top)
    {
        openElements.append(top);
    }
    ~XmlParseContext() { delete pending; }
    XmlParseContext(const XmlParseContext&) = delete;
    XmlParseContext& operator=(const XmlParseContext&) = delete;

    bool atEnd() const { return position >= length; }
    char16_t unit() const { return unitAt(position); }
    char16_t unitAt(int64_t index) const { return index >= 0 && index < length ? text[index] : 0; }
    // Open elements below the top of the tree.
    int32_t depth() const { return openElements.count() - 1; }

    const char16_t* text;
    int32_t length;
    int32_t position;
    bool lenient;

    // The open elements, the innermost last; the first is the top of the tree.
    List<XmlElement*> openElements;
    XmlElement* current;
    // The element whose start tag is being read; owned here until its tag
    // ends and its parent takes it.
    XmlElement* pending = nullptr;
    bool selfClosing = false;
    char16_t quote = 0;
    bool equalsSeen = false;

    String nameBuffer;
    String textBuffer;
    String attributeName;
    String attributeValue;
};
