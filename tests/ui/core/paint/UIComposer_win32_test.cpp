#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "tests/graphics/paint/SurfacePixels.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/paint/UIComposer.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIStyleEffect.h"

#include <cstring>

using namespace generatedskins;

namespace {

const String kSkin(u"UIButton_Background");

// Paints one test.style frame over a part of itself (all of it by default),
// so a pixel of the frame names the widget that put it there.
class SkinBox : public UIWidget
{
public:
    SkinBox(UIWidget* parent, const UISkinImage* skin, int frame)
        : UIWidget(parent), frame(frame), m_skin(skin)
    {
        setStyleName(String(u"UITest"));
        setLayoutEnabled(false);
    }

    int frame;
    Rect part;

protected:
    void paint(UIEvent*) override
    {
        Painter painter(paintTarget());
        m_skin->draw(painter, part.isEmpty() ? rect() : part, frame, UISkinImage::kAllCells);
    }

private:
    const UISkinImage* m_skin;
};

// Black at alpha 150 over opaque pixels: each channel keeps 105/256.
uint32_t dimmed(uint32_t rgb)
{
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= ((((rgb >> shift) & 0xFFu) * 105u) / 256u) << shift;
    return result;
}

class DimOverlay : public UIStyleEffect
{
public:
    DimOverlay() : UIStyleEffect(0) {}
    void apply(PaintTarget* target, const Rect& rect) override
    {
        for (int y = rect.y; y < rect.y + rect.height; ++y) {
            uint8_t* row = target->bits() + (static_cast<size_t>(y) * target->width() + rect.x) * 4;
            for (int x = 0; x < rect.width; ++x) {
                uint32_t pixel = 0;
                std::memcpy(&pixel, row + x * 4, 4);
                pixel = dimmed(pixel & 0xFFFFFFu) | 0xFF000000u;
                std::memcpy(row + x * 4, &pixel, 4);
            }
        }
    }
};

class Composition : public WidgetTest
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
        skin = &theme.skinImage(kSkin);
        ASSERT_GE(skin->frameCount(), 4);
        base = box(top, 0, Rect(0, 0, 500, 400));
    }

    SkinBox* box(UIWidget* parent, int frame, const Rect& geometry)
    {
        auto* widget = new SkinBox(parent, skin, frame);
        widget->setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
        widget->show();
        return widget;
    }
    uint32_t color(int frame) const { return testSkinFrameColor(kSkin, frame).value() & 0xFFFFFFu; }
    uint32_t at(int x, int y) const { return rgbAt(*static_cast<BitmapSurface*>(top->frameTarget()), x, y); }

    UITheme theme;
    const UISkinImage* skin = nullptr;
    SkinBox* base = nullptr;
};

} // namespace

TEST_F(Composition, EachPixelOfTheFrameComesFromTheWidgetThatShowsThere)
{
    SkinBox* clear = box(base, 1, Rect(10, 10, 100, 40));
    clear->part = Rect(0, 0, 50, 40);
    SkinBox* opaque = box(base, 1, Rect(10, 60, 100, 40));
    opaque->part = Rect(0, 0, 50, 40);
    opaque->setFlag(UIWidget::kTransparent, false);
    SkinBox* hidden = box(base, 2, Rect(150, 10, 60, 60));
    box(hidden, 3, Rect(5, 5, 20, 20));
    hidden->hide();
    SkinBox* childWindow = box(base, 2, Rect(150, 100, 60, 60));
    childWindow->setFlag(UIWidget::kWindow, true);
    SkinBox* parent = box(base, 1, Rect(250, 10, 100, 50));
    box(parent, 2, Rect(0, 0, 150, 20));
    box(parent, 3, Rect(60, 25, 100, 20));
    top->update();
    ASSERT_NE(top->frameTarget(), nullptr);
    struct Case
    {
        Point point;
        int frame;
        const char* why;
    };
    // Frame -1: anything but the parent's colour.
    const Case cases[] = {{Point(20, 20), 1, "a transparent child's own paint"},
                          {Point(90, 20), 0, "a transparent child shows its parent where it paints nothing"},
                          {Point(20, 70), 1, "an opaque child's own paint"},
                          {Point(90, 70), -1, "an opaque child covers its parent"},
                          {Point(160, 20), 0, "a hidden child is not painted"},
                          {Point(170, 30), 0, "nor its children"},
                          {Point(170, 120), 0, "a child window is not painted into its parent's frame"},
                          {Point(340, 15), 2, "a wide child at its parent's origin"},
                          {Point(360, 15), 0, "stops at its parent's edge"},
                          {Point(340, 40), 3, "a child placed inside its parent"},
                          {Point(355, 40), 0, "stops at its parent's edge too"},
                          {Point(400, 300), 0, "the backdrop"}};
    for (const Case& c : cases) {
        const uint32_t pixel = at(c.point.x, c.point.y);
        if (c.frame < 0)
            EXPECT_GT(rgbDistance(pixel, color(0)), 2) << c.why;
        else
            EXPECT_LE(rgbDistance(pixel, color(c.frame)), 2) << c.why;
    }
}

// The window's overlay lies on the frame before it goes to the screen,
// whole-window repaints and child repaints alike, and never twice.
TEST_F(Composition, OverlaysDimTheFrameOnceForEveryRepaint)
{
    SkinBox* button = box(base, 1, Rect(20, 20, 120, 30));
    top->addEffect(new DimOverlay());
    top->update();
    EXPECT_LE(rgbDistance(at(200, 200), dimmed(color(0))), 2);
    EXPECT_LE(rgbDistance(at(30, 30), dimmed(color(1))), 2);
    button->frame = 2;
    button->update();
    EXPECT_LE(rgbDistance(at(30, 30), dimmed(color(2))), 2) << "a child repaint is dimmed";
    EXPECT_LE(rgbDistance(at(200, 200), dimmed(color(0))), 2) << "and nothing around it twice";
    top->setEffectEnabled(0, false);
    EXPECT_LE(rgbDistance(at(200, 200), color(0)), 2) << "switching the overlay off repaints without it";
}

TEST_F(Composition, UpdatesOfAHiddenWindowWaitUntilItIsShown)
{
    SkinBox* button = box(base, 1, Rect(20, 20, 120, 30));
    top->update();
    top->hide();
    button->frame = 3;
    button->update();
    EXPECT_TRUE(top->testFlag(UIWidget::kRepaintPending));
    EXPECT_LE(rgbDistance(at(30, 30), color(1)), 2) << "nothing painted while hidden";
    top->show();
    EXPECT_LE(rgbDistance(at(30, 30), color(3)), 2);
    EXPECT_FALSE(top->testFlag(UIWidget::kRepaintPending));
}

TEST_F(Composition, TheExposedRegionLeavesOutOpaqueChildrenOnly)
{
    SkinBox* panel = box(base, 0, Rect(10, 10, 200, 100));
    box(panel, 1, Rect(0, 0, 50, 50))->setFlag(UIWidget::kTransparent, false);
    box(panel, 1, Rect(60, 0, 50, 50));
    box(panel, 1, Rect(120, 0, 50, 50))->setFlag(UIWidget::kWindow, true);
    const Region exposed = UIComposer::exposedRegion(panel);
    struct Case
    {
        Point point;
        bool exposed;
    };
    const Case cases[] = {
        {Point(10, 10), false}, {Point(70, 10), true}, {Point(130, 10), true}, {Point(190, 90), true}};
    for (const Case& c : cases)
        EXPECT_EQ(exposed.contains(c.point), c.exposed) << c.point.x;
}
