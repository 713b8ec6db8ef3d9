// The stack's pages on the widget fakes.
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/decorative/UIStackPage.h"
#include "ui/widgets/stack/UIStack.h"

namespace {

int shownPages(const UIStack* stack)
{
    int shown = 0;
    for (int i = 0; i < stack->pageCount(); ++i)
        shown += stack->page(i)->testFlag(UIWidget::kVisible) ? 1 : 0;
    return shown;
}

} // namespace

TEST_F(WidgetTest, StackShowsAtMostOnePage)
{
    auto* stack = new UIStack(3, top);
    stack->setLayoutMargins(1, 2, 3, 4);
    stack->page(0)->setMinimumSize(100, 20);
    stack->page(2)->setMinimumSize(30, 60);
    const Size hint(100 + 1 + 3, 60 + 2 + 4);
    EXPECT_EQ(0, shownPages(stack)) << "none until asked";
    EXPECT_EQ(-1, stack->currentIndex());
    struct Step
    {
        int index, current, shownIndex;
    };
    const Step steps[] = {{1, 1, 1}, {2, 2, 2}, {3, 2, 2}, {-2, 2, 2}, {0, 0, 0}, {-1, -1, -1}};
    for (const Step& step : steps) {
        stack->setCurrentIndex(step.index);
        EXPECT_EQ(step.current, stack->currentIndex()) << step.index;
        EXPECT_EQ(step.shownIndex < 0 ? 0 : 1, shownPages(stack)) << step.index;
        EXPECT_EQ(hint, stack->sizeHint()) << "every page counts, shown or not";
        if (step.shownIndex >= 0) {
            EXPECT_TRUE(stack->page(step.shownIndex)->testFlag(UIWidget::kVisible)) << step.index;
        }
    }
    EXPECT_EQ(nullptr, stack->page(3));
    EXPECT_EQ(stack->page(0), stack->page(-5));
    EXPECT_EQ(0, UIStack(0, nullptr).pageCount());
}
