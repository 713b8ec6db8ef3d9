#include "ui/widgets/items/UIList.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/widgets/items/UIItemKeys.h"
#include "ui/widgets/items/UIRepaintBatch.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIScrollArea.h"

#include <algorithm>
#include <cmath>

namespace {

const char16_t* const kSkinNames[] = {u"UIList_Background", u"UIList_Selection", u"UIList_SelectionRect",
                                      u"UIList_Shadow"};

using Style = UIList::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"detailedFont", [](Style& s, const String& v) { s.detailedFont = parseStyleFont(v); }},
    {u"detailedForeground", [](Style& s, const String& v) { s.detailedForeground = parseStylePen(v); }},
    {u"selectedDetailedForeground",
     [](Style& s, const String& v) { s.selectedDetailedForeground = parseStylePen(v); }},
    {u"disabledDetailedForeground",
     [](Style& s, const String& v) { s.disabledDetailedForeground = parseStylePen(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"defaultItemBackground",
     [](Style& s, const String& v) { s.defaultItemBackground = parseStyleBrush(v); }},
    {u"defaultItemForeground", [](Style& s, const String& v) { s.defaultItemForeground = parseStylePen(v); }},
    {u"selectedItemBackground",
     [](Style& s, const String& v) { s.selectedItemBackground = parseStyleBrush(v); }},
    {u"selectedItemForeground",
     [](Style& s, const String& v) { s.selectedItemForeground = parseStylePen(v); }},
    {u"alternateItemBackground",
     [](Style& s, const String& v) { s.alternateItemBackground = parseStyleBrush(v); }},
    {u"alternateItemForeground",
     [](Style& s, const String& v) { s.alternateItemForeground = parseStylePen(v); }},
    {u"gridColor", [](Style& s, const String& v) { s.gridColor = parseStyleColor(v); }},
    {u"borderColor", [](Style& s, const String& v) { s.borderColor = parseStyleColor(v); }},
    {u"listModeItemHeight", [](Style& s, const String& v) { s.listModeItemHeight = parseStyleInt(v); }},
    {u"listModeItemPadding", [](Style& s, const String& v) { s.listModeItemPadding = parseStyleMargins(v); }},
    {u"listModeItemSpacing", [](Style& s, const String& v) { s.listModeItemSpacing = parseStyleInt(v); }},
    {u"iconModeItemSize", [](Style& s, const String& v) { s.iconModeItemSize = parseStyleSize(v); }},
    {u"iconModeItemPadding", [](Style& s, const String& v) { s.iconModeItemPadding = parseStyleMargins(v); }},
    {u"iconModeItemMargin", [](Style& s, const String& v) { s.iconModeItemMargin = parseStyleMargins(v); }},
    {u"isDrawGrid", [](Style& s, const String& v) { s.drawGrid = parseStyleInt(v) != 0; }},
    {u"blankForeground", [](Style& s, const String& v) { s.blankForeground = parseStylePen(v); }},
    {u"shadowBlankForeground", [](Style& s, const String& v) { s.shadowBlankForeground = parseStylePen(v); }},
    {u"blankFont", [](Style& s, const String& v) { s.blankFont = parseStyleFont(v); }},
    {u"spacingBetweenIconAndText",
     [](Style& s, const String& v) { s.spacingBetweenIconAndText = parseStyleInt(v); }},
    {u"spacingBetweenTextAndDetailedText",
     [](Style& s, const String& v) { s.spacingBetweenTextAndDetailedText = parseStyleInt(v); }},
};

constexpr uint32_t kShift = 1;
constexpr uint32_t kControl = 2;
constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kRightButton = 2;
constexpr uint32_t kCentred = 48;
constexpr uint32_t kBottomCentred = Rect::kAlignBottom | Rect::kAlignHCenter;

bool isOpaque(const Color& color)
{
    return color.alpha() == 255;
}

bool meets(const Rect& a, const Rect& b)
{
    return !a.intersected(b).isEmpty();
}

} // namespace

UIList::UIList(UIWidget* parent) : UIWidget(parent), m_blank(true, [this] { repaintIfEmpty(); })
{
    setStyleName(String(u"UIList"));
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setFlag(kTransparent, false);
    setFocusPolicy(kClickFocus | kWheelFocus);
    setFlag(kWantsDoubleClicks, true);
    countChanged.connectWithArg(this, &UIList::onCountChanged);
}

UIList::~UIList()
{
    for (UIListItem* item : m_items)
        delete item;
}

UIStyleNames UIList::styleNames()
{
    return UIStyleNames{String(u"UIList"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIList::onCountChanged(int)
{
    visibleCountChanged.emitValue(intptr_t(m_visibleCount));
}

void UIList::adopt(UIListItem* item)
{
    item->m_list = this;
    m_visibleCount += item->m_visible ? 1 : 0;
    m_selectedCount += item->m_selected ? 1 : 0;
}

void UIList::afterAddition()
{
    relayout();
    countChanged.emitValue(intptr_t(count()));
    update();
}

int UIList::addItem(UIListItem* item)
{
    if (!appendQuietly(item))
        return -1;
    afterAddition();
    return item->m_index;
}

void UIList::appendItems(const std::vector<UIListItem*>& items)
{
    bool added = false;
    m_items.reserveMore(items.size());
    for (UIListItem* item : items)
        added = appendQuietly(item) || added;
    if (added)
        afterAddition();
}

bool UIList::appendQuietly(UIListItem* item)
{
    if (!item || item->m_list)
        return false;
    adopt(item);
    m_items.append(item);
    return true;
}

UIListItem* UIList::addItem(const String& text)
{
    return addItem(text, String(), Image());
}

UIListItem* UIList::addItem(const String& text, const String& detailedText, const Image& icon)
{
    auto* item = new UIListItem(text, detailedText, icon);
    addItem(item);
    return item;
}

void UIList::insertItem(int index, UIListItem* item)
{
    if (!item || item->m_list)
        return;
    if (index < 0 || index >= count()) {
        addItem(item);
        return;
    }
    adopt(item);
    m_items.insert(index, item);
    afterAddition();
}

UIListItem* UIList::insertItem(int index, const String& text)
{
    return insertItem(index, text, String(), Image());
}

UIListItem* UIList::insertItem(int index, const String& text, const String& detailedText, const Image& icon)
{
    auto* item = new UIListItem(text, detailedText, icon);
    insertItem(index, item);
    return item;
}

void UIList::insertItems(int index, const StringList& texts)
{
    for (const String& text : texts)
        insertItem(index++, text);
}

void UIList::forgetCurrent()
{
    if (!m_current)
        return;
    m_current = nullptr;
    currentChanged.emitValue(intptr_t(-1));
}

UIListItem* UIList::takeItem(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    UIListItem* item = m_items.take(index);
    m_visibleCount -= item->m_visible ? 1 : 0;
    m_selectedCount -= item->m_selected ? 1 : 0;
    item->m_list = nullptr;
    // The current index follows its item; only the item itself leaving
    // changes what is current. The last one leaving hands over to the new
    // last one, so that the current item stays at the end.
    if (item != m_current)
        return item;
    if (index == count() && count() > 0) {
        m_current = nullptr;
        setCurrentIndex(count() - 1, true);
        if (!m_current)
            currentChanged.emitValue(intptr_t(-1));
        return item;
    }
    forgetCurrent();
    return item;
}

void UIList::removeItem(UIListItem* item)
{
    removeItemAt(indexOf(item));
}

void UIList::removeItemAt(int index)
{
    if (index < 0 || index >= count())
        return;
    // No item is current after a removal: forgotten first, so that taking
    // the last item does not make another one current on the way.
    forgetCurrent();
    delete takeItem(index);
    afterAddition();
}

void UIList::clear()
{
    for (UIListItem* item : m_items)
        delete item;
    m_items.forgetAll();
    m_visibleCount = 0;
    m_selectedCount = 0;
    relayout();
    forgetCurrent();
    countChanged.emitValue(intptr_t(0));
    update();
}

UIListItem* UIList::item(int index) const
{
    return m_items.nearest(index);
}

int UIList::indexOf(const UIListItem* item) const
{
    return item && item->m_list == this ? item->m_index : -1;
}

int UIList::indexOfTag(int tag) const
{
    UIListItem* found = itemByTag(tag);
    return found ? found->m_index : -1;
}

UIListItem* UIList::itemByTag(int tag) const
{
    return m_items.byTag(tag);
}

const UIVisibleRanks& UIList::ranks() const
{
    return m_items.ranks();
}

UIListGeometry UIList::geometry() const
{
    UIListGeometry g;
    g.mode = m_viewMode;
    g.width = width();
    g.height = height();
    g.rowHeight = m_style.listModeItemHeight;
    g.cellSize = m_style.iconModeItemSize;
    g.cellMargins = m_style.iconModeItemMargin;
    g.maximumColumns = m_maximumColumns;
    g.scrollOffset = Point(scrollX(), scrollY());
    return g;
}

Rect UIList::itemRect(int index) const
{
    const UIListItem* it = index >= 0 ? item(index) : nullptr;
    if (!it || !it->m_visible)
        return Rect();
    return geometry().itemRect(ranks().rankOfIndex(index), count());
}

UIListItem* UIList::itemAt(const Point& point, int* index) const
{
    int rank = geometry().rankAt(point, count(), visibleCount());
    int found = ranks().indexOfRank(rank);
    if (index)
        *index = found;
    return m_items.find(found);
}

int UIList::indexAt(const Point& point) const
{
    int index = -1;
    itemAt(point, &index);
    return index;
}

bool UIList::isItemShown(int index) const
{
    const UIListItem* it = index >= 0 ? item(index) : nullptr;
    return it && it->isShown();
}

void UIList::itemVisibilityChanged(UIListItem* item)
{
    m_visibleCount += item->m_visible ? 1 : -1;
    m_items.invalidateRanks();
    visibleCountChanged.emitValue(intptr_t(m_visibleCount));
}

int UIList::setCurrentIndex(int index, bool ensure)
{
    UIListItem* target = index >= 0 ? item(index) : nullptr;
    if (target && target == m_current) {
        if (ensure)
            ensureVisible(currentIndex());
        return currentIndex();
    }
    UIListItem* next = target && target->m_enabled && target->m_visible ? target : nullptr;
    if (next == m_current)
        return currentIndex();
    m_current = next;
    if (ensure)
        ensureVisible(currentIndex());
    currentChanged.emitValue(intptr_t(currentIndex()));
    return currentIndex();
}

void UIList::setCurrentIndexAndSelect(int index)
{
    setCurrentIndex(index, true);
    selectCurrent();
}

UIScrollArea* UIList::view() const
{
    return UIScrollArea::showing(this);
}

bool UIList::ensureVisible(int index)
{
    UIScrollArea* area = view();
    Rect at = itemRect(index);
    if (!area || at.isEmpty())
        return false;
    UIScrollBar* bar = area->verticalScrollBar();
    int before = bar->value();
    if (m_viewMode == kListMode) {
        int rowHeight = m_style.listModeItemHeight;
        if (height() <= rowHeight)
            return false;
        // The row's place in the content comes from its rank, so hidden
        // items above it take no room.
        int top = before + at.y;
        if (at.y < 0) {
            area->setVerticalValue(top);
        } else if (at.y + at.height > height()) {
            UIScrollBar* across = area->horizontalScrollBar();
            int below = across->testFlag(kVisible) ? across->height() : 0;
            area->setVerticalValue(top - (area->height() - at.height) + below);
        }
        return bar->value() != before;
    }
    Rect cell = geometry().cellRect(at);
    if (height() <= cell.height)
        return false;
    if (cell.y < 0)
        area->setVerticalValue(before + cell.y);
    else if (cell.y + cell.height > height())
        area->setVerticalValue(before + cell.y + cell.height - height());
    return bar->value() != before;
}

bool UIList::isSelected(int index) const
{
    const UIListItem* it = index >= 0 ? item(index) : nullptr;
    return m_selectionMode != kNoSelection && it && it->m_selected;
}

bool UIList::hasSelection() const
{
    return selectedCount() > 0;
}

int UIList::selectedCount() const
{
    return m_selectionMode == kNoSelection ? 0 : m_selectedCount;
}

List<UIListItem*> UIList::selectedItems() const
{
    List<UIListItem*> selected;
    if (m_selectionMode == kNoSelection)
        return selected;
    for (int i = 0; i < count() && selected.count() < m_selectedCount; ++i) {
        if (m_items.at(i)->m_selected)
            selected.append(m_items.at(i));
    }
    return selected;
}

void UIList::clearSelection(bool repaint)
{
    if (m_selectionMode == kNoSelection)
        return;
    unselectAll();
    if (repaint)
        update();
}

void UIList::selectAll()
{
    if (m_selectionMode != kMultiSelection)
        return;
    for (UIListItem* item : m_items)
        item->setSelected(true);
    update();
}

void UIList::selectItem(UIListItem* item, int flags)
{
    if (m_selectionMode == kNoSelection || !item || item->m_list != this)
        return;
    bool on = (flags & kSelect) != 0;
    if (m_selectionMode == kSingleSelection && on)
        unselectAll();
    item->setSelected(on);
    if (flags & kRepaint)
        update();
}

void UIList::selectIndex(int index, int flags)
{
    selectItem(index >= 0 ? item(index) : nullptr, flags);
}

void UIList::selectByTag(int tag)
{
    selectItem(itemByTag(tag), kSelect | kRepaint);
}

void UIList::selectCurrent()
{
    if (m_current)
        selectItem(m_current, kSelect | kRepaint);
}

void UIList::selectInRect(const Rect& band)
{
    if (m_selectionMode != kMultiSelection)
        return;
    bool keep = (m_band.modifiers() & kShift) != 0;
    UIListGeometry g = geometry();
    const UIVisibleRanks& r = ranks();
    for (int rank = 0; rank < r.visibleCount(); ++rank) {
        UIListItem* it = m_items.atRank(rank);
        if (meets(g.itemRect(rank, count()), band))
            it->setSelected(true);
        else if (!keep)
            it->setSelected(false);
    }
    update();
}

void UIList::moveTo(int index)
{
    clearSelection(false);
    setCurrentIndex(index, true);
    selectCurrent();
    update();
}

void UIList::moveToPrevious()
{
    if (isEmpty())
        return;
    int current = currentIndex();
    if (current >= 1)
        moveTo(current - 1);
    else if (m_wrapNavigation)
        moveTo(count() - 1);
}

void UIList::moveToNext()
{
    if (isEmpty())
        return;
    int current = currentIndex();
    if (current < count() - 1)
        moveTo(current + 1);
    else if (m_wrapNavigation)
        moveTo(0);
}

void UIList::moveUp()
{
    if (m_viewMode == kListMode) {
        moveToPrevious();
        return;
    }
    if (isEmpty())
        return;
    int current = currentIndex();
    int target = current - columnCount();
    if (current >= 1 && target >= 0)
        moveTo(target);
    else if (m_wrapNavigation && current <= 0)
        moveTo(count() - 1);
}

void UIList::moveDown()
{
    if (m_viewMode == kListMode) {
        moveToNext();
        return;
    }
    if (isEmpty())
        return;
    int current = currentIndex();
    int last = count() - 1;
    int target = current + columnCount();
    if (target <= last)
        moveTo(target);
    else if (m_wrapNavigation && current == last)
        moveTo(0);
}

void UIList::pageTo(bool down)
{
    UIScrollArea* area = view();
    if (area) {
        if (down)
            area->pageDown();
        else
            area->pageUp();
    }
    // The item in the row at the edge, found by rank rather than under a
    // point: in icon mode a point at the left edge lies in the margin beside
    // the first column, and below a short list there is no item at all.
    const UIVisibleRanks& r = ranks();
    int rank = geometry().pageRank(down, r.rankOfIndex(currentIndex()), count(), visibleCount());
    int index = r.indexOfRank(rank);
    if (index < 0 || index == currentIndex())
        return;
    clearSelection(false);
    setCurrentIndex(index, false);
    selectCurrent();
    update();
}

void UIList::keyPressEvent(UIEvent* event)
{
    UIScrollArea* area = view();
    UIRepaintBatch batch(area ? static_cast<UIWidget*>(area) : this);
    handleKey(static_cast<UIKeyEvent*>(event));
}

void UIList::handleKey(UIKeyEvent* key)
{
    if (isEmpty())
        return;
    switch (UIItemKeys::stepOf(key->key(), key->modifiers())) {
    case UIItemKeys::kPageUp:
        pageTo(false);
        break;
    case UIItemKeys::kPageDown:
        pageTo(true);
        break;
    case UIItemKeys::kLast:
        if (currentIndex() != count() - 1)
            moveTo(count() - 1);
        break;
    case UIItemKeys::kFirst:
        if (currentIndex() != 0)
            moveTo(0);
        break;
    case UIItemKeys::kPrevious:
        moveToPrevious();
        break;
    case UIItemKeys::kUp:
        moveUp();
        break;
    case UIItemKeys::kNext:
        moveToNext();
        break;
    case UIItemKeys::kDown:
        moveDown();
        break;
    case UIItemKeys::kSelectAll:
        selectAll();
        break;
    case UIItemKeys::kNoStep:
        break;
    }
}

void UIList::selectRange(int from, int to)
{
    unselectAll();
    for (int i = std::max(from, 0); i <= to && i < count(); ++i)
        m_items.at(i)->setSelected(true);
    update();
}

void UIList::unselectAll()
{
    for (int i = 0; i < count() && m_selectedCount > 0; ++i)
        m_items.at(i)->setSelected(false);
}

void UIList::pressOnItem(UIListItem* hit, int hitIndex, int anchor, const UIMouseEvent& event)
{
    if (m_selectionMode == kSingleSelection) {
        selectItem(hit, kSelect | kRepaint);
        return;
    }
    if (m_selectionMode != kMultiSelection)
        return;
    if (event.modifiers() & kShift) {
        int lo = std::max(0, std::min(anchor, hitIndex));
        int hi = std::max(anchor, hitIndex);
        if (hi - lo < 1) {
            clearSelection(false);
            selectItem(hit, kSelect | kRepaint);
        } else {
            selectRange(lo, hi);
        }
        return;
    }
    if (event.modifiers() & kControl) {
        selectItem(hit, hit->m_selected ? kRepaint : kSelect | kRepaint);
        return;
    }
    // A right click inside a multi-selection keeps it for the context menu.
    if (hit->m_selected && (selectedCount() < 2 || event.button() == kRightButton))
        return;
    clearSelection(false);
    selectItem(hit, kSelect | kRepaint);
}

void UIList::mousePressEvent(UIEvent* event)
{
    UIToolTipHost::hideFor(this);
    auto* mouse = static_cast<UIMouseEvent*>(event);
    int hitIndex = -1;
    UIListItem* hit = itemAt(mouse->position(), &hitIndex);
    int anchor = currentIndex();
    bool shift = (mouse->modifiers() & kShift) != 0;
    if (!shift && (hit || m_clearOnEmptyClick))
        setCurrentIndex(hitIndex, true);
    if (hit) {
        pressOnItem(hit, hitIndex, anchor, *mouse);
        return;
    }
    if (!shift && m_clearOnEmptyClick)
        clearSelection(true);
    if (m_selectionMode != kMultiSelection || !(mouse->buttons() & kLeftButton) || m_band.isActive())
        return;
    m_band.start(Point(scrollX(), scrollY()), mouse->position(), mouse->modifiers());
    setFlag(kIgnoresKeys, true);
}

void UIList::mouseMoveEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    const Point& p = mouse->position();
    if (m_band.isActive() && (mouse->buttons() & kLeftButton)) {
        if (!m_band.drag(p, Point(scrollX(), scrollY())))
            return;
        int under = indexAt(p);
        if (under >= 0)
            ensureVisible(under);
        selectInRect(m_band.rect());
        return;
    }
    if (m_band.isActive() || !m_hoverSelection)
        return;
    int under = indexAt(p);
    if (under < 0)
        return;
    setCurrentIndex(under, true);
    if (!isSelected(under)) {
        clearSelection(false);
        selectIndex(under, kSelect | kRepaint);
    }
}

void UIList::endBand()
{
    if (!m_band.end())
        return;
    setFlag(kIgnoresKeys, false);
    update();
}

void UIList::mouseReleaseEvent(UIEvent*)
{
    endBand();
}

void UIList::focusOutEvent(UIEvent*)
{
    endBand();
}

void UIList::mouseLeaveEvent(UIEvent*)
{
    if (!m_hoverSelection)
        return;
    setCurrentIndex(-1, false);
    clearSelection(true);
}

void UIList::setViewMode(int mode)
{
    m_viewMode = mode;
    if (UIScrollArea* area = view())
        area->relayout();
    update();
}

void UIList::setItemSize(const Size& size)
{
    UIToolTipHost::hideFor(this);
    if (m_viewMode == kListMode)
        m_style.listModeItemHeight = size.height;
    else
        m_style.iconModeItemSize = size;
    if (UIScrollArea* area = view())
        area->relayout();
    update();
}

Size UIList::itemSize() const
{
    return m_viewMode == kListMode ? Size(0, m_style.listModeItemHeight) : m_style.iconModeItemSize;
}

int UIList::visibleRowCount() const
{
    int columns = columnCount();
    return std::max(1, (visibleCount() + columns - 1) / columns);
}

void UIList::repaintIfEmpty()
{
    if (isEmpty())
        update();
}

void UIList::setDefaultIcon(const Image& image)
{
    // Premultiplied in a copy of its own: the caller's image shares its
    // pixels and must stay as it was.
    m_defaultIcon = image.copy();
    m_defaultIcon.setPremultiplied(true);
}

void UIList::setHoverSelection(bool on)
{
    m_hoverSelection = on;
    if (on)
        setFlag(kHoverTracking, true);
}

Size UIList::minimumSizeHint() const
{
    return geometry().contentSize(count(), visibleCount());
}

void UIList::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIList::setSkinImage(const UISkinImage& image, const String& name)
{
    int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

String UIList::toolTip(const Point& point) const
{
    const UIListItem* it = itemAt(point, nullptr);
    if (!it)
        return String();
    if (!it->m_toolTip.isEmpty())
        return it->m_toolTip;
    if (m_toolTipSource)
        return m_toolTipSource(*it);
    return m_viewMode == kListMode && it->m_elided ? it->m_text : String();
}

void UIList::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIList::draw(Painter& painter)
{
    painter.fillRect(rect(), m_style.background);
    m_skins[kBackgroundSkin].draw(painter, rect(), 0, UISkinImage::kAllCells);
    UIListGeometry g = geometry();
    if (m_viewMode == kListMode)
        paintListMode(painter, g);
    else
        paintIconMode(painter, g);
    painter.setPen(Pen(m_style.borderColor));
    painter.setBrush(Brush());
    painter.drawRect(Rect(0, 0, width() - 1, height() - 1));
    if (isEmpty())
        m_blank.paint(painter, rect(), m_style.blankFont, m_style.blankForeground,
                      m_style.shadowBlankForeground);
}

void UIList::paintListMode(Painter& painter, const UIListGeometry& g)
{
    painter.setFont(m_style.font);
    const UIVisibleRanks& r = ranks();
    int first = 0;
    int last = 0;
    g.paintRange(count(), r.visibleCount(), &first, &last);
    const UIMargins& padding = m_style.listModeItemPadding;
    for (int rank = first; rank < last; ++rank) {
        int index = r.indexOfRank(rank);
        UIListItem* it = m_items.at(index);
        Rect at = g.itemRect(rank, count());
        if (!g.isOnScreen(at))
            continue;
        bool odd = (index & 1) != 0;
        const Brush& brush = it->m_selected                       ? m_style.selectedItemBackground
                             : isOpaque(it->m_background.color()) ? it->m_background
                             : odd                                ? m_style.alternateItemBackground
                                                                  : m_style.defaultItemBackground;
        painter.fillRect(at, brush);
        Rect content(at.x + padding.left, at.y, at.width - padding.left - padding.right, at.height);
        if (!it->m_icon.isNull()) {
            painter.drawImageAligned(it->m_icon, content, Rect::kAlignLeft | Rect::kAlignVCenter);
            content.setLeft(content.x + it->m_icon.width() + m_style.listModeItemSpacing);
        }
        if (it->m_text.isEmpty())
            continue;
        painter.setFont(it->m_font == FontDesc() ? m_style.font : it->m_font);
        const Pen& pen = it->m_selected                       ? m_style.selectedItemForeground
                         : !it->m_enabled                     ? m_style.disabledForeground
                         : isOpaque(it->m_foreground.color()) ? it->m_foreground
                         : odd                                ? m_style.alternateItemForeground
                                                              : m_style.defaultItemForeground;
        painter.setPen(pen);
        it->m_elided = painter.drawText(it->m_text, content, uint32_t(it->m_alignment),
                                        uint32_t(it->m_elideMode), true, nullptr);
    }
}

void UIList::paintIconMode(Painter& painter, const UIListGeometry& g)
{
    painter.setRenderHint(Painter::kSmoothScalingHint, true);
    const UIVisibleRanks& r = ranks();
    int first = 0;
    int last = 0;
    g.paintRange(count(), r.visibleCount(), &first, &last);
    for (int rank = first; rank < last; ++rank) {
        Rect at = g.itemRect(rank, count());
        if (g.isOnScreen(at))
            paintIconItem(painter, m_items.atRank(rank), at);
    }
    if (m_band.isShown())
        m_skins[kSelectionRectSkin].draw(painter, m_band.rect(), 0, UISkinImage::kAllCells);
}

void UIList::paintIconItem(Painter& painter, UIListItem* it, const Rect& at)
{
    if (it->m_selected) {
        painter.fillRect(at, m_style.selectedItemBackground);
        if (!m_skins[kSelectionSkin].isNull())
            m_skins[kSelectionSkin].draw(painter, at, 0, UISkinImage::kAllCells);
    } else {
        painter.fillRect(at, isOpaque(it->m_background.color()) ? it->m_background
                                                                : m_style.defaultItemBackground);
    }
    const UIMargins& padding = m_style.iconModeItemPadding;
    int th = it->m_text.isEmpty() ? 0 : FontMetrics(m_style.font, nullptr).height();
    int dh = it->m_detailedText.isEmpty() ? 0 : FontMetrics(m_style.detailedFont, nullptr).height();
    Image sourced;
    if (it->m_icon.isNull() && m_iconSource)
        sourced = m_iconSource(*it);
    const Image& icon = !it->m_icon.isNull() ? it->m_icon : !sourced.isNull() ? sourced : m_defaultIcon;
    if (!icon.isNull()) {
        int below = th + dh + m_style.spacingBetweenIconAndText + m_style.spacingBetweenTextAndDetailedText +
                    padding.bottom;
        Rect area(at.x + 7, at.y + padding.top, at.width - 14, at.height - padding.top - below);
        double scale =
            std::min({1.0, double(area.width) / icon.width(), double(area.height) / icon.height()});
        Size fitted(std::max(0, int(icon.width() * scale)), std::max(0, int(icon.height() * scale)));
        it->m_iconRect = area.align(Rect(0, 0, fitted.width, fitted.height), kCentred, true);
        painter.drawImage(icon, it->m_iconRect);
    }
    bool selected = it->m_selected;
    painter.setFont(m_style.font);
    painter.setPen(selected ? m_style.selectedItemForeground : m_style.defaultItemForeground);
    Rect textRect(at.x + padding.left, at.y, at.width - padding.left - padding.right,
                  at.height - m_style.spacingBetweenTextAndDetailedText - padding.bottom - dh);
    painter.drawText(it->m_text, textRect, kBottomCentred, 2, true, nullptr);
    painter.setFont(m_style.detailedFont);
    painter.setPen(selected ? m_style.selectedDetailedForeground : m_style.detailedForeground);
    Rect detailRect(at.x + padding.left, at.y, at.width - padding.left - padding.right,
                    at.height - padding.bottom);
    painter.drawText(it->m_detailedText, detailRect, kBottomCentred, 2, true, nullptr);
}
