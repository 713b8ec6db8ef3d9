#include "ui/core/layout/UIGridLayout.h"

#include <cstdlib>
#include <limits>

namespace {

int clampToInt(int64_t value)
{
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return int(value);
}

// A span below one would hold the fill position still or move it backwards,
// off the grid; such a child takes one cell.
int validSpan(int32_t span)
{
    return span < 1 ? 1 : span;
}

} // namespace

UIGridLayout::UIGridLayout() = default;

UIGridLayout::~UIGridLayout()
{
    std::free(m_cells);
    m_cells = nullptr;
    m_cellCount = 0;
}

bool UIGridLayout::build(const UIGridItem* items, int count)
{
    if (!layoutEnabled || items == nullptr || count <= 0)
        return false;
    // The array is kept while the number of children stays; every field of
    // every cell is written again below. A new one is allocated before the
    // old one goes, so a failure keeps the old cells.
    if (count != m_cellCount) {
        auto* cells = static_cast<UIGridCell*>(std::calloc(size_t(count), sizeof(UIGridCell)));
        if (cells == nullptr)
            return false;
        std::free(m_cells);
        m_cells = cells;
        m_cellCount = count;
    }
    placeCells(items);
    adjustSpans();
    return true;
}

// Walks the items in order along the fill direction (along a row, or down a
// column), wrapping after the wrap count. A span in the fill direction is
// clipped at the end of the line but the position still advances by the
// whole span; spans across the fill direction reserve nothing.
void UIGridLayout::placeCells(const UIGridItem* items)
{
    const bool rowByRow = verticalFlow == 0;
    const int32_t wrap = rowByRow ? columnCount : rowCount;
    const int64_t perLine = wrap > 0 ? wrap : m_cellCount;
    int position = 0;
    int line = 0;
    for (int k = 0; k < m_cellCount; ++k) {
        const UIGridItem& item = items[k];
        UIGridCell& cell = m_cells[k];
        const int32_t policy = rowByRow ? item.sizePolicy.horizontal : item.sizePolicy.vertical;
        cell.expanding = policy == UISizePolicy::kExpanding;
        cell.flexible = policy != UISizePolicy::kFixed;
        cell.width = item.hint.width;
        cell.height = item.hint.height;
        cell.columnSpan = validSpan(item.columnSpan);
        cell.rowSpan = validSpan(item.rowSpan);
        int32_t& spanAlong = rowByRow ? cell.columnSpan : cell.rowSpan;
        const int ownSpan = spanAlong;
        if (position + int64_t(ownSpan) > perLine)
            spanAlong = int(perLine - position);
        cell.column = rowByRow ? position : line;
        cell.row = rowByRow ? line : position;
        if (position + int64_t(ownSpan) >= perLine) {
            ++line;
            position = 0;
        } else {
            position += ownSpan;
        }
    }
}

void UIGridLayout::layout(int width, int height)
{
    distribute(Axis::kColumns, width);
    distribute(Axis::kRows, height);
    adjustSpans();
}

// Column widths and row heights count only the cells of span one, so a
// spanning cell is brought to the lines it covers here: it takes their
// combined size when it fits in it, or else widens one of them.
void UIGridLayout::adjustSpans()
{
    for (int k = 0; k < m_cellCount; ++k) {
        adjustSpan(Axis::kColumns, m_cells[k]);
        adjustSpan(Axis::kRows, m_cells[k]);
    }
}

void UIGridLayout::adjustSpan(Axis axis, UIGridCell& cell)
{
    const int span = spanOf(cell, axis);
    if (span < 2)
        return;
    const int first = positionOf(cell, axis);
    const int64_t last = int64_t(first) + span - 1;
    const int lines = lineCount(axis);
    // Lines past the grid hold no cell and add nothing but their spacing.
    int64_t needed = int64_t(span - 1) * spacingOf(axis);
    for (int line = first; line < lines && line <= last; ++line)
        needed += lineSize(axis, line);
    int32_t& size = sizeOf(cell, axis);
    if (size <= needed) {
        size = clampToInt(needed);
        return;
    }
    const int chosen = chosenLine(axis, first, last);
    if (chosen >= 0)
        setLineSize(axis, chosen, clampToInt(lineSize(axis, chosen) + (size - needed)));
}

// The line that grows for a spanning cell that needs more: the last
// flexible one of the span before its last line, else its last line. The
// search stays inside the span: growing a line the cell does not cover
// would never make it fit. -1 when that last line lies past the grid,
// where no cell could grow.
int UIGridLayout::chosenLine(Axis axis, int first, int64_t last) const
{
    const int64_t lines = lineCount(axis);
    for (int64_t line = (last - 1 < lines ? last - 1 : lines - 1); line >= first; --line) {
        if (isFlexibleLine(axis, int(line)))
            return int(line);
    }
    return last < lines ? int(last) : -1;
}

// One direction of the full pass: extra space goes to the expanding lines,
// else evenly to all, else by the percentage shares of the stretch factors.
// Space short of the hints shrinks nothing.
void UIGridLayout::distribute(Axis axis, int available)
{
    const int lines = lineCount(axis);
    int64_t sum = 0;
    for (int line = 0; line < lines; ++line)
        sum += lineSize(axis, line);
    int64_t area = available;
    const int spacing = spacingOf(axis);
    if (spacing > 0)
        area -= int64_t(lines - 1) * spacing;
    const int64_t extra = area - sum;
    if (extra < 1) {
        for (int line = 0; line < lines; ++line)
            setLineSize(axis, line, lineSize(axis, line));
        return;
    }
    const int expanding = expandingLineCount(axis);
    if (expanding > 0) {
        distributeToExpanding(axis, clampToInt(extra), lines, expanding);
        return;
    }
    for (int line = 0; line < lines; ++line) {
        if (stretchOf(axis, line) != 0.0f) {
            distributeByStretch(axis, area, clampToInt(extra), lines);
            return;
        }
    }
    distributeEqually(axis, clampToInt(extra), lines);
}

// The last expanding line takes the remainder of the division.
void UIGridLayout::distributeToExpanding(Axis axis, int extra, int lines, int expanding)
{
    const int share = extra / expanding;
    const int remainder = extra % expanding;
    int seen = 0;
    for (int line = 0; line < lines; ++line) {
        if (!isExpandingLine(axis, line))
            continue;
        ++seen;
        const int add = seen == expanding ? share + remainder : share;
        setLineSize(axis, line, clampToInt(int64_t(lineSize(axis, line)) + add));
    }
}

// Every line, fixed ones too, gets an even share; the remainder goes to the
// last flexible line, or to the last line when none is flexible.
void UIGridLayout::distributeEqually(Axis axis, int extra, int lines)
{
    const int share = extra / lines;
    const int remainder = extra % lines;
    for (int line = 0; line < lines; ++line)
        setLineSize(axis, line, clampToInt(int64_t(lineSize(axis, line)) + share));
    if (remainder == 0)
        return;
    int taker = lines - 1;
    for (int line = lines - 1; line >= 0; --line) {
        if (isFlexibleLine(axis, line)) {
            taker = line;
            break;
        }
    }
    setLineSize(axis, taker, clampToInt(int64_t(lineSize(axis, taker)) + remainder));
}

// Stretch factors are percentages of the extra space. When they do not add
// up to 100, the lines without a factor share what is left; when no line
// lacks one, nothing is shared and the rounding remainder below gives all
// the extra space to the line of the largest factor. Columns take back a
// remainder of either sign so they end exactly at the area's edge; rows
// only take a positive one and may end a rounding past it.
void UIGridLayout::distributeByStretch(Axis axis, int64_t available, int extra, int lines)
{
    float sum = 0.0f;
    int zeros = 0;
    for (int line = 0; line < lines; ++line) {
        const float stretch = stretchOf(axis, line);
        sum += stretch;
        if (stretch == 0.0f)
            ++zeros;
    }
    float shares[kStretchCount] = {};
    const int carrying = lines < kStretchCount ? lines : kStretchCount;
    for (int line = 0; line < carrying; ++line) {
        const float stretch = stretchOf(axis, line);
        if (sum == 100.0f)
            shares[line] = stretch;
        else if (zeros > 0)
            shares[line] = stretch == 0.0f ? (100.0f - sum) / float(zeros) : stretch;
    }
    const double perCent = extra / 100.0;
    int64_t total = 0;
    for (int line = 0; line < lines; ++line) {
        const int add = line < carrying ? roundToInt(float(shares[line] * perCent)) : 0;
        setLineSize(axis, line, clampToInt(int64_t(lineSize(axis, line)) + add));
        total += lineSize(axis, line);
    }
    const int64_t remainder = available - total;
    const bool applies = axis == Axis::kColumns ? remainder != 0 : remainder > 0;
    if (!applies)
        return;
    const int taker = largestStretchLine(axis, lines);
    setLineSize(axis, taker, clampToInt(lineSize(axis, taker) + remainder));
}

// The first of the lines with the largest factor.
int UIGridLayout::largestStretchLine(Axis axis, int lines) const
{
    int largest = 0;
    for (int line = 1; line < lines; ++line) {
        if (stretchOf(axis, line) > stretchOf(axis, largest))
            largest = line;
    }
    return largest;
}

int UIGridLayout::roundToInt(float value)
{
    if (value != value)
        return 0;
    if (value >= 2147483648.0f)
        return std::numeric_limits<int32_t>::max();
    if (value < -2147483648.0f)
        return std::numeric_limits<int32_t>::min();
    return value >= 0.0f ? int(value + 0.5f) : int(value - 0.5f);
}

int32_t& UIGridLayout::sizeOf(UIGridCell& cell, Axis axis)
{
    return axis == Axis::kColumns ? cell.width : cell.height;
}

int UIGridLayout::positionOf(const UIGridCell& cell, Axis axis)
{
    return axis == Axis::kColumns ? cell.column : cell.row;
}

int UIGridLayout::spanOf(const UIGridCell& cell, Axis axis)
{
    return axis == Axis::kColumns ? cell.columnSpan : cell.rowSpan;
}

int UIGridLayout::lineCount(Axis axis) const
{
    int largest = 0;
    for (int k = 0; k < m_cellCount; ++k) {
        const int position = positionOf(m_cells[k], axis);
        if (position > largest)
            largest = position;
    }
    return largest + 1;
}

int UIGridLayout::lineSize(Axis axis, int line) const
{
    int size = 0;
    for (int k = 0; k < m_cellCount; ++k) {
        const UIGridCell& cell = m_cells[k];
        const int cellSize = axis == Axis::kColumns ? cell.width : cell.height;
        if (positionOf(cell, axis) == line && spanOf(cell, axis) == 1 && cellSize > size)
            size = cellSize;
    }
    return size;
}

void UIGridLayout::setLineSize(Axis axis, int line, int size)
{
    for (int k = 0; k < m_cellCount; ++k) {
        UIGridCell& cell = m_cells[k];
        if (positionOf(cell, axis) == line && spanOf(cell, axis) == 1)
            sizeOf(cell, axis) = size;
    }
}

bool UIGridLayout::isExpandingLine(Axis axis, int line) const
{
    for (int k = 0; k < m_cellCount; ++k) {
        const UIGridCell& cell = m_cells[k];
        if (positionOf(cell, axis) == line && spanOf(cell, axis) == 1 && cell.expanding)
            return true;
    }
    return false;
}

bool UIGridLayout::isFlexibleLine(Axis axis, int line) const
{
    for (int k = 0; k < m_cellCount; ++k) {
        const UIGridCell& cell = m_cells[k];
        if (positionOf(cell, axis) == line && spanOf(cell, axis) == 1 && cell.flexible)
            return true;
    }
    return false;
}

int UIGridLayout::expandingLineCount(Axis axis) const
{
    const int lines = lineCount(axis);
    int count = 0;
    for (int line = 0; line < lines; ++line) {
        if (isExpandingLine(axis, line))
            ++count;
    }
    return count;
}

float UIGridLayout::stretchOf(Axis axis, int line) const
{
    if (line < 0 || line >= kStretchCount)
        return 0.0f;
    return axis == Axis::kColumns ? columnStretch[line] : rowStretch[line];
}

int UIGridLayout::spacingOf(Axis axis) const
{
    return axis == Axis::kColumns ? horizontalSpacing : verticalSpacing;
}

int UIGridLayout::columnCountOfCells() const
{
    return lineCount(Axis::kColumns);
}

int UIGridLayout::rowCountOfCells() const
{
    return lineCount(Axis::kRows);
}

int UIGridLayout::columnWidth(int column) const
{
    return lineSize(Axis::kColumns, column);
}

int UIGridLayout::rowHeight(int row) const
{
    return lineSize(Axis::kRows, row);
}

void UIGridLayout::setColumnWidth(int column, int width)
{
    setLineSize(Axis::kColumns, column, width);
}

void UIGridLayout::setRowHeight(int row, int height)
{
    setLineSize(Axis::kRows, row, height);
}

bool UIGridLayout::isExpandingColumn(int column) const
{
    return isExpandingLine(Axis::kColumns, column);
}

bool UIGridLayout::isExpandingRow(int row) const
{
    return isExpandingLine(Axis::kRows, row);
}

bool UIGridLayout::isFlexibleColumn(int column) const
{
    return isFlexibleLine(Axis::kColumns, column);
}

bool UIGridLayout::isFlexibleRow(int row) const
{
    return isFlexibleLine(Axis::kRows, row);
}

int UIGridLayout::expandingColumnCount() const
{
    return expandingLineCount(Axis::kColumns);
}

int UIGridLayout::expandingRowCount() const
{
    return expandingLineCount(Axis::kRows);
}
