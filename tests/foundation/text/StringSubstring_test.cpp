// Substrings, trimming and case mapping of String.
#include <gtest/gtest.h>

#include "tests/support/StringTestHelpers.h"

TEST(StringSubstring, MidCountsFromEitherEndAndClampsComputedIndexes)
{
    struct Row
    {
        int from;
        int count;
        const char16_t* expected;
    };
    const Row rows[] = {
        {-3, -1, u"def"}, {1, 3, u"bcd"},   {2, -1, u"cdef"}, {0, 0, u""},   {4, 10, u"ef"},
        {6, 2, u""},      {-100, 2, u"ab"}, {3, -7, u""},     {4, 3, u"ef"}, {0x7FFFFFFF, 0x7FFFFFFF, u""},
    };
    String text(u"abcdef");
    for (const Row& row : rows)
        EXPECT_EQ(u16(text.mid(row.from, row.count)), row.expected) << row.from << ", " << row.count;
    EXPECT_EQ(u16(text.midFrom(4)), u"ef");
    EXPECT_EQ(u16(text.midFrom(-2)), u"abcdef");
    EXPECT_EQ(u16(text.midFrom(99)), u"");
    // A text with an embedded zero unit is still cut by its length.
    const char16_t units[] = {u'a', 0, u'b'};
    EXPECT_EQ(u16(String(units, 3).mid(1, 2)), (std::u16string{0, u'b'}));
}

TEST(StringSubstring, TrimmingAndCollapsing)
{
    EXPECT_EQ(u16(String(u"  \t ").trim()), u"");
    EXPECT_EQ(u16(String(u"\r\n a b \t").trim()), u"a b");
    EXPECT_EQ(u16(String(u"\u00A0x\u00A0").trim()), u"x");
    EXPECT_EQ(u16(String(u" a b  ").trimRight()), u" a b");
    EXPECT_EQ(u16(String(u"--==title==--").trimChars(String(u"-="))), u"title");
    EXPECT_EQ(u16(String(u"--t--").trimLeftChars(String(u"-"))), u"t--");
    EXPECT_EQ(u16(String(u"----").trimChars(String(u"-"))), u"");
    EXPECT_EQ(u16(String(u" a \t b ").collapseWhitespace()), u" a b ");
    EXPECT_EQ(u16(String(u"a\r\n\r\nb").collapseWhitespace()), u"a b");
}

TEST(StringSubstring, CaseMappingBeyondAscii)
{
    EXPECT_EQ(u16(String(u"\u00C9l\u00E8ve \u0141\u00F3d\u017A").toUpper()),
              u"\u00C9L\u00C8VE \u0141\u00D3D\u0179");
    EXPECT_EQ(u16(String(u"\u0391\u03B8\u03AE\u03BD\u03B1").toLower()), u"\u03B1\u03B8\u03AE\u03BD\u03B1");
    EXPECT_EQ(u16(String(u"\u041C\u043E\u0441\u043A\u0432\u0430").toUpper()),
              u"\u041C\u041E\u0421\u041A\u0412\u0410");
    // Units without case pass through, embedded zeros included.
    const char16_t units[] = {u'a', 0, u'\u4E2D'};
    EXPECT_EQ(u16(String(units, 3).toUpper()), (std::u16string{u'A', 0, u'\u4E2D'}));
}
