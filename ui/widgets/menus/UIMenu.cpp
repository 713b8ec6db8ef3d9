#include "ui/widgets/menus/UIMenu.h"

#include "foundation/platform/Screen.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/platform/SystemServices.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/widgets/UIWorkArea.h"
#include "ui/widgets/menus/UIMenuBar.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {u"UIMenu_ItemArrow",          u"UIMenu_ItemCheckIndicator",
                                      u"UIMenu_ItemRadioIndicator", u"UIMenu_ItemSeparator",
                                      u"UIMenu_VerticalLine",       u"UIMenu_HoveredItemBackground"};

using Style = UIMenu::Style;

const UIStyleField<Style> kFields[] = {
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"borderColor", [](Style& s, const String& v) { s.borderColor = parseStyleColor(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"desktopPadding", [](Style& s, const String& v) { s.desktopPadding = parseStyleMargins(v); }},
    {u"minimumWidth", [](Style& s, const String& v) { s.minimumWidth = parseStyleInt(v); }},
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
    {u"hoveredForeground", [](Style& s, const String& v) { s.hoveredForeground = parseStylePen(v); }},
    {u"hoveredShadowForeground",
     [](Style& s, const String& v) { s.hoveredShadowForeground = parseStylePen(v); }},
    {u"itemPadding", [](Style& s, const String& v) { s.itemPadding = parseStyleMargins(v); }},
    {u"itemIconSpace", [](Style& s, const String& v) { s.itemIconSpace = parseStyleInt(v); }},
    {u"itemArrowSpace", [](Style& s, const String& v) { s.itemArrowSpace = parseStyleInt(v); }},
    {u"isForceIconSpace", [](Style& s, const String& v) { s.forceIconSpace = parseStyleInt(v) != 0; }},
    {u"spacingBetweenImageAndText",
     [](Style& s, const String& v) { s.spacingBetweenImageAndText = parseStyleInt(v); }},
};

constexpr uint32_t kWindowFlags =
    UINativeWindow::kFrameless | UINativeWindow::kTopmost | UINativeWindow::kMadeWhenNeeded;
constexpr uint32_t kLeftCentred = Rect::kAlignLeft | Rect::kAlignVCenter;
constexpr uint32_t kRightCentred = Rect::kAlignRight | Rect::kAlignVCenter;
const String kMenuBarStyle(u"UIMenuBar");
const String kToolBarStyle(u"UIToolBar");

int textWidth(const FontDesc& font, const String& text)
{
    return text.isEmpty() ? 0 : FontMetrics(font, nullptr).textWidth(text.data(), text.length(), false);
}

Rect movedBy(const Rect& rect, const Point& offset)
{
    return Rect(rect.x + offset.x, rect.y + offset.y, rect.width, rect.height);
}

int64_t rightOf(const Rect& rect)
{
    return int64_t(rect.x) + rect.width;
}

int64_t bottomOf(const Rect& rect)
{
    return int64_t(rect.y) + rect.height;
}

} // namespace

UIMenu::UIMenu(UIWidget* parent) : UIWidget(parent, kWindowFlags)
{
    setFlag(kWindow | kHoverTracking, true);
    setFlag(kTransparent, false);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setFocusPolicy(kClickFocus);
    setStyleName(String(u"UIMenu"));
    setVerticalFlow(1);
    setLayoutMarginsFrom(m_style.padding);
    setMinimumWidth(m_style.minimumWidth);
}

UIMenu::~UIMenu()
{
    killTimer(kSubMenuTimerId);
    if (UIMenu* parent = parentMenu()) {
        if (parent->m_openSubMenu == this)
            parent->m_openSubMenu = nullptr;
    }
    m_openSubMenu = nullptr;
    for (UIMenuItem* item : m_items)
        delete item;
    m_items.clear();
}

UIStyleNames UIMenu::styleNames()
{
    return UIStyleNames{String(u"UIMenu"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

UIMenuItem* UIMenu::addNew(int kind, const String& text, const ImageSet& image, const ImageSet& icon,
                           const KeyShortcut& shortcut)
{
    auto* item = new UIMenuItem;
    item->setKind(kind);
    item->UIItem::setText(text);
    item->setImage(image);
    item->setIcon(icon);
    item->setShortcut(shortcut);
    appendItem(item);
    return item;
}

UIMenuItem* UIMenu::addItem(const String& text, const ImageSet& icon, const KeyShortcut& shortcut)
{
    return addNew(UIMenuItem::kText, text, ImageSet(), icon, shortcut);
}

UIMenuItem* UIMenu::addImageItem(const ImageSet& image, const ImageSet& icon, const KeyShortcut& shortcut)
{
    return addNew(UIMenuItem::kImage, String(), image, icon, shortcut);
}

UIMenuItem* UIMenu::addImageTextItem(const ImageSet& image, const String& text, const ImageSet& icon,
                                     const KeyShortcut& shortcut)
{
    return addNew(UIMenuItem::kImageAndText, text, image, icon, shortcut);
}

UIMenuItem* UIMenu::addItems(const StringList& texts)
{
    UIMenuItem* last = nullptr;
    for (const String& text : texts)
        last = addItem(text);
    return last;
}

UIMenuItem* UIMenu::addSeparator()
{
    auto* item = new UIMenuItem;
    item->setSeparator(true);
    item->setEnabled(false);
    appendItem(item);
    return item;
}

int UIMenu::appendItem(UIMenuItem* item)
{
    if (!item)
        return -1;
    m_items.append(item);
    item->setMenu(this);
    if (UIMenu* sub = item->subMenu()) {
        if (sub->parentWidget() != this)
            sub->setParent(this);
        sub->setParentItem(item);
    }
    update();
    return count() - 1;
}

void UIMenu::removeItem(int index)
{
    List<UIMenuItem*>::Node* node = m_items.nodeAt(index);
    if (!node)
        return;
    UIMenuItem* item = node->value;
    const int removed = std::max(index, 0);
    if (m_openSubMenu && m_openSubMenu == item->subMenu())
        closeOpenSubMenu();
    m_items.erase(node);
    // The hovered item keeps its place among the others; the removed one
    // leaves nothing hovered.
    if (m_hoveredIndex == removed)
        m_hoveredIndex = -1;
    else if (m_hoveredIndex > removed)
        --m_hoveredIndex;
    delete item;
    update();
}

void UIMenu::clear()
{
    closeOpenSubMenu();
    killTimer(kSubMenuTimerId);
    List<UIMenuItem*> items = m_items;
    m_items.clear();
    m_hoveredIndex = -1;
    for (UIMenuItem* item : items)
        delete item;
    update();
}

int UIMenu::indexOf(const UIMenuItem* item) const
{
    int index = 0;
    for (const UIMenuItem* each : m_items) {
        if (each == item)
            return index;
        ++index;
    }
    return -1;
}

UIMenuItem* UIMenu::item(int index) const
{
    List<UIMenuItem*>::Node* node = m_items.nodeAt(index);
    return node ? node->value : nullptr;
}

void UIMenu::setItemText(int index, const String& text)
{
    if (UIMenuItem* it = item(index))
        it->setText(text);
}

void UIMenu::setItemIcon(int index, const ImageSet& icon)
{
    if (UIMenuItem* it = item(index))
        it->setIcon(icon);
}

void UIMenu::setItemVisible(int index, bool on)
{
    UIMenuItem* it = item(index);
    if (!it)
        return;
    if (on)
        it->show();
    else
        it->hide();
    update();
}

bool UIMenu::isItemVisible(int index) const
{
    const UIMenuItem* it = item(index);
    return it && it->isVisible();
}

void UIMenu::setItemCheckable(int index, bool on)
{
    if (UIMenuItem* it = item(index))
        it->setCheckable(on);
}

bool UIMenu::isItemCheckable(int index) const
{
    const UIMenuItem* it = item(index);
    return it && it->isCheckable();
}

void UIMenu::setItemChecked(int index, bool on)
{
    if (UIMenuItem* it = item(index))
        it->setChecked(on);
}

bool UIMenu::isItemChecked(int index) const
{
    const UIMenuItem* it = item(index);
    return it && it->isChecked();
}

void UIMenu::setItemEnabled(int index, bool on)
{
    if (UIMenuItem* it = item(index))
        it->setEnabled(on);
}

bool UIMenu::isItemEnabled(int index) const
{
    const UIMenuItem* it = item(index);
    return it && it->isEnabled();
}

void UIMenu::setItemSubMenu(int index, UIMenu* menu)
{
    UIMenuItem* it = item(index);
    if (!it)
        return;
    if (m_openSubMenu && m_openSubMenu == it->subMenu())
        closeOpenSubMenu();
    it->setSubMenu(menu);
}

UIMenu* UIMenu::itemSubMenu(int index) const
{
    const UIMenuItem* it = item(index);
    return it ? it->subMenu() : nullptr;
}

void UIMenu::setAllItemsCheckable(bool on)
{
    for (UIMenuItem* it : m_items) {
        if (!it->isSeparator())
            it->setCheckable(on);
    }
}

void UIMenu::setAllItemsCheckType(int type)
{
    for (UIMenuItem* it : m_items) {
        if (!it->isSeparator() && it->isCheckable())
            it->setCheckType(type);
    }
}

void UIMenu::hideSubMenus()
{
    for (UIMenuItem* it : m_items) {
        if (it->subMenu() && it->subMenu()->isVisible())
            it->subMenu()->hide();
    }
}

bool UIMenu::hasSubMenus() const
{
    for (const UIMenuItem* it : m_items) {
        if (it->subMenu())
            return true;
    }
    return false;
}

bool UIMenu::isSubMenuOpen(bool requireActive) const
{
    for (const UIMenuItem* it : m_items) {
        const UIMenu* sub = it->subMenu();
        if (sub && sub->isVisible() && (!requireActive || sub->isActiveWindow()))
            return true;
    }
    return false;
}

UIMenu* UIMenu::parentMenu() const
{
    UIWidget* parent = parentWidget();
    if (!parent || parent->styleName() != styleName())
        return nullptr;
    return static_cast<UIMenu*>(parent);
}

bool UIMenu::isParentMenuOpen(bool requireActive) const
{
    const UIMenu* parent = parentMenu();
    return parent && parent->isVisible() && (!requireActive || parent->isActiveWindow());
}

void UIMenu::closeParentMenu()
{
    UIMenu* parent = parentMenu();
    if (parent && parent->isVisible())
        parent->hide();
}

void UIMenu::closeMenuChain()
{
    // From the top down, so that no menu takes the focus back from a menu
    // that is about to go.
    UIMenu* root = rootMenu();
    UIWidgetGuard guard(root);
    root->hide();
    for (UIMenu* menu = this; menu && menu != root; menu = menu->parentMenu()) {
        if (menu->isVisible())
            menu->hide();
    }
}

UIMenu* UIMenu::rootMenu()
{
    UIMenu* menu = this;
    while (UIMenu* parent = menu->parentMenu())
        menu = parent;
    return menu;
}

int UIMenu::indexInParent() const
{
    const UIMenu* parent = parentMenu();
    return parent && m_parentItem ? parent->indexOf(m_parentItem) : -1;
}

UIMenuItem* UIMenu::itemAt(const Point& point) const
{
    const int index = indexAt(point);
    return index < 0 ? nullptr : item(index);
}

int UIMenu::indexAt(const Point& point) const
{
    int index = 0;
    for (const UIMenuItem* it : m_items) {
        if (it->isVisible() && it->rect().contains(point))
            return index;
        ++index;
    }
    return -1;
}

bool UIMenu::showsIconColumn() const
{
    if (m_style.forceIconSpace)
        return true;
    for (const UIMenuItem* it : m_items) {
        if (it->isVisible() && (!it->icon().isNull() || it->isCheckable()))
            return true;
    }
    return false;
}

int UIMenu::lineHeight() const
{
    return FontMetrics(m_style.font, nullptr).height();
}

int UIMenu::separatorHeight() const
{
    return m_style.itemPadding.top + m_style.itemPadding.bottom + m_skins[kItemSeparator].frameHeight();
}

int UIMenu::itemHeight(const UIMenuItem& item) const
{
    if (item.isSeparator())
        return separatorHeight();
    return lineHeight() + m_style.itemPadding.top + m_style.itemPadding.bottom;
}

Size UIMenu::sizeHint() const
{
    const bool iconColumn = showsIconColumn();
    int width = 0;
    int height = 0;
    for (const UIMenuItem* it : m_items) {
        if (!it->isVisible())
            continue;
        height += itemHeight(*it);
        if (it->isSeparator())
            continue;
        int w = m_style.itemPadding.left + m_style.itemPadding.right;
        if (iconColumn)
            w += m_style.itemIconSpace;
        const int words = textWidth(m_style.font, it->text());
        if (it->kind() == UIMenuItem::kText)
            w += words;
        else if (it->kind() == UIMenuItem::kImage)
            w += it->image().width();
        else
            w += it->image().width() + m_style.spacingBetweenImageAndText + words;
        if (it->isShortcutVisible())
            w += textWidth(m_style.font, it->shortcutText());
        if (it->subMenu())
            w += m_style.itemArrowSpace;
        width = std::max(width, w);
    }
    return Size(width + m_style.padding.left + m_style.padding.right,
                height + m_style.padding.top + m_style.padding.bottom);
}

void UIMenu::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIMenu::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UIMenu::setVisible(bool visible)
{
    if (visible) {
        UIWidget::setVisible(true);
        return;
    }
    if (!isVisible())
        return;
    closeOpenSubMenu();
    hideSubMenus();
    UIWidget::setVisible(false);
    killTimer(kSubMenuTimerId);
    m_hoveredIndex = -1;
    if (UIWidget* parent = parentWidget()) {
        if (UIWidget* owner = parent->window()) {
            owner->setWindowFlag(UINativeWindow::kKeepsActiveLook, false);
            owner->setWindowFlag(UINativeWindow::kShowInactive, false);
        }
    }
}

void UIMenu::popup(const Point& globalPos)
{
    if (!isEnabled() || isEmpty())
        return;
    UIWidgetGuard guard(this);
    if (UIWidget* parent = parentWidget()) {
        if (UIWidget* owner = parent->window())
            owner->setWindowFlag(UINativeWindow::kKeepsActiveLook, true);
    }
    aboutToShow.emitValue(this);
    if (!guard.isAlive() || isEmpty())
        return;
    relayout();
    const Size size = effectiveSizeHint();
    resizeTo(size);
    const Rect placed = parentMenu() ? placeSubMenu(globalPos, size) : placeTopLevel(globalPos, size);
    moveTo(placed.topLeft());
    show();
    setFocus();
    update();
}

Rect UIMenu::placeSubMenu(const Point& point, const Size& size) const
{
    const Rect area = UIWorkArea::at(point);
    Rect placed(point.x, point.y - m_style.padding.top, size.width, size.height);
    const UIMenu* parent = parentMenu();
    if (area.isEmpty() || !parent || !m_parentItem)
        return placed;
    const Rect itemRect = m_parentItem->rect();
    const Point itemTop = parent->mapToGlobal(itemRect.topLeft());
    if (int64_t(point.x) + size.width > rightOf(area))
        placed.x = itemTop.x - size.width;
    if (int64_t(point.y) + size.height > bottomOf(area))
        placed.y = itemTop.y + itemRect.height - size.height + m_style.padding.bottom;
    return UIWorkArea::keepInside(area, placed);
}

Rect UIMenu::placeTopLevel(const Point& point, const Size& size) const
{
    const Rect area = UIWorkArea::at(point);
    const Rect wanted(point.x, point.y, size.width, size.height);
    if (area.isEmpty())
        return wanted;
    const Rect inner =
        Screen::shrink(area, Screen::Margins{m_style.desktopPadding.left, m_style.desktopPadding.top,
                                             m_style.desktopPadding.right, m_style.desktopPadding.bottom});
    const UIWidget* parent = parentWidget();
    const bool fromBar =
        parent && (parent->styleName() == kMenuBarStyle || parent->styleName() == kToolBarStyle);
    if (!fromBar)
        return UIWorkArea::keepInside(inner, Screen::fitInArea(inner, wanted, 0, true));
    // A drop-down that does not fit below its bar opens above it when there
    // is more room there.
    Rect placed = wanted;
    if (bottomOf(wanted) > bottomOf(inner)) {
        const int barTop = parent->mapToGlobal(Point(0, 0)).y;
        const int64_t roomBelow = bottomOf(inner) - point.y;
        const int64_t roomAbove = int64_t(barTop) - inner.y;
        if (roomAbove > roomBelow)
            placed.y = barTop - size.height;
    }
    return UIWorkArea::keepInside(inner, placed);
}

void UIMenu::layoutItems()
{
    m_showIconColumn = showsIconColumn();
    int y = m_style.padding.top;
    const int x = m_style.padding.left;
    const int w = width() - m_style.padding.left - m_style.padding.right;
    for (UIMenuItem* it : m_items) {
        if (!it->isVisible())
            continue;
        const int h = itemHeight(*it);
        it->setRect(Rect(x, y, w, h));
        y += h;
    }
}

void UIMenu::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIMenu::draw(Painter& painter)
{
    const Rect r = rect();
    painter.fillRect(r, m_style.background);
    painter.setPen(Pen(m_style.borderColor));
    painter.setBrush(Brush());
    painter.drawRect(Rect(0, 0, r.width - 1, r.height - 1));
    layoutItems();
    const UIMargins& pad = m_style.padding;
    const UISkinImage& line = m_skins[kVerticalLine];
    if (m_showIconColumn)
        line.draw(painter,
                  Rect(pad.left + m_style.itemIconSpace, pad.top, line.frameWidth(),
                       height() - pad.top - pad.bottom),
                  0, UISkinImage::kAllCells);
    int index = 0;
    for (UIMenuItem* it : m_items) {
        if (it->isVisible()) {
            const Rect& at = it->rect();
            if (it->isSeparator()) {
                int w = at.width;
                if (m_showIconColumn)
                    w -= m_style.itemIconSpace + line.frameWidth();
                const UISkinImage& separator = m_skins[kItemSeparator];
                const Rect target = at.align(Rect(0, 0, w, separator.frameHeight()), kRightCentred, true);
                separator.draw(painter, target, 0, UISkinImage::kAllCells);
            } else {
                const UIMargins& ip = m_style.itemPadding;
                paintItem(painter, *it, index,
                          Rect(at.x + ip.left, at.y + ip.top, at.width - ip.left - ip.right,
                               at.height - ip.top - ip.bottom));
            }
        }
        ++index;
    }
}

void UIMenu::paintItem(Painter& painter, UIMenuItem& item, int index, const Rect& content)
{
    const bool hovered = index == m_hoveredIndex;
    const bool enabled = item.isEnabled();
    if (hovered)
        m_skins[kHoveredItemBackground].draw(painter, item.rect(), 0, UISkinImage::kAllCells);
    Rect c = content;
    if (m_showIconColumn) {
        const Rect column(c.x, c.y, m_style.itemIconSpace, c.height);
        if (item.isCheckable()) {
            if (item.isChecked()) {
                const UISkinImage& mark =
                    m_skins[item.checkType() == UIMenuItem::kCheckMark ? kItemCheckIndicator
                                                                       : kItemRadioIndicator];
                const int frame = !isEnabled() ? kDisabledFrame : hovered ? kHoveredFrame : kNormalFrame;
                mark.drawAligned(painter, column, kLeftCentred, frame, nullptr);
            }
        } else if (!item.icon().isNull()) {
            item.icon().draw(painter, column, kLeftCentred, enabled ? 0 : 1);
        }
        c.x += m_style.itemIconSpace;
        c.width -= m_style.itemIconSpace;
    }
    int textX = c.x;
    if (item.kind() == UIMenuItem::kImage || item.kind() == UIMenuItem::kImageAndText) {
        item.image().draw(painter, c, kLeftCentred, enabled ? 0 : 1);
        if (item.kind() == UIMenuItem::kImageAndText)
            textX += item.image().width() + m_style.spacingBetweenImageAndText;
    }
    painter.setFont(m_style.font);
    if (item.kind() != UIMenuItem::kImage) {
        const Rect textRect(textX, c.y, c.x + c.width - textX, c.height);
        if (enabled) {
            painter.setPen(hovered ? m_style.hoveredShadowForeground : m_style.shadowForeground);
            painter.drawText(item.text(), movedBy(textRect, m_style.shadowOffset), kLeftCentred, 0, true,
                             nullptr);
            painter.setPen(hovered ? m_style.hoveredForeground : m_style.foreground);
        } else {
            painter.setPen(m_style.disabledForeground);
        }
        painter.drawText(item.text(), textRect, kLeftCentred, 0, true, nullptr);
    }
    if (item.isShortcutVisible() && !item.shortcutText().isEmpty()) {
        const Rect shortcutRect(c.x, c.y, c.width - m_style.itemArrowSpace - m_style.padding.right, c.height);
        painter.drawText(item.shortcutText(), shortcutRect, kRightCentred, 0, true, nullptr);
    }
    if (item.subMenu()) {
        const int frame = !enabled ? kDisabledFrame : hovered ? kHoveredFrame : kNormalFrame;
        m_skins[kItemArrow].drawAligned(painter, Rect(c.x, c.y, c.width - m_style.padding.right, c.height),
                                        kRightCentred, frame, nullptr);
    }
}

bool UIMenu::isNavigable(const UIMenuItem* item) const
{
    return item && item->isVisible() && item->isEnabled() && !item->isSeparator();
}

int UIMenu::firstNavigableIndex() const
{
    return stepHover(-1, 1);
}

int UIMenu::stepHover(int from, int step) const
{
    const int n = count();
    if (n == 0)
        return -1;
    int index = from;
    if (index < 0 || index >= n)
        index = step > 0 ? -1 : n;
    for (int tries = 0; tries < n; ++tries) {
        index = (index + step + n) % n;
        if (isNavigable(item(index)))
            return index;
    }
    return -1;
}

void UIMenu::moveHover(int step)
{
    const int next = stepHover(m_hoveredIndex, step);
    if (next >= 0 && next != m_hoveredIndex)
        setHoveredIndex(next);
}

void UIMenu::setHoveredIndex(int index)
{
    m_hoveredIndex = index;
    update();
    // Each menu of the chain opens and closes its own sub-menus after the
    // delay, so that a sub-menu of a sub-menu opens by hovering too.
    restartSubMenuTimer();
    UIMenu* parent = parentMenu();
    if (parent && parent->isVisible()) {
        const int inParent = indexInParent();
        if (parent->m_hoveredIndex != inParent)
            parent->setHoveredIndex(inParent);
    }
}

void UIMenu::restartSubMenuTimer()
{
    killTimer(kSubMenuTimerId);
    startTimer(kSubMenuTimerId, uint32_t(std::max(SystemServices::menuShowDelay(), 1)));
}

void UIMenu::closeOpenSubMenu()
{
    UIMenu* open = m_openSubMenu;
    m_openSubMenu = nullptr;
    if (open && open->isVisible())
        open->hide();
}

void UIMenu::takeFocusBack()
{
    if (!isActiveWindow())
        setWindowState(UINativeWindow::kActiveState);
    setFocus();
}

void UIMenu::openSubMenuOf(UIMenuItem* item, bool byKey)
{
    UIMenu* sub = item->subMenu();
    if (!sub)
        return;
    if (sub->isVisible()) {
        sub->setWindowState(UINativeWindow::kActiveState);
        sub->setFocus();
        return;
    }
    layoutItems();
    const Rect& at = item->rect();
    m_openSubMenu = sub;
    // Activating the sub-menu takes the focus from this menu: that focus-out
    // must not close it.
    m_openingSubMenu = true;
    UIWidgetGuard guard(this);
    sub->popup(mapToGlobal(Point(at.x + at.width, at.y)));
    if (!guard.isAlive())
        return;
    m_openingSubMenu = false;
    if (byKey)
        sub->hoverFirstItem();
}

void UIMenu::hoverFirstItem()
{
    const int first = firstNavigableIndex();
    if (isVisible() && m_hoveredIndex < 0 && first >= 0)
        setHoveredIndex(first);
}

void UIMenu::activateItem(UIMenuItem* item)
{
    if (!item || item->isSeparator() || !item->isEnabled())
        return;
    const int index = indexOf(item);
    if (index < 0)
        return;
    UIWidgetGuard guard(this);
    if (!item->subMenu()) {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        closeMenuChain();
    } else {
        if (m_openSubMenu && m_openSubMenu != item->subMenu()) {
            takeFocusBack();
            closeOpenSubMenu();
        }
        openSubMenuOf(item, false);
    }
    if (!guard.isAlive())
        return;
    // The item may go in a slot of the menu's signal.
    triggered.emitValue(intptr_t(index));
    if (guard.isAlive() && indexOf(item) == index)
        item->triggered.emit();
}

void UIMenu::keyPressEvent(UIEvent* event)
{
    const int key = static_cast<UIKeyEvent*>(event)->key();
    UIMenuItem* hovered = m_hoveredIndex >= 0 ? item(m_hoveredIndex) : nullptr;
    switch (key) {
    case kEnterKey: {
        UIWidgetGuard guard(this);
        activateItem(hovered);
        // A sub-menu opened by the key hovers its first item.
        if (guard.isAlive() && indexOf(hovered) >= 0 && hovered->subMenu())
            hovered->subMenu()->hoverFirstItem();
        return;
    }
    case kEscapeKey:
    case kLeftKey:
        if (UIMenu* parent = parentMenu()) {
            // The parent takes the focus first: this menu's focus-out must
            // find it active and leave it open.
            parent->takeFocusBack();
            parent->closeOpenSubMenu();
            if (isVisible())
                hide();
            return;
        }
        if (key == kEscapeKey)
            hide();
        else
            passToBar(key);
        return;
    case kRightKey:
        if (hovered && hovered->subMenu() && hovered->isEnabled()) {
            openSubMenuOf(hovered, true);
            return;
        }
        rootMenu()->passToBar(key);
        return;
    case kUpKey:
        moveHover(-1);
        return;
    case kDownKey:
        moveHover(1);
        return;
    default:
        return;
    }
}

bool UIMenu::passToBar(int key)
{
    UIWidget* parent = parentWidget();
    if (!parent || parent->styleName() != kMenuBarStyle)
        return false;
    return static_cast<UIMenuBar*>(parent)->openNeighbourOf(this, key == kRightKey ? 1 : -1);
}

void UIMenu::mouseReleaseEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != 1)
        return;
    layoutItems();
    activateItem(itemAt(mouse->position()));
}

void UIMenu::mouseMoveEvent(UIEvent* event)
{
    layoutItems();
    const int index = indexAt(static_cast<UIMouseEvent*>(event)->position());
    if (index == m_hoveredIndex)
        return;
    setHoveredIndex(isNavigable(item(index)) && index >= 0 ? index : -1);
}

void UIMenu::mouseLeaveEvent(UIEvent*)
{
    const UIMenuItem* hovered = m_hoveredIndex >= 0 ? item(m_hoveredIndex) : nullptr;
    if (hovered && hovered->subMenu() && hovered->subMenu()->isVisible())
        return;
    if (m_hoveredIndex != -1) {
        m_hoveredIndex = -1;
        update();
    }
}

void UIMenu::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kSubMenuTimerId)
        return;
    killTimer(kSubMenuTimerId);
    UIMenuItem* hovered = m_hoveredIndex >= 0 ? item(m_hoveredIndex) : nullptr;
    if (m_openSubMenu && m_openSubMenu->isVisible() && hovered && m_openSubMenu == hovered->subMenu())
        return;
    if (m_openSubMenu) {
        takeFocusBack();
        closeOpenSubMenu();
    }
    if (hovered && hovered->subMenu() && hovered->isEnabled())
        openSubMenuOf(hovered, false);
}

void UIMenu::focusOutEvent(UIEvent*)
{
    if (m_openingSubMenu)
        return;
    UIMenu* parent = parentMenu();
    if (parent && parent->isVisible()) {
        // Focus that left the whole chain of menus closes all of it.
        if (!parent->isActiveWindow() && !parent->isSubMenuOpen(true) && !isSubMenuOpen(true))
            closeMenuChain();
        return;
    }
    if (isSubMenuOpen(true))
        return;
    hide();
}
