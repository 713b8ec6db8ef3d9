#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/paint/UIBlitter.h"
#include "ui/core/paint/UIComposer.h"

#include <functional>

namespace {

using BackBufferTest = WidgetTest;

Size surfaceSize(const PaintTarget* target)
{
    return target ? target->size() : Size(0, 0);
}

} // namespace

// Surfaces grow to the widget's size plus 100 each way and stay put while
// the widget grows within that.
TEST_F(BackBufferTest, SurfacesGrowByAHundredAndAreNotReallocatedWithinIt)
{
    UIWidget* box = child("box", 0, 0, 120, 30);
    EXPECT_EQ(surfaceSize(top->frameTarget()), Size(600, 500));
    EXPECT_EQ(surfaceSize(box->paintTarget()), Size(220, 130));
    const uint8_t* pixels = box->paintTarget()->bits();
    box->resize(219, 130);
    EXPECT_EQ(surfaceSize(box->paintTarget()), Size(220, 130));
    EXPECT_EQ(box->paintTarget()->bits(), pixels) << "a size that fits costs nothing";
    box->resize(221, 20);
    EXPECT_EQ(surfaceSize(box->paintTarget()), Size(321, 120)) << "the other side may shrink";
    top->resize(700, 380);
    EXPECT_EQ(surfaceSize(top->frameTarget()), Size(800, 480));
    EXPECT_EQ(box->frameTarget(), top->frameTarget()) << "a child reaches its window's frame";
}

// Where a widget shows is cut by every ancestor, not only its parent.
TEST_F(BackBufferTest, VisibleAreasAreCutByEveryAncestor)
{
    UIWidget* outer = child("outer", 50, 40, 100, 60);
    UIWidget* inner = child("inner", 30, 10, 100, 30, outer);
    UIWidget* deep = child("deep", 60, 5, 50, 50, inner);
    UIWidget* gone = child("gone", 200, 0, 10, 10, outer);
    struct Case
    {
        UIWidget* widget;
        Rect expected;
    };
    const Case cases[] = {{top, Rect(0, 0, 500, 400)},
                          {outer, Rect(50, 40, 100, 60)},
                          {inner, Rect(80, 50, 70, 30)},
                          {deep, Rect(140, 55, 10, 25)},
                          {gone, Rect()}};
    for (const Case& c : cases)
        EXPECT_EQ(UIComposer::visibleRect(c.widget), c.expected) << c.widget->x();
}

// The blinking cursor's inversion keeps off the visible children only.
TEST_F(BackBufferTest, ChildAreasAreTheVisibleChildrenInWindowCoordinates)
{
    UIWidget* panel = child("panel", 10, 20, 200, 100);
    child("a", 0, 0, 50, 50, panel);
    child("hidden", 60, 0, 50, 50, panel)->hide();
    child("window", 120, 0, 50, 50, panel)->setFlag(UIWidget::kWindow, true);
    child("b", 5, 60, 30, 30, panel);
    const std::vector<Rect> expected = {Rect(10, 20, 50, 50), Rect(15, 80, 30, 30)};
    EXPECT_EQ(UIComposer::childAreas(panel), expected);
}

// Every early exit copies nothing; with updates off the right widget is
// marked for a later repaint.
TEST_F(BackBufferTest, ScreenCopiesStopEarlyWhenTheyCannotShow)
{
    UIWidget* box = child("box", 10, 10, 50, 50);
    auto* fresh = new UIWidget(top);
    UIWidget* hidden = child("hidden", 70, 10, 50, 50);
    hidden->hide();
    const Rect some(0, 0, 20, 20);
    struct Case
    {
        const char* name;
        std::function<void()> call;
        int copies;
        UIWidget* pending;
    };
    const Case cases[] = {
        {"whole copy", [&] { top->copyToScreenNow(some); }, 1, nullptr},
        {"inverted", [&] { box->paintRectNow(some, true); }, 1, nullptr},
        {"plain", [&] { box->paintRectNow(some, false); }, 1, nullptr},
        {"blit", [&] { box->blitToScreen(box->paintTarget(), some, Point(0, 0)); }, 1, nullptr},
        {"empty width", [&] { top->copyToScreenNow(Rect(0, 0, 0, 20)); }, 0, nullptr},
        {"negative height", [&] { box->paintRectNow(Rect(0, 0, 5, -1), true); }, 0, nullptr},
        {"no surface", [&] { box->blitToScreen(nullptr, some, Point(0, 0)); }, 0, nullptr},
        {"not created", [&] { fresh->copyToScreenNow(some); }, 0, nullptr},
        {"hidden", [&] { hidden->copyToScreenNow(some); }, 0, nullptr},
        {"window off",
         [&] {
             top->setFlag(UIWidget::kUpdatesEnabled, false);
             top->copyToScreenNow(some);
         },
         0, top},
        {"widget off",
         [&] {
             box->setFlag(UIWidget::kUpdatesEnabled, false);
             box->blitToScreen(box->paintTarget(), some, Point());
         },
         0, box},
    };
    for (const Case& c : cases) {
        top->setFlag(UIWidget::kRepaintPending, false);
        const int before = UIBlitter::screenCopyCount();
        c.call();
        EXPECT_EQ(UIBlitter::screenCopyCount() - before, c.copies) << c.name;
        if (c.pending) {
            EXPECT_TRUE(c.pending->testFlag(UIWidget::kRepaintPending)) << c.name;
        }
        top->setFlag(UIWidget::kUpdatesEnabled, true);
        box->setFlag(UIWidget::kUpdatesEnabled, true);
    }
}
