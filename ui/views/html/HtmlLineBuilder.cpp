#include "ui/views/html/HtmlLineBuilder.h"
#include "ui/views/html/HtmlSpace.h"

#include "ui/views/html/HtmlFontMetrics.h"
#include "ui/views/html/HtmlFloatContext.h"
#include "ui/views/html/HtmlNode.h"

#include <algorithm>

namespace {

constexpr int kTabSpaces = 4;

// White space within a preformatted line.
bool isBlank(char16_t c)
{
    return isHtmlSpace(c) && c != u'\n' && c != u'\r';
}

// The ascent above and descent below the baseline a run of this style
// claims: the font's, with the line height's extra split evenly.
void halfLeading(const HtmlStyle& style, int& ascent, int& descent)
{
    const int fontAscent = style.ascent();
    const int fontDescent = style.descent();
    const int lineHeight = style.lineBoxHeight();
    ascent = fontAscent + (lineHeight - fontAscent - fontDescent) / 2;
    descent = lineHeight - ascent;
}

} // namespace

HtmlLineBuilder::HtmlLineBuilder(std::vector<HtmlPaintItem>& items, HtmlFloatContext& floats, HtmlNode* block,
                                 int x, int y, int width)
    : m_items(items), m_floats(floats), m_block(block), m_blockStyle(block->style()), m_x(x), m_width(width),
      m_y(y)
{
}

int HtmlLineBuilder::takePendingMargin()
{
    const int margin = m_pendingMargin;
    m_pendingMargin = 0;
    return margin;
}

int HtmlLineBuilder::takeAbsorbedMargin()
{
    const int margin = m_absorbedMargin;
    m_absorbedMargin = 0;
    return margin;
}

void HtmlLineBuilder::startLine()
{
    if (m_started)
        return;
    m_y = addPixels(m_y, takePendingMargin());
    m_absorbedMargin = 0;
    m_floats.freeSpan(m_y, m_blockStyle.lineBoxHeight(), m_x, m_width, m_left, m_right);
    m_lineWidth = 0;
    m_started = true;
    m_afterSpace = true;
    m_canBreak = false;
}

void HtmlLineBuilder::append(const Piece& piece)
{
    Piece placed = piece;
    placed.x = m_lineWidth;
    m_lineWidth = addPixels(m_lineWidth, piece.width);
    for (HtmlNode* element : m_open) {
        if (!element->style().hasBox())
            continue;
        auto box = std::find_if(m_lineBoxes.begin(), m_lineBoxes.end(),
                                [element](const LineBox& b) { return b.element == element; });
        if (box == m_lineBoxes.end())
            m_lineBoxes.push_back(LineBox{element, placed.x, placed.x + piece.width});
        else
            box->right = placed.x + piece.width;
    }
    m_pieces.push_back(placed);
}

void HtmlLineBuilder::addText(HtmlNode* text)
{
    const HtmlStyle& style = text->effectiveStyle();
    if (style.whiteSpace == HtmlStyle::kPre || style.whiteSpace == HtmlStyle::kPreWrap) {
        addPreformatted(text, style.whiteSpace == HtmlStyle::kPreWrap);
        return;
    }
    const String& content = text->text();
    const bool wrap = style.whiteSpace != HtmlStyle::kNoWrap;
    int pos = 0;
    while (pos < content.length()) {
        if (isHtmlSpace(content.at(pos))) {
            while (pos < content.length() && isHtmlSpace(content.at(pos)))
                ++pos;
            addSpace(text, 1, true);
            continue;
        }
        const int start = pos;
        while (pos < content.length() && !isHtmlSpace(content.at(pos)))
            ++pos;
        addWord(text, start, pos - start, wrap);
    }
}

void HtmlLineBuilder::addPreformatted(HtmlNode* text, bool wrap)
{
    const String& content = text->text();
    int pos = 0;
    while (pos < content.length()) {
        const char16_t c = content.at(pos);
        if (c == u'\n') {
            addBreak(text);
            ++pos;
        } else if (c == u'\r') {
            ++pos;
        } else if (isHtmlSpace(c)) {
            // Blanks, tabs and form feeds: kept, as that many spaces.
            int count = 0;
            for (; pos < content.length() && isBlank(content.at(pos)); ++pos)
                count += content.at(pos) == u'\t' ? kTabSpaces : 1;
            addSpace(text, count, false);
        } else {
            const int start = pos;
            while (pos < content.length() && !isHtmlSpace(content.at(pos)))
                ++pos;
            addWord(text, start, pos - start, wrap);
        }
    }
}

void HtmlLineBuilder::addWord(HtmlNode* text, int start, int length, bool wrap)
{
    const HtmlStyle& style = text->effectiveStyle();
    const int width = style.textWidth(text->text().constCharAt(start), length);
    startLine();
    if (wrap && m_canBreak && !m_pieces.empty() && width > remaining()) {
        flush();
        startLine();
    }
    append(Piece{kWord, text, start, length, 0, width, 0, 0});
    m_afterSpace = false;
    m_canBreak = false;
}

void HtmlLineBuilder::addSpace(HtmlNode* text, int count, bool collapsible)
{
    // A collapsible space never starts a line: white space between blocks
    // must leave their margins to collapse.
    if (collapsible && (!m_started || m_pieces.empty() || m_afterSpace))
        return;
    startLine();
    const int width = text->effectiveStyle().textWidth(u" ", 1) * count;
    append(Piece{kSpace, text, 0, count, 0, width, 0, 0});
    m_afterSpace = collapsible;
    m_canBreak = true;
}

void HtmlLineBuilder::addImage(HtmlNode* image, int width, int height)
{
    startLine();
    if (m_canBreak && !m_pieces.empty() && width > remaining()) {
        flush();
        startLine();
    }
    append(Piece{kImage, image, 0, 0, 0, width, height, 0});
    m_afterSpace = false;
    m_canBreak = true;
}

void HtmlLineBuilder::addInlineBlock(HtmlNode* element, int width, int ascent, int descent, int firstItem,
                                     int endItem)
{
    startLine();
    if (m_canBreak && !m_pieces.empty() && width > remaining()) {
        flush();
        startLine();
    }
    append(Piece{kInlineBlock, element, firstItem, endItem - firstItem, 0, width, ascent, descent});
    m_afterSpace = false;
    m_canBreak = true;
}

void HtmlLineBuilder::addBreak(HtmlNode* br)
{
    startLine();
    append(Piece{kBreak, br, 0, 0, 0, 0, 0, 0});
    flush();
}

void HtmlLineBuilder::openInline(HtmlNode* element)
{
    m_open.push_back(element);
    const HtmlStyle& style = element->style();
    const int lead = style.padding[HtmlStyle::kLeft] + style.borderWidth[HtmlStyle::kLeft];
    if (lead > 0) {
        startLine();
        append(Piece{kSpacer, element, 0, 0, 0, lead, 0, 0});
    }
}

void HtmlLineBuilder::closeInline(HtmlNode* element)
{
    const HtmlStyle& style = element->style();
    const int trail = style.padding[HtmlStyle::kRight] + style.borderWidth[HtmlStyle::kRight];
    if (trail > 0) {
        startLine();
        append(Piece{kSpacer, element, 0, 0, 0, trail, 0, 0});
    }
    if (!m_open.empty() && m_open.back() == element)
        m_open.pop_back();
}

void HtmlLineBuilder::flush()
{
    if (!m_started)
        return;
    m_started = false;
    while (!m_pieces.empty() && m_pieces.back().kind == kSpace &&
           m_pieces.back().node->effectiveStyle().whiteSpace != HtmlStyle::kPreWrap) {
        m_lineWidth -= m_pieces.back().width;
        m_pieces.pop_back();
    }
    for (LineBox& box : m_lineBoxes)
        box.right = std::min(box.right, m_lineWidth);
    if (m_pieces.empty()) {
        m_lineBoxes.clear();
        return;
    }
    int maxAscent = 0;
    int maxDescent = 0;
    halfLeading(m_blockStyle, maxAscent, maxDescent);
    for (const Piece& piece : m_pieces) {
        int ascent = piece.height;
        int descent = piece.below;
        if (piece.kind != kImage && piece.kind != kInlineBlock)
            halfLeading(piece.node->effectiveStyle(), ascent, descent);
        maxAscent = std::max(maxAscent, ascent);
        maxDescent = std::max(maxDescent, descent);
    }
    const int free = std::max(0, m_right - m_left - m_lineWidth);
    int shift = 0;
    if (m_blockStyle.textAlign == HtmlStyle::kAlignCenter)
        shift = free / 2;
    else if (m_blockStyle.textAlign == HtmlStyle::kAlignRight)
        shift = free;
    m_lastBaseline = m_y + maxAscent;
    emitLine(m_lastBaseline, m_left + shift);
    m_y = addPixels(m_y, addPixels(maxAscent, maxDescent));
    m_pieces.clear();
    m_lineBoxes.clear();
}

void HtmlLineBuilder::emitLine(int baseline, int origin)
{
    for (const LineBox& box : m_lineBoxes) {
        const HtmlStyle& style = box.element->style();
        const int ascent = style.ascent();
        const int descent = style.descent();
        const int top =
            baseline - ascent - style.padding[HtmlStyle::kTop] - style.borderWidth[HtmlStyle::kTop];
        const int bottom =
            baseline + descent + style.padding[HtmlStyle::kBottom] + style.borderWidth[HtmlStyle::kBottom];
        HtmlPaintItem item;
        item.kind = HtmlPaintItem::kBox;
        item.node = box.element;
        item.rect = Rect(origin + box.left, top, box.right - box.left, bottom - top);
        m_items.push_back(item);
        uniteUpwards(box.element, item.rect);
    }
    size_t index = 0;
    while (index < m_pieces.size()) {
        const Piece& piece = m_pieces[index];
        if (piece.kind == kImage) {
            emitImage(piece, baseline, origin);
            ++index;
            continue;
        }
        if (piece.kind == kInlineBlock) {
            emitInlineBlock(piece, baseline, origin);
            ++index;
            continue;
        }
        if (piece.kind != kWord && piece.kind != kSpace) {
            ++index;
            continue;
        }
        size_t last = index + 1;
        while (last < m_pieces.size() && m_pieces[last].node == piece.node &&
               (m_pieces[last].kind == kWord || m_pieces[last].kind == kSpace))
            ++last;
        emitText(index, last, baseline, origin);
        index = last;
    }
}

void HtmlLineBuilder::emitText(size_t first, size_t last, int baseline, int origin)
{
    HtmlNode* node = m_pieces[first].node;
    const HtmlStyle& style = node->effectiveStyle();
    HtmlPaintItem item;
    item.kind = HtmlPaintItem::kText;
    item.node = node;
    int width = 0;
    for (size_t i = first; i < last; ++i) {
        const Piece& piece = m_pieces[i];
        if (piece.kind == kWord)
            item.text.appendChars(node->text().constCharAt(piece.start), piece.length);
        else
            item.text.appendRepeated(u' ', piece.length);
        width += piece.width;
    }
    const int ascent = style.ascent();
    const int height = style.fontHeight();
    item.rect = Rect(origin + m_pieces[first].x, baseline - ascent, width, height);
    m_items.push_back(item);
    uniteUpwards(node, item.rect);
}

void HtmlLineBuilder::emitImage(const Piece& piece, int baseline, int origin)
{
    const HtmlStyle& style = piece.node->style();
    const Rect marginBox(origin + piece.x, baseline - piece.height, piece.width, piece.height);
    const Rect borderBox = marginBox.adjusted(
        style.margin[HtmlStyle::kLeft].resolve(0, 0), style.margin[HtmlStyle::kTop].resolve(0, 0),
        -style.margin[HtmlStyle::kRight].resolve(0, 0), -style.margin[HtmlStyle::kBottom].resolve(0, 0));
    if (style.hasBox()) {
        HtmlPaintItem box;
        box.kind = HtmlPaintItem::kBox;
        box.node = piece.node;
        box.rect = borderBox;
        m_items.push_back(box);
    }
    HtmlPaintItem item;
    item.kind = HtmlPaintItem::kImage;
    item.node = piece.node;
    item.rect =
        borderBox.adjusted(style.borderWidth[HtmlStyle::kLeft] + style.padding[HtmlStyle::kLeft],
                           style.borderWidth[HtmlStyle::kTop] + style.padding[HtmlStyle::kTop],
                           -style.borderWidth[HtmlStyle::kRight] - style.padding[HtmlStyle::kRight],
                           -style.borderWidth[HtmlStyle::kBottom] - style.padding[HtmlStyle::kBottom]);
    m_items.push_back(item);
    uniteUpwards(piece.node, borderBox);
}

void HtmlLineBuilder::emitInlineBlock(const Piece& piece, int baseline, int origin)
{
    const int dx = origin + piece.x;
    const int dy = baseline - piece.height;
    const int end = std::min(piece.start + piece.length, static_cast<int>(m_items.size()));
    for (int i = piece.start; i < end; ++i) {
        m_items[i].rect.x += dx;
        m_items[i].rect.y += dy;
    }
    piece.node->moveBy(dx, dy);
    uniteUpwards(piece.node->parent(), piece.node->rect());
}

void HtmlLineBuilder::uniteUpwards(HtmlNode* node, const Rect& rect)
{
    for (HtmlNode* at = node; at && at != m_block; at = at->parent())
        at->uniteRect(rect);
}
