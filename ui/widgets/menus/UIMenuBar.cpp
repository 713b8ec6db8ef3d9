#include "ui/widgets/menus/UIMenuBar.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/widgets/menus/UIMenu.h"

namespace {

const char16_t* const kSkinNames[] = {u"UIMenuBar_Background"};

using Style = UIMenuBar::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"itemPadding", [](Style& s, const String& v) { s.itemPadding = parseStyleMargins(v); }},
    {u"hoveredItemForeground", [](Style& s, const String& v) { s.hoveredItemForeground = parseStylePen(v); }},
    {u"hoveredItemShadowForeground",
     [](Style& s, const String& v) { s.hoveredItemShadowForeground = parseStylePen(v); }},
    {u"hoveredItemBackground",
     [](Style& s, const String& v) { s.hoveredItemBackground = parseStyleBrush(v); }},
    {u"selectedItemForeground",
     [](Style& s, const String& v) { s.selectedItemForeground = parseStylePen(v); }},
    {u"selectedItemShadowForeground",
     [](Style& s, const String& v) { s.selectedItemShadowForeground = parseStylePen(v); }},
    {u"selectedItemBackground",
     [](Style& s, const String& v) { s.selectedItemBackground = parseStyleBrush(v); }},
};

constexpr uint32_t kCentred = Rect::kAlignVCenter | Rect::kAlignHCenter;

} // namespace

UIMenuBar::UIMenuBar(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIMenuBar"));
    setFlag(kTransparent, false);
    setFlag(kHoverTracking, true);
    setFocusPolicy(kClickFocus | kTabFocus);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
}

UIMenuBar::~UIMenuBar()
{
    killTimer(kWatchTimerId);
    for (UIMenuBarItem* it : m_items)
        delete it;
}

UIStyleNames UIMenuBar::styleNames()
{
    return UIStyleNames{String(u"UIMenuBar"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

UIMenuBarItem* UIMenuBar::addItem(const String& text)
{
    auto* it = new UIMenuBarItem;
    it->setBar(this);
    it->UIItem::setText(text);
    m_items.append(it);
    update();
    return it;
}

UIMenuBarItem* UIMenuBar::item(int index) const
{
    List<UIMenuBarItem*>::Node* node = m_items.nodeAt(index);
    return node ? node->value : nullptr;
}

int UIMenuBar::indexOf(const UIMenuBarItem* item) const
{
    int index = 0;
    for (const UIMenuBarItem* it : m_items) {
        if (it == item)
            return index;
        ++index;
    }
    return -1;
}

void UIMenuBar::setItemText(int index, const String& text)
{
    if (UIMenuBarItem* it = item(index))
        it->setText(text);
}

void UIMenuBar::setItemVisible(int index, bool on)
{
    UIMenuBarItem* it = item(index);
    if (!it || it->isVisible() == on)
        return;
    it->setVisible(on);
    if (!on) {
        it->setRect(Rect());
        if (m_hoveredItem == it)
            m_hoveredItem = nullptr;
        if (m_openItem == it)
            openItem(nullptr);
    }
    update();
}

bool UIMenuBar::isItemVisible(int index) const
{
    const UIMenuBarItem* it = item(index);
    return it && it->isVisible();
}

void UIMenuBar::setItemEnabled(int index, bool on)
{
    UIMenuBarItem* it = item(index);
    if (!it || it->isEnabled() == on)
        return;
    it->setEnabled(on);
    if (!on && m_openItem == it)
        openItem(nullptr);
    update();
}

bool UIMenuBar::isItemEnabled(int index) const
{
    const UIMenuBarItem* it = item(index);
    return it && it->isEnabled();
}

bool UIMenuBar::isAnyMenuVisible() const
{
    for (const UIMenuBarItem* it : m_items) {
        if (it->menu() && it->menu()->isVisible())
            return true;
    }
    return false;
}

bool UIMenuBar::canOpen(const UIMenuBarItem* item) const
{
    return item && item->menu() && item->isVisible() && item->isEnabled();
}

void UIMenuBar::openItem(UIMenuBarItem* item)
{
    if (item == m_openItem)
        return;
    UIWidgetGuard guard(this);
    if (m_openItem && m_openItem->menu()) {
        killTimer(kWatchTimerId);
        UIMenu* open = m_openItem->menu();
        m_openItem = nullptr;
        open->hide();
        if (!guard.isAlive())
            return;
    }
    if (!canOpen(item)) {
        m_openItem = nullptr;
        update();
        return;
    }
    layoutItems();
    m_openItem = item;
    const Rect& at = item->rect();
    item->menu()->popup(mapToGlobal(Point(at.x, at.y + at.height)));
    if (!guard.isAlive())
        return;
    startTimer(kWatchTimerId, kDefaultInterval);
    update();
}

bool UIMenuBar::openNeighbourOf(const UIMenu* menu, int step)
{
    int from = -1;
    int index = 0;
    for (const UIMenuBarItem* it : m_items) {
        if (it->menu() == menu)
            from = index;
        ++index;
    }
    const int n = count();
    if (from < 0 || n < 2)
        return false;
    for (int i = 1; i < n; ++i) {
        UIMenuBarItem* next = item(((from + step * i) % n + n) % n);
        if (!canOpen(next))
            continue;
        UIWidgetGuard guard(this);
        openItem(next);
        if (guard.isAlive() && m_openItem == next)
            next->menu()->hoverFirstItem();
        return true;
    }
    return false;
}

UIMenuBarItem* UIMenuBar::itemAt(const Point& point) const
{
    for (UIMenuBarItem* it : m_items) {
        if (it->isVisible() && it->rect().contains(point))
            return it;
    }
    return nullptr;
}

int UIMenuBar::itemWidth(const UIMenuBarItem& item) const
{
    const String& text = item.text();
    const int words =
        text.isEmpty() ? 0 : FontMetrics(m_style.font, nullptr).textWidth(text.data(), text.length(), false);
    return m_style.itemPadding.left + m_style.itemPadding.right + words;
}

void UIMenuBar::layoutItems()
{
    int x = 0;
    for (UIMenuBarItem* it : m_items) {
        if (!it->isVisible()) {
            it->setRect(Rect());
            continue;
        }
        const int w = itemWidth(*it);
        it->setRect(Rect(x, 0, w, height()));
        x += w;
    }
}

void UIMenuBar::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIMenuBar::setSkinImage(const UISkinImage& image, const String& name)
{
    if (skinImageIndex(kSkinNames, name) == 0)
        m_background = image;
}

void UIMenuBar::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIMenuBar::draw(Painter& painter)
{
    painter.fillRect(rect(), m_style.background);
    if (!m_background.isNull())
        m_background.draw(painter, rect(), 0, UISkinImage::kAllCells);
    painter.setFont(m_style.font);
    layoutItems();
    for (const UIMenuBarItem* it : m_items) {
        if (!it->isVisible())
            continue;
        const Rect& at = it->rect();
        const Pen* text = &m_style.foreground;
        const Pen* shadow = &m_style.shadowForeground;
        if (it == m_openItem) {
            painter.fillRect(at, m_style.selectedItemBackground);
            text = &m_style.selectedItemForeground;
            shadow = &m_style.selectedItemShadowForeground;
        } else if (it == m_hoveredItem) {
            painter.fillRect(at, m_style.hoveredItemBackground);
            text = &m_style.hoveredItemForeground;
            shadow = &m_style.hoveredItemShadowForeground;
        }
        painter.setPen(*shadow);
        painter.drawText(
            it->text(),
            Rect(at.x + m_style.shadowOffset.x, at.y + m_style.shadowOffset.y, at.width, at.height), kCentred,
            0, true, nullptr);
        painter.setPen(*text);
        painter.drawText(it->text(), at, kCentred, 0, true, nullptr);
    }
}

void UIMenuBar::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != 1)
        return;
    layoutItems();
    openItem(itemAt(mouse->position()));
}

void UIMenuBar::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIMenuBar::mouseLeaveEvent(UIEvent*)
{
    m_hoveredItem = nullptr;
    update();
}

void UIMenuBar::mouseMoveEvent(UIEvent* event)
{
    layoutItems();
    UIMenuBarItem* over = itemAt(static_cast<UIMouseEvent*>(event)->position());
    if (over != m_hoveredItem) {
        m_hoveredItem = over;
        update();
    }
    if (m_openItem && over && over != m_openItem && canOpen(over))
        openItem(over);
}

void UIMenuBar::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kWatchTimerId || isAnyMenuVisible())
        return;
    killTimer(kWatchTimerId);
    if (!m_openItem)
        return;
    UIMenuBarItem* open = m_openItem;
    m_openItem = nullptr;
    if (open->menu())
        open->menu()->hide();
    update();
}
