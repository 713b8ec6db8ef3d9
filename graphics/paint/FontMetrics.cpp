#include "graphics/paint/FontMetrics.h"

namespace {

constexpr char16_t kLineFeed = 10;

String& ellipsisText()
{
    static String text(u" ... ");
    return text;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Moves a cut at position back when it would separate a surrogate pair.
int keepPairs(const String& text, int position)
{
    if (position > 0 && position < text.length() && isHighSurrogate(text.at(position - 1)) &&
        isLowSurrogate(text.at(position)))
        return position - 1;
    return position;
}

} // namespace

FontMetrics::FontMetrics(const FontDesc& font, PaintTarget*) : m_font(font) {}

void FontMetrics::setFont(const FontDesc& font, PaintTarget*)
{
    m_font.setFont(font);
}

int FontMetrics::charWidth(char16_t unit) const
{
    return m_font.textWidth(&unit, 1);
}

Size FontMetrics::charSize(char16_t unit) const
{
    return Size(charWidth(unit), height());
}

Rect FontMetrics::charRect(char16_t unit) const
{
    return Rect(0, 0, charWidth(unit), height());
}

Size FontMetrics::textSize(const char16_t* text, int length, bool multiLine) const
{
    if (!text || length < 1)
        return Size();
    if (!multiLine)
        return Size(m_font.textWidth(text, length), height());
    Size size;
    int lineStart = 0;
    for (int i = 0; i <= length; ++i) {
        const bool lineEnd = i == length || text[i] == kLineFeed;
        if (!lineEnd)
            continue;
        const int lineLength = i - lineStart;
        if (lineLength > 0) {
            const int width = m_font.textWidth(text + lineStart, lineLength);
            if (width > size.width)
                size.width = width;
        }
        // A line feed always makes a line; the text after the last one only
        // when there is some.
        if (i < length || lineLength > 0)
            size.height += height();
        lineStart = i + 1;
    }
    return size;
}

Size FontMetrics::textSize(const String& text, bool multiLine) const
{
    return textSize(text.data(), text.length(), multiLine);
}

int FontMetrics::textWidth(const char16_t* text, int length, bool multiLine) const
{
    return textSize(text, length, multiLine).width;
}

Rect FontMetrics::boundingRect(const String& text, bool multiLine) const
{
    const Size size = textSize(text, multiLine);
    return Rect(0, 0, size.width, size.height);
}

int FontMetrics::stringWidth(const String& text) const
{
    return m_font.textWidth(text.data(), text.length());
}

String FontMetrics::elidedText(const String& text, const Rect& rect, uint32_t mode) const
{
    const int width = rect.width;
    if (text.isEmpty() || width < 1)
        return String();
    if (mode == kElideNone)
        return text;
    // No unit is narrower than a pixel, so a text with more units than the
    // width cannot fit and need not be measured whole.
    if (text.length() <= width && stringWidth(text) <= width)
        return text;
    switch (mode) {
    case kElideCut:
        return cut(text, width);
    case kElideRight:
        return elideRight(text, width);
    case kElideMiddle:
        return elideMiddle(text, width);
    default:
        return String();
    }
}

int FontMetrics::longestPrefixWithin(const String& text, int count, int limit) const
{
    if (count > text.length())
        count = text.length();
    Array<int> widths;
    if (limit < 0 || !m_font.prefixWidths(text.data(), count, widths))
        return 0;
    for (int n = count; n > 0; --n) {
        if (widths[n - 1] <= limit)
            return keepPairs(text, n);
    }
    return 0;
}

String FontMetrics::cut(const String& text, int width) const
{
    return text.mid(0, longestPrefixWithin(text, width, width));
}

String FontMetrics::elideRight(const String& text, int width) const
{
    const String& dots = ellipsis();
    const int dotsWidth = stringWidth(dots);
    if (dotsWidth > width)
        return String();
    if (dotsWidth == width)
        return dots;
    return text.mid(0, longestPrefixWithin(text, width, width - dotsWidth)) + dots;
}

String FontMetrics::elideMiddle(const String& text, int width) const
{
    const String& dots = ellipsis();
    const int dotsWidth = stringWidth(dots);
    if (width <= dotsWidth)
        return width == dotsWidth ? dots : String();
    const int half = (width - dotsWidth) / 2;
    int front = 0;
    for (int64_t used = 0; front < text.length(); ++front) {
        used += charWidth(text.at(front));
        if (used > half)
            break;
    }
    front = keepPairs(text, front);
    // The back never reaches into the front, even where single units add up
    // to less than the whole run measures.
    int back = text.length();
    for (int64_t used = 0; back > front; --back) {
        used += charWidth(text.at(back - 1));
        if (used > half)
            break;
    }
    if (keepPairs(text, back) != back)
        ++back;
    return text.mid(0, front) + dots + text.midFrom(back);
}

Rect FontMetrics::alignedTextRect(const String& text, const Rect& rect, uint32_t align,
                                  bool allowOverflow) const
{
    if (text.isEmpty() || rect.isEmpty())
        return Rect();
    const Size size = textSize(text, false);
    return rect.align(Rect(0, 0, size.width, size.height), static_cast<int>(align), allowOverflow);
}

bool FontMetrics::operator==(const FontMetrics& other) const
{
    return this == &other || font() == other.font();
}

void FontMetrics::setEllipsis(const String& ellipsis)
{
    ellipsisText() = ellipsis;
}

const String& FontMetrics::ellipsis()
{
    return ellipsisText();
}
