#include "ui/core/input/UIMimeBlocks.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::bytesOf;
using testsupport::utf8;
using Block = std::string;

Block le(uint32_t value, int size)
{
    Block bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i));
    return bytes;
}

Block units(const std::u16string& text)
{
    Block bytes;
    for (char16_t unit : text)
        bytes += le(unit, 2);
    return bytes;
}

// The DIB header another program writes, then the pixels.
Block dib(int32_t width, int32_t height, int bits, Block pixels, uint32_t compression = 0,
          uint32_t colours = 0)
{
    return le(40, 4) + le(uint32_t(width), 4) + le(uint32_t(height), 4) + le(1, 2) + le(bits, 2) +
           le(compression, 4) + Block(12, '\0') + le(colours, 4) + le(0, 4) + pixels;
}

Block fileList(uint32_t offset, uint32_t wide, const Block& names)
{
    return le(offset, 4) + Block(12, '\0') + le(wide, 4) + names;
}

Block raw(const std::u16string& name, uint32_t count, const Block& bytes)
{
    Block field = units(name);
    return field + Block(512 - field.size(), '\0') + le(count, 4) + bytes;
}

TEST(UIMimeBlocks, GoldenBlocks)
{
    EXPECT_EQ(units(u"ab") + Block(4, '\0'), bytesOf(UIMimeBlocks::textBlock(u"ab")));
    StringList paths = StringList::split(u"C:\\a|D:\\bc", u"|", 0);
    Block files = fileList(20, 1, units(u"C:\\a") + le(0, 2) + units(u"D:\\bc") + le(0, 4));
    EXPECT_EQ(size_t((5 + 6) * 2 + 22), files.size());
    EXPECT_EQ(files, bytesOf(UIMimeBlocks::fileListBlock(paths)));
    Image pixel(1, 1, true);
    pixel.fill(Color(0x80, 0x30, 0x20, 0x10));
    EXPECT_EQ(dib(1, 1, 32, "\x10\x20\x30\x80"), bytesOf(UIMimeBlocks::dibBlock(pixel)));
    EXPECT_EQ(44, UIMimeBlocks::dibBlock(pixel).size());
    EXPECT_EQ(raw(u"x-id", 3, "abc"), bytesOf(UIMimeBlocks::rawBlock(u"x-id", ByteArray("abc", 3))));
    EXPECT_EQ(516, UIMimeBlocks::rawBlock(String(u'n', 255), ByteArray()).size());
    for (String refused : {String(u'n', 256), String()})
        EXPECT_TRUE(UIMimeBlocks::rawBlock(refused, ByteArray("x", 1)).isEmpty()) << refused.length();
    EXPECT_TRUE(UIMimeBlocks::textBlock(String()).isEmpty() && UIMimeBlocks::dibBlock(Image()).isEmpty());
}

TEST(UIMimeBlocks, RoundTripsAndForeignDibs)
{
    String text, name;
    StringList list;
    ByteArray bytes, block = UIMimeBlocks::textBlock(u"\u00e9t\u00e9");
    ASSERT_TRUE(UIMimeBlocks::readTextBlock(block.data(), block.size(), &text));
    EXPECT_EQ("\u00e9t\u00e9", utf8(text));
    block = UIMimeBlocks::fileListBlock(StringList::split(u"C:\\x.avi|\\\\srv\\y.mkv", u"|", 0));
    ASSERT_TRUE(UIMimeBlocks::readFileListBlock(block.data(), block.size(), &list));
    EXPECT_EQ("C:\\x.avi|\\\\srv\\y.mkv", utf8(list.join(u"|")));
    block = UIMimeBlocks::rawBlock(u"x-loan", ByteArray("\0\1", 2));
    ASSERT_TRUE(UIMimeBlocks::readRawBlock(block.data(), block.size(), &name, &bytes));
    EXPECT_EQ("x-loan", utf8(name));
    EXPECT_EQ(Block("\0\1", 2), bytesOf(bytes));
    // Rows come back top-down; a 24-bit image (padded rows) goes out with alpha 255.
    for (bool alpha : {true, false}) {
        Image image(3, 2, alpha);
        for (int i = 0; i < 6; ++i)
            image.setPixel(i % 3, i / 3, Color(alpha ? uint8_t(40 * i) : 255, uint8_t(i), 7, 9));
        Image back = UIMimeBlocks::readDibBlock(UIMimeBlocks::dibBlock(image).data(), 40 + 24);
        ASSERT_FALSE(back.isNull()) << alpha;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(image.pixel(i % 3, i / 3), back.pixel(i % 3, i / 3)) << alpha << " pixel " << i;
    }
    // A 3-pixel 24-bit row is padded to 12 bytes; extra bytes after the pixels are ignored.
    Block foreign = dib(3, 2, 24, "\xBB" + Block(19, '\0') + "\xAA" + Block(19, '\0'));
    Image image = UIMimeBlocks::readDibBlock(testsupport::raw(foreign), int64_t(foreign.size()));
    ASSERT_FALSE(image.isNull());
    EXPECT_FALSE(image.hasAlpha());
    EXPECT_EQ(Color(255, 0, 0, 0xBB), image.pixel(0, 1));
    EXPECT_EQ(Color(255, 0xAA, 0, 0), image.pixel(2, 0));
}

TEST(UIMimeBlocks, MalformedBlocksGiveNoEntry)
{
    Block px(16, '\0'), path = units(u"C:\\a") + le(0, 4);
    const struct
    {
        char kind;
        const char* name;
        Block block;
    } cases[] = {
        {'d', "truncated", dib(2, 2, 32, Block(15, '\0'))},
        {'d', "header only", dib(2, 2, 32, "")},
        {'d', "short header", dib(2, 2, 32, "").substr(0, 39)},
        {'d', "zero width", dib(0, 2, 32, px)},
        {'d', "negative height", dib(2, -2, 32, px)},
        {'d', "8 bits", dib(2, 2, 8, px)},
        {'d', "BI_BITFIELDS", dib(2, 2, 32, px, 3)},
        {'d', "colour table", dib(2, 2, 32, px, 0, 1)},
        {'d', "v4 header", le(108, 4) + dib(2, 2, 32, px).substr(4)},
        {'d', "beyond the limits", dib(0x40000000, 0x40000000, 32, px)},
        {'t', "empty", ""},
        {'t', "only a terminator", le(0, 2)},
        {'t', "unterminated", units(u"ab") + "\0"},
        {'f', "short header", Block(19, '\0')},
        {'f', "offset in header", fileList(8, 1, path)},
        {'f', "offset beyond", fileList(400, 1, path)},
        {'f', "narrow", fileList(20, 0, path)},
        {'f', "path cut off", fileList(20, 1, units(u"C:\\a"))},
        {'f', "no paths", fileList(20, 1, le(0, 4))},
        {'f', "overlong path only", fileList(20, 1, units(std::u16string(260, u'p')) + le(0, 4))},
        {'r', "short head", raw(u"x", 0, "").substr(0, 515)},
        {'r', "count beyond", raw(u"x", 4, "abc")},
        {'r', "count wraps", raw(u"x", 0xFFFFFFFF, "abc")},
        {'r', "empty name", raw(u"", 0, "")},
    };
    for (const auto& c : cases) {
        const uint8_t* data = testsupport::raw(c.block);
        int64_t size = int64_t(c.block.size());
        String text = u"kept";
        StringList list;
        ByteArray bytes;
        bool read = c.kind == 'd'   ? !UIMimeBlocks::readDibBlock(data, size).isNull()
                    : c.kind == 't' ? UIMimeBlocks::readTextBlock(data, size, &text)
                    : c.kind == 'f' ? UIMimeBlocks::readFileListBlock(data, size, &list)
                                    : UIMimeBlocks::readRawBlock(data, size, &text, &bytes);
        EXPECT_FALSE(read) << c.kind << ": " << c.name;
        EXPECT_EQ("kept", utf8(text)) << c.kind << ": " << c.name;
    }
}

} // namespace
