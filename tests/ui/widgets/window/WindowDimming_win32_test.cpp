// A dimmed window on the screen: each overlay darkens what is under it, and
// one call takes every overlay off again.
#include "graphics/paint/Brush.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/window/UIWindow.h"

#include <gtest/gtest.h>

using testsupport::UIHarness;

namespace {

class WindowDimming : public ::testing::Test
{
protected:
    // The other tests of this program run without a theme.
    static void TearDownTestSuite() { UIApplication::instance()->setTheme(new UITheme()); }
};

} // namespace

TEST_F(WindowDimming, EachOverlayDimsAndOneCallRemovesThemAll)
{
    ASSERT_TRUE(UIHarness::start());
    auto* window = static_cast<UIWindow*>(UIHarness::openWindow(new UIWindow(nullptr, 0), 40, 40, 200, 120));
    window->setBackground(Brush::BrushFromColor(Color(0xFFFFFFFFu)));
    window->update();
    const Point at(100, 60);
    EXPECT_EQ(0xFFFFFFu, UIHarness::screenPixel(window, at));
    // Black at the skin's alpha a keeps (255 - a)/255 of each channel's
    // distance from black (at the default 150, about 105/256).
    const uint32_t keep = 255u - uint32_t(window->style().dimAlpha);
    const uint32_t once = 255u * keep / 255u;
    const uint32_t twice = once * keep / 255u;
    window->setDimmed(true);
    window->update();
    const uint32_t first = UIHarness::screenPixel(window, at);
    window->setDimmed(true);
    window->update();
    const uint32_t second = UIHarness::screenPixel(window, at);
    window->setDimmed(false);
    window->update();
    const uint32_t cleared = UIHarness::screenPixel(window, at);
    UIHarness::closeWindow(window);
    EXPECT_NEAR(int(once), int(first & 0xFF), 1);
    EXPECT_NEAR(int(twice), int(second & 0xFF), 1);
    EXPECT_EQ(first >> 16, first & 0xFF) << "grey: every channel alike";
    EXPECT_EQ(0xFFFFFFu, cleared);
}
