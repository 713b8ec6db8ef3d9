// Character classes and single-unit case mapping. The same answers are
// expected from our own tables natively and from the system under Windows.
#include <gtest/gtest.h>

#include "foundation/text/CharClass.h"

TEST(CharClass, ClassesOfUnits)
{
    for (char16_t unit : {u'\t', u'\v', u' ', u'\u00A0', u'\u3000', u'\u2003'})
        EXPECT_TRUE(isSpaceChar(unit)) << int(unit);
    for (char16_t unit : {u'a', u'\0', u'\u00AD', u'\uFFFF'})
        EXPECT_FALSE(isSpaceChar(unit)) << int(unit);
    for (char16_t unit : {u'a', u' ', u'~', u'\u00E4', u'\u00BF', u'\u0439'})
        EXPECT_TRUE(isPrintableChar(unit)) << int(unit);
    for (char16_t unit : {u'\n', u'\0', u'\u007F', u'\u0085', u'\uFFFF'})
        EXPECT_FALSE(isPrintableChar(unit)) << int(unit);
    EXPECT_FALSE(isDigitChar(u'\u00B2'));
    EXPECT_TRUE(isAlphaChar(u'\u0416'));
    EXPECT_FALSE(isAlphaChar(u'\u00D7'));
    EXPECT_TRUE(isLowerChar(u'\u00DF'));
    EXPECT_FALSE(isLowerChar(u'\u03A9'));
    EXPECT_EQ(hexDigitValue(u'g'), -1);
    EXPECT_EQ(hexDigitValue(u'\uFF10'), -1);
}

TEST(CharClass, SingleUnitCaseMapping)
{
    struct Row
    {
        char16_t lower;
        char16_t upper;
    };
    const Row pairs[] = {{u'a', u'A'},           {u'\u00E4', u'\u00C4'}, {u'\u00FF', u'\u0178'},
                         {u'\u0107', u'\u0106'}, {u'\u013A', u'\u0139'}, {u'\u017E', u'\u017D'},
                         {u'\u03C3', u'\u03A3'}, {u'\u03CE', u'\u038F'}, {u'\u0457', u'\u0407'},
                         {u'\u0463', u'\u0462'}};
    for (const Row& row : pairs) {
        EXPECT_EQ(toUpperUnit(row.lower), row.upper) << int(row.lower);
        EXPECT_EQ(toLowerUnit(row.upper), row.lower) << int(row.upper);
    }
    for (char16_t unit : {char16_t(0), u'1', u'\u00D7', u'\u4E2D'})
        EXPECT_EQ(toUpperUnit(unit), unit) << int(unit);
}
