#include "graphics/paint/BitmapSurface.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/window/UIColorOverlay.h"
#include "ui/widgets/window/UIWindow.h"

#include <algorithm>
#include <cstring>

using WindowTest = WidgetTest;

namespace {

// Black at alpha 150, the dimming of a window whose skin says nothing.
const Color kDim(150, 0, 0, 0);

} // namespace

TEST_F(WindowTest, AnOverlayDimsOnlyThePixelsOfItsRectangleThatExist)
{
    struct Case
    {
        const char* name;
        Color color;
        Rect rect;
        Point inside, outside;
        bool dims;
        uint32_t pixel = 0xFFFFFFFFu;
    };
    const Case cases[] = {
        {"opaque white keeps 105/256", kDim, Rect(2, 2, 4, 4), Point(3, 3), Point(1, 1), true},
        {"a rectangle past the edges is clipped", kDim, Rect(-50, 6, 500, 500), Point(0, 7), Point(0, 5),
         true},
        {"an invisible overlay does nothing", Color(0, 0, 0, 0), Rect(0, 0, 8, 8), Point(3, 3), Point(3, 3),
         false},
        // GDI leaves the alpha byte at 0: such a pixel is dimmed, not blackened.
        {"white drawn by GDI is dimmed like opaque white", kDim, Rect(0, 0, 4, 4), Point(1, 1), Point(6, 6),
         true, 0x00FFFFFFu},
    };
    auto at = [](const BitmapSurface& s, const Point& p) {
        uint32_t value;
        std::memcpy(&value, s.bits() + (size_t(p.y) * s.width() + p.x) * 4, 4);
        return Color(value);
    };
    for (const Case& c : cases) {
        BitmapSurface target(8, 8);
        std::fill_n(reinterpret_cast<uint32_t*>(target.bits()), 64, c.pixel);
        UIColorOverlay(c.color).apply(&target, c.rect);
        const Color in = at(target, c.inside);
        EXPECT_EQ(c.dims ? 255 : c.pixel >> 24, in.alpha()) << c.name;
        EXPECT_EQ(in.red(), in.blue()) << c.name;
        EXPECT_EQ(c.pixel, at(target, c.outside).value()) << c.name << ": outside untouched";
        // 255 at 150/256 of black keeps 105/256 of its distance from black.
        EXPECT_NEAR(c.dims ? 255 * 105 / 256 : 255, in.red(), 1) << c.name;
    }
}

TEST_F(WindowTest, DimmingTwiceAddsTwoOverlaysAndOneRemovalTakesBoth)
{
    UIWindow window(nullptr, 0);
    EXPECT_FALSE(window.isDimmed());
    window.setDimmed(true);
    window.setDimmed(true);
    EXPECT_TRUE(window.isDimmed());
    window.setDimmed(false);
    EXPECT_FALSE(window.isDimmed());
}

TEST_F(WindowTest, TheDimmingStrengthComesFromTheSkinWithinTheAlphaRange)
{
    const struct
    {
        const char* value;
        int alpha;
    } cases[] = {{nullptr, 150}, {"102", 102}, {"400", 255}, {"-3", 0}};
    for (const auto& c : cases) {
        UIWindow window(nullptr, 0);
        if (c.value)
            window.setStyleProperty(String(u"dimAlpha"), String::fromUtf8(c.value, int(strlen(c.value))));
        EXPECT_EQ(Color(uint8_t(c.alpha), 0, 0, 0).value(), window.dimColor().value()) << c.alpha;
    }
}
