#include "ui/views/html/HtmlTableLayout.h"

#include "ui/views/html/HtmlFloatContext.h"
#include "ui/views/html/HtmlLayout.h"
#include "ui/views/html/HtmlNode.h"

#include <algorithm>
#include <numeric>

namespace {

int sum(const std::vector<int>& values)
{
    return std::accumulate(values.begin(), values.end(), 0);
}

} // namespace

int HtmlTableLayout::spacing(const HtmlNode* table) const
{
    const HtmlStyle& style = table->style();
    return style.borderCollapse ? 0 : style.borderSpacing;
}

void HtmlTableLayout::buildGrid(HtmlNode* table)
{
    m_rows.clear();
    m_columns = 0;
    m_spacing = spacing(table);
    for (const auto& child : table->children()) {
        const HtmlStyle::Display display = child->style().display;
        if (!child->isElement())
            continue;
        if (display == HtmlStyle::kTableRow) {
            addRow(child.get(), nullptr);
        } else if (display == HtmlStyle::kTableRowGroup) {
            for (const auto& row : child->children()) {
                if (row->isElement() && row->style().display == HtmlStyle::kTableRow)
                    addRow(row.get(), child.get());
            }
        }
    }
    measureColumns();
}

void HtmlTableLayout::addRow(HtmlNode* rowNode, HtmlNode* group)
{
    Row row{rowNode, group, {}};
    int column = 0;
    for (const auto& child : rowNode->children()) {
        if (!child->isElement() || child->style().display != HtmlStyle::kTableCell)
            continue;
        if (column >= kMaxColumns)
            break;
        const int span = std::max(1, std::min(child->attribute(u"colspan").toInt(), kMaxColumns - column));
        row.cells.push_back(Cell{child.get(), column, span});
        column += span;
    }
    m_columns = std::max(m_columns, column);
    m_rows.push_back(std::move(row));
}

void HtmlTableLayout::measureColumns()
{
    m_min.assign(m_columns, 0);
    m_max.assign(m_columns, 0);
    m_percent.assign(m_columns, 0.0f);
    // Single cells first; spanning cells then widen their columns evenly
    // where the columns are too narrow for them.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Row& row : m_rows) {
            for (const Cell& cell : row.cells) {
                if ((cell.span == 1) != (pass == 0))
                    continue;
                int cellMin = 0;
                int cellMax = 0;
                m_layout.intrinsicWidths(cell.node, cellMin, cellMax);
                const HtmlLength& width = cell.node->style().width;
                if (cell.span == 1) {
                    m_min[cell.column] = std::max(m_min[cell.column], cellMin);
                    m_max[cell.column] = std::max(m_max[cell.column], cellMax);
                    if (width.unit == HtmlLength::kPercent)
                        m_percent[cell.column] =
                            std::max(m_percent[cell.column], std::min(width.value, 100.0f));
                    continue;
                }
                const int inner = m_spacing * (cell.span - 1);
                int spanMin = inner;
                int spanMax = inner;
                for (int c = cell.column; c < cell.column + cell.span; ++c) {
                    spanMin += m_min[c];
                    spanMax += m_max[c];
                }
                for (int c = cell.column; c < cell.column + cell.span; ++c) {
                    if (cellMin > spanMin)
                        m_min[c] += (cellMin - spanMin) / cell.span;
                    if (cellMax > spanMax)
                        m_max[c] += (cellMax - spanMax) / cell.span;
                    m_max[c] = std::max(m_max[c], m_min[c]);
                }
            }
        }
    }
}

std::vector<int> HtmlTableLayout::columnWidths(int target) const
{
    std::vector<int> widths(m_columns, 0);
    int used = 0;
    int otherMin = 0;
    int otherMax = 0;
    for (int c = 0; c < m_columns; ++c) {
        if (m_percent[c] > 0.0f) {
            widths[c] =
                std::max(m_min[c], static_cast<int>(m_percent[c] * static_cast<float>(target) / 100.0f));
            used += widths[c];
        } else {
            otherMin += m_min[c];
            otherMax += m_max[c];
        }
    }
    const int rest = target - used;
    int others = 0;
    for (int c = 0; c < m_columns; ++c) {
        if (m_percent[c] > 0.0f)
            continue;
        ++others;
        if (rest >= otherMax)
            widths[c] = m_max[c];
        else if (rest <= otherMin)
            widths[c] = m_min[c];
        else
            widths[c] = m_min[c] + static_cast<int>(static_cast<int64_t>(m_max[c] - m_min[c]) *
                                                    (rest - otherMin) / std::max(1, otherMax - otherMin));
    }
    // Room left in a table of a given width goes to the columns by their
    // widest content, or evenly when they have none.
    const int extra = target - sum(widths);
    if (extra <= 0 || m_columns == 0)
        return widths;
    const int weightTotal = others > 0 ? otherMax : sum(widths);
    for (int c = 0; c < m_columns; ++c) {
        if (others > 0 && m_percent[c] > 0.0f)
            continue;
        const int count = others > 0 ? others : m_columns;
        const int weight = others > 0 ? m_max[c] : widths[c];
        const int share = weightTotal > 0
                              ? static_cast<int>(static_cast<int64_t>(extra) * weight / weightTotal)
                              : extra / count;
        widths[c] += share;
    }
    // What rounding left over goes to the last column.
    widths[m_columns - 1] += std::max(0, target - sum(widths));
    return widths;
}

void HtmlTableLayout::intrinsicWidths(HtmlNode* table, int& minWidth, int& maxWidth)
{
    buildGrid(table);
    const int spacingTotal = m_spacing * (m_columns + 1);
    minWidth = sum(m_min) + spacingTotal;
    maxWidth = std::max(minWidth, sum(m_max) + spacingTotal);
    const HtmlStyle& style = table->style();
    if (style.width.unit == HtmlLength::kPx) {
        minWidth = std::max(minWidth, static_cast<int>(style.width.value));
        maxWidth = minWidth;
    }
}

int HtmlTableLayout::layout(HtmlNode* table, int x, int top, int containingWidth, HtmlFloatContext& floats)
{
    const HtmlStyle& style = table->style();
    buildGrid(table);
    const int hspace = style.horizontalSpace();
    const int marginLeft = HtmlLayout::marginOf(table, HtmlStyle::kLeft, containingWidth);
    const int marginRight = HtmlLayout::marginOf(table, HtmlStyle::kRight, containingWidth);
    const int spacingTotal = m_spacing * (m_columns + 1);
    const int needed = sum(m_min) + spacingTotal + hspace + marginLeft + marginRight;
    top = floats.topWhereFits(top, 1, x, containingWidth, std::min(needed, containingWidth));
    int left = 0;
    int right = 0;
    floats.freeSpan(top, 1, x, containingWidth, left, right);
    const int available = right - left;

    int target;
    const bool fixed = !style.width.isAuto();
    if (fixed) {
        target = style.width.resolve(containingWidth, 0) - hspace - spacingTotal;
    } else {
        target = available - marginLeft - marginRight - hspace - spacingTotal;
        const bool anyPercent =
            std::any_of(m_percent.begin(), m_percent.end(), [](float p) { return p > 0.0f; });
        if (!anyPercent)
            target = std::min(target, sum(m_max));
    }
    target = std::max(target, sum(m_min));
    const std::vector<int> widths = columnWidths(target);
    const int innerWidth = sum(widths) + spacingTotal;
    const int tableWidth = innerWidth + hspace;

    int boxX = left + marginLeft;
    const bool autoLeft = style.margin[HtmlStyle::kLeft].isAuto();
    if (autoLeft && style.margin[HtmlStyle::kRight].isAuto())
        boxX = left + std::max(0, (available - tableWidth) / 2);
    else if (autoLeft)
        boxX = left + std::max(0, available - tableWidth - marginRight);

    const int boxIndex = m_layout.reserveBox(table);
    const int contentX = boxX + style.borderWidth[HtmlStyle::kLeft] + style.padding[HtmlStyle::kLeft];
    std::vector<int> columnX(m_columns + 1, contentX + m_spacing);
    for (int c = 0; c < m_columns; ++c)
        columnX[c + 1] = columnX[c] + widths[c] + m_spacing;

    int y = top + style.borderWidth[HtmlStyle::kTop] + style.padding[HtmlStyle::kTop] + m_spacing;
    for (const Row& row : m_rows) {
        const int height = layoutRow(row, columnX, y);
        const Rect rowRect(contentX + m_spacing, y, std::max(0, innerWidth - 2 * m_spacing), height);
        row.node->setRect(rowRect);
        if (row.group)
            row.group->uniteRect(rowRect);
        y = addPixels(y, addPixels(height, m_spacing));
    }
    int height = y - top + style.padding[HtmlStyle::kBottom] + style.borderWidth[HtmlStyle::kBottom];
    if (style.height.unit == HtmlLength::kPx)
        height = std::max(height, static_cast<int>(style.height.value));
    const Rect rect(boxX, top, tableWidth, height);
    table->setRect(rect);
    m_layout.fillBox(boxIndex, rect);
    return addPixels(rect.y, rect.height);
}

int HtmlTableLayout::layoutRow(const Row& row, const std::vector<int>& columnX, int top)
{
    struct Placed
    {
        HtmlNode* node;
        int firstItem;
        int boxItem;
        int height;
    };
    const int rowBox = m_layout.reserveBox(row.node);
    int rowHeight = row.node->style().height.unit == HtmlLength::kPx
                        ? static_cast<int>(row.node->style().height.value)
                        : 0;
    std::vector<Placed> placed;
    for (const Cell& cell : row.cells) {
        const int cellX = columnX[cell.column];
        const int cellWidth = columnX[cell.column + cell.span] - m_spacing - cellX;
        const int firstItem = static_cast<int>(m_layout.items().size());
        HtmlFloatContext unused;
        const int bottom = m_layout.layoutBlock(cell.node, cellX, top, 0, unused, std::max(0, cellWidth));
        const int boxItem = cell.node->style().hasBox() ? firstItem : -1;
        placed.push_back(Placed{cell.node, firstItem, boxItem, bottom - top});
        rowHeight = std::max(rowHeight, bottom - top);
    }
    const int rowEnd = static_cast<int>(m_layout.items().size());
    for (size_t i = 0; i < placed.size(); ++i) {
        const Placed& cell = placed[i];
        const int free = rowHeight - cell.height;
        const HtmlStyle::VerticalAlign align = cell.node->style().verticalAlign;
        const int dy = align == HtmlStyle::kAlignMiddle   ? free / 2
                       : align == HtmlStyle::kAlignBottom ? free
                                                          : 0;
        const int end = i + 1 < placed.size() ? placed[i + 1].firstItem : rowEnd;
        const int from = cell.boxItem >= 0 ? cell.firstItem + 1 : cell.firstItem;
        m_layout.shiftContent(from, end, cell.node, dy);
        Rect rect = cell.node->rect();
        rect.height = rowHeight;
        cell.node->setRect(rect);
        m_layout.fillBox(cell.boxItem, rect);
    }
    m_layout.fillBox(rowBox, Rect(columnX[0], top, columnX[m_columns] - m_spacing - columnX[0], rowHeight));
    return rowHeight;
}
