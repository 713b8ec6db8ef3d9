#pragma once

#include "foundation/containers/List.h"
#include "foundation/signals/Signal.h"
#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/items/UIBlankState.h"
#include "ui/widgets/items/UIItemArray.h"
#include "ui/widgets/items/UIRubberBand.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/items/UIVisibleRanks.h"

#include <vector>

class Painter;
class UIHeader;
class UIKeyEvent;
class UIMouseEvent;
class UIScrollArea;

// Rows of cells under a header whose sections are the columns. Built for
// whole collections like the list: rows live in an array and know their
// index, the hidden-row count is kept as rows change, a row's place comes
// from its rank among the visible rows, a paint visits only the rows in
// view, and a sort orders keys computed once per row.
class UITable : public UIWidget
{
public:
    enum Skin
    {
        kSelectionRectSkin,
        kRowGridSkin,
        kColumnGridSkin,
        kSkinCount
    };
    static constexpr int kNoSelection = 0;
    static constexpr int kSingleSelection = 1;
    static constexpr int kMultiSelection = 2;
    static constexpr int kSelect = 1;
    static constexpr int kRepaint = 2;
    static constexpr int kAscending = 1;
    static constexpr int kDescending = 2;

    explicit UITable(UIWidget* parent);
    ~UITable() override;

    static UIStyleNames styleNames();

    int addRow(UITableRow* row);
    // Appends each row as addRow would, laying out, announcing the count and
    // painting once for all of them: a whole collection's rows added one by
    // one paid that a row. Rows addRow would refuse (null, or another
    // table's) are skipped.
    void appendRows(const std::vector<UITableRow*>& rows);
    void insertRow(int index, UITableRow* row);
    void removeRow(UITableRow* row);
    void removeRowAt(int index);
    UITableRow* takeRow(int index);
    void clear();

    int rowCount() const { return m_rows.count(); }
    int visibleRowCount() const { return rowCount() - m_hiddenRowCount; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The first row for an index below 1; null past the end.
    UITableRow* row(int index) const;
    int indexOf(const UITableRow* row) const;
    int indexOfTag(int tag) const;
    UITableRow* rowByTag(int tag) const;
    UITableRow* rowAt(const Point& point, int* index) const;
    UITableCell* cellAt(const Point& point) const;
    UITableCell* cell(int row, int column) const;
    int cellCount() const { return columnCount() * rowCount(); }
    int visibleCellCount() const { return columnCount() * visibleRowCount(); }
    bool isRowShown(int index) const;
    bool canMoveCurrentRowUp() const { return currentRow() > 0; }
    bool canMoveCurrentRowDown() const { return currentRow() >= 0 && currentRow() < rowCount() - 1; }
    int headerHeight() const;
    const std::vector<UITableRow*>& rows() const { return m_rows.all(); }

    void setRowVisible(int index, bool visible);
    void showRow(int index) { setRowVisible(index, true); }
    void hideRow(int index) { setRowVisible(index, false); }

    int currentRow() const { return m_current ? m_current->m_index : -1; }
    UITableRow* currentRowItem() const { return m_current; }
    int currentRowTag() const { return m_current ? m_current->tag() : 0; }
    void setCurrentRow(int index, bool ensureVisible);
    void selectRow(int index);
    bool ensureRowVisible(int index);
    void moveCurrentRowUp();
    void moveCurrentRowDown();
    bool swapRows(int a, int b);

    UIHeader* header() const { return m_header; }
    int columnCount() const;
    int columnAtX(int x) const;
    String columnTitle(int index) const;
    void setColumnVisible(int index, bool visible);
    void showColumn(int index) { setColumnVisible(index, true); }
    void hideColumn(int index) { setColumnVisible(index, false); }
    bool isColumnVisible(int index) const;
    void setColumnWidth(int index, int width);
    int columnWidth(int index) const;

    void setSortingEnabled(bool on) { m_sortingEnabled = on; }
    bool isSortingEnabled() const { return m_sortingEnabled; }
    int sortOrder() const { return m_sortOrder; }
    int sortColumn() const { return m_sortColumn; }
    void sort(int column, int order);
    void resetSort();

    void setSelectionMode(int mode) { m_selectionMode = mode; }
    int selectionMode() const { return m_selectionMode; }
    bool isRowSelected(int index) const;
    bool hasSelection() const { return selectedCount() > 0; }
    int selectedCount() const;
    int firstSelectedRow() const;
    List<UITableRow*> selectedRows() const;
    void clearSelection(bool repaint, bool notify);
    void selectAll();
    void selectRow(UITableRow* row, int flags);
    void selectRowAt(int index, int flags);
    void selectCurrentRow();
    void selectRowByTag(int tag);
    void selectInRect(const Rect& band);

    void setRowHeight(int height, bool scaleFonts);
    int rowHeight() const { return m_style.rowHeight; }
    void autoSizeColumns(bool visibleRowsOnly);
    int columnContentWidth(int column, bool visibleRowsOnly) const;

    // Where a visible row or a cell of it is painted now.
    Rect rowRect(int index) const;
    Rect cellRect(const UITableRow* row, int column) const;
    bool isRowOnScreen(const Rect& rect) const;
    // The visible ranks [first, last) a paint visits.
    void paintRange(int* first, int* last) const;

    void setBlankText(const String& text) { m_blank.setText(text); }
    const String& blankText() const { return m_blank.text(); }
    void setBlankImage(const Image& image) { m_blank.setImage(image); }
    const Image& blankImage() const { return m_blank.image(); }
    void setBlankTextShown(bool on) { m_blank.setTextShown(on); }
    bool blankTextShown() const { return m_blank.isTextShown(); }
    void setBlankImageShown(bool on) { m_blank.setImageShown(on); }
    bool blankImageShown() const { return m_blank.isImageShown(); }
    void setPaintHeld(bool on);
    bool paintHeld() const { return m_paintHeld; }
    void setShowSelection(bool on) { m_showSelection = on; }
    bool showSelection() const { return m_showSelection; }
    void setClearOnEmptyClick(bool on) { m_clearOnEmptyClick = on; }
    bool clearOnEmptyClick() const { return m_clearOnEmptyClick; }
    void setHoverSelection(bool on) { m_hoverSelection = on; }
    bool hoverSelection() const { return m_hoverSelection; }
    bool isBandActive() const { return m_band.isActive(); }

    Size sizeHint() const override { return Size(70, 70); }
    Size minimumSizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    void setScrollOffset(int horizontal, int vertical) override;
    String toolTip(const Point& point) const override;
    void draw(Painter& painter);
    virtual void paintCell(Painter& painter, UITableRow* row, UITableCell* cell, const Rect& at,
                           bool selected, bool alternate, bool enabled);

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Brush background;
        Pen disabledForeground;
        Brush disabledBackground;
        Brush disabledAlternateRowBackground;
        Brush defaultRowBackground;
        Pen defaultRowForeground;
        Brush selectedRowBackground;
        Pen selectedRowForeground;
        Brush alternateRowBackground;
        Pen alternateRowForeground;
        bool drawRowGrid = false;
        bool drawColumnGrid = false;
        Pen blankForeground;
        Pen shadowBlankForeground;
        FontDesc blankFont;
        int rowHeight = 0;
    };
    const Style& style() const { return m_style; }

    Signal currentRowChanged;
    Signal visibleColumnCountChanged;
    Signal rowCountChanged;
    Signal visibleRowCountChanged;
    Signal sortStarted;
    Signal sortFinished;
    Signal selectionChanged;

protected:
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;
    void focusOutEvent(UIEvent* event) override;

private:
    friend class UITableRow;

    // Links a new last row without laying out; false for a null row or one
    // another table owns.
    bool adopt(UITableRow* row);
    void rowVisibilityChanged(UITableRow* row, bool destroyed);
    void onRowCountChanged(int count);
    void onSectionResized(int section);
    void onSectionClicked(int section);
    void onVisibleSectionCountChanged(int count);
    void afterRowsChanged();
    void forgetCurrent();
    void release(UITableRow* row);
    void unselectAll();
    const UIVisibleRanks& ranks() const;
    UIScrollArea* view() const;
    int rowTop(int rank) const;
    void pageTo(bool down);
    void stepTo(int index);
    void endBand();
    void handleKey(UIKeyEvent* key);
    void pressOnRow(UITableRow* hit, int hitIndex, int anchor, const UIMouseEvent& event);
    void paintRows(Painter& painter);
    void repaintIfEmpty();
    void paintColumnGrid(Painter& painter);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    UIHeader* m_header = nullptr;
    UIItemArray<UITableRow> m_rows;
    int m_hiddenRowCount = 0;
    // Kept by the rows as their marks change, so that the selection's
    // queries need not walk a whole collection.
    int m_selectedCount = 0;
    UITableRow* m_current = nullptr;
    bool m_sortingEnabled = false;
    int m_sortOrder = 0;
    int m_sortColumn = -1;
    bool m_hoverSelection = false;
    int m_selectionMode = kSingleSelection;
    UIBlankState m_blank;
    bool m_paintHeld = false;
    bool m_showSelection = true;
    bool m_clearOnEmptyClick = true;
    UIRubberBand m_band;
    // The font the last text cell of this paint pass applied.
    FontDesc m_passFont;
};
