#include "ui/widgets/calendar/UICalendar.h"

#include "foundation/time/Locale.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

using Style = UICalendar::Style;

const char16_t* const kSkinNames[] = {u"UICalendar_LeftArrow", u"UICalendar_RightArrow"};

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"navigationBarHeight", [](Style& s, const String& v) { s.navigationBarHeight = parseStyleInt(v); }},
    {u"navigationBarBackground",
     [](Style& s, const String& v) { s.navigationBarBackground = parseStyleBrush(v); }},
    {u"navigationBarPadding",
     [](Style& s, const String& v) { s.navigationBarPadding = parseStyleMargins(v); }},
    {u"navigationBarFont", [](Style& s, const String& v) { s.navigationBarFont = parseStyleFont(v); }},
    {u"dayHeaderHeight", [](Style& s, const String& v) { s.dayHeaderHeight = parseStyleInt(v); }},
    {u"dayHeaderBackground", [](Style& s, const String& v) { s.dayHeaderBackground = parseStyleBrush(v); }},
    {u"dayHeaderFont", [](Style& s, const String& v) { s.dayHeaderFont = parseStyleFont(v); }},
    {u"dayCellSize", [](Style& s, const String& v) { s.dayCellSize = parseStyleSize(v); }},
    {u"dayCellDefaultForeground",
     [](Style& s, const String& v) { s.defaultCell.foreground = parseStylePen(v); }},
    {u"dayCellDefaultBackground",
     [](Style& s, const String& v) { s.defaultCell.background = parseStyleBrush(v); }},
    {u"dayCellSelectedForeground",
     [](Style& s, const String& v) { s.selectedCell.foreground = parseStylePen(v); }},
    {u"dayCellSelectedBackground",
     [](Style& s, const String& v) { s.selectedCell.background = parseStyleBrush(v); }},
    {u"dayCellWeekendForeground",
     [](Style& s, const String& v) { s.weekendCell.foreground = parseStylePen(v); }},
    {u"dayCellWeekendBackground",
     [](Style& s, const String& v) { s.weekendCell.background = parseStyleBrush(v); }},
    {u"dayCellTodayForeground", [](Style& s, const String& v) { s.todayForeground = parseStylePen(v); }},
    {u"gridColor", [](Style& s, const String& v) { s.gridColor = parseStyleColor(v); }},
    {u"gridBorderColor", [](Style& s, const String& v) { s.gridBorderColor = parseStyleColor(v); }},
};

constexpr uint32_t kLeftButton = 1;
constexpr int kLeftKey = 37;
constexpr int kUpKey = 38;
constexpr int kRightKey = 39;
constexpr int kDownKey = 40;

} // namespace

UICalendar::UICalendar(UIWidget* parent) : UIWidget(parent), m_date(Date::todayLocal())
{
    setStyleName(String(u"UICalendar"));
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setFocusPolicy(kClickFocus);
    const Locale& locale = Locale::instance();
    for (int weekday = 1; weekday <= kColumns; ++weekday)
        m_dayNames.append(locale.dayName(weekday, true));
    for (int month = 1; month <= 12; ++month)
        m_monthNames.append(locale.monthName(month, false));
    m_firstDayOfWeek = locale.firstDayOfWeek();
}

UIStyleNames UICalendar::styleNames()
{
    return UIStyleNames{String(u"UICalendar"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UICalendar::setDate(const Date& date)
{
    changeDate(date);
}

void UICalendar::setDate(int year, int month, int day)
{
    const int length = Date::daysInMonth(year, month);
    if (length > 0 && day > length)
        day = length;
    if (day < 1)
        day = 1;
    changeDate(Date(year, month, day));
}

void UICalendar::setToday()
{
    changeDate(Date::todayLocal());
}

void UICalendar::nextMonth()
{
    changeDate(Date(m_date).addMonths(1));
}

void UICalendar::previousMonth()
{
    changeDate(Date(m_date).addMonths(-1));
}

void UICalendar::nextYear()
{
    changeDate(Date(m_date).addYears(1));
}

void UICalendar::previousYear()
{
    changeDate(Date(m_date).addYears(-1));
}

void UICalendar::changeDate(const Date& date)
{
    m_date = date;
    update();
    dateChanged.emitValue(&m_date);
}

void UICalendar::setFirstDayOfWeek(int weekday)
{
    if (weekday == m_firstDayOfWeek)
        return;
    m_firstDayOfWeek = weekday;
    update();
}

int UICalendar::weekdayOfColumn(int column) const
{
    const int first = ((m_firstDayOfWeek - 1) % kColumns + kColumns) % kColumns;
    return (first + column) % kColumns + 1;
}

int UICalendar::columnOfWeekday(int weekday) const
{
    for (int column = 0; column < kColumns; ++column) {
        if (weekdayOfColumn(column) == weekday)
            return column;
    }
    return -1;
}

Size UICalendar::sizeHint() const
{
    int height = kRows * m_style.dayCellSize.height;
    if (m_navigationBarShown)
        height += m_style.navigationBarHeight;
    if (m_dayHeaderShown)
        height += m_style.dayHeaderHeight;
    return Size(kColumns * m_style.dayCellSize.width, height);
}

void UICalendar::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UICalendar::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

String UICalendar::nameAt(const StringList& names, int index)
{
    if (index < 0)
        return String();
    const StringList::Node* node = names.nodeAt(index);
    return node ? node->value : String();
}

void UICalendar::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UICalendar::draw(Painter& painter)
{
    m_dayCells.clear();
    m_todayRect = Rect();
    painter.fillRect(rect(), Color(255, 255, 255));
    if (!m_date.isValid())
        return;
    int top = drawNavigationBar(painter);
    top = drawDayHeader(painter, top);
    drawDays(painter, top);
    drawGridLines(painter);
    if (!m_todayRect.isEmpty()) {
        painter.setPen(m_style.todayForeground);
        painter.drawRect(m_todayRect);
    }
}

int UICalendar::drawNavigationBar(Painter& painter)
{
    if (!m_navigationBarShown)
        return 0;
    const Rect bar(0, 0, width(), m_style.navigationBarHeight);
    painter.fillRect(bar, m_style.navigationBarBackground);
    const String title = nameAt(m_monthNames, m_date.month() - 1) + u", " + String::fromInt(m_date.year());
    painter.setFont(m_style.navigationBarFont);
    painter.setPen(m_style.defaultCell.foreground);
    painter.drawText(title, bar, Rect::kAlignHCenter | Rect::kAlignVCenter, 0, false, nullptr);
    const UIMargins& padding = m_style.navigationBarPadding;
    const Rect inner = bar.adjusted(padding.left, padding.top, -padding.right, -padding.bottom);
    m_skins[kLeftArrowSkin].drawAligned(painter, inner, Rect::kAlignLeft | Rect::kAlignVCenter, 0,
                                        &m_leftArrowRect);
    m_skins[kRightArrowSkin].drawAligned(painter, inner, Rect::kAlignRight | Rect::kAlignVCenter, 0,
                                         &m_rightArrowRect);
    return m_style.navigationBarHeight;
}

int UICalendar::drawDayHeader(Painter& painter, int top)
{
    if (!m_dayHeaderShown)
        return top;
    const int cellWidth = m_style.dayCellSize.width;
    painter.fillRect(Rect(0, top, width(), m_style.dayHeaderHeight), m_style.dayHeaderBackground);
    painter.setFont(m_style.dayHeaderFont);
    for (int column = 0; column < kColumns; ++column) {
        const int weekday = weekdayOfColumn(column);
        painter.setPen(isWeekend(weekday) ? m_style.weekendCell.foreground : m_style.defaultCell.foreground);
        painter.drawText(nameAt(m_dayNames, weekday - 1),
                         Rect(column * cellWidth, top, cellWidth, m_style.dayHeaderHeight),
                         Rect::kAlignHCenter | Rect::kAlignVCenter, 0, false, nullptr);
    }
    return top + m_style.dayHeaderHeight;
}

const UICalendar::CellLook& UICalendar::lookOfDay(int day, int column) const
{
    if (day == m_date.day())
        return m_style.selectedCell;
    return isWeekend(weekdayOfColumn(column)) ? m_style.weekendCell : m_style.defaultCell;
}

void UICalendar::drawDays(Painter& painter, int top)
{
    const Size cell = m_style.dayCellSize;
    const Date today = Date::todayLocal();
    const bool todayShown = today.year() == m_date.year() && today.month() == m_date.month();
    const int length = m_date.daysInMonth();
    int column = columnOfWeekday(Date(m_date.year(), m_date.month(), 1).dayOfWeek());
    int row = 0;
    painter.setFont(m_style.font);
    for (int day = 1; day <= length; ++day) {
        const Rect at(column * cell.width, top + row * cell.height, cell.width, cell.height);
        m_dayCells.push_back(at);
        const CellLook& look = lookOfDay(day, column);
        painter.fillRect(at, look.background);
        painter.setPen(look.foreground);
        painter.drawText(String::fromInt(day), at, Rect::kAlignHCenter | Rect::kAlignVCenter, 0, false,
                         nullptr);
        if (todayShown && day == today.day())
            m_todayRect = at;
        if (++column == kColumns) {
            column = 0;
            ++row;
        }
    }
}

void UICalendar::drawGridLines(Painter& painter)
{
    if (!m_gridShown)
        return;
    const Size cell = m_style.dayCellSize;
    const int top = m_navigationBarShown ? m_style.navigationBarHeight : 0;
    painter.setPen(Pen(m_style.gridColor));
    for (int line = 0; line < kColumns; ++line) {
        const int y = top + line * cell.height;
        painter.drawLine(0, y, width(), y);
    }
    for (int line = 1; line < kColumns; ++line) {
        const int x = line * cell.width;
        painter.drawLine(x, top, x, height());
    }
    painter.setPen(Pen(m_style.gridBorderColor));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void UICalendar::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton || !m_selectionEnabled)
        return;
    for (size_t i = 0; i < m_dayCells.size(); ++i) {
        if (m_dayCells[i].contains(mouse->position())) {
            setDate(m_date.year(), m_date.month(), int(i) + 1);
            return;
        }
    }
}

void UICalendar::clickEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton)
        return;
    if (m_leftArrowRect.contains(mouse->position()))
        previousMonth();
    else if (m_rightArrowRect.contains(mouse->position()))
        nextMonth();
}

void UICalendar::keyPressEvent(UIEvent* event)
{
    switch (static_cast<UIKeyEvent*>(event)->key()) {
    case kLeftKey:
        moveByDays(-1);
        break;
    case kUpKey:
        moveByDays(-7);
        break;
    case kRightKey:
        moveByDays(1);
        break;
    case kDownKey:
        moveByDays(7);
        break;
    default:
        break;
    }
}

void UICalendar::moveByDays(int days)
{
    const int day = m_date.day() + days;
    if (day < 1 || day > m_date.daysInMonth())
        return;
    setDate(m_date.year(), m_date.month(), day);
}
