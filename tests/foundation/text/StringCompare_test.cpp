// Comparing Strings: equality, case-insensitive tests, three-way ordering,
// prefixes and suffixes, and version numbers.
#include <gtest/gtest.h>

#include "tests/support/StringTestHelpers.h"

TEST(StringCompare, EqualityComparesTheWholeLength)
{
    EXPECT_TRUE(String::equals(String(), String(u"")));
    EXPECT_FALSE(String::equals(String(u"abc"), String(u"ab")));
    // Two texts that differ only after an embedded zero unit are different.
    const char16_t first[] = {u'a', 0, u'b', u'c'};
    const char16_t second[] = {u'a', 0, u'x', u'c'};
    String a(first, 4);
    String b(second, 4);
    EXPECT_FALSE(String::equals(a, b));
    EXPECT_FALSE(String::equalsReverse(a, b));
    EXPECT_FALSE(String::equalsIgnoreCase(a, b));
    EXPECT_FALSE(String::equalsIgnoreCaseReverse(a, b));
    EXPECT_TRUE(String::equals(a, String(first, 4)));
    EXPECT_TRUE(String::equalsIgnoreCase(String(u"\u00C4RGER"), String(u"\u00E4rger")));
    EXPECT_TRUE(String::equalsIgnoreCase(String(u"\u0394\u03A9"), String(u"\u03B4\u03C9")));
    EXPECT_TRUE(String::equalsIgnoreCaseReverse(String(u"\u0416\u0401"), String(u"\u0436\u0451")));
    // An empty String equals a null or an empty text; an embedded zero still counts.
    EXPECT_TRUE(String::equalsCString(String(), nullptr) && String::equalsCString(String(), u"") &&
                String::cStringEquals(u"", String()));
    EXPECT_FALSE(String::cStringNotEquals(nullptr, String()) || String::notEqualsCString(String(), u""));
    EXPECT_FALSE(String::equalsCString(String(u"abc"), u"ab") ||
                 String::equalsCString(String(u"a"), nullptr));
    EXPECT_FALSE(String::equalsCString(String(first, 3), u"a"));
}

TEST(StringCompare, ThreeWayOrdering)
{
    EXPECT_EQ(String::compare(nullptr, u""), -1);
    // By unsigned unit: a unit above U+7FFF still sorts last.
    EXPECT_EQ(String::compare(u"\uFF00", u"a"), 1);
    EXPECT_EQ(String::compareCase(u"ABC", u"abc", 1), -1);
    EXPECT_EQ(String::compareCase(u"ABC", u"abc", 7), 0);
    EXPECT_EQ(String::compareFromAlphaNumeric(u"\"(The) end", u"the) END"), 0);
    EXPECT_EQ(String::compareFromAlphaNumeric(u"...b", u"a"), 1);
    EXPECT_EQ(String::compareFromAlphaNumeric(u"--", u""), 0);
}

TEST(StringCompare, PrefixesSuffixesAndWhiteSpace)
{
    String title(u"Star Wars");
    EXPECT_FALSE(title.startsWith(String(u"star"), 1));
    EXPECT_TRUE(title.startsWith(String(u"sTAR"), 0));
    EXPECT_FALSE(title.startsWith(String(), 1));
    EXPECT_FALSE(title.startsWith(String(u"Star Wars II"), 1));
    EXPECT_TRUE(title.endsWith(String(u"WARS"), 0));
    EXPECT_FALSE(title.endsWith(String(u"WARS"), 1));
    EXPECT_FALSE(String(u"s").endsWith(String(u"Wars"), 0));
    EXPECT_TRUE(String(u" \t\r\n").isBlank());
    EXPECT_TRUE(String(u"a\n").hasOuterSpace());
    EXPECT_FALSE(String(u"a b").hasOuterSpace());
}

TEST(StringCompare, VersionNumbers)
{
    struct Row
    {
        const char16_t* left;
        const char16_t* right;
        int expected;
    };
    const Row rows[] = {
        {u"1.10", u"1.9", 1},
        {u"1.2", u"1.2.0", 0},
        {u"1.2a", u"1.2", -2},
        {u"", u"1", -2},
        {u"1", u"  ", -2},
        {u"1.2.0", u"1.3", -1},
        {u" 1.2.0 ", u"1.2", 0},
        {u"1..2", u"1.0.2", 0},
        {u"-1", u"1", -2},
        {u"1.2.0", u"1.2.0.1", -1},
        // Parts too large for 32 bits saturate instead of wrapping around.
        {u"99999999999", u"2147483646", 1},
        {u"99999999999", u"2147483647", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(String::compareVersions(String(row.left), String(row.right)), row.expected)
            << "row " << (&row - rows);
    }
}
