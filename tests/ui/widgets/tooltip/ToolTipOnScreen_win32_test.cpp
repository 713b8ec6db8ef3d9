// The shared tool tip in real windows under Wine with test.style: the tip
// is asked for by real mouse moves over its owner, and where it stands is
// read from the tip window and from the screen.
#include "tests/support/ScreenTest.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/tooltip/UIToolTip.h"

#include <windows.h>

using testsupport::UIHarness;

namespace {

class ToolTipOnScreen : public testsupport::ScreenTest
{
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        UIToolTip::install();
        UIToolTip::resetHistory();
        ASSERT_TRUE(UIHarness::activate(window));
    }
    void TearDown() override
    {
        UIToolTip::hideShared();
        // The other tests of this program run without a tool tip.
        UIToolTipHost::install(nullptr);
        ScreenTest::TearDown();
    }
    UIButton* button(int x, int y, const char16_t* tip, int group)
    {
        auto* made = new UIButton(window);
        made->setToolTip(String(tip));
        made->setToolTipGroup(group);
        return place(made, x, y, 160, 80);
    }
    // The shared tip, which is made as a child of its owner.
    static UIToolTip* tipOf(const UIWidget* owner)
    {
        for (UIWidget* child : owner->children())
            if (UIToolTip::isInstance(child))
                return static_cast<UIToolTip*>(child);
        return nullptr;
    }
    static bool shownFor(const UIWidget* owner)
    {
        const UIToolTip* tip = tipOf(owner);
        return tip && tip->isVisible();
    }
};

} // namespace

TEST_F(ToolTipOnScreen, ShowsAfterItsDelayFollowsTheCursorAndHidesOnAPress)
{
    UIButton* owner = button(20, 20, u"Plays the reel", 0);
    UIHarness::moveMouse(owner, Point(40, 30));
    UIHarness::pump();
    // Asked for, but waiting for its delay.
    ASSERT_TRUE(UIToolTip::isShowing());
    ASSERT_NE(nullptr, tipOf(owner));
    EXPECT_FALSE(tipOf(owner)->isVisible());
    EXPECT_EQ(UIToolTip::kDefaultShowDelay, tipOf(owner)->showDelay());

    ASSERT_TRUE(UIHarness::pumpUntil([&] { return shownFor(owner); }));
    UIToolTip* tip = tipOf(owner);
    EXPECT_EQ(skin(u"UIToolTip_Background", 0), UIHarness::screenPixel(tip, Point(tip->width() / 2, 1)));

    // The cursor moves within the owner: the tip moves by as much.
    const Point before = tip->pos();
    UIHarness::moveMouse(owner, Point(110, 50));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return tip->pos() != before; }));
    EXPECT_EQ(Point(before.x + 70, before.y + 20), tip->pos());
    EXPECT_TRUE(tip->isVisible());

    // The press alone hides it: the system's button state, which the
    // follow timer reads, never shows a posted press.
    const Point at = owner->mapTo(window, Point(110, 50));
    UIHarness::postMouse(window, WM_LBUTTONDOWN, at, MK_LBUTTON);
    UIHarness::pump();
    EXPECT_FALSE(UIToolTip::isShowing());
    UIHarness::postMouse(window, WM_LBUTTONUP, at);
    UIHarness::pump();
}

TEST_F(ToolTipOnScreen, ATipOfTheSameGroupComesAfterTheShortDelay)
{
    struct Case
    {
        int firstGroup;
        int secondGroup;
        int delay;
    };
    const Case cases[] = {{7, 7, UIToolTip::kQuickShowDelay},
                          {7, 8, UIToolTip::kDefaultShowDelay},
                          {0, 0, UIToolTip::kDefaultShowDelay}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "groups " << c.firstGroup << " then " << c.secondGroup);
        UIToolTip::resetHistory();
        UIButton* first = button(20, 20, u"First", c.firstGroup);
        UIButton* second = button(200, 20, u"Second", c.secondGroup);
        UIHarness::moveMouse(first, Point(40, 30));
        ASSERT_TRUE(UIHarness::pumpUntil([&] { return shownFor(first); }));
        // Moving onto the other button hides the first tip and asks for
        // the second.
        UIHarness::moveMouse(second, Point(40, 30));
        UIHarness::pump();
        EXPECT_FALSE(shownFor(first));
        ASSERT_NE(nullptr, tipOf(second));
        EXPECT_EQ(c.delay, tipOf(second)->showDelay());
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return shownFor(second); }));
        UIToolTip::hideShared();
        delete first;
        delete second;
        UIHarness::pump();
    }
}

namespace {

// The owner's tip asked for by a real move over it, with the flags set while
// it waits for its delay; shown or not.
bool showTip(UIWidget* owner, int displayTime, int flags)
{
    UIToolTip::hideShared();
    owner->setToolTipDelay(50);
    owner->setToolTipDuration(displayTime);
    // The window skips a move to where the pointer already is: two moves
    // make sure one arrives.
    UIHarness::moveMouse(owner, Point(30, 25));
    UIHarness::pump();
    UIHarness::moveMouse(owner, Point(40, 30));
    UIHarness::pump();
    UIWidget* made = nullptr;
    for (UIWidget* child : owner->children())
        if (UIToolTip::isInstance(child))
            made = child;
    if (!made)
        return false;
    static_cast<UIToolTip*>(made)->setFlags(flags);
    return UIHarness::pumpUntil([&] { return made->isVisible(); });
}

} // namespace

TEST_F(ToolTipOnScreen, HidesAfterItsDisplayTimeOnlyWithThatFlag)
{
    struct Case
    {
        int flags;
        bool hides;
    };
    const Case cases[] = {{UIToolTip::kHideAfterDisplayTime | UIToolTip::kHideOutsideArea, true},
                          {UIToolTip::kHideOutsideArea, false}};
    UIButton* owner = button(20, 20, u"Reel", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags);
        ASSERT_TRUE(showTip(owner, 300, c.flags));
        // The cursor stays still, so nothing but the display time can end it;
        // a tip that stays is watched for three times that time.
        EXPECT_EQ(c.hides, UIHarness::pumpUntil([] { return !UIToolTip::isShowing(); }, 900));
    }
}

TEST_F(ToolTipOnScreen, HidesWhenTheCursorLeavesTheAreaOnlyWithThatFlag)
{
    struct Case
    {
        int flags;
        bool hides;
    };
    const Case cases[] = {{UIToolTip::kHideAfterDisplayTime | UIToolTip::kHideOutsideArea, true},
                          {UIToolTip::kHideAfterDisplayTime, false}};
    UIButton* owner = button(20, 20, u"Reel", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags);
        ASSERT_TRUE(showTip(owner, 0, c.flags));
        // Beyond the window no move reaches it: only the tip's own following
        // can see the cursor gone.
        const Point outside = window->mapToGlobal(Point(window->width() + 40, 40));
        SetCursorPos(outside.x, outside.y);
        EXPECT_EQ(c.hides, UIHarness::pumpUntil([] { return !UIToolTip::isShowing(); }, 300));
    }
}

TEST_F(ToolTipOnScreen, FollowsTheCursorOnlyWithADisplayTimeAboveTenMilliseconds)
{
    struct Case
    {
        int displayTime;
        bool follows;
    };
    const Case cases[] = {{10, false}, {5, false}, {11, true}};
    UIButton* owner = button(20, 20, u"Reel", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "display time " << c.displayTime);
        // Without the display-time flag a short tip stays up to be watched.
        ASSERT_TRUE(showTip(owner, c.displayTime, UIToolTip::kHideOutsideArea));
        const UIToolTip* tip = tipOf(owner);
        const Point before = tip->pos();
        UIHarness::moveMouse(owner, Point(110, 50));
        UIHarness::pumpFor(300);
        ASSERT_EQ(tip, tipOf(owner));
        EXPECT_TRUE(tip->isVisible());
        EXPECT_EQ(c.follows, tip->pos() != before);
    }
}
