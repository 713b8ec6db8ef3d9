#include "foundation/hash/Crc32.h"
#include "graphics/codecs/GdiplusCodec.h"
#include "graphics/codecs/GdiplusImage.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/Image.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

using testsupport::text;

// Smooth colour ramps and, when asked, an alpha ramp that never reaches 0 (an
// invisible pixel's colour is not kept by every encoder).
Image rampImage(int width, int height, bool translucent)
{
    Image image(width, height, true);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           Color(translucent ? uint8_t(40 + (x + y) * 200 / (width + height)) : 255,
                                 uint8_t(x * 255 / width), uint8_t(y * 255 / height), 128));
    }
    return image;
}

// The largest difference of one channel; alpha compared only when asked, and
// 24-bit images compared as they look.
int worstDifference(const Image& actual, const Image& expected, bool compareAlpha)
{
    if (actual.size() != expected.size())
        return 256;
    int worst = 0;
    for (int i = 0; i < expected.width() * expected.height(); ++i) {
        const Color a = actual.pixel(i % expected.width(), i / expected.width());
        const Color e = expected.pixel(i % expected.width(), i / expected.width());
        worst = std::max({worst, std::abs(a.red() - e.red()), std::abs(a.green() - e.green()),
                          std::abs(a.blue() - e.blue()), compareAlpha ? std::abs(a.alpha() - e.alpha()) : 0});
        if (!compareAlpha && a.alpha() != 255)
            return 256;
    }
    return worst;
}

// The PNG with its header changed to announce width x height pixels, which its
// compressed block cannot hold.
Bytes pngAnnouncing(Bytes png, uint32_t width, uint32_t height)
{
    for (int i = 0; i < 4; ++i) {
        png[19 - i] = uint8_t(width >> (8 * i));
        png[23 - i] = uint8_t(height >> (8 * i));
    }
    const uint32_t crc = Crc32(&png[12], 17).value(); // the header chunk's type and data
    for (int i = 0; i < 4; ++i)
        png[32 - i] = uint8_t(crc >> (8 * i));
    return png;
}

class GdiplusCodecTest : public ::testing::Test
{
protected:
    void SetUp() override { ImageCodec::registerAll(); }
    void TearDown() override { ImageCodec::unregisterAll(); }

    testsupport::TempDir m_dir;
};

} // namespace

TEST_F(GdiplusCodecTest, EveryFormatRoundTripsAsTheImageLooks)
{
    const Image translucent = rampImage(23, 17, true), opaque = rampImage(40, 30, false);
    Image premultiplied = translucent.copy(), rgb(5, 3, false);
    premultiplied.setPremultiplied(true);
    for (int i = 0; i < 15; ++i)
        rgb.setPixel(i % 5, i / 5, Color(uint8_t(50 * (i % 5)), uint8_t(80 * (i / 5)), 7));
    // Quality 100 JPEG on smooth ramps stays within a few steps (the colour
    // planes are still subsampled); undoing premultiplication loses precision
    // at low alpha.
    const std::tuple<const char*, const Image&, const Image&, bool, int> rows[] = {
        {"alpha.png", translucent, translucent, true, 0},
        {"alpha.tif", translucent, translucent, true, 0},
        {"opaque.bmp", opaque, opaque, false, 0},
        {"opaque.JPG", opaque, opaque, false, 12},
        {"rgb.png", rgb, rgb, false, 0},
        {"rgb.bmp", rgb, rgb, false, 0},
        {"pre.png", premultiplied, translucent, true, 8}};
    for (const auto& [name, image, looks, alpha, tolerance] : rows) {
        ASSERT_TRUE(image.save(text(m_dir.file(name)), true)) << name;
        const Image back = Image::fromFile(text(m_dir.file(name)));
        EXPECT_TRUE(back.hasAlpha() && !back.isPremultiplied()) << name;
        EXPECT_LE(worstDifference(back, looks, alpha), tolerance) << name;
    }
    // 32-bit pictures are stored as RGBA (PNG colour type 6), 24-bit ones as RGB (2).
    EXPECT_EQ(6, testsupport::readFileBytes(m_dir.file("alpha.png")).at(25));
    EXPECT_EQ(2, testsupport::readFileBytes(m_dir.file("rgb.png")).at(25));

    // From memory the extension only picks the codec; GDI+ reads the content.
    const Bytes bytes = testsupport::readFileBytes(m_dir.file("alpha.png"));
    EXPECT_EQ(
        0, worstDifference(Image::fromData(bytes.data(), int64_t(bytes.size()), u"bmp"), translucent, true));
    GdiplusImage open(text(m_dir.file("alpha.png")));
    Image decoded;
    EXPECT_TRUE(open.toImage(decoded) && open.width() == 23 &&
                worstDifference(decoded, translucent, true) == 0);
}

// Both GIFs hold 4 x 2 pixels over the palette red, green, blue, white, with
// the indexes 0 1 2 3 in the top row and 3 2 1 0 below; the second one marks
// index 3 (white) as transparent.
TEST_F(GdiplusCodecTest, PalettedGifsLoadAsOpaqueOrTransparent32BitImages)
{
    const uint32_t palette[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    for (const char* name : {"palette_4x2.gif", "transparent_4x2.gif"}) {
        const Image gif = Image::fromFile(text(testsupport::dataDir() + "\\graphics\\" + name));
        ASSERT_EQ(Size(4, 2), gif.size()) << name;
        for (int i = 0; i < 8; ++i) {
            const uint32_t expected = palette[i < 4 ? i : 7 - i];
            const bool clear = name[0] == 't' && expected == 0xFFFFFFFFu;
            EXPECT_EQ(clear ? 0 : expected,
                      clear ? gif.alphaAt(i % 4, i / 4) : gif.pixel(i % 4, i / 4).value())
                << name << " pixel " << i;
        }
    }
}

TEST_F(GdiplusCodecTest, DamagedInputAndFailedSavesLoseNothing)
{
    const Image image = rampImage(10, 10, true);
    const std::string path = m_dir.file("keep.png");
    ASSERT_TRUE(image.save(text(path), true));
    const Bytes good = testsupport::readFileBytes(path);
    const Bytes huge = pngAnnouncing(good, 30000, 30000); // a small file announcing 900 million pixels
    const Bytes half(good.begin(), good.begin() + long(good.size() / 2)), garbage(300, 0x5A);
    EXPECT_TRUE(Image::fromData(half.data(), int64_t(half.size()), u"png").isNull());
    EXPECT_TRUE(Image::fromData(garbage.data(), int64_t(garbage.size()), u"jpg").isNull());
    EXPECT_TRUE(Image::fromData(huge.data(), int64_t(huge.size()), u"png").isNull());
    EXPECT_TRUE(Image::fromData(good.data(), 0, u"png").isNull() &&
                Image::fromData(nullptr, 9, u"png").isNull());
    testsupport::writeFileBytes(m_dir.file("lying.png"),
                                {9, 3, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 1, 2, 3, 4});
    EXPECT_TRUE(Image::fromFile(text(m_dir.file("lying.png"))).isNull()) << "a pix file named png";
    Image untouched = image;
    EXPECT_FALSE(GdiplusImage(text(m_dir.file("missing.png"))).toImage(untouched) ||
                 untouched.bits() != image.bits());

    const Image other = rampImage(7, 7, false);
    EXPECT_FALSE(other.save(text(path), false)) << "no overwrite asked";
    EXPECT_FALSE(Image().save(text(path), true));
    EXPECT_FALSE(other.save(text(m_dir.file("no\\such\\folder.png")), true));
    EXPECT_FALSE(other.save(text(m_dir.file("picture.webp")), true));
    // Where the system cannot encode GIF (Wine writes an empty picture and
    // reports success), the save fails and leaves nothing behind.
    const std::string gif = m_dir.file("cover.gif");
    if (other.save(text(gif), true) && Image::fromFile(text(gif)).size() == Size(7, 7))
        std::filesystem::remove(gif); // a system that can encode GIF
    std::filesystem::remove(m_dir.file("lying.png"));
    EXPECT_EQ(good, testsupport::readFileBytes(path));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(m_dir.path()), {}))
        << "no temporary files";
}
