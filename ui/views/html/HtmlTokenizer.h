#pragma once

#include "foundation/text/String.h"
#include "ui/views/html/HtmlNode.h"

#include <vector>

struct HtmlToken
{
    enum Kind
    {
        kStartTag,
        kEndTag,
        kText
    };
    Kind kind = kText;
    // Lower case.
    String name;
    std::vector<HtmlAttribute> attributes;
    bool selfClosing = false;
    // Text with its character references already replaced.
    String text;
};

// Cuts markup into tags and text the way a forgiving browser does: a '<' or
// '&' that starts nothing is plain text, attribute values may go unquoted,
// comments, doctypes and processing instructions are skipped, and the bodies
// of script, style, title and textarea are taken as raw text up to their own
// end tag. Every step consumes at least one unit, so it always ends.
class HtmlTokenizer
{
public:
    static constexpr int kMaxNameLength = 64;
    static constexpr int kMaxAttributes = 64;
    static constexpr int kMaxAttributeLength = 65536;

    explicit HtmlTokenizer(const String& source);

    // False once the source is used up.
    bool next(HtmlToken& token);

    // Replaces numeric and named character references; an unknown or
    // unfinished one stays as written.
    static String decodeReferences(const String& text);

private:
    bool startsTag() const;
    void readText(HtmlToken& token);
    void readRawText(HtmlToken& token);
    // Where the raw text's end tag starts, or the end of the source.
    int rawTextEnd() const;
    void readTag(HtmlToken& token);
    void readAttributes(HtmlToken& token);
    String readName(bool attribute);
    String readAttributeValue();
    void skipMarkupDeclaration();
    void skipSpace();
    bool atEnd() const { return m_pos >= m_length; }
    char16_t peek(int offset) const;

    const String& m_source;
    int m_length;
    int m_pos = 0;
    // Set after a start tag whose content is raw text.
    String m_rawTextTag;
};
