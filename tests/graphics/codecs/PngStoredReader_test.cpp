// Our own PNG files read back without the platform's codecs, and every
// other form or damage refused so that the platform's codec gets it.
#include "graphics/codecs/PngStoredReader.h"

#include "foundation/hash/Crc32.h"
#include "graphics/codecs/PngWriter.h"
#include "graphics/color/Color.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// Where the writer's header and image data chunks begin.
const size_t kHeaderChunk = 8;
const size_t kDataChunk = 33;

Image pattern(int width, int height)
{
    Image image(width, height, true);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Color((x * 7 + y) & 0xFF, x & 0xFF, y & 0xFF, (x * y) & 0xFF));
    }
    return image;
}

Bytes encoded(const Image& image)
{
    ByteArray bytes = PngWriter::encode(image);
    return Bytes(bytes.data(), bytes.data() + bytes.size());
}

Image decoded(const Bytes& bytes)
{
    return PngStoredReader::decode(bytes.data(), int64_t(bytes.size()));
}

// A changed chunk with its CRC made right again, so only the change counts.
void resum(Bytes& bytes, size_t chunk)
{
    const uint32_t length = uint32_t(bytes[chunk]) << 24 | uint32_t(bytes[chunk + 1]) << 16 |
                            uint32_t(bytes[chunk + 2]) << 8 | bytes[chunk + 3];
    const uint32_t crc = Crc32::extend(0, bytes.data() + chunk + 4, length + 4);
    for (int i = 0; i < 4; ++i)
        bytes[chunk + 8 + length + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
}

} // namespace

TEST(PngStoredReader, ReadsTheWritersFilesPixelForPixel)
{
    // The last is larger than one stored block holds.
    const int sizes[][2] = {{1, 1}, {3, 2}, {16, 16}, {200, 100}};
    for (const auto& size : sizes) {
        const Image source = pattern(size[0], size[1]);
        const Image image = decoded(encoded(source));
        ASSERT_EQ(image.size(), source.size()) << size[0] << "x" << size[1];
        EXPECT_TRUE(image.hasAlpha());
        EXPECT_FALSE(image.isPremultiplied());
        int wrong = 0;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x)
                wrong += image.pixel(x, y) == source.pixel(x, y) ? 0 : 1;
        }
        EXPECT_EQ(wrong, 0) << size[0] << "x" << size[1];
    }
}

TEST(PngStoredReader, RefusesEveryOtherFormAndDamage)
{
    struct Case
    {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const size_t headerData = kHeaderChunk + 8;
    const size_t blockHeader = kDataChunk + 8 + 2;
    const Case cases[] = {
        {"no bytes", [](Bytes& b) { b.clear(); }},
        {"cut before the end chunk", [](Bytes& b) { b.resize(b.size() - 1); }},
        {"another signature", [](Bytes& b) { b[1] = 'Q'; }},
        {"16 bits a channel", [&](Bytes& b) { b[headerData + 8] = 16, resum(b, kHeaderChunk); }},
        {"colour without alpha", [&](Bytes& b) { b[headerData + 9] = 2, resum(b, kHeaderChunk); }},
        {"interlaced", [&](Bytes& b) { b[headerData + 12] = 1, resum(b, kHeaderChunk); }},
        {"no width", [&](Bytes& b) { b[headerData + 3] = 0, resum(b, kHeaderChunk); }},
        {"a damaged CRC", [](Bytes& b) { b[kDataChunk + 8 + 5] ^= 1; }},
        {"a damaged pixel", [&](Bytes& b) { b[blockHeader + 6] ^= 1, resum(b, kDataChunk); }},
        {"a compressed block", [&](Bytes& b) { b[blockHeader] = 0x03, resum(b, kDataChunk); }},
        {"a damaged block length", [&](Bytes& b) { b[blockHeader + 3] ^= 1, resum(b, kDataChunk); }},
    };
    const Bytes good = encoded(pattern(4, 3));
    ASSERT_FALSE(decoded(good).isNull());
    for (const Case& c : cases) {
        Bytes bytes = good;
        c.change(bytes);
        EXPECT_TRUE(decoded(bytes).isNull()) << c.what;
    }
    EXPECT_TRUE(PngStoredReader::decode(nullptr, 10).isNull());
}
