// The picture's text in a real window: a one-line text stands in the upper
// half of a two-line block centred in the widget, and a disabled picture
// shows none of it.
#include "graphics/paint/Pen.h"
#include "tests/support/ScreenTest.h"
#include "ui/widgets/picture/UIPicture.h"

#include <windows.h>

using testsupport::UIHarness;

namespace {

constexpr uint32_t kInk = 0x10E030;

class PictureOnScreen : public testsupport::ScreenTest
{
protected:
    // The rows of the picture holding the ink: first and last, or -1.
    static void inkRows(const UIWidget* picture, int* first, int* last)
    {
        UIHarness::pump();
        const Point origin = picture->mapToGlobal(Point(0, 0));
        HDC screen = GetDC(nullptr);
        *first = -1;
        *last = -1;
        for (int y = 0; y < picture->height(); ++y) {
            for (int x = 0; x < picture->width(); ++x) {
                const COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
                const uint32_t rgb =
                    (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
                if (rgb == kInk) {
                    if (*first < 0)
                        *first = y;
                    *last = y;
                    break;
                }
            }
        }
        ReleaseDC(nullptr, screen);
    }
};

} // namespace

TEST_F(PictureOnScreen, AOneLineTextStandsInTheUpperHalfOfItsCentredBlock)
{
    auto* picture = new UIPicture(window);
    picture->setText(String(u"WWWW"));
    picture->setForeground(Pen(Color(0xFF000000u | kInk)));
    place(picture, 20, 20, 200, 100);
    picture->update();
    int first = 0, last = 0;
    inkRows(picture, &first, &last);
    ASSERT_GE(first, 0) << "the text is drawn";
    EXPECT_LT(last, picture->height() / 2) << "above the centre: the upper line of the block";
    EXPECT_GT(first, 0);

    picture->setEnabled(false);
    picture->update();
    inkRows(picture, &first, &last);
    EXPECT_EQ(-1, first) << "disabled: no text";
}
