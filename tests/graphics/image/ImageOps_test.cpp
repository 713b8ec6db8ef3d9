#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <tuple>

namespace {

// Every pixel different: blue from x, green from y, red from both.
Image numbered(int width, int height, bool hasAlpha, uint8_t alpha = 255)
{
    Image image(width, height, hasAlpha);
    for (int i = 0; i < width * height; ++i) {
        const int x = i % width, y = i / width;
        image.setPixel(x, y, Color(alpha, uint8_t(x * 3 + y * 5), uint8_t(y * 10), uint8_t(x * 10)));
    }
    return image;
}

Image flat(int width, int height, bool hasAlpha, const Color& color)
{
    Image image(width, height, hasAlpha);
    image.fill(color);
    return image;
}

::testing::AssertionResult samePixels(const Image& a, const Image& b)
{
    if (a.size() != b.size() || a.hasAlpha() != b.hasAlpha())
        return ::testing::AssertionFailure() << "different sizes or depths";
    for (int i = 0; i < a.width() * a.height(); ++i) {
        if (a.pixel(i % a.width(), i / a.width()) != b.pixel(i % a.width(), i / a.width()))
            return ::testing::AssertionFailure() << "pixel " << i % a.width() << "," << i / a.width();
    }
    return ::testing::AssertionSuccess();
}

const int kKinds[] = {Image::kNearest, Image::kBox, Image::kCubic, Image::kCatmullRom, Image::kLanczos};

} // namespace

TEST(ImageScaling, EveryFilterKeepsDepthAndFlagAndRefusesBadSizes)
{
    Image premultiplied = numbered(100, 50, true, 128);
    premultiplied.setPremultiplied(true);
    const Image same = premultiplied.scaled(100, 50, Image::kCatmullRom);
    EXPECT_NE(premultiplied.bits(), same.bits()) << "a deep copy, not a shared buffer";
    EXPECT_TRUE(samePixels(premultiplied, same));
    for (int kind : kKinds) {
        const Image rgb = numbered(7, 5, false).scaled(3, 9, kind);
        EXPECT_EQ(std::make_tuple(24, 12), std::make_tuple(rgb.bitsPerPixel(), rgb.stride())) << kind;
        // Scaled premultiplied pixels are premultiplied: the flag must say so,
        // or drawing would premultiply them a second time.
        EXPECT_TRUE(premultiplied.scaled(11, 2, kind).isPremultiplied()) << kind;
    }
    // Bad sizes and kinds, and targets beyond what a 32-bit process can hold.
    const std::tuple<int, int, int> refused[] = {
        {0, 10, Image::kBox}, {10, -3, Image::kBox},    {10, 10, 5},
        {10, 10, -1},         {40000, 10, Image::kBox}, {20000, 20000, Image::kNearest}};
    for (const auto& [width, height, kind] : refused)
        EXPECT_TRUE(same.scaled(width, height, kind).isNull())
            << width << " x " << height << " kind " << kind;
    EXPECT_TRUE(Image().scaled(10, 10, Image::kBox).isNull());
}

TEST(ImageScaling, ThumbnailsFitTheirBox)
{
    const std::tuple<int, int, Size> fits[] = {{148, 198, Size(148, 198)},
                                               {10, 10, Size(10, 10)}, // never enlarged
                                               {300, 300, Size(148, 148)},
                                               {1000, 1500, Size(132, 198)},
                                               // extreme shapes still give at least one pixel each way
                                               {30000, 10, Size(148, 1)},
                                               {10, 30000, Size(1, 198)}};
    for (const auto& [width, height, size] : fits)
        EXPECT_EQ(size, numbered(width, height, true).scaledToFit(148, 198, Image::kCatmullRom).size())
            << width << " x " << height;
    const Image wide = numbered(100, 50, true);
    EXPECT_TRUE(wide.scaledToFit(0, 198, Image::kCatmullRom).isNull() &&
                wide.scaledToFit(148, -1, Image::kCatmullRom).isNull());
    EXPECT_EQ(Size(30, 15), wide.scaledToWidth(30, Image::kBox).size());
    EXPECT_EQ(Size(50, 25), wide.scaledToHeight(25, Image::kBox).size());
    EXPECT_TRUE(numbered(1000, 1, true).scaledToWidth(1, Image::kBox).isNull()) << "rounds to no height";

    // A flat cover stays exactly its colour, alpha included.
    const Color cover(255, 40, 120, 220);
    const Image thumbnail = flat(1000, 1500, true, cover).scaledToFit(148, 198, Image::kCatmullRom);
    for (int i = 0; i < 132 * 198; i += 37)
        ASSERT_EQ(cover, thumbnail.pixel(i % 132, i / 132)) << i;
}

TEST(ImageGeometry, CropsOnlyWhatLiesInside)
{
    Image source = numbered(10, 8, true, 90);
    source.setPremultiplied(true);
    const Image part = source.cropped(Rect(2, 3, 4, 2));
    ASSERT_EQ(Size(4, 2), part.size());
    EXPECT_EQ(source.pixel(5, 4), part.pixel(3, 1));
    EXPECT_TRUE(part.isPremultiplied());
    EXPECT_TRUE(samePixels(source, source.cropped(source.rect())));
    EXPECT_TRUE(numbered(10, 8, false).cropped(Rect(0, 0, 2, 2)).isNull()) << "24-bit";
    // Sums that wrap around in 32 bits must not pass as inside.
    for (const Rect& outside : {Rect(-1, 0, 2, 2), Rect(0, 0, 0, 2), Rect(7, 0, 4, 2), Rect(0, 7, 2, 2),
                                Rect(INT_MAX, 0, 10, 1), Rect(5, 0, INT_MAX, 1)})
        EXPECT_TRUE(source.cropped(outside).isNull())
            << outside.x << "," << outside.y << " " << outside.width;
}

TEST(ImageGeometry, FlipsTurnsAndStacks)
{
    Image pair(2, 1, true);
    pair.setPixel(0, 0, Color(255, 0, 0));
    EXPECT_EQ(Color(255, 0, 0), pair.rotated(90, Color()).pixel(0, 0)) << "the left pixel goes to the top";
    Image source = numbered(5, 3, true, 200);
    source.setPremultiplied(true);
    EXPECT_TRUE(source.rotated180().isPremultiplied() &&
                samePixels(source.rotated180(), source.rotated(180, Color())));
    EXPECT_EQ(source.pixel(4, 0), source.flipped(true, false).pixel(0, 0));
    EXPECT_EQ(source.pixel(0, 2), source.flipped(false, true).pixel(0, 0));
    // Whole turns by angle land exactly on the source pixels at both depths
    // (a 24-bit image is turned, not handed back unturned).
    for (const Image& image : {source, numbered(5, 3, false)}) {
        const Image turned = image.rotated(90, Color());
        ASSERT_EQ(Size(3, 5), turned.size());
        EXPECT_EQ(image.pixel(0, 2), turned.pixel(0, 0));
        const Image half = image.rotated(180, Color());
        for (int i = 0; i < 15; ++i)
            ASSERT_EQ(image.pixel(4 - i % 5, 2 - i / 5), half.pixel(i % 5, i / 5)) << i;
        EXPECT_TRUE(samePixels(turned.rotated90().rotated90(), image.rotated(-90, Color())));
        EXPECT_TRUE(samePixels(image, image.rotated(360, Color()))) << image.hasAlpha();
    }
    const Image tilted = flat(10, 10, true, Color(255, 9, 9, 9)).rotated(45, Color(0x11223344u));
    ASSERT_EQ(Size(14, 14), tilted.size());
    EXPECT_EQ(Color(0x11223344u), tilted.pixel(0, 0));
    EXPECT_EQ(Color(255, 9, 9, 9), tilted.pixel(7, 7));
    EXPECT_TRUE(source.rotated(std::nanf(""), Color()).isNull() && Image().rotated90().isNull());

    const Image top = numbered(3, 2, true), both = top.stackedWith(flat(3, 1, true, Color(1, 2, 3)), 1);
    ASSERT_EQ(Size(3, 3), both.size());
    EXPECT_EQ(top.pixel(2, 1), both.pixel(2, 1));
    EXPECT_EQ(Color(1, 2, 3), both.pixel(2, 2));
    // Other widths, depths or alpha forms cannot share one image.
    for (const Image& other :
         {numbered(4, 1, true), numbered(3, 1, false), source.cropped(Rect(0, 0, 3, 1)), Image()})
        EXPECT_TRUE(top.stackedWith(other, 1).isNull()) << other.width();
    EXPECT_TRUE(top.stackedWith(top, 0).isNull() && top.stackedWith(top, 2).isNull());
}

TEST(ImageGeometry, MagnifiesAroundAPixel)
{
    const Image source = numbered(3, 3, true);
    Point grid(-1, -1);
    Rect cell;
    const Image big = source.magnified(Point(1, 1), Size(9, 9), 3, Color(), &grid, &cell);
    for (int i = 0; i < 81; ++i)
        ASSERT_EQ(source.pixel(i % 9 / 3, i / 27), big.pixel(i % 9, i / 9)) << i;
    EXPECT_EQ(Point(0, 0), grid);
    EXPECT_EQ(Rect(3, 3, 3, 3), cell);
    // At the corner, with a zoom that does not divide the output: the centre
    // cell starts at 7 / 2 - 4 / 2 = 1, so the grid is offset by 1.
    const Color fill(0x80ABCDEFu);
    const Image corner = source.magnified(Point(0, 0), Size(7, 7), 4, fill, &grid, &cell);
    EXPECT_EQ(Point(1, 1), grid);
    EXPECT_EQ(Rect(1, 1, 4, 4), cell);
    EXPECT_EQ(fill, corner.pixel(0, 3));
    EXPECT_EQ(source.pixel(0, 0), corner.pixel(4, 4));
    EXPECT_EQ(source.pixel(1, 1), corner.pixel(5, 6));
    EXPECT_EQ(fill, source.magnified(Point(INT_MAX, INT_MIN), Size(5, 5), 7, fill).pixel(4, 4));
    EXPECT_TRUE(source.magnified(Point(1, 1), Size(9, 9), 0, fill).isNull());
    EXPECT_TRUE(source.magnified(Point(1, 1), Size(0, 9), 2, fill).isNull());
}

TEST(ImageCompositing, DrawsInPlaceOnlyWhereTheBlendIsMadeFor)
{
    Image canvas = flat(4, 4, true, Color(200, 200, 200));
    const Image sameBuffer = canvas;
    Image stamp = flat(2, 2, true, Color(255, 0, 0));
    stamp.setPixel(0, 0, Color(0, 0, 0, 0));
    canvas.drawImage(stamp, Point(2, 2));
    canvas.drawImage(stamp, Point(-1, -1));
    EXPECT_EQ(Color(199, 199, 199), sameBuffer.pixel(2, 2)) << "a transparent pixel leaves nearly all";
    EXPECT_EQ(Color(255, 0, 0), sameBuffer.pixel(3, 2));
    EXPECT_EQ(Color(255, 0, 0), sameBuffer.pixel(0, 0));
    EXPECT_EQ(Color(200, 200, 200), sameBuffer.pixel(1, 1));
    // 24-bit targets and premultiplied stamps change nothing.
    Image rgb = flat(4, 4, false, Color(200, 200, 200)), premultiplied = stamp.copy(),
          untouched = flat(2, 2, true, Color(7, 7, 7));
    rgb.drawImage(stamp, Point(0, 0));
    premultiplied.setPremultiplied(true);
    untouched.drawImage(premultiplied, Point(0, 0));
    EXPECT_EQ(Color(200, 200, 200), rgb.pixel(1, 0));
    EXPECT_EQ(Color(7, 7, 7), untouched.pixel(1, 1));
}

TEST(ImageTones, InPlaceForEveryHolder)
{
    Image image = flat(3, 2, true, Color(99, 128, 128, 128));
    const Image sameBuffer = image;
    image.applyGamma(1.15f);
    const int brighter = sameBuffer.pixel(2, 1).red();
    EXPECT_NEAR(255 * std::pow(128 / 255.0, 1 / 1.15), brighter, 1);
    EXPECT_EQ(99, sameBuffer.pixel(2, 1).alpha());
    uint8_t zeros[256] = {}, half[256];
    image.applyGamma(0);
    image.applyGamma(-2);
    image.applyTable(nullptr);
    image.applyChannelTables(nullptr, zeros, zeros, zeros);
    EXPECT_EQ(brighter, image.pixel(0, 0).red()) << "refused arguments change nothing";

    Image ramp = numbered(16, 16, true);
    const Image before = ramp.copy();
    ramp.adjustBrightnessContrast(0, 0);
    EXPECT_TRUE(samePixels(before, ramp)) << "brightness 0 and contrast 0 is the identity";
    Image colours = flat(2, 2, true, Color(40, 0, 255, 0));
    colours.toGray();
    EXPECT_EQ(Color(40, 149, 149, 149), colours.pixel(1, 1));
    colours.invert();
    EXPECT_EQ(Color(40, 106, 106, 106), colours.pixel(0, 1));
    Image rgb = flat(3, 1, false, Color(10, 20, 30));
    rgb.invert();
    EXPECT_EQ(Color(245, 235, 225), rgb.pixel(2, 0));
    for (int i = 0; i < 256; ++i)
        half[i] = uint8_t(i / 2);
    rgb.applyChannelTables(half, zeros, half, nullptr);
    EXPECT_EQ(Color(122, 0, 112), rgb.pixel(0, 0));
}

TEST(ImageTones, BlurSpreadsAPointSourceInPlaceAtBothDepths)
{
    for (bool hasAlpha : {false, true}) {
        Image image = flat(15, 15, hasAlpha, Color(0, 0, 0, 0));
        const Image sameBuffer = image;
        image.setPixel(7, 7, Color(255, 255, 255, 255));
        image.blur(2);
        const Color centre = sameBuffer.pixel(7, 7);
        EXPECT_TRUE(centre.red() > 0 && centre.red() < 255 && centre.blue() == centre.red()) << hasAlpha;
        EXPECT_EQ(sameBuffer.pixel(5, 8), sameBuffer.pixel(9, 6)) << hasAlpha;
        EXPECT_EQ(0, image.pixel(0, 0).red()) << "beyond the kernel's reach";
    }
    Image untouched = numbered(6, 6, true);
    const Image before = untouched.copy();
    untouched.blur(0);
    EXPECT_TRUE(samePixels(before, untouched));
    // Near the edges only the taps inside count, so a flat image stays flat,
    // even one smaller than the kernel.
    for (const Size& size : {Size(40, 30), Size(3, 50), Size(50, 2), Size(1, 1)}) {
        Image image = flat(size.width, size.height, false, Color(7, 100, 200));
        const Image same = image.copy();
        image.blur(8);
        EXPECT_TRUE(samePixels(same, image)) << size.width << "x" << size.height;
    }
}

TEST(ImagePremultiply, RoundTripsEveryValue)
{
    // Opaque pixels are untouched, transparent ones become 0, the others come
    // back within the precision their alpha leaves.
    for (int a : {0, 1, 2, 17, 64, 128, 200, 254, 255}) {
        Image row(256, 1, true);
        for (int c = 0; c < 256; ++c)
            row.setPixel(c, 0, Color(uint8_t(a), uint8_t(c), uint8_t(255 - c), uint8_t(c)));
        row.setPremultiplied(true);
        row.setPremultiplied(true); // a second call with the same flag changes nothing
        for (int c = 0; c < 256; ++c)
            ASSERT_LE(row.pixel(c, 0).red(), a) << "premultiplied colour above alpha " << a;
        row.setPremultiplied(false);
        for (int c = 0; c < 256; ++c) {
            const Color back = row.pixel(c, 0);
            ASSERT_EQ(a, back.alpha());
            const double tolerance = a == 255 ? 0 : a == 0 ? 0 : 1 + c / 256.0 + 128.0 / a;
            ASSERT_LE(std::abs(back.red() - (a == 0 ? 0 : c)), tolerance) << "alpha " << a << " colour " << c;
        }
    }
}
