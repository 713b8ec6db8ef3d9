#include "ui/core/input/UIClipboard.h"

#include "tests/support/TestText.h"
#include "ui/core/application/UIApplication.h"

#include <gtest/gtest.h>

namespace {

Image patterned(int width, bool alpha, uint8_t alphaValue)
{
    Image image(width, 2, alpha);
    for (int i = 0; i < width * 2; ++i)
        image.setPixel(i % width, i / width, Color(alphaValue, uint8_t(40 * i), 60, uint8_t(7 + i)));
    return image;
}

// The colours of every pixel with the alpha given, then the size.
std::string pixelsOf(const Image& image, int alpha = -1)
{
    std::string text;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        Color colour = image.pixel(i % image.width(), i / image.width());
        if (alpha >= 0)
            colour.setAlpha(uint8_t(alpha));
        text += std::to_string(colour.value()) + " ";
    }
    return text + std::to_string(image.width()) + "x" + std::to_string(image.height());
}

} // namespace

TEST(UIClipboard, TextsAndImagesRoundTripAndEmptyValuesLeaveTheClipboardAlone)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    struct Step
    {
        const char16_t* setText; // null: set the image instead
        Image setImage;
        int format;
        const char* text;
        int alpha; // of the image read back; -1 for the null image
    };
    const Step steps[] = {
        {u"Heat (1995)", Image(), UIClipboard::kText, "Heat (1995)", -1},
        {u"", Image(), UIClipboard::kText, "Heat (1995)", -1},
        {nullptr, patterned(3, true, 200), UIClipboard::kImage, "", 200},
        {nullptr, Image(), UIClipboard::kImage, "", 200},
        {nullptr, patterned(3, false, 255), UIClipboard::kImage, "", 255},
        {nullptr, patterned(2, true, 0), UIClipboard::kImage, "", 255}, // no visible pixel: made opaque
        {u"Ronin", Image(), UIClipboard::kText, "Ronin", -1},
    };
    Image lastImage;
    for (const Step& step : steps) {
        if (step.setText)
            clipboard->setText(step.setText);
        else
            clipboard->setImage(step.setImage);
        lastImage = step.setImage.isNull() ? lastImage : step.setImage;
        EXPECT_EQ(step.format, UIClipboard::availableFormat()) << step.text;
        EXPECT_EQ(step.text, testsupport::utf8(clipboard->text()));
        Image back = clipboard->image();
        EXPECT_EQ(step.alpha < 0 ? "0x0" : pixelsOf(lastImage, step.alpha), pixelsOf(back)) << step.alpha;
    }
}
