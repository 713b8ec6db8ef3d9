#include "ui/core/input/UIDragState.h"

#include "tests/support/TestText.h"
#include "tests/ui/core/input/DropSite.h"

using testsupport::utf8;

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
        {310, 3, 0, {"b:120"}, 0}, // does not take drops
        {210, 3, 0, {"refusing:118", "refusing:119"}, 0},
        {410, 3, 0, {"refusing:120"}, 0}, // disabled
        {250, 0, 0, {"refusing:118", "refusing:119"}, 0},
    };
    enterWith(u"cover");
    for (const Step& step : steps) {
        a->askAction = step.askAction;
        log.clear();
        EXPECT_EQ(step.effect, state->moveOver(top, Point(step.x, 50), 1, 0, step.offered)) << step.x;
        EXPECT_EQ(step.events, log) << step.x;
    }
    EXPECT_EQ(Point(50, 50), state->position());
    log.clear();
    state->leaveWindow();
    EXPECT_EQ(Log{"refusing:120"}, log);
}

TEST_F(DropSiteTest, ADragWithoutDataReachesNoWidget)
{
    enterWith(nullptr); // what a disabled window passes on
    EXPECT_EQ(0u, state->moveOver(top, Point(10, 10), 1, 0, 7));
    EXPECT_EQ(0u, state->dropOn(top, Point(10, 10), 1, 0));
    EXPECT_EQ(0, UITimer::count());
    EXPECT_TRUE(log.empty());
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
        {110, true, true, 1, {"b:deleted"}},
    };
    for (const Case& c : cases) {
        enterWith(u"cover");
        state->moveOver(top, Point(c.x, 50), 2, 4, 3);
        log.clear();
        EXPECT_EQ(c.effect, state->dropOn(top, Point(c.x, 50), 2, 4)) << c.x;
        EXPECT_TRUE(log.empty()) << "nothing is delivered inside the drop call";
        if (c.resetBeforeTimer)
            state->reset();
        if (c.deleteTarget) {
            delete b;
            log.push_back("b:deleted");
        }
        fireDropTimer();
        EXPECT_EQ(c.events, log) << c.x;
        EXPECT_EQ(nullptr, state->target()) << c.x;
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}

TEST_F(DropSiteTest, CopyingTheDataIntoTheStateKeepsEveryEntryInOrder)
{
    UIMimeData mime;
    mime.setData(u"x-record", ByteArray("r1", 2));
    mime.setFilePathList(StringList::split(u"C:\\a.jpg", u"|", 0));
    mime.setText(u"title");
    state->setMimeData(mime);
    state->setMimeData(state->mimeData());
    EXPECT_EQ("x-record|text/file-path-list|text/plain", utf8(state->mimeData().types().join(u"|")));
    EXPECT_EQ("title", utf8(state->mimeData().text()));
}
