#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

namespace {

// A 32-bit image whose pixel (x, y) is (x, y, x + y, alpha).
Image gradientImage(int width, int height, uint8_t alpha)
{
    Image image(width, height, true);
    for (int i = 0; i < width * height; ++i)
        image.setPixel(i % width, i / width,
                       Color(alpha, uint8_t(i % width + i / width), uint8_t(i / width), uint8_t(i % width)));
    return image;
}

std::vector<uint8_t> bytesOf(const Image& image)
{
    return std::vector<uint8_t>(image.bits(), image.bits() + image.byteSize());
}

} // namespace

TEST(Image, LayoutOfBothDepthsAndTheSizeLimits)
{
    // 24-bit rows are padded to four bytes: 5 pixels take 16 bytes.
    const Image rgb(5, 3, false), argb(5, 3, true);
    EXPECT_EQ(std::make_tuple(24, 16, 1, 48),
              std::make_tuple(rgb.bitsPerPixel(), rgb.stride(), rgb.rowPadding(), rgb.byteSize()));
    EXPECT_EQ(std::make_tuple(32, 20, 0, 60),
              std::make_tuple(argb.bitsPerPixel(), argb.stride(), argb.rowPadding(), argb.byteSize()));
    EXPECT_EQ(32 + 12, rgb.pixelAt(4, 2) - rgb.bits());
    EXPECT_EQ(9, rgb.heightBytes());

    // 30000 x 30000 x 4 bytes would not fit a 32-bit address space.
    const std::tuple<int, int> refused[] = {
        {0, 10}, {10, -1}, {Image::kMaxSide + 1, 1}, {30000, 30000}, {INT_MAX, INT_MAX}};
    for (const auto& [width, height] : refused)
        EXPECT_TRUE(Image(width, height, true).isNull()) << width << " x " << height;
    EXPECT_FALSE(Image::isSizeAllowed(0x40000001, 1, true));
    EXPECT_TRUE(Image::isSizeAllowed(Image::kMaxSide, 1, true));
    EXPECT_EQ(0, Image().byteSize());
}

TEST(Image, CopiesShareThePixelsUntilCopied)
{
    Image original = gradientImage(4, 4, 255);
    original.setPremultiplied(true); // opaque, so the pixels stay
    Image shared(original), assigned;
    assigned = original;
    // A change through any holder is seen by all: there is no copy on write.
    assigned.setPixel(1, 1, Color(0xDEADBEEF));
    EXPECT_EQ(0xDEADBEEFu, shared.pixel(1, 1).value());
    Image deep = original.copy();
    EXPECT_NE(deep.bits(), original.bits());
    EXPECT_TRUE(deep.isPremultiplied());
    EXPECT_EQ(bytesOf(original), bytesOf(deep));
    deep.setPixel(1, 1, Color(0x01020304));
    EXPECT_EQ(0xDEADBEEFu, original.pixel(1, 1).value());

    // The buffer lives as long as its last holder; self-assignment keeps it.
    original = Image();
    shared = Image();
    Image& alias = assigned;
    assigned = alias;
    EXPECT_EQ(0xDEADBEEFu, assigned.pixel(1, 1).value());
    assigned = Image(3, 2, false);
    EXPECT_EQ(12, assigned.stride()) << "reassigning takes every layout field";
    EXPECT_TRUE(Image().copy().isNull());
}

TEST(Image, FromBitsAndFromPixels)
{
    const uint8_t rgbRows[24] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                                 10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(0xFF121110u, Image(rgbRows, 3, 2, false).pixel(2, 1).value());
    // 24-bit rows are padded to 4 bytes: 3 pixels take 12 bytes, 9 used.
    const Image expanded = Image::fromPixels(rgbRows, 3, 2, false, 24);
    ASSERT_TRUE(expanded.hasAlpha());
    EXPECT_EQ(0xFF030201u, expanded.pixel(0, 0).value());
    EXPECT_EQ(0xFF121110u, expanded.pixel(2, 1).value());
    EXPECT_FALSE(expanded.containsValue(0x00EEEEEE)) << "padding is no pixel";
    EXPECT_FALSE(Image::fromPixels(rgbRows, 3, 2, false, -1).isNull()) << "-1: size unknown";

    const uint8_t argb[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(0x08070605u, Image::fromPixels(argb, 2, 1, true, 8).pixel(1, 0).value());
    // Too few bytes, nothing, no width, and a huge size refused before anything is read.
    EXPECT_TRUE(Image::fromPixels(rgbRows, 3, 2, false, 18).isNull() &&
                Image::fromPixels(argb, 2, 1, true, 7).isNull());
    EXPECT_TRUE(Image::fromPixels(nullptr, 3, 2, false, -1).isNull() &&
                Image::fromPixels(rgbRows, 0, 2, false, -1).isNull());
    EXPECT_TRUE(Image::fromPixels(argb, 0x40000001, 1, true, 4).isNull());
}

TEST(Image, PixelsFillAndAlphaQueries)
{
    Image rgb(5, 2, false);
    rgb.fill(Color(255, 1, 2, 3));
    rgb.setPixel(1, 0, Color(9, 10, 20, 30));
    EXPECT_EQ(0xFF0A141Eu, rgb.pixel(1, 0).value()) << "24-bit pixels are opaque";
    EXPECT_EQ(30, rgb.scanLine(0)[3]);
    EXPECT_EQ(0xFF010203u, rgb.pixel(4, 1).value());
    rgb.fill(Color(0, 200, 200, 200));
    EXPECT_EQ(std::vector<uint8_t>(32, 0), bytesOf(rgb)) << "alpha 0 clears every byte, padding too";
    EXPECT_TRUE(rgb.hasVisiblePixels() && !rgb.hasOnlyBinaryAlpha() && !rgb.hasPartialAlpha());

    Image argb(3, 3, true);
    argb.fill(Color());
    EXPECT_TRUE(!argb.hasVisiblePixels() && argb.hasOnlyBinaryAlpha() && !argb.hasPartialAlpha());
    argb.setAlphaAt(2, 2, 1);
    EXPECT_TRUE(argb.hasVisiblePixels() && argb.hasPartialAlpha());
    argb.setAlphaAt(2, 2, 255);
    EXPECT_TRUE(argb.hasOnlyBinaryAlpha());
    argb.fill(Color(0x80AABBCC));
    EXPECT_EQ(0x80AABBCCu, argb.pixel(Point(2, 1)).value());
    EXPECT_TRUE(argb.containsValue(0x80AABBCC) && !argb.containsValue(0xFFFFFFFF));
    EXPECT_FALSE(Image().hasVisiblePixels() || Image().containsValue(0));
}

TEST(Image, AverageColor)
{
    EXPECT_EQ(0u, Image().averageColor().value());
    Image image(2, 1, true);
    image.setPixel(0, 0, Color(0, 10, 20, 30));
    image.setPixel(1, 0, Color(255, 21, 40, 61));
    EXPECT_EQ(Color(127, 15, 30, 45), image.averageColor());
    Image rgb(3, 1, false);
    rgb.fill(Color(90, 60, 30));
    EXPECT_EQ(0xFF5A3C1Eu, rgb.averageColor().value()) << "24-bit pixels read as such";
    // 4200 x 4200 = 17.6 million pixels of 255: the sums pass the 32-bit range.
    Image large(4200, 4200, true);
    large.fill(Color(0xFFFFFFFF));
    EXPECT_EQ(0xFFFFFFFFu, large.averageColor().value());
}

TEST(Image, AlphaInRectanglesFromColoursAndMasks)
{
    Image image(4, 3, true);
    image.fill(Color(0xFF102030));
    image.setAlpha(0, Rect());
    EXPECT_FALSE(image.hasVisiblePixels()) << "an empty rectangle means all";
    image.setAlpha(200, Rect(2, 1, 10, 10));
    image.setAlpha(9, Rect(-5, -5, 6, 6));
    const int expected[12] = {9, 0, 0, 0, 0, 0, 200, 200, 0, 0, 200, 200};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(expected[i], image.alphaAt(i % 4, i / 4)) << i;
    EXPECT_EQ(0x102030u, image.pixel(3, 2).value() & 0xFFFFFF);
    // Edges far outside must not wrap around into the image.
    Image before = image.copy();
    image.setAlpha(1, Rect(INT_MAX - 1, 0, INT_MAX, 3));
    image.setAlpha(1, Rect(-INT_MAX, INT_MIN, 2, 2));
    EXPECT_EQ(bytesOf(before), bytesOf(image));

    image.fill(Color(0xFF00FF00));
    image.setPixel(1, 1, Color(0x80123456));
    image.setAlphaWhereColor(0, Color(7, 0, 255, 0));
    EXPECT_EQ(0, image.alphaAt(1, 0));
    EXPECT_EQ(0x80, image.alphaAt(1, 1));
    Image mask(4, 3, true);
    mask.fill(Color(0xFF000000));
    mask.setPixel(0, 1, Color(0x00C80000)); // red 200, alpha ignored
    image.setAlphaFromImage(mask);
    EXPECT_EQ(200, image.alphaAt(0, 1));
    EXPECT_EQ(0, image.alphaAt(1, 1));
    before = image.copy();
    image.setAlphaFromImage(Image(3, 2, true));
    EXPECT_EQ(bytesOf(before), bytesOf(image)) << "a mask of another size changes nothing";
    EXPECT_EQ(0xFFC8C8C8u, image.alphaMask().pixel(0, 1).value());
    EXPECT_EQ(0xFFFFFFFFu, Image(2, 1, false).alphaMask().pixel(1, 0).value());
    EXPECT_TRUE(Image().alphaMask().isNull());
}

TEST(Image, AlphaOperationsLeave24BitImagesAlone)
{
    // 24-bit rows have 3 bytes per pixel and padding: treating them as 4-byte
    // pixels would scramble colours and run past the rows.
    Image rgb(5, 3, false);
    rgb.fill(Color(1, 2, 3));
    const Image before = rgb.copy();
    rgb.setAlpha(0, Rect());
    rgb.setAlpha(0, Rect(1, 1, 2, 2));
    rgb.setAlphaAt(4, 2, 0);
    rgb.setAlphaWhereColor(0, Color(1, 2, 3));
    rgb.setAlphaFromImage(Image(5, 3, true));
    rgb.setPremultiplied(true);
    EXPECT_EQ(bytesOf(before), bytesOf(rgb));
    EXPECT_FALSE(rgb.isPremultiplied());
    Image argb(5, 3, true);
    argb.fill(Color(0xFF445566));
    argb.setAlphaFromImage(before);
    EXPECT_EQ(255, argb.alphaAt(4, 2)) << "nor is a 24-bit mask read as a 32-bit one";
}
