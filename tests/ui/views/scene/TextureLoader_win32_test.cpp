#include "graphics/codecs/ImageCodec.h"
#include "graphics/image/Image.h"
#include "tests/support/TestSupport.h"
#include "ui/views/scene/TextureLoader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include <cstdlib>
#include <cstring>

namespace {

String pathOf(const std::string& path)
{
    return String(std::u16string(path.begin(), path.end()).c_str());
}

Color patternAt(int x, int y)
{
    return Color(255, uint8_t(x * 6), uint8_t(y * 8), uint8_t((x + y) * 2));
}

Image pattern(int width, int height)
{
    Image image(width, height, true);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, patternAt(x % 40, y % 30));
    return image;
}

// The largest channel difference between the block (B, G, R, A, top row first)
// and the pattern.
int worstDifference(const PixelBlock& block)
{
    int worst = 0;
    for (int i = 0; i < block.width * block.height; ++i) {
        Color e = patternAt(i % block.width % 40, i / block.width % 30);
        const uint8_t* p = block.pixels + i * 4;
        worst = std::max({worst, std::abs(p[0] - e.blue()), std::abs(p[1] - e.green()),
                          std::abs(p[2] - e.red()), std::abs(p[3] - e.alpha())});
    }
    return worst;
}

class TextureLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override { ImageCodec::registerAll(); }
    void TearDown() override { ImageCodec::unregisterAll(); }

    testsupport::TempDir m_dir;
};

} // namespace

TEST_F(TextureLoaderTest, LoadsFittedPixelsOrNothing)
{
    const std::tuple<const char*, int, int> pictures[] = {{"p.png", 40, 30},      {"p.bmp", 40, 30},
                                                          {"p.jpg", 40, 30},      {"wide.png", 1000, 500},
                                                          {"tall.png", 300, 400}, {"thin.png", 1, 1000}};
    for (const auto& [name, width, height] : pictures)
        ASSERT_TRUE(pattern(width, height).save(pathOf(m_dir.file(name)), true));

    // A negative tolerance skips the pixel comparison (thumbnails are resampled).
    const std::tuple<const char*, Size, Size, int> rows[] = {
        {"p.png", Size(0, 0), Size(40, 30), 0},          {"p.bmp", Size(0, 0), Size(40, 30), 0},
        {"p.jpg", Size(0, 0), Size(40, 30), 24},         {"p.png", Size(200, 100), Size(133, 100), -1},
        {"wide.png", Size(128, 128), Size(128, 64), -1}, {"wide.png", Size(0, 0), Size(1000, 500), 0},
        {"tall.png", Size(200, 100), Size(75, 100), -1}, {"thin.png", Size(128, 128), Size(1, 128), -1}};
    for (const auto& [name, box, expected, tolerance] : rows) {
        PixelBlock block;
        ASSERT_TRUE(TextureLoader::loadImagePixels(block, pathOf(m_dir.file(name)), box)) << name;
        EXPECT_EQ(block.width, expected.width) << name << " in " << box.width << "x" << box.height;
        EXPECT_EQ(block.height, expected.height) << name << " in " << box.width << "x" << box.height;
        if (tolerance >= 0) {
            EXPECT_LE(worstDifference(block), tolerance) << name;
        }
        TextureLoader::freePixels(block);
    }

    std::vector<uint8_t> png = testsupport::readFileBytes(m_dir.file("wide.png"));
    png.resize(png.size() / 3);
    // A bitmap header announcing 40000 x 40000 pixels of 24 bits, with none.
    std::vector<uint8_t> huge = {'B', 'M', 0x36, 0,    0,    0, 0, 0,    0,    0, 0x36, 0, 0, 0,  40,
                                 0,   0,   0,    0x40, 0x9C, 0, 0, 0x40, 0x9C, 0, 0,    1, 0, 24, 0,
                                 0,   0,   0,    0,    0,    0, 0, 0,    0,    0, 0,    0, 0, 0,  0,
                                 0,   0,   0,    0,    0,    0, 0, 0,    0,    1, 2,    3, 4};
    ASSERT_TRUE(testsupport::writeFileBytes(m_dir.file("truncated.png"), png));
    ASSERT_TRUE(testsupport::writeFileBytes(m_dir.file("corrupt.png"), std::vector<uint8_t>(300, 0x5A)));
    ASSERT_TRUE(testsupport::writeFileBytes(m_dir.file("huge.bmp"), huge));
    for (const char* name : {"truncated.png", "corrupt.png", "huge.bmp", "missing.png"}) {
        for (Size box : {Size(0, 0), Size(128, 128)}) {
            PixelBlock block;
            EXPECT_FALSE(TextureLoader::loadImagePixels(block, pathOf(m_dir.file(name)), box)) << name;
            EXPECT_TRUE(block.width == 0 && block.height == 0 && block.pixels == nullptr) << name;
        }
    }
    // The loader's GDI+ came and went; the codecs' own is still running.
    EXPECT_TRUE(pattern(4, 4).save(pathOf(m_dir.file("after.png")), true));
}

TEST_F(TextureLoaderTest, EncoderLookupTakesTheLowerCaseExtensionOnly)
{
    const std::tuple<const char*, bool> rows[] = {{"jpg", true},   {"jpeg", true}, {"png", true},
                                                  {"bmp", true},   {"JPG", false}, {"Png", false},
                                                  {".png", false}, {"pix", false}, {"", false}};
    GUID jpeg = {};
    ASSERT_TRUE(TextureLoader::encoderForExtension(pathOf("jpg"), jpeg));
    for (const auto& [extension, found] : rows) {
        GUID clsid = {};
        EXPECT_EQ(TextureLoader::encoderForExtension(pathOf(extension), clsid), found) << extension;
    }
    GUID png = {};
    ASSERT_TRUE(TextureLoader::encoderForExtension(pathOf("png"), png));
    EXPECT_NE(std::memcmp(&png, &jpeg, sizeof png), 0) << "each type has its own encoder";
}
