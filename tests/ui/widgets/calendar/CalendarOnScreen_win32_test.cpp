// The calendar and the date dialog in real windows under Wine with
// test.style: cell fills by kind, today's frame, grid lines, the dialog's
// answer and a day picked by the mouse.
#include "tests/support/LaterStep.h"
#include "tests/support/ScreenTest.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/calendar/UICalendar.h"
#include "ui/widgets/calendar/UIDateDialog.h"

#include <windows.h>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

class CalendarOnScreen : public testsupport::ScreenTest
{
protected:
    UICalendar* calendar(const Date& date)
    {
        auto* made = new UICalendar(window);
        made->setDate(date);
        return place(made, 10, 10, made->sizeHint().width, made->sizeHint().height);
    }
    // The first day of the month with the weekday that is neither of the
    // days given.
    static int dayOnWeekday(const Date& month, int weekday, int notA, int notB)
    {
        for (int day = 1; day <= month.daysInMonth(); ++day) {
            if (Date(month.year(), month.month(), day).dayOfWeek() == weekday && day != notA && day != notB)
                return day;
        }
        return 0;
    }
};

} // namespace

TEST_F(CalendarOnScreen, CellsByKindTodaysFrameAndGridLines)
{
    const Date today = Date::todayLocal();
    const int selected = today.day() > 1 ? today.day() - 1 : 2;
    UICalendar* cal = calendar(Date(today.year(), today.month(), selected));
    cal->setGridShown(false);
    cal->update();
    const auto corner = [&](int day) {
        const Rect& cell = cal->dayCells()[size_t(day - 1)];
        return UIHarness::screenPixel(cal, Point(cell.x + 2, cell.y + 2));
    };
    EXPECT_EQ(corner(selected), style(u"UICalendar", u"dayCellSelectedBackground"));
    const int saturday = dayOnWeekday(cal->date(), 6, selected, today.day());
    const int wednesday = dayOnWeekday(cal->date(), 3, selected, today.day());
    EXPECT_EQ(corner(saturday), style(u"UICalendar", u"dayCellWeekendBackground"));
    EXPECT_EQ(corner(wednesday), style(u"UICalendar", u"dayCellDefaultBackground"));
    const Rect& now = cal->todayRect();
    ASSERT_FALSE(now.isEmpty());
    EXPECT_EQ(UIHarness::screenPixel(cal, Point(now.x, now.y + now.height / 2)),
              style(u"UICalendar", u"dayCellTodayForeground"));

    cal->setGridShown(true);
    cal->update();
    const UICalendar::Style& look = cal->style();
    EXPECT_EQ(UIHarness::screenPixel(cal, Point(look.dayCellSize.width, look.navigationBarHeight + 2)),
              style(u"UICalendar", u"gridColor"));
    EXPECT_EQ(UIHarness::screenPixel(cal, Point(0, cal->height() / 2)),
              style(u"UICalendar", u"gridBorderColor"));
}

TEST_F(CalendarOnScreen, AClickedDayAndTheArrowsByTheMouse)
{
    UICalendar* cal = calendar(Date(2020, 5, 17));
    UIHarness::click(cal, cal->dayCells()[2].center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return cal->date() == Date(2020, 5, 3); }));
    UIHarness::click(cal, cal->rightArrowRect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return cal->date() == Date(2020, 6, 3); }));
    UIHarness::typeKeys({VK_DOWN});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return cal->date() == Date(2020, 6, 10); }));
}

TEST_F(CalendarOnScreen, DateDialogGivesTheDateOnOkAndANullDateOnCancel)
{
    for (const bool ok : {true, false}) {
        UIDateDialog dialog(window);
        dialog.setDate(Date(2019, 8, 14));
        LaterStep step(
            50,
            [&] {
                UIButton* button = ok ? dialog.okButton() : dialog.cancelButton();
                if (!button || !button->isVisible())
                    return false;
                UIHarness::activate(&dialog);
                UIHarness::click(dialog.calendar(), dialog.calendar()->dayCells()[20].center());
                UIHarness::pump();
                UIHarness::click(button, button->rect().center());
                return true;
            },
            100);
        EXPECT_EQ(dialog.exec(), ok);
        EXPECT_EQ(dialog.selectedDate(), ok ? Date(2019, 8, 21) : Date()) << ok;
    }
}
