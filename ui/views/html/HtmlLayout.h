#pragma once

#include "foundation/geometry/Size.h"
#include "ui/views/html/HtmlPaintItem.h"

#include <vector>

class HtmlFloatContext;
class HtmlLineBuilder;
class HtmlNode;

// Places a styled tree at a width: blocks stacked with their margins
// collapsed between siblings, inline content in lines, floats to the side,
// list items with their markers, tables through HtmlTableLayout. Every
// element gets its box (HtmlNode::rect) and the painter gets the items in
// painting order. Widths are whole pixels; nothing here loops on content,
// and recursion follows the tree, whose depth the parser caps.
class HtmlLayout
{
public:
    explicit HtmlLayout(std::vector<HtmlPaintItem>& items);

    // Clears the items and lays the page out; the size of what it covers.
    Size layoutDocument(HtmlNode* root, int width);

    // The element's border box starts at top; returns its bottom. A forced
    // width (a table cell's) replaces the style's width and margins. With no
    // border or padding between them, the margins of an element and of its
    // first and last children collapse: marginAbove is what was already
    // given above the element, and marginBelow (when asked) gets the last
    // child's bottom margin, left for the caller to collapse.
    int layoutBlock(HtmlNode* element, int x, int top, int containingWidth, HtmlFloatContext& floats,
                    int forcedWidth, int marginAbove = 0, int* marginBelow = nullptr);
    // The narrowest and widest the node's margin box can usefully be.
    void intrinsicWidths(HtmlNode* node, int& minWidth, int& maxWidth);
    // An image's content size from its attributes or style, its own
    // pixels, or both (keeping the aspect), and zero when nothing tells.
    static Size imageSize(const HtmlNode* image, int containingWidth);
    static int marginOf(const HtmlNode* element, int side, int containingWidth);

    std::vector<HtmlPaintItem>& items() { return m_items; }
    // Room for an element's box item, filled in once its size is known; -1
    // when the element draws no box.
    int reserveBox(const HtmlNode* element);
    void fillBox(int index, const Rect& rect);
    // Moves the items [fromItem, toItem) and the boxes of node's descendants.
    void shiftContent(int fromItem, int toItem, HtmlNode* node, int dy);

private:
    struct Widths;

    int layoutChildren(HtmlNode* element, int x, int y, int width, HtmlFloatContext& floats, int marginAbove,
                       int* marginBelow);
    // The largest top margin of the first blocks inside element that
    // collapses through its top edge.
    int leadingMargin(const HtmlNode* element, int width) const;
    void flow(HtmlNode* node, HtmlLineBuilder& lines, int x, int width, HtmlFloatContext& floats,
              int& listIndex);
    void flowBlock(HtmlNode* element, HtmlLineBuilder& lines, int x, int width, HtmlFloatContext& floats);
    void placeFloat(HtmlNode* element, HtmlLineBuilder& lines, int x, int width, HtmlFloatContext& floats);
    void placeInlineBlock(HtmlNode* element, HtmlLineBuilder& lines, int width);
    // The margin-box width of a float or an inline block: as given, or as
    // wide as its content up to the containing width.
    int shrinkToFit(HtmlNode* element, int containingWidth);
    void addMarker(HtmlNode* item, int index);
    void measure(HtmlNode* node, Widths& widths);
    void measureText(const HtmlNode* text, Widths& widths) const;

    std::vector<HtmlPaintItem>& m_items;
    // The baseline of the last line laid out, for inline blocks.
    int m_lastBaseline = -1;
};
