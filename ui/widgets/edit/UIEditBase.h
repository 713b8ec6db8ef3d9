#pragma once

#include "foundation/text/String.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/edit/UIEditCaret.h"
#include "ui/widgets/edit/UIEditCommands.h"
#include "ui/widgets/edit/UIEditStyle.h"

#include <memory>

class Painter;
class UIKeyEvent;
class UIMenu;
class UITextDocument;

// What the line edit and the text edit share: the document with its caret
// and commands, the frame, the placeholder, selecting with the mouse, the
// caret's blinking, dropped text and the first nine items of the context
// menu.
class UIEditBase : public UIWidget
{
public:
    // The context menu's first items, shared by both menus.
    enum EditMenuItem
    {
        kUndoItem,
        kRedoItem,
        kFirstSeparator,
        kCutItem,
        kCopyItem,
        kPasteItem,
        kDeleteItem,
        kSecondSeparator,
        kSelectAllItem,
        kEditMenuItemCount
    };

    ~UIEditBase() override;

    UITextDocument* document() const { return m_document.get(); }
    // The text's length without the end marker.
    int length() const { return m_commands.textLength(); }
    bool isEmpty() const { return length() == 0; }
    void setMaxLength(int length) { m_commands.setMaximumLength(length); }
    int maxLength() const { return m_commands.maximumLength(); }
    bool isReadOnly() const { return m_readOnly; }
    void setPlaceholderText(const String& text);
    const String& placeholderText() const { return m_placeholder; }
    bool hasSelection() const;
    String selectedText() const;
    void deselect();
    void selectAll();
    void clearUndoHistory();

    // Editing commands; a refused one plays the error sound.
    bool removeSelection() { return m_commands.removeSelection(); }
    bool deleteChar() { return m_commands.deleteChar(); }
    bool backspace() { return m_commands.backspace(); }
    virtual bool copy() { return m_commands.copy(); }
    virtual bool cut() { return m_commands.cut(); }
    bool paste() { return m_commands.paste(); }
    bool undo() { return m_commands.undo(); }
    bool redo() { return m_commands.redo(); }
    bool insert(const String& text) { return m_commands.insert(text); }

    // The context menu, made on first need: most fields never show theirs,
    // and each menu is a system window of its own.
    UIMenu* menu();
    bool isCaretShown() const { return m_caret.isShown(); }
    Rect inputCursorRect() const override;
    FontDesc font() const override;

protected:
    UIEditBase(UIWidget* parent, bool multiLine);

    virtual const UIEditStyle& editStyle() const = 0;
    // Whether dropped text may come in now.
    virtual bool takesDrops() const { return !m_readOnly; }
    bool editable() const { return !m_readOnly; }
    // Stores the mode; the input method is on only where text may be typed.
    void applyReadOnly(bool on, bool takesText);
    // A key's character typed in, when it is one; false when the key is
    // left to the key table. inserted tells whether text came in.
    bool typeKeyText(const UIKeyEvent& key, bool* inserted);
    // Runs one of the shared menu items.
    void runEditMenuItem(int index);
    // The frame and background by state (focusedLook also counts as
    // focused), the document at the scroll offsets, the placeholder in
    // rectangle placeholder, and the caret.
    void drawEdit(Painter& painter, bool withFrame, bool focusedLook, const Rect& placeholder);
    Rect placeholderArea(int height) const;

    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void focusInEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;
    void dragEnterEvent(UIEvent* event) override;
    void dragMoveEvent(UIEvent* event) override;
    void dragLeaveEvent(UIEvent* event) override;
    void dropEvent(UIEvent* event) override;
    void contextMenuEvent(UIEvent* event) override;
    // Makes the context menu with its items and connections; menu() then
    // translates it through retranslate().
    virtual UIMenu* buildMenu() = 0;

    UISkinImage m_frameImage;
    std::unique_ptr<UITextDocument> m_document;
    UIEditCommands m_commands;
    UIEditCaret m_caret;
    // Null until menu() first makes it.
    UIMenu* m_menu = nullptr;
    String m_placeholder;
    bool m_readOnly = false;
    bool m_selecting = false;
    bool m_dropPosition = false;

private:
    void applyDocumentFlags();
};
