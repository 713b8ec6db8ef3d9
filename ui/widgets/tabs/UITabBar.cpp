#include "ui/widgets/tabs/UITabBar.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {u"UITabBar_Separator", u"UITabBar_ItemBackground"};

using Style = UITabBar::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
    {u"itemIconAndTextSpacing", [](Style& s, const String& v) { s.iconAndTextSpacing = parseStyleInt(v); }},
    {u"itemSpacing", [](Style& s, const String& v) { s.itemSpacing = parseStyleInt(v); }},
    {u"itemHorizontalShift", [](Style& s, const String& v) { s.itemHorizontalShift = parseStyleInt(v); }},
    {u"itemVerticalShift", [](Style& s, const String& v) { s.itemVerticalShift = parseStyleInt(v); }},
    {u"itemPadding", [](Style& s, const String& v) { s.itemPadding = parseStyleMargins(v); }},
    {u"itemOverlapSize", [](Style& s, const String& v) { s.itemOverlapSize = parseStyleInt(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"minimumHeight", [](Style& s, const String& v) { s.minimumHeight = parseStyleInt(v); }},
};

constexpr uint32_t kLeftColumns = 0x1E3;
constexpr uint32_t kRightColumns = 0x13E;
constexpr uint32_t kMiddleColumn = 0x122;
constexpr uint32_t kLeftCentred = Rect::kAlignLeft | Rect::kAlignVCenter;

} // namespace

UITabBar::UITabBar(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UITabBar"));
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setFlag(kTransparent | kHoverTracking, true);
    setFocusPolicy(kClickFocus | kTabFocus);
    setLayoutAlignment(Rect::kAlignHCenter | Rect::kAlignVCenter);
}

UITabBar::~UITabBar()
{
    for (UITabBarItem* tab : m_tabs)
        delete tab;
}

UIStyleNames UITabBar::styleNames()
{
    return UIStyleNames{String(u"UITabBar"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UITabBar::addTab(const ImageSet& icon, const String& text)
{
    auto* tab = new UITabBarItem(text, icon);
    tab->setBar(this);
    m_tabs.append(tab);
    if (m_exclusive && m_currentIndex == -1)
        setCurrentIndex(count() - 1);
}

void UITabBar::removeTab(int index)
{
    List<UITabBarItem*>::Node* node = m_tabs.nodeAt(index);
    if (!node || index < 0)
        return;
    delete node->value;
    m_tabs.erase(node);
    m_hoveredIndex = -1;
    if (index < m_currentIndex) {
        --m_currentIndex;
        update();
        return;
    }
    if (index != m_currentIndex) {
        update();
        return;
    }
    // Forget the removed tab first, so that choosing its successor counts as
    // a change.
    m_currentIndex = -1;
    if (m_exclusive && !isEmpty())
        setCurrentIndex(0);
    if (m_currentIndex == -1) {
        update();
        currentChanged.emitValue(intptr_t(-1));
    }
}

int UITabBar::visibleCount() const
{
    int visible = 0;
    for (UITabBarItem* tab : m_tabs)
        visible += tab->isVisible() ? 1 : 0;
    return visible;
}

UITabBarItem* UITabBar::tab(int index) const
{
    List<UITabBarItem*>::Node* node = m_tabs.nodeAt(index);
    return node ? node->value : nullptr;
}

Rect UITabBar::tabRect(int index) const
{
    const UITabBarItem* item = tab(index);
    return item ? item->rect() : Rect();
}

void UITabBar::setTabText(int index, const String& text)
{
    if (UITabBarItem* item = tab(index)) {
        item->setText(text);
        update();
    }
}

String UITabBar::tabText(int index) const
{
    const UITabBarItem* item = tab(index);
    return item ? item->text() : String();
}

void UITabBar::setTabIcon(int index, const ImageSet& icon)
{
    if (UITabBarItem* item = tab(index)) {
        item->setIcon(icon);
        update();
    }
}

ImageSet UITabBar::tabIcon(int index) const
{
    const UITabBarItem* item = tab(index);
    return item ? item->icon() : ImageSet();
}

void UITabBar::setTabToolTip(int index, const String& text)
{
    if (UITabBarItem* item = tab(index))
        item->setToolTip(text);
}

String UITabBar::tabToolTip(int index) const
{
    const UITabBarItem* item = tab(index);
    return item ? item->toolTip() : String();
}

void UITabBar::setTabVisible(int index, bool on)
{
    if (UITabBarItem* item = tab(index))
        item->setVisible(on);
}

bool UITabBar::isTabVisible(int index) const
{
    const UITabBarItem* item = tab(index);
    return item && item->isVisible();
}

void UITabBar::setTabEnabled(int index, bool on)
{
    UITabBarItem* item = tab(index);
    if (!item || item->isEnabled() == on)
        return;
    item->setEnabled(on);
    update();
}

void UITabBar::setTabSelectable(int index, bool on)
{
    if (UITabBarItem* item = tab(index))
        item->setSelectable(on);
}

void UITabBar::setTabUserData(int index, uint64_t value)
{
    if (UITabBarItem* item = tab(index))
        item->setUserData(value);
}

void UITabBar::setTabFlag(int index, bool on)
{
    if (UITabBarItem* item = tab(index))
        item->setFlag(on);
}

void UITabBar::setAllTabsSelectable(bool on)
{
    for (UITabBarItem* item : m_tabs)
        item->setSelectable(on);
}

void UITabBar::setCurrentIndex(int index)
{
    if (index != -1) {
        const UITabBarItem* item = tab(index);
        if (!item || index < 0 || !item->isSelectable() || !item->isEnabled())
            return;
    }
    if (m_exclusive) {
        if (index == m_currentIndex)
            return;
        m_currentIndex = index;
    } else {
        m_currentIndex = index == m_currentIndex ? -1 : index;
    }
    update();
    currentChanged.emitValue(intptr_t(m_currentIndex));
}

UITabBarItem* UITabBar::tabAt(const Point& point) const
{
    const int index = indexAt(point);
    return index < 0 ? nullptr : tab(index);
}

int UITabBar::indexAt(const Point& point) const
{
    int index = 0;
    for (const UITabBarItem* item : m_tabs) {
        if (item->rect().contains(point))
            return index;
        ++index;
    }
    return -1;
}

int UITabBar::tabWidth(const UITabBarItem& tab) const
{
    int width = m_style.itemPadding.left + m_style.itemPadding.right;
    const bool hasIcon = !tab.icon().isNull();
    if (m_tabStyle != kTextOnly && hasIcon)
        width += tab.icon().width();
    if (m_tabStyle == kIconAndText && hasIcon)
        width += m_style.iconAndTextSpacing;
    if (m_tabStyle != kIconOnly && !tab.text().isEmpty())
        width += FontMetrics(m_style.font, nullptr).textWidth(tab.text().data(), tab.text().length(), false);
    return width;
}

Size UITabBar::sizeHint() const
{
    int width = 0;
    int iconHeight = 0;
    for (const UITabBarItem* item : m_tabs) {
        if (!item->isVisible())
            continue;
        width += tabWidth(*item);
        iconHeight = std::max(iconHeight, item->icon().height());
    }
    const int visible = visibleCount();
    if (visible > 1)
        width += (visible - 1) * m_style.itemSpacing;
    const int textHeight = FontMetrics(m_style.font, nullptr).height();
    int height = m_tabStyle == kTextOnly   ? textHeight
                 : m_tabStyle == kIconOnly ? iconHeight
                                           : std::max(textHeight, iconHeight);
    height += m_style.itemPadding.top + m_style.itemPadding.bottom;
    return Size(width, std::max(height, m_style.minimumHeight));
}

Rect UITabBar::stripRect()
{
    const Size hint = effectiveSizeHint();
    return rect().align(Rect(0, 0, hint.width, hint.height), m_stripAlignment, true);
}

void UITabBar::layoutTabs()
{
    const Rect strip = stripRect();
    int x = strip.x;
    for (UITabBarItem* item : m_tabs) {
        if (!item->isVisible()) {
            item->setRect(Rect());
            continue;
        }
        const int width = tabWidth(*item);
        item->setRect(Rect(x, strip.y, width, strip.height));
        x += width + m_style.itemSpacing;
    }
}

int UITabBar::firstVisible() const
{
    int index = 0;
    for (const UITabBarItem* item : m_tabs) {
        if (item->isVisible())
            return index;
        ++index;
    }
    return -1;
}

int UITabBar::lastVisible() const
{
    int index = 0;
    int last = -1;
    for (const UITabBarItem* item : m_tabs) {
        if (item->isVisible())
            last = index;
        ++index;
    }
    return last;
}

int UITabBar::tabFrame(int index) const
{
    const UITabBarItem* item = tab(index);
    if (!item || !isEnabled() || !item->isEnabled())
        return kDisabledFrame;
    if (index == m_currentIndex && item->isSelectable())
        return kCurrentFrame;
    if (index == m_hoveredIndex)
        return isMouseDown() ? kPressedFrame : kHoveredFrame;
    return kNormalFrame;
}

uint32_t UITabBar::tabMask(int index) const
{
    // Hidden tabs take no room, so the edges go to the visible ends.
    const int first = firstVisible();
    const int last = lastVisible();
    if (first == last)
        return UISkinImage::kAllCells;
    if (index == first)
        return kLeftColumns;
    return index == last ? kRightColumns : kMiddleColumn;
}

void UITabBar::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UITabBar::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

String UITabBar::toolTip(const Point& point) const
{
    const UITabBarItem* item = tabAt(point);
    return item && item->isEnabled() ? item->toolTip() : String();
}

void UITabBar::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UITabBar::draw(Painter& painter)
{
    layoutTabs();
    int index = 0;
    const UITabBarItem* previous = nullptr;
    for (const UITabBarItem* item : m_tabs) {
        if (item->isVisible()) {
            const Rect& at = item->rect();
            if (previous && m_style.itemSpacing >= 1) {
                const bool dim = !isEnabled() || (!previous->isEnabled() && !item->isEnabled());
                m_skins[kSeparator].draw(
                    painter, Rect(at.x - m_style.itemSpacing, at.y, m_style.itemSpacing, at.height),
                    dim ? 1 : 0, UISkinImage::kAllCells);
            }
            if (index != m_currentIndex)
                paintTab(painter, index);
            previous = item;
        }
        ++index;
    }
    // Drawn last, over its neighbours.
    if (m_currentIndex >= 0 && isTabVisible(m_currentIndex))
        paintTab(painter, m_currentIndex);
}

void UITabBar::paintTab(Painter& painter, int index)
{
    const UITabBarItem* item = tab(index);
    const int frame = tabFrame(index);
    const Rect& at = item->rect();
    // The current tab, drawn over its neighbours, shows its whole frame: its
    // slice of the strip alone would leave its outline open at the sides.
    const uint32_t cells = index == m_currentIndex ? UISkinImage::kAllCells : tabMask(index);
    m_skins[kItemBackground].draw(painter, at, frame, cells);
    const bool disabled = frame == kDisabledFrame;
    int x = at.x + m_style.itemPadding.left;
    const bool hasIcon = !item->icon().isNull();
    if (m_tabStyle != kTextOnly && hasIcon) {
        const int state = disabled ? 1 : (frame == kPressedFrame || index == m_currentIndex ? 3 : 0);
        item->icon().draw(painter, Rect(x, at.y, item->icon().width(), at.height), kLeftCentred, state);
        x += item->icon().width();
    }
    if (m_tabStyle == kIconOnly || item->text().isEmpty())
        return;
    if (m_tabStyle == kIconAndText && hasIcon)
        x += m_style.iconAndTextSpacing;
    const Rect textRect(x, at.y, at.x + at.width - x, at.height);
    painter.setFont(m_style.font);
    painter.setPen(disabled ? m_style.disabledShadowForeground : m_style.shadowForeground);
    painter.drawText(item->text(),
                     textRect.adjusted(m_style.shadowOffset.x, m_style.shadowOffset.y, m_style.shadowOffset.x,
                                       m_style.shadowOffset.y),
                     kLeftCentred, 0, true, nullptr);
    painter.setPen(disabled ? m_style.disabledForeground : m_style.foreground);
    painter.drawText(item->text(), textRect, kLeftCentred, 0, true, nullptr);
}

void UITabBar::setHoveredIndex(int index)
{
    if (index == m_hoveredIndex)
        return;
    m_hoveredIndex = index;
    update();
}

void UITabBar::mousePressEvent(UIEvent*)
{
    update();
}

void UITabBar::clickEvent(UIEvent* event)
{
    layoutTabs();
    const int index = indexAt(static_cast<UIMouseEvent*>(event)->position());
    const UITabBarItem* item = tab(index);
    if (index < 0 || !item->isEnabled())
        return;
    if (item->isSelectable())
        setCurrentIndex(index);
    else
        update();
    tabClicked.emitValue(intptr_t(index));
}

void UITabBar::mouseEnterEvent(UIEvent* event)
{
    layoutTabs();
    setHoveredIndex(indexAt(static_cast<UIMouseEvent*>(event)->position()));
}

void UITabBar::mouseLeaveEvent(UIEvent*)
{
    setHoveredIndex(-1);
}

void UITabBar::mouseMoveEvent(UIEvent* event)
{
    layoutTabs();
    setHoveredIndex(indexAt(static_cast<UIMouseEvent*>(event)->position()));
}
