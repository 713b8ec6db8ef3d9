// The balloon tip and the message box in real windows under Wine with
// test.style, driven by the system's input and timers.
#include "tests/support/ScreenTest.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/UIWorkArea.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/messagebox/UIMessageBox.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::text;
using testsupport::UIHarness;

namespace {

int g_sounds = 0;
int g_soundKind = 0;

void countSound(int kind)
{
    ++g_sounds;
    g_soundKind = kind;
}

// What the timer does inside the box's modal run.
struct BoxPlan
{
    int press = 0;
    bool tick = false;
    Rect frame;
};
BoxPlan g_plan;

UIMessageBox* runningBox()
{
    for (UIWidget* widget : UIApplication::instance()->widgetList()) {
        if (widget->isModalRunning() && widget->isVisible())
            return static_cast<UIMessageBox*>(widget);
    }
    return nullptr;
}

void CALLBACK pressInBox(HWND, UINT, UINT_PTR id, DWORD)
{
    UIMessageBox* box = runningBox();
    if (!box)
        return;
    KillTimer(nullptr, id);
    g_plan.frame = box->frameGeometry();
    UIHarness::saveShot(box, "BoxesOnScreen.messageBox");
    if (g_plan.tick && box->checkBox())
        UIHarness::click(box->checkBox(), box->checkBox()->rect().center());
    UIButton* button = box->button(g_plan.press);
    if (button)
        UIHarness::click(button, button->rect().center());
}

// The user's hand on the "Yes" button: the pointer moved there and a real
// press and release through the input queue.
void CALLBACK pressYesByHand(HWND, UINT, UINT_PTR id, DWORD)
{
    UIMessageBox* box = runningBox();
    UIButton* yes = box ? box->button(UIMessageBox::kYes) : nullptr;
    if (!yes)
        return;
    KillTimer(nullptr, id);
    const Point at = yes->mapToGlobal(yes->rect().center());
    SetCursorPos(at.x, at.y);
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

class BoxesOnScreen : public testsupport::ScreenTest
{
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        g_sounds = 0;
        UIMessageBox::setSoundPlayer(&countSound);
    }
    void TearDown() override
    {
        UIMessageBox::setSoundPlayer(nullptr);
        UIBalloonTip::hideBalloon();
        ScreenTest::TearDown();
    }
};

} // namespace

TEST_F(BoxesOnScreen, ABalloonShowsShapedAndHidesOnAPressAndOnEscape)
{
    auto* owner = new UIButton(window);
    owner->setText(text("Here"));
    owner->setGeometry(200, 200, 80, 24);
    owner->show();
    UIHarness::pump();
    const Point anchor = owner->mapToGlobal(Point(40, 0));
    UIBalloonTip::showBalloon(owner, anchor, text("Title"), text("A line\r\nand another"), 1, Image(), 3, 150,
                              0, 0, 0);
    UIBalloonTip* balloon = UIBalloonTip::instance();
    ASSERT_NE(nullptr, balloon);
    UIHarness::pump();
    EXPECT_FALSE(balloon->isVisible()) << "not before its delay";
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return balloon->isVisible(); }));
    EXPECT_EQ(3, balloon->arrowSide());
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(static_cast<HWND>(balloon->nativeHandle()), shape));
    EXPECT_FALSE(PtInRegion(shape, 0, balloon->height() - 1)) << "the corner beside the arrow is cut away";
    EXPECT_TRUE(PtInRegion(shape, balloon->width() / 2, balloon->height() - 2)) << "the arrow stays";
    DeleteObject(shape);

    UIHarness::keyDown(VK_CONTROL);
    UIHarness::typeKeys({'C'});
    UIHarness::keyUp(VK_CONTROL);
    EXPECT_TRUE(UIHarness::pumpUntil([&] {
        return UIApplication::instance()->clipboard()->text() == text("Title\r\nA line\nand another");
    }));

    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    SendInput(1, &press, sizeof(INPUT));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return !balloon->isVisible(); })) << "a button pressed anywhere";
    press.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(1, &press, sizeof(INPUT));
    UIHarness::pump();

    UIBalloonTip::showBalloon(owner, anchor, text("Again"), text("x"), 0, Image(), 3, 0, 0, 0, 0);
    balloon = UIBalloonTip::instance();
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return balloon->isVisible() && balloon->hasFocus(); }));
    UIHarness::typeKeys({VK_ESCAPE});
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return !balloon->isVisible(); })) << "Escape";
}

TEST_F(BoxesOnScreen, AQuestionRunFromATimerReturnsNoWithTheTick)
{
    g_plan = BoxPlan{UIMessageBox::kNo, true, Rect()};
    SetTimer(nullptr, 0, 300, &pressInBox);
    const int result =
        UIMessageBox::question(window, text("Question"), text("Go on?"), text("It cannot be undone."),
                               UIMessageBox::kYes | UIMessageBox::kNo, UIMessageBox::kDoNotShowAgainOption);
    EXPECT_EQ(UIMessageBox::kNo | UIMessageBox::kDoNotShowAgain, result);
    EXPECT_EQ(1, g_sounds) << "its sound plays once";
    EXPECT_EQ(2, g_soundKind);

    g_plan = BoxPlan{UIMessageBox::kNo, false, Rect()};
    SetTimer(nullptr, 0, 200, &pressInBox);
    EXPECT_EQ(UIMessageBox::kNo, UIMessageBox::question(window, text("Question"), text("Go on?"), String(),
                                                        UIMessageBox::kYes | UIMessageBox::kNo, 0));

    SetTimer(nullptr, 0, 200, &pressYesByHand);
    EXPECT_EQ(UIMessageBox::kYes, UIMessageBox::question(window, text("Question"), text("Go on?"), String(),
                                                         UIMessageBox::kYes | UIMessageBox::kNo, 0))
        << "pressed by the user's hand";
}

TEST_F(BoxesOnScreen, ABoxNearTheScreenEdgeStaysInTheWorkArea)
{
    const Rect area = UIWorkArea::at(Point(10, 10));
    ASSERT_FALSE(area.isEmpty());
    UIMessageBox box(UIMessageBox::kWarning, text("Edge"), text("Near the corner"), UIMessageBox::kOk,
                     window);
    box.moveTo(Point(area.x + area.width - 40, area.y + area.height - 30));
    g_plan = BoxPlan{UIMessageBox::kOk, false, Rect()};
    SetTimer(nullptr, 0, 200, &pressInBox);
    EXPECT_EQ(UIMessageBox::kOk, box.exec());
    const int padding = UIApplication::instance()->theme()->metric(kWindowDesktopPadding);
    EXPECT_TRUE(area.adjusted(padding, padding, -padding, -padding).containsRect(g_plan.frame))
        << g_plan.frame.x << "," << g_plan.frame.y << " " << g_plan.frame.width << "x" << g_plan.frame.height;
}

// What users see: the white skin. The shots (with REELSTACK_SHOTS) show the
// balloon and a message box as drawn.
TEST_F(BoxesOnScreen, InTheWhiteSkinABalloonIsDarkAndABoxRuns)
{
    ASSERT_TRUE(UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style")));
    auto* owner = new UIButton(window);
    owner->setText(text("Here"));
    owner->setGeometry(200, 250, 80, 24);
    owner->show();
    UIHarness::pump();
    UIBalloonTip::showBalloon(owner, owner->mapToGlobal(Point(40, 0)), text("New collection"),
                              text("Name the collection here.\nIt is made in its own folder."), 1, Image(), 3,
                              0, 0, 0, 0);
    UIBalloonTip* balloon = UIBalloonTip::instance();
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return balloon->isVisible(); }));
    UIHarness::pumpFor(50);
    const Rect body = balloon->bodyRect();
    EXPECT_EQ(0x2B2F36u, UIHarness::screenPixel(balloon, Point(body.x + 5, body.y + body.height - 5)));
    UIHarness::saveShot(balloon, "BoxesOnScreen.balloon");
    UIBalloonTip::hideBalloon();

    g_plan = BoxPlan{UIMessageBox::kOk, false, Rect()};
    SetTimer(nullptr, 0, 300, &pressInBox);
    EXPECT_EQ(UIMessageBox::kOk,
              UIMessageBox::information(window, text("Export"), text("The export is done."),
                                        text("412 movies were written."), UIMessageBox::kOk,
                                        UIMessageBox::kDoNotShowAgainOption));
}
