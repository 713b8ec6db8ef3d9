#include "foundation/text/String.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"

#include <gtest/gtest.h>

// Our writer's files must decode, pixel for pixel, in the system's own PNG
// decoder: that is what reads the skins and card pictures at run time.
TEST(PngWriter, SystemDecoderReadsBackEveryPixel)
{
    ImageCodec::registerAll();
    struct Row
    {
        int width, height;
        bool premultiplied;
    } rows[] = {
        {1, 1, false},
        {7, 3, false},
        {200, 100, false}, // more than one stored deflate block
        {33, 17, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height);
        Image source(row.width, row.height, true);
        for (int y = 0; y < row.height; ++y)
            for (int x = 0; x < row.width; ++x)
                source.setPixel(x, y,
                                Color(uint8_t(255 - (x * 7 + y) % 200), uint8_t(x * 13), uint8_t(y * 29),
                                      uint8_t(x ^ y)));
        if (row.premultiplied)
            source.setPremultiplied(true);
        Image straight = source.copy();
        straight.setPremultiplied(false);

        ByteArray bytes = PngWriter::encode(source);
        Image decoded = Image::fromData(bytes.data(), bytes.size(), String(u"png"));
        ASSERT_FALSE(decoded.isNull());
        ASSERT_EQ(decoded.width(), row.width);
        ASSERT_EQ(decoded.height(), row.height);
        for (int y = 0; y < row.height; ++y)
            for (int x = 0; x < row.width; ++x)
                ASSERT_EQ(decoded.pixel(x, y).value(), straight.pixel(x, y).value()) << x << "," << y;
    }
    EXPECT_TRUE(PngWriter::encode(Image()).isEmpty());
    ImageCodec::unregisterAll();
}
