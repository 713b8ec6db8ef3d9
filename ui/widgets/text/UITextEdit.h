#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/edit/UIEditBase.h"
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
class UITextEdit : public UIEditBase
{
public:
    // Context menu items: the line edit's nine, a separator and "Text Size",
    // then the items of its submenu.
    enum MenuItem
    {
        kThirdSeparator = kEditMenuItemCount,
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
    void setReadOnly(bool on);
    void clear();
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

    // True when the wheel event zooms (and so must not scroll the view).
    bool zoomsOnWheel(const UIWheelEvent& wheel) const;
    // Scrolls the view so that the cursor's line and column show.
    void keepCursorVisible();
    UITextEditView* view() const;

    MenuItems menuItems() const;
    // Shows, hides and enables the menus' items by menuItems.
    void updateMenu();

    Size sizeHint() const override { return Size(70, 70); }
    Size minimumSizeHint() const override;
    void retranslate() override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    const Style& style() const { return m_style; }
    void draw(Painter& painter);

protected:
    const UIEditStyle& editStyle() const override { return m_style.edit; }
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void doubleClickEvent(UIEvent* event) override;
    void wheelEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;
    UIMenu* buildMenu() override;

private:
    void onTextChanged();
    void onCursorMoved(const UITextCursorMove* move);
    void onSelectionChanged();
    void handleKey(int key, uint32_t modifiers);
    void handleControlKey(int key, uint32_t modifiers);
    bool applyZoom(int pixelStep);
    bool isViewBarPressed() const;
    int lineWidthUpTo(int lineIndex, int position) const;
    void onMenuItem(int index);
    void onSizeMenuItem(int index);

    Style m_style;
    UIMenu* m_sizeMenu = nullptr;
    int m_zoomStep = 2;
    bool m_zoomEnabled = true;
};
