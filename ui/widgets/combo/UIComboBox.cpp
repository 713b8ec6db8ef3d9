#include "ui/widgets/combo/UIComboBox.h"

#include "foundation/time/Time.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListItem.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIScrollAreaLayout.h"
#include "ui/widgets/window/UIWindow.h"

#include <algorithm>

namespace {

using Style = UIComboBox::Style;

const char16_t* const kSkinNames[] = {u"UIComboBox_Background", u"UIComboBox_Arrow"};

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"minimumHeight", [](Style& s, const String& v) { s.minimumHeight = parseStyleInt(v); }},
    {u"minimumWidth", [](Style& s, const String& v) { s.minimumWidth = parseStyleInt(v); }},
    {u"maximumWidth", [](Style& s, const String& v) { s.maximumWidth = parseStyleInt(v); }},
    {u"spacing", [](Style& s, const String& v) { s.spacing = parseStyleInt(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"popupPadding", [](Style& s, const String& v) { s.popupPadding = parseStyleMargins(v); }},
    {u"popupBackground", [](Style& s, const String& v) { s.popupBackground = parseStyleBrush(v); }},
};

constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kRightButton = 2;
constexpr int kEnterKey = 13;
constexpr int kEscapeKey = 27;
constexpr int kSpaceKey = 32;
constexpr int kDownKey = 40;
constexpr int kKeypadTwoKey = 98;
constexpr int kWheelAway = 4;
constexpr uint32_t kActiveState = 1;
constexpr uint32_t kPopupState = 8;

// By code unit, a shorter text before a longer one it begins.
bool textBefore(const String& a, const String& b)
{
    return std::lexicographical_compare(a.constCharAt(0), a.constCharAt(0) + a.length(), b.constCharAt(0),
                                        b.constCharAt(0) + b.length());
}

bool itemBefore(const UIComboBoxItem* a, const UIComboBoxItem* b)
{
    return textBefore(a->text(), b->text());
}

} // namespace

UIComboBox::UIComboBox(UIWidget* parent) : UIWidget(parent), m_clock(&Time::tickCountMs)
{
    setFlag(kTransparent, true);
    setFlag(0x40000, true);
    setFlag(kHoverTracking, true);
    setFocusPolicy(kTabFocus | kClickFocus | kWheelFocus);
    setVerticalFlow(0);
    setStyleName(String(u"UIComboBox"));
    m_lineEdit = new UILineEdit(this);
    m_lineEdit->setFrame(false);
    m_lineEdit->setMinimumHeight(m_style.minimumHeight);
    m_lineEdit->focusedOut.connect(this, &UIComboBox::onLineEditFocusOut);
    m_lineEdit->wheelTurned.connectWithArg(this, &UIComboBox::onLineEditWheel);
    placeLineEdit();
    currentIndexChanged.connect(this, &UIComboBox::onCurrentIndexChanged);
}

UIComboBox::~UIComboBox()
{
    killTimer(kReopenTimerId);
    killTimer(kScrollBarTimerId);
    for (UIComboBoxItem* item : m_items)
        delete item;
}

UIStyleNames UIComboBox::styleNames()
{
    return UIStyleNames{String(u"UIComboBox"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIComboBox::buildPopup()
{
    if (m_popup)
        return;
    m_popup = new UIWindow(this, kPopupWindowFlags);
    m_popup->setBackground(m_style.popupBackground);
    m_popup->setBorderColor(m_style.popupBackground.color());
    m_popup->setVerticalFlow(1);
    m_popup->setLayoutMarginsFrom(m_style.popupPadding);
    m_listView = new UIListView(m_popup);
    m_listView->setHorizontalPolicy(UIScrollAreaLayout::kNever);
    m_listView->setVerticalPolicy(UIScrollAreaLayout::kWhenNeeded);
    m_listView->show();
    m_list = m_listView->list();
    m_list->setHoverSelection(true);
    m_list->setWrapNavigation(true);
    m_list->mouseReleased.connectWithArg(this, &UIComboBox::onListRelease);
    m_list->keyPressed.connectWithArg(this, &UIComboBox::onListKey);
    m_list->mouseMoved.connectWithArg(this, &UIComboBox::onListMove);
    m_list->focusedOut.connectWithArg(this, &UIComboBox::onListFocusOut);
}

UIWindow* UIComboBox::popup()
{
    buildPopup();
    return m_popup;
}

UIListView* UIComboBox::popupView()
{
    buildPopup();
    return m_listView;
}

UIList* UIComboBox::popupList()
{
    buildPopup();
    return m_list;
}

UIComboBoxItem* UIComboBox::addItem(const String& text)
{
    auto* added = new UIComboBoxItem(text);
    appendItem(added);
    return added;
}

UIComboBoxItem* UIComboBox::addIconItem(const String& text, const Image& image)
{
    auto* added = new UIComboBoxItem(text);
    added->setIcon(ImageSet::ImageSetFromImage(image));
    appendItem(added);
    return added;
}

UIComboBoxItem* UIComboBox::addIconItem(const Image& image)
{
    return addIconItem(String(), image);
}

void UIComboBox::appendItem(UIComboBoxItem* added)
{
    if (!added)
        return;
    if (m_sorted)
        placeByText(added);
    else
        m_items.push_back(added);
    afterAppend(added);
}

void UIComboBox::addSeparator()
{
    auto* separator = new UIComboBoxItem();
    separator->setSeparator(true);
    appendItem(separator);
}

void UIComboBox::addItems(const StringList& texts)
{
    for (const String& text : texts)
        addItem(text);
}

void UIComboBox::afterAppend(UIComboBoxItem* added)
{
    // The item itself, where sorting put it: a separator standing first must
    // not become current through a later item.
    if (m_currentIndex == -1 && !added->isSeparator())
        setCurrentIndex(indexOf(added));
}

void UIComboBox::placeByText(UIComboBoxItem* added)
{
    // After the last item not greater, which is where a stable sort of the
    // list with the item appended would put it.
    if (!isInOrder()) {
        m_items.push_back(added);
        sortItems();
        return;
    }
    const auto at = std::upper_bound(m_items.begin(), m_items.end(), added, itemBefore);
    const int place = int(at - m_items.begin());
    m_items.insert(at, added);
    if (m_currentIndex >= place)
        ++m_currentIndex;
}

bool UIComboBox::isInOrder() const
{
    return std::is_sorted(m_items.begin(), m_items.end(), itemBefore);
}

void UIComboBox::sortItems()
{
    UIComboBoxItem* current = currentItem();
    std::stable_sort(m_items.begin(), m_items.end(), itemBefore);
    setCurrentSilently(current);
}

void UIComboBox::setCurrentSilently(UIComboBoxItem* current)
{
    m_currentIndex = current ? indexOf(current) : -1;
}

int UIComboBox::indexOf(const UIComboBoxItem* wanted) const
{
    const auto at = std::find(m_items.begin(), m_items.end(), wanted);
    return at == m_items.end() ? -1 : int(at - m_items.begin());
}

void UIComboBox::removeItem(int index)
{
    UIComboBoxItem* gone = item(index);
    if (!gone)
        return;
    m_items.erase(m_items.begin() + index);
    delete gone;
    if (index == m_currentIndex)
        setCurrentIndex(-1);
    else if (index < m_currentIndex)
        --m_currentIndex;
}

void UIComboBox::clear()
{
    for (UIComboBoxItem* gone : m_items)
        delete gone;
    m_items.clear();
    m_typeAhead = String();
    if (m_currentIndex == -1)
        return;
    m_currentIndex = -1;
    if (m_editable)
        clearLineEdit();
    if (isPopupVisible()) {
        m_list->setCurrentIndex(-1, false);
        m_list->clearSelection(false);
    }
    update();
    currentIndexChanged.emitValue(intptr_t(-1));
}

UIComboBoxItem* UIComboBox::item(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_items[size_t(index)];
}

String UIComboBox::itemText(int index) const
{
    const UIComboBoxItem* found = item(index);
    return found ? found->text() : String();
}

void UIComboBox::setItemText(int index, const String& text)
{
    UIComboBoxItem* found = item(index);
    if (!found)
        return;
    found->setText(text);
    if (index == m_currentIndex)
        update();
}

void UIComboBox::setItemIcon(int index, const ImageSet& icon)
{
    if (UIComboBoxItem* found = item(index))
        found->setIcon(icon);
}

void UIComboBox::setCurrentIndex(int index)
{
    if (index == m_currentIndex || index < -1 || index >= count())
        return;
    m_currentIndex = index;
    if (m_editable)
        m_lineEdit->setText(currentText());
    if (isPopupVisible())
        followInPopup();
    update();
    currentIndexChanged.emitValue(intptr_t(index));
}

void UIComboBox::followInPopup()
{
    if (m_currentIndex == -1) {
        m_list->setCurrentIndex(-1, false);
        m_list->clearSelection(false);
        return;
    }
    // From the end, so that a current item below the first page lands at the
    // top of the view.
    m_listView->scrollToBottom();
    m_list->setCurrentIndex(m_currentIndex, true);
    m_list->selectCurrent();
}

int UIComboBox::findItem(const std::function<bool(const UIComboBoxItem&)>& matches) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (matches(*m_items[i]))
            return int(i);
    }
    return -1;
}

int UIComboBox::findText(const String& text, int caseSensitive) const
{
    if (text.isEmpty())
        return -1;
    if (caseSensitive == String::kCaseSensitive)
        return findItem([&](const UIComboBoxItem& it) { return String::equals(it.text(), text); });
    return findItem([&](const UIComboBoxItem& it) { return String::equalsIgnoreCase(it.text(), text); });
}

int UIComboBox::findTextPrefix(const String& text, int caseSensitive) const
{
    if (text.isEmpty())
        return -1;
    const int caseFlag =
        caseSensitive == String::kCaseSensitive ? String::kCaseSensitive : String::kIgnoreCase;
    return findItem([&](const UIComboBoxItem& it) { return it.text().startsWith(text, caseFlag); });
}

bool UIComboBox::setCurrentText(const String& text, int caseSensitive)
{
    const int found = findText(text, caseSensitive);
    if (found < 0)
        return false;
    setCurrentIndex(found);
    return true;
}

void UIComboBox::setCurrentTag(int tag)
{
    const int found = findItem([&](const UIComboBoxItem& it) { return it.tag() == tag; });
    if (found >= 0)
        setCurrentIndex(found);
}

void UIComboBox::setCurrentUserData(uint64_t value)
{
    const int found = findItem([&](const UIComboBoxItem& it) { return it.userData() == value; });
    if (found >= 0)
        setCurrentIndex(found);
}

void UIComboBox::setCurrentItemText(const String& text)
{
    const int found =
        findItem([&](const UIComboBoxItem& it) { return String::equals(it.UIItem::text(), text); });
    if (found >= 0)
        setCurrentIndex(found);
}

void UIComboBox::setEditable(bool on)
{
    if (on == m_editable)
        return;
    m_editable = on;
    m_lineEdit->setVisible(on);
    if (on)
        m_lineEdit->setText(currentText());
}

void UIComboBox::setLineEditText(const String& text)
{
    m_lineEdit->setText(text);
}

void UIComboBox::clearLineEdit()
{
    if (m_lineEdit->isEmpty())
        return;
    m_lineEdit->clear();
    m_lineEdit->setScrollOffset(0, 0);
}

// The line edit covers the field's content, leaving the arrow free.
void UIComboBox::placeLineEdit()
{
    setLayoutMargins(m_style.padding.left, 0, m_style.padding.right + m_skins[kArrowSkin].frameWidth(), 0);
}

void UIComboBox::onLineEditFocusOut()
{
    m_lineEdit->setText(currentText());
}

void UIComboBox::onLineEditWheel(UIEvent* event)
{
    stepBy(static_cast<UIWheelEvent*>(event)->direction() == kWheelAway ? -1 : 1);
    event->accept();
}

void UIComboBox::setSorted(bool on)
{
    m_sorted = on;
    if (on && count() > 1)
        sortItems();
}

bool UIComboBox::isPopupVisible() const
{
    return m_popup && m_popup->isVisible();
}

Point UIComboBox::popupPosition(const Rect& fieldRect, const Size& popup, const Rect& monitor)
{
    Point at(fieldRect.x, fieldRect.y + fieldRect.height);
    if (monitor.isEmpty())
        return at;
    const int64_t monitorRight = int64_t(monitor.x) + monitor.width;
    if (at.x < monitor.x)
        at.x = monitor.x;
    else if (int64_t(at.x) + popup.width > monitorRight)
        at.x = int(monitorRight - popup.width);
    if (int64_t(at.y) + popup.height > int64_t(monitor.y) + monitor.height)
        at.y = fieldRect.y - popup.height;
    return at;
}

void UIComboBox::fillPopupList()
{
    m_list->clear();
    for (const UIComboBoxItem* source : m_items) {
        const String text = source->isSeparator() ? String() : source->text();
        UIListItem* row = m_list->addItem(text, String(), source->icon().image(0));
        row->setToolTip(source->toolTip());
        row->setElideMode(2);
        row->setBackground(source->background());
    }
}

void UIComboBox::showPopup()
{
    if (isPopupVisible() || isEmpty())
        return;
    if (UIWidget* own = window())
        own->setWindowFlag(kKeepActiveFlag, true);
    buildPopup();
    fillPopupList();
    const int itemHeight = m_list->itemSize().height;
    const int listHeight = m_list->minimumSizeHint().height;
    const int pageHeight = m_maxVisibleItems * itemHeight;
    // A list that fits the popup needs no bar.
    m_listView->setVerticalPolicy(listHeight <= pageHeight ? UIScrollAreaLayout::kNever
                                                           : UIScrollAreaLayout::kWhenNeeded);
    const UIMargins& padding = m_style.popupPadding;
    const Size size(width(), std::min(pageHeight, listHeight) + padding.top + padding.bottom);
    m_popup->resize(size.width, size.height);
    const Point origin = mapToGlobal(Point(0, 0));
    const Rect field(origin.x, origin.y, width(), height());
    const Point at = popupPosition(field, size, monitorRectAt(Point(field.x, field.y + field.height)));
    m_popup->move(at.x, at.y);
    // Placed here already: none of a window's own placement on showing.
    m_popup->UIWidget::setVisible(true);
    followInPopup();
    m_popup->relayout();
    m_popup->setWindowState((m_popup->windowState() | kPopupState) & ~kActiveState);
    m_list->setFocus();
    m_reopen = false;
}

void UIComboBox::hidePopup()
{
    m_typeAhead = String();
    if (m_popup) {
        m_popup->hide();
        m_list->clear();
    }
    if (UIWidget* own = window()) {
        own->setWindowFlag(kKeepActiveFlag, false);
        own->setWindowFlag(kNoActivateFlag, false);
    }
    update();
    setFocus();
    m_reopen = true;
}

void UIComboBox::closeAndGuardReopen()
{
    hidePopup();
    m_reopen = false;
    startTimer(kReopenTimerId, kDefaultInterval);
}

void UIComboBox::onListRelease(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton || !m_list->rect().contains(mouse->position()))
        return;
    const int chosen = m_list->currentIndex();
    if (chosen < 0)
        return;
    if (m_editable)
        m_lineEdit->setText(itemText(chosen));
    hidePopup();
    setCurrentIndex(chosen);
    m_reopen = false;
    startTimer(kReopenTimerId, kDefaultInterval);
}

void UIComboBox::onListKey(UIEvent* event)
{
    const auto* key = static_cast<UIKeyEvent*>(event);
    if (key->key() == kEnterKey) {
        const int chosen = m_list->currentIndex();
        if (chosen >= 0)
            setCurrentIndex(chosen);
        hidePopup();
    } else if (key->key() == kEscapeKey) {
        hidePopup();
    } else if (!key->text().isEmpty()) {
        typeAhead(key->text());
    }
}

void UIComboBox::onListMove(UIEvent* event)
{
    const int under = m_list->indexAt(static_cast<UIMouseEvent*>(event)->position());
    if (under >= 0)
        highlighted.emitValue(intptr_t(under));
}

void UIComboBox::onListFocusOut(UIEvent*)
{
    if (!isPopupVisible())
        return;
    const UIScrollBar* bar = m_listView->verticalScrollBar();
    // The user may be pressing the bar: look again once the press landed.
    if (bar->isVisible() && bar->isHovered()) {
        startTimer(kScrollBarTimerId, kDefaultInterval);
        return;
    }
    closeAndGuardReopen();
}

void UIComboBox::timerEvent(UIEvent* event)
{
    const int id = static_cast<UICustomEvent*>(event)->code();
    if (id == kReopenTimerId) {
        killTimer(kReopenTimerId);
        m_reopen = true;
    } else if (id == kScrollBarTimerId) {
        killTimer(kScrollBarTimerId);
        if (isPopupVisible() && !m_listView->verticalScrollBar()->hasFocus())
            closeAndGuardReopen();
    }
}

void UIComboBox::typeAhead(const String& text)
{
    const int64_t now = m_clock();
    if (now - m_lastTyped > kTypeAheadPause)
        m_typeAhead = String();
    m_typeAhead += text;
    m_lastTyped = now;
    const int found = findTextPrefix(m_typeAhead, String::kIgnoreCase);
    if (found >= 0)
        setCurrentIndex(found);
}

void UIComboBox::keyPressEvent(UIEvent* event)
{
    const auto* key = static_cast<UIKeyEvent*>(event);
    switch (key->key()) {
    case kEnterKey:
    case kSpaceKey:
    case kDownKey:
    case kKeypadTwoKey:
        showPopup();
        return;
    default:
        if (!key->text().isEmpty())
            typeAhead(key->text());
    }
}

void UIComboBox::mousePressEvent(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() != kLeftButton)
        return;
    if (isPopupVisible())
        hidePopup();
    else if (m_reopen)
        showPopup();
}

void UIComboBox::clickEvent(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() != kRightButton || isEmpty())
        return;
    const int byDefault = m_defaultText.isEmpty() ? -1 : findText(m_defaultText, String::kCaseSensitive);
    setCurrentIndex(byDefault >= 0 ? byDefault : 0);
}

void UIComboBox::wheelEvent(UIEvent* event)
{
    if (m_editable || !m_wheelEnabled || !hasFocus() || !isHovered())
        return;
    stepBy(static_cast<UIWheelEvent*>(event)->direction() == kWheelAway ? -1 : 1);
    event->accept();
}

void UIComboBox::stepBy(int step)
{
    if (step < 0 && m_currentIndex > 0)
        setCurrentIndex(m_currentIndex - 1);
    else if (step > 0 && m_currentIndex < count() - 1)
        setCurrentIndex(m_currentIndex + 1);
}

void UIComboBox::mouseReleaseEvent(UIEvent*)
{
    update();
}

void UIComboBox::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIComboBox::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIComboBox::onCurrentIndexChanged()
{
    update();
    UIToolTipHost::hideFor(this);
}

Size UIComboBox::sizeHint() const
{
    int widestIcon = 0;
    bool anyIcon = false;
    for (const UIComboBoxItem* it : m_items) {
        if (!it->icon().isNull()) {
            anyIcon = true;
            widestIcon = std::max(widestIcon, it->icon().width());
        }
    }
    int besideText = m_style.padding.left + m_style.padding.right;
    if (anyIcon)
        besideText += m_style.spacing + widestIcon;
    besideText += m_style.spacing + m_skins[kArrowSkin].frameWidth();
    const int enough = m_style.maximumWidth > 0 ? std::max(0, m_style.maximumWidth - besideText) : -1;
    int hint = widestTextWidth(enough) + besideText;
    if (m_style.maximumWidth > 0 && hint > m_style.maximumWidth)
        hint = m_style.maximumWidth;
    else if (hint < m_style.minimumWidth)
        hint = m_style.minimumWidth;
    return Size(hint, m_style.minimumHeight);
}

int UIComboBox::widestTextWidth(int enough) const
{
    const FontMetrics metrics(m_style.font, nullptr);
    int widest = 0;
    for (const UIComboBoxItem* it : m_items) {
        widest = std::max(widest, metrics.textSize(it->text(), false).width);
        // The width is capped there anyway: a long list need not be
        // measured to its end.
        if (enough >= 0 && widest >= enough)
            break;
    }
    return widest;
}

void UIComboBox::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
    // The theme is applied before the line edit exists.
    if (!m_lineEdit)
        return;
    m_lineEdit->setMinimumHeight(m_style.minimumHeight);
    placeLineEdit();
}

void UIComboBox::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index < 0)
        return;
    m_skins[index] = image;
    if (m_lineEdit)
        placeLineEdit();
}

String UIComboBox::toolTip(const Point&) const
{
    if (!toolTipText().isEmpty())
        return toolTipText();
    return m_elided ? currentText() : String();
}

int UIComboBox::backgroundFrame() const
{
    if (!isEnabled())
        return 3;
    if ((isMouseDown() && isHovered()) || isPopupVisible())
        return 2;
    return isMouseDown() || isHovered() ? 1 : 0;
}

void UIComboBox::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIComboBox::draw(Painter& painter)
{
    const int frame = backgroundFrame();
    m_skins[kBackgroundSkin].draw(painter, rect(), frame, UISkinImage::kAllCells);
    Rect content(m_style.padding.left, 0, width() - m_style.padding.left - m_style.padding.right, height());
    const UISkinImage& arrow = m_skins[kArrowSkin];
    const Rect arrowRect = content.align(Rect(0, 0, arrow.frameWidth(), content.height), Rect::kAlignRight);
    arrow.drawAligned(painter, arrowRect, Rect::kAlignHCenter | Rect::kAlignVCenter, frame, nullptr);
    content.width -= arrowRect.width;
    const UIComboBoxItem* current = currentItem();
    m_elided = false;
    if (!current || m_editable)
        return;
    const ImageSet& icon = current->icon();
    if (!icon.isNull()) {
        icon.draw(painter, content, Rect::kAlignLeft | Rect::kAlignVCenter, isEnabled() ? 0 : 1);
        const int shift = icon.width() + m_style.spacing;
        content.x += shift;
        content.width -= shift;
    }
    painter.setFont(m_style.font);
    painter.setPen(isEnabled() ? m_style.foreground : m_style.disabledForeground);
    m_elided =
        painter.drawText(current->text(), content, Rect::kAlignLeft | Rect::kAlignVCenter, 2, false, nullptr);
}
