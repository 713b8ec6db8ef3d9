#include "ui/core/input/UIDragState.h"

#include "tests/ui/core/input/DropSite.h"

TEST_F(DropSiteTest, TheWidgetUnderTheDragHearsLeaveBeforeTheNextOneHearsEnter)
{
    struct Step
    {
        int x;
        uint32_t offered;
        uint32_t askAction;
        Log events;
        uint32_t effect;
    };
    const Step steps[] = {
        {10, 3, 0, {"a:118", "a:119"}, 1},
        {20, 6, 0, {"a:119"}, 2},
        {30, 3, 4, {"a:119"}, 1}, // link is not offered: the choice stays
        {40, 7, 4, {"a:119"}, 4},
        {110, 3, 0, {"a:120", "b:118", "b:119"}, 1},
        {310, 3, 0, {"b:120"}, 0}, // takes no drops
        {210, 3, 0, {"refusing:118", "refusing:119"}, 0},
        {410, 3, 0, {"refusing:120"}, 0}, // disabled
    };
    enterWith(u"cover");
    for (const Step& step : steps) {
        a->askAction = step.askAction;
        log.clear();
        EXPECT_EQ(step.effect, state->moveOver(top, Point(step.x, 50), 1, 0, step.offered)) << step.x;
        EXPECT_EQ(step.events, log) << step.x;
    }
    state->enterWindow(UIMimeData()); // what a disabled window passes on
    EXPECT_EQ(0u, state->moveOver(top, Point(10, 10), 1, 0, 7));
}

TEST_F(DropSiteTest, TheDropArrivesFromTheTimerWithItsOwnCopyOfTheDrag)
{
    struct Case
    {
        int x;
        bool resetBeforeTimer; // a drag from here ends before the timer fires
        bool deleteTarget;
        uint32_t effect;
        Log events;
    };
    const Case cases[] = {
        {10, true, false, 1, {"a:121 cover at 10,50 action 1 keys 2/4 focused"}},
        {210, false, false, 0, {"refusing:121 cover at 10,50 action 0 keys 2/4 focused"}},
        {310, false, false, 0, {}},
        {110, true, true, 1, {}},
    };
    for (const Case& c : cases) {
        enterWith(u"cover");
        state->moveOver(top, Point(c.x, 50), 2, 4, 3);
        log.clear();
        EXPECT_EQ(c.effect, state->dropOn(top, Point(c.x, 50), 2, 4)) << c.x;
        EXPECT_TRUE(log.empty()) << "nothing is delivered inside the drop call";
        if (c.resetBeforeTimer)
            state->reset();
        if (c.deleteTarget)
            delete b;
        UITimer::fire(timers.lastId);
        EXPECT_EQ(c.events, log) << c.x;
        EXPECT_EQ(nullptr, state->target()) << c.x;
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}
