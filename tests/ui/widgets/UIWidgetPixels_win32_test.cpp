#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"
#include "tests/support/GdiTest.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/buttons/UIRadio.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/window/UIWindow.h"

#include <cstring>
#include <functional>

using testsupport::text;

namespace {

// A colour no skin uses, for what nothing painted.
constexpr uint32_t kUntouched = 0xFF00FF;

// Widgets painted with test.style, where every frame of every skin image and
// every style colour is a flat colour of its own, into a surface read back.
class PixelTest : public WidgetTest
{
protected:
    static void SetUpTestSuite()
    {
        ImageCodec::registerAll();
        PaintDevice::createDefault();
        auto theme = std::make_unique<UITheme>();
        if (theme->loadFromPath(generatedskins::skinPath("test.style")))
            UIApplication::instance()->setTheme(theme.release());
    }
    static void TearDownTestSuite()
    {
        UIApplication::instance()->setTheme(new UITheme());
        PaintDevice::destroyAll();
    }
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_TRUE(UIApplication::instance()->theme()->isLoaded())
            << "test.style (made by scripts/make-data.sh)";
    }

    // The widget drawn over the untouched colour.
    template <typename Widget> void paint(Widget& widget)
    {
        surface = std::make_unique<BitmapSurface>(widget.width(), widget.height());
        surface->fill(Color(0xFF000000u | kUntouched));
        Painter painter(surface.get());
        ASSERT_TRUE(painter.isActive());
        widget.draw(painter);
        painter.end();
    }
    uint32_t pixel(int x, int y) const
    {
        uint32_t value;
        std::memcpy(&value, surface->bits() + (size_t(y) * surface->width() + x) * 4, 4);
        return value & 0xFFFFFFu;
    }
    bool hasPixel(uint32_t rgb) const
    {
        for (int y = 0; y < surface->height(); ++y) {
            for (int x = 0; x < surface->width(); ++x) {
                if (pixel(x, y) == rgb)
                    return true;
            }
        }
        return false;
    }
    static uint32_t frame(const char16_t* skin, int index)
    {
        return testSkinFrameColor(String(skin), index).value() & 0xFFFFFFu;
    }
    static uint32_t style(const char16_t* name, const char16_t* property)
    {
        return testStyleColor(String(name), String(property)).value() & 0xFFFFFFu;
    }
    template <typename Widget> static void place(Widget& widget, int width, int height)
    {
        widget.setLayoutEnabled(false);
        widget.setGeometry(0, 0, width, height);
        widget.show();
    }

    std::unique_ptr<BitmapSurface> surface;
};

} // namespace

TEST_F(PixelTest, ButtonFramesAndIconStatesByStateAndFlatMode)
{
    struct Case
    {
        const char* name;
        bool enabled, hovered, down, checkable, checked, flat;
        int frame, iconState;
    };
    const Case cases[] = {
        {"normal", true, false, false, false, false, false, 0, 0},
        {"hovered", true, true, false, false, false, false, 1, 2},
        {"pressed", true, true, true, false, false, false, 2, 3},
        {"pressed, pointer gone", true, false, true, false, false, false, 1, 0},
        {"disabled", false, true, true, false, false, false, 3, 1},
        {"checked", true, false, false, true, true, false, 4, 3},
        {"checked but disabled", false, false, false, true, true, false, 3, 1},
        {"checked without being checkable", true, false, false, false, true, false, 0, 0},
        {"flat draws no background", true, true, false, false, false, true, -1, 2},
    };
    for (const Case& c : cases) {
        UIButton button(top);
        place(button, 60, 30);
        button.setCheckable(true);
        button.setChecked(c.checked);
        button.setCheckable(c.checkable);
        button.setEnabled(c.enabled);
        button.setFlag(UIWidget::kHovered, c.hovered);
        button.setFlag(UIWidget::kMouseDown, c.down);
        button.setFlat(c.flat);
        paint(button);
        EXPECT_EQ(c.frame < 0 ? kUntouched : frame(u"UIButton_Background", c.frame), pixel(30, 15)) << c.name;
        EXPECT_EQ(c.iconState, button.iconState()) << c.name;
    }
}

TEST_F(PixelTest, ButtonTextPensAndIconStates)
{
    UIButton button(top);
    place(button, 120, 40);
    button.setText(text("WWWW"));
    paint(button);
    EXPECT_TRUE(hasPixel(style(u"UIButton", u"foreground"))) << "the text in its pen";
    button.setEnabled(false);
    paint(button);
    EXPECT_TRUE(hasPixel(style(u"UIButton", u"disabledForeground"))) << "disabled: the disabled pen";
    EXPECT_FALSE(hasPixel(style(u"UIButton", u"foreground")));

    Image red(16, 16, true);
    red.fill(Color(0xFFFF0000u));
    UIButton iconButton(top);
    place(iconButton, 40, 40);
    iconButton.setIcon(ImageSet::ImageSetFromImage(red));
    paint(iconButton);
    // The skin's minimum size may widen the button: its centre is the place.
    const Point centre(iconButton.width() / 2, iconButton.height() / 2);
    EXPECT_EQ(0xFF0000u, pixel(centre.x, centre.y)) << "state 0 is the image itself";
    iconButton.setEnabled(false);
    paint(iconButton);
    EXPECT_NE(0xFF0000u, pixel(centre.x, centre.y)) << "state 1 is greyed";
    EXPECT_NE(frame(u"UIButton_Background", 3), pixel(centre.x, centre.y))
        << "the icon over the disabled frame";
}

TEST_F(PixelTest, CheckAndRadioIndicatorFrames)
{
    for (int state = 0; state < 3; ++state) {
        for (int look = 0; look < 4; ++look) {
            UICheck check(top);
            place(check, 40, 30);
            check.setCheckState(state == 0   ? UICheck::kUnchecked
                                : state == 1 ? UICheck::kChecked
                                             : UICheck::kPartial);
            check.setEnabled(look != 3);
            check.setFlag(UIWidget::kHovered, look == 1 || look == 2);
            check.setFlag(UIWidget::kMouseDown, look == 2);
            paint(check);
            const int width = check.style().indicatorSize.width;
            EXPECT_EQ(frame(u"UICheck_Indicator", look + 4 * state), pixel(width / 2, 15))
                << state << "," << look;
        }
    }
    UIRadio radio(top);
    place(radio, 40, 30);
    radio.check();
    paint(radio);
    EXPECT_EQ(frame(u"UIRadio_Indicator", 4), pixel(radio.style().indicatorSize.width / 2, 15));
}

TEST_F(PixelTest, LabelElidesAndOffersItsTextUntilItFits)
{
    UILabel label(top);
    place(label, 30, 20);
    label.setText(text("a text far too long for thirty pixels"));
    paint(label);
    EXPECT_TRUE(label.isElided());
    EXPECT_EQ(label.text(), label.toolTip(Point()));
    label.setGeometry(0, 0, 600, 20);
    paint(label);
    EXPECT_FALSE(label.isElided());
    EXPECT_TRUE(label.toolTip(Point()).isEmpty()) << "cleared after the resize that fits";
}

TEST_F(PixelTest, PictureScaleModesAndDisabledLook)
{
    Image red(200, 100, true);
    red.fill(Color(0xFFFF0000u));
    Image small(10, 10, true);
    small.fill(Color(0xFFFF0000u));
    struct Case
    {
        const char* name;
        const Image* image;
        int mode;
        uint32_t alignment;
        Rect drawn;
    };
    const Case cases[] = {
        {"unscaled, centred", &small, 0, 48, Rect(45, 45, 10, 10)},
        {"stretched over the area", &small, 1, 5, Rect(0, 0, 100, 100)},
        {"fitted, smaller: its own size", &small, 2, 48, Rect(45, 45, 10, 10)},
        {"fitted, larger: the aspect kept", &red, 2, 48, Rect(0, 25, 100, 50)},
        {"tiled over the area", &small, 3, 5, Rect(0, 0, 100, 100)},
    };
    for (const Case& c : cases) {
        UIPicture picture(top);
        place(picture, 100, 100);
        picture.setImage(*c.image, c.mode, c.alignment);
        paint(picture);
        EXPECT_EQ(c.drawn, picture.imageRect(0)) << c.name;
        EXPECT_EQ(0xFF0000u, pixel(c.drawn.x + c.drawn.width / 2, c.drawn.y + c.drawn.height / 2)) << c.name;
        if (c.drawn.width < 100) {
            EXPECT_NE(0xFF0000u, pixel(99, 1)) << c.name;
        }
    }
    UIPicture picture(top);
    place(picture, 100, 100);
    picture.setImage(small, 1, 5);
    picture.setEnabled(false);
    paint(picture);
    EXPECT_EQ(style(u"UIPicture", u"disabledBackground"), pixel(50, 50)) << "no image when disabled";
    EXPECT_EQ(style(u"UIPicture", u"disabledBorderColor"), pixel(0, 50));
}

TEST_F(PixelTest, WindowBorderOnlyWhenTheSkinGivesOne)
{
    UIWindow window(nullptr, 0);
    place(window, 50, 40);
    paint(window);
    EXPECT_EQ(style(u"UIWindow", u"borderColor"), pixel(0, 0));
    EXPECT_EQ(style(u"UIWindow", u"background"), pixel(25, 20));
    window.setBorderColor(Color(0x00FFFFFFu));
    paint(window);
    EXPECT_EQ(style(u"UIWindow", u"background"), pixel(0, 0)) << "an invisible border colour draws none";
}
