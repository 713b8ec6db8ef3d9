// A tool button that opens a dialog from its click is hovered when the dialog
// starts; the dialog is closed with the pointer elsewhere, and the button must
// then get its leave and be drawn in its normal frame (test.style gives each
// frame a colour of its own).
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/LaterStep.h"
#include "tests/support/UIEventRecorder.h"
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/events/UIEventType.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::LaterStep;
using testsupport::UIEventRecorder;
using testsupport::UIHarness;

namespace {

// Runs a dialog modally from the button's click; while it runs the pointer
// moves to a point of the screen away from the button and the dialog closes.
class DialogFromClick : public SignalReceiver
{
public:
    DialogFromClick(UIWidget* window, const Point& pointerGoesTo)
        : m_window(window), m_pointerGoesTo(pointerGoesTo)
    {
    }
    void open()
    {
        UIDialog dialog(m_window, 0);
        dialog.setLayoutEnabled(false);
        dialog.setGeometry(300, 300, 160, 100);
        LaterStep step(30, [&] {
            SetCursorPos(m_pointerGoesTo.x, m_pointerGoesTo.y);
            dialog.accept();
            return true;
        });
        dialog.show();
        ++runs;
    }
    int runs = 0;

private:
    UIWidget* m_window;
    Point m_pointerGoesTo;
};

uint32_t frameColor(int frame)
{
    return testSkinFrameColor(String(u"UIToolButton_Background"), frame).value() & 0xFFFFFFu;
}

} // namespace

TEST(HoverAfterModalRun, AToolButtonThatOpenedADialogIsDrawnUnhoveredWhenThePointerEndsElsewhere)
{
    ASSERT_TRUE(UIHarness::start());
    UIWidget* window = UIHarness::openWindow(nullptr, 40, 40, 320, 200);
    auto* button = new UIToolButton(window, ImageSet(), String(u"Options"));
    button->setLayoutEnabled(false);
    button->setGeometry(20, 20, 80, 60);
    button->show();
    DialogFromClick opener(window, window->mapToGlobal(Point(250, 150)));
    button->clicked.connect(&opener, &DialogFromClick::open);
    UIEventRecorder events(button);
    const Point inside(4, 4);

    UIHarness::moveMouse(button, Point(40, 30));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return button->isHovered(); }));
    EXPECT_EQ(frameColor(1), UIHarness::screenPixel(button, inside)) << "hovered before the click";
    UIHarness::click(button, Point(40, 30));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return opener.runs == 1; }, 3000));
    UIHarness::pumpFor(100);
    EXPECT_FALSE(button->isHovered());
    EXPECT_GE(events.count(kMouseLeaveEvent), 1);
    EXPECT_EQ(frameColor(0), UIHarness::screenPixel(button, inside)) << "drawn unhovered";
    UIHarness::closeWindow(window);
}
