#pragma once

#include "ui/views/html/HtmlPaintItem.h"

#include <vector>

class HtmlFloatContext;
class HtmlNode;
struct HtmlStyle;

// Fills line boxes with the inline content of one block: words broken at
// spaces to the room the floats leave, white space collapsed or kept as the
// style says, images on the baseline, inline boxes with their padding and
// borders. A finished line becomes paint items, aligned and placed on a
// common baseline, and grows the boxes of the elements it holds.
class HtmlLineBuilder
{
public:
    HtmlLineBuilder(std::vector<HtmlPaintItem>& items, HtmlFloatContext& floats, HtmlNode* block, int x,
                    int y, int width);

    void addText(HtmlNode* text);
    // size is the image's margin box; content is where it draws inside it.
    void addImage(HtmlNode* image, int width, int height);
    // An inline block already laid out with its margin box at 0, 0: its
    // items [firstItem, endItem) move with it to where the line puts it.
    void addInlineBlock(HtmlNode* element, int width, int ascent, int descent, int firstItem, int endItem);
    void addBreak(HtmlNode* br);
    void openInline(HtmlNode* element);
    void closeInline(HtmlNode* element);
    // Ends the line in progress, if any.
    void flush();
    bool hasContent() const { return !m_pieces.empty(); }

    // The top of the next line (after any pending margin), and setting it
    // after a block placed between lines.
    int y() const { return m_y; }
    void setY(int y) { m_y = y; }
    // Vertical margins between blocks collapse into the larger one.
    int takePendingMargin();
    void setPendingMargin(int margin) { m_pendingMargin = margin; }
    // The margin given above the block already, which its first child's
    // margin collapses into; gone once the block has content.
    void setAbsorbedMargin(int margin) { m_absorbedMargin = margin; }
    int takeAbsorbedMargin();
    // The baseline of the last line ended, or -1 before the first.
    int lastBaseline() const { return m_lastBaseline; }

private:
    enum PieceKind
    {
        kWord,
        kSpace,
        kImage,
        kInlineBlock,
        kSpacer,
        kBreak
    };
    struct Piece
    {
        PieceKind kind;
        HtmlNode* node;
        int start;
        int length;
        int x;
        int width;
        // Above the baseline, and below it.
        int height;
        int below;
    };
    struct LineBox
    {
        HtmlNode* element;
        int left;
        int right;
    };

    void addWord(HtmlNode* text, int start, int length, bool wrap);
    void addSpace(HtmlNode* text, int count, bool collapsible);
    void addPreformatted(HtmlNode* text, bool wrap);
    void append(const Piece& piece);
    void startLine();
    int remaining() const { return m_right - m_left - m_lineWidth; }
    void emitLine(int baseline, int origin);
    void emitImage(const Piece& piece, int baseline, int origin);
    void emitInlineBlock(const Piece& piece, int baseline, int origin);
    void emitText(size_t first, size_t last, int baseline, int origin);
    void uniteUpwards(HtmlNode* node, const Rect& rect);

    std::vector<HtmlPaintItem>& m_items;
    HtmlFloatContext& m_floats;
    HtmlNode* m_block;
    const HtmlStyle& m_blockStyle;
    int m_x;
    int m_width;
    int m_y;
    int m_pendingMargin = 0;
    int m_absorbedMargin = 0;
    int m_lastBaseline = -1;
    bool m_started = false;
    int m_left = 0;
    int m_right = 0;
    int m_lineWidth = 0;
    bool m_afterSpace = true;
    bool m_canBreak = false;
    std::vector<Piece> m_pieces;
    // Inline elements open at this point, and the boxes drawn on this line.
    std::vector<HtmlNode*> m_open;
    std::vector<LineBox> m_lineBoxes;
};
