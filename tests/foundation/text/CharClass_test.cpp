// Character classes and single-unit case mapping. The same answers are
// expected from our own tables natively and from the system under Windows.
#include <gtest/gtest.h>

#include "foundation/text/CharClass.h"

TEST(CharClass, WhiteSpace)
{
    for (char16_t unit : {u'\t', u'\n', u'\v', u'\f', u'\r', u' ', u'\u00A0', u'\u3000', u'\u2003'})
        EXPECT_TRUE(isSpaceChar(unit)) << int(unit);
    for (char16_t unit : {u'a', u'0', u'_', u'\0', u'\u00AD', u'\uFFFF'})
        EXPECT_FALSE(isSpaceChar(unit)) << int(unit);
}

TEST(CharClass, LettersDigitsAndCase)
{
    EXPECT_TRUE(isDigitChar(u'7'));
    EXPECT_FALSE(isDigitChar(u'a'));
    EXPECT_FALSE(isDigitChar(u'\u00B2'));
    EXPECT_TRUE(isAlphaChar(u'\u00E9'));
    EXPECT_TRUE(isAlphaChar(u'\u0416'));
    EXPECT_FALSE(isAlphaChar(u'\u00D7'));
    EXPECT_TRUE(isLowerChar(u'\u00DF'));
    EXPECT_TRUE(isLowerChar(u'\u03C9'));
    EXPECT_FALSE(isLowerChar(u'\u03A9'));
    EXPECT_TRUE(isUpperChar(u'\u0141'));
    EXPECT_TRUE(isUpperChar(u'Q'));
    EXPECT_FALSE(isUpperChar(u'1'));
    EXPECT_TRUE(isAlphaNumericChar(u'5'));
    EXPECT_TRUE(isAlphaNumericChar(u'\u00F1'));
    EXPECT_FALSE(isAlphaNumericChar(u'-'));
    EXPECT_FALSE(isAlphaChar(u'\uFFFF'));
    EXPECT_FALSE(isDigitChar(u'\uFFFF'));
}

TEST(CharClass, PrintableUnitsAreWhatTextEditingAccepts)
{
    for (char16_t unit : {u'a', u'Z', u'5', u' ', u'!', u'~', u'\u00E4', u'\u00BF', u'\u0439'})
        EXPECT_TRUE(isPrintableChar(unit)) << int(unit);
    for (char16_t unit : {u'\n', u'\r', u'\t', u'\0', u'\u007F', u'\u0085', u'\uFFFF'})
        EXPECT_FALSE(isPrintableChar(unit)) << int(unit);
}

TEST(CharClass, AsciiOnlyTests)
{
    EXPECT_TRUE(isAsciiLetter(u'q'));
    EXPECT_FALSE(isAsciiLetter(u'\u00E9'));
    EXPECT_TRUE(isAsciiLower(u'z'));
    EXPECT_FALSE(isAsciiLower(u'Z'));
    EXPECT_TRUE(isAsciiUpper(u'A'));
    EXPECT_FALSE(isAsciiUpper(u'['));
    EXPECT_TRUE(isAsciiLetterOrDigit(u'9'));
    EXPECT_FALSE(isAsciiLetterOrDigit(u'\u0430'));
}

TEST(CharClass, HexDigitValues)
{
    EXPECT_EQ(hexDigitValue(u'0'), 0);
    EXPECT_EQ(hexDigitValue(u'9'), 9);
    EXPECT_EQ(hexDigitValue(u'a'), 10);
    EXPECT_EQ(hexDigitValue(u'F'), 15);
    EXPECT_EQ(hexDigitValue(u'g'), -1);
    EXPECT_EQ(hexDigitValue(u'\uFF10'), -1);
    EXPECT_EQ(highByteOf(u'\u1234'), 0x12);
    EXPECT_TRUE(isZeroUnit(0));
    EXPECT_FALSE(isZeroByte('0'));
}

TEST(CharClass, SingleUnitCaseMapping)
{
    EXPECT_EQ(toUpperUnit(0), 0);
    EXPECT_EQ(toLowerUnit(0), 0);
    EXPECT_EQ(toUpperUnit(u'a'), u'A');
    EXPECT_EQ(toLowerUnit(u'A'), u'a');
    EXPECT_EQ(toUpperUnit(u'1'), u'1');
    EXPECT_EQ(toUpperUnit(u'\u00E4'), u'\u00C4');
    EXPECT_EQ(toLowerUnit(u'\u00D6'), u'\u00F6');
    EXPECT_EQ(toUpperUnit(u'\u00FF'), u'\u0178');
    EXPECT_EQ(toLowerUnit(u'\u0178'), u'\u00FF');
    EXPECT_EQ(toUpperUnit(u'\u0107'), u'\u0106');
    EXPECT_EQ(toLowerUnit(u'\u0139'), u'\u013A');
    EXPECT_EQ(toLowerUnit(u'\u017D'), u'\u017E');
    EXPECT_EQ(toUpperUnit(u'\u03C3'), u'\u03A3');
    EXPECT_EQ(toLowerUnit(u'\u038F'), u'\u03CE');
    EXPECT_EQ(toUpperUnit(u'\u0457'), u'\u0407');
    EXPECT_EQ(toLowerUnit(u'\u0462'), u'\u0463');
    EXPECT_EQ(toUpperUnit(u'\u00D7'), u'\u00D7');
    EXPECT_EQ(toUpperUnit(u'\u4E2D'), u'\u4E2D');
}

TEST(CharClass, WholeTextCaseMapping)
{
    char16_t text[] = u"Gr\u00FC\u00DFe \u0434\u043E";
    toUpperInPlace(text);
    EXPECT_EQ(std::u16string(text), u"GR\u00DC\u00DFE \u0414\u041E");
    toLowerInPlace(text);
    EXPECT_EQ(std::u16string(text), u"gr\u00FC\u00DFe \u0434\u043E");
    toUpperInPlace(nullptr);

    char narrow[] = "MiXeD 1\xE4";
    narrowUpperInPlace(narrow);
    EXPECT_STREQ(narrow, "MIXED 1\xE4");
    narrowLowerInPlace(narrow);
    EXPECT_STREQ(narrow, "mixed 1\xE4");
    EXPECT_EQ(narrowToUpper('q'), 'Q');
    EXPECT_EQ(narrowToLower('\0'), '\0');
    narrowLowerInPlace(nullptr);
}
