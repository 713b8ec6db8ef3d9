#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

// A 32-bit image whose pixel (x, y) is (x, y, x + y, alpha).
Image gradientImage(int width, int height, uint8_t alpha)
{
    Image image(width, height, true);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y,
                Color(alpha, static_cast<uint8_t>(x + y), static_cast<uint8_t>(y), static_cast<uint8_t>(x)));
    }
    return image;
}

std::vector<uint8_t> bytesOf(const Image& image)
{
    return std::vector<uint8_t>(image.bits(), image.bits() + image.byteSize());
}

} // namespace

TEST(Image, LayoutOfBothDepths)
{
    Image rgb(5, 3, false);
    EXPECT_EQ(rgb.bitsPerPixel(), 24);
    EXPECT_EQ(rgb.bytesPerPixel(), 3);
    EXPECT_EQ(rgb.stride(), 16);
    EXPECT_EQ(rgb.rowPadding(), 1);
    EXPECT_EQ(rgb.byteSize(), 48);
    EXPECT_EQ(rgb.pixelCount(), 15);
    EXPECT_EQ(rgb.heightBytes(), 9);
    EXPECT_FALSE(rgb.hasAlpha());

    Image argb(5, 3, true);
    EXPECT_EQ(argb.bitsPerPixel(), 32);
    EXPECT_EQ(argb.stride(), 20);
    EXPECT_EQ(argb.rowPadding(), 0);
    EXPECT_EQ(argb.byteSize(), 60);
    EXPECT_TRUE(argb.hasAlpha());
    EXPECT_FALSE(argb.isPremultiplied());
    EXPECT_EQ(argb.rect().width, 5);
    EXPECT_EQ(argb.size().height, 3);

    // Rows are stride bytes apart, top row first.
    EXPECT_EQ(rgb.scanLine(2) - rgb.bits(), 32);
    EXPECT_EQ(rgb.pixelAt(4, 1) - rgb.bits(), 16 + 12);
    EXPECT_EQ(argb.columnOffset(3) - argb.bits(), 12);
}

TEST(Image, SizesOutsideTheLimitsGiveTheEmptyImage)
{
    EXPECT_TRUE(Image().isNull());
    EXPECT_TRUE(Image(0, 10, true).isNull());
    EXPECT_TRUE(Image(10, -1, false).isNull());
    EXPECT_TRUE(Image(Image::kMaxSide + 1, 1, true).isNull());
    // 30000 x 30000 x 4 bytes would not fit a 32-bit address space.
    EXPECT_TRUE(Image(30000, 30000, true).isNull());
    EXPECT_TRUE(Image(INT_MAX, INT_MAX, true).isNull());
    EXPECT_FALSE(Image::isSizeAllowed(0x40000001, 1, true));
    EXPECT_TRUE(Image::isSizeAllowed(Image::kMaxSide, 1, true));

    Image none;
    EXPECT_EQ(none.width(), 0);
    EXPECT_EQ(none.byteSize(), 0);
    EXPECT_TRUE(Image::empty().isNull());
}

TEST(Image, CopiesShareThePixelsUntilCopied)
{
    Image original = gradientImage(4, 4, 255);
    Image shared(original);
    Image assigned;
    assigned = original;
    EXPECT_EQ(shared.bits(), original.bits());
    EXPECT_EQ(assigned.bits(), original.bits());

    // A change through any holder is seen by all: there is no copy on write.
    assigned.setPixel(1, 1, Color(0xDEADBEEF));
    EXPECT_EQ(original.pixel(1, 1).value(), 0xDEADBEEFu);
    EXPECT_EQ(shared.pixel(1, 1).value(), 0xDEADBEEFu);

    // copy() detaches.
    Image deep = original.copy();
    EXPECT_NE(deep.bits(), original.bits());
    deep.setPixel(1, 1, Color(0x01020304));
    EXPECT_EQ(original.pixel(1, 1).value(), 0xDEADBEEFu);
    EXPECT_EQ(deep.pixel(2, 3).value(), original.pixel(2, 3).value());

    // The buffer lives as long as its last holder.
    uint8_t* bits = original.bits();
    original = Image();
    shared = Image();
    EXPECT_EQ(assigned.bits(), bits);
    EXPECT_EQ(assigned.pixel(1, 1).value(), 0xDEADBEEFu);

    // Assigning to itself keeps the pixels.
    Image& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.pixel(1, 1).value(), 0xDEADBEEFu);

    // Reassigning releases the old buffer and takes all layout fields.
    Image other(3, 2, false);
    assigned = other;
    EXPECT_EQ(assigned.stride(), 12);
    EXPECT_FALSE(assigned.hasAlpha());
}

TEST(Image, CopyKeepsThePremultipliedFlag)
{
    Image image = gradientImage(3, 3, 128);
    image.setPremultiplied(true);
    Image deep = image.copy();
    EXPECT_TRUE(deep.isPremultiplied());
    EXPECT_EQ(bytesOf(deep), bytesOf(image));
    EXPECT_TRUE(Image().copy().isNull());
}

TEST(Image, FromBitsAndFromPixels)
{
    const uint8_t rgbRows[24] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                                 10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
    Image bits(rgbRows, 3, 2, false);
    EXPECT_EQ(bits.pixel(2, 1).value(), 0xFF121110u);

    // 24-bit rows are padded to 4 bytes: 3 pixels take 12 bytes, 9 used.
    Image expanded = Image::fromPixels(rgbRows, 3, 2, false, 24);
    ASSERT_FALSE(expanded.isNull());
    EXPECT_TRUE(expanded.hasAlpha());
    EXPECT_EQ(expanded.pixel(0, 0).value(), 0xFF030201u);
    EXPECT_EQ(expanded.pixel(2, 1).value(), 0xFF121110u);
    EXPECT_TRUE(expanded.hasOnlyBinaryAlpha());
    EXPECT_FALSE(expanded.containsValue(0x00EEEEEE));

    EXPECT_TRUE(Image::fromPixels(rgbRows, 3, 2, false, 18).isNull());
    EXPECT_FALSE(Image::fromPixels(rgbRows, 3, 2, false, -1).isNull());
    EXPECT_TRUE(Image::fromPixels(nullptr, 3, 2, false, -1).isNull());
    EXPECT_TRUE(Image::fromPixels(rgbRows, 0, 2, false, -1).isNull());

    const uint8_t argb[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    Image direct = Image::fromPixels(argb, 2, 1, true, 8);
    EXPECT_EQ(direct.pixel(1, 0).value(), 0x08070605u);
    EXPECT_TRUE(Image::fromPixels(argb, 2, 1, true, 7).isNull());
    // A huge declared size is refused before anything is read.
    EXPECT_TRUE(Image::fromPixels(argb, 0x40000001, 1, true, 4).isNull());
}

TEST(Image, PixelsOfBothDepths)
{
    Image rgb(2, 2, false);
    rgb.fill(Color(0, 0, 0, 0));
    rgb.setPixel(1, 0, Color(9, 10, 20, 30));
    EXPECT_EQ(rgb.pixel(1, 0).value(), 0xFF0A141Eu);
    EXPECT_EQ(rgb.scanLine(0)[3], 30);
    EXPECT_EQ(rgb.alphaAt(1, 0), 255);
    EXPECT_EQ(rgb.pixel(Point(0, 1)).value(), 0xFF000000u);

    Image argb(2, 2, true);
    argb.setPixel(Point(0, 1), Color(0x80102030));
    EXPECT_EQ(argb.pixel(0, 1).value(), 0x80102030u);
    EXPECT_EQ(argb.alphaAt(0, 1), 0x80);
    argb.setAlphaAt(0, 1, 7);
    EXPECT_EQ(argb.pixel(0, 1).value(), 0x07102030u);
}

TEST(Image, FillBothDepths)
{
    Image rgb(5, 2, false);
    rgb.fill(Color(255, 1, 2, 3));
    EXPECT_EQ(rgb.pixel(4, 1).value(), 0xFF010203u);
    // A colour of alpha 0 clears every byte, padding too: black for 24-bit.
    rgb.fill(Color(0, 200, 200, 200));
    for (uint8_t byte : bytesOf(rgb))
        EXPECT_EQ(byte, 0);

    Image argb(3, 2, true);
    argb.fill(Color(0x80AABBCC));
    EXPECT_EQ(argb.pixel(2, 1).value(), 0x80AABBCCu);
    EXPECT_FALSE(argb.hasOnlyBinaryAlpha());
    EXPECT_TRUE(argb.hasPartialAlpha());

    Image none;
    none.fill(Color(1, 2, 3));
    EXPECT_TRUE(none.isNull());
}

TEST(Image, AlphaQueries)
{
    Image clear(3, 3, true);
    clear.fill(Color());
    EXPECT_FALSE(clear.hasVisiblePixels());
    EXPECT_TRUE(clear.hasOnlyBinaryAlpha());
    EXPECT_FALSE(clear.hasPartialAlpha());
    clear.setAlphaAt(2, 2, 1);
    EXPECT_TRUE(clear.hasVisiblePixels());
    EXPECT_TRUE(clear.hasPartialAlpha());
    clear.setAlphaAt(2, 2, 255);
    EXPECT_TRUE(clear.hasOnlyBinaryAlpha());

    Image rgb(3, 3, false);
    EXPECT_TRUE(rgb.hasVisiblePixels());
    EXPECT_FALSE(rgb.hasOnlyBinaryAlpha());
    EXPECT_FALSE(rgb.hasPartialAlpha());
    EXPECT_FALSE(Image().hasVisiblePixels());
}

TEST(Image, AverageColor)
{
    EXPECT_EQ(Image().averageColor().value(), 0u);

    Image image(2, 1, true);
    image.setPixel(0, 0, Color(0, 10, 20, 30));
    image.setPixel(1, 0, Color(255, 21, 40, 61));
    EXPECT_EQ(image.averageColor().value(), Color(127, 15, 30, 45).value());

    Image rgb(3, 1, false);
    rgb.fill(Color(90, 60, 30));
    EXPECT_EQ(rgb.averageColor().value(), 0xFF5A3C1Eu);
}

TEST(Image, AverageColorOfALargeWhiteImage)
{
    // 4200 x 4200 = 17.6 million pixels of 255: the channel sums pass both the
    // signed and the unsigned 32-bit range.
    Image image(4200, 4200, true);
    ASSERT_FALSE(image.isNull());
    image.fill(Color(0xFFFFFFFF));
    EXPECT_EQ(image.averageColor().value(), 0xFFFFFFFFu);
}

TEST(Image, ContainsValue)
{
    Image image = gradientImage(3, 2, 200);
    EXPECT_TRUE(image.containsValue(Color(200, 3, 1, 2).value()));
    EXPECT_FALSE(image.containsValue(0xFFFFFFFF));
    EXPECT_FALSE(Image().containsValue(0));
}

TEST(Image, RowsAndColumnsCopyOutAndIn)
{
    Image image = gradientImage(3, 4, 255);
    std::vector<uint8_t> row(static_cast<size_t>(image.stride()));
    image.copyRowOut(2, row.data());
    EXPECT_EQ(row[4], 1); // blue of pixel 1 is x
    EXPECT_EQ(row[5], 2); // green is y
    image.copyRowIn(0, row.data());
    EXPECT_EQ(image.pixel(1, 0).value(), image.pixel(1, 2).value());

    std::vector<uint8_t> column(static_cast<size_t>(image.heightBytes()));
    image.copyColumnOut(2, column.data());
    EXPECT_EQ(column[3 * 4 + 1], 3); // pixel (2, 3): green is y
    image.copyColumnIn(0, column.data());
    EXPECT_EQ(image.pixel(0, 3).value(), image.pixel(2, 3).value());
    EXPECT_NE(image.pixel(0, 3).value(), image.pixel(1, 3).value());

    // 24-bit columns hold 3 bytes per row and skip the padding.
    Image rgb(3, 2, false);
    rgb.fill(Color(1, 2, 3));
    rgb.setPixel(2, 1, Color(7, 8, 9));
    uint8_t rgbColumn[6];
    rgb.copyColumnOut(2, rgbColumn);
    EXPECT_EQ(rgbColumn[3], 9);
    EXPECT_EQ(rgbColumn[5], 7);
}

TEST(Image, SetAlphaInRectangles)
{
    Image image(4, 3, true);
    image.fill(Color(0xFF102030));
    image.setAlpha(0, Rect());
    EXPECT_FALSE(image.hasVisiblePixels());

    image.setAlpha(200, Rect(2, 1, 10, 10));
    EXPECT_EQ(image.alphaAt(1, 1), 0);
    EXPECT_EQ(image.alphaAt(2, 0), 0);
    EXPECT_EQ(image.alphaAt(2, 1), 200);
    EXPECT_EQ(image.alphaAt(3, 2), 200);
    EXPECT_EQ(image.pixel(3, 2).value() & 0xFFFFFF, 0x102030u);

    image.setAlpha(9, Rect(-5, -5, 6, 6));
    EXPECT_EQ(image.alphaAt(0, 0), 9);
    EXPECT_EQ(image.alphaAt(1, 0), 0);

    // Edges far outside must not wrap around into the image.
    Image before = image.copy();
    image.setAlpha(1, Rect(INT_MAX - 1, 0, INT_MAX, 3));
    image.setAlpha(1, Rect(-INT_MAX, INT_MIN, 2, 2));
    EXPECT_EQ(bytesOf(image), bytesOf(before));
}

TEST(Image, AlphaFromColourAndMask)
{
    Image image(2, 2, true);
    image.fill(Color(0xFF00FF00));
    image.setPixel(1, 1, Color(0x80123456));
    image.setAlphaWhereColor(0, Color(7, 0, 255, 0));
    EXPECT_EQ(image.alphaAt(0, 0), 0);
    EXPECT_EQ(image.alphaAt(1, 0), 0);
    EXPECT_EQ(image.alphaAt(1, 1), 0x80);

    Image mask(2, 2, true);
    mask.fill(Color(0xFF000000));
    mask.setPixel(0, 1, Color(0x00C80000)); // red 200, alpha ignored
    image.setAlphaFromImage(mask);
    EXPECT_EQ(image.alphaAt(0, 1), 200);
    EXPECT_EQ(image.alphaAt(1, 1), 0);

    // A mask of another size changes nothing.
    Image before = image.copy();
    image.setAlphaFromImage(Image(3, 2, true));
    EXPECT_EQ(bytesOf(image), bytesOf(before));

    Image grey = image.alphaMask();
    ASSERT_TRUE(grey.hasAlpha());
    EXPECT_EQ(grey.pixel(0, 1).value(), 0xFFC8C8C8u);
    EXPECT_EQ(grey.pixel(1, 1).value(), 0xFF000000u);
    EXPECT_EQ(Image(2, 1, false).alphaMask().pixel(1, 0).value(), 0xFFFFFFFFu);
    EXPECT_TRUE(Image().alphaMask().isNull());
}

TEST(Image, AlphaOperationsLeave24BitImagesAlone)
{
    // 24-bit rows have 3 bytes per pixel and padding: treating them as 4-byte
    // pixels would scramble colours and run past the rows.
    Image rgb(5, 3, false);
    rgb.fill(Color(1, 2, 3));
    Image before = rgb.copy();
    rgb.setAlpha(0, Rect());
    rgb.setAlpha(0, Rect(1, 1, 2, 2));
    rgb.setAlphaAt(4, 2, 0);
    rgb.setAlphaWhereColor(0, Color(1, 2, 3));
    Image mask(5, 3, true);
    mask.fill(Color());
    rgb.setAlphaFromImage(mask);
    rgb.setPremultiplied(true);
    EXPECT_EQ(bytesOf(rgb), bytesOf(before));
    EXPECT_FALSE(rgb.isPremultiplied());

    // Nor is a 24-bit mask read as a 32-bit one.
    Image argb(5, 3, true);
    argb.fill(Color(0xFF445566));
    argb.setAlphaFromImage(before);
    EXPECT_EQ(argb.alphaAt(4, 2), 255);
}

TEST(Image, PremultiplyAndBack)
{
    Image image(4, 1, true);
    image.setPixel(0, 0, Color(128, 50, 100, 200)); // A, R, G, B
    image.setPixel(1, 0, Color(0, 50, 100, 200));
    image.setPixel(2, 0, Color(255, 50, 100, 200));
    image.setPixel(3, 0, Color(1, 255, 255, 255));
    Image shared = image;
    image.setPremultiplied(true);
    EXPECT_TRUE(image.isPremultiplied());
    EXPECT_EQ(image.pixel(0, 0).value(), Color(128, 25, 50, 100).value());
    EXPECT_EQ(image.pixel(1, 0).value(), 0u);
    EXPECT_EQ(image.pixel(2, 0).value(), Color(255, 50, 100, 200).value());
    EXPECT_EQ(image.pixel(3, 0).value(), Color(1, 1, 1, 1).value());
    // In place: the other holder sees premultiplied bytes.
    EXPECT_EQ(shared.pixel(0, 0).value(), Color(128, 25, 50, 100).value());

    // A second call with the same flag changes nothing.
    image.setPremultiplied(true);
    EXPECT_EQ(image.pixel(0, 0).value(), Color(128, 25, 50, 100).value());

    image.setPremultiplied(false);
    EXPECT_FALSE(image.isPremultiplied());
    EXPECT_EQ(image.pixel(0, 0).value(), Color(128, 49, 99, 199).value());
    EXPECT_EQ(image.pixel(3, 0).value(), Color(1, 255, 255, 255).value());
}
