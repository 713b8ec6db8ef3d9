#include "ui/core/input/UIDragState.h"

#include "tests/ui/core/input/DropSite.h"

#include <tuple>

TEST_F(DropSiteTest, TheWidgetUnderTheDragHearsLeaveBeforeTheNextOneHearsEnter)
{
    const std::tuple<int, uint32_t, uint32_t, Log, uint32_t> steps[] = {
        {10, 3, 0, {"a:118", "a:119"}, 1},
        {20, 6, 0, {"a:119"}, 2},
        {30, 3, 4, {"a:119"}, 1}, // link is not offered: the choice stays
        {40, 7, 4, {"a:119"}, 4},
        {110, 3, 0, {"a:120", "b:118", "b:119"}, 1},
        {310, 3, 0, {"b:120"}, 0}, // takes no drops
        {210, 3, 0, {"refusing:118", "refusing:119"}, 0},
        {410, 3, 0, {"refusing:120"}, 0}, // disabled
    };
    UIMimeData cover;
    cover.setText(u"cover");
    state->enterWindow(cover);
    for (const auto& [x, offered, askAction, events, effect] : steps) {
        a->askAction = askAction;
        log.clear();
        EXPECT_EQ(effect, state->moveOver(top, Point(x, 50), 1, 0, offered)) << x;
        EXPECT_EQ(events, log) << x;
    }
    state->enterWindow(UIMimeData()); // what a disabled window passes on
    EXPECT_EQ(0u, state->moveOver(top, Point(10, 10), 1, 0, 7));
}

TEST_F(DropSiteTest, TheDropArrivesFromTheTimerWithItsOwnCopyOfTheDrag)
{
    // A drag from here resets the state before the timer fires.
    const std::tuple<int, bool, bool, uint32_t, Log> cases[] = {
        {10, true, false, 1, {"a:121 cover at 10,50 action 1 keys 2/4 focused"}},
        {210, false, false, 0, {"refusing:121 cover at 10,50 action 0 keys 2/4 focused"}},
        {310, false, false, 0, {}},
        {110, true, true, 1, {}},
    };
    UIMimeData cover;
    cover.setText(u"cover");
    for (const auto& [x, resetBeforeTimer, deleteTarget, effect, events] : cases) {
        state->enterWindow(cover);
        state->moveOver(top, Point(x, 50), 2, 4, 3);
        log.clear();
        EXPECT_EQ(effect, state->dropOn(top, Point(x, 50), 2, 4)) << x;
        EXPECT_TRUE(log.empty()) << "nothing is delivered inside the drop call";
        if (resetBeforeTimer)
            state->reset();
        if (deleteTarget)
            delete b;
        UITimer::fire(timers.lastId);
        EXPECT_EQ(events, log) << x;
        EXPECT_EQ(nullptr, state->target()) << x;
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}
