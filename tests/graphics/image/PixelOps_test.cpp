#include "graphics/image/PixelOps.h"
#include "tests/graphics/image/PixelRows.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PixelOps, ToneTablesSaturateAndRefuseNonsense)
{
    uint8_t table[256];
    makeBrightnessContrastTable(0, -20, table); // (i - 128) * 0.8 + 128.5
    EXPECT_EQ(26, table[0]);
    EXPECT_EQ(128, table[128]);
    EXPECT_EQ(230, table[255]);
    makeBrightnessContrastTable(30, 0, table);
    EXPECT_EQ(30, table[0]);
    EXPECT_EQ(255, table[240]);
    makeBrightnessContrastTable(0, 2147483647, table); // saturates instead of overflowing
    EXPECT_EQ(0, table[0]);
    EXPECT_EQ(255, table[255]);
    ASSERT_TRUE(makeGammaTable(1.15f, table));
    for (int i = 0; i < 256; ++i)
        ASSERT_NEAR(255 * std::pow(i / 255.0, 1 / 1.15), table[i], 1.01) << i;
    table[7] = 99;
    EXPECT_FALSE(makeGammaTable(0.0f, table) || makeGammaTable(-1.0f, table) ||
                 makeGammaTable(std::nanf(""), table));
    EXPECT_EQ(99, table[7]) << "a refused gamma leaves the table";
}

TEST(PixelOps, TablesRespectDepthAndPadding)
{
    uint8_t half[256], one[256], two[256], three[256];
    for (int i = 0; i < 256; ++i) {
        half[i] = uint8_t(i / 2);
        one[i] = 1, two[i] = 2, three[i] = 3;
    }
    PixelRows rgba(1, 1, 4), rgb(3, 2, 3), channels(1, 1, 4), padded(1, 1, 3, 9);
    rgba.set(0, 0, 100, 50, 10, 200);
    applyTablePixels(rgba.view(), half);
    EXPECT_EQ(0xC8051932u, *reinterpret_cast<uint32_t*>(rgba.at(0, 0))) << "alpha is not a tone";
    rgb.view().row(0)[9] = 80;
    applyTablePixels(rgb.view(), half);
    EXPECT_EQ(40, rgb.view().row(0)[9]) << "a whole-pixel table maps 24-bit padding too";
    applyChannelTablesPixels(channels.view(), one, two, three, nullptr);
    EXPECT_EQ(0x00010203u, *reinterpret_cast<uint32_t*>(channels.at(0, 0)));
    applyChannelTablesPixels(padded.view(), one, two, three, half);
    EXPECT_EQ(9, padded.view().row(0)[3]) << "channel tables skip 24-bit padding";
}

TEST(PixelOps, BlendingClipsToTheOverlap)
{
    PixelRows target(4, 4, 4), source(3, 3, 4);
    for (int i = 0; i < 16; ++i)
        target.set(i % 4, i / 4, 0, 0, 0, 255);
    for (int i = 0; i < 9; ++i)
        source.set(i % 3, i / 3, uint8_t(10 * (i / 3) + i % 3), 0, 0, 255);
    blendPixels(target.view(), source.view(), -1, 2);
    const int blue[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 11, 12, 0, 0};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(blue[i], target.byteAt(i % 4, i / 4, 0)) << i;
    // Positions whose sums overflow 32 bits touch nothing.
    blendPixels(target.view(), source.view(), 2147483647, 2147483647);
    blendPixels(target.view(), source.view(), -2147483647 - 1, 0);
    EXPECT_EQ(0, target.byteAt(3, 3, 1));
}
