#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/window/UIColorOverlay.h"
#include "ui/widgets/window/UIDialog.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

// 32-bit pixels in memory, as a back buffer has them.
class MemoryTarget : public PaintTarget
{
public:
    MemoryTarget(int width, int height, uint32_t fill)
        : m_width(width), m_height(height), m_pixels(width * height, fill)
    {
    }
    HDC__* hdc() const override { return nullptr; }
    void setPainting(bool) override {}
    bool isPainting() const override { return false; }
    uint8_t* bits() const override
    {
        return reinterpret_cast<uint8_t*>(const_cast<uint32_t*>(m_pixels.data()));
    }
    int bitsPerPixel() const override { return 32; }
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }
    uint32_t at(int x, int y) const { return m_pixels[size_t(y * m_width + x)]; }

private:
    int m_width, m_height;
    std::vector<uint32_t> m_pixels;
};

class Counter : public SignalReceiver
{
public:
    void count() { ++calls; }
    int calls = 0;
};

class WindowTest : public WidgetTest
{
};

} // namespace

TEST_F(WindowTest, AnOverlayDimsOnlyThePixelsOfItsRectangleThatExist)
{
    struct Case
    {
        const char* name;
        Color color;
        uint32_t pixel;
        Rect rect;
        Point inside, outside;
        uint32_t expected;
    };
    // Black at 150 over white: 255 - 255 x 150 / 256 rounds to 105 / 256 of
    // the way, 255 x 105 / 256 = 104.6.
    const Case cases[] = {
        {"opaque white keeps 105/256", UIWindow::dimColor(), 0xFFFFFFFFu, Rect(2, 2, 4, 4), Point(3, 3),
         Point(1, 1), 0xFF000000u},
        {"a rectangle past the edges is clipped", UIWindow::dimColor(), 0xFFFFFFFFu, Rect(-50, 6, 500, 500),
         Point(0, 7), Point(0, 5), 0xFF000000u},
        {"an invisible overlay does nothing", Color(0, 0, 0, 0), 0xFFFFFFFFu, Rect(0, 0, 8, 8), Point(3, 3),
         Point(3, 3), 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        MemoryTarget target(8, 8, c.pixel);
        UIColorOverlay(c.color).apply(&target, c.rect);
        const Color in(target.at(c.inside.x, c.inside.y));
        if (c.expected == c.pixel) {
            EXPECT_EQ(c.pixel, target.at(c.inside.x, c.inside.y)) << c.name;
            continue;
        }
        EXPECT_NEAR(255 * 105 / 256, in.red(), 1) << c.name;
        EXPECT_EQ(in.red(), in.blue()) << c.name;
        EXPECT_EQ(255, in.alpha()) << c.name;
        EXPECT_EQ(c.pixel, target.at(c.outside.x, c.outside.y)) << c.name << ": outside untouched";
    }
}

TEST_F(WindowTest, DimmingTwiceAddsTwoOverlaysAndOneRemovalTakesBoth)
{
    UIWindow window(nullptr, 0);
    EXPECT_TRUE(window.isWindow());
    EXPECT_FALSE(window.isDimmed());
    window.setDimmed(true);
    window.setDimmed(true);
    EXPECT_TRUE(window.isDimmed());
    window.setDimmed(false);
    EXPECT_FALSE(window.isDimmed());
    EXPECT_EQ(0u, window.style().borderColor.alpha()) << "no border until the skin gives one";
}

TEST_F(WindowTest, DoneStoresTheResultAndTheDialogClosesOnce)
{
    struct Case
    {
        const char* name;
        std::function<void(UIDialog*)> act;
        int result, hides;
    };
    const Case cases[] = {
        {"Escape rejects", [](UIDialog* d) { send(d, UIKeyEvent(kKeyPressEvent, 27, 0, String())); }, 0, 1},
        {"accept", [](UIDialog* d) { d->accept(); }, 1, 1},
        {"done 3 then 7: the last wins, one close",
         [](UIDialog* d) {
             d->done(3);
             d->done(7);
         },
         7, 1},
        {"another key does nothing",
         [](UIDialog* d) { send(d, UIKeyEvent(kKeyPressEvent, 13, 0, String())); }, -5, 0},
    };
    for (const Case& c : cases) {
        UIDialog dialog(nullptr, 0);
        // The modal run is the Windows tests' business; here only the result
        // and the close are watched.
        dialog.setModal(false);
        dialog.setResult(-5);
        dialog.show();
        Counter hides;
        dialog.hidden.connectAdjusted(&hides, &Counter::count);
        c.act(&dialog);
        drain();
        EXPECT_EQ(c.result, dialog.result()) << c.name;
        EXPECT_EQ(c.hides, hides.calls) << c.name;
        EXPECT_EQ(c.hides == 0, dialog.isVisible()) << c.name;
    }
}
