// The flags that widget constructors name beside the defaults they already
// hold: each one asked for is set, so hovering shows and ends, and the size
// grip tells double clicks apart.
#include "tests/support/UIEventRecorder.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/toolbar/UIToolButton.h"

#include <functional>

TEST_F(WidgetTest, WidgetsGetEveryFlagTheirConstructorsName)
{
    struct Case
    {
        const char* name;
        std::function<UIWidget*()> make;
        uint32_t flags;
    };
    const Case cases[] = {
        {"tool button", [&] { return new UIToolButton(top, ImageSet(), String(u"Go")); },
         UIWidget::kTransparent | UIWidget::kHoverTracking},
        {"tab bar", [&] { return new UITabBar(top); }, UIWidget::kTransparent | UIWidget::kHoverTracking},
        {"spin box", [&] { return new UISpinBox(top); }, UIWidget::kTransparent | UIWidget::kHoverTracking},
        {"slider", [&] { return new UISlider(top); }, UIWidget::kTransparent | UIWidget::kHoverTracking},
        {"size grip", [&] { return new UISizeGrip(top); },
         UIWidget::kTransparent | UIWidget::kWantsDoubleClicks},
    };
    for (const Case& c : cases) {
        UIWidget* widget = c.make();
        for (uint32_t bit = 1; bit != 0; bit <<= 1) {
            if (c.flags & bit) {
                EXPECT_TRUE(widget->testFlag(bit)) << c.name << " flag 0x" << std::hex << bit;
            }
        }
        if (widget->testFlag(UIWidget::kHoverTracking)) {
            widget->setGeometry(0, 0, 40, 20);
            widget->show();
            testsupport::UIEventRecorder events(widget);
            mouse(widget, kMouseMoveEvent, 5, 5);
            drain();
            EXPECT_EQ(1, events.count(kMouseEnterEvent)) << c.name << ": moving onto it enters";
        }
        delete widget;
    }
}
