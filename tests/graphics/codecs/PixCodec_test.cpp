#include "graphics/codecs/PixCodec.h"

#include "foundation/io/File.h"
#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/Image.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

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

void putUInt32(Bytes& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes header(uint32_t magic, uint32_t width, uint32_t height, uint32_t dataSize)
{
    Bytes bytes;
    putUInt32(bytes, magic);
    putUInt32(bytes, width);
    putUInt32(bytes, height);
    putUInt32(bytes, dataSize);
    return bytes;
}

// A valid file of width x height pixels whose bytes count up from 1.
Bytes pixFile(uint32_t width, uint32_t height)
{
    Bytes bytes = header(777, width, height, width * height * 4);
    for (uint32_t i = 0; i < width * height * 4; ++i)
        bytes.push_back(static_cast<uint8_t>(i + 1));
    return bytes;
}

int entriesIn(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

Image load(const Bytes& bytes)
{
    return PixCodec().loadFromMemory(bytes.data(), static_cast<int64_t>(bytes.size()));
}

class PixCodecTest : public ::testing::Test
{
protected:
    void SetUp() override { ImageCodec::registerAll(); }
    void TearDown() override { ImageCodec::unregisterAll(); }

    testsupport::TempDir m_dir;
};

} // namespace

TEST_F(PixCodecTest, WritesTheDocumentedBytes)
{
    // 2 x 3 pixels: a 16-byte header and 24 bytes of B, G, R, A rows, top first.
    Image image(2, 3, true);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x)
            image.setPixel(x, y,
                           Color(static_cast<uint8_t>(0x80 + y), 0x30, static_cast<uint8_t>(0x20 + x), 0x10));
    }
    std::string path = m_dir.file("two.pix");
    ASSERT_TRUE(PixCodec().save(pathOf(path), image));

    const Bytes expected = {
        0x09, 0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x18, 0x00,
        0x00, 0x00, 0x10, 0x20, 0x30, 0x80, 0x10, 0x21, 0x30, 0x80, 0x10, 0x20, 0x30, 0x81,
        0x10, 0x21, 0x30, 0x81, 0x10, 0x20, 0x30, 0x82, 0x10, 0x21, 0x30, 0x82,
    };
    EXPECT_EQ(testsupport::readFileBytes(path), expected);

    Image back = PixCodec().loadFromFile(pathOf(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.width(), 2);
    EXPECT_EQ(back.height(), 3);
    EXPECT_TRUE(back.hasAlpha());
    EXPECT_FALSE(back.isPremultiplied());
    EXPECT_EQ(Bytes(back.bits(), back.bits() + back.byteSize()),
              Bytes(expected.begin() + 16, expected.end()));
    // No temporary file is left behind.
    EXPECT_EQ(entriesIn(m_dir.path()), 1);
}

TEST_F(PixCodecTest, ReadsFromMemory)
{
    Bytes file = pixFile(3, 2);
    Image image = load(file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 3);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.pixel(0, 0).value(), 0x04030201u);
    EXPECT_EQ(image.pixel(2, 1).value(), 0x18171615u);

    Image single = load(pixFile(1, 1));
    EXPECT_EQ(single.pixel(0, 0).value(), 0x04030201u);
}

TEST_F(PixCodecTest, RejectsDamagedHeadersAndSizes)
{
    Bytes good = pixFile(2, 2);
    ASSERT_FALSE(load(good).isNull());

    Bytes longer = good;
    longer.push_back(0);
    EXPECT_TRUE(load(longer).isNull());

    Bytes wrongMagic = good;
    wrongMagic[0] = 0x0A;
    EXPECT_TRUE(load(wrongMagic).isNull());

    Bytes wrongDataSize = good;
    wrongDataSize[12] = 15;
    EXPECT_TRUE(load(wrongDataSize).isNull());

    EXPECT_TRUE(load(header(777, 0, 1, 0)).isNull());
    Bytes zeroHeight = header(777, 1, 0, 0);
    zeroHeight.push_back(0);
    EXPECT_TRUE(load(zeroHeight).isNull());

    // Exactly a header with nothing behind it.
    EXPECT_TRUE(load(header(777, 1, 1, 4)).isNull());
    EXPECT_TRUE(PixCodec().loadFromMemory(nullptr, 20).isNull());
    EXPECT_TRUE(PixCodec().loadFromMemory(good.data(), 0).isNull());
    EXPECT_TRUE(PixCodec().loadFromMemory(good.data(), -1).isNull());

    // Every truncation of a valid file fails cleanly.
    for (size_t size = 0; size < good.size(); ++size)
        EXPECT_TRUE(PixCodec().loadFromMemory(good.data(), static_cast<int64_t>(size)).isNull()) << size;
}

TEST_F(PixCodecTest, RejectsSizesThatWrapOrExceedTheLimits)
{
    // 0x40000001 x 1 x 4 is 4 in 32-bit arithmetic: a header announcing 4
    // data bytes and a 20-byte file would pass 32-bit checks and then ask for
    // a buffer of 4 GB.
    Bytes wrapped = header(777, 0x40000001, 1, 4);
    putUInt32(wrapped, 0xFFFFFFFF);
    EXPECT_TRUE(load(wrapped).isNull());

    Bytes wrappedHeight = header(777, 1, 0x40000001, 4);
    putUInt32(wrappedHeight, 0);
    EXPECT_TRUE(load(wrappedHeight).isNull());

    // 0x10000 x 0x10000 x 4 wraps to 0.
    Bytes wrappedToZero = header(777, 0x10000, 0x10000, 0);
    wrappedToZero.push_back(0);
    EXPECT_TRUE(load(wrappedToZero).isNull());

    // Sides beyond the limits, even with a consistent size field.
    Bytes tooWide = header(777, Image::kMaxSide + 1, 1, (Image::kMaxSide + 1) * 4);
    tooWide.resize(16 + (Image::kMaxSide + 1) * 4);
    EXPECT_TRUE(load(tooWide).isNull());
}

TEST_F(PixCodecTest, FileReaderChecksTheHeaderAgainstTheLength)
{
    std::string path = m_dir.file("damaged.pix");
    // A small file announcing a picture of 30000 x 30000 must be refused
    // without allocating anything for it.
    Bytes huge = header(777, 30000, 30000, 30000u * 30000u * 4u);
    testsupport::writeFileBytes(path, huge);
    EXPECT_TRUE(PixCodec().loadFromFile(pathOf(path)).isNull());

    Bytes shorter = pixFile(4, 4);
    shorter.pop_back();
    testsupport::writeFileBytes(path, shorter);
    EXPECT_TRUE(PixCodec().loadFromFile(pathOf(path)).isNull());

    Bytes longer = pixFile(4, 4);
    longer.push_back(1);
    testsupport::writeFileBytes(path, longer);
    EXPECT_TRUE(PixCodec().loadFromFile(pathOf(path)).isNull());

    testsupport::writeFileBytes(path, Bytes(10, 0));
    EXPECT_TRUE(PixCodec().loadFromFile(pathOf(path)).isNull());
    testsupport::writeFileBytes(path, Bytes());
    EXPECT_TRUE(PixCodec().loadFromFile(pathOf(path)).isNull());

    EXPECT_TRUE(PixCodec().loadFromFile(pathOf(m_dir.file("missing.pix"))).isNull());

    testsupport::writeFileBytes(path, pixFile(4, 4));
    EXPECT_EQ(PixCodec().loadFromFile(pathOf(path)).pixel(3, 3).value(), 0x403F3E3Du);
}

TEST_F(PixCodecTest, TwentyFourBitImagesAreSavedAsTheySee)
{
    // Widths 1 to 5 cover rows with and without padding.
    for (int width = 1; width <= 5; ++width) {
        Image rgb(width, 2, false);
        for (int x = 0; x < width; ++x) {
            rgb.setPixel(x, 0, Color(static_cast<uint8_t>(10 * x), 20, 30));
            rgb.setPixel(x, 1, Color(40, static_cast<uint8_t>(50 + x), 60));
        }
        std::string path = m_dir.file("rgb.pix");
        ASSERT_TRUE(PixCodec().save(pathOf(path), rgb)) << width;
        EXPECT_EQ(testsupport::readFileBytes(path).size(), 16u + static_cast<size_t>(width) * 2 * 4);
        Image back = PixCodec().loadFromFile(pathOf(path));
        ASSERT_FALSE(back.isNull()) << width;
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(back.pixel(x, 0).value(), rgb.pixel(x, 0).value()) << width;
            EXPECT_EQ(back.pixel(x, 1).value(), rgb.pixel(x, 1).value()) << width;
        }
    }
}

TEST_F(PixCodecTest, PremultipliedImagesAreSavedStraight)
{
    Image image(2, 1, true);
    image.setPixel(0, 0, Color(128, 50, 100, 200));
    image.setPixel(1, 0, Color(255, 1, 2, 3));
    Image premultiplied = image.copy();
    premultiplied.setPremultiplied(true);

    std::string path = m_dir.file("pre.pix");
    ASSERT_TRUE(PixCodec().save(pathOf(path), premultiplied));
    Image back = PixCodec().loadFromFile(pathOf(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_FALSE(back.isPremultiplied());
    // What was saved is the straight picture (within the rounding of the
    // premultiplied bytes), not premultiplied bytes taken for straight ones.
    Image expected = premultiplied.copy();
    expected.setPremultiplied(false);
    EXPECT_EQ(back.pixel(0, 0).value(), expected.pixel(0, 0).value());
    EXPECT_EQ(back.pixel(1, 0).value(), 0xFF010203u);
    // The caller's image is left premultiplied.
    EXPECT_TRUE(premultiplied.isPremultiplied());
    EXPECT_EQ(premultiplied.pixel(0, 0).value(), Color(128, 25, 50, 100).value());
}

TEST_F(PixCodecTest, FailedSavesReportFailureAndKeepTheOldFile)
{
    Image image(1, 1, true);
    image.fill(Color(0xFF010203));
    EXPECT_FALSE(PixCodec().save(String(), image));
    EXPECT_FALSE(PixCodec().save(pathOf(m_dir.file("empty.pix")), Image()));
    EXPECT_FALSE(File::exists(pathOf(m_dir.file("empty.pix"))));

    std::string inMissingFolder = m_dir.file("missing") + "/a.pix";
    EXPECT_FALSE(PixCodec().save(pathOf(inMissingFolder), image));

    // A target that cannot be replaced (a folder of that name): the written
    // temporary file is removed again.
    std::string folderTarget = m_dir.file("folder.pix");
    ASSERT_TRUE(std::filesystem::create_directory(folderTarget));
    EXPECT_FALSE(PixCodec().save(pathOf(folderTarget), image));
    EXPECT_EQ(entriesIn(m_dir.path()), 1);

    // Overwriting a file replaces it whole.
    std::string path = m_dir.file("old.pix");
    testsupport::writeFileBytes(path, pixFile(3, 3));
    ASSERT_TRUE(PixCodec().save(pathOf(path), image));
    EXPECT_EQ(testsupport::readFileBytes(path).size(), 20u);
}

TEST_F(PixCodecTest, ImageEntryPointsChooseTheCodecByExtension)
{
    EXPECT_EQ(ImageCodec::forExtension(u"pix")->name(), String(u"pix"));
    EXPECT_NE(ImageCodec::forExtension(u" PIX "), nullptr);
    EXPECT_EQ(ImageCodec::forExtension(u"pi"), nullptr);
    EXPECT_EQ(ImageCodec::forExtension(u"pixel"), nullptr);
    EXPECT_EQ(ImageCodec::forExtension(String()), nullptr);
    EXPECT_TRUE(ImageCodec::isSupported(u"Pix"));

    Image image(2, 2, true);
    image.fill(Color(0x80402010));
    std::string path = m_dir.file("cover.PIX");
    EXPECT_TRUE(image.save(pathOf(path), false));
    Image back = Image::fromFile(pathOf(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixel(1, 1).value(), 0x80402010u);

    // Without overwrite an existing file stays as it is.
    Image other(1, 1, true);
    other.fill(Color(0xFFFFFFFF));
    EXPECT_FALSE(other.save(pathOf(path), false));
    EXPECT_EQ(Image::fromFile(pathOf(path)).width(), 2);
    EXPECT_TRUE(other.save(pathOf(path), true));
    EXPECT_EQ(Image::fromFile(pathOf(path)).width(), 1);

    EXPECT_FALSE(image.save(pathOf(m_dir.file("cover.xyz")), true));
    EXPECT_FALSE(image.save(pathOf(m_dir.file("cover")), true));
    EXPECT_TRUE(Image::fromFile(pathOf(m_dir.file("cover.xyz"))).isNull());

    Bytes bytes = pixFile(1, 2);
    EXPECT_EQ(Image::fromData(bytes.data(), static_cast<int64_t>(bytes.size()), u"pix").height(), 2);
    EXPECT_TRUE(Image::fromData(bytes.data(), 0, u"pix").isNull());
    EXPECT_TRUE(Image::fromData(bytes.data(), static_cast<int64_t>(bytes.size()), u"raw").isNull());
}

TEST_F(PixCodecTest, NothingLoadsOrSavesWithoutTheRegistry)
{
    std::string path = m_dir.file("a.pix");
    testsupport::writeFileBytes(path, pixFile(1, 1));
    ImageCodec::unregisterAll();
    EXPECT_EQ(ImageCodec::count(), 0);
    EXPECT_EQ(ImageCodec::forExtension(u"pix"), nullptr);
    EXPECT_TRUE(Image::fromFile(pathOf(path)).isNull());
    Image image(1, 1, true);
    EXPECT_FALSE(image.save(pathOf(m_dir.file("b.pix")), true));

    // Registering twice keeps one codec per format.
    ImageCodec::registerAll();
    int count = ImageCodec::count();
    ImageCodec::registerAll();
    EXPECT_EQ(ImageCodec::count(), count);
    EXPECT_FALSE(Image::fromFile(pathOf(path)).isNull());
}
