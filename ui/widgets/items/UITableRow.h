#pragma once

#include "foundation/geometry/Rect.h"
#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "ui/core/widget/UIItem.h"
#include "ui/widgets/items/UITableCell.h"

#include <algorithm>
#include <vector>

class UITable;

// One row of a table: its cells (one per column, owned), a background of its
// own, and the visible and selected marks. Hiding a row tells its table,
// which keeps its visible-row count from that.
class UITableRow : public UIItem
{
public:
    UITableRow() = default;
    ~UITableRow() override;
    UITableRow(const UITableRow&) = delete;
    UITableRow& operator=(const UITableRow&) = delete;

    // Takes the cell; returns its index, -1 for a null cell or one owned
    // elsewhere.
    int addCell(UITableCell* cell);
    UITableCell* addTextCell(const String& text);
    UITableCell* addImageCell(const Image& image);
    // Null past either end. A row with deferred cells makes the cell here,
    // the first time it is asked for.
    UITableCell* cell(int index) const;
    int cellCount() const { return std::max(int(m_cells.size()), m_deferredCount); }
    // A table of a whole collection would make millions of cell texts at
    // its fill; such a row declares its cell count instead and makes each
    // cell through makeCell when it is first needed (painted, measured,
    // sorted by, read). Cells added before are kept in front.
    void setDeferredCellCount(int count);
    // Whether the cell at index exists yet; makes nothing.
    bool isCellMade(int index) const;

protected:
    // The cell of that column, made on first need; null leaves the place
    // empty and asks again next time.
    virtual UITableCell* makeCell(int column);
    // Deletes every cell made so far and keeps the places, so that each is
    // made again when next needed.
    void forgetDeferredCells();

public:
    UITable* table() const { return m_table; }
    int index() const { return m_index; }
    void setBackground(const Brush& brush) { m_background = brush; }
    const Brush& background() const { return m_background; }
    // Where the table paints the row now; empty while hidden.
    Rect rect() const;
    bool isVisible() const { return m_visible; }
    void setVisible(bool on);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool isSelected() const { return m_selected; }
    // The owning table keeps count of its selected rows from these.
    void setSelected(bool on);
    void select() { setSelected(true); }
    void deselect() { setSelected(false); }
    bool isShown() const;

private:
    friend class UITable;
    template <typename> friend class UIItemArray;
    static constexpr size_t kFirstCapacity = 8;

    UITable* m_table = nullptr;
    int m_index = -1;
    // Null where a deferred cell is not made yet; the places are made with
    // the first cell, so a row never read costs no array.
    mutable std::vector<UITableCell*> m_cells;
    int m_deferredCount = 0;
    Brush m_background;
    bool m_visible = true;
    bool m_selected = false;
};
