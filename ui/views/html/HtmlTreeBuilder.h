#pragma once

#include "ui/views/html/HtmlNode.h"

#include <memory>
#include <vector>

struct HtmlToken;

// Builds the element tree from tokens as a browser would from tag soup: the
// HTML, HEAD and BODY elements always exist, open paragraphs, list items and
// table cells close themselves, cells get the row they lack, stray content in
// a table goes before it, end tags without a matching open element are
// dropped. Depth, node count and text length are capped so that a hostile
// page cannot grow the tree without bound; what goes over a cap is left out.
class HtmlTreeBuilder
{
public:
    static constexpr int kMaxDepth = 96;
    static constexpr int kMaxNodes = 200000;
    static constexpr int kMaxTextLength = 1 << 20;

    // The HTML element of the page.
    std::unique_ptr<HtmlNode> build(const String& source);

private:
    void startTag(const HtmlToken& token);
    void endTag(const HtmlToken& token);
    void addText(const String& text);
    void closeImplied(const String& tag);
    // Pops up to and including the nearest open element with one of the
    // tags, searching no further than a boundary tag; false when none.
    bool closeNearest(const char16_t* const* tags, int count, const char16_t* const* boundaries,
                      int boundaryCount);
    void popTo(int index);
    bool isOpen(const char16_t* upperTag) const;
    HtmlNode* current() const { return m_open.back(); }
    bool inTableStructure() const;
    // Appends to the current element, or before the open table when the
    // current element is a table part that cannot hold it.
    HtmlNode* insert(std::unique_ptr<HtmlNode> node, bool fosterParent);
    void mergeAttributes(HtmlNode* element, const HtmlToken& token);

    std::unique_ptr<HtmlNode> m_root;
    HtmlNode* m_head = nullptr;
    HtmlNode* m_body = nullptr;
    std::vector<HtmlNode*> m_open;
    int m_nodeCount = 0;
};
