#include "graphics/codecs/GdiplusCodec.h"
#include "graphics/codecs/GdiplusImage.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/Image.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

String pathOf(const std::string& path)
{
    std::u16string wide(path.begin(), path.end());
    return String(wide.c_str());
}

std::string dataFile(const std::string& name)
{
    return testsupport::dataDir() + "\\graphics\\" + name;
}

// A 32-bit picture with smooth colour ramps and, when asked, an alpha ramp
// that never reaches 0 (an invisible pixel's colour is not kept by every
// encoder).
Image rampImage(int width, int height, bool translucent)
{
    Image image(width, height, true);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t alpha = translucent ? static_cast<uint8_t>(40 + (x + y) * 200 / (width + height)) : 255;
            image.setPixel(x, y,
                           Color(alpha, static_cast<uint8_t>(x * 255 / width),
                                 static_cast<uint8_t>(y * 255 / height), 128));
        }
    }
    return image;
}

void expectSamePixels(const Image& actual, const Image& expected, int tolerance, bool compareAlpha)
{
    ASSERT_EQ(actual.width(), expected.width());
    ASSERT_EQ(actual.height(), expected.height());
    int worst = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const uint8_t* a = actual.pixelAt(x, y);
            Color e = expected.pixel(x, y);
            const int want[4] = {e.blue(), e.green(), e.red(), e.alpha()};
            for (int c = 0; c < (compareAlpha ? 4 : 3); ++c)
                worst = std::max(worst, std::abs(a[c] - want[c]));
        }
    }
    EXPECT_LE(worst, tolerance);
}

bool allOpaque(const Image& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.alphaAt(x, y) != 255)
                return false;
        }
    }
    return true;
}

uint32_t crc32(const uint8_t* data, size_t size)
{
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void putBigEndian(Bytes& bytes, uint32_t value)
{
    for (int i = 3; i >= 0; --i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putChunk(Bytes& png, const char* type, const Bytes& data)
{
    putBigEndian(png, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    png.insert(png.end(), typed.begin(), typed.end());
    putBigEndian(png, crc32(typed.data(), typed.size()));
}

// A well-formed PNG header that announces width x height RGBA pixels,
// followed by a tiny compressed block that cannot hold them.
Bytes pngAnnouncing(uint32_t width, uint32_t height)
{
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    putBigEndian(header, width);
    putBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", {0x78, 0x9C, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01});
    putChunk(png, "IEND", {});
    return png;
}

class GdiplusCodecTest : public ::testing::Test
{
protected:
    void SetUp() override { ImageCodec::registerAll(); }
    void TearDown() override { ImageCodec::unregisterAll(); }

    Image saveAndLoad(const Image& image, const std::string& name)
    {
        String path = pathOf(m_dir.file(name));
        EXPECT_TRUE(image.save(path, true)) << name;
        return Image::fromFile(path);
    }

    testsupport::TempDir m_dir;
};

} // namespace

TEST_F(GdiplusCodecTest, RegistryFindsEachFormatByExtension)
{
    EXPECT_EQ(ImageCodec::count(), 6);
    EXPECT_EQ(ImageCodec::forExtension(u"pix")->name(), String(u"pix"));
    EXPECT_EQ(ImageCodec::forExtension(u"BMP")->name(), String(u"bmp"));
    EXPECT_EQ(ImageCodec::forExtension(u"JPG")->name(), String(u"jpeg"));
    EXPECT_EQ(ImageCodec::forExtension(u"jpeg")->name(), String(u"jpeg"));
    EXPECT_EQ(ImageCodec::forExtension(u" png")->name(), String(u"png"));
    EXPECT_EQ(ImageCodec::forExtension(u"Tif")->name(), String(u"tiff"));
    EXPECT_EQ(ImageCodec::forExtension(u"tiff")->name(), String(u"tiff"));
    EXPECT_EQ(ImageCodec::forExtension(u"gif")->name(), String(u"gif"));
    EXPECT_EQ(ImageCodec::forExtension(u"jp"), nullptr);
    EXPECT_EQ(ImageCodec::forExtension(u"jpegs"), nullptr);
    EXPECT_EQ(ImageCodec::forExtension(u"webp"), nullptr);
}

TEST_F(GdiplusCodecTest, PngAndTiffKeepAlpha)
{
    Image image = rampImage(23, 17, true);
    for (const char* name : {"alpha.png", "alpha.tif", "alpha.tiff"}) {
        Image back = saveAndLoad(image, name);
        ASSERT_FALSE(back.isNull()) << name;
        EXPECT_TRUE(back.hasAlpha());
        EXPECT_FALSE(back.isPremultiplied());
        expectSamePixels(back, image, 0, true);
    }
    // A 32-bit picture is stored as RGBA (PNG colour type 6).
    EXPECT_EQ(testsupport::readFileBytes(m_dir.file("alpha.png")).at(25), 6);
}

TEST_F(GdiplusCodecTest, BmpAndJpegKeepTheColours)
{
    Image image = rampImage(40, 30, false);
    Image bmp = saveAndLoad(image, "opaque.bmp");
    ASSERT_FALSE(bmp.isNull());
    EXPECT_TRUE(bmp.hasAlpha());
    expectSamePixels(bmp, image, 0, false);
    EXPECT_TRUE(allOpaque(bmp));

    // Quality 100 on smooth ramps stays within a few steps (the colour planes
    // are still subsampled).
    Image jpeg = saveAndLoad(image, "opaque.JPG");
    ASSERT_FALSE(jpeg.isNull());
    expectSamePixels(jpeg, image, 12, false);
    EXPECT_TRUE(allOpaque(jpeg));
    EXPECT_FALSE(saveAndLoad(image, "opaque.jpeg").isNull());
}

TEST_F(GdiplusCodecTest, TwentyFourBitImagesAreWrittenWithoutAlpha)
{
    Image rgb(5, 3, false);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            rgb.setPixel(x, y, Color(static_cast<uint8_t>(50 * x), static_cast<uint8_t>(80 * y), 7));
    }
    Image back = saveAndLoad(rgb, "rgb.png");
    ASSERT_FALSE(back.isNull());
    EXPECT_TRUE(back.hasAlpha());
    EXPECT_TRUE(allOpaque(back));
    expectSamePixels(back, rgb, 0, false);
    // PNG colour type 2: RGB without alpha.
    EXPECT_EQ(testsupport::readFileBytes(m_dir.file("rgb.png")).at(25), 2);

    expectSamePixels(saveAndLoad(rgb, "rgb.bmp"), rgb, 0, false);
}

TEST_F(GdiplusCodecTest, PremultipliedImagesAreWrittenAsTheyLook)
{
    Image straight = rampImage(16, 16, true);
    Image premultiplied = straight.copy();
    premultiplied.setPremultiplied(true);
    Image back = saveAndLoad(premultiplied, "pre.png");
    ASSERT_FALSE(back.isNull());
    EXPECT_FALSE(back.isPremultiplied());
    // Undoing the premultiplication loses precision at low alpha.
    expectSamePixels(back, straight, 8, true);
}

TEST_F(GdiplusCodecTest, DecodesFromMemory)
{
    Image image = rampImage(8, 6, true);
    std::string path = m_dir.file("memory.png");
    ASSERT_TRUE(image.save(pathOf(path), true));
    Bytes bytes = testsupport::readFileBytes(path);
    Image back = Image::fromData(bytes.data(), static_cast<int64_t>(bytes.size()), u"png");
    expectSamePixels(back, image, 0, true);

    // The extension only picks the codec; GDI+ reads the content.
    EXPECT_FALSE(Image::fromData(bytes.data(), static_cast<int64_t>(bytes.size()), u"bmp").isNull());
    EXPECT_TRUE(Image::fromData(bytes.data(), 0, u"png").isNull());
    EXPECT_TRUE(Image::fromData(nullptr, 10, u"png").isNull());
}

// The two GIFs hold 4 x 2 pixels over the palette red, green, blue, white,
// with the indexes 0 1 2 3 in the top row and 3 2 1 0 below; the second one
// marks index 3 (white) as transparent.
TEST_F(GdiplusCodecTest, PalettedGifsLoadAsOpaqueOrTransparent32BitImages)
{
    Image gif = Image::fromFile(pathOf(dataFile("palette_4x2.gif")));
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(gif.width(), 4);
    EXPECT_EQ(gif.height(), 2);
    EXPECT_TRUE(gif.hasAlpha());
    EXPECT_EQ(gif.pixel(0, 0).value(), 0xFFFF0000u);
    EXPECT_EQ(gif.pixel(1, 0).value(), 0xFF00FF00u);
    EXPECT_EQ(gif.pixel(2, 0).value(), 0xFF0000FFu);
    EXPECT_EQ(gif.pixel(3, 0).value(), 0xFFFFFFFFu);
    EXPECT_EQ(gif.pixel(0, 1).value(), 0xFFFFFFFFu);
    EXPECT_EQ(gif.pixel(3, 1).value(), 0xFFFF0000u);

    Image transparent = Image::fromFile(pathOf(dataFile("transparent_4x2.gif")));
    ASSERT_FALSE(transparent.isNull());
    EXPECT_EQ(transparent.alphaAt(3, 0), 0);
    EXPECT_EQ(transparent.alphaAt(0, 1), 0);
    EXPECT_EQ(transparent.pixel(2, 0).value(), 0xFF0000FFu);
    EXPECT_EQ(transparent.pixel(1, 1).value(), 0xFF0000FFu);
}

TEST_F(GdiplusCodecTest, GifSavesNeverLeaveABrokenFile)
{
    // Where the system cannot encode GIF, the save must report failure and
    // leave nothing behind rather than an empty picture.
    Image image = rampImage(12, 9, false);
    std::string path = m_dir.file("cover.gif");
    bool saved = image.save(pathOf(path), true);
    RecordProperty("gifSaved", saved ? "yes" : "no");
    if (saved) {
        Image back = Image::fromFile(pathOf(path));
        EXPECT_EQ(back.width(), 12);
        EXPECT_EQ(back.height(), 9);
    } else {
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()));
    }
}

TEST_F(GdiplusCodecTest, DamagedOrHostileInputGivesTheEmptyImage)
{
    Image image = rampImage(10, 10, true);
    std::string path = m_dir.file("good.png");
    ASSERT_TRUE(image.save(pathOf(path), true));
    Bytes good = testsupport::readFileBytes(path);

    Bytes truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    EXPECT_TRUE(Image::fromData(truncated.data(), static_cast<int64_t>(truncated.size()), u"png").isNull());

    Bytes garbage(300, 0x5A);
    EXPECT_TRUE(Image::fromData(garbage.data(), static_cast<int64_t>(garbage.size()), u"jpg").isNull());

    // A few dozen bytes declaring 30000 x 30000 pixels.
    Bytes huge = pngAnnouncing(30000, 30000);
    EXPECT_TRUE(Image::fromData(huge.data(), static_cast<int64_t>(huge.size()), u"png").isNull());

    // A file whose extension lies about its content.
    std::string pixAsPng = m_dir.file("lying.png");
    testsupport::writeFileBytes(pixAsPng, {0x09, 0x03, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 1, 2, 3, 4});
    EXPECT_TRUE(Image::fromFile(pathOf(pixAsPng)).isNull());
    EXPECT_TRUE(Image::fromFile(pathOf(m_dir.file("missing.png"))).isNull());
}

TEST_F(GdiplusCodecTest, FailedSavesKeepTheOldFile)
{
    Image image = rampImage(4, 4, false);
    std::string path = m_dir.file("keep.png");
    ASSERT_TRUE(image.save(pathOf(path), true));
    Bytes before = testsupport::readFileBytes(path);

    Image other = rampImage(7, 7, true);
    EXPECT_FALSE(other.save(pathOf(path), false));
    EXPECT_EQ(testsupport::readFileBytes(path), before);

    EXPECT_FALSE(Image().save(pathOf(path), true));
    EXPECT_EQ(testsupport::readFileBytes(path), before);

    EXPECT_FALSE(other.save(pathOf(m_dir.file("no\\such\\folder.png")), true));
    EXPECT_FALSE(other.save(pathOf(m_dir.file("picture.webp")), true));

    // Only the one file exists: no temporary files are left behind.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(GdiplusCodecTest, GdiplusImageKeepsAFileOpen)
{
    Image image = rampImage(9, 5, true);
    std::string path = m_dir.file("open.png");
    ASSERT_TRUE(image.save(pathOf(path), true));
    {
        GdiplusImage open(pathOf(path));
        ASSERT_FALSE(open.isNull());
        EXPECT_EQ(open.width(), 9);
        EXPECT_EQ(open.height(), 5);
        Image decoded;
        ASSERT_TRUE(open.toImage(decoded));
        expectSamePixels(decoded, image, 0, true);
    }

    GdiplusImage missing(pathOf(m_dir.file("missing.png")));
    EXPECT_TRUE(missing.isNull());
    EXPECT_EQ(missing.width(), 0);
    Image untouched = image;
    EXPECT_FALSE(missing.toImage(untouched));
    EXPECT_EQ(untouched.bits(), image.bits());
}
