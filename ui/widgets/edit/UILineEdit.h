#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/edit/UICompleter.h"
#include "ui/widgets/edit/UIEditCaret.h"
#include "ui/widgets/edit/UIEditCommands.h"
#include "ui/widgets/edit/UIEditMenuItem.h"
#include "ui/widgets/edit/UIEditStyle.h"

#include <array>
#include <cstdint>
#include <memory>

class Painter;
class UIListView;
class UIMenu;
class UITextDocument;
class UIValidator;
class UIWindow;
struct UITextCursorMove;

// The skinned one-line text field: a frame, a text document with caret and
// selection, the clipboard, dropped text, undo, a maximum length, read-only
// and password modes, a placeholder, an optional validator, a completion
// popup and a context menu.
class UILineEdit : public UIWidget
{
public:
    // Context menu items, in the order they are built.
    enum MenuItem
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
        kMenuItemCount
    };
    using MenuItems = std::array<UIEditMenuItem, kMenuItemCount>;

    // The room scrolling leaves beside the cursor, in pixels.
    static constexpr int kScrollRoom = 50;
    // Two double clicks closer than this select everything.
    static constexpr int64_t kSelectAllInterval = 500;

    struct Style
    {
        UIEditStyle edit;
        int minimumWidth = 0;
        int minimumHeight = 0;
    };

    explicit UILineEdit(UIWidget* parent);
    ~UILineEdit() override;

    static UIStyleNames styleNames();

    Signal textChanged;
    Signal editingFinished;
    // Emitted with a const UITextCursorMove*.
    Signal cursorPositionChanged;
    Signal selectionChanged;

    void setText(const String& text);
    String text() const;
    String displayText() const;
    void clear();
    int length() const { return m_commands.textLength(); }
    bool isEmpty() const { return length() == 0; }
    void setMaxLength(int length) { m_commands.setMaximumLength(length); }
    int maxLength() const { return m_commands.maximumLength(); }
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }
    void setPasswordMode(bool on);
    bool passwordMode() const;
    void setPasswordChar(char16_t c);
    char16_t passwordChar() const;
    void setFontStyle(uint32_t flags);
    void setPlaceholderText(const String& text);
    const String& placeholderText() const { return m_placeholder; }
    void setFrame(bool on) { m_frame = on; }
    bool hasFrame() const { return m_frame; }
    // Takes ownership; null removes the validator.
    void setValidator(UIValidator* validator);
    UIValidator* validator() const { return m_validator.get(); }
    UICompleter& completer() { return m_completer; }
    void setCursorPosition(int position, bool moveAnchor = true);
    int cursorPosition() const;
    void setSelection(int start, int count);
    int selectionAnchor() const;
    bool hasSelection() const;
    String selectedText() const;
    void deselect();
    void selectAll();
    void clearUndoHistory();
    bool textFits();
    UITextDocument* document() const { return m_document.get(); }

    // Editing commands; a refused one plays the error sound.
    bool removeSelection() { return m_commands.removeSelection(); }
    bool deleteChar() { return m_commands.deleteChar(); }
    bool backspace() { return m_commands.backspace(); }
    // Both refused in password mode.
    bool copy();
    bool cut();
    bool paste() { return m_commands.paste(); }
    bool undo() { return m_commands.undo(); }
    bool redo() { return m_commands.redo(); }
    bool insert(const String& text) { return m_commands.insert(text); }

    // Completion.
    void updateCompletion();
    void moveCompletion(bool down);
    void closeCompletion(bool accept);
    bool isCompletionVisible() const;
    UIListView* completionView() const { return m_completionView; }

    // What the context menu shows and enables in the present state.
    MenuItems menuItems() const;
    // Shows, hides and enables the menu's items by menuItems.
    void updateMenu();
    UIMenu* menu() const { return m_menu; }

    Size sizeHint() const override;
    void retranslate() override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    Rect inputCursorRect() const override;
    FontDesc font() const override;
    const Style& style() const { return m_style; }
    bool isCaretShown() const { return m_caret.isShown(); }
    void draw(Painter& painter);

protected:
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void doubleClickEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void focusInEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;
    void dragMoveEvent(UIEvent* event) override;
    void dragLeaveEvent(UIEvent* event) override;
    void dropEvent(UIEvent* event) override;

private:
    void onDocumentChanged();
    // Checks a change against the validator; false when it was refused and
    // the text from before it is back.
    bool validateChange();
    void onTextChanged();
    void onCursorMoved(const UITextCursorMove* move);
    void onSelectionChanged();
    void rememberCursor();
    void onWindowMoved();
    void handleEditingKey(int key, uint32_t modifiers);
    void handleControlKey(int key, uint32_t modifiers);
    void scrollToCursor();
    void fixScrollAfterChange();
    int textWidthBefore(int position) const;
    bool editable() const { return !m_readOnly; }
    void showCompletion(const StringList& matches);
    void hideCompletion();
    void createCompletionPopup();
    void setWindowFlagsOfTop(uint32_t flags, bool on);
    void popupContextMenu();
    void onMenuItem(int index);
    void applyDocumentFlags();

    Style m_style;
    UISkinImage m_frameImage;
    std::unique_ptr<UITextDocument> m_document;
    UIEditCommands m_commands;
    UIEditCaret m_caret;
    UIMenu* m_menu = nullptr;
    int64_t m_lastDoubleClick = 0;
    std::unique_ptr<UIValidator> m_validator;
    UICompleter m_completer;
    UIWindow* m_completionPopup = nullptr;
    UIListView* m_completionView = nullptr;
    bool m_frame = true;
    bool m_readOnly = false;
    bool m_selecting = false;
    bool m_dropPosition = false;
    bool m_validating = false;
    int m_restoreAnchor = 0;
    int m_restorePosition = 0;
    String m_placeholder;
};
