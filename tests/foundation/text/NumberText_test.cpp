// Numbers as text in both directions: the C library's reading rules with
// saturation, exact integer formatting, and decimals in two locales.
#include <gtest/gtest.h>

#include "foundation/platform/LocaleData.h"
#include "foundation/text/String.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

#include <cmath>
#include <limits>
#include <string>

TEST(NumberText, ReadsIntegersAsTheCLibraryDoes)
{
    EXPECT_EQ(String(u" 42abc").toInt(), 42);
    EXPECT_EQ(String(u"abc").toInt(), 0);
    EXPECT_EQ(String().toInt(), 0);
    EXPECT_EQ(String(u"\t\r\n -17").toInt(), -17);
    EXPECT_EQ(String(u"+8").toInt(), 8);
    EXPECT_EQ(String(u"- 8").toInt(), 0);
    EXPECT_EQ(String(u"0x1F").toInt(), 0);
    EXPECT_EQ(String(u"007").toInt(), 7);
    EXPECT_EQ(String(u"1\u0663").toInt(), 1);
}

TEST(NumberText, SignedReadingSaturates)
{
    EXPECT_EQ(String(u"99999999999").toInt(), 2147483647);
    EXPECT_EQ(String(u"-99999999999").toInt(), -2147483647 - 1);
    EXPECT_EQ(String(u"2147483647").toInt(), 2147483647);
    EXPECT_EQ(String(u"-2147483648").toInt(), -2147483647 - 1);
    EXPECT_EQ(String(u"2147483648").toInt(), 2147483647);
    EXPECT_EQ(String(u"9223372036854775807").toInt64(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(String(u"9223372036854775808").toInt64(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(String(u"-9223372036854775808").toInt64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(String(u"-99999999999999999999999").toInt64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(String(u"-12345678901").toInt64(), -12345678901LL);
}

TEST(NumberText, UnsignedReadingWrapsNegativesAndSaturatesOverflow)
{
    EXPECT_EQ(String(u"4294967295").toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"4294967296").toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"-1").toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"-2").toUInt(), 0xFFFFFFFEu);
    EXPECT_EQ(String(u"-4294967296").toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(String(u"18446744073709551615").toUInt64(), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(String(u"18446744073709551616").toUInt64(), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(String(u"-1").toUInt64(), std::numeric_limits<uint64_t>::max());
}

TEST(NumberText, WritesIntegersExactly)
{
    EXPECT_EQ(u16(String::fromInt(-2147483647 - 1)), u"-2147483648");
    EXPECT_EQ(u16(String::fromInt(0)), u"0");
    EXPECT_EQ(u16(String::fromInt(305)), u"305");
    EXPECT_EQ(u16(String::fromShort(-32768)), u"-32768");
    EXPECT_EQ(u16(String::fromUShort(65535)), u"65535");
    EXPECT_EQ(u16(String::fromUInt(4294967295u)), u"4294967295");
    EXPECT_EQ(u16(String::fromInt64(std::numeric_limits<int64_t>::min())), u"-9223372036854775808");
    EXPECT_EQ(u16(String::fromUInt64(std::numeric_limits<uint64_t>::max())), u"18446744073709551615");
    EXPECT_EQ(String::fromInt(-123456).toInt(), -123456);

    EXPECT_EQ(u16(String::fromHexUInt(0)), u"0");
    EXPECT_EQ(u16(String::fromHexUInt(255)), u"ff");
    EXPECT_EQ(u16(String::fromHexUShort(0xBEEF)), u"beef");
    EXPECT_EQ(u16(String::fromHexUInt64(0x0123456789ABCDEFULL)), u"123456789abcdef");
}

TEST(NumberText, SmallTextForms)
{
    EXPECT_EQ(u16(String::fromBool(true, true)), u"1");
    EXPECT_EQ(u16(String::fromBool(false, true)), u"0");
    EXPECT_EQ(u16(String::fromBool(true, false)), u"true");
    EXPECT_EQ(u16(String::fromBool(false, false)), u"false");

    EXPECT_EQ(u16(String::ordinalSuffix(1)), u"st");
    EXPECT_EQ(u16(String::ordinalSuffix(2)), u"nd");
    EXPECT_EQ(u16(String::ordinalSuffix(23)), u"rd");
    EXPECT_EQ(u16(String::ordinalSuffix(13)), u"th");
    EXPECT_EQ(u16(String::ordinalSuffix(12)), u"th");
    EXPECT_EQ(u16(String::ordinalSuffix(0)), u"th");
    EXPECT_EQ(u16(String::ordinalSuffix(101)), u"st");
    EXPECT_EQ(u16(String::ordinalSuffix(111)), u"th");
    EXPECT_EQ(u16(String::ordinalSuffix(112)), u"th");
    EXPECT_TRUE(String::ordinalSuffix(-1).isEmpty());

    EXPECT_EQ(u16(String::fromRoman(String(u"MCMXCIV"))), u"1994");
    EXPECT_EQ(u16(String::fromRoman(String(u"mmxxiv"))), u"2024");
    EXPECT_EQ(u16(String::fromRoman(String(u"XLII"))), u"42");
    EXPECT_EQ(u16(String::fromRoman(String())), u"0");
}

TEST(NumberText, ByteSizesStepAtStrictlyGreater)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    int unit = -1;
    EXPECT_EQ(u16(String::formatByteSize(1024, &unit)), u"1024 ");
    EXPECT_EQ(unit, 0);
    EXPECT_EQ(u16(String::formatByteSize(1536, &unit)), u"1.50 ");
    EXPECT_EQ(unit, 1);
    EXPECT_EQ(u16(String::formatByteSize(0, &unit)), u"0 ");
    EXPECT_EQ(unit, 0);
    EXPECT_EQ(u16(String::formatByteSize(1048576, &unit)), u"1024.00 ");
    EXPECT_EQ(unit, 1);
    EXPECT_EQ(u16(String::formatByteSize(3ULL << 30 | 1, &unit)), u"3.00 ");
    EXPECT_EQ(unit, 3);
    EXPECT_EQ(u16(String::formatByteSize(5ULL << 40 | 1, nullptr)), u"5.00 ");
}

TEST(NumberText, DecimalsFollowTheLocale)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(u16(String::fromDouble(1.5, 9)), u"1.500000000");
    EXPECT_EQ(u16(String::fromFloat(0.1f, 9)), u"0.100000001");
    EXPECT_EQ(u16(String::fromDouble(-2.675, 2)), u"-2.67");
    EXPECT_EQ(u16(String::fromDouble(2.5, 0)), u"2");
    EXPECT_EQ(u16(String::fromDouble(99999999999999999999.0 / 10, 1)), u"10000000000000000000.0");
    EXPECT_TRUE(String::fromDouble(1e20, 2).isEmpty());
    EXPECT_TRUE(String::fromDouble(-1e20, 2).isEmpty());
    EXPECT_TRUE(String::fromDouble(std::nan(""), 2).isEmpty());
    EXPECT_TRUE(String::fromDouble(1.0, 10).isEmpty());
    EXPECT_TRUE(String::fromDouble(1.0, -1).isEmpty());

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
    EXPECT_DOUBLE_EQ(String(u" -0.25 ").toDouble(), -0.25);
    EXPECT_FLOAT_EQ(String(u"7.25").toFloat(), 7.25f);
    EXPECT_EQ(String(u"12x").toDouble(), 0.0);
    EXPECT_EQ(String().toDouble(), 0.0);
    // A value written under one regional setting reads back under the other.
    String writtenInEnglish = String::fromDouble(3.125, 3);
    String writtenInGerman;
    {
        LocaleScope german(LocaleData::kGermanGermany);
        EXPECT_DOUBLE_EQ(String(u"12,5").toDouble(), 12.5);
        EXPECT_DOUBLE_EQ(String(u"12.5").toDouble(), 12.5);
        EXPECT_DOUBLE_EQ(writtenInEnglish.toDouble(), 3.125);
        writtenInGerman = String::fromDouble(3.125, 3);
    }
    EXPECT_EQ(u16(writtenInGerman), u"3,125");
    EXPECT_DOUBLE_EQ(writtenInGerman.toDouble(), 3.125);
}
