// A button pressed by a posted mouse press in a real window: its content
// moves by the down offset unless the button is flat.
#include "graphics/image/Image.h"
#include "tests/support/ScreenTest.h"
#include "ui/widgets/buttons/UIButton.h"

#include <windows.h>

using testsupport::UIHarness;

namespace {

class ButtonOnScreen : public testsupport::ScreenTest
{
};

} // namespace

TEST_F(ButtonOnScreen, ThePressedContentMovesByTheDownOffsetUnlessFlat)
{
    for (bool flat : {false, true}) {
        SCOPED_TRACE(flat ? "flat" : "framed");
        auto* button = new UIButton(window);
        Image red(16, 16, true);
        red.fill(Color(0xFFFF0000u));
        // The same image in every state, so that only its place changes.
        ImageSet icon;
        for (int state = 0; state < ImageSet::kStateCount; ++state)
            icon.setImage(state, red);
        button->setIcon(icon);
        button->setFlat(flat);
        place(button, 20, 20, 120, 60);
        button->setStyleProperty(String(u"downOffset"), String(u"20,10"));
        const Point centre(button->width() / 2, button->height() / 2);
        const Point moved(centre.x + 20, centre.y + 10);
        ASSERT_EQ(0xFF0000u, UIHarness::screenPixel(button, centre));
        ASSERT_NE(0xFF0000u, UIHarness::screenPixel(button, moved));

        const Point at = button->mapTo(window, Point(4, 4));
        UIHarness::moveMouse(window, at);
        UIHarness::postMouse(window, WM_LBUTTONDOWN, at, MK_LBUTTON);
        UIHarness::pump();
        ASSERT_TRUE(button->isMouseDown());
        EXPECT_EQ(!flat, UIHarness::screenPixel(button, moved) == 0xFF0000u);
        EXPECT_EQ(flat, UIHarness::screenPixel(button, centre) == 0xFF0000u);
        UIHarness::postMouse(window, WM_LBUTTONUP, at);
        UIHarness::pump();
        EXPECT_EQ(0xFF0000u, UIHarness::screenPixel(button, centre)) << "back after the release";
        delete button;
        UIHarness::pump();
    }
}
