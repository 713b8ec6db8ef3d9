#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/paint/UIBlitter.h"
#include "ui/core/paint/UIComposer.h"

#include <functional>

using BackBufferTest = WidgetTest;

// Surfaces grow to the widget's size plus 100 each way and stay put while
// the widget grows within that. An inversion keeps off the visible children.
TEST_F(BackBufferTest, SurfacesGrowByAHundredAndChildAreasAreTheVisibleChildren)
{
    UIWidget* box = child("box", 10, 20, 120, 30);
    const uint8_t* pixels = box->paintTarget()->bits();
    EXPECT_EQ(top->frameTarget()->size(), Size(600, 500));
    EXPECT_EQ(box->paintTarget()->size(), Size(220, 130));
    box->resize(219, 130);
    EXPECT_EQ(box->paintTarget()->bits(), pixels) << "a size that fits costs nothing";
    box->resize(221, 20);
    EXPECT_EQ(box->paintTarget()->size(), Size(321, 120)) << "the other side may shrink";
    top->resize(700, 380);
    EXPECT_EQ(top->frameTarget()->size(), Size(800, 480));
    child("a", 5, 6, 7, 8, box);
    child("hidden", 0, 0, 5, 5, box)->hide();
    child("b", 300, 0, 10, 10, box);
    EXPECT_EQ(UIComposer::childAreas(box), std::vector<Rect>({Rect(15, 26, 7, 8), Rect(310, 20, 10, 10)}));
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
