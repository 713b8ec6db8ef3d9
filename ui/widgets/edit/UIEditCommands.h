#pragma once

#include "foundation/text/String.h"

class UITextDocument;

// The editing and clipboard commands the line edit and the text edit share.
// Each returns true when it acted; a refused command plays the error sound
// and leaves text, selection and history as they were.
class UIEditCommands
{
public:
    // A single-line field drops line feeds from inserted text and copies its
    // text as it is; a multi-line one keeps them and copies in the
    // document's external form.
    UIEditCommands(UITextDocument* document, bool multiLine);

    void setEditable(bool on) { m_editable = on; }
    bool isEditable() const { return m_editable; }
    // 0 is unlimited; negative values are ignored.
    void setMaximumLength(int length);
    int maximumLength() const { return m_maximumLength; }

    // The text without its end marker.
    int textLength() const;
    bool isEmpty() const { return textLength() == 0; }
    bool hasSelection() const;

    bool removeSelection();
    bool deleteChar();
    bool backspace();
    bool copy();
    bool cut();
    bool paste();
    bool undo();
    bool redo();
    bool insert(const String& text);
    // The selection replaced by its lower- or upper-case copy, still selected.
    bool changeCase(bool upper);

    // The first units of text, at most length of them, never ending in half
    // a surrogate pair.
    static String cutToLength(const String& text, int length);
    static void refuse();

private:
    String selectionForClipboard() const;

    UITextDocument* m_document;
    bool m_multiLine;
    bool m_editable = true;
    int m_maximumLength = 0;
};
