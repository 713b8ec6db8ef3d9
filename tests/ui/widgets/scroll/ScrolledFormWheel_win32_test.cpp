// The wheel turned in a real window over a long form in a scroll area: the
// form scrolls whatever lies under the pointer, a disabled field included.
#include "tests/support/UIHarness.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIScrollArea.h"

#include <gtest/gtest.h>

using testsupport::UIHarness;

namespace {

// A form taller than the area that shows it.
class LongForm : public UIWidget
{
public:
    LongForm() : UIWidget(nullptr) { setStyleName(String(u"UITest")); }
    Size minimumSizeHint() const override { return Size(150, 900); }
};

UIWidget* field(UIWidget* form, int y)
{
    auto* widget = new UIWidget(form);
    widget->setStyleName(String(u"UITest"));
    widget->setGeometry(10, y, 100, 24);
    widget->show();
    return widget;
}

} // namespace

TEST(ScrolledFormWheel, TheFormScrollsUnderALabelAndADisabledField)
{
    ASSERT_TRUE(UIHarness::start());
    UIWidget* window = UIHarness::openWindow(nullptr, 40, 40, 240, 200);
    auto* area = new UIScrollArea(window);
    area->setGeometry(0, 0, 240, 200);
    area->show();
    auto* form = new LongForm;
    area->setContentWidget(form);
    form->setLayoutEnabled(false);
    form->show();
    UIWidget* label = field(form, 10);
    UIWidget* disabled = field(form, 50);
    disabled->setEnabled(false);
    UIHarness::pump();
    ASSERT_TRUE(area->verticalScrollBar()->isVisible());
    struct Case
    {
        const char* name;
        UIWidget* under;
    };
    const Case cases[] = {{"a label", label}, {"a disabled field", disabled}, {"a gap", form}};
    for (const Case& c : cases) {
        area->setVerticalValue(0);
        const Point at = c.under == form ? Point(200, 120) : Point(5, 5);
        UIHarness::wheel(c.under, at, false, -120);
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return area->verticalScrollBar()->value() > 0; })) << c.name;
    }
    UIHarness::closeWindow(window);
}
