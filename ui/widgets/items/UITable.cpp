#include "ui/widgets/items/UITable.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIItemKeys.h"
#include "ui/widgets/items/UIRepaintBatch.h"
#include "ui/widgets/items/UIRowOrder.h"
#include "ui/widgets/scroll/UIScrollArea.h"

#include <algorithm>
#include <cmath>

namespace {

const char16_t* const kSkinNames[] = {u"UITable_SelectionRect", u"UITable_RowGrid", u"UITable_ColumnGrid"};

using Style = UITable::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledBackground", [](Style& s, const String& v) { s.disabledBackground = parseStyleBrush(v); }},
    {u"disabledAlternateRowBackground",
     [](Style& s, const String& v) { s.disabledAlternateRowBackground = parseStyleBrush(v); }},
    {u"defaultRowBackground", [](Style& s, const String& v) { s.defaultRowBackground = parseStyleBrush(v); }},
    {u"defaultRowForeground", [](Style& s, const String& v) { s.defaultRowForeground = parseStylePen(v); }},
    {u"selectedRowBackground",
     [](Style& s, const String& v) { s.selectedRowBackground = parseStyleBrush(v); }},
    {u"selectedRowForeground", [](Style& s, const String& v) { s.selectedRowForeground = parseStylePen(v); }},
    {u"alternateRowBackground",
     [](Style& s, const String& v) { s.alternateRowBackground = parseStyleBrush(v); }},
    {u"alternateRowForeground",
     [](Style& s, const String& v) { s.alternateRowForeground = parseStylePen(v); }},
    {u"isDrawRowGrid", [](Style& s, const String& v) { s.drawRowGrid = parseStyleInt(v) != 0; }},
    {u"isDrawColumnGrid", [](Style& s, const String& v) { s.drawColumnGrid = parseStyleInt(v) != 0; }},
    {u"blankForeground", [](Style& s, const String& v) { s.blankForeground = parseStylePen(v); }},
    {u"shadowBlankForeground", [](Style& s, const String& v) { s.shadowBlankForeground = parseStylePen(v); }},
    {u"blankFont", [](Style& s, const String& v) { s.blankFont = parseStyleFont(v); }},
    {u"rowHeight", [](Style& s, const String& v) { s.rowHeight = parseStyleInt(v); }},
};

constexpr uint32_t kShift = 1;
constexpr uint32_t kControl = 2;
constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kRightButton = 2;

// One sort at a time in the whole program: a slot reacting to sortStarted
// cannot start another.
bool g_sorting = false;

bool meets(const Rect& a, const Rect& b)
{
    return !a.intersected(b).isEmpty();
}

int floorDiv(int a, int b)
{
    int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

} // namespace

UITable::UITable(UIWidget* parent) : UIWidget(parent), m_blank(false, [this] { repaintIfEmpty(); })
{
    setStyleName(String(u"UITable"));
    setFlag(kWantsDoubleClicks, true);
    setFlag(kTransparent, false);
    setFocusPolicy(kClickFocus | kWheelFocus);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    m_header = new UIHeader(this);
    m_header->setLayoutAlignment(Rect::kAlignLeft | Rect::kAlignTop);
    // The rows scroll under the header; it follows only sideways, by its own
    // offset.
    m_header->setScrollsWithParent(false);
    m_header->show();
    m_header->sectionResized.connectWithArg(this, &UITable::onSectionResized);
    m_header->sectionClicked.connectWithArg(this, &UITable::onSectionClicked);
    m_header->visibleSectionCountChanged.connectWithArg(this, &UITable::onVisibleSectionCountChanged);
    rowCountChanged.connectWithArg(this, &UITable::onRowCountChanged);
}

UITable::~UITable()
{
    for (UITableRow* row : m_rows) {
        row->m_table = nullptr;
        delete row;
    }
}

UIStyleNames UITable::styleNames()
{
    return UIStyleNames{String(u"UITable"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UITable::onRowCountChanged(int)
{
    visibleRowCountChanged.emitValue(intptr_t(visibleRowCount()));
}

void UITable::onSectionResized(int)
{
    update();
}

void UITable::onSectionClicked(int section)
{
    sort(section, m_sortOrder == kAscending ? kDescending : kAscending);
}

void UITable::onVisibleSectionCountChanged(int count)
{
    relayout();
    visibleColumnCountChanged.emitValue(intptr_t(count));
    update();
}

void UITable::afterRowsChanged()
{
    relayout();
    rowCountChanged.emitValue(intptr_t(rowCount()));
    if (!m_paintHeld)
        update();
}

int UITable::addRow(UITableRow* row)
{
    if (!adopt(row))
        return -1;
    afterRowsChanged();
    return row->m_index;
}

void UITable::appendRows(const std::vector<UITableRow*>& rows)
{
    bool added = false;
    m_rows.reserveMore(rows.size());
    for (UITableRow* row : rows)
        added = adopt(row) || added;
    if (added)
        afterRowsChanged();
}

bool UITable::adopt(UITableRow* row)
{
    if (!row || row->m_table)
        return false;
    row->m_table = this;
    m_selectedCount += row->m_selected ? 1 : 0;
    m_rows.append(row);
    m_hiddenRowCount += row->m_visible ? 0 : 1;
    return true;
}

void UITable::insertRow(int index, UITableRow* row)
{
    if (!row || row->m_table)
        return;
    if (index < 0 || index >= rowCount()) {
        addRow(row);
        return;
    }
    row->m_table = this;
    m_selectedCount += row->m_selected ? 1 : 0;
    m_rows.insert(index, row);
    m_hiddenRowCount += row->m_visible ? 0 : 1;
    afterRowsChanged();
}

void UITable::release(UITableRow* row)
{
    m_rows.take(row->m_index);
    m_hiddenRowCount -= row->m_visible ? 0 : 1;
    m_selectedCount -= row->m_selected ? 1 : 0;
    row->m_table = nullptr;
}

void UITable::unselectAll()
{
    for (int i = 0; i < rowCount() && m_selectedCount > 0; ++i)
        m_rows.at(i)->setSelected(false);
}

void UITable::forgetCurrent()
{
    if (!m_current)
        return;
    m_current = nullptr;
    currentRowChanged.emitValue(intptr_t(-1));
}

UITableRow* UITable::takeRow(int index)
{
    if (index < 0 || index >= rowCount())
        return nullptr;
    UITableRow* taken = m_rows.at(index);
    release(taken);
    if (taken == m_current)
        forgetCurrent();
    return taken;
}

void UITable::removeRow(UITableRow* row)
{
    removeRowAt(indexOf(row));
}

void UITable::removeRowAt(int index)
{
    if (index < 0 || index >= rowCount())
        return;
    UITableRow* gone = m_rows.at(index);
    if (gone->m_selected)
        selectRow(gone, 0);
    release(gone);
    delete gone;
    if (isEmpty())
        resetSort();
    forgetCurrent();
    afterRowsChanged();
}

void UITable::clear()
{
    if (isEmpty())
        return;
    bool anySelected = selectedCount() > 0;
    for (UITableRow* row : m_rows) {
        row->m_table = nullptr;
        delete row;
    }
    m_rows.forgetAll();
    m_hiddenRowCount = 0;
    m_selectedCount = 0;
    resetSort();
    relayout();
    forgetCurrent();
    update();
    rowCountChanged.emitValue(intptr_t(0));
    if (anySelected)
        selectionChanged.emit();
}

UITableRow* UITable::row(int index) const
{
    return m_rows.nearest(index);
}

int UITable::indexOf(const UITableRow* row) const
{
    return row && row->m_table == this ? row->m_index : -1;
}

UITableRow* UITable::rowByTag(int tag) const
{
    return m_rows.byTag(tag);
}

int UITable::indexOfTag(int tag) const
{
    UITableRow* found = rowByTag(tag);
    return found ? found->m_index : -1;
}

const UIVisibleRanks& UITable::ranks() const
{
    return m_rows.ranks();
}

int UITable::headerHeight() const
{
    return m_header->testFlag(kVisible) ? m_header->height() : 0;
}

int UITable::rowTop(int rank) const
{
    return headerHeight() + scrollY() + rank * m_style.rowHeight;
}

Rect UITable::rowRect(int index) const
{
    const UITableRow* r = index >= 0 ? row(index) : nullptr;
    if (!r || !r->m_visible)
        return Rect();
    return Rect(0, rowTop(ranks().rankOfIndex(index)), width(), m_style.rowHeight);
}

Rect UITable::cellRect(const UITableRow* r, int column) const
{
    if (!r || r->m_table != this || column < 0 || column >= m_header->count() ||
        !m_header->isSectionVisible(column))
        return Rect();
    Rect rowAt = rowRect(r->m_index);
    if (rowAt.isEmpty())
        return Rect();
    int x = scrollX();
    for (int c = 0; c < column; ++c)
        x += m_header->isSectionVisible(c) ? m_header->section(c)->width() : 0;
    return Rect(x, rowAt.y, m_header->section(column)->width(), rowAt.height);
}

bool UITable::isRowOnScreen(const Rect& rect) const
{
    return !rect.isEmpty() && rect.y >= -m_style.rowHeight && rect.y < height();
}

void UITable::paintRange(int* first, int* last) const
{
    int visible = ranks().visibleCount();
    int h = m_style.rowHeight;
    if (h <= 0) {
        *first = 0;
        *last = visible;
        return;
    }
    int origin = headerHeight() + scrollY();
    *first = std::min(visible, std::max(0, floorDiv(-h - origin, h)));
    *last = std::min(visible, std::max(0, floorDiv(height() - origin, h) + 1));
}

UITableRow* UITable::rowAt(const Point& point, int* index) const
{
    int found = -1;
    int h = m_style.rowHeight;
    if (h > 0 && point.x >= 0 && point.x < width()) {
        int rank = floorDiv(point.y - headerHeight() - scrollY(), h);
        found = ranks().indexOfRank(rank);
    }
    if (index)
        *index = found;
    return m_rows.find(found);
}

UITableCell* UITable::cellAt(const Point& point) const
{
    UITableRow* r = rowAt(point, nullptr);
    if (!r)
        return nullptr;
    for (int column = 0; column < r->cellCount(); ++column) {
        UITableCell* c = r->cell(column);
        if (c && c->isVisible() && cellRect(r, column).contains(point))
            return c;
    }
    return nullptr;
}

UITableCell* UITable::cell(int rowIndex, int column) const
{
    const UITableRow* r = rowIndex >= 0 ? row(rowIndex) : nullptr;
    return r ? r->cell(column) : nullptr;
}

bool UITable::isRowShown(int index) const
{
    return isRowOnScreen(rowRect(index));
}

void UITable::rowVisibilityChanged(UITableRow* r, bool destroyed)
{
    if (destroyed) {
        --m_hiddenRowCount;
        return;
    }
    m_hiddenRowCount += r->m_visible ? -1 : 1;
    m_rows.invalidateRanks();
    visibleRowCountChanged.emitValue(intptr_t(visibleRowCount()));
}

void UITable::setRowVisible(int index, bool visible)
{
    UITableRow* r = index >= 0 ? row(index) : nullptr;
    if (!r)
        return;
    r->setVisible(visible);
    update();
    if (!visible && r == m_current)
        forgetCurrent();
}

void UITable::setCurrentRow(int index, bool ensure)
{
    UITableRow* target = index >= 0 ? row(index) : nullptr;
    UITableRow* next = target && target->m_visible ? target : nullptr;
    if (next == m_current)
        return;
    m_current = next;
    if (ensure && next)
        ensureRowVisible(next->m_index);
    currentRowChanged.emitValue(intptr_t(currentRow()));
}

void UITable::selectRow(int index)
{
    setCurrentRow(index, true);
    selectCurrentRow();
}

UIScrollArea* UITable::view() const
{
    return UIScrollArea::showing(this);
}

bool UITable::ensureRowVisible(int index)
{
    UIScrollArea* area = view();
    Rect at = index >= 0 ? rowRect(index) : Rect();
    if (!area || at.isEmpty())
        return false;
    int h = headerHeight();
    if (at.y < h) {
        area->setVerticalValue(-scrollY() + at.y - h);
        return true;
    }
    if (at.y + at.height > height()) {
        area->setVerticalValue(-scrollY() + at.y + at.height - height());
        return true;
    }
    return false;
}

bool UITable::swapRows(int a, int b)
{
    if (a == b || a < 0 || b < 0 || a >= rowCount() || b >= rowCount())
        return false;
    m_rows.swap(a, b);
    if (m_current) {
        int index = m_current->m_index;
        m_current = nullptr;
        setCurrentRow(index, true);
    }
    update();
    return true;
}

void UITable::moveCurrentRowUp()
{
    if (canMoveCurrentRowUp())
        swapRows(currentRow(), currentRow() - 1);
}

void UITable::moveCurrentRowDown()
{
    if (canMoveCurrentRowDown())
        swapRows(currentRow(), currentRow() + 1);
}

int UITable::columnCount() const
{
    return m_header->count();
}

int UITable::columnAtX(int x) const
{
    return m_header->sectionAtX(x);
}

String UITable::columnTitle(int index) const
{
    return m_header->isValidIndex(index) ? m_header->section(index)->text() : String();
}

void UITable::setColumnVisible(int index, bool visible)
{
    m_header->setSectionVisible(index, visible);
}

bool UITable::isColumnVisible(int index) const
{
    return m_header->isSectionVisible(index);
}

void UITable::setColumnWidth(int index, int width)
{
    m_header->setSectionWidth(index, width);
}

int UITable::columnWidth(int index) const
{
    return m_header->isValidIndex(index) ? m_header->section(index)->width() : 0;
}

void UITable::resetSort()
{
    m_sortOrder = 0;
    m_header->clearSortOrders();
}

void UITable::sort(int column, int order)
{
    UIHeaderSection* section = m_header->isValidIndex(column) ? m_header->section(column) : nullptr;
    if (rowCount() < 2 || !m_sortingEnabled || !section || section->sortType() == 0 || order == 0 ||
        g_sorting)
        return;
    g_sorting = true;
    m_sortOrder = order;
    m_sortColumn = column;
    m_header->clearSortOrders();
    section->setSortOrder(order);
    const int currentBefore = currentRow();
    sortStarted.emit();
    UIRowOrder keys;
    keys.reserve(rowCount());
    bool byText = section->sortType() == 1;
    for (UITableRow* r : m_rows) {
        const UITableCell* c = r->cell(column);
        // The texts are read in place: a copy a row weighed on a sort.
        if (byText && c)
            keys.addText(!r->m_visible, c->sortText().isEmpty() ? c->text() : c->sortText());
        else if (byText)
            keys.addText(!r->m_visible, String());
        else
            keys.addValue(!r->m_visible, c ? c->sortValue() : 0.0);
    }
    m_rows.reorder(keys.stableOrder(order));
    // The current row stays current where the sort put it.
    if (m_current && m_current->m_index != currentBefore)
        currentRowChanged.emitValue(intptr_t(m_current->m_index));
    update();
    sortFinished.emit();
    g_sorting = false;
}

bool UITable::isRowSelected(int index) const
{
    const UITableRow* r = index >= 0 ? row(index) : nullptr;
    return r && r->m_selected;
}

int UITable::selectedCount() const
{
    return m_selectedCount;
}

int UITable::firstSelectedRow() const
{
    for (int i = 0; i < rowCount() && m_selectedCount > 0; ++i) {
        if (m_rows.at(i)->m_selected)
            return i;
    }
    return -1;
}

List<UITableRow*> UITable::selectedRows() const
{
    List<UITableRow*> result;
    for (int i = 0; i < rowCount() && result.count() < m_selectedCount; ++i) {
        if (m_rows.at(i)->m_selected)
            result.append(m_rows.at(i));
    }
    return result;
}

void UITable::clearSelection(bool repaint, bool notify)
{
    if (m_selectedCount == 0)
        return;
    unselectAll();
    if (repaint)
        update();
    if (notify)
        selectionChanged.emit();
}

void UITable::selectAll()
{
    if (m_selectionMode != kMultiSelection)
        return;
    if (m_selectedCount == rowCount())
        return;
    for (UITableRow* r : m_rows)
        r->setSelected(true);
    update();
    selectionChanged.emit();
}

void UITable::selectRow(UITableRow* r, int flags)
{
    if (!r || r->m_table != this || m_selectionMode == kNoSelection)
        return;
    bool on = (flags & kSelect) != 0;
    bool changed = false;
    if (m_selectionMode == kMultiSelection || !on) {
        changed = r->m_selected != on;
        r->setSelected(on);
    } else {
        changed = !r->m_selected || m_selectedCount > 1;
        unselectAll();
        r->setSelected(true);
    }
    if (!changed)
        return;
    if (flags & kRepaint)
        update();
    selectionChanged.emit();
}

void UITable::selectRowAt(int index, int flags)
{
    selectRow(index >= 0 ? row(index) : nullptr, flags);
}

void UITable::selectCurrentRow()
{
    selectRow(m_current, kSelect | kRepaint);
}

void UITable::selectRowByTag(int tag)
{
    selectRow(rowByTag(tag), kSelect | kRepaint);
}

void UITable::selectInRect(const Rect& band)
{
    if (m_selectionMode != kMultiSelection)
        return;
    bool keep = (m_band.modifiers() & kShift) != 0;
    bool changed = false;
    const UIVisibleRanks& r = ranks();
    for (int rank = 0; rank < r.visibleCount(); ++rank) {
        UITableRow* it = m_rows.atRank(rank);
        bool want =
            meets(Rect(0, rowTop(rank), width(), m_style.rowHeight), band) || (keep && it->m_selected);
        changed = changed || want != it->m_selected;
        it->setSelected(want);
    }
    update();
    if (changed)
        selectionChanged.emit();
}

void UITable::setRowHeight(int height, bool scaleFonts)
{
    m_style.rowHeight = std::max(height, 3);
    if (scaleFonts) {
        int pixels = int(0.8f * float(m_style.rowHeight));
        m_style.font.setPixelSize(pixels);
        for (UITableRow* r : m_rows) {
            for (UITableCell* c : r->m_cells) {
                if (const FontDesc* own = c ? c->ownFont() : nullptr) {
                    FontDesc font = *own;
                    font.setPixelSize(pixels);
                    c->setFont(font);
                }
            }
        }
    }
    if (UIScrollArea* area = view())
        area->relayout();
    update();
}

int UITable::columnContentWidth(int column, bool visibleRowsOnly) const
{
    FontMetrics metrics(m_style.font, nullptr);
    int first = 0;
    int last = ranks().visibleCount();
    if (visibleRowsOnly) {
        paintRange(&first, &last);
        while (first < last && rowTop(first) < 0)
            ++first;
        while (last > first && rowTop(last - 1) + m_style.rowHeight > height())
            --last;
    }
    int widest = 0;
    for (int rank = first; rank < last; ++rank) {
        const UITableCell* c = m_rows.atRank(rank)->cell(column);
        if (!c)
            continue;
        int content = c->type() == UITableCell::kTextCell
                          ? metrics.textWidth(c->text().data(), c->text().length(), false)
                          : c->image().width();
        widest = std::max(widest, c->padding().left + c->padding().right + content);
    }
    return widest;
}

void UITable::autoSizeColumns(bool visibleRowsOnly)
{
    int last = -1;
    for (int c = 0; c < columnCount(); ++c) {
        if (m_header->isSectionVisible(c))
            last = c;
    }
    for (int c = 0; c < last; ++c) {
        if (m_header->isSectionVisible(c))
            m_header->setSectionWidth(c, columnContentWidth(c, visibleRowsOnly));
    }
    m_header->update();
    update();
}

void UITable::repaintIfEmpty()
{
    if (isEmpty())
        update();
}

void UITable::setPaintHeld(bool on)
{
    if (on == m_paintHeld)
        return;
    m_paintHeld = on;
    update();
}

Size UITable::minimumSizeHint() const
{
    if (isEmpty())
        return Size(70, 70);
    int total = 0;
    const UIHeaderSection* last = m_header->lastVisibleSection();
    for (int c = 0; c < columnCount(); ++c) {
        const UIHeaderSection* s = m_header->section(c);
        if (s->isVisible())
            total += s == last && m_header->stretchLastSection() ? s->minimumWidth() : s->width();
    }
    return Size(total, visibleRowCount() * m_style.rowHeight + headerHeight());
}

void UITable::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UITable::setSkinImage(const UISkinImage& image, const String& name)
{
    int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UITable::setScrollOffset(int horizontal, int vertical)
{
    UIWidget::setScrollOffset(horizontal, vertical);
    m_header->setScrollOffset(horizontal, 0);
}

String UITable::toolTip(const Point& point) const
{
    const UITableCell* c = cellAt(point);
    if (!c)
        return String();
    if (!c->secondText().isEmpty())
        return c->secondText();
    if (c->type() == UITableCell::kImageCell || (!c->isElided() && rect().containsRect(c->textRect())))
        return String();
    return c->text();
}

void UITable::resizeEvent(UIEvent*)
{
    m_header->setGeometry(0, 0, width(), m_header->effectiveSizeHint().height);
}

void UITable::stepTo(int index)
{
    clearSelection(false, true);
    selectRow(index);
}

void UITable::pageTo(bool down)
{
    if (UIScrollArea* area = view()) {
        if (down)
            area->pageDown();
        else
            area->pageUp();
    }
    int index = -1;
    rowAt(Point(0, down ? height() - 1 : headerHeight() + 1), &index);
    if (index >= 0 && index != currentRow())
        stepTo(index);
}

void UITable::keyPressEvent(UIEvent* event)
{
    UIScrollArea* area = view();
    UIRepaintBatch batch(area ? static_cast<UIWidget*>(area) : this);
    handleKey(static_cast<UIKeyEvent*>(event));
}

void UITable::handleKey(UIKeyEvent* key)
{
    if (isEmpty())
        return;
    int current = currentRow();
    int last = rowCount() - 1;
    switch (UIItemKeys::stepOf(key->key(), key->modifiers())) {
    case UIItemKeys::kPageUp:
        pageTo(false);
        break;
    case UIItemKeys::kPageDown:
        pageTo(true);
        break;
    case UIItemKeys::kLast:
        if (current != last)
            stepTo(last);
        break;
    case UIItemKeys::kFirst:
        if (current != 0)
            stepTo(0);
        break;
    case UIItemKeys::kUp:
        if (current > 0)
            stepTo(current - 1);
        else if (current == 0 && !isRowShown(0))
            ensureRowVisible(0);
        break;
    case UIItemKeys::kDown:
        if (current < last)
            stepTo(current + 1);
        else if (current == last && !isRowShown(last))
            ensureRowVisible(last);
        break;
    case UIItemKeys::kSelectAll:
        selectAll();
        break;
    default:
        break;
    }
}

void UITable::pressOnRow(UITableRow* hit, int hitIndex, int anchor, const UIMouseEvent& event)
{
    if (m_selectionMode == kSingleSelection) {
        selectRow(hit, kSelect | kRepaint);
        return;
    }
    if (m_selectionMode != kMultiSelection)
        return;
    if (event.modifiers() & kShift) {
        int lo = std::max(0, std::min(anchor, hitIndex));
        int hi = std::max(anchor, hitIndex);
        if (hi - lo < 1) {
            clearSelection(false, false);
            selectRow(hit, kSelect | kRepaint);
            return;
        }
        int inRange = 0;
        for (int i = lo; i <= hi && i < rowCount(); ++i)
            inRange += m_rows.at(i)->m_selected ? 1 : 0;
        bool changed = inRange != m_selectedCount || inRange != std::min(hi, rowCount() - 1) - lo + 1;
        unselectAll();
        for (int i = lo; i <= hi && i < rowCount(); ++i)
            m_rows.at(i)->setSelected(true);
        update();
        if (changed)
            selectionChanged.emit();
        return;
    }
    if (event.modifiers() & kControl) {
        selectRow(hit, hit->m_selected ? kRepaint : kSelect | kRepaint);
        return;
    }
    if (hit->m_selected && (selectedCount() < 2 || event.button() == kRightButton))
        return;
    clearSelection(false, false);
    selectRow(hit, kSelect | kRepaint);
}

void UITable::mousePressEvent(UIEvent* event)
{
    UIToolTipHost::hideFor(this);
    auto* mouse = static_cast<UIMouseEvent*>(event);
    int anchor = currentRow();
    int hitIndex = -1;
    UITableRow* hit = rowAt(mouse->position(), &hitIndex);
    bool shift = (mouse->modifiers() & kShift) != 0;
    if (!shift && (hit || m_clearOnEmptyClick))
        setCurrentRow(hitIndex, true);
    if (m_selectionMode == kMultiSelection && (mouse->buttons() & kLeftButton) && !m_band.isActive())
        m_band.start(Point(scrollX(), scrollY()), mouse->position(), mouse->modifiers());
    if (hit)
        pressOnRow(hit, hitIndex, anchor, *mouse);
    else if (m_clearOnEmptyClick && !shift)
        clearSelection(true, true);
}

void UITable::mouseMoveEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    const Point& p = mouse->position();
    if (m_band.isActive() && (mouse->buttons() & kLeftButton)) {
        if (!m_band.drag(p, Point(scrollX(), scrollY())))
            return;
        int under = -1;
        if (rowAt(p, &under))
            ensureRowVisible(under);
        selectInRect(m_band.rect());
        return;
    }
    if (m_band.isActive() || !m_hoverSelection)
        return;
    int under = -1;
    UITableRow* r = rowAt(p, &under);
    if (!r)
        return;
    setCurrentRow(under, true);
    if (!r->m_selected) {
        clearSelection(false, false);
        selectRow(r, kSelect | kRepaint);
    }
}

void UITable::endBand()
{
    if (m_band.end())
        update();
}

void UITable::mouseReleaseEvent(UIEvent*)
{
    endBand();
}

void UITable::focusOutEvent(UIEvent*)
{
    endBand();
}

void UITable::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UITable::draw(Painter& painter)
{
    painter.fillRect(rect(), isEnabled() ? m_style.background : m_style.disabledBackground);
    painter.setFont(m_style.font);
    m_passFont = m_style.font;
    if (m_paintHeld)
        return;
    paintRows(painter);
    Rect below(0, headerHeight(), width(), height() - headerHeight());
    bool blank = isEmpty() && m_blank.paint(painter, below, m_style.blankFont, m_style.blankForeground,
                                            m_style.shadowBlankForeground);
    if (m_style.drawColumnGrid && !blank)
        paintColumnGrid(painter);
    if (m_band.isShown())
        m_skins[kSelectionRectSkin].draw(painter, m_band.rect(), 0, UISkinImage::kAllCells);
}

void UITable::paintRows(Painter& painter)
{
    int first = 0;
    int last = 0;
    paintRange(&first, &last);
    bool enabled = isEnabled();
    int sections = m_header->count();
    for (int rank = first; rank < last; ++rank) {
        UITableRow* it = m_rows.atRank(rank);
        Rect at(0, rowTop(rank), width(), m_style.rowHeight);
        bool alternate = rank % 2 == 0;
        if (isRowOnScreen(at)) {
            bool selected = it->m_selected && m_showSelection;
            if (!enabled) {
                if (alternate)
                    painter.fillRect(at, m_style.disabledAlternateRowBackground);
            } else {
                painter.fillRect(at, selected                               ? m_style.selectedRowBackground
                                     : it->m_background.color().alpha() > 0 ? it->m_background
                                     : alternate                            ? m_style.alternateRowBackground
                                                                            : m_style.defaultRowBackground);
            }
            int x = scrollX();
            int cells = std::min(it->cellCount(), sections);
            for (int c = 0; c < cells; ++c) {
                const UIHeaderSection* s = m_header->section(c);
                if (!s->isVisible())
                    continue;
                Rect cellAt(x, at.y, s->width(), at.height);
                x += s->width();
                UITableCell* cell = meets(cellAt, rect()) ? it->cell(c) : nullptr;
                if (cell)
                    paintCell(painter, it, cell, cellAt, selected, alternate, enabled);
            }
        }
        if (m_style.drawRowGrid)
            m_skins[kRowGridSkin].draw(painter, Rect(0, at.y + at.height - 1, width(), 1), 0,
                                       UISkinImage::kAllCells);
    }
}

void UITable::paintCell(Painter& painter, UITableRow*, UITableCell* cell, const Rect& at, bool selected,
                        bool alternate, bool enabled)
{
    const Brush& own = cell->background();
    if (enabled && !selected && own.color().alpha() == 255)
        painter.fillRect(at, own);
    const UIMargins& pad = cell->padding();
    Rect content(at.x + pad.left, at.y + pad.top, at.width - pad.left - pad.right,
                 at.height - pad.top - pad.bottom);
    cell->setDrawnText(Rect(), false);
    if (cell->type() == UITableCell::kImageCell) {
        const Image& image = cell->image();
        if (image.isNull())
            return;
        painter.setClipRect(at);
        painter.drawImageAligned(image, content, uint32_t(cell->alignment()));
        painter.resetClip();
        return;
    }
    if (cell->text().isEmpty())
        return;
    const FontDesc* ownFont = cell->ownFont();
    const FontDesc& font = ownFont ? *ownFont : m_style.font;
    if (!(font == m_passFont)) {
        painter.setFont(font);
        m_passFont = font;
    }
    const Pen& pen = !enabled                             ? m_style.disabledForeground
                     : selected                           ? m_style.selectedRowForeground
                     : cell->pen().color().alpha() == 255 ? cell->pen()
                     : alternate                          ? m_style.alternateRowForeground
                                                          : m_style.defaultRowForeground;
    painter.setPen(pen);
    Rect drawn;
    bool elided = painter.drawText(cell->text(), content, uint32_t(cell->alignment()),
                                   uint32_t(cell->elideMode()), true, &drawn);
    cell->setDrawnText(drawn, elided);
}

void UITable::paintColumnGrid(Painter& painter)
{
    int x = scrollX();
    for (int c = 0; c + 1 < columnCount(); ++c) {
        const UIHeaderSection* s = m_header->section(c);
        if (!s->isVisible())
            continue;
        x += s->width();
        m_skins[kColumnGridSkin].draw(painter, Rect(x - 1, 0, 1, height()), 0, UISkinImage::kAllCells);
    }
}
