#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/group/UIGroup.h"

#include <functional>

namespace {

class GroupTest : public WidgetTest
{
protected:
    // A group whose indicator is 16 x 24 in 8 frames.
    std::unique_ptr<UIGroup> makeGroup()
    {
        auto group = std::make_unique<UIGroup>(top);
        UISkinImage indicator(Image(16, 24 * 8, true), true);
        indicator.setGrid(16, 24, 8);
        group->setSkinImage(indicator, String(u"UIGroup_Indicator"));
        group->setStyleProperty(String(u"indicatorSpacing"), String(u"6"));
        group->setLayoutEnabled(false);
        group->setGeometry(0, 0, 200, 100);
        group->show();
        return group;
    }
};

} // namespace

TEST_F(GroupTest, TheHeaderSetsTheTopMarginAndTheSizeHint)
{
    const FontMetrics metrics(FontDesc(), nullptr);
    const int line = metrics.height();
    const int tw = metrics.textWidth(u"Title", 5, false);
    struct Case
    {
        const char* name;
        const char* title;
        bool checkable;
        int header;
        Size hint;
    };
    const Case cases[] = {
        {"no header", "", false, 0, Size(20, 20)},
        {"title", "Title", false, line, Size(tw + 20, line + 2 + 20)},
        {"checkable without title", "", true, std::max(line, 24), Size(16 + 6 + 20, 24 + 2 + 20)},
        {"both", "Title", true, std::max(line, 24), Size(tw + 16 + 6 + 20, std::max(line, 24) + 2 + 20)},
    };
    for (const Case& c : cases) {
        auto group = makeGroup();
        const int metricTop = group->layoutMargins().top;
        group->setTitle(testsupport::text(c.title));
        group->setCheckable(c.checkable);
        EXPECT_EQ(c.header, group->headerHeight()) << c.name;
        EXPECT_EQ(metricTop + c.header, group->layoutMargins().top) << c.name;
        EXPECT_EQ(c.hint, group->sizeHint()) << c.name;
    }
}

TEST_F(GroupTest, OnlyAPressAndReleaseInsideTheHeaderToggle)
{
    struct Case
    {
        const char* name;
        bool checkable, enabled;
        Point press, release;
        bool checked;
        int frame;
    };
    // Without a title the header is the 16 x 24 indicator.
    const Case cases[] = {
        {"inside, inside", true, true, Point(3, 3), Point(10, 20), true, 4},
        {"inside, outside", true, true, Point(3, 3), Point(30, 3), false, 0},
        {"outside, inside", true, true, Point(30, 3), Point(3, 3), false, 0},
        {"disabled", true, false, Point(3, 3), Point(3, 3), false, 3},
        {"not checkable", false, true, Point(3, 3), Point(3, 3), false, 0},
    };
    for (const Case& c : cases) {
        auto group = makeGroup();
        group->setCheckable(c.checkable);
        group->setEnabled(c.enabled);
        SignalCounter counter;
        group->toggled.connect(&counter, &SignalCounter::count);
        mouse(group.get(), kMousePressEvent, c.press.x, c.press.y);
        mouse(group.get(), kMouseReleaseEvent, c.release.x, c.release.y);
        EXPECT_EQ(c.checked, group->isChecked()) << c.name;
        EXPECT_EQ(c.checked ? 1 : 0, counter.calls) << c.name;
        EXPECT_EQ(c.frame, group->indicatorFrame()) << c.name;
    }
}
