#include "ui/widgets/items/UITableRow.h"

#include "ui/widgets/items/UITable.h"

UITableRow::~UITableRow()
{
    for (UITableCell* cell : m_cells)
        delete cell;
    if (m_table && !m_visible)
        m_table->rowVisibilityChanged(this, true);
    if (m_table && m_selected)
        --m_table->m_selectedCount;
}

int UITableRow::addCell(UITableCell* cell)
{
    if (!cell || cell->m_row)
        return -1;
    cell->m_row = this;
    cell->m_column = cellCount();
    if (m_deferredCount > int(m_cells.size()))
        m_cells.resize(size_t(m_deferredCount), nullptr);
    // Rows are filled cell by cell; starting with room for several keeps a
    // table of many columns from growing each row's array five times.
    if (m_cells.empty())
        m_cells.reserve(kFirstCapacity);
    m_cells.push_back(cell);
    return cell->m_column;
}

UITableCell* UITableRow::addTextCell(const String& text)
{
    auto* cell = new UITableCell(text);
    addCell(cell);
    return cell;
}

UITableCell* UITableRow::addImageCell(const Image& image)
{
    auto* cell = new UITableCell();
    cell->setType(UITableCell::kImageCell);
    cell->setAlignment(48);
    cell->setImage(image);
    addCell(cell);
    return cell;
}

UITableCell* UITableRow::cell(int index) const
{
    if (index < 0 || index >= cellCount())
        return nullptr;
    if (index >= int(m_cells.size()))
        m_cells.resize(size_t(m_deferredCount), nullptr);
    UITableCell*& slot = m_cells[size_t(index)];
    if (!slot) {
        // Making a cell fills in a cache; the row stays what it stands for.
        UITableCell* made = const_cast<UITableRow*>(this)->makeCell(index);
        if (made && !made->m_row) {
            made->m_row = const_cast<UITableRow*>(this);
            made->m_column = index;
            slot = made;
        } else if (made) {
            return nullptr;
        }
    }
    return slot;
}

void UITableRow::setDeferredCellCount(int count)
{
    m_deferredCount = std::max(m_deferredCount, count);
}

bool UITableRow::isCellMade(int index) const
{
    return index >= 0 && index < int(m_cells.size()) && m_cells[size_t(index)] != nullptr;
}

void UITableRow::forgetDeferredCells()
{
    for (UITableCell*& cell : m_cells) {
        delete cell;
        cell = nullptr;
    }
}

UITableCell* UITableRow::makeCell(int)
{
    return nullptr;
}

Rect UITableRow::rect() const
{
    return m_table ? m_table->rowRect(m_index) : Rect();
}

void UITableRow::setVisible(bool on)
{
    if (on == m_visible)
        return;
    if (!on)
        setSelected(false);
    m_visible = on;
    if (m_table)
        m_table->rowVisibilityChanged(this, false);
}

void UITableRow::setSelected(bool on)
{
    if (on == m_selected)
        return;
    m_selected = on;
    if (m_table)
        m_table->m_selectedCount += on ? 1 : -1;
}

bool UITableRow::isShown() const
{
    return m_table && m_visible && m_table->isRowOnScreen(rect());
}
