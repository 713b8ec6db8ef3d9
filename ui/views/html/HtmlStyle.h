#pragma once

#include "foundation/text/String.h"
#include "graphics/color/Color.h"

class HtmlFontMetrics;

#include <algorithm>
#include <cstdint>

// Page coordinates stay within this many pixels, so that no sum of hostile
// sizes can overflow.
constexpr int kMaxPagePixels = 1 << 24;

inline int clampPixels(int64_t value)
{
    return static_cast<int>(std::max<int64_t>(-kMaxPagePixels, std::min<int64_t>(value, kMaxPagePixels)));
}

inline int addPixels(int a, int b)
{
    return clampPixels(static_cast<int64_t>(a) + b);
}

// A length as a style gives it: automatic, pixels or a percentage of the
// containing block's width.
struct HtmlLength
{
    enum Unit
    {
        kAuto,
        kPx,
        kPercent
    };
    Unit unit = kAuto;
    float value = 0.0f;

    bool isAuto() const { return unit == kAuto; }
    // Pixels against a containing width; automatic counts as fallback.
    int resolve(int containingWidth, int fallback) const;
    static HtmlLength px(float value) { return HtmlLength{kPx, value}; }
};

// The computed style of one element: every value the layout and the painter
// read, with lengths already in zoomed pixels. Sides are top, right, bottom,
// left, as CSS lists them.
struct HtmlStyle
{
    enum Display
    {
        kInline,
        kBlock,
        kNone,
        kListItem,
        kTable,
        kTableRowGroup,
        kTableRow,
        kTableCell,
        // Laid out as a block, placed in a line as one piece.
        kInlineBlock
    };
    enum WhiteSpace
    {
        kNormal,
        kPre,
        kPreWrap,
        kNoWrap
    };
    enum TextAlign
    {
        kAlignLeft,
        kAlignCenter,
        kAlignRight
    };
    enum VerticalAlign
    {
        kAlignTop,
        kAlignMiddle,
        kAlignBottom
    };
    enum Float
    {
        kFloatNone,
        kFloatLeft,
        kFloatRight
    };
    enum Clear
    {
        kClearNone,
        kClearLeft,
        kClearRight,
        kClearBoth
    };
    enum ListStyle
    {
        kListDisc,
        kListCircle,
        kListSquare,
        kListDecimal,
        kListNone
    };
    enum Side
    {
        kTop,
        kRight,
        kBottom,
        kLeft
    };

    // Inherited.
    Color color = Color(0xFF000000u);
    String fontFamily;
    int fontSize = 16;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool lineThrough = false;
    TextAlign textAlign = kAlignLeft;
    // Pixels; below 0 means the font's own height.
    int lineHeight = -1;
    WhiteSpace whiteSpace = kNormal;
    ListStyle listStyle = kListDisc;
    bool borderCollapse = false;
    int borderSpacing = 2;
    // "cursor: pointer": the view shows the hand over the element.
    bool pointerCursor = false;

    // Not inherited.
    Display display = kInline;
    Color backgroundColor;
    String backgroundImage;
    VerticalAlign verticalAlign = kAlignMiddle;
    Float floating = kFloatNone;
    Clear clear = kClearNone;
    HtmlLength width;
    HtmlLength height;
    HtmlLength margin[4] = {HtmlLength::px(0), HtmlLength::px(0), HtmlLength::px(0), HtmlLength::px(0)};
    int padding[4] = {0, 0, 0, 0};
    int borderWidth[4] = {0, 0, 0, 0};
    Color borderColor[4];
    // Set once styling is done; owned by the document's font cache.
    const HtmlFontMetrics* metrics = nullptr;

    // A child's style before its own rules: the inherited values copied,
    // the others at their initial values.
    HtmlStyle inherited() const;
    bool isBlockLevel() const;
    bool hasBox() const;
    int horizontalSpace() const;
    // The line's height in this style's font.
    int lineBoxHeight() const;
    // Measures in this style's font (a fallback of half the size a character
    // before styling has chosen one).
    int ascent() const;
    int descent() const;
    int fontHeight() const { return ascent() + descent(); }
    int textWidth(const char16_t* text, int length) const;
};
