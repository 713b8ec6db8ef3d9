#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "graphics/paint/FontDesc.h"
#include "ui/widgets/text/UITextCursor.h"
#include "ui/widgets/text/UITextFormats.h"
#include "ui/widgets/text/UITextLine.h"
#include "ui/widgets/text/UITextStyle.h"
#include "ui/widgets/text/UITextUndoStack.h"
#include "ui/widgets/text/UITextWidths.h"

#include <cstdint>
#include <memory>
#include <vector>

class Painter;
class UITheme;
class UIWidget;

// The editing engine of the text widgets: the text (always ending with one
// "\n", the end marker), its lines, a cursor, an undo history, per-character
// formats, hit tests and painting. The document itself is its textChanged
// signal. A surrogate pair counts as one character everywhere.
class UITextDocument : public Signal
{
public:
    // setText flags.
    static constexpr int kClearUndo = 1;
    static constexpr int kCursorToEnd = 2;
    static constexpr int kSilent = 4;

    // flags() bits the owner sets before painting.
    static constexpr uint32_t kReadOnly = 1;
    static constexpr uint32_t kEnabled = 2;
    static constexpr uint32_t kFocused = 4;

    static constexpr int kWrapReserve = 30;
    static constexpr char16_t kDefaultPasswordChar = 0x25CF;

    // The caret width comes from the theme's "TextCursorWidth" when a theme
    // gives a positive one, else 1; the owner may set it later.
    UITextDocument(UIWidget* owner, const UITheme* theme);
    ~UITextDocument() override;
    UIWidget* owner() const { return m_owner; }

    void setText(const String& text, int flags = 0);
    void clear() { setText(String(), kCursorToEnd); }
    void relayout() { setText(String(m_text), 0); }
    const String& text() const { return m_text; }
    String toExternalText() const;

    int length() const { return m_text.length(); }
    bool isEmpty() const { return m_text.isEmpty(); }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    // Null past the end; an index below 1 gives the first line.
    const UITextLine* line(int i) const;
    // The index of the line holding the unit at index, or -1 outside the text.
    int lineOf(int index) const;
    // The line whose painted rectangle spans y, or -1.
    int lineAtY(int y) const;
    // Where the line was last painted; empty before the first paint.
    Rect lineRect(int i) const;

    void setFont(const FontDesc& font);
    void setFontSize(float points);
    float fontSize() const { return m_widths.font().size(); }
    const FontDesc& fontDesc() const { return m_widths.font(); }
    const FontMetrics& fontMetrics() const { return m_widths.metrics(); }

    void setStyle(const UITextStyle& style);
    const UITextStyle& style() const { return m_style; }
    void setWordWrap(bool on);
    bool wordWrap() const { return m_wordWrap; }
    void setMargins(int left, int top, int right, int bottom);
    void setMargins(const Rect& margins) { setMargins(margins.x, margins.y, margins.width, margins.height); }
    Rect margins() const { return Rect(m_marginLeft, m_marginTop, m_marginRight, m_marginBottom); }
    void setViewRect(const Rect& rect);
    const Rect& viewRect() const { return m_viewRect; }
    void setFlags(uint32_t flags) { m_flags = flags; }
    uint32_t flags() const { return m_flags; }
    void setCaretWidth(int px) { m_caretWidth = px; }
    int caretWidth() const { return m_caretWidth; }
    const Rect& caretRect() const { return m_caretRect; }
    void setLineEndMode(int mode);
    int lineEndMode() const { return m_outputMode; }
    void setPasswordMode(bool on);
    bool passwordMode() const { return m_password; }
    void setPasswordChar(char16_t c);
    char16_t passwordChar() const { return m_passwordChar; }
    char16_t displayChar(int index) const;
    void setVerticalOffset(int px) { m_verticalOffset = px; }
    int verticalOffset() const { return m_verticalOffset; }
    void setHorizontalOffset(int px) { m_horizontalOffset = px; }
    int horizontalOffset() const { return m_horizontalOffset; }

    int widestLineWidth();
    int contentHeight() const;
    Size sizeHint() { return Size(widestLineWidth(), contentHeight()); }

    // Hit tests; false or empty where the point is on no character.
    bool indexAt(const Point& point, int& index);
    String wordAt(const Point& point, const String& delimiters);
    bool isSelected(int index) const;

    // Formats every occurrence; the number found.
    int highlightAll(const String& text, bool caseSensitive, const Pen& pen, const Brush& brush,
                     uint32_t styleFlags);
    bool hasFormats() const { return !m_formats.isEmpty(); }
    void clearFormats();

    bool canUndo() const { return m_undo.canUndo(); }
    bool canRedo() const { return m_undo.canRedo(); }
    bool undo();
    bool redo();
    UITextUndoStack& undoStack() { return m_undo; }

    void paint(Painter& painter);
    int firstPaintedLine() const { return m_firstPainted; }
    int firstLineOutside() const { return m_firstOutside; }

    UITextCursor* cursor() { return &m_cursor; }
    const UITextCursor* cursor() const { return &m_cursor; }
    UITextFormats* formats() { return &m_formats; }

    // Character steps: the length of the character at index (2 for a whole
    // surrogate pair, else 1), and the start of the character before index.
    int charLength(int index) const;
    int previousCharStart(int index) const;
    // index itself, or the pair start when index splits a pair.
    int charStartAt(int index) const;
    // The width one character takes when laid out, hit and painted.
    int charWidth(int index);

    // For the cursor: replaces count units at index with text (already
    // converted, without "\r") and fixes formats and lines; no signal.
    bool replaceRange(int index, int count, const String& text);
    // Drops "\r" and, in input mode 0, learns the output mode.
    String convertInput(const String& text);

private:
    void layoutRange(int start, int end, std::vector<UITextLine>& out);
    void wrapParagraph(int start, int end, std::vector<UITextLine>& out);
    int paragraphStart(int index) const;
    int paragraphEnd(int index) const;
    void relayoutSilently();
    // Puts the text and selection of a snapshot back; false for none.
    bool restore(const UITextSnapshot* snapshot);
    int lineOfUnchecked(int index) const;
    void paintLine(Painter& painter, int lineIndex, int x, int y);
    void paintChar(Painter& painter, int index, int x, int y, int width);
    // Runs of plain glyphs: enabled, unselected, unformatted, not masked.
    bool isPlainPosition(int index) const;
    bool isPlainGlyph(int index) const;
    void paintRun(Painter& painter, int start, int end, int x, int y);

    UIWidget* m_owner;
    UITextCursor m_cursor;
    UITextFormats m_formats;
    UITextWidths m_widths;
    UITextStyle m_style;
    uint32_t m_flags = kEnabled;
    int m_caretWidth = 1;
    UITextUndoStack m_undo;
    String m_text;
    std::vector<UITextLine> m_lines;
    bool m_wordWrap = false;
    int m_marginLeft = 0;
    int m_marginTop = 0;
    int m_marginRight = 0;
    int m_marginBottom = 0;
    Rect m_viewRect;
    Rect m_caretRect;
    int m_verticalOffset = 0;
    int m_horizontalOffset = 0;
    int m_firstPainted = -1;
    int m_firstOutside = -1;
    // Where line 0 was last painted; lines follow one line height apart.
    bool m_painted = false;
    Point m_paintOrigin;
    int m_paintWidth = 0;
    int m_paintLineHeight = 0;
    int m_inputMode = 2;
    int m_outputMode = 2;
    bool m_password = false;
    char16_t m_passwordChar = kDefaultPasswordChar;
};
