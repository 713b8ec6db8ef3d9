#include "graphics/paint/Painter.h"
#include "tests/support/UIEventRecorder.h"
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidget.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::UIEventRecorder;
using testsupport::UIHarness;

namespace {

const char16_t kSkin[] = u"UIButton_Background";

uint32_t rgb(const Color& color)
{
    return color.value() & 0xFFFFFF;
}

uint32_t frameColor(int frame)
{
    return rgb(testSkinFrameColor(String(kSkin), frame));
}

// Paints the test skin's frame for its state: 0 normal, 1 hovered, 2
// pressed; a pixel read back names the state drawn.
class SkinnedProbe : public UIWidget
{
public:
    explicit SkinnedProbe(UIWidget* parent) : UIWidget(parent)
    {
        setFlag(kHoverTracking, true);
        setStyleName(String(u"UITest"));
    }
    int paints = 0;

protected:
    void paint(UIEvent*) override
    {
        ++paints;
        int frame = isMouseDown() ? 2 : (isHovered() ? 1 : 0);
        Painter painter(paintTarget());
        UIApplication::instance()
            ->theme()
            ->skinImage(String(kSkin))
            .draw(painter, rect(), frame, UISkinImage::kAllCells);
    }
    void mouseEnterEvent(UIEvent*) override { update(); }
    void mouseLeaveEvent(UIEvent*) override { update(); }
};

class ScreenPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 60, 60, 300, 200);
        probe = new SkinnedProbe(window);
        probe->setGeometry(40, 40, 120, 60);
        probe->show();
        UIHarness::pump();
    }
    void TearDown() override { UIHarness::closeWindow(window); }

    HWND hwnd() const { return static_cast<HWND>(window->nativeHandle()); }
    uint32_t centre() const { return UIHarness::screenPixel(probe, probe->rect().center()); }

    UIWidget* window = nullptr;
    SkinnedProbe* probe = nullptr;
};

} // namespace

TEST_F(ScreenPaint, HoveringRepaintsTheHoveredFrameOnScreen)
{
    ASSERT_EQ(centre(), frameColor(0));
    UIEventRecorder events(probe);
    UIHarness::moveMouse(probe, Point(10, 10));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return events.has(kMouseEnterEvent); }));
    UIHarness::pump();
    EXPECT_EQ(centre(), frameColor(1));
}

TEST_F(ScreenPaint, UncoveringCopiesTheFrameWithoutPaintingWidgets)
{
    Point corner = probe->mapToGlobal(Point(0, 0));
    // Something else drew over the window; the system then asks it to paint.
    HDC screen = GetDC(nullptr);
    RECT spoiled = {corner.x, corner.y, corner.x + 120, corner.y + 60};
    FillRect(screen, &spoiled, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(nullptr, screen);
    ASSERT_NE(centre(), frameColor(0));
    int paints = probe->paints;
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
    UIHarness::pump();
    EXPECT_EQ(centre(), frameColor(0));
    EXPECT_EQ(probe->paints, paints) << "only the composed frame is copied";
}

TEST_F(ScreenPaint, InvertingTwiceRestoresTheScreenAndSparesChildren)
{
    const Point outside(10, 10);
    const uint32_t background = UIHarness::screenPixel(window, outside);
    window->paintRectNow(window->rect(), true);
    EXPECT_EQ(UIHarness::screenPixel(window, outside), background ^ 0xFFFFFF);
    EXPECT_EQ(centre(), frameColor(0)) << "the child is spared";
    window->paintRectNow(window->rect(), true);
    EXPECT_EQ(UIHarness::screenPixel(window, outside), background);
}
