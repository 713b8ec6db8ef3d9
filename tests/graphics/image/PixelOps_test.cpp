#include "graphics/image/PixelOps.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(PixelOps, BlendPixelComposesStraightAlpha)
{
    // An opaque source replaces the destination.
    EXPECT_EQ(0xFF102030u, blendPixel(0xFFC8C8C8u, 0xFF102030u));
    // A transparent source over an opaque destination keeps it within one
    // step: 200 over 0 gives 199.
    EXPECT_EQ(0xFFC7C7C7u, blendPixel(0xFFC8C8C8u, 0x00000000u));
    // Over a transparent destination the source comes through unchanged.
    EXPECT_EQ(0x40123456u, blendPixel(0x00FFFFFFu, 0x40123456u));
    // Half over opaque: alpha stays opaque and the colour lies between.
    const uint32_t half = blendPixel(0xFF000000u, 0x80FF0000u);
    EXPECT_EQ(0xFFu, half >> 24);
    EXPECT_NEAR(0x80, static_cast<int>((half >> 16) & 0xFF), 2);
    EXPECT_EQ(0u, half & 0xFFFF);
}

TEST(PixelOps, MixAndClampChannels)
{
    EXPECT_EQ(255, mixChannel(0, 255));
    EXPECT_EQ(0, mixChannel(0, 0));
    // A black source keeps the destination, less the rounding of >> 8.
    EXPECT_EQ(199, mixChannel(200, 0));
    EXPECT_EQ(0, clampToByte(-5));
    EXPECT_EQ(255, clampToByte(300));
    EXPECT_EQ(17, clampToByte(17));
}

TEST(PixelOps, PremultiplyRoundTrips)
{
    PixelRows pixel(1, 1, 4);
    pixel.set(0, 0, 50, 100, 200, 128);
    premultiplyPixels(pixel.view());
    EXPECT_EQ(25, pixel.byteAt(0, 0, 0));
    EXPECT_EQ(50, pixel.byteAt(0, 0, 1));
    EXPECT_EQ(100, pixel.byteAt(0, 0, 2));
    EXPECT_EQ(128, pixel.byteAt(0, 0, 3));

    // Every colour value at a range of alphas: opaque pixels are untouched,
    // transparent ones become 0, others come back within the precision that
    // alpha leaves them.
    const int alphas[] = {0, 1, 2, 17, 64, 128, 200, 254, 255};
    for (int a : alphas) {
        PixelRows row(256, 1, 4);
        for (int c = 0; c < 256; ++c)
            row.set(c, 0, static_cast<uint8_t>(c), static_cast<uint8_t>(255 - c), static_cast<uint8_t>(c),
                    static_cast<uint8_t>(a));
        premultiplyPixels(row.view());
        for (int c = 0; c < 256; ++c)
            ASSERT_LE(row.byteAt(c, 0, 0), a) << "premultiplied colour above alpha " << a;
        unpremultiplyPixels(row.view());
        for (int c = 0; c < 256; ++c) {
            ASSERT_EQ(a, row.byteAt(c, 0, 3));
            if (a == 0) {
                ASSERT_EQ(0, row.byteAt(c, 0, 0));
                continue;
            }
            const double bound = 1 + c / 256.0 + 128.0 / a;
            ASSERT_LE(std::abs(row.byteAt(c, 0, 0) - c), bound) << "alpha " << a << " colour " << c;
            if (a == 255) {
                ASSERT_EQ(c, row.byteAt(c, 0, 0));
            }
        }
    }

    // Colour above alpha is not valid premultiplied data; it saturates.
    PixelRows bad(1, 1, 4);
    bad.set(0, 0, 200, 10, 0, 100);
    unpremultiplyPixels(bad.view());
    EXPECT_EQ(255, bad.byteAt(0, 0, 0));
    EXPECT_EQ(25, bad.byteAt(0, 0, 1));
}

TEST(PixelOps, ToneTables)
{
    uint8_t table[256];
    makeBrightnessContrastTable(0, 0, table);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(i, table[i]);
    makeBrightnessContrastTable(30, 0, table);
    EXPECT_EQ(30, table[0]);
    EXPECT_EQ(255, table[240]);
    // Contrast -20: (i - 128) * 0.8 + 128.5.
    makeBrightnessContrastTable(0, -20, table);
    EXPECT_EQ(26, table[0]);
    EXPECT_EQ(128, table[128]);
    EXPECT_EQ(230, table[255]);
    // Extreme arguments saturate instead of overflowing.
    makeBrightnessContrastTable(0, 2147483647, table);
    EXPECT_EQ(0, table[0]);
    EXPECT_EQ(255, table[255]);

    ASSERT_TRUE(makeGammaTable(1.0f, table));
    for (int i = 0; i < 256; ++i)
        ASSERT_NEAR(i, table[i], 1);
    // Gamma 1.15 brightens, 0.9 darkens, both fixing 0 and (nearly) 255.
    ASSERT_TRUE(makeGammaTable(1.15f, table));
    for (int i = 1; i < 256; ++i)
        ASSERT_NEAR(255 * std::pow(i / 255.0, 1 / 1.15), table[i], 1.01) << i;
    EXPECT_EQ(0, table[0]);
    EXPECT_GT(table[128], 128);
    ASSERT_TRUE(makeGammaTable(0.9f, table));
    EXPECT_LT(table[128], 128);

    table[7] = 99;
    EXPECT_FALSE(makeGammaTable(0.0f, table));
    EXPECT_FALSE(makeGammaTable(-1.0f, table));
    EXPECT_FALSE(makeGammaTable(std::nanf(""), table));
    EXPECT_EQ(99, table[7]);
}

TEST(PixelOps, TablesGrayAndInvertRespectDepth)
{
    uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<uint8_t>(i / 2);

    PixelRows rgba(2, 1, 4);
    rgba.set(0, 0, 100, 50, 10, 200);
    applyTablePixels(rgba.view(), table);
    EXPECT_EQ(50, rgba.byteAt(0, 0, 0));
    EXPECT_EQ(5, rgba.byteAt(0, 0, 2));
    EXPECT_EQ(200, rgba.byteAt(0, 0, 3)) << "alpha is not a tone";

    // 24-bit rows: 3 pixels use 9 of 12 bytes; the table maps the padding too.
    PixelRows rgb(3, 2, 3);
    rgb.view().row(0)[9] = 80;
    applyTablePixels(rgb.view(), table);
    EXPECT_EQ(40, rgb.view().row(0)[9]);

    uint8_t red[256], green[256], blue[256], alpha[256];
    for (int i = 0; i < 256; ++i) {
        red[i] = 1;
        green[i] = 2;
        blue[i] = 3;
        alpha[i] = 4;
    }
    PixelRows channels(1, 1, 4);
    applyChannelTablesPixels(channels.view(), red, green, blue, nullptr);
    EXPECT_EQ(3, channels.byteAt(0, 0, 0));
    EXPECT_EQ(2, channels.byteAt(0, 0, 1));
    EXPECT_EQ(1, channels.byteAt(0, 0, 2));
    EXPECT_EQ(0, channels.byteAt(0, 0, 3));
    applyChannelTablesPixels(channels.view(), red, green, blue, alpha);
    EXPECT_EQ(4, channels.byteAt(0, 0, 3));
    PixelRows padded(1, 1, 3, 9);
    applyChannelTablesPixels(padded.view(), red, green, blue, alpha);
    EXPECT_EQ(9, padded.view().row(0)[3]) << "24-bit padding is skipped";

    PixelRows gray(3, 1, 4);
    gray.set(0, 0, 255, 255, 255, 7);
    gray.set(1, 0, 0, 255, 0);
    gray.set(2, 0, 0, 0, 255);
    grayPixels(gray.view());
    EXPECT_EQ(255, gray.byteAt(0, 0, 1));
    EXPECT_EQ(7, gray.byteAt(0, 0, 3));
    EXPECT_EQ((601 * 255) >> 10, gray.byteAt(1, 0, 0));
    EXPECT_EQ((306 * 255) >> 10, gray.byteAt(2, 0, 2));

    PixelRows inverted(1, 1, 4);
    inverted.set(0, 0, 0, 10, 255, 33);
    invertPixels(inverted.view());
    EXPECT_EQ(255, inverted.byteAt(0, 0, 0));
    EXPECT_EQ(245, inverted.byteAt(0, 0, 1));
    EXPECT_EQ(0, inverted.byteAt(0, 0, 2));
    EXPECT_EQ(33, inverted.byteAt(0, 0, 3));
}

TEST(PixelOps, FlipTurnAndCopy)
{
    // 3 x 2, pixel value 10 * y + x in every byte.
    PixelRows source(3, 2, 4);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            source.set(x, y, static_cast<uint8_t>(10 * y + x), 1, 2, 3);
    }
    PixelRows flipped(3, 2, 4);
    flipPixels(source.view(), flipped.view(), true, false);
    EXPECT_EQ(2, flipped.byteAt(0, 0, 0));
    EXPECT_EQ(0, flipped.byteAt(2, 0, 0));
    EXPECT_EQ(3, flipped.byteAt(0, 0, 3)) << "pixel bytes keep their order";
    flipPixels(source.view(), flipped.view(), false, true);
    EXPECT_EQ(10, flipped.byteAt(0, 0, 0));
    flipPixels(source.view(), flipped.view(), true, true);
    EXPECT_EQ(12, flipped.byteAt(0, 0, 0));
    EXPECT_EQ(0, flipped.byteAt(2, 1, 0));

    // Clockwise: (x, y) goes to (height - 1 - y, x).
    PixelRows turned(2, 3, 4);
    rotate90Pixels(source.view(), turned.view());
    EXPECT_EQ(10, turned.byteAt(0, 0, 0));
    EXPECT_EQ(0, turned.byteAt(1, 0, 0));
    EXPECT_EQ(12, turned.byteAt(0, 2, 0));
    EXPECT_EQ(2, turned.byteAt(1, 2, 0));

    PixelRows part(2, 1, 4);
    copyPixels(source.view(), 1, 1, part.view());
    EXPECT_EQ(11, part.byteAt(0, 0, 0));
    EXPECT_EQ(12, part.byteAt(1, 0, 0));
}

TEST(PixelOps, BlendingClipsToTheOverlap)
{
    PixelRows target(4, 4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            target.set(x, y, 0, 0, 0, 255);
    }
    PixelRows source(3, 3, 4);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            source.set(x, y, static_cast<uint8_t>(10 * y + x), 0, 0, 255);
    }
    blendPixels(target.view(), source.view(), -1, 2);
    // Source (1, 0) lands on (0, 2); the rest of the overlap follows.
    EXPECT_EQ(1, target.byteAt(0, 2, 0));
    EXPECT_EQ(2, target.byteAt(1, 2, 0));
    EXPECT_EQ(12, target.byteAt(1, 3, 0));
    EXPECT_EQ(0, target.byteAt(2, 2, 0));
    EXPECT_EQ(0, target.byteAt(0, 1, 0));

    // Positions whose sums overflow 32 bits touch nothing.
    blendPixels(target.view(), source.view(), 2147483647, 2147483647);
    blendPixels(target.view(), source.view(), -2147483647 - 1, 0);
    EXPECT_EQ(0, target.byteAt(3, 3, 1));
}
