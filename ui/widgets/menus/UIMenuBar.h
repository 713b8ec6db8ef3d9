#pragma once

#include "foundation/containers/List.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/menus/UIMenuBarItem.h"

class Painter;
class UIMenu;

// A horizontal bar of texts, each of which may drop its menu down below it
// when pressed. While a drop-down is open, moving over another item with a
// menu switches to that menu, and Left and Right in the drop-down open the
// neighbouring one. Hidden items take no room; disabled ones do not open.
// Drop-downs made with the bar as their parent are placed against the bar.
class UIMenuBar : public UIWidget
{
public:
    static constexpr int kWatchTimerId = 100014;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Point shadowOffset = Point(0, 0);
        Pen shadowForeground;
        Brush background;
        UIMargins padding;
        UIMargins itemPadding;
        Pen hoveredItemForeground;
        Pen hoveredItemShadowForeground;
        Brush hoveredItemBackground;
        Pen selectedItemForeground;
        Pen selectedItemShadowForeground;
        Brush selectedItemBackground;
    };

    explicit UIMenuBar(UIWidget* parent);
    ~UIMenuBar() override;

    static UIStyleNames styleNames();

    UIMenuBarItem* addItem(const String& text);
    int count() const { return m_items.count(); }
    // The first item for an index below 1; null past the end, where the
    // setters do nothing.
    UIMenuBarItem* item(int index) const;
    int indexOf(const UIMenuBarItem* item) const;
    void setItemText(int index, const String& text);
    void setItemVisible(int index, bool on);
    void showItem(int index) { setItemVisible(index, true); }
    void hideItem(int index) { setItemVisible(index, false); }
    bool isItemVisible(int index) const;
    void setItemEnabled(int index, bool on);
    void enableItem(int index) { setItemEnabled(index, true); }
    void disableItem(int index) { setItemEnabled(index, false); }
    bool isItemEnabled(int index) const;

    bool isAnyMenuVisible() const;
    // Drops the item's menu down, closing the one open; null, or an item
    // that cannot open, only closes.
    void openItem(UIMenuBarItem* item);
    UIMenuBarItem* openedItem() const { return m_openItem; }
    UIMenuBarItem* hoveredItem() const { return m_hoveredItem; }
    // The neighbour (step 1 right, -1 left, wrapping) of the item whose menu
    // is given, that can open, opened with its first entry hovered; false
    // when there is none.
    bool openNeighbourOf(const UIMenu* menu, int step);
    UIMenuBarItem* itemAt(const Point& point) const;

    // Stores each visible item's rectangle; hidden ones get the empty one.
    void layoutItems();
    void draw(Painter& painter);

    Size sizeHint() const override { return Size(100, 24); }
    const Style& style() const { return m_style; }
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;

private:
    bool canOpen(const UIMenuBarItem* item) const;
    int itemWidth(const UIMenuBarItem& item) const;

    Style m_style;
    UISkinImage m_background;
    List<UIMenuBarItem*> m_items;
    UIMenuBarItem* m_openItem = nullptr;
    UIMenuBarItem* m_hoveredItem = nullptr;
};
