// The calendar's grid, steps, keys and mouse on the widget fakes, drawn on
// the recording device.
#include "foundation/data/JsonValue.h"
#include "tests/support/RecordingDevice.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/automation/UIAutomationDescriber.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/automation/UIWidgetDescribers.h"
#include "ui/widgets/calendar/UICalendar.h"

#include <algorithm>
#include <string>

using testsupport::text;

namespace {

class DateLog : public SignalReceiver
{
public:
    explicit DateLog(UICalendar* calendar) { calendar->dateChanged.connectWithArg(this, &DateLog::changed); }
    void changed(const Date* date) { dates.push_back(*date); }
    std::vector<Date> dates;
};

std::string dateText(const Date& date)
{
    return std::to_string(date.year()) + "-" + std::to_string(date.month()) + "-" +
           std::to_string(date.day());
}

class UICalendarTest : public WidgetTest
{
protected:
    UICalendar* calendar(int firstDay = 1)
    {
        auto* made = new UICalendar(top);
        made->setStyleProperty(String(u"dayCellSize"), String(u"30,20"));
        made->setStyleProperty(String(u"navigationBarHeight"), String(u"25"));
        made->setStyleProperty(String(u"dayHeaderHeight"), String(u"15"));
        made->setFirstDayOfWeek(firstDay);
        made->setGeometry(0, 0, 210, 160);
        made->show();
        return made;
    }
    void paint(UICalendar* made)
    {
        recorder.device.log.clear();
        Painter painter(&target);
        made->draw(painter);
    }
    void key(UICalendar* made, int code) { send(made, UIKeyEvent(kKeyPressEvent, code, 0, String())); }
    static void press(UIWidget* widget, int type, const Point& at)
    {
        send(widget, UIMouseEvent(type, 1, 1, at, 0));
    }

    CurrentRecorder recorder;
    FakeTarget target;
};

} // namespace

TEST_F(UICalendarTest, GridStartsInTheFirstDaysColumnAndTakesTheRowsItNeeds)
{
    struct Row
    {
        int firstDay, year, month;
        int firstColumn, rows;
    };
    // June 2025 begins on a Sunday, February 2021 on a Monday.
    const Row rows[] = {
        {1, 2025, 6, 6, 6}, {7, 2025, 6, 0, 5}, {1, 2021, 2, 0, 4}, {7, 2021, 2, 1, 5}, {3, 2025, 6, 4, 5},
    };
    for (const Row& row : rows) {
        UICalendar* cal = calendar(row.firstDay);
        cal->setDate(row.year, row.month, 10);
        paint(cal);
        const std::vector<Rect>& cells = cal->dayCells();
        ASSERT_EQ(int(cells.size()), Date::daysInMonth(row.year, row.month));
        EXPECT_EQ(cells[0].x, row.firstColumn * 30) << row.firstDay << " " << row.month;
        EXPECT_EQ(cells[0].y, 25 + 15);
        EXPECT_EQ((cells.back().y - 40) / 20 + 1, row.rows) << row.firstDay << " " << row.month;
        for (size_t day = 0; day < cells.size(); ++day) {
            const int weekday = Date(row.year, row.month, int(day) + 1).dayOfWeek();
            EXPECT_EQ(cells[day].x, cal->columnOfWeekday(weekday) * 30);
        }
        delete cal;
    }
}

TEST_F(UICalendarTest, ColumnsFollowTheFirstDayOfTheWeek)
{
    UICalendar* cal = calendar(7);
    const int sundayFirst[] = {1, 2, 3, 4, 5, 6, 0};
    for (int weekday = 1; weekday <= 7; ++weekday)
        EXPECT_EQ(cal->columnOfWeekday(weekday), sundayFirst[weekday - 1]) << weekday;
    EXPECT_EQ(cal->columnOfWeekday(0), -1);
    EXPECT_EQ(cal->columnOfWeekday(8), -1);
    cal->setNavigationBarShown(false);
    cal->setDayHeaderShown(false);
    EXPECT_EQ(cal->sizeHint(), Size(210, 120));
    cal->setDayHeaderShown(true);
    EXPECT_EQ(cal->sizeHint(), Size(210, 135));
}

TEST_F(UICalendarTest, StepsKeepTheDayWithinTheMonthReached)
{
    UICalendar* cal = calendar();
    DateLog log(cal);
    struct Row
    {
        Date from;
        void (UICalendar::*step)();
        Date to;
    };
    const Row rows[] = {
        {Date(2013, 1, 31), &UICalendar::nextMonth, Date(2013, 2, 28)},
        {Date(2012, 1, 31), &UICalendar::nextMonth, Date(2012, 2, 29)},
        {Date(2013, 3, 31), &UICalendar::previousMonth, Date(2013, 2, 28)},
        {Date(2010, 1, 15), &UICalendar::previousMonth, Date(2009, 12, 15)},
        {Date(2009, 12, 31), &UICalendar::nextMonth, Date(2010, 1, 31)},
        {Date(2012, 2, 29), &UICalendar::nextYear, Date(2013, 2, 28)},
        {Date(2012, 2, 29), &UICalendar::previousYear, Date(2011, 2, 28)},
    };
    for (const Row& row : rows) {
        cal->setDate(row.from);
        (cal->*row.step)();
        EXPECT_EQ(dateText(cal->date()), dateText(row.to)) << dateText(row.from);
    }
    EXPECT_EQ(log.dates.size(), 2 * std::size(rows));

    log.dates.clear();
    cal->setDate(2012, 2, 31);
    EXPECT_EQ(dateText(cal->date()), "2012-2-29");
    cal->setDate(cal->date());
    ASSERT_EQ(log.dates.size(), 2u) << "the same date is reported again";
    EXPECT_EQ(dateText(log.dates[1]), "2012-2-29");
}

TEST_F(UICalendarTest, ArrowKeysMoveOnlyWithinTheMonth)
{
    UICalendar* cal = calendar();
    struct Row
    {
        int day, key, expected;
    };
    const Row rows[] = {{10, 37, 9}, {10, 38, 3},  {10, 39, 11}, {10, 40, 17}, {1, 37, 1},
                        {5, 38, 5},  {30, 39, 30}, {24, 40, 24}, {23, 40, 30}, {10, 65, 10}};
    for (const Row& row : rows) {
        cal->setDate(2021, 4, row.day);
        key(cal, row.key);
        EXPECT_EQ(cal->date().day(), row.expected) << row.day << " key " << row.key;
        EXPECT_EQ(cal->date().month(), 4);
    }
}

TEST_F(UICalendarTest, PressPicksADayAndArrowsStepTheMonth)
{
    UICalendar* cal = calendar();
    UISkinImage arrow(Image(8, 8, true), true);
    arrow.setGrid(8, 8, 1);
    cal->setSkinImage(arrow, String(u"UICalendar_LeftArrow"));
    cal->setSkinImage(arrow, String(u"UICalendar_RightArrow"));
    cal->setStyleProperty(String(u"navigationBarPadding"), String(u"6,4,6,4"));
    cal->setDate(2021, 4, 10);
    paint(cal);
    press(cal, kMousePressEvent, cal->dayCells()[20].center());
    EXPECT_EQ(dateText(cal->date()), "2021-4-21");
    press(cal, kMousePressEvent, Point(5, 45) /* an empty cell before the 1st */);
    EXPECT_EQ(dateText(cal->date()), "2021-4-21");
    cal->setSelectionEnabled(0);
    press(cal, kMousePressEvent, cal->dayCells()[2].center());
    EXPECT_EQ(dateText(cal->date()), "2021-4-21");

    EXPECT_EQ(cal->leftArrowRect(), Rect(6, 8, 8, 8));
    EXPECT_EQ(cal->rightArrowRect(), Rect(196, 8, 8, 8));
    press(cal, kClickEvent, cal->rightArrowRect().center());
    EXPECT_EQ(dateText(cal->date()), "2021-5-21");
    press(cal, kClickEvent, cal->leftArrowRect().center());
    press(cal, kClickEvent, cal->leftArrowRect().center());
    EXPECT_EQ(dateText(cal->date()), "2021-3-21");
}

TEST_F(UICalendarTest, DrivenEntriesAreTheArrowsAndTheDaysWhereTheLastPaintPutThem)
{
    installWidgetDescribers();
    UICalendar* cal = calendar();
    UISkinImage arrow(Image(8, 8, true), true);
    arrow.setGrid(8, 8, 1);
    cal->setSkinImage(arrow, String(u"UICalendar_LeftArrow"));
    cal->setSkinImage(arrow, String(u"UICalendar_RightArrow"));
    cal->setDate(2021, 4, 10);
    paint(cal);
    const UIAutomationDescriber* describer = UIAutomationDescriber::forWidget(cal);
    ASSERT_NE(describer, nullptr);
    EXPECT_EQ(describer->itemCount(cal), 2 + 30);
    EXPECT_TRUE(describer->item(cal, 2 + 9).current) << "the 10th";
    EXPECT_EQ(describer->item(cal, 2 + 30).text, String()) << "past the last day";
    // Each entry clicked at its centre, in turn; the grid follows each month.
    const struct
    {
        int entry;
        const char* text;
        const char* date;
    } rows[] = {
        {0, "<", "2021-03-10"}, {0, "<", "2021-02-10"},       {2 + 27, "28", "2021-02-28"},
        {1, ">", "2021-03-28"}, {2 + 30, "31", "2021-03-31"}, {2, "1", "2021-03-01"},
    };
    for (const auto& row : rows) {
        const UIAutomationItem entry = describer->item(cal, row.entry);
        EXPECT_EQ(testsupport::utf8(entry.text), row.text) << row.date;
        press(cal, kMousePressEvent, entry.rect.center());
        press(cal, kClickEvent, entry.rect.center());
        paint(cal);
        JsonValue node = JsonValue::object();
        describer->describe(cal, node);
        EXPECT_EQ(node["date"].toText(), row.date);
    }
}

TEST_F(UICalendarTest, ShortNameListsShowEmptyNamesInsteadOfReadingPastThem)
{
    UICalendar* cal = calendar();
    StringList days;
    days.append(text("Mo"));
    cal->setDayNames(days);
    cal->setMonthNames(StringList());
    cal->setDate(2021, 5, 3);
    paint(cal);
    const auto drawn = [&](const std::string& words) {
        return std::any_of(
            recorder.device.log.begin(), recorder.device.log.end(),
            [&](const std::string& line) { return line.rfind("text '" + words + "'", 0) == 0; });
    };
    EXPECT_TRUE(drawn(", 2021"));
    EXPECT_TRUE(drawn("Mo"));
    EXPECT_TRUE(drawn("31"));
    EXPECT_EQ(cal->dayCells().size(), 31u);

    cal->setDate(Date(2021, 13, 1));
    paint(cal);
    EXPECT_TRUE(cal->dayCells().empty()) << "an invalid date draws only the white fill";
}
