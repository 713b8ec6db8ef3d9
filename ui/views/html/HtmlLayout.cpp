#include "ui/views/html/HtmlLayout.h"
#include "ui/views/html/HtmlSpace.h"

#include "ui/views/html/HtmlFontMetrics.h"
#include "ui/views/html/HtmlFloatContext.h"
#include "ui/views/html/HtmlLineBuilder.h"
#include "ui/views/html/HtmlNode.h"
#include "ui/views/html/HtmlTableLayout.h"

#include <algorithm>

namespace {

constexpr int kMaxImageSide = 10000;

int verticalSpace(const HtmlStyle& style)
{
    return style.padding[HtmlStyle::kTop] + style.padding[HtmlStyle::kBottom] +
           style.borderWidth[HtmlStyle::kTop] + style.borderWidth[HtmlStyle::kBottom];
}

// Two vertical margins that meet become the larger one; a negative one is
// taken off the positive.
int collapse(int a, int b)
{
    if (a >= 0 && b >= 0)
        return std::max(a, b);
    if (a < 0 && b < 0)
        return std::min(a, b);
    return a + b;
}

} // namespace

struct HtmlLayout::Widths
{
    int min = 0;
    int max = 0;
    int line = 0;

    void endLine()
    {
        max = std::max(max, line);
        line = 0;
    }
};

HtmlLayout::HtmlLayout(std::vector<HtmlPaintItem>& items) : m_items(items) {}

Size HtmlLayout::layoutDocument(HtmlNode* root, int width)
{
    m_items.clear();
    root->resetLayout();
    HtmlFloatContext floats;
    const int bottom = std::max(layoutBlock(root, 0, 0, width, floats, -1), floats.bottom());
    int right = width;
    int lowest = bottom;
    for (const HtmlPaintItem& item : m_items) {
        right = std::max(right, addPixels(item.rect.x, item.rect.width));
        lowest = std::max(lowest, addPixels(item.rect.y, item.rect.height));
    }
    return Size(right, lowest);
}

int HtmlLayout::marginOf(const HtmlNode* element, int side, int containingWidth)
{
    return element->style().margin[side].resolve(containingWidth, 0);
}

int HtmlLayout::reserveBox(const HtmlNode* element)
{
    if (!element->style().hasBox())
        return -1;
    HtmlPaintItem item;
    item.kind = HtmlPaintItem::kBox;
    item.node = element;
    m_items.push_back(item);
    return static_cast<int>(m_items.size()) - 1;
}

void HtmlLayout::fillBox(int index, const Rect& rect)
{
    if (index >= 0)
        m_items[index].rect = rect;
}

void HtmlLayout::shiftContent(int fromItem, int toItem, HtmlNode* node, int dy)
{
    if (dy == 0)
        return;
    const int end = std::min(toItem, static_cast<int>(m_items.size()));
    for (int i = std::max(fromItem, 0); i < end; ++i)
        m_items[i].rect.y += dy;
    for (const auto& child : node->children())
        child->moveBy(0, dy);
}

int HtmlLayout::layoutBlock(HtmlNode* element, int x, int top, int containingWidth, HtmlFloatContext& floats,
                            int forcedWidth, int marginAbove, int* marginBelow)
{
    const HtmlStyle& style = element->style();
    if (style.display == HtmlStyle::kTable && forcedWidth < 0)
        return HtmlTableLayout(*this).layout(element, x, top, containingWidth, floats);
    const int hspace = style.horizontalSpace();
    int left = 0;
    int width = 0;
    if (forcedWidth >= 0) {
        width = forcedWidth - hspace;
    } else {
        left = marginOf(element, HtmlStyle::kLeft, containingWidth);
        const int right = marginOf(element, HtmlStyle::kRight, containingWidth);
        if (style.width.isAuto()) {
            width = containingWidth - left - right - hspace;
        } else {
            width = style.width.resolve(containingWidth, 0);
            const int free = containingWidth - width - hspace;
            if (style.margin[HtmlStyle::kLeft].isAuto() && style.margin[HtmlStyle::kRight].isAuto())
                left = std::max(0, free / 2);
            else if (style.margin[HtmlStyle::kLeft].isAuto())
                left = std::max(0, free - right);
        }
    }
    width = std::max(0, width);
    const int boxIndex = reserveBox(element);
    const int boxX = x + left;
    const int contentX = boxX + style.borderWidth[HtmlStyle::kLeft] + style.padding[HtmlStyle::kLeft];
    const int contentTop = top + style.borderWidth[HtmlStyle::kTop] + style.padding[HtmlStyle::kTop];
    // Cells and floats keep their floats to themselves.
    HtmlFloatContext own;
    const bool isolated = forcedWidth >= 0;
    HtmlFloatContext& context = isolated ? own : floats;
    const bool openTop =
        forcedWidth < 0 && style.borderWidth[HtmlStyle::kTop] == 0 && style.padding[HtmlStyle::kTop] == 0;
    const bool openBottom = marginBelow && forcedWidth < 0 && style.borderWidth[HtmlStyle::kBottom] == 0 &&
                            style.padding[HtmlStyle::kBottom] == 0 && style.height.isAuto();
    int trailing = 0;
    int contentBottom = layoutChildren(element, contentX, contentTop, width, context,
                                       openTop ? marginAbove : 0, openBottom ? &trailing : nullptr);
    if (marginBelow)
        *marginBelow = trailing;
    if (isolated)
        contentBottom = std::max(contentBottom, own.bottom());
    int height = contentBottom - contentTop;
    if (style.height.unit == HtmlLength::kPx)
        height = style.height.resolve(0, 0);
    const Rect rect(boxX, top, addPixels(width, hspace), addPixels(height, verticalSpace(style)));
    element->setRect(rect);
    fillBox(boxIndex, rect);
    return addPixels(rect.y, rect.height);
}

int HtmlLayout::layoutChildren(HtmlNode* element, int x, int y, int width, HtmlFloatContext& floats,
                               int marginAbove, int* marginBelow)
{
    HtmlLineBuilder lines(m_items, floats, element, x, y, width);
    lines.setAbsorbedMargin(marginAbove);
    int listIndex = 0;
    if (element->hasTag(u"OL") && element->hasAttribute(u"start"))
        listIndex = std::max(-1000000, std::min(element->attribute(u"start").toInt(), 1000000)) - 1;
    for (const auto& child : element->children())
        flow(child.get(), lines, x, width, floats, listIndex);
    lines.flush();
    if (lines.lastBaseline() >= 0)
        m_lastBaseline = lines.lastBaseline();
    const int trailing = lines.takePendingMargin();
    if (marginBelow) {
        *marginBelow = trailing;
        return lines.y();
    }
    return lines.y() + std::max(0, trailing);
}

int HtmlLayout::leadingMargin(const HtmlNode* element, int width) const
{
    const HtmlStyle& style = element->style();
    if (style.display == HtmlStyle::kTable || style.borderWidth[HtmlStyle::kTop] > 0 ||
        style.padding[HtmlStyle::kTop] > 0)
        return 0;
    for (const auto& child : element->children()) {
        if (child->isText()) {
            const String& text = child->text();
            if (style.whiteSpace == HtmlStyle::kPre || style.whiteSpace == HtmlStyle::kPreWrap ||
                !std::all_of(text.data(), text.data() + text.length(), isHtmlSpace))
                return 0;
            continue;
        }
        const HtmlStyle& childStyle = child->style();
        if (childStyle.display == HtmlStyle::kNone || childStyle.floating != HtmlStyle::kFloatNone)
            continue;
        if (!childStyle.isBlockLevel())
            return 0;
        return std::max(
            0, std::max(marginOf(child.get(), HtmlStyle::kTop, width), leadingMargin(child.get(), width)));
    }
    return 0;
}

void HtmlLayout::flow(HtmlNode* node, HtmlLineBuilder& lines, int x, int width, HtmlFloatContext& floats,
                      int& listIndex)
{
    if (node->isText()) {
        lines.addText(node);
        return;
    }
    const HtmlStyle& style = node->style();
    if (style.display == HtmlStyle::kNone)
        return;
    if (node->hasTag(u"BR")) {
        lines.addBreak(node);
        return;
    }
    if (style.floating != HtmlStyle::kFloatNone && !floats.isFull()) {
        placeFloat(node, lines, x, width, floats);
        return;
    }
    if (node->hasTag(u"IMG")) {
        const Size size = imageSize(node, width);
        const int w = size.width + style.horizontalSpace() + marginOf(node, HtmlStyle::kLeft, width) +
                      marginOf(node, HtmlStyle::kRight, width);
        const int h = size.height + verticalSpace(style) + marginOf(node, HtmlStyle::kTop, width) +
                      marginOf(node, HtmlStyle::kBottom, width);
        lines.addImage(node, w, h);
        return;
    }
    if (style.display == HtmlStyle::kInlineBlock) {
        placeInlineBlock(node, lines, width);
        return;
    }
    if (style.isBlockLevel()) {
        flowBlock(node, lines, x, width, floats);
        if (style.display == HtmlStyle::kListItem)
            addMarker(node, ++listIndex);
        return;
    }
    lines.openInline(node);
    for (const auto& child : node->children())
        flow(child.get(), lines, x, width, floats, listIndex);
    lines.closeInline(node);
}

void HtmlLayout::flowBlock(HtmlNode* element, HtmlLineBuilder& lines, int x, int width,
                           HtmlFloatContext& floats)
{
    lines.flush();
    const HtmlStyle& style = element->style();
    const int collapsed =
        collapse(lines.takePendingMargin(),
                 collapse(marginOf(element, HtmlStyle::kTop, width), leadingMargin(element, width)));
    // A first child's margin already given above the parent is not given
    // again.
    const int absorbed = lines.takeAbsorbedMargin();
    int top = addPixels(lines.y(), absorbed > 0 ? std::max(0, collapsed - absorbed) : collapsed);
    if (style.clear != HtmlStyle::kClearNone) {
        const bool left = style.clear != HtmlStyle::kClearRight;
        const bool right = style.clear != HtmlStyle::kClearLeft;
        top = floats.clearedTop(top, left, right);
    }
    int trailing = 0;
    const int bottom = layoutBlock(element, x, top, width, floats, -1,
                                   std::max(absorbed, std::max(0, collapsed)), &trailing);
    lines.setY(bottom);
    lines.setPendingMargin(collapse(marginOf(element, HtmlStyle::kBottom, width), trailing));
}

void HtmlLayout::placeFloat(HtmlNode* element, HtmlLineBuilder& lines, int x, int width,
                            HtmlFloatContext& floats)
{
    lines.flush();
    const HtmlStyle& style = element->style();
    const bool left = style.floating == HtmlStyle::kFloatLeft;
    const int marginLeft = marginOf(element, HtmlStyle::kLeft, width);
    const int marginRight = marginOf(element, HtmlStyle::kRight, width);
    const int marginTop = marginOf(element, HtmlStyle::kTop, width);
    const int marginBottom = marginOf(element, HtmlStyle::kBottom, width);
    const int y = lines.y();
    if (element->hasTag(u"IMG")) {
        const Size size = imageSize(element, width);
        const int outerWidth = size.width + style.horizontalSpace() + marginLeft + marginRight;
        const int outerHeight = size.height + verticalSpace(style) + marginTop + marginBottom;
        const Point at = floats.position(y, outerWidth, outerHeight, left, x, width);
        const Rect border(at.x + marginLeft, at.y + marginTop, outerWidth - marginLeft - marginRight,
                          outerHeight - marginTop - marginBottom);
        fillBox(reserveBox(element), border);
        HtmlPaintItem item;
        item.kind = HtmlPaintItem::kImage;
        item.node = element;
        item.rect = Rect(border.x + style.borderWidth[HtmlStyle::kLeft] + style.padding[HtmlStyle::kLeft],
                         border.y + style.borderWidth[HtmlStyle::kTop] + style.padding[HtmlStyle::kTop],
                         size.width, size.height);
        m_items.push_back(item);
        element->setRect(border);
        floats.add(Rect(at.x, at.y, outerWidth, outerHeight), left);
        return;
    }
    const int outerWidth = shrinkToFit(element, width);
    const Point at = floats.position(y, outerWidth, 1, left, x, width);
    const int bottom = layoutBlock(element, at.x + marginLeft, at.y + marginTop, outerWidth, floats,
                                   std::max(0, outerWidth - marginLeft - marginRight));
    floats.add(Rect(at.x, at.y, outerWidth, bottom + marginBottom - at.y), left);
}

int HtmlLayout::shrinkToFit(HtmlNode* element, int containingWidth)
{
    const HtmlStyle& style = element->style();
    if (!style.width.isAuto()) {
        const int margins = marginOf(element, HtmlStyle::kLeft, containingWidth) +
                            marginOf(element, HtmlStyle::kRight, containingWidth);
        return addPixels(style.width.resolve(containingWidth, 0), style.horizontalSpace() + margins);
    }
    int minWidth = 0;
    int maxWidth = 0;
    intrinsicWidths(element, minWidth, maxWidth);
    return std::max(minWidth, std::min(maxWidth, containingWidth));
}

void HtmlLayout::placeInlineBlock(HtmlNode* element, HtmlLineBuilder& lines, int width)
{
    const int marginLeft = marginOf(element, HtmlStyle::kLeft, width);
    const int marginRight = marginOf(element, HtmlStyle::kRight, width);
    const int marginTop = marginOf(element, HtmlStyle::kTop, width);
    const int marginBottom = marginOf(element, HtmlStyle::kBottom, width);
    const int outerWidth = shrinkToFit(element, width);
    const int firstItem = static_cast<int>(m_items.size());
    HtmlFloatContext own;
    m_lastBaseline = -1;
    const int bottom = layoutBlock(element, marginLeft, marginTop, outerWidth, own,
                                   std::max(0, outerWidth - marginLeft - marginRight));
    const int height = addPixels(bottom, marginBottom);
    // It sits on the line by the baseline of its own last line, or by its
    // bottom when it has no line.
    const int ascent = m_lastBaseline >= 0 ? std::min(m_lastBaseline, height) : height;
    lines.addInlineBlock(element, outerWidth, ascent, height - ascent, firstItem,
                         static_cast<int>(m_items.size()));
}

void HtmlLayout::addMarker(HtmlNode* item, int index)
{
    const HtmlStyle& style = item->style();
    const HtmlStyle::ListStyle list = style.listStyle;
    if (list == HtmlStyle::kListNone)
        return;
    HtmlPaintItem marker;
    marker.kind = HtmlPaintItem::kMarker;
    marker.node = item;
    if (list == HtmlStyle::kListDecimal)
        marker.text = String::fromInt(index) + u".";
    else
        marker.text = String(list == HtmlStyle::kListCircle   ? u"\u25E6"
                             : list == HtmlStyle::kListSquare ? u"\u25AA"
                                                              : u"\u2022");
    const int markerWidth = style.textWidth(marker.text.data(), marker.text.length());
    const int height = style.fontHeight();
    const Rect& box = item->rect();
    const int contentX = box.x + style.borderWidth[HtmlStyle::kLeft] + style.padding[HtmlStyle::kLeft];
    const int contentY = box.y + style.borderWidth[HtmlStyle::kTop] + style.padding[HtmlStyle::kTop];
    marker.rect = Rect(contentX - style.fontSize / 2 - markerWidth,
                       contentY + (style.lineBoxHeight() - height) / 2, markerWidth, height);
    m_items.push_back(marker);
}

Size HtmlLayout::imageSize(const HtmlNode* image, int containingWidth)
{
    const HtmlStyle& style = image->style();
    const int naturalWidth = image->image().width();
    const int naturalHeight = image->image().height();
    int width = style.width.isAuto() ? -1 : style.width.resolve(containingWidth, 0);
    int height = style.height.unit == HtmlLength::kPx ? static_cast<int>(style.height.value) : -1;
    const bool known = naturalWidth > 0 && naturalHeight > 0;
    if (width < 0 && height < 0) {
        width = naturalWidth;
        height = naturalHeight;
    } else if (height < 0) {
        height = known ? static_cast<int>(static_cast<int64_t>(width) * naturalHeight / naturalWidth) : 0;
    } else if (width < 0) {
        width = known ? static_cast<int>(static_cast<int64_t>(height) * naturalWidth / naturalHeight) : 0;
    }
    return Size(std::max(0, std::min(width, kMaxImageSide)), std::max(0, std::min(height, kMaxImageSide)));
}

void HtmlLayout::intrinsicWidths(HtmlNode* node, int& minWidth, int& maxWidth)
{
    Widths widths;
    measure(node, widths);
    widths.endLine();
    minWidth = widths.min;
    maxWidth = std::max(widths.max, widths.min);
}

void HtmlLayout::measureText(const HtmlNode* text, Widths& widths) const
{
    const HtmlStyle& style = text->effectiveStyle();
    const String& content = text->text();
    const bool preformatted = style.whiteSpace == HtmlStyle::kPre || style.whiteSpace == HtmlStyle::kPreWrap;
    const bool breakable = style.whiteSpace != HtmlStyle::kPre && style.whiteSpace != HtmlStyle::kNoWrap;
    const int space = style.textWidth(u" ", 1);
    int word = 0;
    int pos = 0;
    while (pos < content.length()) {
        const char16_t c = content.at(pos);
        if (preformatted && c == u'\n') {
            widths.endLine();
            word = 0;
            ++pos;
            continue;
        }
        if (isHtmlSpace(c)) {
            widths.line = addPixels(widths.line, space);
            word = breakable ? 0 : word + space;
            ++pos;
            continue;
        }
        const int start = pos;
        while (pos < content.length() && !isHtmlSpace(content.at(pos)))
            ++pos;
        const int width = style.textWidth(content.constCharAt(start), pos - start);
        widths.line = addPixels(widths.line, width);
        word += width;
        widths.min = std::max(widths.min, breakable ? width : word);
    }
}

void HtmlLayout::measure(HtmlNode* node, Widths& widths)
{
    if (node->isText()) {
        measureText(node, widths);
        return;
    }
    const HtmlStyle& style = node->style();
    if (style.display == HtmlStyle::kNone)
        return;
    if (node->hasTag(u"BR")) {
        widths.endLine();
        return;
    }
    const int margins = marginOf(node, HtmlStyle::kLeft, 0) + marginOf(node, HtmlStyle::kRight, 0);
    if (node->hasTag(u"IMG")) {
        const int width = imageSize(node, 0).width + style.horizontalSpace() + margins;
        widths.line = addPixels(widths.line, width);
        widths.min = std::max(widths.min, width);
        return;
    }
    if (style.display == HtmlStyle::kInline) {
        widths.line =
            addPixels(widths.line, style.padding[HtmlStyle::kLeft] + style.borderWidth[HtmlStyle::kLeft]);
        for (const auto& child : node->children())
            measure(child.get(), widths);
        widths.line =
            addPixels(widths.line, style.padding[HtmlStyle::kRight] + style.borderWidth[HtmlStyle::kRight]);
        return;
    }
    // A block ends the line before it; an inline block is one piece of it.
    const bool inlineBlock = style.display == HtmlStyle::kInlineBlock;
    if (!inlineBlock)
        widths.endLine();
    int innerMin = 0;
    int innerMax = 0;
    if (style.display == HtmlStyle::kTable) {
        HtmlTableLayout(*this).intrinsicWidths(node, innerMin, innerMax);
    } else {
        Widths inner;
        for (const auto& child : node->children())
            measure(child.get(), inner);
        inner.endLine();
        innerMin = inner.min;
        innerMax = inner.max;
    }
    const int extra = style.horizontalSpace() + margins;
    int minWidth = addPixels(innerMin, extra);
    int maxWidth = addPixels(std::max(innerMax, innerMin), extra);
    if (style.width.unit == HtmlLength::kPx) {
        const int fixed = static_cast<int>(style.width.value) + extra;
        minWidth = std::max(minWidth, fixed);
        maxWidth = minWidth;
    }
    widths.min = std::max(widths.min, minWidth);
    if (inlineBlock)
        widths.line = addPixels(widths.line, maxWidth);
    else
        widths.max = std::max(widths.max, maxWidth);
}
