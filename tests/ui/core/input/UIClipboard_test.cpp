#include "ui/core/input/UIClipboard.h"

#include "tests/support/TestText.h"
#include "ui/core/application/UIApplication.h"

#include <gtest/gtest.h>

using testsupport::utf8;

namespace {

Image patterned(int width, int height, bool alpha, uint8_t alphaValue)
{
    Image image(width, height, alpha);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Color(alphaValue, uint8_t(40 * x), uint8_t(60 * y), uint8_t(7 + x + y)));
    }
    return image;
}

// Colours compared with the alpha the image is expected to carry.
void expectPixels(const Image& expected, uint8_t alpha, const Image& actual, int step)
{
    ASSERT_FALSE(actual.isNull()) << step;
    ASSERT_EQ(expected.width(), actual.width()) << step;
    ASSERT_EQ(expected.height(), actual.height()) << step;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            Color want = expected.pixel(x, y);
            want.setAlpha(alpha);
            EXPECT_EQ(want, actual.pixel(x, y)) << step << " at " << x << "," << y;
        }
    }
}

} // namespace

TEST(UIClipboard, TextsAndImagesRoundTripAndEmptyValuesLeaveTheClipboardAlone)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    const Image cover = patterned(3, 2, true, 200);
    const Image flat = patterned(3, 3, false, 255);
    const Image noAlpha = patterned(2, 2, true, 0);
    struct Step
    {
        const char16_t* setText; // null: set the image instead
        Image setImage;
        int format;
        const char* text;
        Image image;
        uint8_t alpha;
    };
    const Step steps[] = {
        {u"Heat (1995)", Image(), UIClipboard::kText, "Heat (1995)", Image(), 0},
        {u"", Image(), UIClipboard::kText, "Heat (1995)", Image(), 0},
        {nullptr, cover, UIClipboard::kImage, "", cover, 200},
        {nullptr, Image(), UIClipboard::kImage, "", cover, 200},
        {nullptr, flat, UIClipboard::kImage, "", flat, 255},
        {nullptr, noAlpha, UIClipboard::kImage, "", noAlpha, 255},
        {u"Ronin", Image(), UIClipboard::kText, "Ronin", Image(), 0},
    };
    for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
        const Step& step = steps[i];
        if (step.setText)
            clipboard->setText(step.setText);
        else
            clipboard->setImage(step.setImage);
        EXPECT_EQ(step.format, UIClipboard::availableFormat()) << i;
        EXPECT_EQ(step.text, utf8(clipboard->text())) << i;
        if (step.image.isNull()) {
            EXPECT_TRUE(clipboard->image().isNull()) << i << ": text wins over an image";
        } else {
            expectPixels(step.image, step.alpha, clipboard->image(), int(i));
        }
    }
}

TEST(UIClipboard, OnlyAnImageWithNoVisiblePixelIsMadeOpaque)
{
    struct Case
    {
        bool alpha;
        uint8_t first;
        uint8_t rest;
        uint8_t expectedFirst;
        uint8_t expectedRest;
    };
    const Case cases[] = {
        {true, 0, 0, 255, 255}, {true, 1, 0, 1, 0}, {true, 0, 128, 0, 128}, {false, 255, 255, 255, 255}};
    for (const Case& c : cases) {
        Image image = patterned(2, 1, c.alpha, c.rest);
        image.setAlphaAt(0, 0, c.first);
        Image shown = UIClipboard::visibleImage(image);
        EXPECT_EQ(c.expectedFirst, shown.pixel(0, 0).alpha());
        EXPECT_EQ(c.expectedRest, shown.pixel(1, 0).alpha());
        if (c.alpha) {
            EXPECT_EQ(c.first, image.alphaAt(0, 0)) << "the caller's image is not changed";
        }
    }
}
