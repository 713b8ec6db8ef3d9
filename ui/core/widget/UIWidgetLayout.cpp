#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetPrivate.h"

#include <algorithm>
#include <vector>

namespace {

// Children that take a cell: visible ones that are not windows of their own.
bool takesCell(const UIWidget* child)
{
    return child->testFlag(UIWidget::kVisible) && !child->isWindow();
}

int clampToInt(int64_t value)
{
    return static_cast<int>(std::min<int64_t>(std::max<int64_t>(value, INT32_MIN), INT32_MAX));
}

} // namespace

void UIWidget::setVerticalFlow(int flow)
{
    d->grid.verticalFlow = flow;
}

int UIWidget::verticalFlow() const
{
    return d->grid.verticalFlow;
}

void UIWidget::setSpacing(int horizontal, int vertical)
{
    d->grid.horizontalSpacing = horizontal;
    d->grid.verticalSpacing = vertical;
}

void UIWidget::setVerticalSpacing(int spacing)
{
    d->grid.verticalSpacing = spacing;
}

int UIWidget::horizontalSpacing() const
{
    return d->grid.horizontalSpacing;
}

int UIWidget::verticalSpacing() const
{
    return d->grid.verticalSpacing;
}

void UIWidget::setColumnCount(int count)
{
    d->grid.columnCount = count;
}

int UIWidget::columnCount() const
{
    return d->grid.columnCount;
}

void UIWidget::setRowCount(int count)
{
    d->grid.rowCount = count;
}

int UIWidget::rowCount() const
{
    return d->grid.rowCount;
}

void UIWidget::setColumnStretch(int column, float stretch)
{
    if (column >= 0 && column < UIGridLayout::kStretchCount)
        d->grid.columnStretch[column] = stretch;
}

float UIWidget::columnStretch(int column) const
{
    return column >= 0 && column < UIGridLayout::kStretchCount ? d->grid.columnStretch[column] : 0.0f;
}

void UIWidget::setRowStretch(int row, float stretch)
{
    if (row >= 0 && row < UIGridLayout::kStretchCount)
        d->grid.rowStretch[row] = stretch;
}

float UIWidget::rowStretch(int row) const
{
    return row >= 0 && row < UIGridLayout::kStretchCount ? d->grid.rowStretch[row] : 0.0f;
}

void UIWidget::setColumnSpan(int span)
{
    d->grid.columnSpan = span;
}

int UIWidget::columnSpan() const
{
    return d->grid.columnSpan;
}

void UIWidget::setRowSpan(int span)
{
    d->grid.rowSpan = span;
}

int UIWidget::rowSpan() const
{
    return d->grid.rowSpan;
}

void UIWidget::setLayoutAlignment(int alignment)
{
    d->grid.alignment = alignment;
}

int UIWidget::layoutAlignment() const
{
    return d->grid.alignment;
}

void UIWidget::setSizePolicy(int horizontal, int vertical)
{
    d->grid.sizePolicy.horizontal = horizontal;
    d->grid.sizePolicy.vertical = vertical;
}

UISizePolicy UIWidget::sizePolicy() const
{
    return d->grid.sizePolicy;
}

void UIWidget::setLayoutMargins(int left, int top, int right, int bottom)
{
    d->grid.margins = UIMargins(left, top, right, bottom);
}

void UIWidget::setLeftMargin(int margin)
{
    d->grid.margins.left = margin;
}

void UIWidget::setTopMargin(int margin)
{
    d->grid.margins.top = margin;
}

void UIWidget::setRightMargin(int margin)
{
    d->grid.margins.right = margin;
}

void UIWidget::setBottomMargin(int margin)
{
    d->grid.margins.bottom = margin;
}

const UIMargins& UIWidget::setLayoutMarginsFrom(const UIMargins& margins)
{
    return d->grid.margins.assign(margins);
}

const UIMargins& UIWidget::layoutMargins() const
{
    return d->grid.margins;
}

void UIWidget::setLayoutEnabled(bool on)
{
    d->layoutSwitchedOffHere = !on;
    switchLayout(on);
}

void UIWidget::switchLayout(bool on)
{
    // A widget that switched its own grid off places its children itself:
    // an ancestor switching the grid back on must leave it off.
    if (!on || !d->layoutSwitchedOffHere)
        d->grid.layoutEnabled = on ? 1 : 0;
    for (UIWidget* child : m_children)
        child->switchLayout(on);
}

bool UIWidget::layoutEnabled() const
{
    return d->grid.layoutEnabled != 0;
}

void UIWidget::applyMetricSpacing()
{
    if (const UITheme* theme = UIApplication::instance()->theme())
        setSpacing(theme->metric(kLayoutHorizontalSpacing), theme->metric(kLayoutVerticalSpacing));
}

void UIWidget::applyMetricMargins()
{
    if (const UITheme* theme = UIApplication::instance()->theme())
        setLayoutMargins(theme->metric(kLayoutLeftMargin), theme->metric(kLayoutTopMargin),
                         theme->metric(kLayoutRightMargin), theme->metric(kLayoutBottomMargin));
}

bool UIWidget::buildCells()
{
    std::vector<UIGridItem> items;
    for (UIWidget* child : m_children) {
        if (!takesCell(child))
            continue;
        UIGridItem item;
        item.hint = child->effectiveSizeHint();
        item.sizePolicy = child->d->grid.sizePolicy;
        item.rowSpan = child->d->grid.rowSpan;
        item.columnSpan = child->d->grid.columnSpan;
        items.push_back(item);
    }
    return d->grid.build(items.data(), static_cast<int>(items.size()));
}

Size UIWidget::layoutSizeHint()
{
    UIGridLayout& grid = d->grid;
    if (!grid.layoutEnabled || !buildCells())
        return Size(0, 0);
    int columns = grid.columnCountOfCells();
    int rows = grid.rowCountOfCells();
    int64_t width = int64_t(columns - 1) * grid.horizontalSpacing + grid.margins.left + grid.margins.right;
    for (int column = 0; column < columns; ++column)
        width += grid.columnWidth(column);
    int64_t height = int64_t(rows - 1) * grid.verticalSpacing + grid.margins.top + grid.margins.bottom;
    for (int row = 0; row < rows; ++row)
        height += grid.rowHeight(row);
    return Size(clampToInt(width), clampToInt(height));
}

Size UIWidget::effectiveSizeHint()
{
    d->contentHint = sizeHint();
    d->layoutHint = layoutSizeHint();
    Size result(std::max(d->contentHint.width, d->layoutHint.width),
                std::max(d->contentHint.height, d->layoutHint.height));
    if (m_minWidth > 0 && result.width < m_minWidth)
        result.width = m_minWidth;
    if (m_minHeight > 0 && result.height < m_minHeight)
        result.height = m_minHeight;
    if (m_maxWidth > 0 && result.width > m_maxWidth)
        result.width = m_maxWidth;
    if (m_maxHeight > 0 && result.height > m_maxHeight)
        result.height = m_maxHeight;
    d->effectiveHint = result;
    return result;
}

bool UIWidget::placeSelf(const Rect& offered)
{
    const UIGridLayout& grid = d->grid;
    int width = grid.sizePolicy.horizontal == UISizePolicy::kFixed ? d->effectiveHint.width : offered.width;
    int height = grid.sizePolicy.vertical == UISizePolicy::kFixed ? d->effectiveHint.height : offered.height;
    Rect target = offered.align(Rect(0, 0, width, height), grid.alignment);
    Rect before(m_x, m_y, m_width, m_height);
    // The move and resize must neither lay out nor paint by themselves: the
    // pass places everything and paints once at the end.
    uint32_t kept = m_flags & (kUpdatesEnabled | kRelayoutPending);
    m_flags &= ~kUpdatesEnabled;
    setGeometry(target.x, target.y, target.width, target.height);
    m_flags = (m_flags & ~(kUpdatesEnabled | kRelayoutPending)) | kept;
    return Rect(m_x, m_y, m_width, m_height) != before;
}

bool UIWidget::placeChildren(const Rect& offered, UIWidget* root)
{
    bool changed = this != root && placeSelf(offered);
    if (!d->grid.hasCells())
        return changed;
    // A widget kept smaller than its cell (a fixed-height row of buttons in a
    // taller grid row) arranges its children within its own size: spread
    // over the cell they would be cut off by their parent, or not seen.
    const Rect area(offered.x, offered.y, std::min(offered.width, m_width),
                    std::min(offered.height, m_height));
    return placeInCells(area, root) || changed;
}

bool UIWidget::placeInCells(const Rect& offered, UIWidget* root)
{
    UIGridLayout& grid = d->grid;
    const UIMargins& margins = grid.margins;
    grid.layout(offered.width - margins.left - margins.right, offered.height - margins.top - margins.bottom);
    bool byRows = grid.verticalFlow == 0;
    int x = margins.left;
    int y = margins.top;
    int line = 0;
    int k = 0;
    bool changed = false;
    // A resize handler may delete a sibling: each child is watched.
    std::deque<UIWidgetGuard> children = watchedChildren();
    for (const UIWidgetGuard& guard : children) {
        UIWidget* child = guard.widget();
        if (!child || !takesCell(child))
            continue;
        if (k >= grid.cellCount())
            break;
        const UIGridCell& cell = grid.cell(k++);
        if (byRows) {
            if (cell.row != line) {
                y += grid.rowHeight(line) + grid.verticalSpacing;
                x = margins.left;
                line = cell.row;
            }
            changed |= child->placeChildren(Rect(x, y, cell.width, grid.rowHeight(line)), root);
            x += cell.width + grid.horizontalSpacing;
        } else {
            if (cell.column != line) {
                x += grid.columnWidth(line) + grid.horizontalSpacing;
                y = margins.top;
                line = cell.column;
            }
            changed |= child->placeChildren(Rect(x, y, grid.columnWidth(line), cell.height), root);
            y += cell.height + grid.verticalSpacing;
        }
    }
    return changed;
}

bool UIWidget::relayout()
{
    if (!testFlag(kCreated))
        return false;
    // Held like a repaint: the widget that holds updates lays out once when
    // they come back on.
    if (UIWidget* holder = updatesHolder()) {
        holder->m_flags |= kRelayoutPending;
        return false;
    }
    return isWindow() ? relayoutWindow() : relayoutFromParent();
}

bool UIWidget::relayoutFromParent()
{
    // Climb only as far as the new sizes no longer fit.
    for (UIWidget* ancestor = d->parent; ancestor; ancestor = ancestor->d->parent) {
        Size hint = ancestor->effectiveSizeHint();
        if (ancestor->isWindow()) {
            ancestor->d->laidOutSize = Size(0, 0);
            return ancestor->relayout();
        }
        if (ancestor->m_width >= hint.width && ancestor->m_height >= hint.height)
            return ancestor->buildCells() && ancestor->layOutAsRoot();
    }
    return false;
}

void UIWidget::relayoutAfterHide()
{
    UIWidget* parent = d->parent;
    if (UIWidget* holder = parent->updatesHolder()) {
        holder->m_flags |= kRelayoutPending | kRepaintPending;
        return;
    }
    // The gap the widget leaves closes from its parent up, as far as the
    // sizes need; a window is laid out afresh.
    UIWidgetGuard guard(parent);
    if (!relayoutFromParent() && guard.isAlive())
        parent->update();
}

bool UIWidget::relayoutWindow()
{
    Size hint = effectiveSizeHint();
    if (m_width < hint.width || m_height < hint.height) {
        // A window grows to its content and never shrinks here. Its size,
        // and what the native window's resize takes, is the client area: the
        // frame is the host's to add.
        uint32_t kept = m_flags & (kUpdatesEnabled | kRelayoutPending);
        m_flags &= ~kUpdatesEnabled;
        resize(std::max(m_width, hint.width), std::max(m_height, hint.height));
        m_flags = (m_flags & ~(kUpdatesEnabled | kRelayoutPending)) | kept;
    } else if (size() == d->laidOutSize && hint == d->laidOutHint) {
        return false;
    }
    d->laidOutSize = size();
    d->laidOutHint = hint;
    return layOutAsRoot();
}

bool UIWidget::layOutAsRoot()
{
    bool changed = placeChildren(rect(), this);
    if (changed)
        update();
    return changed;
}

void UIWidget::setUpdatesEnabled(bool on)
{
    if (on)
        m_flags |= kUpdatesEnabled;
    else
        m_flags &= ~kUpdatesEnabled;
    if (!on)
        return;
    if (testFlag(kRelayoutPending)) {
        m_flags &= ~kRelayoutPending;
        if (!relayout() && !testFlag(kRepaintPending))
            update();
    }
    if (testFlag(kRepaintPending)) {
        m_flags &= ~kRepaintPending;
        update();
    }
}
