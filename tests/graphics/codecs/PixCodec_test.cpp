#include "graphics/codecs/PixCodec.h"

#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/Image.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

using testsupport::text;

// A header, then pixel bytes counting up from 1; by default as many as the
// header announces.
Bytes pixFile(uint32_t width, uint32_t height, int64_t dataSize = -1, int64_t pixelBytes = -1)
{
    dataSize = dataSize < 0 ? width * height * 4 : dataSize;
    pixelBytes = pixelBytes < 0 ? dataSize : pixelBytes;
    Bytes bytes;
    for (uint32_t field : {777u, width, height, uint32_t(dataSize)}) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(field >> (8 * i)));
    }
    for (int64_t i = 0; i < pixelBytes; ++i)
        bytes.push_back(static_cast<uint8_t>(i + 1));
    return bytes;
}

int entriesIn(const std::string& folder)
{
    return int(std::distance(std::filesystem::directory_iterator(folder), {}));
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
            image.setPixel(x, y, Color(uint8_t(0x80 + y), 0x30, uint8_t(0x20 + x), 0x10));
    }
    const std::string path = m_dir.file("two.pix");
    ASSERT_TRUE(PixCodec().save(text(path), image));
    const Bytes expected = {
        0x09, 0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x18, 0x00,
        0x00, 0x00, 0x10, 0x20, 0x30, 0x80, 0x10, 0x21, 0x30, 0x80, 0x10, 0x20, 0x30, 0x81,
        0x10, 0x21, 0x30, 0x81, 0x10, 0x20, 0x30, 0x82, 0x10, 0x21, 0x30, 0x82,
    };
    EXPECT_EQ(expected, testsupport::readFileBytes(path));
    EXPECT_EQ(1, entriesIn(m_dir.path())) << "no temporary file is left behind";

    for (const Image& back : {PixCodec().loadFromFile(text(path)),
                              PixCodec().loadFromMemory(expected.data(), int64_t(expected.size()))}) {
        ASSERT_EQ(Size(2, 3), back.size());
        EXPECT_TRUE(back.hasAlpha() && !back.isPremultiplied());
        EXPECT_EQ(Bytes(expected.begin() + 16, expected.end()), Bytes(back.bits(), back.bits() + 24));
    }
}

TEST_F(PixCodecTest, DamagedFilesAreRefusedFromMemoryAndFromDisk)
{
    const Bytes good = pixFile(2, 2);
    Bytes longer = good, wrongMagic = good, wrongDataSize = good;
    longer.push_back(0);
    wrongMagic[0] = 0x0A;
    wrongDataSize[12] = 15;
    std::vector<std::pair<std::string, Bytes>> rows = {
        {"one byte too many", longer},
        {"wrong magic", wrongMagic},
        {"data size not width x height x 4", wrongDataSize},
        {"zero width", pixFile(0, 1, 0, 0)},
        {"zero height, one byte", pixFile(1, 0, 0, 1)},
        {"only a header", pixFile(1, 1, 4, 0)},
        // 0x40000001 x 4 is 4 in 32 bits: would pass 32-bit checks, then ask for 4 GB.
        {"width wrapping in 32 bits", pixFile(0x40000001, 1, 4, 4)},
        {"height wrapping in 32 bits", pixFile(1, 0x40000001, 4, 4)},
        {"size wrapping to 0", pixFile(0x10000, 0x10000, 0, 1)},
        {"side beyond the limits", pixFile(Image::kMaxSide + 1, 1)},
        // A small file announcing 30000 x 30000 pixels must not allocate for them.
        {"huge picture announced", pixFile(30000, 30000, 30000u * 30000u * 4u, 0)},
        {"ten zero bytes", Bytes(10, 0)}};
    for (size_t size = 0; size < good.size(); ++size)
        rows.push_back({"cut to " + std::to_string(size), Bytes(good.begin(), good.begin() + long(size))});
    const std::string path = m_dir.file("damaged.pix");
    for (const auto& [name, bytes] : rows) {
        EXPECT_TRUE(PixCodec().loadFromMemory(bytes.data(), int64_t(bytes.size())).isNull()) << name;
        ASSERT_TRUE(testsupport::writeFileBytes(path, bytes));
        EXPECT_TRUE(PixCodec().loadFromFile(text(path)).isNull()) << name;
    }
    EXPECT_TRUE(PixCodec().loadFromMemory(nullptr, 20).isNull());
    EXPECT_TRUE(PixCodec().loadFromMemory(good.data(), -1).isNull());
    EXPECT_TRUE(PixCodec().loadFromFile(text(m_dir.file("missing.pix"))).isNull());
    EXPECT_EQ(0x08070605u, PixCodec().loadFromMemory(good.data(), int64_t(good.size())).pixel(1, 0).value());
}

TEST_F(PixCodecTest, TwentyFourBitAndPremultipliedImagesAreSavedAsTheyLook)
{
    const std::string path = m_dir.file("look.pix");
    for (int width = 1; width <= 5; ++width) { // rows with and without padding
        Image rgb(width, 2, false);
        for (int i = 0; i < width * 2; ++i)
            rgb.setPixel(i % width, i / width, Color(uint8_t(10 * i), uint8_t(20 + i), 30));
        ASSERT_TRUE(PixCodec().save(text(path), rgb)) << width;
        EXPECT_EQ(16u + width * 2 * 4, testsupport::readFileBytes(path).size());
        const Image back = PixCodec().loadFromFile(text(path));
        for (int i = 0; i < width * 2; ++i)
            EXPECT_EQ(rgb.pixel(i % width, i / width), back.pixel(i % width, i / width)) << width << " " << i;
    }
    Image premultiplied(2, 1, true);
    premultiplied.setPixel(0, 0, Color(128, 50, 100, 200));
    premultiplied.setPixel(1, 0, Color(255, 1, 2, 3));
    premultiplied.setPremultiplied(true);
    ASSERT_TRUE(PixCodec().save(text(path), premultiplied));
    const Image back = PixCodec().loadFromFile(text(path));
    EXPECT_FALSE(back.isPremultiplied());
    EXPECT_EQ(Color(128, 49, 99, 199), back.pixel(0, 0)) << "straight bytes, not premultiplied ones";
    EXPECT_EQ(0xFF010203u, back.pixel(1, 0).value());
    EXPECT_TRUE(premultiplied.isPremultiplied()) << "the caller's image is left as it was";
    EXPECT_EQ(Color(128, 25, 50, 100), premultiplied.pixel(0, 0));
}

TEST_F(PixCodecTest, SavesThroughTheEntryPointsFailSafelyAndNeedTheRegistry)
{
    Image image(2, 2, true);
    image.fill(Color(0x80402010));
    EXPECT_FALSE(PixCodec().save(String(), image));
    EXPECT_FALSE(PixCodec().save(text(m_dir.file("empty.pix")), Image()));
    EXPECT_FALSE(PixCodec().save(text(m_dir.file("missing") + "/a.pix"), image));
    EXPECT_FALSE(image.save(text(m_dir.file("cover.xyz")), true) ||
                 image.save(text(m_dir.file("cover")), true));
    // A target that cannot be replaced (a folder of that name): the written
    // temporary file is removed again.
    ASSERT_TRUE(std::filesystem::create_directory(m_dir.file("folder.pix")));
    EXPECT_FALSE(PixCodec().save(text(m_dir.file("folder.pix")), image));
    EXPECT_EQ(1, entriesIn(m_dir.path()));

    // The extension picks the codec, trimmed and in any case; without
    // overwrite an existing file stays, with it the file is replaced whole.
    const std::string path = m_dir.file("cover. PIX");
    ASSERT_TRUE(testsupport::writeFileBytes(path, pixFile(3, 3)));
    EXPECT_FALSE(image.save(text(path), false));
    EXPECT_EQ(3, Image::fromFile(text(path)).width());
    EXPECT_TRUE(image.save(text(path), true));
    EXPECT_EQ(32u, testsupport::readFileBytes(path).size());
    EXPECT_EQ(nullptr, ImageCodec::forExtension(u"pi"));
    EXPECT_EQ(nullptr, ImageCodec::forExtension(u"pixel"));
    const Bytes bytes = pixFile(1, 2);
    EXPECT_EQ(2, Image::fromData(bytes.data(), int64_t(bytes.size()), u"pix").height());
    EXPECT_TRUE(Image::fromData(bytes.data(), int64_t(bytes.size()), u"raw").isNull());

    // Registering twice keeps one codec per format; without the registry
    // nothing loads or saves.
    const int count = ImageCodec::count();
    ImageCodec::registerAll();
    EXPECT_EQ(count, ImageCodec::count());
    ImageCodec::unregisterAll();
    EXPECT_TRUE(Image::fromFile(text(path)).isNull());
    EXPECT_FALSE(image.save(text(m_dir.file("b.pix")), true));
    ImageCodec::registerAll();
    EXPECT_EQ(0x80402010u, Image::fromFile(text(path)).pixel(1, 1).value());
}
