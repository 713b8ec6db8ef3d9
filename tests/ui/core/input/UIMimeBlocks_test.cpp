#include "ui/core/input/UIMimeBlocks.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using testsupport::utf8;

Bytes bytesOf(const ByteArray& block)
{
    return block.isEmpty() ? Bytes() : Bytes(block.data(), block.data() + block.size());
}

void put32(Bytes& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = uint8_t(value >> (8 * i));
}

void put16(Bytes& bytes, size_t offset, uint16_t value)
{
    bytes[offset] = uint8_t(value);
    bytes[offset + 1] = uint8_t(value >> 8);
}

Bytes units(const std::u16string& text)
{
    Bytes bytes(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i)
        put16(bytes, 2 * i, text[i]);
    return bytes;
}

// A DIB header as another program would write it, followed by zeroed pixels.
Bytes dib(int32_t width, int32_t height, int bitCount, size_t pixelBytes)
{
    Bytes bytes(40 + pixelBytes, 0);
    put32(bytes, 0, 40);
    put32(bytes, 4, uint32_t(width));
    put32(bytes, 8, uint32_t(height));
    put16(bytes, 12, 1);
    put16(bytes, 14, uint16_t(bitCount));
    return bytes;
}

StringList paths(std::initializer_list<const char16_t*> items)
{
    StringList result;
    for (const char16_t* item : items)
        result.append(String(item));
    return result;
}

TEST(UIMimeBlocks, GoldenTextAndFileListBlocks)
{
    Bytes text = units(u"ab");
    text.resize(8, 0);
    EXPECT_EQ(text, bytesOf(UIMimeBlocks::textBlock(u"ab")));
    EXPECT_TRUE(UIMimeBlocks::textBlock(String()).isEmpty());

    // (sum of (length + 1)) x 2 + 22: the header, each path terminated, one more zero.
    Bytes files(20, 0);
    files[0] = 20;
    files[16] = 1;
    for (const char16_t* path : {u"C:\\a", u"D:\\bc"}) {
        Bytes name = units(path);
        files.insert(files.end(), name.begin(), name.end());
        files.insert(files.end(), 2, 0);
    }
    files.insert(files.end(), 2, 0);
    EXPECT_EQ(size_t((5 + 6) * 2 + 22), files.size());
    EXPECT_EQ(files, bytesOf(UIMimeBlocks::fileListBlock(paths({u"C:\\a", u"D:\\bc"}))));
    EXPECT_TRUE(UIMimeBlocks::fileListBlock(StringList()).isEmpty());
}

TEST(UIMimeBlocks, GoldenDibAndRawBlocks)
{
    Image pixel(1, 1, true);
    pixel.fill(Color(0x80, 0x30, 0x20, 0x10));
    Bytes expected = dib(1, 1, 32, 4);
    expected[40] = 0x10, expected[41] = 0x20, expected[42] = 0x30, expected[43] = 0x80;
    EXPECT_EQ(expected, bytesOf(UIMimeBlocks::dibBlock(pixel)));
    EXPECT_TRUE(UIMimeBlocks::dibBlock(Image()).isEmpty());

    Bytes raw(516, 0);
    Bytes name = units(u"x-id");
    std::copy(name.begin(), name.end(), raw.begin());
    put32(raw, 512, 3);
    raw.insert(raw.end(), {7, 8, 9});
    EXPECT_EQ(raw, bytesOf(UIMimeBlocks::rawBlock(u"x-id", ByteArray("\x07\x08\x09", 3))));

    // The name field keeps 255 characters and a terminator.
    EXPECT_EQ(516, UIMimeBlocks::rawBlock(String(u'n', 255), ByteArray()).size());
    EXPECT_TRUE(UIMimeBlocks::rawBlock(String(u'n', 256), ByteArray("x", 1)).isEmpty());
    EXPECT_TRUE(UIMimeBlocks::rawBlock(String(), ByteArray("x", 1)).isEmpty());
}

TEST(UIMimeBlocks, RoundTrips)
{
    String text;
    ByteArray textBlock = UIMimeBlocks::textBlock(u"\u00e9t\u00e9");
    ASSERT_TRUE(UIMimeBlocks::readTextBlock(textBlock.data(), textBlock.size(), &text));
    EXPECT_EQ("\u00e9t\u00e9", utf8(text));

    StringList list;
    ByteArray files = UIMimeBlocks::fileListBlock(paths({u"C:\\x.avi", u"\\\\server\\share\\y.mkv"}));
    ASSERT_TRUE(UIMimeBlocks::readFileListBlock(files.data(), files.size(), &list));
    EXPECT_EQ("C:\\x.avi|\\\\server\\share\\y.mkv", utf8(list.join(String(u"|"))));

    String name;
    ByteArray bytes;
    ByteArray raw = UIMimeBlocks::rawBlock(u"application/x-loan", ByteArray("\0\1\2", 3));
    ASSERT_TRUE(UIMimeBlocks::readRawBlock(raw.data(), raw.size(), &name, &bytes));
    EXPECT_EQ("application/x-loan", utf8(name));
    EXPECT_EQ(std::string("\0\1\2", 3), testsupport::bytesOf(bytes));

    // Rows come back top-down; a 24-bit image (rows padded) goes out with alpha 255.
    for (bool alpha : {true, false}) {
        Image image(3, 2, alpha);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel(x, y, Color(alpha ? uint8_t(40 * x + y) : 255, uint8_t(x), uint8_t(y), 9));
        ByteArray block = UIMimeBlocks::dibBlock(image);
        EXPECT_EQ(40 + 3 * 2 * 4, block.size());
        Image back = UIMimeBlocks::readDibBlock(block.data(), block.size());
        ASSERT_FALSE(back.isNull()) << alpha;
        EXPECT_TRUE(back.hasAlpha());
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(image.pixel(x, y), back.pixel(x, y)) << alpha << " at " << x << "," << y;
    }
}

TEST(UIMimeBlocks, ForeignDibsAreReadAgainstTheirLayout)
{
    // 24-bit rows of 3 pixels are padded from 9 to 12 bytes; bottom row first.
    Bytes rgb = dib(3, 2, 24, 24);
    rgb[40 + 12 + 6] = 0xAA; // top row, third pixel, blue
    rgb[40 + 0 + 2] = 0xBB;  // bottom row, first pixel, red
    Image image = UIMimeBlocks::readDibBlock(rgb.data(), int64_t(rgb.size()));
    ASSERT_FALSE(image.isNull());
    EXPECT_FALSE(image.hasAlpha());
    EXPECT_EQ(Color(255, 0, 0, 0xAA), image.pixel(2, 0));
    EXPECT_EQ(Color(255, 0xBB, 0, 0), image.pixel(0, 1));

    // Allocators round block sizes up: extra bytes after the pixels are ignored.
    Bytes rounded = dib(1, 1, 32, 16);
    EXPECT_FALSE(UIMimeBlocks::readDibBlock(rounded.data(), int64_t(rounded.size())).isNull());
}

TEST(UIMimeBlocks, MalformedDibsGiveNoImage)
{
    struct Case
    {
        const char* name;
        std::function<void(Bytes&)> damage;
    };
    const Case cases[] = {
        {"truncated pixels", [](Bytes& b) { b.pop_back(); }},
        {"header only", [](Bytes& b) { b.resize(40); }},
        {"short header", [](Bytes& b) { b.resize(39); }},
        {"v4 header size", [](Bytes& b) { put32(b, 0, 108); }},
        {"zero width", [](Bytes& b) { put32(b, 4, 0); }},
        {"negative width", [](Bytes& b) { put32(b, 4, uint32_t(-2)); }},
        {"zero height", [](Bytes& b) { put32(b, 8, 0); }},
        {"negative height", [](Bytes& b) { put32(b, 8, uint32_t(-2)); }},
        {"two planes", [](Bytes& b) { put16(b, 12, 2); }},
        {"8 bits", [](Bytes& b) { put16(b, 14, 8); }},
        {"0 bits", [](Bytes& b) { put16(b, 14, 0); }},
        {"BI_BITFIELDS", [](Bytes& b) { put32(b, 16, 3); }},
        {"colour table", [](Bytes& b) { put32(b, 32, 1); }},
        {"height beyond block", [](Bytes& b) { put32(b, 8, 3); }},
        {"sides beyond the limits", [](Bytes& b) { put32(b, 4, 0x40000000), put32(b, 8, 0x40000000); }},
        {"stride wraps in 32 bits", [](Bytes& b) { put32(b, 4, 0x40000001), put32(b, 8, 1); }},
    };
    for (const Case& c : cases) {
        Bytes block = dib(2, 2, 32, 16);
        c.damage(block);
        EXPECT_TRUE(UIMimeBlocks::readDibBlock(block.data(), int64_t(block.size())).isNull()) << c.name;
    }
}

TEST(UIMimeBlocks, MalformedTextFileAndRawBlocksGiveNoEntry)
{
    struct Case
    {
        const char* name;
        Bytes block;
    };
    Bytes path = units(u"C:\\a");
    auto fileList = [&](uint32_t offset, uint32_t wide, Bytes names) {
        Bytes b(20, 0);
        put32(b, 0, offset);
        put32(b, 16, wide);
        b.insert(b.end(), names.begin(), names.end());
        return b;
    };
    Bytes terminated = path;
    terminated.insert(terminated.end(), 4, 0);
    Bytes longPath = units(std::u16string(260, u'p'));
    longPath.insert(longPath.end(), 4, 0);

    const Case texts[] = {{"empty", {}},
                          {"one byte", {0}},
                          {"only a terminator", {0, 0}},
                          {"unterminated", units(u"ab")},
                          {"odd size unterminated", {'a', 0, 'b'}}};
    for (const Case& c : texts) {
        String text = u"kept";
        EXPECT_FALSE(UIMimeBlocks::readTextBlock(c.block.data(), int64_t(c.block.size()), &text)) << c.name;
        EXPECT_EQ("kept", utf8(text)) << c.name;
    }

    const Case files[] = {{"short header", Bytes(19, 0)},
                          {"offset inside header", fileList(8, 1, terminated)},
                          {"offset beyond block", fileList(4000, 1, terminated)},
                          {"narrow names", fileList(20, 0, terminated)},
                          {"path cut off", fileList(20, 1, path)},
                          {"no paths", fileList(20, 1, Bytes(4, 0))},
                          {"only an overlong path", fileList(20, 1, longPath)}};
    for (const Case& c : files) {
        StringList list = paths({u"kept"});
        EXPECT_FALSE(UIMimeBlocks::readFileListBlock(c.block.data(), int64_t(c.block.size()), &list))
            << c.name;
        EXPECT_EQ(1, list.count()) << c.name;
    }

    Bytes raw = bytesOf(UIMimeBlocks::rawBlock(u"x-id", ByteArray("abc", 3)));
    Bytes countBeyond = raw;
    put32(countBeyond, 512, 4);
    Bytes hugeCount = raw;
    put32(hugeCount, 512, 0xFFFFFFFF);
    Bytes noName = raw;
    put16(noName, 0, 0);
    const Case raws[] = {{"short head", Bytes(raw.begin(), raw.begin() + 515)},
                         {"count beyond block", countBeyond},
                         {"count wraps", hugeCount},
                         {"empty name", noName}};
    for (const Case& c : raws) {
        String name = u"kept";
        ByteArray bytes;
        EXPECT_FALSE(UIMimeBlocks::readRawBlock(c.block.data(), int64_t(c.block.size()), &name, &bytes))
            << c.name;
        EXPECT_EQ("kept", utf8(name)) << c.name;
    }

    // A name filling the whole field is cut at 255 characters.
    Bytes full(516, 0);
    for (size_t i = 0; i < 256; ++i)
        put16(full, 2 * i, u'n');
    String name;
    ByteArray bytes;
    ASSERT_TRUE(UIMimeBlocks::readRawBlock(full.data(), int64_t(full.size()), &name, &bytes));
    EXPECT_EQ(255, name.length());
    EXPECT_TRUE(bytes.isEmpty());
}

} // namespace
