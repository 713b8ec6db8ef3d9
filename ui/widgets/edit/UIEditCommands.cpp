#include "ui/widgets/edit/UIEditCommands.h"

#include "ui/core/application/UIApplication.h"
#include "ui/widgets/text/UITextDocument.h"

namespace {

constexpr int kErrorSound = 1;

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

UIClipboard* clipboard()
{
    return UIApplication::instance()->clipboard();
}

} // namespace

UIEditCommands::UIEditCommands(UITextDocument* document, bool multiLine)
    : m_document(document), m_multiLine(multiLine)
{
}

void UIEditCommands::setMaximumLength(int length)
{
    if (length >= 0)
        m_maximumLength = length;
}

int UIEditCommands::textLength() const
{
    return m_document->length() > 0 ? m_document->length() - 1 : 0;
}

bool UIEditCommands::hasSelection() const
{
    return m_document->cursor()->hasSelection();
}

void UIEditCommands::refuse()
{
    UIApplication::instance()->playSound(kErrorSound);
}

String UIEditCommands::cutToLength(const String& text, int length)
{
    if (length <= 0)
        return String();
    if (text.length() <= length)
        return text;
    if (isHighSurrogate(text.at(length - 1)))
        --length;
    return text.mid(0, length);
}

bool UIEditCommands::removeSelection()
{
    if (!m_editable) {
        refuse();
        return false;
    }
    if (!hasSelection())
        return false;
    if (m_document->cursor()->removeSelectedText())
        return true;
    refuse();
    return false;
}

bool UIEditCommands::deleteChar()
{
    bool done = false;
    if (m_editable && !isEmpty())
        done = hasSelection() ? m_document->cursor()->removeSelectedText()
                              : m_document->cursor()->deleteForward();
    if (!done)
        refuse();
    return done;
}

bool UIEditCommands::backspace()
{
    bool done = false;
    if (m_editable && !isEmpty())
        done = hasSelection() ? m_document->cursor()->removeSelectedText()
                              : m_document->cursor()->deleteBackward();
    if (!done)
        refuse();
    return done;
}

String UIEditCommands::selectionForClipboard() const
{
    const String selected = m_document->cursor()->selectedText();
    if (!m_multiLine || m_document->lineEndMode() != 2)
        return selected;
    return selected.replace(String(u"\n"), String::crlf(), String::kCaseSensitive);
}

bool UIEditCommands::copy()
{
    if (isEmpty() || !hasSelection()) {
        refuse();
        return false;
    }
    clipboard()->setText(selectionForClipboard());
    return true;
}

bool UIEditCommands::cut()
{
    if (isEmpty() || !m_editable || !hasSelection()) {
        refuse();
        return false;
    }
    clipboard()->setText(selectionForClipboard());
    return removeSelection();
}

bool UIEditCommands::paste()
{
    if (!m_editable) {
        refuse();
        return false;
    }
    if (UIClipboard::availableFormat() != UIClipboard::kText)
        return false;
    return insert(clipboard()->text());
}

bool UIEditCommands::undo()
{
    if (!m_editable || !m_document->canUndo())
        return false;
    return m_document->undo();
}

bool UIEditCommands::redo()
{
    if (!m_editable || !m_document->canRedo())
        return false;
    return m_document->redo();
}

bool UIEditCommands::insert(const String& text)
{
    if (text.isEmpty()) {
        refuse();
        return false;
    }
    String adding = text;
    if (!m_multiLine)
        adding.removeChar(u'\n');
    UITextCursor* cursor = m_document->cursor();
    if (m_maximumLength > 0) {
        // The selection the insert replaces makes room too.
        const int selected = cursor->selectionEnd() - cursor->selectionStart();
        const int room = m_maximumLength - (textLength() - selected);
        if (room <= 0) {
            refuse();
            return false;
        }
        if (adding.length() > room) {
            refuse();
            adding = cutToLength(adding, room);
        }
    }
    return cursor->insertText(adding);
}

bool UIEditCommands::changeCase(bool upper)
{
    UITextCursor* cursor = m_document->cursor();
    if (!m_editable || !hasSelection()) {
        refuse();
        return false;
    }
    const int anchor = cursor->anchor();
    const int position = cursor->position();
    const String selected = cursor->selectedText();
    cursor->insertText(upper ? selected.toUpper() : selected.toLower());
    cursor->setPosition(anchor);
    cursor->setPosition(position, true);
    return true;
}
