#include "ui/views/html/CssStyleSheet.h"
#include "ui/views/html/HtmlSpace.h"

#include "ui/views/html/HtmlNode.h"

namespace {

bool isNameChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
           c == u'_' || c == u'@' || c == u'.' || c >= 0x80;
}

String withoutComments(const String& text)
{
    String out;
    out.reserve(text.length());
    int pos = 0;
    while (pos < text.length()) {
        const int start = text.find(String(u"/*"), pos, 1);
        if (start < 0) {
            out.append(text.midFrom(pos));
            break;
        }
        out.append(text.mid(pos, start - pos));
        const int end = text.find(String(u"*/"), start + 2, 1);
        pos = end < 0 ? text.length() : end + 2;
    }
    return out;
}

// The index just past the block that opens at text[open] ('{'), counting
// nested blocks; the text's length when it never closes.
int blockEnd(const String& text, int open)
{
    int depth = 0;
    for (int i = open; i < text.length(); ++i) {
        if (text.at(i) == u'{')
            ++depth;
        else if (text.at(i) == u'}' && --depth == 0)
            return i + 1;
    }
    return text.length();
}

// Reads a name (of a type, class or id) at pos. A backslash takes the next
// unit as it is, so "#\@play-episode-1\.2" can name a play element; an
// unescaped "." starts a class.
String readName(const String& text, int& pos)
{
    String name;
    while (pos < text.length()) {
        char16_t c = text.at(pos);
        if (c == u'\\' && pos + 1 < text.length()) {
            name.appendChar(text.at(pos + 1));
            pos += 2;
            continue;
        }
        if (!isNameChar(c) || c == u'.')
            break;
        name.appendChar(c);
        ++pos;
    }
    return name;
}

// False for a compound this engine does not support.
bool parseCompound(const String& text, int& pos, CssCompound& compound, int& specificity)
{
    if (pos < text.length() && text.at(pos) == u'*') {
        ++pos;
    } else if (pos < text.length() && isNameChar(text.at(pos)) && text.at(pos) != u'.') {
        compound.tag = readName(text, pos).toUpper();
        specificity += 1;
    }
    while (pos < text.length() && !isHtmlSpace(text.at(pos)) && text.at(pos) != u'>') {
        const char16_t c = text.at(pos++);
        if (c == u'#') {
            compound.id = readName(text, pos);
            specificity += 10000;
        } else if (c == u'.') {
            compound.classes.push_back(readName(text, pos));
            specificity += 100;
        } else if (c == u':') {
            const String pseudo = readName(text, pos).toLower();
            if (!String::equalsCString(pseudo, u"link"))
                return false;
            compound.linkOnly = true;
            specificity += 100;
        } else {
            return false;
        }
    }
    return true;
}

bool parseSelector(const String& text, CssRule& rule)
{
    int pos = 0;
    bool child = false;
    while (pos < text.length()) {
        const char16_t c = text.at(pos);
        if (isHtmlSpace(c)) {
            ++pos;
            continue;
        }
        if (c == u'>') {
            child = true;
            ++pos;
            continue;
        }
        if (static_cast<int>(rule.selector.size()) >= CssStyleSheet::kMaxCompounds)
            return false;
        CssCompound compound;
        compound.child = child && !rule.selector.empty();
        child = false;
        const int before = pos;
        if (!parseCompound(text, pos, compound, rule.specificity) || pos == before)
            return false;
        rule.selector.push_back(compound);
    }
    return !rule.selector.empty() && !child;
}

bool compoundMatches(const CssCompound& compound, const HtmlNode* element)
{
    if (!compound.tag.isEmpty() && element->tag() != compound.tag)
        return false;
    if (!compound.id.isEmpty() && element->id() != compound.id)
        return false;
    for (const String& name : compound.classes) {
        if (!element->hasClass(name))
            return false;
    }
    return !compound.linkOnly || (element->hasTag(u"A") && element->hasAttribute(u"href"));
}

} // namespace

void CssStyleSheet::parse(const String& source)
{
    const String text = withoutComments(source);
    int pos = 0;
    while (pos < text.length() && static_cast<int>(m_rules.size()) < kMaxRules) {
        while (pos < text.length() && isHtmlSpace(text.at(pos)))
            ++pos;
        if (pos >= text.length())
            break;
        const int open = text.indexOfChar(u'{', pos, 1);
        if (text.at(pos) == u'@') {
            const int semicolon = text.indexOfChar(u';', pos, 1);
            if (semicolon >= 0 && (open < 0 || semicolon < open)) {
                pos = semicolon + 1;
                continue;
            }
        }
        if (open < 0)
            break;
        const int end = blockEnd(text, open);
        if (text.at(pos) != u'@')
            addRules(text.mid(pos, open - pos), text.mid(open + 1, end - open - 2));
        pos = end;
    }
}

void CssStyleSheet::addRules(const String& prelude, const String& body)
{
    const std::vector<CssDeclaration> declarations = parseDeclarations(body);
    if (declarations.empty())
        return;
    int start = 0;
    while (start <= prelude.length()) {
        int comma = prelude.indexOfChar(u',', start, 1);
        if (comma < 0)
            comma = prelude.length();
        CssRule rule;
        if (parseSelector(prelude.mid(start, comma - start), rule) &&
            static_cast<int>(m_rules.size()) < kMaxRules) {
            rule.order = static_cast<int>(m_rules.size());
            rule.declarations = declarations;
            m_rules.push_back(std::move(rule));
        }
        start = comma + 1;
    }
}

std::vector<CssDeclaration> CssStyleSheet::parseDeclarations(const String& text)
{
    std::vector<CssDeclaration> declarations;
    int pos = 0;
    while (pos < text.length() && static_cast<int>(declarations.size()) < kMaxDeclarations) {
        int end = text.indexOfChar(u';', pos, 1);
        if (end < 0)
            end = text.length();
        const String item = text.mid(pos, end - pos);
        pos = end + 1;
        const int colon = item.indexOfChar(u':', 0, 1);
        if (colon <= 0)
            continue;
        CssDeclaration declaration;
        declaration.property = item.mid(0, colon).trim().toLower();
        String value = item.midFrom(colon + 1).trim();
        const int bang = value.indexOfChar(u'!', 0, 1);
        if (bang >= 0) {
            declaration.important =
                String::equalsCString(value.midFrom(bang + 1).trim().toLower(), u"important");
            value = value.mid(0, bang).trim();
        }
        declaration.value = value;
        declaration.lowerValue = value.toLower();
        if (!declaration.property.isEmpty() && !value.isEmpty())
            declarations.push_back(declaration);
    }
    return declarations;
}

bool CssStyleSheet::matches(const CssRule& rule, const HtmlNode* element)
{
    int index = static_cast<int>(rule.selector.size()) - 1;
    if (index < 0 || !compoundMatches(rule.selector[index], element))
        return false;
    const HtmlNode* node = element;
    while (index > 0) {
        const bool child = rule.selector[index].child;
        --index;
        node = node->parent();
        while (node && !compoundMatches(rule.selector[index], node)) {
            if (child)
                return false;
            node = node->parent();
        }
        if (!node)
            return false;
    }
    return true;
}
