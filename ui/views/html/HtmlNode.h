#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "ui/views/html/HtmlStyle.h"

#include <memory>
#include <vector>

struct HtmlAttribute
{
    // Lower case.
    String name;
    String value;
};

// One node of a parsed page: an element with its tag, attributes and
// children, or a run of text. Tags are kept in upper case, which is how the
// page reports them to the click road. Layout results (the element's box, its
// image) live here too so that lookups after a click need no second tree.
class HtmlNode
{
public:
    enum Kind
    {
        kElement,
        kText
    };

    static std::unique_ptr<HtmlNode> makeElement(const String& tag);
    static std::unique_ptr<HtmlNode> makeText(const String& text);

    Kind kind() const { return m_kind; }
    bool isElement() const { return m_kind == kElement; }
    bool isText() const { return m_kind == kText; }
    // Upper case; empty for text.
    const String& tag() const { return m_tag; }
    bool hasTag(const char16_t* upperTag) const;
    const String& text() const { return m_text; }
    void appendText(const String& text, int maxLength);

    const std::vector<HtmlAttribute>& attributes() const { return m_attributes; }
    // Empty when missing.
    const String& attribute(const char16_t* name) const;
    bool hasAttribute(const char16_t* name) const;
    // A later duplicate is ignored, as browsers do.
    void addAttribute(const String& name, const String& value);
    const String& id() const { return attribute(u"id"); }
    bool hasClass(const String& name) const;

    HtmlNode* parent() const { return m_parent; }
    const std::vector<std::unique_ptr<HtmlNode>>& children() const { return m_children; }
    HtmlNode* appendChild(std::unique_ptr<HtmlNode> child);
    HtmlNode* insertChildBefore(std::unique_ptr<HtmlNode> child, const HtmlNode* before);
    HtmlNode* lastChild() const { return m_children.empty() ? nullptr : m_children.back().get(); }
    // The nearest element at or above this node with the tag, or null.
    const HtmlNode* closest(const char16_t* upperTag) const;
    // Depth-first, document order; null when none.
    const HtmlNode* findById(const String& id) const;
    const HtmlNode* findByTag(const char16_t* upperTag) const;

    HtmlStyle& style() { return m_style; }
    const HtmlStyle& style() const { return m_style; }
    // Text nodes share their parent's style.
    const HtmlStyle& effectiveStyle() const;

    // The border box in document pixels; for inline content the union of
    // its pieces on every line.
    const Rect& rect() const { return m_rect; }
    void setRect(const Rect& rect) { m_rect = rect; }
    void uniteRect(const Rect& rect);
    void moveBy(int dx, int dy);
    void resetLayout();

    // An IMG element's picture, or another element's background image.
    const Image& image() const { return m_image; }
    void setImage(const Image& image) { m_image = image; }

    // The markup of the node and everything inside it.
    String outerHtml() const;
    // The visible text: blocks on lines of their own, cells apart by tabs.
    String innerText() const;

private:
    explicit HtmlNode(Kind kind) : m_kind(kind) {}
    void writeHtml(String& out) const;
    void writeText(String& out) const;

    Kind m_kind;
    String m_tag;
    String m_text;
    std::vector<HtmlAttribute> m_attributes;
    HtmlNode* m_parent = nullptr;
    std::vector<std::unique_ptr<HtmlNode>> m_children;
    HtmlStyle m_style;
    Rect m_rect;
    Image m_image;
};
