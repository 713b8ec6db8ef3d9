// Numbers as text in both directions: the C library's reading rules with
// saturation, exact integer formatting, decimals in two locales, hexadecimal
// text, name hashes and formatting.
#include <gtest/gtest.h>

#include "foundation/platform/LocaleData.h"
#include "foundation/text/String.h"
#include "tests/support/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <cmath>
#include <limits>
#include <string>

TEST(NumberText, ReadsIntegersAsTheCLibraryDoesAndSaturates)
{
    struct Row
    {
        const char16_t* text;
        int64_t asInt;
        int64_t asInt64;
    };
    const int64_t kMin64 = std::numeric_limits<int64_t>::min();
    const int64_t kMax64 = std::numeric_limits<int64_t>::max();
    const Row rows[] = {
        {u" 42abc", 42, 42},
        {u"\t\r\n -17", -17, -17},
        {u"- 8", 0, 0},
        {u"0x1F", 0, 0},
        {u"1\u0663", 1, 1},
        {u"2147483648", 2147483647, 2147483648LL},
        {u"-99999999999", -2147483647 - 1, -99999999999LL},
        {u"9223372036854775808", 2147483647, kMax64},
        {u"-99999999999999999999999", -2147483647 - 1, kMin64},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        EXPECT_EQ(String(row.text).toInt(), row.asInt);
        EXPECT_EQ(String(row.text).toInt64(), row.asInt64);
    }
    // Unsigned reading wraps negatives as the C library does and saturates overflow.
    EXPECT_EQ(String(u"4294967296").toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"-2").toUInt(), 0xFFFFFFFEu);
    EXPECT_EQ(String(u"-4294967296").toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"18446744073709551616").toUInt64(), std::numeric_limits<uint64_t>::max());
}

TEST(NumberText, WritesIntegersExactly)
{
    EXPECT_EQ(u16(String::fromInt(-2147483647 - 1)), u"-2147483648");
    EXPECT_EQ(u16(String::fromInt64(std::numeric_limits<int64_t>::min())), u"-9223372036854775808");
    EXPECT_EQ(u16(String::fromUInt64(std::numeric_limits<uint64_t>::max())), u"18446744073709551615");
    EXPECT_EQ(u16(String::fromHexUShort(0xBEEF)), u"beef");
    EXPECT_EQ(u16(String::fromHexUInt64(0x0123456789ABCDEFULL)), u"123456789abcdef");
}

TEST(NumberText, OrdinalsAndRomanNumerals)
{
    const int numbers[] = {1, 2, 23, 13, 12, 0, 101, 111, 112, -1};
    const char16_t* suffixes[] = {u"st", u"nd", u"rd", u"th", u"th", u"th", u"st", u"th", u"th", u""};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(u16(String::ordinalSuffix(numbers[i])), suffixes[i]) << numbers[i];
    // Repeated numerals add up; a smaller one before a larger subtracts.
    const char16_t* romans[] = {u"MCMXCIV", u"", u"III", u"XX", u"MMXXIV"};
    const char16_t* values[] = {u"1994", u"0", u"3", u"20", u"2024"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(u16(String::fromRoman(String(romans[i]))), values[i]) << i;
}

TEST(NumberText, ByteSizesStepAtStrictlyGreater)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    const uint64_t sizes[] = {1024, 1536, 1048576, 3ULL << 30 | 1};
    const char16_t* texts[] = {u"1024 ", u"1.50 ", u"1024.00 ", u"3.00 "};
    const int units[] = {0, 1, 1, 3};
    for (int i = 0; i < 4; ++i) {
        int unit = -1;
        EXPECT_EQ(u16(String::formatByteSize(sizes[i], &unit)), texts[i]) << sizes[i];
        EXPECT_EQ(unit, units[i]) << sizes[i];
    }
    EXPECT_EQ(u16(String::formatByteSize(5ULL << 40 | 1, nullptr)), u"5.00 ");
}

TEST(NumberText, DecimalsFollowTheLocale)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(u16(String::fromFloat(0.1f, 9)), u"0.100000001");
    EXPECT_EQ(u16(String::fromDouble(-2.675, 2)), u"-2.67");
    EXPECT_EQ(u16(String::fromDouble(99999999999999999999.0 / 10, 1)), u"10000000000000000000.0");
    EXPECT_TRUE(String::fromDouble(1e20, 2).isEmpty());
    EXPECT_TRUE(String::fromDouble(std::nan(""), 2).isEmpty());
    EXPECT_TRUE(String::fromDouble(1.0, 10).isEmpty());

    LocaleScope german(LocaleData::kGermanGermany);
    EXPECT_EQ(u16(String::fromDouble(1.5, 2)), u"1,50");
    int unit = 0;
    EXPECT_EQ(u16(String::formatByteSize(1536, &unit)), u"1,50 ");
}

TEST(NumberText, DecimalsReadBackUnderEitherSeparator)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    EXPECT_DOUBLE_EQ(String(u"12.5").toDouble(), 12.5);
    EXPECT_DOUBLE_EQ(String(u"12,5").toDouble(), 12.5);
    EXPECT_FLOAT_EQ(String(u"7.25").toFloat(), 7.25f);
    EXPECT_EQ(String(u"12x").toDouble(), 0.0);
    // A value written under one regional setting reads back under the other,
    // unless it has exactly three decimals: "3,125" in English is a group.
    String writtenInEnglish = String::fromDouble(3.125, 4);
    String writtenInGerman;
    {
        LocaleScope german(LocaleData::kGermanGermany);
        EXPECT_DOUBLE_EQ(String(u"12,5").toDouble(), 12.5);
        EXPECT_DOUBLE_EQ(String(u"12.5").toDouble(), 12.5);
        EXPECT_DOUBLE_EQ(writtenInEnglish.toDouble(), 3.125);
        writtenInGerman = String::fromDouble(3.125, 4);
    }
    EXPECT_EQ(u16(writtenInGerman), u"3,1250");
    EXPECT_DOUBLE_EQ(writtenInGerman.toDouble(), 3.125);
    EXPECT_DOUBLE_EQ(String(u"3,125").toDouble(), 3125.0);
}

TEST(StringNumbers, HexadecimalTextSkipsOtherUnits)
{
    EXPECT_EQ(String(u"0x1F").hexToInt(), 31u);
    EXPECT_EQ(String(u"#FF00").hexToInt(), 0xFF00u);
    EXPECT_EQ(String(u"123456789").hexToInt(), 0x23456789u);
    EXPECT_EQ(String(u"123456789").hexToInt64(), 0x123456789ull);
    const char16_t embedded[] = {u'1', 0, u'2'};
    EXPECT_EQ(String(embedded, 3).hexToInt(), 1u);
}

TEST(StringNumbers, NameHashOfArchivesAndTranslations)
{
    EXPECT_EQ(String().hash64(), 0u);
    EXPECT_EQ(String(u"ab").hash64(), 97u * 101 + 98);
    // Long names wrap around modulo 2^64.
    EXPECT_EQ(String(u"templates/default/card.html").hash64(), 2964148159668344515ull);
    const char16_t embedded[] = {u'a', 0, u'b'};
    EXPECT_EQ(String(embedded, 3).hash64(), 97u);
    EXPECT_EQ(String(u"ab").hash(), 97u * 31 + 98);
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

TEST(StringNumbers, FormatCutsLongOutputAndNeverOverrunsItsBuffer)
{
    EXPECT_EQ(u16(String::format(u"%d-%04x", 42, 255)), u"42-00ff");
    String over = String::format(u"%d%1021d%d", 1, 2, 3);
    EXPECT_EQ(over.length(), 1022);
    EXPECT_EQ(over.last(), u'2');
    EXPECT_EQ(u16(String::format(nullptr)), u"");

    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(formatInto(buffer, 4, u"%d", 12), 2);
    EXPECT_EQ(std::u16string(buffer), u"12");
    EXPECT_EQ(formatInto(buffer, 4, u"%d", 12345), -1);
    EXPECT_EQ(buffer[3], 0);
    EXPECT_EQ(formatInto(nullptr, 4, u"%d", 1), -1);
}
