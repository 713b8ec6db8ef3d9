#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "graphics/paint/UIMargins.h"

// Where the visible items of a list lie, by arithmetic on their rank (place
// among the visible items): rows of one height in list mode, a grid of cells
// in icon mode. Rectangles include the scroll offset, as the list paints them.
class UIListGeometry
{
public:
    static constexpr int kListMode = 0;
    static constexpr int kIconMode = 1;

    int mode = kListMode;
    int width = 0;
    int height = 0;
    int rowHeight = 0;
    Size cellSize;
    UIMargins cellMargins;
    int maximumColumns = 0;
    Point scrollOffset;

    // Cells per row: 1 in list mode, for no items, or when no cell fits.
    int columnCount(int itemCount) const;
    // Rows the given number of items take; at least 1.
    int rowCount(int itemCount) const;
    // The size the list asks its scroll area for.
    Size contentSize(int itemCount, int visibleCount) const;
    // The item rectangle of the given visible rank (margins excluded).
    Rect itemRect(int rank, int itemCount) const;
    // The cell around an item rectangle in icon mode.
    Rect cellRect(const Rect& item) const;
    // The rank whose rectangle contains the point; -1 for none.
    int rankAt(const Point& point, int itemCount, int visibleCount) const;
    // The rank a page key ends on once the view has paged: in the row at the
    // top edge (up) or the bottom edge (down), the row whose items still
    // show inside that edge, or the last row when the edge lies past it; in
    // icon mode in the current rank's column (the first without one), or
    // the row's last rank when the row is shorter. -1 without visible items.
    int pageRank(bool down, int currentRank, int itemCount, int visibleCount) const;
    // The ranks [first, last) whose rectangles may meet the list's own
    // rectangle; only these need painting.
    void paintRange(int itemCount, int visibleCount, int* first, int* last) const;
    // Whether a rank's rectangle counts as on screen at a paint.
    bool isOnScreen(const Rect& item) const;

private:
    int columnStride() const { return cellSize.width + cellMargins.left; }
    // The top of a row's items within the row, and their height.
    int itemTopInRow() const { return mode == kListMode ? 0 : cellMargins.top; }
    int itemHeight() const { return mode == kListMode ? rowHeight : cellSize.height; }
    int rowStride() const
    {
        return mode == kListMode ? rowHeight : cellSize.height + cellMargins.top + cellMargins.bottom;
    }
};
