#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/signals/Signal.h"
#include "foundation/system/KeyShortcut.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIContextMenu.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/menus/UIMenuItem.h"

class Painter;

// The popup menu: a frameless topmost window listing its items. It tracks the
// hovered item, opens sub-menus after the system's menu delay or on a click,
// and reports the chosen item by signals. It serves as context menu, as the
// drop-down of menu bar items and buttons, and as the edit menus of the text
// widgets.
//
// Items are reached by index from the head of the list: an index below 1
// gives the first item, an index past the end gives null, and the setters do
// nothing for it.
class UIMenu : public UIWidget, public UIContextMenu
{
public:
    enum Skin
    {
        kItemArrow,
        kItemCheckIndicator,
        kItemRadioIndicator,
        kItemSeparator,
        kVerticalLine,
        kHoveredItemBackground,
        kSkinCount
    };
    // Skin frames by state.
    static constexpr int kNormalFrame = 0;
    static constexpr int kHoveredFrame = 1;
    static constexpr int kDisabledFrame = 3;
    static constexpr int kSubMenuTimerId = 100013;
    // Keys the menu answers.
    static constexpr int kEnterKey = 13;
    static constexpr int kEscapeKey = 27;
    static constexpr int kLeftKey = 37;
    static constexpr int kUpKey = 38;
    static constexpr int kRightKey = 39;
    static constexpr int kDownKey = 40;

    struct Style
    {
        Brush background;
        Color borderColor = Color(0u);
        UIMargins padding;
        UIMargins desktopPadding;
        int minimumWidth = 0;
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        Pen disabledForeground;
        Pen disabledShadowForeground;
        Pen hoveredForeground;
        Pen hoveredShadowForeground;
        UIMargins itemPadding;
        int itemIconSpace = 0;
        int itemArrowSpace = 0;
        bool forceIconSpace = false;
        int spacingBetweenImageAndText = 0;
    };

    explicit UIMenu(UIWidget* parent);
    ~UIMenu() override;

    static UIStyleNames styleNames();

    // Building; each add returns the new item.
    UIMenuItem* addItem(const String& text, const ImageSet& icon = ImageSet(),
                        const KeyShortcut& shortcut = KeyShortcut());
    UIMenuItem* addImageItem(const ImageSet& image, const ImageSet& icon = ImageSet(),
                             const KeyShortcut& shortcut = KeyShortcut());
    UIMenuItem* addImageTextItem(const ImageSet& image, const String& text, const ImageSet& icon = ImageSet(),
                                 const KeyShortcut& shortcut = KeyShortcut());
    // One text item per string; the last one, or null for an empty list.
    UIMenuItem* addItems(const StringList& texts);
    UIMenuItem* addSeparator();
    // Takes the item over; its index.
    int appendItem(UIMenuItem* item);
    void removeItem(int index);
    void clear();

    int count() const { return m_items.count(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    int indexOf(const UIMenuItem* item) const;
    UIMenuItem* item(int index) const;

    void setItemText(int index, const String& text);
    void setItemIcon(int index, const ImageSet& icon);
    void setItemVisible(int index, bool on);
    void showItem(int index) { setItemVisible(index, true); }
    void hideItem(int index) { setItemVisible(index, false); }
    bool isItemVisible(int index) const;
    void setItemCheckable(int index, bool on);
    bool isItemCheckable(int index) const;
    void setItemChecked(int index, bool on);
    void checkItem(int index) { setItemChecked(index, true); }
    void uncheckItem(int index) { setItemChecked(index, false); }
    bool isItemChecked(int index) const;
    void setItemEnabled(int index, bool on);
    void enableItem(int index) { setItemEnabled(index, true); }
    void disableItem(int index) { setItemEnabled(index, false); }
    bool isItemEnabled(int index) const;
    // The menu is owned by the item from now on.
    void setItemSubMenu(int index, UIMenu* menu);
    UIMenu* itemSubMenu(int index) const;
    void setAllItemsCheckable(bool on);
    void setAllItemsCheckType(int type);

    void hideSubMenus();
    bool hasSubMenus() const;
    bool isSubMenuOpen(bool requireActive) const;
    bool isParentMenuOpen(bool requireActive) const;
    void closeParentMenu();
    // Hides this menu and every menu it was opened from.
    void closeMenuChain();

    // Shows the menu at a point on the screen, kept inside the work area;
    // nothing for a disabled or empty menu.
    void popup(const Point& globalPos) override;
    void* windowHandle() const override { return UIWidget::windowHandle(); }

    UIMenuItem* itemAt(const Point& point) const;
    int indexAt(const Point& point) const;

    // The parent menu's item whose sub-menu this menu is, or null.
    UIMenuItem* parentItem() const { return m_parentItem; }
    void setParentItem(UIMenuItem* item) { m_parentItem = item; }
    // That item's index in the parent menu; -1 when there is none.
    int indexInParent() const;
    // The parent widget when it is a menu (compared by style name).
    UIMenu* parentMenu() const;
    UIMenu* openSubMenu() const { return m_openSubMenu; }

    int hoveredIndex() const { return m_hoveredIndex; }
    // Hovers the item (and the chain of parent items above it) and restarts
    // the sub-menu delay.
    void setHoveredIndex(int index);
    // What a click or Enter on the item does.
    void activateItem(UIMenuItem* item);
    // The first item the keys may hover, or -1.
    int firstNavigableIndex() const;
    // What a menu opened by a key does: hovers that item when none is.
    void hoverFirstItem();
    bool showsIconColumn() const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    void setVisible(bool visible) override;
    // Lays the items out as paint does, without drawing.
    void layoutItems();
    void draw(Painter& painter);
    const Style& style() const { return m_style; }

    Signal aboutToShow;
    Signal triggered;

protected:
    void paint(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent*) override {}
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void focusInEvent(UIEvent*) override {}
    void focusOutEvent(UIEvent* event) override;

private:
    UIMenuItem* addNew(int kind, const String& text, const ImageSet& image, const ImageSet& icon,
                       const KeyShortcut& shortcut);
    bool isNavigable(const UIMenuItem* item) const;
    int stepHover(int from, int step) const;
    void moveHover(int step);
    // Opens the item's sub-menu beside it; the first item hovered when a key
    // asked for it.
    void openSubMenuOf(UIMenuItem* item, bool byKey);
    void closeOpenSubMenu();
    // Activates this menu's window and focuses it, before a sub-menu that
    // has the focus goes.
    void takeFocusBack();
    int itemHeight(const UIMenuItem& item) const;
    int lineHeight() const;
    int separatorHeight() const;
    Rect placeSubMenu(const Point& point, const Size& size) const;
    Rect placeTopLevel(const Point& point, const Size& size) const;
    // The root of the chain of menus this one was opened from.
    UIMenu* rootMenu();
    // A bar (by style name) the root menu drops down from: it opens its
    // neighbour for Left and Right.
    bool passToBar(int key);
    void restartSubMenuTimer();
    void paintItem(Painter& painter, UIMenuItem& item, int index, const Rect& content);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    List<UIMenuItem*> m_items;
    int m_hoveredIndex = -1;
    bool m_showIconColumn = false;
    UIMenuItem* m_parentItem = nullptr;
    UIMenu* m_openSubMenu = nullptr;
    bool m_openingSubMenu = false;
};
