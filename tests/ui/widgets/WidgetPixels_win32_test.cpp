// The widgets drawn with test.style, where every frame of every skin image is
// its own flat colour: a pixel read back from the window's frame names the
// skin and frame that put it there.
#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "tests/graphics/paint/SurfacePixels.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/theme/UIStyleModel.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/UIProgress.h"
#include "ui/widgets/UIScrollArea.h"
#include "ui/widgets/UIScrollBar.h"
#include "ui/widgets/UISlider.h"
#include "ui/widgets/UISplitter.h"
#include "ui/widgets/UISplitterSeparator.h"
#include "ui/widgets/UIStack.h"
#include "ui/widgets/UITabBar.h"
#include "ui/widgets/decorative/UIStackPage.h"

using namespace generatedskins;

namespace {

class Sink : public UIStylePropertySink
{
public:
    explicit Sink(UIWidget* widget) : m_widget(widget) {}
    void setStyleProperty(const String& name, const String& value) override
    {
        m_widget->setStyleProperty(name, value);
    }

private:
    UIWidget* m_widget;
};

// Fills itself with one colour, and a 20-pixel band at content row 300
// shifted by its scroll offset: what a scrolled form shows.
class Banded : public UIWidget
{
public:
    Banded(const Size& wanted, uint32_t colour) : UIWidget(nullptr), m_wanted(wanted), m_colour(colour)
    {
        setStyleName(String(u"UITest"));
        setFlag(kTransparent, false);
    }
    Size minimumSizeHint() const override { return m_wanted; }

protected:
    void paint(UIEvent*) override
    {
        Painter painter(paintTarget());
        painter.fillRect(rect(), Color(0xFF000000u | m_colour));
        painter.fillRect(Rect(0, 300 + scrollY(), width(), 20), Color(0xFF000000u | (m_colour ^ 0xFFFFFFu)));
    }

private:
    Size m_wanted;
    uint32_t m_colour;
};

class WidgetPixels : public WidgetTest
{
protected:
    static void SetUpTestSuite()
    {
        ImageCodec::registerAll();
        PaintDevice::createDefault();
    }
    static void TearDownTestSuite() { PaintDevice::destroyAll(); }

    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(theme.loadFromPath(skinPath("test.style")));
    }

    // What the application's theme does to a new widget, for the widget and
    // everything it built inside, without changing the theme of the other
    // tests of this program.
    template <class W> W* themed(W* widget)
    {
        std::vector<UIWidget*> all = {widget};
        for (UIWidget* inner : widget->descendants())
            all.push_back(inner);
        for (UIWidget* w : all) {
            Sink sink(w);
            applyStyleModel(theme.modelsElement(), w->styleName(), sink);
            for (const UITheme::SkinEntry& entry : theme.skins()) {
                if (entry.name.startsWith(w->styleName() + u"_", String::kCaseSensitive))
                    w->setSkinImage(entry.skin, entry.name);
            }
        }
        return widget;
    }
    template <class W> W* place(W* widget, const Rect& at)
    {
        themed(widget)->setGeometry(at.x, at.y, at.width, at.height);
        widget->show();
        return widget;
    }
    uint32_t at(int x, int y)
    {
        top->update();
        return rgbAt(*static_cast<BitmapSurface*>(top->frameTarget()), x, y);
    }
    static uint32_t skin(const char16_t* name, int frame)
    {
        return testSkinFrameColor(String(name), frame).value() & 0xFFFFFFu;
    }
    // The pixel shows that frame of that skin.
    void expectSkin(const char16_t* name, int frame, int x, int y, const char* what)
    {
        EXPECT_LE(rgbDistance(skin(name, frame), at(x, y)), 2)
            << what << ": " << testsupport::utf8(String(name)) << " frame " << frame << " at " << x << ","
            << y << std::hex << " want " << skin(name, frame) << " got " << at(x, y);
    }

    UITheme theme;
};

} // namespace

TEST_F(WidgetPixels, ProgressChunkUnderItsBorderAndTheBackgroundBeyond)
{
    auto* bar = place(new UIProgress(top), Rect(10, 10, 200, 16));
    bar->setRange(0, 100);
    bar->setValue(50);
    expectSkin(u"UIProgress_HorizontalBorder", 0, 10 + 50, 18, "inside the chunk");
    expectSkin(u"UIProgress_HorizontalBorder", 0, 10 + 98, 18, "the chunk's last column (padding 1)");
    expectSkin(u"UIProgress_HorizontalBackground", 0, 10 + 99, 18, "just past the chunk");
    bar->setRange(7, 7);
    expectSkin(u"UIProgress_HorizontalBackground", 0, 10 + 50, 18, "an empty range: no chunk");

    auto* vertical = place(new UIProgress(top), Rect(300, 10, 16, 100));
    vertical->setOrientation(1);
    vertical->setRange(0, 100);
    vertical->setValue(25);
    expectSkin(u"UIProgress_VerticalBorder", 0, 308, 10 + 90, "a vertical bar fills from the bottom");
    expectSkin(u"UIProgress_VerticalBackground", 0, 308, 10 + 40, "and is empty above");
}

TEST_F(WidgetPixels, TabsDrawTheirFramesSlicesAndSeparators)
{
    auto* bar = place(new UITabBar(top), Rect(0, 100, 400, 40));
    for (const char16_t* name : {u"One", u"Two", u"Three"})
        bar->addTextTab(String(name));
    bar->setTabEnabled(2, false);
    bar->layoutTabs();
    const Rect one = bar->tabRect(0), two = bar->tabRect(1), three = bar->tabRect(2);
    const int y = 100 + one.y + one.height / 2;
    expectSkin(u"UITabBar_ItemBackground", 4, one.center().x, y, "the current tab");
    expectSkin(u"UITabBar_ItemBackground", 0, two.center().x, y, "a plain tab");
    expectSkin(u"UITabBar_ItemBackground", 3, three.center().x, y, "a disabled tab");
    expectSkin(u"UITabBar_Separator", 0, one.x + one.width, y, "between two tabs");
    expectSkin(u"UITabBar_ItemBackground", 4, one.x, y, "the first tab carries the left edge");
    expectSkin(u"UITabBar_ItemBackground", 3, three.x + three.width - 1, y,
               "the last tab carries the right edge");

    mouse(bar, kMouseMoveEvent, two.center().x, two.center().y);
    expectSkin(u"UITabBar_ItemBackground", 1, two.center().x, y, "hovered");
    mouse(bar, kMousePressEvent, two.center().x, two.center().y);
    expectSkin(u"UITabBar_ItemBackground", 2, two.center().x, y, "pressed");
    mouse(bar, kMouseReleaseEvent, two.center().x, two.center().y);
    drain();
    expectSkin(u"UITabBar_ItemBackground", 4, two.center().x, y, "clicked: current");
    bar->setEnabled(false);
    expectSkin(u"UITabBar_Separator", 1, one.x + one.width, y, "a disabled bar dims its separators");
}

TEST_F(WidgetPixels, SliderFramesByStateAndHandlePlaces)
{
    auto* slider = place(new UISlider(top), Rect(0, 160, 200, 20));
    slider->setRange(0, 100);
    slider->setValue(50);
    // Handles of 16 x 16 on a track 4 high.
    expectSkin(u"UISlider_Handle", 0, 92 + 8, 170, "the handle in the middle");
    expectSkin(u"UISlider_HorizontalBackground", 0, 20, 170, "the track");
    mouse(slider, kMouseMoveEvent, 20, 10);
    drain();
    expectSkin(u"UISlider_Handle", 1, 100, 170, "hovered");
    mouse(slider, kMousePressEvent, 184 + 8, 10);
    expectSkin(u"UISlider_Handle", 2, 184 + 8, 170, "pressed and hovered, jumped to the end");
    mouse(slider, kMouseReleaseEvent, 184 + 8, 10);
    expectSkin(u"UISlider_HorizontalBackground", 1, 100, 170, "the track follows the state");
    slider->setEnabled(false);
    expectSkin(u"UISlider_Handle", 3, 184 + 8, 170, "disabled");

    auto* vertical = place(new UISlider(top), Rect(250, 0, 20, 120));
    vertical->setOrientation(1);
    vertical->setTickMode(UISlider::kBothSides);
    vertical->setRange(0, 10);
    vertical->setValue(10);
    expectSkin(u"UISlider_HandleLeftAndRight", 0, 260, 8, "a vertical slider's maximum is at the top");
    expectSkin(u"UISlider_VerticalBackground", 0, 260, 100, "its track runs down");
}

TEST_F(WidgetPixels, ScrollBarArrowsThumbAndTrack)
{
    auto* bar = place(new UIScrollBar(top), Rect(480, 0, 10, 200));
    bar->setOrientation(1);
    bar->setDocumentLength(400);
    bar->setRange(0, 200);
    // Arrows 10 long, a thumb of 90 from 10.
    expectSkin(u"UIScrollBar_TopArrowBackground", 0, 480, 0, "the upper button's corner");
    expectSkin(u"UIScrollBar_ArrowUp", 0, 486, 5, "its glyph, one pixel right of the centre");
    expectSkin(u"UIScrollBar_VerticalThumbBackground", 0, 481, 12, "the thumb at the top");
    expectSkin(u"UIScrollBar_VerticalThumbGripper", 0, 485, 55, "its gripper in the middle");
    expectSkin(u"UIScrollBar_VerticalBackground", 0, 485, 150, "the track below");
    expectSkin(u"UIScrollBar_ArrowDown", 0, 486, 195, "the lower glyph");
    bar->setValue(200);
    expectSkin(u"UIScrollBar_VerticalThumbBackground", 0, 481, 150, "the thumb at the end");
    mouse(bar, kMouseMoveEvent, 5, 150);
    drain();
    expectSkin(u"UIScrollBar_VerticalThumbBackground", 1, 481, 150, "hovered");
    mouse(bar, kMousePressEvent, 5, 150);
    expectSkin(u"UIScrollBar_VerticalThumbBackground", 2, 481, 150, "pressed");
    mouse(bar, kMouseReleaseEvent, 5, 150);
    bar->setRange(0, 0);
    expectSkin(u"UIScrollBar_VerticalBackground", 3, 485, 150, "nothing to scroll: disabled, no thumb");
    bar->setGeometry(480, 0, 10, 39);
    bar->setRange(0, 100);
    EXPECT_GT(rgbDistance(skin(u"UIScrollBar_VerticalThumbBackground", 0), at(481, 12)), 2)
        << "a bar shorter than its hint draws no thumb";
}

TEST_F(WidgetPixels, WheelAndRightButtonPanningMoveTheContent)
{
    auto* area = place(new UIScrollArea(top), Rect(0, 200, 200, 100));
    auto* content = new Banded(Size(300, 600), 0x336699);
    area->setContentWidget(content);
    content->show();
    area->setDragScrollEnabled(true);
    area->setVerticalStep(50);
    const uint32_t plain = 0x336699, band = 0x336699 ^ 0xFFFFFF;
    EXPECT_LE(rgbDistance(plain, at(50, 210)), 2) << "the band lies below the viewport";
    for (int notch = 0; notch < 6; ++notch)
        send(content, UIWheelEvent(Point(50, 10), -120, 0, 3));
    EXPECT_EQ(0, area->verticalScrollBar()->value()) << "the content's wheel is its own until connected";
    content->wheelTurned.connectWithArg(area, &UIScrollArea::handleWheel);
    for (int notch = 0; notch < 6; ++notch)
        send(content, UIWheelEvent(Point(50, 10), -120, 0, 3));
    EXPECT_EQ(300, area->verticalScrollBar()->value());
    EXPECT_LE(rgbDistance(band, at(50, 210)), 2) << "scrolled to the band";
    send(content, UIMouseEvent(kMousePressEvent, 2, 2, Point(50, 50), 0));
    send(content, UIMouseEvent(kMouseMoveEvent, 2, 0, Point(50, 10), 0));
    send(content, UIMouseEvent(kMouseReleaseEvent, 0, 2, Point(50, 10), 0));
    EXPECT_EQ(340, area->verticalScrollBar()->value());
    EXPECT_LE(rgbDistance(plain, at(50, 210)), 2) << "dragged up past the band";
}

TEST_F(WidgetPixels, SplitterDragMovesTheSeparator)
{
    top->setLayoutEnabled(true);
    top->setLayoutMargin(0);
    auto* splitter = themed(new UISplitter(2, false, top));
    splitter->show();
    top->relayout();
    UISplitterSeparator* separator = splitter->separator(0);
    const int before = separator->x();
    const int mid = separator->thickness() / 2;
    expectSkin(u"UISplitterSeparator_VerticalBackground", 0, before, 10, "the separator's bar");
    mouse(separator, kMousePressEvent, mid, 10);
    mouse(separator, kMouseMoveEvent, mid + 1, 10);
    EXPECT_EQ(before, separator->x()) << "one pixel is jitter";
    mouse(separator, kMouseMoveEvent, mid - 100, 10);
    mouse(separator, kMouseReleaseEvent, mid - 100, 10);
    EXPECT_NEAR(before - 100, separator->x(), 1);
    expectSkin(u"UISplitterSeparator_VerticalBackground", 0, separator->x(), 10, "drawn where it went");
    EXPECT_GT(rgbDistance(skin(u"UISplitterSeparator_VerticalBackground", 0), at(before, 10)), 2)
        << "and gone from where it was";
}

TEST_F(WidgetPixels, StackShowsExactlyOnePage)
{
    top->setLayoutEnabled(true);
    top->setLayoutMargin(0);
    auto* stack = themed(new UIStack(3, top));
    stack->setLayoutMargin(0);
    const uint32_t colours[] = {0x112233, 0x445566, 0x778899};
    for (int i = 0; i < 3; ++i) {
        stack->page(i)->setLayoutMargin(0);
        auto* fill = new Banded(Size(10, 10), colours[i]);
        fill->setParent(stack->page(i));
        fill->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
        fill->show();
    }
    stack->show();
    for (int index : {1, 2, 0}) {
        stack->setCurrentIndex(index);
        top->relayout();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(i == index, rgbDistance(colours[i], at(250, 10)) <= 2)
                << "page " << i << " of " << index;
    }
}
