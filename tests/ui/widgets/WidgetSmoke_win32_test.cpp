// The widgets in real windows under Wine, driven by posted mouse messages
// and read back from the screen: a slider handle, a scroll bar thumb and
// arrow, a splitter dragged; a tab clicked; the wheel turned; and a window
// that puts them together.
#include "graphics/paint/Painter.h"
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/UIScrollArea.h"
#include "ui/widgets/UIScrollBar.h"
#include "ui/widgets/UISlider.h"
#include "ui/widgets/UISplitter.h"
#include "ui/widgets/UISplitterPanel.h"
#include "ui/widgets/UISplitterSeparator.h"
#include "ui/widgets/UIStack.h"
#include "ui/widgets/UITabBar.h"
#include "ui/widgets/decorative/UIStackPage.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::UIHarness;

namespace {

// A content taller than its window: one colour with a band at row 300 that
// follows the scroll offset.
class TallForm : public UIWidget
{
public:
    explicit TallForm(const Size& wanted) : UIWidget(nullptr), m_wanted(wanted)
    {
        setStyleName(String(u"UITest"));
        setFlag(kTransparent, false);
    }
    Size minimumSizeHint() const override { return m_wanted; }

    static constexpr uint32_t kPlain = 0x336699;
    static constexpr uint32_t kBand = 0xCC9966;

protected:
    void paint(UIEvent*) override
    {
        Painter painter(paintTarget());
        painter.fillRect(rect(), Color(0xFF000000u | kPlain));
        painter.fillRect(Rect(0, 300 + scrollY(), width(), 20), Color(0xFF000000u | kBand));
    }

private:
    Size m_wanted;
};

uint32_t skinColour(const char16_t* name, int frame)
{
    return testSkinFrameColor(String(name), frame).value() & 0xFFFFFFu;
}

class WidgetSmoke : public ::testing::Test
{
protected:
    // The other tests of this program run without a theme.
    static void TearDownTestSuite() { UIApplication::instance()->setTheme(new UITheme()); }

    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 40, 40, 600, 400);
        UIHarness::pump();
    }
    void TearDown() override
    {
        UIHarness::postMouse(window, WM_LBUTTONUP, Point(0, 0));
        UIHarness::pump();
        UIHarness::closeWindow(window);
        UIHarness::pumpFor(10);
    }
    template <class W> W* place(W* widget, const Rect& at)
    {
        widget->setGeometry(at.x, at.y, at.width, at.height);
        widget->show();
        UIHarness::pump();
        return widget;
    }
    // Press, move in steps and release with the left button, as a hand does:
    // the points are where the widget was when the drag began, so they stay
    // put on the screen while the widget moves.
    void drag(UIWidget* widget, const Point& from, const Point& to)
    {
        const Point start = widget->mapTo(window, from);
        const Point end = widget->mapTo(window, to);
        UIHarness::moveMouse(window, start);
        UIHarness::postMouse(window, WM_LBUTTONDOWN, start, MK_LBUTTON);
        UIHarness::pump();
        for (int step = 1; step <= 4; ++step) {
            const Point at(start.x + (end.x - start.x) * step / 4, start.y + (end.y - start.y) * step / 4);
            UIHarness::moveMouse(window, at);
            UIHarness::postMouse(window, WM_MOUSEMOVE, at, MK_LBUTTON);
            UIHarness::pump();
        }
        UIHarness::postMouse(window, WM_LBUTTONUP, end);
        UIHarness::pump();
    }
    // The window lays its children out from now on. Switching a layout on
    // switches it on for every descendant, so this comes before any child.
    void layOutWindow()
    {
        window->setLayoutEnabled(true);
        window->setLayoutMargin(0);
    }
    void showLaidOut(UIWidget* child)
    {
        child->show();
        window->relayout();
        UIHarness::pump();
    }

    UIWidget* window = nullptr;
};

} // namespace

TEST_F(WidgetSmoke, DraggingASliderHandle)
{
    auto* slider = place(new UISlider(window), Rect(20, 20, 200, 20));
    slider->setRange(0, 100);
    drag(slider, Point(8, 10), Point(100, 10));
    EXPECT_EQ(50, slider->value()) << "the handle's centre under the pointer";
    const uint32_t pixel = UIHarness::screenPixel(slider, Point(100, 10));
    EXPECT_TRUE(pixel == skinColour(u"UISlider_Handle", 0) || pixel == skinColour(u"UISlider_Handle", 1))
        << std::hex << pixel;
}

TEST_F(WidgetSmoke, DraggingAScrollBarThumbHoldingAnArrowAndClickingTheTrack)
{
    auto* bar = place(new UIScrollBar(window), Rect(300, 20, 10, 200));
    bar->setOrientation(1);
    bar->setDocumentLength(400);
    bar->setRange(0, 200);
    bar->setPageStep(50);
    drag(bar, Point(5, 30), Point(5, 75));
    EXPECT_EQ(100, bar->value()) << "the thumb moved half its room";

    UIHarness::moveMouse(bar, Point(5, 195));
    UIHarness::postMouse(bar, WM_LBUTTONDOWN, Point(5, 195), MK_LBUTTON);
    UIHarness::pumpFor(200);
    UIHarness::postMouse(bar, WM_LBUTTONUP, Point(5, 195));
    UIHarness::pump();
    EXPECT_GE(bar->value(), 100 + 3);
    EXPECT_EQ(0, (bar->value() - 100) % 3) << "3 a tick while the pointer stays on the arrow";
    EXPECT_FALSE(bar->isTimerActive(UIScrollBar::kRepeatTimerId));

    bar->setValue(0);
    UIHarness::click(bar, Point(5, 150));
    UIHarness::pumpFor(100);
    EXPECT_EQ(50, bar->value()) << "one page, once";
}

TEST_F(WidgetSmoke, DraggingASplitter)
{
    layOutWindow();
    auto* splitter = new UISplitter(2, false, window);
    showLaidOut(splitter);
    UISplitterSeparator* separator = splitter->separator(0);
    const int before = separator->x();
    const int mid = separator->thickness() / 2;
    drag(separator, Point(mid, 100), Point(mid - 120, 100));
    EXPECT_NEAR(before - 120, separator->x(), 2);
    EXPECT_EQ(skinColour(u"UISplitterSeparator_VerticalBackground", 0),
              UIHarness::screenPixel(separator, Point(0, 20)));
}

TEST_F(WidgetSmoke, ClickingATab)
{
    auto* bar = place(new UITabBar(window), Rect(0, 0, 400, 40));
    for (const char16_t* name : {u"One", u"Two", u"Three"})
        bar->addTextTab(String(name));
    bar->update();
    UIHarness::pump();
    const Rect third = bar->tabRect(2);
    UIHarness::click(bar, third.center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return bar->currentIndex() == 2; }));
    UIHarness::moveMouse(bar, Point(390, 39));
    UIHarness::pump();
    EXPECT_EQ(skinColour(u"UITabBar_ItemBackground", 4), UIHarness::screenPixel(bar, third.center()));
}

TEST_F(WidgetSmoke, TurningTheWheelOverAScrollArea)
{
    auto* area = place(new UIScrollArea(window), Rect(10, 10, 200, 100));
    auto* form = new TallForm(Size(180, 600));
    area->setContentWidget(form);
    form->show();
    form->wheelTurned.connectWithArg(area, &UIScrollArea::handleWheel);
    area->setVerticalStep(100);
    UIHarness::pump();
    for (int notch = 0; notch < 3; ++notch)
        UIHarness::wheel(form, Point(50, 50), false, -120);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return area->verticalScrollBar()->value() == 300; }));
    EXPECT_EQ(TallForm::kBand, UIHarness::screenPixel(form, Point(50, 10)));
    UIHarness::wheel(form, Point(50, 50), false, 120);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return area->verticalScrollBar()->value() == 200; }));
    EXPECT_EQ(TallForm::kPlain, UIHarness::screenPixel(form, Point(50, 10)));
}

// A tall form in a scroll area beside a tab bar over a stack, the two sides
// split: it scrolls by wheel, arrow, track and thumb, and the tabs switch the
// stack's pages.
TEST_F(WidgetSmoke, AWindowOfScrollingTabsAndPages)
{
    layOutWindow();
    auto* splitter = new UISplitter(2, false, window);
    UISplitterPanel* left = splitter->panel(0);
    UISplitterPanel* right = splitter->panel(1);
    left->setLayoutMargin(0);
    auto* area = new UIScrollArea(left);
    area->show();
    auto* form = new TallForm(Size(200, 1000));
    area->setContentWidget(form);
    form->show();
    form->wheelTurned.connectWithArg(area, &UIScrollArea::handleWheel);
    right->setVerticalFlow(1);
    auto* tabs = new UITabBar(right);
    auto* stack = new UIStack(3, right);
    tabs->currentChanged.connectWithArg(stack, &UIStack::setCurrentIndex);
    for (const char16_t* name : {u"Cast", u"Crew", u"Notes"})
        tabs->addTextTab(String(name));
    tabs->show();
    stack->show();
    showLaidOut(splitter);
    EXPECT_EQ(0, stack->currentIndex()) << "the first tab chose the first page";

    UIScrollBar* bar = area->verticalScrollBar();
    ASSERT_TRUE(bar->testFlag(UIWidget::kVisible)) << "the form is taller than the window";
    UIHarness::wheel(form, Point(20, 20), false, -120);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return bar->value() == 1; })) << "wheel";
    const int length = bar->height();
    UIHarness::moveMouse(bar, Point(5, length - 5));
    UIHarness::postMouse(bar, WM_LBUTTONDOWN, Point(5, length - 5), MK_LBUTTON);
    UIHarness::pumpFor(100);
    UIHarness::postMouse(bar, WM_LBUTTONUP, Point(5, length - 5));
    UIHarness::pump();
    EXPECT_GT(bar->value(), 1) << "arrow";
    const int afterArrow = bar->value();
    UIHarness::click(bar, Point(5, length - 20));
    UIHarness::pumpFor(50);
    EXPECT_EQ(afterArrow + bar->pageStep(), bar->value()) << "track";
    const Rect thumb = bar->thumbRect();
    drag(bar, thumb.center(), Point(thumb.center().x, thumb.center().y + 40));
    EXPECT_GT(bar->value(), afterArrow + bar->pageStep()) << "thumb";
    EXPECT_EQ(-bar->value(), form->scrollY());

    UIHarness::click(tabs, tabs->tabRect(2).center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return stack->currentIndex() == 2; }));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i == 2, stack->page(i)->testFlag(UIWidget::kVisible)) << i;
    UIHarness::saveShot(window, "scrolling-tabs-and-pages");
}
