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

TEST(PixelOps, TablesRespectDepthAndPadding)
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
