// The widgets in real windows under Wine with test.style, where every frame
// of every skin image is its own flat colour: a pixel read from the screen
// names the skin and frame drawn there. Input is posted as a hand's mouse
// would send it.
#include "graphics/paint/Painter.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/decorative/UIStackPage.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/scroll/UIScrollArea.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/splitter/UISplitterPanel.h"
#include "ui/widgets/splitter/UISplitterSeparator.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::UIHarness;

namespace {

// A form taller than its window: one colour with a band at row 300 that
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

// A field of a form: a block of one colour.
class Swatch : public UIWidget
{
public:
    explicit Swatch(UIWidget* parent) : UIWidget(parent)
    {
        setStyleName(String(u"UITest"));
        setFlag(kTransparent, false);
    }
    Size sizeHint() const override { return Size(100, 30); }

    static constexpr uint32_t kColor = 0x99CC33;

protected:
    void paint(UIEvent*) override
    {
        Painter painter(paintTarget());
        painter.fillRect(rect(), Color(0xFF000000u | kColor));
    }
};

class WidgetsOnScreen : public ::testing::Test
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
    void expectSkin(const UIWidget* widget, const Point& at, const char16_t* skin, int frame,
                    const char* what)
    {
        const uint32_t wanted = testSkinFrameColor(String(skin), frame).value() & 0xFFFFFFu;
        EXPECT_EQ(wanted, UIHarness::screenPixel(widget, at))
            << what << ": " << testsupport::utf8(String(skin)) << " frame " << frame;
    }
    // Press, move in steps and release a button. The points are where the
    // widget was when the drag began, so they stay put while it moves.
    void drag(UIWidget* widget, const Point& from, const Point& to, bool right = false)
    {
        const Point start = widget->mapTo(window, from);
        const Point end = widget->mapTo(window, to);
        const uintptr_t held = right ? MK_RBUTTON : MK_LBUTTON;
        UIHarness::moveMouse(window, start);
        UIHarness::postMouse(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, start, held);
        UIHarness::pump();
        for (int step = 1; step <= 4; ++step) {
            const Point at(start.x + (end.x - start.x) * step / 4, start.y + (end.y - start.y) * step / 4);
            // Posted only: the system's own move to a cursor put there would
            // come first, without the button, and this one would repeat it.
            UIHarness::postMouse(window, WM_MOUSEMOVE, at, held);
            UIHarness::pump();
        }
        UIHarness::postMouse(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, end);
        UIHarness::pump();
    }

    UIWidget* window = nullptr;
};

} // namespace

TEST_F(WidgetsOnScreen, FramesByStateAndPlace)
{
    auto* progress = place(new UIProgress(window), Rect(10, 10, 200, 16));
    progress->setRange(0, 100);
    progress->setValue(50);
    expectSkin(progress, Point(50, 8), u"UIProgress_HorizontalBorder", 0, "the chunk, under its border");
    expectSkin(progress, Point(99, 8), u"UIProgress_HorizontalBackground", 0, "past the chunk (padding 1)");

    auto* tabs = place(new UITabBar(window), Rect(0, 120, 400, 40));
    for (const char16_t* name : {u"One", u"Two", u"Three"})
        tabs->addTextTab(String(name));
    tabs->setTabEnabled(2, false);
    tabs->layoutTabs();
    const Rect one = tabs->tabRect(0), two = tabs->tabRect(1), three = tabs->tabRect(2);
    expectSkin(tabs, one.center(), u"UITabBar_ItemBackground", 4, "the current tab");
    expectSkin(tabs, two.center(), u"UITabBar_ItemBackground", 0, "a plain tab");
    expectSkin(tabs, three.center(), u"UITabBar_ItemBackground", 3, "a disabled tab");
    expectSkin(tabs, Point(one.x + one.width, one.center().y), u"UITabBar_Separator", 0, "between tabs");

    auto* slider = place(new UISlider(window), Rect(0, 180, 200, 20));
    slider->setRange(0, 100);
    slider->setValue(50);
    // A 16 x 16 handle on a 4-pixel track.
    expectSkin(slider, Point(100, 10), u"UISlider_Handle", 0, "the handle in the middle");
    expectSkin(slider, Point(20, 10), u"UISlider_HorizontalBackground", 0, "the track");
    slider->setEnabled(false);
    expectSkin(slider, Point(100, 10), u"UISlider_Handle", 3, "disabled");

    auto* bar = place(new UIScrollBar(window), Rect(500, 0, 10, 200));
    bar->setOrientation(1);
    bar->setDocumentLength(400);
    bar->setRange(0, 200);
    // Arrows 10 long, a thumb of 90 from 10.
    expectSkin(bar, Point(0, 0), u"UIScrollBar_TopArrowBackground", 0, "the upper button");
    expectSkin(bar, Point(6, 5), u"UIScrollBar_ArrowUp", 0, "its glyph, one pixel right of the centre");
    expectSkin(bar, Point(1, 12), u"UIScrollBar_VerticalThumbBackground", 0, "the thumb at the top");
    expectSkin(bar, Point(5, 55), u"UIScrollBar_VerticalThumbGripper", 0, "its gripper");
    expectSkin(bar, Point(5, 150), u"UIScrollBar_VerticalBackground", 0, "the track");
    bar->setRange(0, 0);
    expectSkin(bar, Point(5, 150), u"UIScrollBar_VerticalBackground", 3, "nothing to scroll: no thumb");
}

// A split window: a tall form in a scroll area on the left; a tab bar, a
// slider and a stack of pages on the right. Every part is worked by mouse.
TEST_F(WidgetsOnScreen, AWindowOfScrollingTabsAndPages)
{
    // Switching a layout on switches it on for every descendant: first.
    window->setLayoutEnabled(true);
    window->setLayoutMargin(0);
    auto* splitter = new UISplitter(2, false, window);
    splitter->panel(0)->setLayoutMargin(0);
    auto* area = new UIScrollArea(splitter->panel(0));
    auto* form = new TallForm(Size(200, 1000));
    area->setContentWidget(form);
    form->wheelTurned.connectWithArg(area, &UIScrollArea::handleWheel);
    UISplitterPanel* right = splitter->panel(1);
    right->setVerticalFlow(1);
    auto* tabs = new UITabBar(right);
    auto* slider = new UISlider(right);
    auto* stack = new UIStack(3, right);
    tabs->currentChanged.connectWithArg(stack, &UIStack::setCurrentIndex);
    for (const char16_t* name : {u"Cast", u"Crew", u"Notes"})
        tabs->addTextTab(String(name));
    for (UIWidget* w :
         {static_cast<UIWidget*>(area), static_cast<UIWidget*>(form), static_cast<UIWidget*>(tabs),
          static_cast<UIWidget*>(slider), static_cast<UIWidget*>(stack), static_cast<UIWidget*>(splitter)})
        w->show();
    slider->setRange(0, 100);
    window->relayout();
    UIHarness::pump();
    EXPECT_EQ(0, stack->currentIndex()) << "the first tab chose the first page";

    UIScrollBar* bar = area->verticalScrollBar();
    ASSERT_TRUE(bar->testFlag(UIWidget::kVisible)) << "the form is taller than the window";
    UIHarness::wheel(form, Point(20, 20), false, -120);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return bar->value() == 1; })) << "wheel";
    const int length = bar->height();
    UIHarness::moveMouse(bar, Point(5, length - 5));
    UIHarness::postMouse(bar, WM_LBUTTONDOWN, Point(5, length - 5), MK_LBUTTON);
    UIHarness::pumpFor(100);
    const int held = bar->value();
    EXPECT_EQ(0, (held - 1) % 3) << "3 a tick on the arrow: " << held;
    EXPECT_GT(held, 1);
    UIHarness::moveMouse(bar, Point(5, length + 95));
    UIHarness::pumpFor(100);
    UIHarness::postMouse(bar, WM_LBUTTONUP, Point(5, length - 5));
    UIHarness::pump();
    EXPECT_GE(bar->value(), held + 18) << "faster once the pointer is dragged away";
    EXPECT_FALSE(bar->isTimerActive(UIScrollBar::kRepeatTimerId));
    const int afterArrow = bar->value();
    UIHarness::click(bar, Point(5, length - 20));
    UIHarness::pumpFor(50);
    EXPECT_EQ(afterArrow + bar->pageStep(), bar->value()) << "the track: one page, once";
    bar->setValue(0);
    const Rect thumb = bar->thumbRectForValue();
    drag(bar, thumb.center(), Point(thumb.center().x, thumb.center().y + 40));
    EXPECT_GT(bar->value(), 0) << "thumb";
    EXPECT_EQ(-bar->value(), form->scrollY());
    area->setDragScrollEnabled(true);
    bar->setValue(300);
    EXPECT_EQ(TallForm::kBand, UIHarness::screenPixel(form, Point(20, 10))) << "the form scrolled";
    drag(form, Point(20, 60), Point(20, 20), true);
    EXPECT_EQ(340, bar->value()) << "panned: the content follows the hand";
    EXPECT_EQ(TallForm::kPlain, UIHarness::screenPixel(form, Point(20, 10)));

    UISplitterSeparator* separator = splitter->separator(0);
    const int before = separator->x();
    const int mid = separator->thickness() / 2;
    drag(separator, Point(mid, 100), Point(mid - 1, 100));
    EXPECT_EQ(before, separator->x()) << "a pixel is jitter";
    drag(separator, Point(mid, 100), Point(mid - 120, 100));
    EXPECT_NEAR(before - 120, separator->x(), 2);
    EXPECT_EQ(testSkinFrameColor(String(u"UISplitterSeparator_VerticalBackground"), 0).value() & 0xFFFFFFu,
              UIHarness::screenPixel(separator, Point(0, 20)));

    const Rect handle = slider->handleRectForValue();
    drag(slider, handle.center(), Point(slider->width() / 2, handle.center().y));
    EXPECT_EQ(50, slider->value()) << "the handle's centre under the pointer";

    UIHarness::click(tabs, tabs->tabRect(2).center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return stack->currentIndex() == 2; }));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i == 2, stack->page(i)->testFlag(UIWidget::kVisible)) << i;
    UIHarness::saveShot(window, "scrolling-tabs-and-pages");
}

// The movie editor's and the options' forms: child widgets laid out by the
// form's grid, scrolled with it by the wheel.
TEST_F(WidgetsOnScreen, AFormOfChildWidgetsScrollsAsAWhole)
{
    auto* area = place(new UIScrollArea(window), Rect(10, 10, 200, 150));
    auto* form = new TallForm(Size(180, 600));
    form->setLayoutMargins(20, 60, 0, 0);
    area->setContentWidget(form);
    form->show();
    form->wheelTurned.connectWithArg(area, &UIScrollArea::handleWheel);
    area->setVerticalStep(40);
    auto* field = new Swatch(form);
    field->setLayoutAlignment(Rect::kAlignLeft | Rect::kAlignTop);
    field->show();
    UIHarness::pump();
    ASSERT_EQ(Rect(20, 60, 100, 30), field->geometry());
    EXPECT_EQ(Swatch::kColor, UIHarness::screenPixel(form, Point(30, 70)));
    UIHarness::wheel(form, Point(150, 20), false, -120);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return area->verticalScrollBar()->value() == 40; }));
    EXPECT_EQ(Swatch::kColor, UIHarness::screenPixel(form, Point(30, 30))) << "the field moved with the form";
    EXPECT_EQ(TallForm::kPlain, UIHarness::screenPixel(form, Point(30, 75))) << "and left the form's colour";
    EXPECT_EQ(Rect(20, 60, 100, 30), field->geometry()) << "its place in the form stays";
    UIHarness::saveShot(window, "scrolled-form");
}
