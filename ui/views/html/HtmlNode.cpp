#include "ui/views/html/HtmlNode.h"
#include "ui/views/html/HtmlSpace.h"

#include <algorithm>

namespace {

const char16_t* const kVoidTags[] = {u"AREA",  u"BASE", u"BR",   u"COL",   u"EMBED",  u"HR",    u"IMG",
                                     u"INPUT", u"LINK", u"META", u"PARAM", u"SOURCE", u"TRACK", u"WBR"};

bool isVoid(const String& tag)
{
    for (const char16_t* name : kVoidTags) {
        if (String::equalsCString(tag, name))
            return true;
    }
    return false;
}

void appendEscaped(String& out, const String& text, bool inAttribute)
{
    for (int i = 0; i < text.length(); ++i) {
        const char16_t c = text.at(i);
        if (c == u'&')
            out.appendCString(u"&amp;");
        else if (c == u'<')
            out.appendCString(u"&lt;");
        else if (c == u'>')
            out.appendCString(u"&gt;");
        else if (c == u'"' && inAttribute)
            out.appendCString(u"&quot;");
        else
            out.appendChar(c);
    }
}

// Ends the text with one line break unless it is empty or already ends so.
void breakLine(String& out)
{
    if (!out.isEmpty() && out.last() != u'\n')
        out.appendCString(u"\r\n");
}

} // namespace

std::unique_ptr<HtmlNode> HtmlNode::makeElement(const String& tag)
{
    std::unique_ptr<HtmlNode> node(new HtmlNode(kElement));
    node->m_tag = tag.toUpper();
    return node;
}

std::unique_ptr<HtmlNode> HtmlNode::makeText(const String& text)
{
    std::unique_ptr<HtmlNode> node(new HtmlNode(kText));
    node->m_text = text;
    return node;
}

bool HtmlNode::hasTag(const char16_t* upperTag) const
{
    return m_kind == kElement && String::equalsCString(m_tag, upperTag);
}

void HtmlNode::appendText(const String& text, int maxLength)
{
    const int room = maxLength - m_text.length();
    if (room <= 0)
        return;
    if (text.length() <= room)
        m_text.append(text);
    else
        m_text.append(text.mid(0, room));
}

const String& HtmlNode::attribute(const char16_t* name) const
{
    static const String missing;
    for (const HtmlAttribute& attribute : m_attributes) {
        if (String::equalsCString(attribute.name, name))
            return attribute.value;
    }
    return missing;
}

bool HtmlNode::hasAttribute(const char16_t* name) const
{
    for (const HtmlAttribute& attribute : m_attributes) {
        if (String::equalsCString(attribute.name, name))
            return true;
    }
    return false;
}

void HtmlNode::addAttribute(const String& name, const String& value)
{
    for (const HtmlAttribute& attribute : m_attributes) {
        if (attribute.name == name)
            return;
    }
    m_attributes.push_back(HtmlAttribute{name, value});
}

bool HtmlNode::hasClass(const String& name) const
{
    const String& classes = attribute(u"class");
    const int length = classes.length();
    int start = 0;
    while (start < length) {
        while (start < length && isHtmlSpace(classes.at(start)))
            ++start;
        int end = start;
        while (end < length && !isHtmlSpace(classes.at(end)))
            ++end;
        if (end - start == name.length() && end > start &&
            std::equal(name.data(), name.data() + name.length(), classes.constCharAt(start)))
            return true;
        start = end;
    }
    return false;
}

HtmlNode* HtmlNode::appendChild(std::unique_ptr<HtmlNode> child)
{
    child->m_parent = this;
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

HtmlNode* HtmlNode::insertChildBefore(std::unique_ptr<HtmlNode> child, const HtmlNode* before)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == before) {
            child->m_parent = this;
            return m_children.insert(it, std::move(child))->get();
        }
    }
    return appendChild(std::move(child));
}

const HtmlNode* HtmlNode::closest(const char16_t* upperTag) const
{
    for (const HtmlNode* node = this; node; node = node->m_parent) {
        if (node->hasTag(upperTag))
            return node;
    }
    return nullptr;
}

const HtmlNode* HtmlNode::findById(const String& id) const
{
    if (id.isEmpty())
        return nullptr;
    if (m_kind == kElement && attribute(u"id") == id)
        return this;
    for (const auto& child : m_children) {
        if (const HtmlNode* found = child->findById(id))
            return found;
    }
    return nullptr;
}

const HtmlNode* HtmlNode::findByTag(const char16_t* upperTag) const
{
    if (hasTag(upperTag))
        return this;
    for (const auto& child : m_children) {
        if (const HtmlNode* found = child->findByTag(upperTag))
            return found;
    }
    return nullptr;
}

const HtmlStyle& HtmlNode::effectiveStyle() const
{
    return (m_kind == kText && m_parent) ? m_parent->m_style : m_style;
}

void HtmlNode::uniteRect(const Rect& rect)
{
    if (rect.width <= 0 && rect.height <= 0)
        return;
    if (m_rect.width <= 0 && m_rect.height <= 0) {
        m_rect = rect;
        return;
    }
    const int64_t left = std::min(m_rect.x, rect.x);
    const int64_t top = std::min(m_rect.y, rect.y);
    const int64_t right = std::max<int64_t>(int64_t(m_rect.x) + m_rect.width, int64_t(rect.x) + rect.width);
    const int64_t bottom =
        std::max<int64_t>(int64_t(m_rect.y) + m_rect.height, int64_t(rect.y) + rect.height);
    m_rect = Rect(static_cast<int32_t>(left), static_cast<int32_t>(top),
                  static_cast<int32_t>(std::min<int64_t>(right - left, INT32_MAX)),
                  static_cast<int32_t>(std::min<int64_t>(bottom - top, INT32_MAX)));
}

void HtmlNode::moveBy(int dx, int dy)
{
    m_rect.x += dx;
    m_rect.y += dy;
    for (const auto& child : m_children)
        child->moveBy(dx, dy);
}

void HtmlNode::resetLayout()
{
    m_rect = Rect();
    for (const auto& child : m_children)
        child->resetLayout();
}

String HtmlNode::outerHtml() const
{
    String out;
    writeHtml(out);
    return out;
}

void HtmlNode::writeHtml(String& out) const
{
    if (m_kind == kText) {
        const HtmlNode* parent = m_parent;
        const bool raw = parent && (parent->hasTag(u"SCRIPT") || parent->hasTag(u"STYLE"));
        if (raw)
            out.append(m_text);
        else
            appendEscaped(out, m_text, false);
        return;
    }
    out.appendChar(u'<');
    out.append(m_tag);
    for (const HtmlAttribute& attribute : m_attributes) {
        out.appendChar(u' ');
        out.append(attribute.name);
        out.appendCString(u"=\"");
        appendEscaped(out, attribute.value, true);
        out.appendChar(u'"');
    }
    out.appendChar(u'>');
    if (isVoid(m_tag))
        return;
    for (const auto& child : m_children)
        child->writeHtml(out);
    out.appendCString(u"</");
    out.append(m_tag);
    out.appendChar(u'>');
}

String HtmlNode::innerText() const
{
    String out;
    writeText(out);
    while (!out.isEmpty() && isHtmlSpace(out.last()))
        out.resize(out.length() - 1);
    return out;
}

void HtmlNode::writeText(String& out) const
{
    if (m_kind == kText) {
        const HtmlStyle& style = effectiveStyle();
        if (style.whiteSpace == HtmlStyle::kPre || style.whiteSpace == HtmlStyle::kPreWrap) {
            out.append(m_text);
            return;
        }
        for (int i = 0; i < m_text.length(); ++i) {
            const char16_t c = m_text.at(i);
            if (!isHtmlSpace(c))
                out.appendChar(c);
            else if (!out.isEmpty() && !isHtmlSpace(out.last()))
                out.appendChar(u' ');
        }
        return;
    }
    if (m_style.display == HtmlStyle::kNone)
        return;
    if (hasTag(u"BR")) {
        out.appendCString(u"\r\n");
        return;
    }
    const bool block = m_style.isBlockLevel() && m_style.display != HtmlStyle::kTableCell;
    if (block)
        breakLine(out);
    for (const auto& child : m_children)
        child->writeText(out);
    if (m_style.display == HtmlStyle::kTableCell)
        out.appendChar(u'\t');
    else if (block)
        breakLine(out);
}
