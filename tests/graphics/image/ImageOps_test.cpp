#include "graphics/image/Image.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Every pixel different: blue from x, green from y, red from both.
Image numbered(int width, int height, bool hasAlpha, uint8_t alpha = 255)
{
    Image image(width, height, hasAlpha);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           Color(alpha, static_cast<uint8_t>((x * 3 + y * 5) & 0xFF),
                                 static_cast<uint8_t>((y * 10) & 0xFF),
                                 static_cast<uint8_t>((x * 10) & 0xFF)));
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
    if (a.width() != b.width() || a.height() != b.height() || a.hasAlpha() != b.hasAlpha())
        return ::testing::AssertionFailure() << "different sizes or depths";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << ": " << std::hex << a.pixel(x, y).value() << " vs "
                       << b.pixel(x, y).value();
        }
    }
    return ::testing::AssertionSuccess();
}

const int kKinds[] = {Image::kNearest, Image::kBox, Image::kCubic, Image::kCatmullRom, Image::kLanczos};

} // namespace

TEST(ImageScaling, SameSizeCopiesAndBadArgumentsFail)
{
    Image image = numbered(100, 50, true, 128);
    image.setPremultiplied(true);
    const Image same = image.scaled(100, 50, Image::kCatmullRom);
    ASSERT_FALSE(same.isNull());
    EXPECT_NE(image.bits(), same.bits()) << "a deep copy, not a shared buffer";
    EXPECT_TRUE(samePixels(image, same));
    EXPECT_TRUE(same.isPremultiplied());

    EXPECT_TRUE(image.scaled(0, 10, Image::kBox).isNull());
    EXPECT_TRUE(image.scaled(10, -3, Image::kBox).isNull());
    EXPECT_TRUE(image.scaled(10, 10, 5).isNull());
    EXPECT_TRUE(image.scaled(10, 10, -1).isNull());
    EXPECT_TRUE(Image().scaled(10, 10, Image::kBox).isNull());
    // Targets beyond what a 32-bit process can hold are refused.
    EXPECT_TRUE(image.scaled(40000, 10, Image::kBox).isNull());
    EXPECT_TRUE(image.scaled(20000, 20000, Image::kNearest).isNull());
}

TEST(ImageScaling, EveryFilterKeepsDepthAndPremultipliedFlag)
{
    for (int kind : kKinds) {
        const Image rgb = numbered(7, 5, false);
        const Image scaledRgb = rgb.scaled(3, 9, kind);
        ASSERT_FALSE(scaledRgb.isNull()) << kind;
        EXPECT_EQ(24, scaledRgb.bitsPerPixel());
        EXPECT_EQ(12, scaledRgb.stride());

        // Scaling premultiplied pixels gives premultiplied pixels: the flag
        // must say so, or drawing would premultiply them a second time.
        Image argb = numbered(7, 5, true, 100);
        argb.setPremultiplied(true);
        const Image scaledArgb = argb.scaled(11, 2, kind);
        EXPECT_TRUE(scaledArgb.isPremultiplied()) << kind;
        EXPECT_TRUE(scaledArgb.hasAlpha());
        EXPECT_FALSE(argb.scaled(3, 3, kind).isNull());
    }
}

TEST(ImageScaling, DoublingWithTheBoxFilterRepeatsPixels)
{
    for (bool hasAlpha : {false, true}) {
        const Image source = numbered(2, 2, hasAlpha, 77);
        for (int kind : {Image::kNearest, Image::kBox}) {
            const Image doubled = source.scaled(4, 4, kind);
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x)
                    ASSERT_EQ(source.pixel(x / 2, y / 2), doubled.pixel(x, y))
                        << kind << " " << x << "," << y;
            }
        }
        // And halving averages the pairs back.
        EXPECT_TRUE(samePixels(source, source.scaled(4, 4, Image::kBox).scaled(2, 2, Image::kBox)));
    }
}

TEST(ImageScaling, OneDirectionOnlyRunsOnePass)
{
    // Widening: every row is scaled on its own, exactly as a one-row image.
    const Image source = numbered(100, 50, true);
    const Image wide = source.scaled(200, 50, Image::kLanczos);
    const Image tall = source.scaled(100, 120, Image::kLanczos);
    for (int y : {0, 17, 49}) {
        Image row(100, 1, true);
        std::memcpy(row.bits(), source.scanLine(y), source.stride());
        const Image wideRow = row.scaled(200, 1, Image::kLanczos);
        ASSERT_EQ(0, std::memcmp(wideRow.bits(), wide.scanLine(y), wide.stride())) << "row " << y;
    }
    for (int x : {0, 33, 99}) {
        Image column(1, 50, true);
        for (int y = 0; y < 50; ++y)
            column.setPixel(0, y, source.pixel(x, y));
        const Image tallColumn = column.scaled(1, 120, Image::kLanczos);
        for (int y = 0; y < 120; ++y)
            ASSERT_EQ(tallColumn.pixel(0, y), tall.pixel(x, y)) << x << "," << y;
    }
}

TEST(ImageScaling, ThumbnailsFitTheirBox)
{
    const Image fits = numbered(148, 198, true);
    const Image same = fits.scaledToFit(148, 198, Image::kCatmullRom);
    EXPECT_EQ(Size(148, 198), same.size());
    EXPECT_NE(fits.bits(), same.bits());
    EXPECT_EQ(Size(10, 10), numbered(10, 10, true).scaledToFit(148, 198, Image::kCatmullRom).size())
        << "never enlarged";

    EXPECT_EQ(Size(148, 148), numbered(300, 300, true).scaledToFit(148, 198, Image::kCatmullRom).size());
    EXPECT_EQ(Size(132, 198), numbered(1000, 1500, true).scaledToFit(148, 198, Image::kCatmullRom).size());
    // Extreme shapes still give at least one pixel each way.
    EXPECT_EQ(Size(148, 1), numbered(30000, 10, true).scaledToFit(148, 198, Image::kCatmullRom).size());
    EXPECT_EQ(Size(1, 198), numbered(10, 30000, false).scaledToFit(148, 198, Image::kCatmullRom).size());

    EXPECT_TRUE(fits.scaledToFit(0, 198, Image::kCatmullRom).isNull());
    EXPECT_TRUE(fits.scaledToFit(148, -1, Image::kCatmullRom).isNull());

    EXPECT_EQ(Size(30, 15), numbered(100, 50, true).scaledToWidth(30, Image::kBox).size());
    EXPECT_EQ(Size(50, 25), numbered(100, 50, true).scaledToHeight(25, Image::kBox).size());
    EXPECT_TRUE(numbered(100, 50, true).scaledToWidth(0, Image::kBox).isNull());
    // 1000 x 1 to width 1 rounds to no height: nothing to make.
    EXPECT_TRUE(numbered(1000, 1, true).scaledToWidth(1, Image::kBox).isNull());

    // A flat cover stays exactly its colour, alpha included.
    const Color cover(255, 40, 120, 220);
    const Image thumbnail = flat(1000, 1500, true, cover).scaledToFit(148, 198, Image::kCatmullRom);
    for (int y = 0; y < thumbnail.height(); y += 7) {
        for (int x = 0; x < thumbnail.width(); x += 5)
            ASSERT_EQ(cover, thumbnail.pixel(x, y));
    }
}

TEST(ImageGeometry, CropsOnlyWhatLiesInside)
{
    Image source = numbered(10, 8, true, 90);
    source.setPremultiplied(true);
    const Image part = source.cropped(Rect(2, 3, 4, 2));
    ASSERT_EQ(Size(4, 2), part.size());
    EXPECT_EQ(source.pixel(2, 3), part.pixel(0, 0));
    EXPECT_EQ(source.pixel(5, 4), part.pixel(3, 1));
    EXPECT_TRUE(part.isPremultiplied());

    const Image whole = source.cropped(source.rect());
    EXPECT_TRUE(samePixels(source, whole));
    EXPECT_NE(source.bits(), whole.bits());

    EXPECT_TRUE(numbered(10, 8, false).cropped(Rect(0, 0, 2, 2)).isNull()) << "24-bit";
    EXPECT_TRUE(source.cropped(Rect(-1, 0, 2, 2)).isNull());
    EXPECT_TRUE(source.cropped(Rect(0, 0, 0, 2)).isNull());
    EXPECT_TRUE(source.cropped(Rect(7, 0, 4, 2)).isNull());
    EXPECT_TRUE(source.cropped(Rect(0, 7, 2, 2)).isNull());
    // Sums that wrap around in 32 bits must not pass as inside.
    EXPECT_TRUE(source.cropped(Rect(INT_MAX, 0, 10, 1)).isNull());
    EXPECT_TRUE(source.cropped(Rect(5, 0, INT_MAX, 1)).isNull());
}

TEST(ImageGeometry, FlipsAndTurns)
{
    Image pair(2, 1, true);
    pair.setPixel(0, 0, Color(255, 0, 0));
    pair.setPixel(1, 0, Color(0, 0, 255));
    const Image upright = pair.rotated(90, Color());
    ASSERT_EQ(Size(1, 2), upright.size());
    EXPECT_EQ(Color(255, 0, 0), upright.pixel(0, 0)) << "the left pixel goes to the top";

    Image source = numbered(5, 3, true, 200);
    source.setPremultiplied(true);
    const Image half = source.rotated180();
    EXPECT_TRUE(samePixels(source.flipped(true, true), half));
    EXPECT_TRUE(samePixels(half, source.rotated(180, Color())));
    EXPECT_TRUE(half.isPremultiplied());
    EXPECT_EQ(source.pixel(4, 0), source.flipped(true, false).pixel(0, 0));
    EXPECT_EQ(source.pixel(0, 2), source.flipped(false, true).pixel(0, 0));
    EXPECT_TRUE(numbered(5, 3, false).flipped(true, false).isNull()) << "24-bit";

    // Turning a 24-bit image turns it (instead of handing it back unturned).
    const Image rgb = numbered(5, 3, false);
    const Image rgbTurned = rgb.rotated(90, Color());
    ASSERT_EQ(Size(3, 5), rgbTurned.size());
    EXPECT_EQ(24, rgbTurned.bitsPerPixel());
    EXPECT_EQ(rgb.pixel(0, 2), rgbTurned.pixel(0, 0));
    EXPECT_TRUE(samePixels(rgb.rotated90().rotated90().rotated90(), rgb.rotated(-90, Color())));

    const Image tilted = flat(10, 10, true, Color(255, 9, 9, 9)).rotated(45, Color(0x11223344u));
    ASSERT_EQ(Size(14, 14), tilted.size());
    EXPECT_EQ(Color(0x11223344u), tilted.pixel(0, 0));
    EXPECT_EQ(Color(255, 9, 9, 9), tilted.pixel(7, 7));

    EXPECT_TRUE(source.rotated(std::nanf(""), Color()).isNull());
    EXPECT_TRUE(Image().rotated90().isNull());
    EXPECT_TRUE(Image().rotated(30, Color()).isNull());
}

TEST(ImageGeometry, StacksImagesOfOneWidth)
{
    for (bool hasAlpha : {false, true}) {
        const Image top = numbered(3, 2, hasAlpha);
        const Image bottom = flat(3, 1, hasAlpha, Color(1, 2, 3));
        const Image both = top.stackedWith(bottom, 1);
        ASSERT_EQ(Size(3, 3), both.size());
        EXPECT_EQ(hasAlpha, both.hasAlpha());
        EXPECT_EQ(top.pixel(2, 1), both.pixel(2, 1));
        EXPECT_EQ(Color(1, 2, 3), both.pixel(2, 2));
        EXPECT_TRUE(top.stackedWith(bottom, 0).isNull());
        EXPECT_TRUE(top.stackedWith(bottom, 2).isNull());
        EXPECT_TRUE(top.stackedWith(numbered(4, 1, hasAlpha), 1).isNull());
        EXPECT_TRUE(top.stackedWith(numbered(3, 1, !hasAlpha), 1).isNull());
        EXPECT_TRUE(top.stackedWith(Image(), 1).isNull());
    }
    Image premultiplied = numbered(3, 1, true);
    premultiplied.setPremultiplied(true);
    EXPECT_TRUE(numbered(3, 1, true).stackedWith(premultiplied, 1).isNull())
        << "straight and premultiplied rows cannot share one flag";
}

TEST(ImageGeometry, MagnifiesAroundAPixel)
{
    const Image source = numbered(3, 3, true);
    Point grid(-1, -1);
    Rect cell;
    const Image big = source.magnified(Point(1, 1), Size(9, 9), 3, Color(), &grid, &cell);
    ASSERT_EQ(Size(9, 9), big.size());
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(source.pixel(x / 3, y / 3), big.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(Point(0, 0), grid);
    EXPECT_EQ(Rect(3, 3, 3, 3), cell);

    // At the corner, with a zoom that does not divide the output: the centre
    // cell starts at 7 / 2 - 4 / 2 = 1, so the grid is offset by 1.
    const Color fill(0x80ABCDEFu);
    const Image corner = source.magnified(Point(0, 0), Size(7, 7), 4, fill, &grid, &cell);
    EXPECT_EQ(Point(1, 1), grid);
    EXPECT_EQ(Rect(1, 1, 4, 4), cell);
    EXPECT_EQ(fill, corner.pixel(0, 0));
    EXPECT_EQ(fill, corner.pixel(0, 3));
    EXPECT_EQ(source.pixel(0, 0), corner.pixel(1, 1));
    EXPECT_EQ(source.pixel(0, 0), corner.pixel(4, 4));
    EXPECT_EQ(source.pixel(1, 1), corner.pixel(5, 6));

    const Image nowhere = source.magnified(Point(INT_MAX, INT_MIN), Size(5, 5), 7, fill);
    EXPECT_EQ(fill, nowhere.pixel(4, 4));
    EXPECT_TRUE(source.magnified(Point(1, 1), Size(9, 9), 0, fill).isNull());
    EXPECT_TRUE(source.magnified(Point(1, 1), Size(0, 9), 2, fill).isNull());
    EXPECT_EQ(24, numbered(3, 3, false).magnified(Point(1, 1), Size(4, 4), 2, fill).bitsPerPixel());
}

TEST(ImageCompositing, DrawsInPlaceForEveryHolder)
{
    Image canvas = flat(4, 4, true, Color(200, 200, 200));
    const Image sameBuffer = canvas;
    Image stamp(2, 2, true);
    stamp.setPixel(0, 0, Color(0, 0, 0, 0));
    stamp.setPixel(1, 0, Color(255, 0, 0));
    stamp.setPixel(0, 1, Color(255, 0, 0));
    stamp.setPixel(1, 1, Color(255, 0, 0));

    canvas.drawImage(stamp, Point(2, 2));
    EXPECT_EQ(Color(199, 199, 199), sameBuffer.pixel(2, 2)) << "a transparent pixel leaves nearly all";
    EXPECT_EQ(Color(255, 0, 0), sameBuffer.pixel(3, 2));
    EXPECT_EQ(Color(200, 200, 200), sameBuffer.pixel(1, 2));

    canvas.drawImage(stamp, Point(-1, -1));
    EXPECT_EQ(Color(255, 0, 0), canvas.pixel(0, 0));
    EXPECT_EQ(Color(200, 200, 200), canvas.pixel(1, 1));

    // Depths and alpha forms the blend is not made for change nothing.
    Image rgb = flat(4, 4, false, Color(200, 200, 200));
    rgb.drawImage(stamp, Point(0, 0));
    EXPECT_EQ(Color(200, 200, 200), rgb.pixel(1, 0));
    Image premultiplied = stamp.copy();
    premultiplied.setPremultiplied(true);
    Image untouched = flat(2, 2, true, Color(7, 7, 7));
    untouched.drawImage(premultiplied, Point(0, 0));
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

    image.applyGamma(0);
    image.applyGamma(-2);
    image.applyTable(nullptr);
    uint8_t table[256] = {};
    image.applyChannelTables(nullptr, table, table, table);
    EXPECT_EQ(brighter, image.pixel(0, 0).red()) << "refused arguments change nothing";

    // Brightness 0 and contrast 0 is the identity on every value.
    Image ramp(256, 1, true);
    for (int i = 0; i < 256; ++i)
        ramp.setPixel(i, 0, Color(255, static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 0));
    const Image before = ramp.copy();
    ramp.adjustBrightnessContrast(0, 0);
    EXPECT_TRUE(samePixels(before, ramp));
    ramp.adjustBrightnessContrast(0, -20);
    EXPECT_EQ(26, ramp.pixel(0, 0).red());
    EXPECT_EQ(230, ramp.pixel(255, 0).red());

    Image colours = flat(2, 2, true, Color(40, 0, 255, 0));
    colours.toGray();
    EXPECT_EQ(Color(40, 149, 149, 149), colours.pixel(1, 1));
    colours.invert();
    EXPECT_EQ(Color(40, 106, 106, 106), colours.pixel(0, 1));

    Image rgb = flat(3, 1, false, Color(10, 20, 30));
    rgb.invert();
    EXPECT_EQ(Color(245, 235, 225), rgb.pixel(2, 0));
    uint8_t half[256];
    for (int i = 0; i < 256; ++i)
        half[i] = static_cast<uint8_t>(i / 2);
    rgb.applyChannelTables(half, table, half, nullptr);
    EXPECT_EQ(Color(122, 0, 112), rgb.pixel(0, 0));
}

TEST(ImageTones, BlurSpreadsAPointSource)
{
    for (bool hasAlpha : {false, true}) {
        Image image = flat(15, 15, hasAlpha, Color(0, 0, 0, 0));
        image.setPixel(7, 7, Color(255, 255, 255, 255));
        image.blur(2);
        const int centre = image.pixel(7, 7).red();
        EXPECT_GT(centre, 0);
        EXPECT_LT(centre, 255);
        int total = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                total += image.pixel(x, y).green();
                ASSERT_EQ(image.pixel(x, y), image.pixel(14 - x, y)) << "mirror " << x << "," << y;
                ASSERT_EQ(image.pixel(x, y), image.pixel(y, x)) << "transpose " << x << "," << y;
                ASSERT_LE(image.pixel(x, y).red(), centre);
            }
        }
        EXPECT_NEAR(255, total, 20);
        EXPECT_EQ(0, image.pixel(0, 0).red()) << "beyond the kernel's reach";
    }
    Image untouched = numbered(6, 6, true);
    const Image before = untouched.copy();
    untouched.blur(0);
    EXPECT_TRUE(samePixels(before, untouched));
}

TEST(ImagePremultiply, RoundTripsEveryValue)
{
    // Every colour value at a range of alphas: opaque pixels are untouched,
    // transparent ones become 0, the others come back within the precision
    // their alpha leaves.
    for (int a : {0, 1, 2, 17, 64, 128, 200, 254, 255}) {
        Image row(256, 1, true);
        for (int c = 0; c < 256; ++c)
            row.setPixel(c, 0,
                         Color(static_cast<uint8_t>(a), static_cast<uint8_t>(c),
                               static_cast<uint8_t>(255 - c), static_cast<uint8_t>(c)));
        row.setPremultiplied(true);
        for (int c = 0; c < 256; ++c)
            ASSERT_LE(row.pixel(c, 0).red(), a) << "premultiplied colour above alpha " << a;
        row.setPremultiplied(false);
        for (int c = 0; c < 256; ++c) {
            const Color back = row.pixel(c, 0);
            ASSERT_EQ(a, back.alpha());
            if (a == 0) {
                ASSERT_EQ(0, back.red());
                continue;
            }
            ASSERT_LE(std::abs(back.red() - c), 1 + c / 256.0 + 128.0 / a)
                << "alpha " << a << " colour " << c;
            if (a == 255) {
                ASSERT_EQ(c, back.red());
            }
        }
    }
}
