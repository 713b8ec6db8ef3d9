// The message box on the widget fakes: the buttons in their order and their
// results, the check box's flag, Escape and the title bar's close, the
// default button, the content by kind, the sound, copying and placement.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/UIWorkArea.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/picture/UIPicture.h"

#include <vector>

using testsupport::text;

namespace {

std::vector<int>& sounds()
{
    static std::vector<int> played;
    return played;
}

void countSound(int kind)
{
    sounds().push_back(kind);
}

class UIMessageBoxTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        sounds().clear();
        UIMessageBox::setSoundPlayer(&countSound);
    }
    void TearDown() override
    {
        UIMessageBox::setSoundPlayer(nullptr);
        UIWorkArea::setOverride(Rect());
        WidgetTest::TearDown();
    }
    static int descendantsNamed(const UIWidget* widget, const char16_t* style)
    {
        int found = 0;
        for (const UIWidget* each : widget->descendants())
            found += each->styleName() == String(style) ? 1 : 0;
        return found;
    }
    static void click(UIButton* button) { send(button, UIMouseEvent(kClickEvent, 0, 1, Point(2, 2), 0)); }
};

} // namespace

TEST_F(UIMessageBoxTest, ButtonsStandInTheirOrderAndReturnTheirFlags)
{
    UIMessageBox all(UIMessageBox::kQuestion, text("Title"), text("Text"), 0x7FFFF, nullptr);
    all.prepare();
    ASSERT_EQ(UIMessageBox::standardButtonCount(), all.buttonList().count());
    int position = 0;
    for (UIButton* button : all.buttonList()) {
        const int flag = UIMessageBox::standardButton(position++);
        EXPECT_EQ(String(UIMessageBox::standardButtonText(flag)), button->text()) << flag;
    }

    struct Case
    {
        int buttons, options, pressed;
        bool tick;
        int result;
    };
    const Case cases[] = {
        {UIMessageBox::kYes | UIMessageBox::kNo, 0, UIMessageBox::kNo, false, UIMessageBox::kNo},
        {UIMessageBox::kOk, UIMessageBox::kDoNotShowAgainOption, UIMessageBox::kOk, true,
         UIMessageBox::kOk | UIMessageBox::kDoNotShowAgain},
        {UIMessageBox::kOk, UIMessageBox::kDoNotShowAgainOption, UIMessageBox::kOk, false, UIMessageBox::kOk},
    };
    for (const Case& c : cases) {
        UIMessageBox box(UIMessageBox::kQuestion, text("Title"), text("Text"), c.buttons, nullptr);
        box.setOptions(c.options);
        box.prepare();
        EXPECT_EQ(c.options == UIMessageBox::kDoNotShowAgainOption, box.checkBox() != nullptr);
        if (c.tick)
            box.checkBox()->check();
        click(box.button(c.pressed));
        drain();
        EXPECT_EQ(c.result, box.result()) << c.buttons;
    }
    UIMessageBox yesNo(UIMessageBox::kQuestion, text("Title"), text("Text"),
                       UIMessageBox::kYes | UIMessageBox::kNo, nullptr);
    yesNo.prepare();
    EXPECT_EQ(text("Yes"), yesNo.buttonList().first()->value->text()) << "Yes stands left of No";
}

TEST_F(UIMessageBoxTest, EscapeAndTheTitleBarCloseGiveZeroWithTheTick)
{
    for (bool byEscape : {true, false}) {
        for (bool tick : {false, true}) {
            UIMessageBox box(UIMessageBox::kWarning, text("T"), text("x"), UIMessageBox::kOk, nullptr);
            box.setOptions(UIMessageBox::kDoNotShowAgainOption);
            box.prepare();
            box.setResult(7);
            if (tick)
                box.checkBox()->check();
            if (byEscape) {
                send(&box, UIKeyEvent(kKeyPressEvent, UIDialog::kEscapeKey, 0, String()));
            } else {
                UIEvent close(kCloseEvent);
                close.accept();
                send(&box, std::move(close));
            }
            drain();
            EXPECT_EQ(tick ? UIMessageBox::kDoNotShowAgain : 0, box.result()) << byEscape << tick;
        }
    }
}

TEST_F(UIMessageBoxTest, ContentDefaultButtonSoundCopyAndPlacement)
{
    UIMessageBox plain(UIMessageBox::kNoIcon, text("T"), text("Main"), UIMessageBox::kOk, nullptr);
    plain.setOptions(UIMessageBox::kDefaultButtonOption);
    plain.prepare();
    EXPECT_EQ(0, descendantsNamed(&plain, u"UIPicture")) << "kind 0 has no icon";
    EXPECT_EQ(1, descendantsNamed(&plain, u"UILabel")) << "an empty informative text adds no label";
    EXPECT_TRUE(plain.button(UIMessageBox::kOk)->isDefault()) << "its only button is the default";

    UIMessageBox two(UIMessageBox::kCritical, text("T"), text("Main"),
                     UIMessageBox::kOk | UIMessageBox::kCancel, nullptr);
    two.setOptions(UIMessageBox::kDefaultButtonOption);
    two.setInformativeText(text("More"));
    two.prepare();
    EXPECT_FALSE(two.button(UIMessageBox::kOk)->isDefault());
    EXPECT_FALSE(two.button(UIMessageBox::kCancel)->isDefault());
    EXPECT_EQ(1, descendantsNamed(&two, u"UIPicture"));
    EXPECT_EQ(2, descendantsNamed(&two, u"UILabel"));

    UIWorkArea::setOverride(Rect(0, 0, 800, 600));
    two.setGeometry(780, 590, 300, 120);
    send(&two, UIEvent(kShowEvent));
    EXPECT_TRUE(Rect(0, 0, 800, 600).containsRect(two.frameGeometry())) << "moved inside the work area";
    EXPECT_TRUE(sounds().empty()) << "not before 50 ms";
    EXPECT_TRUE(two.isTimerActive(UIMessageBox::kSoundTimerId));
    two.timerFired(UIMessageBox::kSoundTimerId);
    EXPECT_EQ(std::vector<int>{5}, sounds());
    EXPECT_FALSE(two.isTimerActive(UIMessageBox::kSoundTimerId)) << "once";
    send(&plain, UIEvent(kShowEvent));
    plain.timerFired(UIMessageBox::kSoundTimerId);
    EXPECT_EQ(std::vector<int>{5}, sounds()) << "kind 0 plays nothing";

    send(&plain, UIKeyEvent(kKeyPressEvent, UIMessageBox::kCopyKey, 2, String()));
    EXPECT_EQ(plain.title() + String(u"\r\nMain"), UIApplication::instance()->clipboard()->text());
}
