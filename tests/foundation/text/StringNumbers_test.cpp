// Hexadecimal text, hashes and formatting of String.
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

TEST(StringNumbers, HexadecimalTextSkipsOtherUnits)
{
    EXPECT_EQ(String(u"ff").hexToInt(), 255u);
    EXPECT_EQ(String(u"xyz").hexToInt(), 0u);
    EXPECT_EQ(String(u"0x1F").hexToInt(), 31u);
    EXPECT_EQ(String(u"1F").hexToInt(), 31u);
    EXPECT_EQ(String(u"#FF00").hexToInt(), 0xFF00u);
    EXPECT_EQ(String().hexToInt(), 0u);
    EXPECT_EQ(String(u"FFFFFFFF").hexToInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"123456789").hexToInt(), 0x23456789u);
    EXPECT_EQ(String(u"123456789").hexToInt64(), 0x123456789ull);
    EXPECT_EQ(String(u"ffffffffffffffff1").hexToInt64(), 0xfffffffffffffff1ull);
    const char16_t embedded[] = {u'1', 0, u'2'};
    EXPECT_EQ(String(embedded, 3).hexToInt(), 1u);
}

TEST(StringNumbers, NameHashOfArchivesAndTranslations)
{
    EXPECT_EQ(String().hash64(), 0u);
    EXPECT_EQ(String(u"a").hash64(), 97u);
    EXPECT_EQ(String(u"ab").hash64(), 97u * 101 + 98);
    EXPECT_EQ(String(u"images").hash64(), 1115004136530ull);
    // Long names wrap around modulo 2^64.
    EXPECT_EQ(String(u"templates/default/card.html").hash64(), 2964148159668344515ull);
    EXPECT_EQ(String(u"\u00E9").hash64(), 0xE9u);
    const char16_t embedded[] = {u'a', 0, u'b'};
    EXPECT_EQ(String(embedded, 3).hash64(), 97u);
    EXPECT_EQ(String(u"ab").hash(), 97u * 31 + 98);
    EXPECT_EQ(String().hash(), 0u);
}

TEST(StringNumbers, FormatCutsLongOutput)
{
    EXPECT_EQ(u16(String::format(u"%d-%04x", 42, 255)), u"42-00ff");
    String exact = String::format(u"%1022d", 7);
    EXPECT_EQ(exact.length(), 1022);
    EXPECT_EQ(exact.last(), u'7');
    String over = String::format(u"%d%1021d%d", 1, 2, 3);
    EXPECT_EQ(over.length(), 1022);
    EXPECT_EQ(over.first(), u'1');
    EXPECT_EQ(over.last(), u'2');
    String far = String::format(u"%-2000d", 9);
    EXPECT_EQ(far.length(), 1022);
    EXPECT_EQ(far.first(), u'9');
    EXPECT_EQ(u16(String::format(nullptr)), u"");
}

namespace {

int formatInto(char16_t* buffer, int size, const char16_t* format, ...)
{
    va_list args;
    va_start(args, format);
    int written = wideFormatV(buffer, size, format, args);
    va_end(args);
    return written;
}

} // namespace

TEST(StringNumbers, WideFormatIntoASmallBuffer)
{
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(formatInto(buffer, 4, u"%d", 12), 2);
    EXPECT_EQ(std::u16string(buffer), u"12");
    EXPECT_EQ(formatInto(buffer, 4, u"%d", 12345), -1);
    EXPECT_EQ(buffer[3], 0);
    EXPECT_EQ(formatInto(nullptr, 4, u"%d", 1), -1);
    EXPECT_EQ(formatInto(buffer, 0, u"%d", 1), -1);
}
