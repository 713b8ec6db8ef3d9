#include "ui/views/html/HtmlTokenizer.h"
#include "ui/views/html/HtmlSpace.h"

#include "foundation/net/HtmlEntities.h"
#include "foundation/text/CharClass.h"

#include <algorithm>

namespace {

const char16_t* const kRawTextTags[] = {u"script", u"style", u"title", u"textarea"};
constexpr int kMaxReferenceLength = 32;

// Typography the Latin-1 table of the foundation does not hold but movie
// pages write often.
struct ExtraEntity
{
    const char16_t* name;
    char16_t character;
};
const ExtraEntity kExtraEntities[] = {
    {u"hellip", 0x2026}, {u"mdash", 0x2014}, {u"ndash", 0x2013}, {u"lsquo", 0x2018}, {u"rsquo", 0x2019},
    {u"ldquo", 0x201C},  {u"rdquo", 0x201D}, {u"bull", 0x2022},  {u"euro", 0x20AC},  {u"trade", 0x2122},
};

char16_t lowerAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

int digitValue(char16_t c, int base)
{
    const int value = hexDigitValue(c);
    return value < base ? value : -1;
}

void appendCodePoint(String& out, uint32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x10000) {
        out.appendChar(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    out.appendChar(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.appendChar(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

// The length of the reference at text[start] ('&' included) and its
// replacement in out; 0 when there is none.
int readReference(const String& text, int start, String& out)
{
    const int length = text.length();
    int pos = start + 1;
    if (pos < length && text.at(pos) == u'#') {
        ++pos;
        int base = 10;
        if (pos < length && (text.at(pos) == u'x' || text.at(pos) == u'X')) {
            base = 16;
            ++pos;
        }
        uint32_t code = 0;
        int digits = 0;
        for (; pos < length && digitValue(text.at(pos), base) >= 0; ++pos, ++digits) {
            if (code <= 0x10FFFF)
                code = code * base + static_cast<uint32_t>(digitValue(text.at(pos), base));
        }
        if (digits == 0)
            return 0;
        appendCodePoint(out, code);
        return (pos < length && text.at(pos) == u';') ? pos + 1 - start : pos - start;
    }
    while (pos < length && pos - start <= kMaxReferenceLength && isAsciiLetterOrDigit(text.at(pos)))
        ++pos;
    if (pos >= length || text.at(pos) != u';' || pos == start + 1)
        return 0;
    const String reference = text.mid(start, pos + 1 - start);
    const String decoded = decodeHtmlEntities(reference);
    if (decoded != reference) {
        out.append(decoded);
        return reference.length();
    }
    const String name = text.mid(start + 1, pos - start - 1);
    for (const ExtraEntity& entity : kExtraEntities) {
        if (String::equalsCString(name, entity.name)) {
            out.appendChar(entity.character);
            return reference.length();
        }
    }
    return 0;
}

} // namespace

HtmlTokenizer::HtmlTokenizer(const String& source) : m_source(source), m_length(source.length()) {}

char16_t HtmlTokenizer::peek(int offset) const
{
    const int at = m_pos + offset;
    return at < m_length ? m_source.at(at) : u'\0';
}

String HtmlTokenizer::decodeReferences(const String& text)
{
    if (!text.containsChar(u'&', 1))
        return text;
    String out;
    out.reserve(text.length());
    for (int i = 0; i < text.length();) {
        if (text.at(i) == u'&') {
            const int used = readReference(text, i, out);
            if (used > 0) {
                i += used;
                continue;
            }
        }
        out.appendChar(text.at(i));
        ++i;
    }
    return out;
}

bool HtmlTokenizer::next(HtmlToken& token)
{
    // Cleared rather than replaced, so the buffers are reused.
    token.kind = HtmlToken::kText;
    token.name.clear();
    token.attributes.clear();
    token.selfClosing = false;
    token.text.clear();
    while (!atEnd()) {
        if (!m_rawTextTag.isEmpty()) {
            readRawText(token);
            if (!token.text.isEmpty())
                return true;
            continue;
        }
        if (!startsTag()) {
            readText(token);
            return true;
        }
        if (peek(1) == u'!' || peek(1) == u'?') {
            skipMarkupDeclaration();
            continue;
        }
        readTag(token);
        return true;
    }
    return false;
}

bool HtmlTokenizer::startsTag() const
{
    if (peek(0) != u'<')
        return false;
    const char16_t c = peek(1);
    return isAsciiLetter(c) || c == u'!' || c == u'?' || (c == u'/' && isAsciiLetter(peek(2)));
}

void HtmlTokenizer::readText(HtmlToken& token)
{
    const int start = m_pos;
    ++m_pos;
    while (!atEnd() && !startsTag())
        ++m_pos;
    token.kind = HtmlToken::kText;
    token.text = decodeReferences(m_source.mid(start, m_pos - start));
}

void HtmlTokenizer::readRawText(HtmlToken& token)
{
    const int end = rawTextEnd();
    const String raw = m_source.mid(m_pos, end - m_pos);
    const bool decoded =
        String::equalsCString(m_rawTextTag, u"title") || String::equalsCString(m_rawTextTag, u"textarea");
    token.kind = HtmlToken::kText;
    token.text = decoded ? decodeReferences(raw) : raw;
    m_pos = end;
    m_rawTextTag.clear();
}

int HtmlTokenizer::rawTextEnd() const
{
    // Searched by hand: the end tag may be in any case, and a case-blind
    // search of the string library folds the whole rest of the page.
    const int nameLength = m_rawTextTag.length();
    for (int at = m_source.indexOfChar(u'<', m_pos, 1); at >= 0; at = m_source.indexOfChar(u'<', at + 1, 1)) {
        if (at + 1 + nameLength >= m_length)
            break;
        if (m_source.at(at + 1) != u'/')
            continue;
        int i = 0;
        while (i < nameLength && lowerAscii(m_source.at(at + 2 + i)) == m_rawTextTag.at(i))
            ++i;
        if (i == nameLength)
            return at;
    }
    return m_length;
}

void HtmlTokenizer::skipMarkupDeclaration()
{
    if (peek(1) == u'!' && peek(2) == u'-' && peek(3) == u'-') {
        const int end = m_source.find(String(u"-->"), m_pos + 4, 1);
        m_pos = end < 0 ? m_length : end + 3;
        return;
    }
    const int end = m_source.indexOfChar(u'>', m_pos, 1);
    m_pos = end < 0 ? m_length : end + 1;
}

void HtmlTokenizer::skipSpace()
{
    while (!atEnd() && isHtmlSpace(m_source.at(m_pos)))
        ++m_pos;
}

String HtmlTokenizer::readName(bool attribute)
{
    String name;
    while (!atEnd()) {
        const char16_t c = m_source.at(m_pos);
        if (isHtmlSpace(c) || c == u'>' || c == u'/' || (attribute && c == u'=' && !name.isEmpty()))
            break;
        if (name.length() < kMaxNameLength)
            name.appendChar(lowerAscii(c));
        ++m_pos;
    }
    return name;
}

void HtmlTokenizer::readTag(HtmlToken& token)
{
    ++m_pos;
    token.kind = HtmlToken::kStartTag;
    if (peek(0) == u'/') {
        token.kind = HtmlToken::kEndTag;
        ++m_pos;
    }
    token.name = readName(false);
    readAttributes(token);
    if (token.kind == HtmlToken::kEndTag) {
        token.attributes.clear();
        return;
    }
    for (const char16_t* raw : kRawTextTags) {
        if (String::equalsCString(token.name, raw))
            m_rawTextTag = token.name;
    }
}

void HtmlTokenizer::readAttributes(HtmlToken& token)
{
    while (!atEnd()) {
        skipSpace();
        const char16_t c = peek(0);
        if (c == u'>') {
            ++m_pos;
            return;
        }
        if (c == u'/') {
            token.selfClosing = peek(1) == u'>';
            ++m_pos;
            continue;
        }
        token.selfClosing = false;
        const String name = readName(true);
        skipSpace();
        String value;
        if (peek(0) == u'=') {
            ++m_pos;
            skipSpace();
            value = readAttributeValue();
        }
        if (!name.isEmpty() && static_cast<int>(token.attributes.size()) < kMaxAttributes)
            token.attributes.push_back(HtmlAttribute{name, value});
    }
}

String HtmlTokenizer::readAttributeValue()
{
    const char16_t quote = peek(0);
    int start = m_pos;
    int end;
    if (quote == u'"' || quote == u'\'') {
        ++start;
        end = m_source.indexOfChar(quote, start, 1);
        if (end < 0)
            end = m_length;
        m_pos = end < m_length ? end + 1 : end;
    } else {
        while (!atEnd() && !isHtmlSpace(m_source.at(m_pos)) && m_source.at(m_pos) != u'>')
            ++m_pos;
        end = m_pos;
    }
    const int length = std::min(end - start, kMaxAttributeLength);
    return decodeReferences(m_source.mid(start, length));
}
