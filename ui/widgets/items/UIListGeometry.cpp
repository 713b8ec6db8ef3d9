#include "ui/widgets/items/UIListGeometry.h"

#include <algorithm>

namespace {

// Division rounding toward minus infinity, for positions left of or above
// the scroll origin.
int floorDiv(int a, int b)
{
    int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool meets(const Rect& a, const Rect& b)
{
    return !a.isEmpty() && !b.isEmpty() && a.x < b.x + b.width && b.x < a.x + a.width &&
           a.y < b.y + b.height && b.y < a.y + a.height;
}

} // namespace

int UIListGeometry::columnCount(int itemCount) const
{
    if (mode == kListMode || itemCount < 1)
        return 1;
    int step = cellSize.width + (cellMargins.left + cellMargins.right) / 2;
    if (step <= 0)
        return 1;
    int columns = width > 0 ? width / step : 0;
    if (maximumColumns > 0)
        columns = std::min(columns, maximumColumns);
    return std::max(columns, 1);
}

int UIListGeometry::rowCount(int itemCount) const
{
    if (itemCount < 1)
        return 1;
    if (mode == kListMode)
        return itemCount;
    int columns = columnCount(itemCount);
    return (itemCount + columns - 1) / columns;
}

Size UIListGeometry::contentSize(int itemCount, int visibleCount) const
{
    if (itemCount < 1)
        return Size(70, 70);
    if (mode == kListMode)
        return Size(70, visibleCount * rowHeight);
    int columns = columnCount(itemCount);
    int rows = std::max(1, (visibleCount + columns - 1) / columns);
    return Size(columns * (cellSize.width + cellMargins.left + cellMargins.right), rows * rowStride());
}

Rect UIListGeometry::itemRect(int rank, int itemCount) const
{
    if (mode == kListMode)
        return Rect(scrollOffset.x, scrollOffset.y + rank * rowHeight, width, rowHeight);
    int columns = columnCount(itemCount);
    int x = scrollOffset.x + (rank % columns) * columnStride();
    int y = scrollOffset.y + (rank / columns) * rowStride();
    return Rect(x + cellMargins.left, y + cellMargins.top, cellSize.width, cellSize.height);
}

Rect UIListGeometry::cellRect(const Rect& item) const
{
    return Rect(item.x - cellMargins.left, item.y - cellMargins.top,
                item.width + cellMargins.left + cellMargins.right,
                item.height + cellMargins.top + cellMargins.bottom);
}

int UIListGeometry::rankAt(const Point& point, int itemCount, int visibleCount) const
{
    int rows = rowStride();
    int columns = columnCount(itemCount);
    int columnStep = mode == kListMode ? 1 : columnStride();
    if (rows <= 0 || columnStep <= 0)
        return -1;
    int row = floorDiv(point.y - scrollOffset.y - (mode == kListMode ? 0 : cellMargins.top), rows);
    int column = mode == kListMode ? 0 : floorDiv(point.x - scrollOffset.x - cellMargins.left, columnStep);
    // Negative margins make neighbouring rectangles overlap; the earlier one wins.
    for (int r = row - 1; r <= row; ++r) {
        for (int c = column - 1; c <= column; ++c) {
            if (r < 0 || c < 0 || c >= columns)
                continue;
            int rank = r * columns + c;
            if (rank < visibleCount && itemRect(rank, itemCount).contains(point))
                return rank;
        }
    }
    return -1;
}

int UIListGeometry::pageRank(bool down, int currentRank, int itemCount, int visibleCount) const
{
    int stride = rowStride();
    if (visibleCount < 1 || stride <= 0)
        return -1;
    // The edges sit one pixel inside the list. Up takes the first row whose
    // items reach below the top edge, down the last row whose items start
    // above the bottom edge, so an edge in the margin between two rows
    // takes the row that shows.
    int top = scrollOffset.y + itemTopInRow();
    int row = down ? floorDiv(height - 1 - top, stride) : floorDiv(1 - top - itemHeight(), stride) + 1;
    int columns = columnCount(itemCount);
    int lastRow = (visibleCount - 1) / columns;
    row = std::max(0, std::min(row, lastRow));
    int column = currentRank >= 0 ? currentRank % columns : 0;
    return std::min(row * columns + column, visibleCount - 1);
}

void UIListGeometry::paintRange(int itemCount, int visibleCount, int* first, int* last) const
{
    int rows = rowStride();
    if (rows <= 0) {
        *first = 0;
        *last = visibleCount;
        return;
    }
    int columns = columnCount(itemCount);
    int firstRow = std::max(0, floorDiv(-scrollOffset.y, rows) - 1);
    int lastRow = std::max(0, floorDiv(height - scrollOffset.y, rows) + 1);
    *first = std::min(visibleCount, firstRow * columns);
    *last = std::min(visibleCount, lastRow * columns);
}

bool UIListGeometry::isOnScreen(const Rect& item) const
{
    if (mode == kListMode)
        return item.y > -rowHeight && item.y < height;
    return meets(item, Rect(0, 0, width, height));
}
