#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/edit/UICompleter.h"
#include "ui/widgets/edit/UIEditBase.h"
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
class UILineEdit : public UIEditBase
{
public:
    static constexpr int kMenuItemCount = kEditMenuItemCount;
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
    void setReadOnly(bool on);
    void setPasswordMode(bool on);
    bool passwordMode() const;
    void setPasswordChar(char16_t c);
    char16_t passwordChar() const;
    void setFontStyle(uint32_t flags);
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
    bool textFits();

    // Both refused in password mode.
    bool copy() override;
    bool cut() override;

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

    Size sizeHint() const override;
    void retranslate() override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    const Style& style() const { return m_style; }
    void draw(Painter& painter);

protected:
    const UIEditStyle& editStyle() const override { return m_style.edit; }
    bool takesDrops() const override { return !m_readOnly && !m_validator; }
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void doubleClickEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;
    UIMenu* buildMenu() override;

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
    void showCompletion(const StringList& matches);
    void hideCompletion();
    void createCompletionPopup();
    void setWindowFlagsOfTop(uint32_t flags, bool on);
    void popupContextMenu();
    void onMenuItem(int index);

    Style m_style;
    int64_t m_lastDoubleClick = 0;
    std::unique_ptr<UIValidator> m_validator;
    UICompleter m_completer;
    UIWindow* m_completionPopup = nullptr;
    UIListView* m_completionView = nullptr;
    bool m_frame = true;
    bool m_validating = false;
    int m_restoreAnchor = 0;
    int m_restorePosition = 0;
};
