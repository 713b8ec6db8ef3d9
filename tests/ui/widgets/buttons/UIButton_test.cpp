#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/buttons/UIButton.h"

#include <memory>

using ButtonTest = WidgetTest;

TEST_F(ButtonTest, SizeHintByIconPositionPaddingAndFlatMode)
{
    const FontMetrics metrics(FontDesc(), nullptr);
    const int tw = metrics.textWidth(u"abcd", 4, false);
    const int th = metrics.height();
    struct Case
    {
        const char* name;
        const char* text;
        Size icon;
        int position;
        bool flat;
        Size expected;
    };
    const Case cases[] = {
        {"neither: the padding only", "", Size(), 1, false, Size(20, 8)},
        {"text only", "abcd", Size(), 1, false, Size(tw + 20, th + 8)},
        {"icon only", "", Size(16, 40), 1, false, Size(36, 48)},
        {"icon left of the text", "abcd", Size(16, 40), 0, false, Size(16 + 6 + tw + 20, 40 + 8)},
        {"icon above the text", "abcd", Size(16, 40), 3, false, Size(std::max(16, tw) + 20, 40 + 6 + th + 8)},
        {"unknown position", "abcd", Size(16, 40), 7, false, Size(20, 8)},
        {"flat takes no padding", "abcd", Size(16, 40), 1, true, Size(16 + 6 + tw, 40)},
    };
    for (const Case& c : cases) {
        auto button = std::make_unique<UIButton>(top);
        button->setStyleProperty(String(u"padding"), String(u"10,4,10,4"));
        button->setStyleProperty(String(u"iconAndTextSpacing"), String(u"6"));
        button->setText(testsupport::text(c.text));
        if (c.icon.width > 0)
            button->setIcon(ImageSet::ImageSetFromImage(Image(c.icon.width, c.icon.height, true)));
        button->setIconPosition(c.position);
        if (c.flat)
            button->setFlat(true);
        EXPECT_EQ(c.expected, button->sizeHint()) << c.name;
    }
}

TEST_F(ButtonTest, ColorVariantsTakeTheirBackgroundAndPens)
{
    auto theme = std::make_unique<UITheme>();
    ASSERT_TRUE(theme->loadFromPath(generatedskins::skinPath("test.style")));
    const UITheme* loaded = theme.get();
    ASSERT_TRUE(UIApplication::instance()->setTheme(theme.release()));
    struct Case
    {
        int variant;
        const char16_t* background;
        uint32_t foreground, shadow;
    };
    const Case cases[] = {
        {1, u"UIButton_GreenBackground", 0xFFFFFFFFu, 0xFF6E873Au},
        {3, u"UIButton_YellowBackground", 0xFF2B2B2Bu, 0xFFFEEFCDu},
        {0, u"UIButton_Background", 0xFF2B2B2Bu, 0xFFFAFAFAu},
        {2, u"UIButton_BlueBackground", 0xFFFFFFFFu, 0xFF304B8Fu},
        // Past the table a variant is only stored: blue stays.
        {7, u"UIButton_BlueBackground", 0xFFFFFFFFu, 0xFF304B8Fu},
        {-1, u"UIButton_BlueBackground", 0xFFFFFFFFu, 0xFF304B8Fu},
    };
    auto button = std::make_unique<UIButton>(top);
    for (const Case& c : cases) {
        button->setColorVariant(c.variant);
        const UISkinImage& expected = loaded->skinImage(String(c.background));
        EXPECT_EQ(c.variant, button->colorVariant());
        EXPECT_EQ(expected.image().bits(), button->background().image().bits()) << c.variant;
        EXPECT_EQ(Color(c.foreground), button->foreground()) << c.variant;
        EXPECT_EQ(Color(c.shadow), button->shadowForeground()) << c.variant;
    }
    // The other tests of this program run without a skin.
    UIApplication::instance()->setTheme(new UITheme());
}

TEST_F(ButtonTest, AnIconPositionOfNoKnownPlaceDrawsTheTextOnly)
{
    for (int position : {1, 7, -1}) {
        CurrentRecorder recorder;
        FakeTarget target;
        auto button = std::make_unique<UIButton>(top);
        button->setText(String(u"abcd"));
        button->setIcon(ImageSet::ImageSetFromImage(Image(16, 16, true)));
        button->setIconPosition(position);
        button->resize(120, 40);
        {
            Painter painter(&target);
            button->draw(painter);
        }
        int texts = 0;
        int images = 0;
        for (const std::string& line : recorder.device.log) {
            texts += line.rfind("text 'abcd'", 0) == 0 ? 1 : 0;
            images += line.rfind("image 16x16", 0) == 0 || line.rfind("part", 0) == 0 ? 1 : 0;
        }
        EXPECT_GT(texts, 0) << "position " << position;
        EXPECT_EQ(images, position == 1 ? 1 : 0) << "position " << position;
    }
}
