#pragma once

// Invariants of a text document after any edit, shared by the differential
// test and the fuzz target: the lines equal a fresh layout of the same text,
// cover it without gap, positions lie in range and on whole characters, and
// the text equals the model the caller kept.
#include "ui/widgets/text/UITextDocument.h"

#include <string>

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
    for (int i = 0; i < document.formats()->count(); ++i)
        fresh.formats()->set(document.formats()->at(i));
    if (document.formats()->count() > 0)
        fresh.relayout();
    if (fresh.lineCount() != document.lineCount())
        return "line count differs from a fresh layout";
    for (int i = 0; i < fresh.lineCount(); ++i) {
        if (fresh.line(i)->start != document.line(i)->start ||
            fresh.line(i)->length != document.line(i)->length)
            return "line " + std::to_string(i) + " differs from a fresh layout";
    }
    return std::string();
}
