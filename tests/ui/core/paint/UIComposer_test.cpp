#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/paint/UIBlitter.h"
#include "ui/core/paint/UIComposer.h"

#include <functional>

using BackBufferTest = WidgetTest;

// Surfaces grow to the widget's size plus 100 each way and stay put while
// the widget grows within that.
TEST_F(BackBufferTest, SurfacesGrowByAHundredAndAreNotReallocatedWithinIt)
{
    UIWidget* box = child("box", 0, 0, 120, 30);
    const uint8_t* pixels = box->paintTarget()->bits();
    EXPECT_EQ(top->frameTarget()->size(), Size(600, 500));
    EXPECT_EQ(box->paintTarget()->size(), Size(220, 130));
    box->resize(219, 130);
    EXPECT_EQ(box->paintTarget()->bits(), pixels) << "a size that fits costs nothing";
    box->resize(221, 20);
    EXPECT_EQ(box->paintTarget()->size(), Size(321, 120)) << "the other side may shrink";
    top->resize(700, 380);
    EXPECT_EQ(top->frameTarget()->size(), Size(800, 480));
}

// Where a widget shows is cut by every ancestor, not only by its parent;
// an inversion keeps off the visible children only.
TEST_F(BackBufferTest, VisibleAreasAreCutByEveryAncestor)
{
    UIWidget* outer = child("outer", 50, 40, 100, 60);
    UIWidget* inner = child("inner", 30, 10, 100, 30, outer);
    child("hidden", 0, 0, 5, 5, outer)->hide();
    UIWidget* gone = child("gone", 200, 0, 10, 10, outer);
    const UIWidget* widgets[] = {outer, inner, child("deep", 60, 5, 50, 50, inner), gone};
    const Rect expected[] = {Rect(50, 40, 100, 60), Rect(80, 50, 70, 30), Rect(140, 55, 10, 25), Rect()};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(UIComposer::visibleRect(widgets[i]), expected[i]) << i;
    EXPECT_EQ(UIComposer::childAreas(outer),
              std::vector<Rect>({Rect(80, 50, 100, 30), Rect(250, 40, 10, 10)}));
}

// Every early exit copies nothing; with updates off the right widget is
// marked for a later repaint.
TEST_F(BackBufferTest, ScreenCopiesStopEarlyWhenTheyCannotShow)
{
    UIWidget* box = child("box", 10, 10, 50, 50);
    UIWidget* hidden = child("hidden", 70, 10, 50, 50);
    hidden->hide();
    auto* fresh = new UIWidget(top);
    const Rect some(0, 0, 20, 20);
    const struct
    {
        const char* name;
        std::function<void()> call;
        int copies;
        UIWidget* pending;
    } cases[] = {
        {"whole", [&] { top->copyToScreenNow(some); }, 1, nullptr},
        {"inverted", [&] { box->paintRectNow(some, true); }, 1, nullptr},
        {"blit", [&] { box->blitToScreen(box->paintTarget(), some, Point()); }, 1, nullptr},
        {"empty", [&] { top->copyToScreenNow(Rect(0, 0, 0, 20)); }, 0, nullptr},
        {"negative", [&] { box->paintRectNow(Rect(0, 0, 5, -1), true); }, 0, nullptr},
        {"no surface", [&] { box->blitToScreen(nullptr, some, Point()); }, 0, nullptr},
        {"not created", [&] { fresh->copyToScreenNow(some); }, 0, nullptr},
        {"hidden", [&] { hidden->paintRectNow(some, false); }, 0, nullptr},
        {"window off", [&] { top->setFlag(UIWidget::kUpdatesEnabled, false), box->copyToScreenNow(some); }, 0,
         top},
        {"widget off",
         [&] {
             box->setFlag(UIWidget::kUpdatesEnabled, false),
                 box->blitToScreen(box->paintTarget(), some, Point());
         },
         0, box},
    };
    for (const auto& c : cases) {
        top->setFlag(UIWidget::kRepaintPending, false);
        box->setFlag(UIWidget::kRepaintPending, false);
        const int before = UIBlitter::screenCopyCount();
        c.call();
        EXPECT_EQ(UIBlitter::screenCopyCount() - before, c.copies) << c.name;
        EXPECT_TRUE(!c.pending || c.pending->testFlag(UIWidget::kRepaintPending)) << c.name;
        top->setFlag(UIWidget::kUpdatesEnabled, true);
        box->setFlag(UIWidget::kUpdatesEnabled, true);
    }
}
