#include "ui/views/html/HtmlTreeBuilder.h"

#include "ui/views/html/HtmlTokenizer.h"

namespace {

template <size_t N> bool isOneOf(const String& name, const char16_t* const (&names)[N])
{
    for (const char16_t* candidate : names) {
        if (String::equalsCString(name, candidate))
            return true;
    }
    return false;
}

const char16_t* const kVoidTags[] = {u"area",  u"base", u"br",   u"col",   u"embed",  u"hr",    u"img",
                                     u"input", u"link", u"meta", u"param", u"source", u"track", u"wbr"};
const char16_t* const kHeadTags[] = {u"title", u"meta", u"link", u"base", u"style", u"script"};
const char16_t* const kClosesParagraph[] = {
    u"address", u"article", u"blockquote", u"center", u"div", u"dl",      u"fieldset", u"footer", u"form",
    u"h1",      u"h2",      u"h3",         u"h4",     u"h5",  u"h6",      u"header",   u"hr",     u"li",
    u"menu",    u"nav",     u"ol",         u"p",      u"pre", u"section", u"table",    u"ul"};
const char16_t* const kTableParts[] = {u"caption", u"colgroup", u"col", u"tbody", u"thead",
                                       u"tfoot",   u"tr",       u"td",  u"th"};
const char16_t* const kTableStructure[] = {u"TABLE", u"TBODY", u"THEAD", u"TFOOT", u"TR"};

const char16_t* const kParagraph[] = {u"P"};
const char16_t* const kListItem[] = {u"LI"};
const char16_t* const kDefinition[] = {u"DT", u"DD"};
const char16_t* const kCells[] = {u"TD", u"TH"};
const char16_t* const kRowParts[] = {u"TR"};
const char16_t* const kGroups[] = {u"TBODY", u"THEAD", u"TFOOT"};
const char16_t* const kAnchor[] = {u"A"};
const char16_t* const kOption[] = {u"OPTION"};

const char16_t* const kBlockScope[] = {u"TABLE", u"TD", u"TH", u"BUTTON"};
const char16_t* const kListScope[] = {u"UL", u"OL", u"TABLE", u"TD", u"TH"};
const char16_t* const kDefinitionScope[] = {u"DL", u"TABLE", u"TD", u"TH"};
const char16_t* const kTableScope[] = {u"TABLE"};

bool isWhitespace(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        const char16_t c = text.at(i);
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            return false;
    }
    return true;
}

} // namespace

std::unique_ptr<HtmlNode> HtmlTreeBuilder::build(const String& source)
{
    m_root = HtmlNode::makeElement(String(u"html"));
    m_head = m_root->appendChild(HtmlNode::makeElement(String(u"head")));
    m_body = m_root->appendChild(HtmlNode::makeElement(String(u"body")));
    m_open = {m_root.get(), m_body};
    m_nodeCount = 3;

    HtmlTokenizer tokenizer(source);
    HtmlToken token;
    while (tokenizer.next(token)) {
        if (token.kind == HtmlToken::kStartTag)
            startTag(token);
        else if (token.kind == HtmlToken::kEndTag)
            endTag(token);
        else
            addText(token.text);
    }
    m_open.clear();
    return std::move(m_root);
}

void HtmlTreeBuilder::mergeAttributes(HtmlNode* element, const HtmlToken& token)
{
    for (const HtmlAttribute& attribute : token.attributes)
        element->addAttribute(attribute.name, attribute.value);
}

void HtmlTreeBuilder::startTag(const HtmlToken& token)
{
    const String& name = token.name;
    if (String::equalsCString(name, u"html")) {
        mergeAttributes(m_root.get(), token);
        return;
    }
    if (String::equalsCString(name, u"body")) {
        mergeAttributes(m_body, token);
        return;
    }
    if (String::equalsCString(name, u"head") || name.isEmpty())
        return;
    if (m_nodeCount >= kMaxNodes || static_cast<int>(m_open.size()) >= kMaxDepth)
        return;

    closeImplied(name);
    const bool intoHead = m_open.size() == 2 && m_body->children().empty() && isOneOf(name, kHeadTags);
    if ((String::equalsCString(name, u"td") || String::equalsCString(name, u"th")) && inTableStructure() &&
        !current()->hasTag(u"TR")) {
        HtmlNode* row = current()->appendChild(HtmlNode::makeElement(String(u"tr")));
        m_open.push_back(row);
        ++m_nodeCount;
    }

    std::unique_ptr<HtmlNode> element = HtmlNode::makeElement(name);
    mergeAttributes(element.get(), token);
    ++m_nodeCount;
    HtmlNode* added;
    if (intoHead)
        added = m_head->appendChild(std::move(element));
    else
        added = insert(std::move(element), inTableStructure() && !isOneOf(name, kTableParts));
    if (isOneOf(name, kVoidTags))
        return;
    m_open.push_back(added);
}

void HtmlTreeBuilder::closeImplied(const String& tag)
{
    if (isOpen(u"P") && isOneOf(tag, kClosesParagraph))
        closeNearest(kParagraph, 1, kBlockScope, 4);
    if (String::equalsCString(tag, u"li"))
        closeNearest(kListItem, 1, kListScope, 5);
    else if (String::equalsCString(tag, u"dt") || String::equalsCString(tag, u"dd"))
        closeNearest(kDefinition, 2, kDefinitionScope, 4);
    else if (String::equalsCString(tag, u"td") || String::equalsCString(tag, u"th"))
        closeNearest(kCells, 2, kTableScope, 1);
    else if (String::equalsCString(tag, u"tr"))
        closeNearest(kRowParts, 1, kTableScope, 1);
    else if (String::equalsCString(tag, u"tbody") || String::equalsCString(tag, u"thead") ||
             String::equalsCString(tag, u"tfoot")) {
        if (!closeNearest(kGroups, 3, kTableScope, 1))
            closeNearest(kRowParts, 1, kTableScope, 1);
    } else if (String::equalsCString(tag, u"a"))
        closeNearest(kAnchor, 1, kTableScope, 1);
    else if (String::equalsCString(tag, u"option"))
        closeNearest(kOption, 1, kTableScope, 1);
}

bool HtmlTreeBuilder::closeNearest(const char16_t* const* tags, int count, const char16_t* const* boundaries,
                                   int boundaryCount)
{
    for (int index = static_cast<int>(m_open.size()) - 1; index >= 2; --index) {
        const HtmlNode* open = m_open[index];
        for (int i = 0; i < count; ++i) {
            if (open->hasTag(tags[i])) {
                popTo(index);
                return true;
            }
        }
        for (int i = 0; i < boundaryCount; ++i) {
            if (open->hasTag(boundaries[i]))
                return false;
        }
    }
    return false;
}

bool HtmlTreeBuilder::isOpen(const char16_t* upperTag) const
{
    for (const HtmlNode* open : m_open) {
        if (open->hasTag(upperTag))
            return true;
    }
    return false;
}

void HtmlTreeBuilder::popTo(int index)
{
    if (index >= 2)
        m_open.resize(index);
}

bool HtmlTreeBuilder::inTableStructure() const
{
    for (const char16_t* tag : kTableStructure) {
        if (current()->hasTag(tag))
            return true;
    }
    return false;
}

HtmlNode* HtmlTreeBuilder::insert(std::unique_ptr<HtmlNode> node, bool fosterParent)
{
    if (!fosterParent || !inTableStructure())
        return current()->appendChild(std::move(node));
    for (int index = static_cast<int>(m_open.size()) - 1; index >= 2; --index) {
        HtmlNode* table = m_open[index];
        if (table->hasTag(u"TABLE") && table->parent())
            return table->parent()->insertChildBefore(std::move(node), table);
    }
    return current()->appendChild(std::move(node));
}

void HtmlTreeBuilder::endTag(const HtmlToken& token)
{
    if (String::equalsCString(token.name, u"br")) {
        HtmlToken br;
        br.kind = HtmlToken::kStartTag;
        br.name = token.name;
        startTag(br);
        return;
    }
    const bool tablePart = isOneOf(token.name, kTableParts) || String::equalsCString(token.name, u"table");
    for (int index = static_cast<int>(m_open.size()) - 1; index >= 2; --index) {
        const HtmlNode* open = m_open[index];
        // Tags are kept in upper case and read in lower case.
        if (String::equalsIgnoreCase(open->tag(), token.name)) {
            popTo(index);
            return;
        }
        if (!tablePart && (open->hasTag(u"TABLE") || open->hasTag(u"TD") || open->hasTag(u"TH")))
            return;
    }
}

void HtmlTreeBuilder::addText(const String& text)
{
    if (text.isEmpty())
        return;
    HtmlNode* parent = current();
    const bool foster = inTableStructure();
    if (foster && isWhitespace(text))
        return;
    HtmlNode* last = foster ? nullptr : parent->lastChild();
    if (last && last->isText()) {
        last->appendText(text, kMaxTextLength);
        return;
    }
    if (m_nodeCount >= kMaxNodes)
        return;
    ++m_nodeCount;
    std::unique_ptr<HtmlNode> node = HtmlNode::makeText(String());
    node->appendText(text, kMaxTextLength);
    insert(std::move(node), true);
}
