#pragma once

// Invariants of a text document after any edit, shared by the differential
// test and the fuzz target: the lines equal a fresh layout of the same text,
// cover it without gap, positions lie in range and on whole characters, and
// the text equals the model the caller kept. Doc: a document in a fixed
// font over a view; the native font stand-in makes every unit 10 pixels wide
// and lines 20 pixels high.
#include "tests/support/TestText.h"
#include "ui/widgets/text/UITextDocument.h"

#include <algorithm>
#include <string>
#include <vector>

inline bool splitsPair(const UITextDocument& document, int index)
{
    return index > 0 && index < document.length() && document.charStartAt(index) != index;
}

inline std::string checkTextDocument(UITextDocument& document, const std::u16string& model)
{
    const String& text = document.text();
    if (std::u16string(text.constCharAt(0), text.length()) != model + u"\n")
        return "text differs from the model";
    const UITextCursor& cursor = *document.cursor();
    const int last = document.length() - 1;
    if (cursor.position() < 0 || cursor.position() > last || cursor.anchor() < 0 || cursor.anchor() > last)
        return "cursor out of range";
    if (splitsPair(document, cursor.position()) || splitsPair(document, cursor.anchor()))
        return "cursor splits a pair";
    if (document.lineOf(cursor.position()) != cursor.lineIndex())
        return "stale cursor line";
    int expected = 0;
    for (int i = 0; i < document.lineCount(); ++i) {
        const UITextLine& line = *document.line(i);
        if (line.start != expected || line.length < 1 || splitsPair(document, line.start))
            return "line " + std::to_string(i) + " leaves a gap, is empty or splits a pair";
        expected = line.end();
    }
    if (expected != document.length())
        return "lines do not reach the end";
    UITextDocument fresh(nullptr, nullptr);
    fresh.setFont(document.fontDesc());
    fresh.setViewRect(document.viewRect());
    fresh.setWordWrap(document.wordWrap());
    fresh.setText(text);
    if (fresh.lineCount() != document.lineCount())
        return "line count differs from a fresh layout";
    for (int i = 0; i < fresh.lineCount(); ++i) {
        if (fresh.line(i)->start != document.line(i)->start ||
            fresh.line(i)->length != document.line(i)->length)
            return "line " + std::to_string(i) + " differs from a fresh layout";
    }
    return std::string();
}

// The edits a user makes, each applied to the document and, when it took
// effect, to the plain model the same way: 0 type piece (over the
// selection), 1 Backspace, 2 Delete, 3 undo, 4 redo, 5 remove the selection.
inline void editWithModel(UITextDocument& document, std::u16string& model, int edit, std::u16string piece)
{
    UITextCursor& cursor = *document.cursor();
    const int position = cursor.position();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    const int before = document.previousCharStart(position);
    const int length = document.charLength(position);
    if (edit == 0 || edit == 5) {
        if (cursor.removeSelectedText())
            model.erase(from, to - from);
        const int at = cursor.position();
        const bool typed =
            edit == 0 && cursor.insertText(String(piece.data(), static_cast<int>(piece.size())));
        piece.erase(std::remove(piece.begin(), piece.end(), u'\r'), piece.end());
        if (typed)
            model.insert(at, piece);
    } else if (edit == 1 && cursor.deleteBackward()) {
        model.erase(before, position - before);
    } else if (edit == 2 && cursor.deleteForward()) {
        model.erase(position, length);
    } else if ((edit == 3 && document.undo()) || (edit == 4 && document.redo())) {
        model.assign(document.text().constCharAt(0), document.length() - 1);
    }
}

namespace textdoc {

const FontDesc kFont(String(u"Courier New"), 15.0f, 0);

struct Doc
{
    explicit Doc(const char16_t* text, int viewWidth = 600, bool wrap = false)
    {
        d.setFont(kFont);
        d.setViewRect(Rect(0, 0, viewWidth, 100));
        d.setWordWrap(wrap);
        d.setText(String(text));
    }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < d.lineCount(); ++i)
            out.push_back(testsupport::utf8(d.text().mid(d.line(i)->start, d.line(i)->length)));
        return out;
    }
    UITextCursor& c() { return *d.cursor(); }
    UITextDocument d{nullptr, nullptr};
};

} // namespace textdoc
