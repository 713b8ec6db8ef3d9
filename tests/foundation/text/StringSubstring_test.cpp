// Substrings, trimming and case mapping of String.
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

TEST(StringSubstring, MidCountsFromEitherEnd)
{
    String text(u"abcdef");
    EXPECT_EQ(u16(text.mid(-3, -1)), u"def");
    EXPECT_EQ(u16(text.mid(1, 3)), u"bcd");
    EXPECT_EQ(u16(text.mid(2, -1)), u"cdef");
    EXPECT_EQ(u16(text.mid(0, 6)), u"abcdef");
    EXPECT_EQ(u16(text.mid(0, 0)), u"");
    EXPECT_EQ(u16(String().mid(0, 3)), u"");
    EXPECT_EQ(u16(text.midFrom(4)), u"ef");
    EXPECT_EQ(u16(text.midFrom(6)), u"");
}

TEST(StringSubstring, MidClampsComputedIndexes)
{
    String text(u"abcdef");
    EXPECT_EQ(u16(text.mid(4, 10)), u"ef");
    EXPECT_EQ(u16(text.mid(6, 2)), u"");
    EXPECT_EQ(u16(text.mid(100, 2)), u"");
    EXPECT_EQ(u16(text.mid(-100, 2)), u"ab");
    EXPECT_EQ(u16(text.mid(0x7FFFFFFF, 0x7FFFFFFF)), u"");
    EXPECT_EQ(u16(text.mid(3, -7)), u"");
    EXPECT_EQ(u16(text.midFrom(-2)), u"abcdef");
    EXPECT_EQ(u16(text.midFrom(99)), u"");
    // A text with an embedded zero unit is still cut by its length.
    const char16_t units[] = {u'a', 0, u'b'};
    EXPECT_EQ(u16(String(units, 3).mid(1, 2)), (std::u16string{0, u'b'}));
}

TEST(StringSubstring, TrimmingWhiteSpace)
{
    EXPECT_EQ(u16(String(u"  \t ").trim()), u"");
    EXPECT_EQ(u16(String(u"ab").trim()), u"ab");
    EXPECT_EQ(u16(String(u"\r\n a b \t").trim()), u"a b");
    EXPECT_EQ(u16(String(u"\u00A0x\u00A0").trim()), u"x");
    EXPECT_EQ(u16(String(u" a b  ").trimRight()), u" a b");
    EXPECT_EQ(u16(String(u"   ").trimRight()), u"");
    EXPECT_EQ(u16(String().trim()), u"");
}

TEST(StringSubstring, TrimmingASetOfUnits)
{
    String text(u"--==title==--");
    EXPECT_EQ(u16(text.trimChars(String(u"-="))), u"title");
    EXPECT_EQ(u16(text.trimChars(String())), u"--==title==--");
    EXPECT_EQ(u16(text.trimLeftChars(String(u"-"))), u"==title==--");
    EXPECT_EQ(u16(String(u"----").trimChars(String(u"-"))), u"");
    EXPECT_EQ(u16(String(u"Aa").trimChars(String(u"a"))), u"A");
}

TEST(StringSubstring, CollapsingWhiteSpace)
{
    EXPECT_EQ(u16(String(u" a \t b ").collapseWhitespace()), u" a b ");
    EXPECT_EQ(u16(String(u"a\r\n\r\nb").collapseWhitespace()), u"a b");
    EXPECT_EQ(u16(String(u"\t\t").collapseWhitespace()), u" ");
    EXPECT_EQ(u16(String(u"plain").collapseWhitespace()), u"plain");
}

TEST(StringSubstring, CaseMappingBeyondAscii)
{
    EXPECT_EQ(u16(String(u"Hello, World 42").toUpper()), u"HELLO, WORLD 42");
    EXPECT_EQ(u16(String(u"Hello, World 42").toLower()), u"hello, world 42");
    EXPECT_EQ(u16(String(u"\u00C9l\u00E8ve \u0141\u00F3d\u017A").toUpper()),
              u"\u00C9L\u00C8VE \u0141\u00D3D\u0179");
    EXPECT_EQ(u16(String(u"\u0391\u03B8\u03AE\u03BD\u03B1").toLower()), u"\u03B1\u03B8\u03AE\u03BD\u03B1");
    EXPECT_EQ(u16(String(u"\u041C\u043E\u0441\u043A\u0432\u0430").toUpper()),
              u"\u041C\u041E\u0421\u041A\u0412\u0410");
    EXPECT_EQ(u16(String(u"\u0401\u0416").toLower()), u"\u0451\u0436");
    // Units without case pass through, embedded zeros included.
    const char16_t units[] = {u'a', 0, u'\u4E2D'};
    EXPECT_EQ(u16(String(units, 3).toUpper()), (std::u16string{u'A', 0, u'\u4E2D'}));
}
