#pragma once

#include "graphics/paint/UIMargins.h"
#include "ui/core/layout/UIGridCell.h"
#include "ui/core/layout/UIGridItem.h"
#include "ui/core/layout/UISizePolicy.h"

#include <cstdint>

// The computing half of a widget's layout: the layout settings of one widget
// and one cell per child that takes a place in its grid. It places the
// children on the grid, widens columns and rows for children that span
// several, and distributes an area over the columns and rows by size policy
// and stretch factor. The widget gathers its children's sizes into
// UIGridItems and reads the cells back to place them; this record knows
// nothing of widgets.
class UIGridLayout
{
public:
    // Only the first columns and rows carry a stretch factor; the further
    // ones count as factor 0.
    static constexpr int kStretchCount = 24;

    UIGridLayout();
    ~UIGridLayout();
    UIGridLayout(const UIGridLayout&) = delete;
    UIGridLayout& operator=(const UIGridLayout&) = delete;

    // Builds one cell per item, in order, and widens the columns and rows
    // under spanning cells. False, with the cells left as they were, when
    // the layout is switched off, there is no item or no memory.
    bool build(const UIGridItem* items, int count);
    // Distributes an area (the owner's area less its margins) over the
    // columns and rows; only the cells' widths and heights change.
    void layout(int width, int height);

    bool hasCells() const { return m_cellCount > 0; }
    int cellCount() const { return m_cellCount; }
    const UIGridCell& cell(int k) const { return m_cells[k]; }

    int columnCountOfCells() const;
    int rowCountOfCells() const;
    int columnWidth(int column) const;
    int rowHeight(int row) const;
    void setColumnWidth(int column, int width);
    void setRowHeight(int row, int height);
    bool isExpandingColumn(int column) const;
    bool isExpandingRow(int row) const;
    bool isFlexibleColumn(int column) const;
    bool isFlexibleRow(int row) const;
    int expandingColumnCount() const;
    int expandingRowCount() const;

    // Rounds half away from zero; values beyond the int range end at its
    // limits and a value that is not a number gives 0.
    static int roundToInt(float value);

    // 0 fills the grid row by row, any other value column by column.
    int32_t verticalFlow = 0;
    int32_t horizontalSpacing = 0;
    int32_t verticalSpacing = 0;
    // Wrap counts of the row-by-row and column-by-column fill; 0 never wraps.
    int32_t columnCount = 0;
    int32_t rowCount = 0;
    // Percentage shares of the extra height and width.
    float rowStretch[kStretchCount] = {};
    float columnStretch[kStretchCount] = {};
    // This widget's own spans in its parent's grid.
    int32_t rowSpan = 1;
    int32_t columnSpan = 1;
    uint8_t layoutEnabled = 1;
    UIMargins margins;
    // Placement of this widget in its parent's cell (left, vertically centred).
    int32_t alignment = 17;
    UISizePolicy sizePolicy;

private:
    // Columns and rows are computed alike; an axis names which of the two.
    enum class Axis
    {
        kColumns,
        kRows
    };

    static int32_t& sizeOf(UIGridCell& cell, Axis axis);
    static int positionOf(const UIGridCell& cell, Axis axis);
    static int spanOf(const UIGridCell& cell, Axis axis);

    void placeCells(const UIGridItem* items);
    void adjustSpans();
    void adjustSpan(Axis axis, UIGridCell& cell);
    int chosenLine(Axis axis, int first, int64_t last) const;
    void distribute(Axis axis, int available);
    void distributeEqually(Axis axis, int extra, int lines);
    void distributeToExpanding(Axis axis, int extra, int lines, int expanding);
    void distributeByStretch(Axis axis, int64_t available, int extra, int lines);
    int largestStretchLine(Axis axis, int lines) const;

    int lineCount(Axis axis) const;
    int lineSize(Axis axis, int line) const;
    void setLineSize(Axis axis, int line, int size);
    bool isExpandingLine(Axis axis, int line) const;
    bool isFlexibleLine(Axis axis, int line) const;
    int expandingLineCount(Axis axis) const;
    float stretchOf(Axis axis, int line) const;
    int spacingOf(Axis axis) const;

    UIGridCell* m_cells = nullptr;
    int m_cellCount = 0;
};
