// The colour picker in a real window under Wine with test.style: frames by
// state, the swatch with its darker border, and the grey disabled swatch.
#include "tests/support/ScreenTest.h"
#include "ui/widgets/color/UIColorPicker.h"

using testsupport::UIHarness;

using ColorPickerOnScreen = testsupport::ScreenTest;

TEST_F(ColorPickerOnScreen, FramesSwatchBorderAndTheDisabledGrey)
{
    auto* picker = place(new UIColorPicker(window), 10, 10, 60, 40);
    const Color colour(255, 200, 100, 50);
    picker->setColor(colour);
    struct Case
    {
        const char* name;
        bool enabled, hovered, down;
        int frame;
    };
    const Case cases[] = {{"normal", true, false, false, 0},
                          {"hovered", true, true, false, 1},
                          {"pressed", true, true, true, 2},
                          {"disabled", false, false, false, 3}};
    const Rect swatch = picker->swatchRect();
    for (const Case& c : cases) {
        picker->setEnabled(c.enabled);
        picker->setFlag(UIWidget::kHovered, c.hovered);
        picker->setFlag(UIWidget::kMouseDown, c.down);
        picker->update();
        EXPECT_EQ(UIHarness::screenPixel(picker, Point(2, 2)), skin(u"UIColorPicker_Background", c.frame))
            << c.name;
        const uint32_t border = c.enabled ? rgb(colour.darker(0.3f)) : 0xC8C8C8u;
        const uint32_t inside = c.enabled ? rgb(colour) : 0xDCDCDCu;
        EXPECT_EQ(UIHarness::screenPixel(picker, Point(swatch.x, swatch.y + swatch.height / 2)), border)
            << c.name;
        EXPECT_EQ(UIHarness::screenPixel(picker, swatch.center()), inside) << c.name;
    }
}
