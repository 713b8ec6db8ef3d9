#include "foundation/text/String.h"
#include "graphics/codecs/GdiplusCodec.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <tuple>

// Our writer's files must decode, pixel for pixel, in the system's own PNG
// decoder and, the same, through the PNG codec, which reads them itself.
TEST(PngWriter, SystemDecoderReadsBackEveryPixel)
{
    ImageCodec::registerAll();
    // Width, height, premultiplied; 200 x 100 takes more than one stored deflate block.
    const std::tuple<int, int, bool> rows[] = {
        {1, 1, false}, {7, 3, false}, {200, 100, false}, {33, 17, true}};
    for (const auto& [width, height, premultiplied] : rows) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        Image source(width, height, true);
        for (int i = 0; i < width * height; ++i) {
            const int x = i % width, y = i / width;
            source.setPixel(
                x, y,
                Color(uint8_t(255 - (x * 7 + y) % 200), uint8_t(x * 13), uint8_t(y * 29), uint8_t(x ^ y)));
        }
        source.setPremultiplied(premultiplied);
        Image straight = source.copy();
        straight.setPremultiplied(false);
        const ByteArray bytes = PngWriter::encode(source);
        const Image decoded = Image::fromData(bytes.data(), bytes.size(), String(u"png"));
        const Image system = GdiplusCodec::gdiplusLoadFromMemory(bytes.data(), bytes.size());
        ASSERT_EQ(Size(width, height), decoded.size());
        ASSERT_EQ(Size(width, height), system.size());
        EXPECT_EQ(decoded.hasAlpha(), system.hasAlpha());
        EXPECT_EQ(decoded.isPremultiplied(), system.isPremultiplied());
        for (int i = 0; i < width * height; ++i) {
            ASSERT_EQ(straight.pixel(i % width, i / width).value(),
                      decoded.pixel(i % width, i / width).value())
                << i;
            ASSERT_EQ(straight.pixel(i % width, i / width).value(), system.pixel(i % width, i / width).value())
                << i;
        }
    }
    EXPECT_TRUE(PngWriter::encode(Image()).isEmpty());
    ImageCodec::unregisterAll();
}
