#include "ui/widgets/text/UITextDocument.h"

#include "foundation/text/CharClass.h"
#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UITheme.h"

#include <algorithm>

namespace {

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

UITextDocument::UITextDocument(UIWidget* owner, const UITheme* theme)
    : m_owner(owner), m_cursor(this), m_widths(FontDesc())
{
    // A skin without the metric keeps a caret one pixel wide rather than none.
    const int caretWidth = theme ? theme->metric(kTextCursorWidth) : 0;
    if (caretWidth > 0)
        m_caretWidth = caretWidth;
    m_formats.setDefaultStyle(m_widths.font().style());
    setStyle(UITextStyle::defaults());
    clear();
}

UITextDocument::~UITextDocument() = default;

// ---- Characters ----

int UITextDocument::charLength(int index) const
{
    if (index + 1 < length() && isHighSurrogate(m_text.at(index)) && isLowSurrogate(m_text.at(index + 1)))
        return 2;
    return 1;
}

int UITextDocument::previousCharStart(int index) const
{
    if (index < 2)
        return index - 1 < 0 ? 0 : index - 1;
    return charLength(index - 2) == 2 ? index - 2 : index - 1;
}

int UITextDocument::charStartAt(int index) const
{
    if (index > 0 && index < length() && charLength(index - 1) == 2)
        return index - 1;
    return index;
}

int UITextDocument::charWidth(int index)
{
    if (m_password)
        return m_widths.width(&m_passwordChar, 1, m_formats.defaultStyle());
    return m_widths.width(m_text.constCharAt(index), charLength(index), m_formats.styleAt(index));
}

char16_t UITextDocument::displayChar(int index) const
{
    if (m_password)
        return m_passwordChar;
    return index >= 0 && index < length() ? m_text.at(index) : 0;
}

// ---- Text ----

String UITextDocument::convertInput(const String& text)
{
    const bool hasReturn = text.containsChar(u'\r', String::kCaseSensitive);
    if (m_inputMode == 0)
        m_outputMode = hasReturn ? 2 : 1;
    if (!hasReturn)
        return text;
    String out;
    out.reserve(text.length());
    for (int i = 0; i < text.length(); ++i) {
        if (text.at(i) != u'\r')
            out.appendChar(text.at(i));
    }
    return out;
}

void UITextDocument::setText(const String& text, int flags)
{
    String next(text);
    if (next.isEmpty() || next.last() != u'\n')
        next.appendChar(u'\n');
    next = convertInput(next);
    // A text too long to take its end marker is refused whole.
    if (next.isEmpty() || next.last() != u'\n')
        return;
    if (flags & kClearUndo)
        m_undo.clear();
    m_text = std::move(next);
    m_lines.clear();
    layoutRange(0, length(), m_lines);
    if (flags & kCursorToEnd)
        m_cursor.moveCursor(UITextCursor::kEnd);
    else
        m_cursor.moveTo(m_cursor.position(), m_cursor.anchor());
    if (!(flags & kSilent))
        emit();
}

String UITextDocument::toExternalText() const
{
    if (m_outputMode != 2)
        return m_text;
    return m_text.replace(String(u"\n"), String::crlf(), String::kCaseSensitive);
}

void UITextDocument::setLineEndMode(int mode)
{
    m_inputMode = mode;
    m_outputMode = mode;
}

// ---- Lines ----

const UITextLine* UITextDocument::line(int i) const
{
    if (m_lines.empty() || i >= lineCount())
        return nullptr;
    return &m_lines[i < 1 ? 0 : i];
}

int UITextDocument::lineOfUnchecked(int index) const
{
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), index,
                               [](int value, const UITextLine& line) { return value < line.start; });
    return static_cast<int>(it - m_lines.begin()) - 1;
}

int UITextDocument::lineOf(int index) const
{
    if (index < 0 || index >= length())
        return -1;
    return lineOfUnchecked(index);
}

int UITextDocument::paragraphStart(int index) const
{
    int i = index;
    while (i > 0 && m_text.at(i - 1) != u'\n')
        --i;
    return i;
}

int UITextDocument::paragraphEnd(int index) const
{
    return m_text.indexOfChar(u'\n', index, String::kCaseSensitive) + 1;
}

void UITextDocument::layoutRange(int start, int end, std::vector<UITextLine>& out)
{
    int paragraph = start;
    while (paragraph < end) {
        const int next = paragraphEnd(paragraph);
        if (m_wordWrap)
            wrapParagraph(paragraph, next, out);
        else
            out.push_back({paragraph, next - paragraph});
        paragraph = next;
    }
}

void UITextDocument::wrapParagraph(int start, int end, std::vector<UITextLine>& out)
{
    const int limit = m_viewRect.width - kWrapReserve;
    if (limit < 1) {
        out.push_back({start, end - start});
        return;
    }
    // sums[k]: the width of the units start .. start + k - 1; inside a pair
    // it stays at the pair's start, so a break found there moves back whole.
    std::vector<int> sums(end - start + 1, 0);
    int lastPrintable = -1;
    for (int i = start; i < end;) {
        const int n = charLength(i);
        const char16_t unit = m_text.at(i);
        if (n == 2 || (unit != u' ' && isPrintableChar(unit)))
            lastPrintable = i;
        if (n == 2)
            sums[i + 1 - start] = sums[i - start];
        sums[i + n - start] = sums[i - start] + charWidth(i);
        i += n;
    }
    int lineStart = start;
    while (sums[end - start] - sums[lineStart - start] > limit) {
        const int base = sums[lineStart - start];
        auto fitting = std::upper_bound(sums.begin() + (lineStart - start), sums.end(), base + limit);
        const int fit = static_cast<int>(fitting - sums.begin()) - 1 + start;
        int cut = -1;
        if (lineStart <= lastPrintable) {
            int first = lineStart;
            while (m_text.at(first) == u' ' || (charLength(first) == 1 && !isPrintableChar(m_text.at(first))))
                ++first;
            for (int b = std::min(fit, lastPrintable - 1); b > first && cut < 0; --b) {
                if (m_text.at(b) == u' ')
                    cut = b + 1;
            }
        }
        if (cut < 0)
            cut = charStartAt(fit);
        if (cut <= lineStart)
            break;
        out.push_back({lineStart, cut - lineStart});
        lineStart = cut;
    }
    out.push_back({lineStart, end - lineStart});
}

void UITextDocument::relayoutSilently()
{
    m_lines.clear();
    layoutRange(0, length(), m_lines);
    m_cursor.refreshLine();
}

bool UITextDocument::replaceRange(int index, int count, const String& text)
{
    if (isEmpty() || index < 0 || count < 0 || index + count > length() - 1)
        return false;
    const int paragraph = paragraphStart(index);
    const int oldEnd = paragraphEnd(index + count);
    const int firstLine = lineOfUnchecked(paragraph);
    const int lastLine = lineOfUnchecked(oldEnd - 1);
    const int oldLength = length();
    if (count > 0 && !text.isEmpty())
        m_text.replaceRange(index, count, text);
    else if (count > 0)
        m_text.remove(index, count);
    else
        m_text.insert(index, text);
    if (length() != oldLength - count + text.length())
        return false;
    const int delta = text.length() - count;

    const UITextCharFormat* before = index > 0 ? m_formats.find(previousCharStart(index)) : nullptr;
    const UITextCharFormat model = before ? *before : UITextCharFormat();
    m_formats.removeRange(index, count);
    m_formats.insertRange(index, text.length(), before ? &model : nullptr);

    std::vector<UITextLine> fresh;
    layoutRange(paragraph, oldEnd + delta, fresh);
    m_lines.erase(m_lines.begin() + firstLine, m_lines.begin() + lastLine + 1);
    m_lines.insert(m_lines.begin() + firstLine, fresh.begin(), fresh.end());
    for (size_t i = firstLine + fresh.size(); i < m_lines.size(); ++i)
        m_lines[i].start += delta;
    return true;
}

// ---- Settings ----

void UITextDocument::setFont(const FontDesc& font)
{
    if (font == m_widths.font())
        return;
    m_widths.setFont(font);
    m_caretRect = Rect();
    m_formats.setDefaultStyle(font.style());
    if (m_wordWrap)
        relayout();
}

void UITextDocument::setFontSize(float points)
{
    if (points == fontSize())
        return;
    FontDesc font = fontDesc();
    font.setSize(points);
    setFont(font);
}

void UITextDocument::setStyle(const UITextStyle& style)
{
    m_style = style;
    m_formats.setDefaults(style.normal.pen, style.normal.brush);
}

void UITextDocument::setWordWrap(bool on)
{
    if (on == m_wordWrap)
        return;
    m_wordWrap = on;
    relayout();
}

void UITextDocument::setMargins(int left, int top, int right, int bottom)
{
    m_marginLeft = left;
    m_marginTop = top;
    m_marginRight = right;
    m_marginBottom = bottom;
}

void UITextDocument::setViewRect(const Rect& rect)
{
    m_viewRect = rect;
    if (m_wordWrap)
        relayout();
}

void UITextDocument::setPasswordMode(bool on)
{
    if (on == m_password)
        return;
    m_password = on;
    if (m_wordWrap)
        relayoutSilently();
}

void UITextDocument::setPasswordChar(char16_t c)
{
    if (c == m_passwordChar)
        return;
    m_passwordChar = c;
    if (m_password && m_wordWrap)
        relayoutSilently();
}

// ---- Sizes ----

int UITextDocument::widestLineWidth()
{
    const int margins = m_marginLeft + m_marginRight;
    int widest = -1;
    for (int i = 0; i < lineCount(); ++i) {
        if (widest < 0 || m_lines[i].length > m_lines[widest].length)
            widest = i;
    }
    int width = 0;
    if (widest >= 0) {
        // The paragraph's "\n" leaves no glyph and widens nothing.
        const UITextLine& line = m_lines[widest];
        const int end = m_text.at(line.end() - 1) == u'\n' ? line.end() - 1 : line.end();
        for (int i = line.start; i < end; i += charLength(i))
            width += charWidth(i);
    }
    return width > 0 ? width + margins : 100 + margins;
}

int UITextDocument::contentHeight() const
{
    const int lineHeight = fontMetrics().height();
    const int lines = lineHeight * lineCount();
    return (lines > 0 ? lines : lineHeight) + m_marginTop + m_marginBottom;
}

// ---- Hit tests ----

Rect UITextDocument::lineRect(int i) const
{
    if (!m_painted || i < 0 || i >= lineCount())
        return Rect();
    return Rect(m_paintOrigin.x, m_paintOrigin.y + i * m_paintLineHeight, m_paintWidth, m_paintLineHeight);
}

int UITextDocument::lineAtY(int y) const
{
    if (!m_painted || m_paintLineHeight < 1 || y < m_paintOrigin.y)
        return -1;
    const int64_t i = (static_cast<int64_t>(y) - m_paintOrigin.y) / m_paintLineHeight;
    return i < lineCount() ? static_cast<int>(i) : -1;
}

bool UITextDocument::indexAt(const Point& point, int& index)
{
    if (isEmpty())
        return false;
    int lineIndex = lineAtY(point.y);
    if (lineIndex < 0) {
        const Rect last = lineRect(lineCount() - 1);
        if (point.y <= m_viewRect.y + m_marginTop)
            lineIndex = m_cursor.lineIndex() > 0 ? m_cursor.lineIndex() - 1 : 0;
        else if (point.y >= last.y + last.height)
            lineIndex = lineCount() - 1;
        else
            return false;
    }
    const UITextLine& line = m_lines[lineIndex];
    const int lineX = lineRect(lineIndex).x;
    const int lastChar = previousCharStart(line.end());
    int x = lineX;
    for (int i = line.start; i < line.end(); i += charLength(i)) {
        const int width = charWidth(i);
        const int right = x + width;
        if (right >= point.x) {
            const bool before = point.x < right - (width + 1) / 2;
            index = before || i == lastChar ? i : i + charLength(i);
            return true;
        }
        x = right;
    }
    index = point.x < lineX ? line.start : lastChar;
    return true;
}

String UITextDocument::wordAt(const Point& point, const String& delimiters)
{
    int index = 0;
    if (!indexAt(point, index))
        return String();
    auto isDelimiter = [&](int i) {
        const char16_t unit = m_text.at(i);
        return !isAlphaNumericChar(unit) && delimiters.containsChar(unit, String::kCaseSensitive);
    };
    if (isDelimiter(index))
        return String();
    const UITextLine& line = m_lines[lineOfUnchecked(index)];
    int start = index;
    while (start > line.start && !isDelimiter(start - 1))
        --start;
    // The paragraph's own "\n" is no part of a word.
    int end = index;
    while (end < line.end() && m_text.at(end) != u'\n' && !isDelimiter(end))
        ++end;
    return m_text.mid(start, end - start);
}

bool UITextDocument::isSelected(int index) const
{
    return m_cursor.hasSelection() && (m_flags & kEnabled) && index >= m_cursor.selectionStart() &&
           index < m_cursor.selectionEnd();
}

// ---- Formats ----

int UITextDocument::highlightAll(const String& text, bool caseSensitive, const Pen& pen, const Brush& brush,
                                 uint32_t styleFlags)
{
    // An empty text would be found again at every start without moving on.
    if (text.isEmpty())
        return 0;
    // Lowered once here, so that no search lowers the whole text again.
    const String haystack = caseSensitive ? m_text : m_text.toLower();
    const String needle = caseSensitive ? text : text.toLower();
    int found = 0;
    int from = 0;
    for (;;) {
        const int at = haystack.find(needle, from, String::kCaseSensitive);
        if (at < 0)
            break;
        const int end = at + text.length();
        // A match that begins or ends inside a pair is not a match of
        // whole characters.
        if (charStartAt(at) != at || charStartAt(end) != end) {
            from = at + 1;
            continue;
        }
        for (int i = at; i < end; ++i)
            m_formats.set({i, pen, brush, styleFlags});
        ++found;
        from = end;
    }
    if (found > 0 && m_wordWrap)
        relayoutSilently();
    return found;
}

void UITextDocument::clearFormats()
{
    m_formats.clear();
    if (m_wordWrap)
        relayoutSilently();
}

// ---- Undo ----

bool UITextDocument::undo()
{
    return restore(m_undo.undo());
}

bool UITextDocument::redo()
{
    return restore(m_undo.redo());
}

bool UITextDocument::restore(const UITextSnapshot* snapshot)
{
    if (!snapshot)
        return false;
    const UITextSnapshot state = *snapshot;
    setText(state.text, kCursorToEnd);
    m_cursor.setPosition(state.anchor);
    m_cursor.setPosition(state.position, true);
    return true;
}

// ---- Painting ----

void UITextDocument::paint(Painter& painter)
{
    m_caretRect = Rect();
    m_firstPainted = -1;
    m_firstOutside = -1;
    const int lineHeight = fontMetrics().height();
    m_painted = true;
    m_paintOrigin = Point(m_horizontalOffset + m_marginLeft, m_verticalOffset + m_marginTop);
    m_paintWidth = m_viewRect.width;
    m_paintLineHeight = lineHeight;
    if (lineHeight < 1 || m_lines.empty())
        return;
    // Lines are painted while y lies in [-lineHeight, view height + lineHeight].
    const int64_t top = -static_cast<int64_t>(lineHeight) - m_paintOrigin.y;
    int64_t first = top <= 0 ? 0 : (top + lineHeight - 1) / lineHeight;
    const int64_t bottom = static_cast<int64_t>(m_viewRect.height) + lineHeight - m_paintOrigin.y;
    const int64_t last = bottom < 0 ? -1 : std::min<int64_t>(bottom / lineHeight, lineCount() - 1);
    painter.setFont(fontDesc());
    for (int64_t i = first; i <= last; ++i) {
        if (m_firstPainted < 0)
            m_firstPainted = static_cast<int>(i);
        paintLine(painter, static_cast<int>(i), m_paintOrigin.x,
                  m_paintOrigin.y + static_cast<int>(i) * lineHeight);
    }
    if (first > 0)
        m_firstOutside = 0;
    else if (last + 1 < lineCount())
        m_firstOutside = static_cast<int>(last + 1);
    else
        m_firstOutside = lineCount() - 1;
}

void UITextDocument::paintLine(Painter& painter, int lineIndex, int x, int y)
{
    const UITextLine& line = m_lines[lineIndex];
    const int rightLimit = m_viewRect.x + m_viewRect.width + fontMetrics().maxCharWidth();
    // Plain characters in a row are drawn with one call: a character at a
    // time costs a system call each, which a long line cannot afford.
    int runStart = -1;
    int runX = 0;
    int i = line.start;
    for (; i < line.end(); i += charLength(i)) {
        if (i == m_cursor.position())
            m_caretRect = Rect(x, y, m_caretWidth, m_paintLineHeight);
        if (x > rightLimit)
            break;
        const int width = charWidth(i);
        const bool plain = isPlainGlyph(i);
        if (runStart >= 0 && (plain || (m_text.at(i) == u' ' && isPlainPosition(i)))) {
            x += width;
            continue;
        }
        paintRun(painter, runStart, i, runX, y);
        runStart = -1;
        if (plain) {
            runStart = i;
            runX = x;
        } else {
            paintChar(painter, i, x, y, width);
        }
        x += width;
    }
    paintRun(painter, runStart, i, runX, y);
}

bool UITextDocument::isPlainPosition(int index) const
{
    return (m_flags & kEnabled) && !m_password && !isSelected(index) && !m_formats.find(index);
}

bool UITextDocument::isPlainGlyph(int index) const
{
    return isPlainPosition(index) && !isSpaceChar(m_text.at(index));
}

void UITextDocument::paintRun(Painter& painter, int start, int end, int x, int y)
{
    if (start < 0 || end <= start)
        return;
    // A run never ends in blanks worth drawing.
    while (end > start && m_text.at(end - 1) == u' ')
        --end;
    painter.setPen(m_formats.defaultPen());
    painter.setFont(fontDesc());
    painter.drawText(m_text.constCharAt(start), end - start, x, y);
}

void UITextDocument::paintChar(Painter& painter, int index, int x, int y, int width)
{
    const UITextCharFormat* format = m_formats.find(index);
    const Rect box(x, y, width, m_paintLineHeight);
    if (!(m_flags & kEnabled)) {
        painter.setPen(m_style.disabled.pen);
    } else if (!isSelected(index)) {
        painter.setPen(format ? format->pen : m_formats.defaultPen());
        if (format)
            painter.fillRect(box, format->brush);
    } else {
        const UITextStyle::ColorSet& set =
            (m_flags & kFocused) ? m_style.selected : m_style.unfocusedSelected;
        painter.fillRect(box, set.brush);
        painter.setPen(set.pen);
    }
    const char16_t unit = m_text.at(index);
    // White space leaves no glyph; its background is all there is of it.
    if (unit == u'\n' || (!m_password && isSpaceChar(unit)))
        return;
    const uint32_t style = m_formats.styleAt(index);
    painter.setFont(style == m_formats.defaultStyle() ? fontDesc() : m_widths.styledFont(style));
    if (m_password)
        painter.drawText(&m_passwordChar, 1, x, y);
    else
        painter.drawText(m_text.constCharAt(index), charLength(index), x, y);
}
