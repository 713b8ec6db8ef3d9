#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/signals/Signal.h"
#include "graphics/color/Color.h"
#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/items/UIBlankState.h"
#include "ui/widgets/items/UIItemArray.h"
#include "ui/widgets/items/UIListGeometry.h"
#include "ui/widgets/items/UIListItem.h"
#include "ui/widgets/items/UIRubberBand.h"
#include "ui/widgets/items/UIVisibleRanks.h"

#include <functional>
#include <vector>

class Painter;
class UIKeyEvent;
class UIMouseEvent;
class UIScrollArea;

// The item list a list view scrolls: rows in list mode, a grid of icon
// cells in icon mode, with a current item and selected marks under one of
// three selection modes. Built for whole collections: items live in an
// array and know their own index, visible counts are kept as they change,
// geometry comes from an item's rank among the visible items, and a paint
// visits only the items in view.
class UIList : public UIWidget
{
public:
    enum Skin
    {
        kBackgroundSkin,
        kSelectionSkin,
        kSelectionRectSkin,
        kShadowSkin,
        kSkinCount
    };
    static constexpr int kNoSelection = 0;
    static constexpr int kSingleSelection = 1;
    static constexpr int kMultiSelection = 2;
    static constexpr int kListMode = UIListGeometry::kListMode;
    static constexpr int kIconMode = UIListGeometry::kIconMode;
    // Selection flags.
    static constexpr int kSelect = 1;
    static constexpr int kRepaint = 2;

    explicit UIList(UIWidget* parent);
    ~UIList() override;

    static UIStyleNames styleNames();

    // Items. Additions and insertions never change the current item; an
    // index at or past the end appends.
    int addItem(UIListItem* item);
    // Appends each item as addItem would, laying out, announcing the count
    // and painting once for all of them. Items addItem would refuse (null,
    // or another list's) are skipped.
    void appendItems(const std::vector<UIListItem*>& items);
    UIListItem* addItem(const String& text);
    UIListItem* addItem(const String& text, const String& detailedText, const Image& icon);
    void insertItem(int index, UIListItem* item);
    UIListItem* insertItem(int index, const String& text);
    UIListItem* insertItem(int index, const String& text, const String& detailedText, const Image& icon);
    void insertItems(int index, const StringList& texts);
    void removeItem(UIListItem* item);
    void removeItemAt(int index);
    // Unlinks and returns the item without repainting or counting; taking
    // the current item leaves none current.
    UIListItem* takeItem(int index);
    void clear();

    int count() const { return m_items.count(); }
    int visibleCount() const { return m_visibleCount; }
    bool isEmpty() const { return m_items.isEmpty(); }
    // The first item for an index below 1; null past the end.
    UIListItem* item(int index) const;
    int indexOf(const UIListItem* item) const;
    int indexOfTag(int tag) const;
    UIListItem* itemByTag(int tag) const;
    UIListItem* itemAt(const Point& point, int* index) const;
    int indexAt(const Point& point) const;
    bool isItemShown(int index) const;
    const std::vector<UIListItem*>& items() const { return m_items.all(); }

    int currentIndex() const { return m_current ? m_current->m_index : -1; }
    UIListItem* currentItem() const { return m_current; }
    int currentItemTag() const { return m_current ? m_current->tag() : 0; }
    int setCurrentIndex(int index, bool ensureVisible);
    void setCurrentIndexAndSelect(int index);
    bool ensureVisible(int index);

    void setSelectionMode(int mode) { m_selectionMode = mode; }
    int selectionMode() const { return m_selectionMode; }
    bool isSelected(int index) const;
    bool hasSelection() const;
    int selectedCount() const;
    List<UIListItem*> selectedItems() const;
    void clearSelection(bool repaint);
    void selectAll();
    void selectItem(UIListItem* item, int flags);
    void selectIndex(int index, int flags);
    void selectByTag(int tag);
    void selectCurrent();
    void selectInRect(const Rect& band);

    void moveToPrevious();
    void moveToNext();
    void moveUp();
    void moveDown();

    void setViewMode(int mode);
    int viewMode() const { return m_viewMode; }
    void setItemSize(const Size& size);
    Size itemSize() const;
    int columnCount() const { return geometry().columnCount(count()); }
    int rowCount() const { return geometry().rowCount(count()); }
    int visibleRowCount() const;
    int rowOf(int index) const { return index / columnCount(); }
    int columnOf(int index) const { return m_viewMode == kListMode ? 0 : index % columnCount(); }
    void setMaximumColumns(int columns) { m_maximumColumns = columns; }
    int maximumColumns() const { return m_maximumColumns; }
    // The arithmetic the list lays its items out by, for its present size
    // and scroll offset.
    UIListGeometry geometry() const;
    // The rectangle of the item at index as the list paints it now; empty
    // for a hidden item.
    Rect itemRect(int index) const;

    void setBlankText(const String& text) { m_blank.setText(text); }
    const String& blankText() const { return m_blank.text(); }
    void setBlankImage(const Image& image) { m_blank.setImage(image); }
    const Image& blankImage() const { return m_blank.image(); }
    void setBlankTextShown(bool on) { m_blank.setTextShown(on); }
    bool isBlankTextShown() const { return m_blank.isTextShown(); }
    void setBlankImageShown(bool on) { m_blank.setImageShown(on); }
    bool isBlankImageShown() const { return m_blank.isImageShown(); }
    void setDefaultIcon(const Image& image);
    // Where an item without an icon of its own gets one as it is painted, so
    // that a list of a whole collection holds pictures only near the view;
    // an empty answer shows the default icon.
    void setIconSource(std::function<Image(const UIListItem&)> source) { m_iconSource = std::move(source); }
    // The same for the tool tip of an item without one of its own.
    void setToolTipSource(std::function<String(const UIListItem&)> source)
    {
        m_toolTipSource = std::move(source);
    }
    void setHoverSelection(bool on);
    bool hoverSelection() const { return m_hoverSelection; }
    void setWrapNavigation(bool on) { m_wrapNavigation = on; }
    bool wrapNavigation() const { return m_wrapNavigation; }
    void setClearOnEmptyClick(bool on) { m_clearOnEmptyClick = on; }
    bool clearOnEmptyClick() const { return m_clearOnEmptyClick; }
    bool isBandActive() const { return m_band.isActive(); }
    const Rect& bandRect() const { return m_band.rect(); }

    Size sizeHint() const override { return Size(70, 70); }
    Size minimumSizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    String toolTip(const Point& point) const override;
    // The widget's own look over its rectangle.
    void draw(Painter& painter);

    struct Style
    {
        FontDesc font;
        Brush background;
        FontDesc detailedFont;
        Pen detailedForeground;
        Pen selectedDetailedForeground;
        Pen disabledDetailedForeground;
        Pen disabledForeground;
        Brush defaultItemBackground;
        Pen defaultItemForeground;
        Brush selectedItemBackground;
        Pen selectedItemForeground;
        Brush alternateItemBackground;
        Pen alternateItemForeground;
        Color gridColor;
        Color borderColor;
        int listModeItemHeight = 0;
        UIMargins listModeItemPadding;
        int listModeItemSpacing = 0;
        Size iconModeItemSize;
        UIMargins iconModeItemPadding;
        UIMargins iconModeItemMargin;
        bool drawGrid = false;
        Pen blankForeground;
        Pen shadowBlankForeground;
        FontDesc blankFont;
        int spacingBetweenIconAndText = 0;
        int spacingBetweenTextAndDetailedText = 0;
    };
    const Style& style() const { return m_style; }

    Signal currentChanged;
    Signal countChanged;
    Signal visibleCountChanged;

protected:
    void paint(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;

private:
    friend class UIListItem;

    void itemVisibilityChanged(UIListItem* item);
    void onCountChanged(int count);
    void adopt(UIListItem* item);
    // Links a new last item without laying out; false for a null item or
    // one another list owns.
    bool appendQuietly(UIListItem* item);
    void afterAddition();
    void forgetCurrent();
    const UIVisibleRanks& ranks() const;
    UIScrollArea* view() const;
    void moveTo(int index);
    void moveBy(int step);
    void pageTo(bool down);
    void endBand();
    void handleKey(UIKeyEvent* key);
    void pressOnItem(UIListItem* hit, int hitIndex, int anchor, const UIMouseEvent& event);
    void selectRange(int from, int to);
    void unselectAll();
    void paintListMode(Painter& painter, const UIListGeometry& g);
    void paintIconMode(Painter& painter, const UIListGeometry& g);
    void paintIconItem(Painter& painter, UIListItem* item, const Rect& at);
    void repaintIfEmpty();

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    UIItemArray<UIListItem> m_items;
    int m_visibleCount = 0;
    // Kept by the items as their marks change, so that the selection's
    // queries need not walk a whole collection.
    int m_selectedCount = 0;
    int m_selectionMode = kSingleSelection;
    UIListItem* m_current = nullptr;
    bool m_hoverSelection = false;
    int m_viewMode = kListMode;
    bool m_wrapNavigation = false;
    UIBlankState m_blank;
    bool m_clearOnEmptyClick = true;
    int m_maximumColumns = 0;
    Image m_defaultIcon;
    std::function<Image(const UIListItem&)> m_iconSource;
    std::function<String(const UIListItem&)> m_toolTipSource;
    UIRubberBand m_band;
    bool m_painted = false;
};
