// The splitter's panels, stretch factors and separator drags. The test
// window lays the splitter out over its whole 500 x 400 area; separators are
// 8 thick.
#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/splitter/UISplitterPanel.h"
#include "ui/widgets/splitter/UISplitterSeparator.h"

#include <cstring>

namespace {

class UISplitterTest : public WidgetTest
{
protected:
    UISplitter* splitter(int panels, bool vertical)
    {
        top->setLayoutEnabled(true);
        top->setLayoutMargin(0);
        auto* s = new UISplitter(panels, vertical, top);
        s->show();
        top->relayout();
        return s;
    }
    // Sum of the stretch factors of the children other than these two.
    static float others(UISplitter* s, const UIWidget* a, const UIWidget* b)
    {
        float sum = 0;
        for (UIWidget* child : s->children())
            sum += child == a || child == b ? 0.0f : s->stretchOf(child);
        return sum;
    }
};

} // namespace

TEST_F(UISplitterTest, PanelsAlternateWithSeparatorsAndShareEqually)
{
    const int counts[] = {1, 2, 3, 5};
    for (int n : counts) {
        UISplitter* s = splitter(n, n % 2 == 1);
        EXPECT_EQ(n, s->panelCount());
        EXPECT_EQ(n - 1, s->separatorCount());
        int index = 0;
        for (UIWidget* child : s->children()) {
            const bool isPanel = index % 2 == 0;
            EXPECT_FLOAT_EQ(isPanel ? 100.0f / n : 0.0f, s->stretchOf(child)) << n << " child " << index;
            ++index;
        }
        EXPECT_EQ(nullptr, s->panel(n));
        EXPECT_EQ(s->panel(0), s->panel(-1));
        delete s;
    }
}

TEST_F(UISplitterTest, MovingASeparatorKeepsTheSharesSummedAndStopsAtTheHints)
{
    UISplitter* s = splitter(3, false);
    s->panel(0)->setMinimumWidth(50);
    s->panel(1)->setMinimumWidth(40);
    top->relayout();
    struct Step
    {
        int separator, position;
        bool changes;
    };
    const Step steps[] = {{0, 150, true},  {0, 150, false}, {1, 420, true}, {0, 0, true},   {0, -40, false},
                          {1, 9999, true}, {0, 400, true},  {0, 600, true}, {0, 700, false}};
    for (const Step& step : steps) {
        UIWidget* before = s->childAtIndex(2 * step.separator);
        UIWidget* after = s->childAtIndex(2 * step.separator + 2);
        EXPECT_EQ(step.changes, s->moveSeparator(step.separator, step.position))
            << step.separator << " to " << step.position;
        EXPECT_NEAR(100.0f - others(s, before, after), s->stretchOf(before) + s->stretchOf(after), 1e-3)
            << step.separator << " to " << step.position;
        EXPECT_GE(before->width(), before->minimumWidth());
        EXPECT_GE(after->width(), after->minimumWidth());
    }
    EXPECT_EQ(40, s->panel(1)->width()) << "the last drags pushed panel 1 to its hint";
    s->panel(0)->setMinimumWidth(500 - 16 - 40);
    top->relayout();
    EXPECT_FALSE(s->moveSeparator(0, 100)) << "no room beyond the hints: free is 0";
    EXPECT_EQ(0, s->panel(2)->width());
}

TEST_F(UISplitterTest, TheDivisionSurvivesAResize)
{
    UISplitter* s = splitter(2, false);
    EXPECT_TRUE(s->moveSeparator(0, 100 + 4));
    EXPECT_NEAR(100, s->separatorPosition(0), 1);
    top->resize(1000, 400);
    top->relayout();
    EXPECT_NEAR(100 * (1000 - 8) / (500 - 8), s->separatorPosition(0), 2) << "in proportion";
}

TEST_F(UISplitterTest, DragsIgnoreJitterAndShowTheDirectionLeftAtALimit)
{
    UISplitter* s = splitter(2, false);
    UISplitterSeparator* separator = s->separator(0);
    EXPECT_EQ(UISplitterSeparator::kSplitLeftRight, separator->cursor().shape());
    const float start = s->stretchOf(s->panel(0));
    mouse(separator, kMousePressEvent, 4, 10);
    mouse(separator, kMouseMoveEvent, 5, 10);
    EXPECT_EQ(start, s->stretchOf(s->panel(0))) << "one pixel is jitter";
    mouse(separator, kMouseMoveEvent, -46, 10);
    EXPECT_LT(s->stretchOf(s->panel(0)), start);
    mouse(separator, kMouseReleaseEvent, -46, 10);

    // Dragged past the right end: panel 1 is at its limit, only left is left.
    separator = s->separator(0);
    mouse(separator, kMousePressEvent, 4, 10);
    mouse(separator, kMouseMoveEvent, 600, 10);
    EXPECT_EQ(UISplitterSeparator::kSplitLeftRight, separator->cursor().shape()) << "it moved";
    mouse(separator, kMouseMoveEvent, 900 - separator->x(), 10);
    EXPECT_EQ(UISplitterSeparator::kSplitLeft, separator->cursor().shape()) << "blocked";
    mouse(separator, kMouseReleaseEvent, 0, 10);

    struct Row
    {
        bool across;
        int along, shape;
    };
    const Row rows[] = {{true, 9, 19},  {true, -1, 20},  {true, 4, 18},
                        {false, 9, 21}, {false, -1, 22}, {false, 8, 17}};
    for (const Row& row : rows) {
        separator->setAcrossColumns(row.across);
        EXPECT_EQ(row.shape, separator->blockedCursor(row.along)) << row.across << " " << row.along;
    }
}

namespace {

constexpr uint32_t kBackdrop = 0x1080F0;

// Paints itself in one colour, as a window's background would (straight into
// its pixels: the native build has no painter device).
class Backdrop : public UIWidget
{
public:
    explicit Backdrop(UIWidget* parent) : UIWidget(parent)
    {
        setStyleName(String(u"UITest"));
        setFlag(kTransparent, false);
    }

protected:
    void paint(UIEvent*) override
    {
        PaintTarget* target = paintTarget();
        const uint32_t pixel = 0xFF000000u | kBackdrop;
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x)
                std::memcpy(target->bits() + (size_t(y) * target->width() + x) * 4, &pixel, 4);
        }
    }
};

} // namespace

// Until it is given a brush that paints, the splitter shows what lies beneath
// it between and behind its panels.
TEST_F(UISplitterTest, ABrushThatPaintsNothingShowsTheBackgroundBeneath)
{
    auto* backdrop = new Backdrop(top);
    backdrop->setGeometry(0, 0, 500, 400);
    backdrop->show();
    auto* s = new UISplitter(2, false, backdrop);
    s->setGeometry(20, 20, 300, 200);
    s->show();
    auto showsBackdrop = [&] {
        top->update();
        PaintTarget* frame = top->frameTarget();
        uint32_t pixel = 0;
        if (frame && frame->bits())
            std::memcpy(&pixel, frame->bits() + (size_t(60) * frame->width() + 60) * 4, 4);
        return (pixel & 0xFFFFFFu) == kBackdrop;
    };
    EXPECT_TRUE(showsBackdrop()) << "the default brush";
    s->setBackground(Brush(Color(0xFF, 0, 0), 0));
    EXPECT_FALSE(s->testFlag(UIWidget::kTransparent)) << "a brush that paints covers what is beneath";
    s->setBackground(Brush(Color(0x00FFFFFFu), 0));
    EXPECT_TRUE(showsBackdrop()) << "an invisible brush again";
}
