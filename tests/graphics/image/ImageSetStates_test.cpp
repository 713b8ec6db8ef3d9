// The four states derived from one image, read back by pixel, and drawing a
// state aligned in a rectangle.
#include <gtest/gtest.h>

#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

namespace {

// Two pixels of the same colour, one opaque and one half transparent, and a
// fully transparent one.
Image sourceImage()
{
    Image image(3, 1, true);
    image.setPixel(0, 0, Color(255, 200, 100, 50));
    image.setPixel(1, 0, Color(128, 200, 100, 50));
    image.setPixel(2, 0, Color(0, 0, 0, 0));
    return image;
}

} // namespace

TEST(ImageSetStates, DerivedByPixels)
{
    const Image source = sourceImage();
    const ImageSet set = ImageSet::ImageSetFromImage(source);
    ASSERT_FALSE(set.isNull());
    EXPECT_FALSE(source.isPremultiplied()) << "the source stays as it was";
    EXPECT_EQ(source.pixel(0, 0), Color(255, 200, 100, 50));

    Image premultiplied = source.copy();
    premultiplied.setPremultiplied(true);
    for (int x = 0; x < 2; ++x) {
        const Color original = source.pixel(x, 0);
        const Color normal = set.image(0).pixel(x, 0);
        EXPECT_EQ(normal, premultiplied.pixel(x, 0)) << "pixel " << x;
        const Color disabled = set.image(1).pixel(x, 0), hovered = set.image(2).pixel(x, 0),
                    pressed = set.image(3).pixel(x, 0);
        EXPECT_TRUE(disabled.red() == disabled.green() && disabled.green() == disabled.blue() &&
                    disabled.alpha() == original.alpha() * 35 / 100)
            << "grey and faded, pixel " << x;
        EXPECT_TRUE(hovered.alpha() == original.alpha() && hovered.green() > normal.green() &&
                    hovered.blue() > normal.blue())
            << "lighter, pixel " << x;
        EXPECT_TRUE(pressed.alpha() == original.alpha() && pressed.green() < normal.green() &&
                    pressed.blue() < normal.blue())
            << "darker, pixel " << x;
    }
    for (int state = 0; state < ImageSet::kStateCount; ++state) {
        EXPECT_TRUE(set.image(state).isPremultiplied()) << "state " << state;
        EXPECT_EQ(set.image(state).pixel(2, 0).alpha(), 0) << "state " << state;
    }
    EXPECT_TRUE(ImageSet::ImageSetFromImage(Image()).isNull());
}

TEST(ImageSetStates, FromFile)
{
    ImageCodec::registerAll();
    testsupport::TempDir dir;
    const String path = testsupport::text(dir.file("icon.pix"));
    ASSERT_TRUE(sourceImage().save(path, true));
    const ImageSet set = ImageSet::ImageSetFromFile(path);
    EXPECT_EQ(set.width(), 3);
    EXPECT_EQ(set.image(1).pixel(0, 0).alpha(), 255 * 35 / 100);
    EXPECT_TRUE(ImageSet::ImageSetFromFile(String(u"no such file.png")).isNull());
    ImageCodec::unregisterAll();
}

TEST(ImageSetStates, DrawPlacesTheStateInTheRectangle)
{
    CurrentRecorder recorder;
    FakeTarget target;
    Painter painter(&target);
    recorder.device.log.clear();
    const ImageSet set = ImageSet::ImageSetFromImage(sourceImage());

    set.draw(painter, Rect(10, 10, 20, 20), Rect::kAlignHCenter | Rect::kAlignVCenter, 2);
    set.draw(painter, Rect(0, 0, 10, 10), Rect::kAlignRight | Rect::kAlignBottom, 3);
    set.draw(painter, Rect(0, 0, 10, 10), 0, 4);
    EXPECT_EQ((std::vector<std::string>{"part 0,0 to 18,19 3x1", "part 0,0 to 7,9 3x1"}),
              recorder.device.log);
}

// The states made from shared tone tables are the same pixels the image's
// own tone operations give, for the two colour depths and a second set made
// after the first.
TEST(ImageSetStates, SharedToneTablesMatchTheImagesOwnOperations)
{
    Image opaque(2, 2, false);
    opaque.fill(Color(30, 140, 220));
    const Image sources[] = {sourceImage(), opaque, sourceImage()};
    for (const Image& source : sources) {
        const ImageSet set = ImageSet::ImageSetFromImage(source);
        Image hovered = source.copy();
        hovered.applyGamma(1.15f);
        hovered.setPremultiplied(true);
        Image pressed = source.copy();
        pressed.applyGamma(0.9f);
        pressed.setPremultiplied(true);
        Image disabled = source.copy();
        disabled.toGray();
        disabled.adjustBrightnessContrast(0, -20);
        for (int y = 0; y < source.height() && source.hasAlpha(); ++y) {
            for (int x = 0; x < source.width(); ++x)
                disabled.setAlphaAt(x, y, uint8_t(disabled.alphaAt(x, y) * 35 / 100));
        }
        disabled.setPremultiplied(true);
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                EXPECT_EQ(set.image(2).pixel(x, y), hovered.pixel(x, y)) << x << "," << y;
                EXPECT_EQ(set.image(3).pixel(x, y), pressed.pixel(x, y)) << x << "," << y;
                EXPECT_EQ(set.image(1).pixel(x, y), disabled.pixel(x, y)) << x << "," << y;
            }
        }
    }
}
