#include "tests/support/WidgetFakes.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/decorative/UISpacer.h"
#include "ui/widgets/decorative/UIStackPage.h"

#include <functional>
#include <memory>

namespace {

class DecorativeTest : public WidgetTest
{
protected:
    // The widget made by make, alone in a window laid out at 300 x 40.
    UIWidget* alone(const std::function<UIWidget*(UIWidget*)>& make)
    {
        window = std::make_unique<UIWidget>(nullptr);
        window->setFlag(UIWidget::kWindow, true);
        window->setStyleName(String(u"UIWindow"));
        window->setLayoutMargin(0);
        window->show();
        UIWidget* widget = make(window.get());
        widget->show();
        window->resize(300, 40);
        return widget;
    }

    std::unique_ptr<UIWidget> window;
};

} // namespace

TEST_F(DecorativeTest, EachWidgetTakesTheSpaceOfItsSizePolicyAndTheMouseIfItMay)
{
    struct Case
    {
        const char* name;
        std::function<UIWidget*(UIWidget*)> make;
        Size beforeLayout, laidOut;
        bool takesMouse;
    };
    const Case cases[] = {
        {"line stretches across and keeps its height", [](UIWidget* p) { return new UILine(p); }, Size(2, 2),
         Size(300, 2), true},
        {"expander fills", [](UIWidget* p) { return new UIExpander(p); }, Size(0, 0), Size(300, 40), false},
        {"spacer keeps its size", [](UIWidget* p) { return new UISpacer(20, 8, p); }, Size(20, 8),
         Size(20, 8), false},
        {"square spacer", [](UIWidget* p) { return new UISpacer(12, p); }, Size(12, 12), Size(12, 12), true},
        {"box fills", [](UIWidget* p) { return new UIBox(p); }, Size(0, 0), Size(300, 40), true},
        {"stack page fills", [](UIWidget* p) { return new UIStackPage(p); }, Size(0, 0), Size(300, 40), true},
    };
    for (const Case& c : cases) {
        UIWidget* widget = alone(c.make);
        EXPECT_EQ(c.beforeLayout, widget->sizeHint()) << c.name;
        EXPECT_EQ(c.laidOut, widget->size()) << c.name;
        const Point inside(widget->x() + 1, widget->y() + 1);
        EXPECT_EQ(c.takesMouse, window->childAt(inside) == widget) << c.name;
    }
}
