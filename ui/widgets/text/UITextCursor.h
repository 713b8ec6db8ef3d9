#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"

class UITextDocument;
struct UITextLine;

// What cursorMoved passes: the position before and after the move.
struct UITextCursorMove
{
    int from = 0;
    int to = 0;
};

// The caret and selection of a text document, and the edits made at them.
// Positions are unit indexes that never fall inside a surrogate pair.
class UITextCursor
{
public:
    // Move commands of moveCursor.
    static constexpr int kStart = 1;
    static constexpr int kEnd = 2;
    static constexpr int kLineStart = 3;
    static constexpr int kLineEnd = 4;
    static constexpr int kWordLeft = 5;
    static constexpr int kWordRight = 6;
    static constexpr int kUp = 7;
    static constexpr int kDown = 8;
    static constexpr int kLeft = 9;
    static constexpr int kRight = 10;

    // Kinds of select.
    static constexpr int kSelectWord = 0;
    static constexpr int kSelectLine = 1;
    static constexpr int kSelectAll = 2;

    explicit UITextCursor(UITextDocument* document);
    virtual ~UITextCursor() = default;
    UITextCursor(const UITextCursor&) = delete;
    UITextCursor& operator=(const UITextCursor&) = delete;

    // Emitted with a const UITextCursorMove* when the position changed.
    Signal cursorMoved;
    // Emitted when the selected range appeared, changed or went away.
    Signal selectionChanged;

    void setPosition(int position, bool keepAnchor = false);
    // False for an unknown command or one that cannot apply here.
    bool moveCursor(int command, bool keepAnchor = false);
    bool select(int kind);
    void setSelection(int start, int count);
    void clearSelection();

    int position() const { return m_position; }
    int anchor() const { return m_anchor; }
    int selectionStart() const { return m_anchor < m_position ? m_anchor : m_position; }
    int selectionEnd() const { return m_anchor < m_position ? m_position : m_anchor; }
    bool hasSelection() const { return m_anchor != m_position; }
    String selectedText() const;
    int lineIndex() const { return m_lineIndex; }
    int column() const { return m_column; }
    int wordClass() const { return m_wordClass; }
    const UITextLine* currentLine() const;
    bool isAtStart() const { return m_position == 0; }
    bool isAtEnd() const;
    bool isAtLineStart() const;
    bool isAtLineEnd() const;
    bool isOnFirstLine() const { return m_lineIndex == 0; }
    bool isOnLastLine() const;

    // Each true when it changed the text.
    bool insertText(const String& text);
    bool deleteForward();
    bool deleteBackward();
    bool removeSelectedText();

    // For the document: moves both ends (clamped to the text and to whole
    // characters), with the signals of a move.
    void moveTo(int position, int anchor);
    // For the document: the line index after the lines changed, silently.
    void refreshLine();

private:
    int wordLeft() const;
    int wordRight() const;
    int verticalTarget(int lineIndex) const;
    void storeWordClass();

    UITextDocument* m_document;
    int m_position = 0;
    int m_anchor = 0;
    int m_lineIndex = -1;
    int m_column = 0;
    int m_wordClass = 0;
};
