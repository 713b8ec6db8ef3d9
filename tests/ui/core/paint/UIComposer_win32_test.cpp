#include "graphics/codecs/ImageCodec.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "tests/support/SurfacePixels.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/paint/UIComposer.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIPaintEffect.h"

namespace {

const String kSkin(u"UIButton_Background");

// Paints one test.style frame over all of itself, so a pixel of the frame
// names the widget that put it there; frame -1 paints nothing.
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

protected:
    void paint(UIEvent*) override
    {
        if (frame < 0)
            return;
        Painter painter(paintTarget());
        m_skin->draw(painter, rect(), frame, UISkinImage::kAllCells);
    }

private:
    const UISkinImage* m_skin;
};

// Black at alpha 150 over opaque pixels: each channel keeps 105/256.
uint32_t dimmed(uint32_t rgb)
{
    return (((rgb & 0xFF) * 105 / 256) | (((rgb >> 8) & 0xFF) * 105 / 256) << 8 |
            ((rgb >> 16) * 105 / 256) << 16);
}

class DimOverlay : public UIPaintEffect
{
public:
    DimOverlay() : UIPaintEffect(0) {}
    void apply(PaintTarget* target, const Rect& r) override
    {
        auto* pixels = reinterpret_cast<uint32_t*>(target->bits());
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x)
                pixels[y * target->width() + x] = dimmed(pixels[y * target->width() + x] & 0xFFFFFFu);
        }
    }
};

class Composition : public WidgetTest
{
protected:
    static void SetUpTestSuite() { ImageCodec::registerAll(), PaintDevice::createDefault(); }
    static void TearDownTestSuite() { PaintDevice::destroyAll(); }
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(theme.loadFromPath(generatedskins::skinPath("test.style")));
        skin = &theme.skinImage(kSkin);
        base = box(top, 0, Rect(0, 0, 500, 400));
    }
    SkinBox* box(UIWidget* parent, int frame, const Rect& geometry, bool opaque = false)
    {
        auto* widget = new SkinBox(parent, skin, frame);
        widget->setFlag(UIWidget::kTransparent, !opaque);
        widget->setGeometry(geometry.x, geometry.y, geometry.width, geometry.height);
        widget->show();
        return widget;
    }
    int off(int x, int y, int frame, bool dim = false) const
    {
        const uint32_t color = testSkinFrameColor(kSkin, frame).value() & 0xFFFFFFu;
        return rgbDistance(rgbAt(*static_cast<BitmapSurface*>(top->frameTarget()), x, y),
                           dim ? dimmed(color) : color);
    }

    UITheme theme;
    const UISkinImage* skin = nullptr;
    SkinBox* base = nullptr;
};

} // namespace

TEST_F(Composition, EachPixelOfTheFrameComesFromTheWidgetThatShowsThereUnderTheOverlay)
{
    box(base, -1, Rect(10, 10, 100, 40));
    box(base, -1, Rect(10, 60, 100, 40), true);
    SkinBox* hidden = box(base, 2, Rect(150, 10, 60, 60));
    box(hidden, 3, Rect(5, 5, 20, 20));
    hidden->hide();
    box(base, 2, Rect(150, 100, 60, 60))->setFlag(UIWidget::kWindow, true);
    SkinBox* parent = box(base, 1, Rect(250, 10, 100, 50));
    box(box(parent, 2, Rect(0, 0, 150, 20)), 3, Rect(80, 0, 60, 20));
    box(parent, 3, Rect(60, 25, 100, 20));
    top->update();
    const struct
    {
        Point point;
        int frame; // -1: anything but the parent's colour
        const char* why;
    } cases[] = {{Point(20, 20), 0, "a transparent child shows its parent where it paints nothing"},
                 {Point(20, 70), -1, "an opaque child covers its parent"},
                 {Point(160, 20), 0, "a hidden child is not painted"},
                 {Point(170, 30), 0, "nor its children"},
                 {Point(170, 120), 0, "a child window is not painted into its parent's frame"},
                 {Point(260, 25), 2, "a wide child at its parent's origin"},
                 {Point(360, 25), 0, "stops at its parent's edge"},
                 {Point(340, 15), 3, "its child"},
                 {Point(360, 15), 0, "stops at its grandparent's edge"},
                 {Point(340, 40), 3, "a child placed inside its parent"},
                 {Point(355, 40), 0, "stops at its parent's edge too"}};
    for (const auto& c : cases) {
        const int distance = off(c.point.x, c.point.y, c.frame < 0 ? 0 : c.frame);
        EXPECT_TRUE(c.frame < 0 ? distance > 2 : distance <= 2) << c.why;
    }
    const Region exposed = UIComposer::exposedRegion(base);
    EXPECT_TRUE(exposed.contains(Point(20, 20)) && exposed.contains(Point(170, 120)) &&
                !exposed.contains(Point(20, 70)));

    // A hidden window is painted whole when shown again. Its overlay lies on
    // the frame before it goes to the screen, for whole-window and child
    // repaints alike, and never twice.
    SkinBox* button = box(base, 3, Rect(20, 150, 120, 30));
    top->hide();
    button->frame = 1;
    button->update();
    EXPECT_TRUE(top->testFlag(UIWidget::kRepaintPending));
    EXPECT_LE(off(30, 160, 3), 2) << "nothing painted while hidden";
    top->addEffect(new DimOverlay());
    top->show();
    EXPECT_FALSE(top->testFlag(UIWidget::kRepaintPending));
    EXPECT_LE(off(30, 160, 1, true), 2);
    button->frame = 2;
    button->update();
    EXPECT_LE(off(30, 160, 2, true), 2) << "a child repaint is dimmed";
    EXPECT_LE(off(200, 200, 0, true), 2) << "and nothing around it twice";
    top->setEffectEnabled(0, false);
    EXPECT_LE(off(200, 200, 0), 2) << "switching the overlay off repaints without it";
}
