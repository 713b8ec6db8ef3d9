#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIPaintEvent.h"
#include "ui/core/paint/UIBlitter.h"
#include "ui/core/paint/UIComposer.h"

#include <functional>

using BackBufferTest = WidgetTest;

// Surfaces grow to the widget's size plus 100 each way and stay put while
// the widget grows within that.
TEST_F(BackBufferTest, SurfacesGrowByAHundredAndAreNotReallocatedWithinIt)
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
}

// Every early exit copies nothing.
TEST_F(BackBufferTest, ScreenCopiesStopEarlyWhenTheyCannotShow)
{
    UIWidget* box = child("box", 10, 10, 50, 50);
    auto* fresh = new UIWidget(top);
    const Rect some(0, 0, 20, 20);
    // The last column switches updates off on that widget, which must then
    // be marked for a later repaint.
    const struct
    {
        const char* name;
        std::function<void()> call;
        int copies;
        UIWidget* off;
    } cases[] = {
        {"whole", [&] { top->copyToScreenNow(some); }, 1, nullptr},
        {"inverted", [&] { box->paintRectNow(some, true); }, 1, nullptr},
        {"blit", [&] { box->blitToScreen(box->paintTarget(), some, Point()); }, 1, nullptr},
        {"empty", [&] { top->copyToScreenNow(Rect(0, 0, 0, 20)); }, 0, nullptr},
        {"not created", [&] { fresh->copyToScreenNow(some); }, 0, nullptr},
        {"window off", [&] { box->copyToScreenNow(some); }, 0, top},
        {"widget off", [&] { box->blitToScreen(box->paintTarget(), some, Point()); }, 0, box},
    };
    for (const auto& c : cases) {
        for (UIWidget* widget : {static_cast<UIWidget*>(top), box})
            widget->setFlag(UIWidget::kUpdatesEnabled, widget != c.off),
                widget->setFlag(UIWidget::kRepaintPending, false);
        const int before = UIBlitter::screenCopyCount();
        c.call();
        EXPECT_EQ(UIBlitter::screenCopyCount() - before, c.copies) << c.name;
        EXPECT_TRUE(!c.off || c.off->testFlag(UIWidget::kRepaintPending)) << c.name;
    }
}

// A widget shows only where its parent and every further ancestor show: a
// large parent inside a small grandparent does not widen what shows.
TEST_F(BackBufferTest, VisibleAreaIsCutByEveryAncestor)
{
    UIWidget* outer = child("outer", 10, 10, 50, 50);
    UIWidget* inner = child("inner", 0, 0, 200, 200, outer);
    UIWidget* leaf = child("leaf", 30, 30, 100, 100, inner);
    UIWidget* hidden = child("hidden", 60, 5, 20, 20, inner);
    UIWidget* deep = child("deep", -5, 0, 10, 10, leaf);
    const struct
    {
        UIWidget* widget;
        Rect expected;
    } rows[] = {
        {outer, Rect(10, 10, 50, 50)}, {inner, Rect(10, 10, 50, 50)},
        {leaf, Rect(40, 40, 20, 20)},  {hidden, Rect()},
        {deep, Rect(40, 40, 5, 10)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(UIComposer::visibleRect(row.widget), row.expected) << (&row - rows);
}

// A focus change brings the whole window's frame to the screen, and the
// compositor tells each paint handler what to paint.
TEST_F(BackBufferTest, FocusChangesCopyTheWindowAndPaintsCarryTheirRectangle)
{
    struct Field : UIWidget
    {
        Field(UIWidget* parent) : UIWidget(parent)
        {
            setFocusPolicy(kClickFocus);
            setStyleName(String(u"UITest"));
            setLayoutEnabled(false);
        }
        std::vector<Rect> painted;
        void paint(UIEvent* event) override
        {
            auto* paint = static_cast<UIPaintEvent*>(event);
            painted.push_back(Rect(paint->rect().x + paint->offset().x, paint->rect().y + paint->offset().y,
                                   paint->rect().width, paint->rect().height));
        }
    };
    auto* field = new Field(top);
    field->setGeometry(10, 10, 50, 40);
    field->show();
    for (bool in : {true, false}) {
        const int before = UIBlitter::screenCopyCount();
        if (in)
            field->setFocus();
        else
            field->clearFocus();
        EXPECT_EQ(UIBlitter::screenCopyCount() - before, 1) << (in ? "in" : "out");
    }
    field->painted.clear();
    field->update();
    EXPECT_EQ(field->painted, (std::vector<Rect>{Rect(0, 0, 50, 40)}));
}
