#include "ui/core/input/UIMimeBlocks.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

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

// Headers as another program writes them, then the rest of the block.
Block dib(int32_t width, int32_t height, int bits, Block pixels, uint32_t compression = 0,
          uint32_t colours = 0)
{
    return le(40, 4) + le(uint32_t(width), 4) + le(uint32_t(height), 4) + le(1, 2) + le(bits, 2) +
           le(compression, 4) + Block(12, '\0') + le(colours, 4) + le(0, 4) + pixels;
}

Block files(uint32_t offset, const Block& names)
{
    return le(offset, 4) + Block(12, '\0') + le(1, 4) + names;
}

Block raw(const std::u16string& name, uint32_t count, const Block& bytes)
{
    return units(name) + Block(512 - 2 * name.size(), '\0') + le(count, 4) + bytes;
}

TEST(UIMimeBlocks, GoldenBlocksAndARoundTripInEntryOrder)
{
    EXPECT_EQ(units(u"\u00e9t") + Block(4, '\0'), bytesOf(UIMimeBlocks::textBlock(u"\u00e9t")));
    ByteArray block = UIMimeBlocks::fileListBlock(StringList::split(u"C:\\a|D:\\bc", u"|", 0));
    EXPECT_EQ((5 + 6) * 2 + 22, block.size());
    EXPECT_EQ(files(20, units(u"C:\\a") + le(0, 2) + units(u"D:\\bc") + le(0, 4)), bytesOf(block));
    EXPECT_EQ(raw(u"x-id", 3, Block("\0bc", 3)),
              bytesOf(UIMimeBlocks::rawBlock(u"x-id", ByteArray("\0bc", 3))));
    EXPECT_EQ(516, UIMimeBlocks::rawBlock(String(u'n', 255), ByteArray()).size());
    Image pixel(1, 1, true);
    pixel.fill(Color(0x80, 0x30, 0x20, 0x10));
    EXPECT_EQ(dib(1, 1, 32, "\x10\x20\x30\x80"), bytesOf(UIMimeBlocks::dibBlock(pixel)));

    UIMimeData mime, back;
    mime.setData(String(u'n', 256), ByteArray("x", 1)); // too long for the name field
    mime.setData(u"x-id", ByteArray("\0bc", 3));
    mime.setFilePathList(StringList::split(u"C:\\a|D:\\bc", u"|", 0));
    mime.setImage(pixel);
    mime.setText(u"\u00e9t");
    for (const UIMimeBlocks::Block& b : UIMimeBlocks::blocksOf(mime))
        EXPECT_TRUE(UIMimeBlocks::addBlock(b.kind, b.bytes.data(), b.bytes.size(), &back)) << b.kind;
    EXPECT_EQ("x-id|text/file-path-list|image/*|text/plain", utf8(back.types().join(u"|")));
    EXPECT_EQ("\u00e9t|C:\\a|D:\\bc|" + Block("\0bc", 3), utf8(back.text()) + "|" +
                                                              utf8(back.filePathList().join(u"|")) + "|" +
                                                              bytesOf(back.data(u"x-id")));
}

TEST(UIMimeBlocks, ImagesRoundTripAndForeignDibsRead)
{
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
    // 24-bit rows of 3 pixels are padded to 12 bytes; bytes after the pixels are ignored.
    Block foreign = dib(3, 2, 24, "\xBB" + Block(19, '\0') + "\xAA" + Block(19, '\0'));
    Image image = UIMimeBlocks::readDibBlock(testsupport::raw(foreign), int64_t(foreign.size()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(Color(255, 0, 0, 0xBB), image.pixel(0, 1));
    EXPECT_EQ(Color(255, 0xAA, 0, 0), image.pixel(2, 0));
}

TEST(UIMimeBlocks, MalformedBlocksGiveNoEntry)
{
    const auto D = UIMimeBlocks::kDib, T = UIMimeBlocks::kText, F = UIMimeBlocks::kFileList,
               R = UIMimeBlocks::kRaw;
    Block px(16, '\0'), path = units(u"C:\\a") + le(0, 4);
    const struct
    {
        UIMimeBlocks::Kind kind;
        const char* name;
        Block block;
    } cases[] = {
        {D, "truncated", dib(2, 2, 32, Block(15, '\0'))},
        {D, "zero width", dib(0, 2, 32, px)},
        {D, "negative height", dib(2, -2, 32, px)},
        {D, "BI_BITFIELDS", dib(2, 2, 32, px, 3)},
        {D, "colour table", dib(2, 2, 32, px, 0, 1)},
        {D, "beyond the limits", dib(0x40000000, 0x40000000, 32, px)},
        {T, "unterminated", units(u"ab") + '\0'},
        {T, "empty text", le(0, 4)},
        {T, "zero first", le(0, 2) + units(u"ab") + le(0, 2)},
        {F, "offset beyond", files(400, path)},
        {F, "path cut off", files(20, units(u"C:\\a"))},
        {R, "short head", raw(u"x", 0, "").substr(0, 515)},
        {R, "count beyond", raw(u"x", 4, "abc")},
    };
    for (const auto& c : cases) {
        UIMimeData mime;
        EXPECT_FALSE(
            UIMimeBlocks::addBlock(c.kind, testsupport::raw(c.block), int64_t(c.block.size()), &mime))
            << c.kind << ": " << c.name;
    }
}

} // namespace
