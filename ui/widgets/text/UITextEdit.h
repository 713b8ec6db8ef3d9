#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/edit/UIEditCaret.h"
#include "ui/widgets/edit/UIEditCommands.h"
#include "ui/widgets/edit/UIEditMenuItem.h"
#include "ui/widgets/edit/UIEditStyle.h"

#include <algorithm>
#include <array>
#include <memory>

class Painter;
class UIMenu;
class UITextDocument;
class UITextEditView;
class UIWheelEvent;
struct UITextCursorMove;

// The skinned multi-line editor: a text document with caret, selection,
// clipboard, dropped text, undo, a maximum length, read-only mode, a
// placeholder and zooming of its font. It sits in a UITextEditView, which
// scrolls it.
class UITextEdit : public UIWidget
{
public:
    // Context menu items: the line edit's nine, a separator and "Text Size",
    // then the items of its submenu.
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
        kThirdSeparator,
        kTextSizeItem,
        kIncreaseItem,
        kDecreaseItem,
        kSizeSeparator,
        kNormalItem,
        kMenuItemCount
    };
    using MenuItems = std::array<UIEditMenuItem, kMenuItemCount>;

    static constexpr int kScrollRoom = 50;
    // Zoom limits in points while the skin gives none.
    static constexpr float kDefaultZoomMinimum = 6.0f;
    static constexpr float kDefaultZoomMaximum = 72.0f;

    struct Style
    {
        UIEditStyle edit;
        float zoomMinimum = kDefaultZoomMinimum;
        float zoomMaximum = kDefaultZoomMaximum;
    };

    explicit UITextEdit(UIWidget* parent);
    ~UITextEdit() override;

    static UIStyleNames styleNames();

    Signal textChanged;
    Signal editingFinished;
    Signal zoomChanged;
    // Emitted with a const UITextCursorMove*.
    Signal cursorPositionChanged;
    Signal selectionChanged;

    void setText(const String& text);
    // With the final line feed.
    String text() const;
    void setMaxLength(int length) { m_commands.setMaximumLength(length); }
    int maxLength() const { return m_commands.maximumLength(); }
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }
    void setPlaceholderText(const String& text);
    const String& placeholderText() const { return m_placeholder; }
    void clear();
    UITextDocument* document() const { return m_document.get(); }
    void setWordWrap(bool on);
    bool wordWrap() const;
    void setZoomEnabled(bool on) { m_zoomEnabled = on; }
    bool zoomEnabled() const { return m_zoomEnabled; }
    void setZoomStep(int px) { m_zoomStep = std::min(std::max(px, 1), 100); }
    int zoomStep() const { return m_zoomStep; }
    bool zoomIn();
    bool zoomOut();
    bool zoomReset();
    int highlightAll(const String& text, bool caseSensitive, const Pen& pen, const Brush& brush,
                     uint32_t styleFlags);
    void clearHighlights();
    void selectAll();
    void deselect();
    bool hasSelection() const;
    String selectedText() const;
    void clearUndoHistory();
    int length() const { return m_commands.textLength(); }
    bool isEmpty() const { return length() == 0; }

    bool removeSelection() { return m_commands.removeSelection(); }
    bool deleteChar() { return m_commands.deleteChar(); }
    bool backspace() { return m_commands.backspace(); }
    bool copy() { return m_commands.copy(); }
    bool cut() { return m_commands.cut(); }
    bool paste() { return m_commands.paste(); }
    bool undo() { return m_commands.undo(); }
    bool redo() { return m_commands.redo(); }
    bool insert(const String& text) { return m_commands.insert(text); }

    // True when the wheel event zooms (and so must not scroll the view).
    bool zoomsOnWheel(const UIWheelEvent& wheel) const;
    // Scrolls the view so that the cursor's line and column show.
    void keepCursorVisible();
    UITextEditView* view() const;

    MenuItems menuItems() const;
    // Shows, hides and enables the menus' items by menuItems.
    void updateMenu();
    UIMenu* menu() const { return m_menu; }

    Size sizeHint() const override { return Size(70, 70); }
    Size minimumSizeHint() const override;
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
    void wheelEvent(UIEvent* event) override;
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

private:
    void onTextChanged();
    void onCursorMoved(const UITextCursorMove* move);
    void onSelectionChanged();
    void handleKey(int key, uint32_t modifiers);
    void handleControlKey(int key, uint32_t modifiers);
    bool applyZoom(int pixelStep);
    bool editable() const { return !m_readOnly; }
    bool isViewBarPressed() const;
    int lineWidthUpTo(int lineIndex, int position) const;
    void applyDocumentFlags();
    void onMenuItem(int index);
    void onSizeMenuItem(int index);

    Style m_style;
    UISkinImage m_frameImage;
    std::unique_ptr<UITextDocument> m_document;
    UIEditCommands m_commands;
    UIEditCaret m_caret;
    UIMenu* m_menu = nullptr;
    UIMenu* m_sizeMenu = nullptr;
    bool m_readOnly = false;
    int m_zoomStep = 2;
    bool m_zoomEnabled = true;
    String m_placeholder;
    bool m_selecting = false;
    bool m_dropPosition = false;
};
