#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UITimerList.h"

using Log = std::vector<std::string>;

TEST_F(WidgetTest, FocusMovesOutBeforeInAndTheChainWraps)
{
    RecordingWidget* a = child("a", 0, 0, 10, 10);
    RecordingWidget* never = child("never", 0, 0, 10, 10);
    RecordingWidget* b = child("b", 0, 0, 10, 10);
    RecordingWidget* c = child("c", 0, 0, 10, 10);
    for (RecordingWidget* w : {a, b, c}) {
        w->setFocusPolicy(UIWidget::kTabFocus);
        w->setFocusOrder(1);
    }
    never->setFocusOrder(5);
    a->setFocus();
    a->setFocus();
    b->setFocus();
    EXPECT_EQ(log, (Log{"a:115", "a:116", "b:115"})) << "no second focus-in; out before in";
    struct Case
    {
        RecordingWidget* from;
        bool forward;
        RecordingWidget* expected;
    };
    const Case cases[] = {{c, true, a}, {a, false, c}, {a, true, b}, {never, true, a}, {never, false, a}};
    for (const Case& step : cases) {
        EXPECT_TRUE(step.forward ? step.from->focusNext() : step.from->focusPrevious());
        EXPECT_EQ(UIWidget::focusWidget(), step.expected);
    }
    native()->state = 0;
    EXPECT_FALSE(a->focusNext()) << "an inactive window moves no focus";
}

TEST_F(WidgetTest, ClearingTheFocusOfAHoveredWidgetEndsTheHover)
{
    RecordingWidget* w = child("w", 0, 0, 10, 10);
    w->setFocusPolicy(UIWidget::kClickFocus);
    mouse(w, kMousePressEvent, 1, 1);
    ASSERT_TRUE(w->startTimer(UIWidget::kHoverTimerId, 20));
    cursor.where = Point(300, 300);
    log.clear();
    w->clearFocus();
    EXPECT_EQ(log, (Log{"w:111", "w:116"}));
    EXPECT_FALSE(w->isTimerActive(UIWidget::kHoverTimerId));
}

namespace {

// Kills its own timer, or starts another, from the timer handler.
class TimerWidget : public UIWidget
{
public:
    explicit TimerWidget(UIWidget* parent) : UIWidget(parent) { setStyleName(String(u"UITimed")); }
    std::vector<int> fired;
    bool killOnFire = false;

protected:
    void timerEvent(UIEvent* event) override
    {
        int id = static_cast<UICustomEvent*>(event)->code();
        fired.push_back(id);
        if (killOnFire)
            killTimer(id);
    }
};

} // namespace

TEST_F(WidgetTest, TimersArePerClientAndEndWithTheirWidget)
{
    const int base = UITimer::count();
    auto* one = new TimerWidget(top);
    auto* two = new TimerWidget(top);
    EXPECT_TRUE(one->startTimer(5, 100));
    EXPECT_TRUE(one->startTimer(5, 300));
    EXPECT_EQ(UITimer::count(), base + 1) << "the same id twice keeps one timer";
    const uintptr_t five = timers.lastId;
    ASSERT_TRUE(one->startTimer(100004, 10));
    ASSERT_TRUE(two->startTimer(100004, 10));
    const uintptr_t twos = timers.lastId;
    two->killTimer(100004);
    EXPECT_TRUE(one->isTimerActive(100004));
    UITimer::fire(twos);
    EXPECT_TRUE(two->fired.empty()) << "a killed timer no longer fires";

    one->killOnFire = true;
    UITimer::fire(five);
    UITimer::fire(five);
    EXPECT_EQ(one->fired, (std::vector<int>{5})) << "killed from its own handler";

    timers.failing = true;
    EXPECT_FALSE(two->startTimer(7, 10));
    EXPECT_FALSE(two->isTimerActive(7)) << "a failed start keeps no record";
    delete one;
    EXPECT_EQ(UITimer::count(), base);
    delete two;
}

TEST_F(WidgetTest, ClearingTheTimerListStopsEveryTimer)
{
    auto* widget = new TimerWidget(top);
    ASSERT_TRUE(widget->startTimer(1, 10));
    const uintptr_t first = timers.lastId;
    ASSERT_TRUE(widget->startTimer(2, 10));
    const uintptr_t second = timers.lastId;
    timers.stopped.clear();
    UITimerList::clear();
    EXPECT_EQ(UITimer::count(), 0);
    EXPECT_EQ(timers.stopped, (std::vector<uintptr_t>{first, second}));
    EXPECT_FALSE(widget->isTimerActive(1));
    UITimer::fire(first);
    EXPECT_TRUE(widget->fired.empty()) << "a cleared timer's late firing is ignored";
    delete widget;
}
