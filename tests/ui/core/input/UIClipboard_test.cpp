#include "ui/core/input/UIClipboard.h"

#include "tests/support/TestText.h"
#include "ui/core/application/UIApplication.h"

#include <gtest/gtest.h>

#include <tuple>

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
        text +=
            std::to_string(alpha < 0 ? colour.value() : (colour.value() & 0xFFFFFF) | uint32_t(alpha) << 24) +
            " ";
    }
    return text + std::to_string(image.width()) + "x" + std::to_string(image.height());
}

} // namespace

TEST(UIClipboard, TextsAndImagesRoundTripAndEmptyValuesLeaveTheClipboardAlone)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    // The text or else the image set; the format then available, the text read
    // and the alpha of the image read (-1: the null image).
    const std::tuple<const char16_t*, Image, int, const char*, int> steps[] = {
        {u"Heat (1995)", Image(), UIClipboard::kText, "Heat (1995)", -1},
        {u"", Image(), UIClipboard::kText, "Heat (1995)", -1},
        {nullptr, patterned(3, true, 200), UIClipboard::kImage, "", 200},
        {nullptr, Image(), UIClipboard::kImage, "", 200},
        {nullptr, patterned(3, false, 255), UIClipboard::kImage, "", 255},
        {nullptr, patterned(2, true, 0), UIClipboard::kImage, "", 255}, // no visible pixel: made opaque
        {u"Ronin", Image(), UIClipboard::kText, "Ronin", -1},
    };
    Image lastImage;
    for (const auto& [setText, setImage, format, text, alpha] : steps) {
        if (setText)
            clipboard->setText(setText);
        else
            clipboard->setImage(setImage);
        lastImage = setImage.isNull() ? lastImage : setImage;
        EXPECT_EQ(format, UIClipboard::availableFormat()) << text;
        EXPECT_EQ(text, testsupport::utf8(clipboard->text()));
        EXPECT_EQ(alpha < 0 ? "0x0" : pixelsOf(lastImage, alpha), pixelsOf(clipboard->image())) << alpha;
    }
}
