#include "tests/support/LaterStep.h"
#include "tests/support/UIEventRecorder.h"
#include "tests/support/UIHarness.h"
#include "tests/support/WidgetFakes.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/events/UITimerClient.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

uint32_t frameColor(const char16_t* skin, int frame)
{
    return testSkinFrameColor(String(skin), frame).value() & 0xFFFFFFu;
}

class SmokeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 60, 60, 320, 200);
    }
    void TearDown() override { UIHarness::closeWindow(window); }

    template <typename Widget> Widget* add(Widget* widget, int x, int y, int width, int height)
    {
        widget->setLayoutEnabled(false);
        widget->setGeometry(x, y, width, height);
        widget->show();
        return widget;
    }

    UIWidget* window = nullptr;
};

} // namespace

TEST_F(SmokeTest, ClickAndSpaceOnAButtonAndAClickOnACheckBox)
{
    auto* button = add(new UIButton(window), 10, 10, 100, 30);
    auto* check = add(new UICheck(window), 10, 60, 100, 30);
    SignalCounter clicks, toggles;
    button->clicked.connect(&clicks, &SignalCounter::count);
    check->toggled.connect(&toggles, &SignalCounter::count);
    EXPECT_EQ(frameColor(u"UIButton_Background", 0), UIHarness::screenPixel(button, Point(50, 3)));

    UIHarness::click(button, Point(50, 15));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls == 1; }));
    button->setFocus();
    UIHarness::typeKeys({VK_SPACE});
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return clicks.calls == 2; })) << "Space clicks the focused button";

    testsupport::UIEventRecorder checkEvents(check);
    UIHarness::click(check, Point(8, 15));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return check->isChecked(); }));
    EXPECT_EQ(2, toggles.calls) << "toggled for the change and once after it";
    EXPECT_EQ(1, checkEvents.count(kClickEvent));
}

TEST_F(SmokeTest, ADialogRunsModallyAndClosesWithItsResult)
{
    struct Case
    {
        const char* name;
        std::function<void(UIDialog*)> close;
        int result;
    };
    const Case cases[] = {
        {"Escape", [](UIDialog*) { UIHarness::typeKeys({VK_ESCAPE}); }, 0},
        {"accept", [](UIDialog* d) { d->accept(); }, 1},
        {"done 3 then 7: the last wins",
         [](UIDialog* d) {
             d->done(3);
             d->done(7);
         },
         7},
    };
    for (const Case& c : cases) {
        UIDialog dialog(window, 0);
        dialog.resize(200, 120);
        auto* ok = new UIButton(&dialog);
        ok->setDefault(true);
        ok->show();
        struct HideWatch : SignalReceiver
        {
            void onHide() { parentEnabled = ++hides == 1 && IsWindowEnabled(parent) != 0; }
            HWND parent;
            int hides = 0;
            bool parentEnabled = false;
        } watch;
        watch.parent = static_cast<HWND>(window->windowHandle());
        dialog.hidden.connectAdjusted(&watch, &HideWatch::onHide);
        bool parentBlockedDuringRun = false;
        LaterStep step(100, [&] {
            parentBlockedDuringRun = !IsWindowEnabled(watch.parent);
            UIHarness::activate(&dialog);
            c.close(&dialog);
            return true;
        });
        dialog.show();
        EXPECT_EQ(c.result, dialog.result()) << c.name;
        EXPECT_EQ(1, watch.hides) << c.name;
        EXPECT_TRUE(parentBlockedDuringRun) << c.name;
        EXPECT_TRUE(watch.parentEnabled) << c.name << ": enabled before the hide event";
    }
}
