#include "ui/widgets/text/UITextCursor.h"

#include "foundation/text/CharClass.h"
#include "ui/widgets/text/UITextDocument.h"

namespace {

// Word classes: 0 letters and digits, 1 white space, 2 anything else (a
// surrogate pair included).
int wordClassOf(const UITextDocument& document, int index)
{
    if (document.charLength(index) == 2)
        return 2;
    const char16_t unit = document.text().at(index);
    if (isAlphaNumericChar(unit))
        return 0;
    return isSpaceChar(unit) ? 1 : 2;
}

} // namespace

UITextCursor::UITextCursor(UITextDocument* document) : m_document(document) {}

String UITextCursor::selectedText() const
{
    if (!hasSelection())
        return String();
    return m_document->text().mid(selectionStart(), selectionEnd() - selectionStart());
}

const UITextLine* UITextCursor::currentLine() const
{
    return m_lineIndex < 0 ? nullptr : m_document->line(m_lineIndex);
}

bool UITextCursor::isAtEnd() const
{
    return m_document->length() >= 1 && m_position == m_document->length() - 1;
}

bool UITextCursor::isAtLineStart() const
{
    const UITextLine* line = currentLine();
    return line && m_position == line->start;
}

bool UITextCursor::isAtLineEnd() const
{
    const UITextLine* line = currentLine();
    return line && m_position == m_document->previousCharStart(line->end());
}

bool UITextCursor::isOnLastLine() const
{
    return m_lineIndex >= 0 && m_lineIndex == m_document->lineCount() - 1;
}

void UITextCursor::refreshLine()
{
    m_lineIndex = m_document->lineOf(m_position);
    const UITextLine* line = currentLine();
    m_column = line ? m_position - line->start : 0;
}

void UITextCursor::moveTo(int position, int anchor)
{
    const int last = m_document->length() - 1;
    auto clamp = [&](int value) {
        if (value > last)
            value = last;
        return value < 0 ? 0 : m_document->charStartAt(value);
    };
    const int oldPosition = m_position;
    const int oldAnchor = m_anchor;
    const bool hadSelection = hasSelection();
    m_position = clamp(position);
    m_anchor = clamp(anchor);
    refreshLine();
    if (m_position != oldPosition) {
        UITextCursorMove move{oldPosition, m_position};
        cursorMoved.emitValue(&move);
    }
    const bool changed = m_position != oldPosition || m_anchor != oldAnchor;
    if (hasSelection() ? (!hadSelection || changed) : hadSelection)
        selectionChanged.emit();
}

void UITextCursor::setPosition(int position, bool keepAnchor)
{
    moveTo(position, keepAnchor ? m_anchor : position);
}

int UITextCursor::verticalTarget(int lineIndex) const
{
    const UITextLine* line = m_document->line(lineIndex);
    const int wanted = line->start + m_column;
    return wanted < line->end() - 1 ? wanted : line->end() - 1;
}

void UITextCursor::storeWordClass()
{
    m_wordClass = wordClassOf(*m_document, m_position);
}

int UITextCursor::wordLeft() const
{
    const UITextLine* line = currentLine();
    int i = m_position;
    while (i > line->start) {
        const int previous = m_document->previousCharStart(i);
        if (wordClassOf(*m_document, previous) != m_wordClass)
            return i;
        i = previous;
    }
    return line->start;
}

int UITextCursor::wordRight() const
{
    const UITextLine* line = currentLine();
    const int last = m_document->previousCharStart(line->end());
    for (int i = m_position; i < last; i += m_document->charLength(i)) {
        if (wordClassOf(*m_document, i) != m_wordClass)
            return i;
    }
    return last;
}

bool UITextCursor::moveCursor(int command, bool keepAnchor)
{
    const int last = m_document->length() - 1;
    const UITextLine* line = currentLine();
    const bool needsLine = command >= kLineStart && command <= kDown;
    if (last < 0 || (needsLine && !line))
        return false;
    int target = m_position;
    switch (command) {
    case kStart:
        target = 0;
        break;
    case kEnd:
        target = last;
        break;
    case kLineStart:
        target = line->start;
        break;
    case kLineEnd:
        target = m_document->previousCharStart(line->end());
        break;
    case kWordLeft:
        storeWordClass();
        target = wordLeft();
        break;
    case kWordRight:
        target = wordRight();
        break;
    case kUp:
        if (m_lineIndex < 1)
            return false;
        target = verticalTarget(m_lineIndex - 1);
        break;
    case kDown:
        if (m_lineIndex >= m_document->lineCount() - 1)
            return false;
        target = verticalTarget(m_lineIndex + 1);
        break;
    case kLeft:
        if (m_position < 1)
            return false;
        target = m_document->previousCharStart(m_position);
        break;
    case kRight:
        if (m_position >= last)
            return false;
        target = m_position + m_document->charLength(m_position);
        break;
    default:
        return false;
    }
    setPosition(target, keepAnchor);
    return true;
}

bool UITextCursor::select(int kind)
{
    switch (kind) {
    case kSelectWord:
        return moveCursor(kWordLeft) && moveCursor(kWordRight, true);
    case kSelectLine:
        return moveCursor(kLineStart) && moveCursor(kLineEnd, true);
    case kSelectAll:
        return moveCursor(kStart) && moveCursor(kEnd, true);
    default:
        return false;
    }
}

void UITextCursor::setSelection(int start, int count)
{
    setPosition(start);
    setPosition(start + count, true);
}

void UITextCursor::clearSelection()
{
    moveTo(m_position, m_position);
}

bool UITextCursor::insertText(const String& text)
{
    if (m_document->isEmpty())
        return false;
    const String converted = m_document->convertInput(text);
    if (converted.isEmpty())
        return false;
    removeSelectedText();
    const int at = m_position;
    if (!m_document->replaceRange(at, 0, converted))
        return false;
    setPosition(at + converted.length());
    m_document->emit();
    return true;
}

bool UITextCursor::deleteForward()
{
    if (m_document->isEmpty() || isAtEnd())
        return false;
    if (!m_document->replaceRange(m_position, m_document->charLength(m_position), String()))
        return false;
    // The position stays; only an anchor past the new end moves.
    moveTo(m_position, m_anchor);
    m_document->emit();
    return true;
}

bool UITextCursor::deleteBackward()
{
    if (m_document->isEmpty() || m_position < 1)
        return false;
    const int start = m_document->previousCharStart(m_position);
    if (!m_document->replaceRange(start, m_position - start, String()))
        return false;
    setPosition(start);
    m_document->emit();
    return true;
}

bool UITextCursor::removeSelectedText()
{
    if (m_document->isEmpty() || !hasSelection())
        return false;
    const int start = selectionStart();
    if (!m_document->replaceRange(start, selectionEnd() - start, String()))
        return false;
    setPosition(start);
    m_document->emit();
    return true;
}
