// Comparing Strings: equality, case-insensitive tests, three-way ordering,
// prefixes and suffixes, and version numbers.
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

TEST(StringCompare, EqualityComparesTheWholeLength)
{
    EXPECT_TRUE(String::equals(String(), String(u"")));
    EXPECT_TRUE(String::equals(String(u"abc"), String(u"abc")));
    EXPECT_FALSE(String::equals(String(u"abc"), String(u"abd")));
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
    EXPECT_TRUE(String::notEquals(a, b));
    EXPECT_TRUE(String::equals(a, String(first, 4)));
    EXPECT_TRUE(String::equalsReverse(String(u"xyz"), String(u"xyz")));
}

TEST(StringCompare, EqualityWithZeroTerminatedTexts)
{
    EXPECT_TRUE(String::equalsCString(String(), nullptr));
    EXPECT_TRUE(String::equalsCString(String(), u""));
    EXPECT_FALSE(String::equalsCString(String(u"a"), nullptr));
    EXPECT_TRUE(String::equalsCString(String(u"abc"), u"abc"));
    EXPECT_FALSE(String::equalsCString(String(u"abc"), u"abcd"));
    EXPECT_FALSE(String::equalsCString(String(u"abc"), u"ab"));
    EXPECT_TRUE(String::cStringEquals(u"abc", String(u"abc")));
    EXPECT_TRUE(String::notEqualsCString(String(u"abc"), u"abd"));
    EXPECT_FALSE(String::cStringNotEquals(u"", String()));
    const char16_t embedded[] = {u'a', 0, u'b'};
    EXPECT_FALSE(String::equalsCString(String(embedded, 3), u"a"));
}

TEST(StringCompare, IgnoringCase)
{
    EXPECT_TRUE(String::equalsIgnoreCase(String(u"Matrix"), String(u"mATRIX")));
    EXPECT_TRUE(String::equalsIgnoreCase(String(u"\u00C4RGER"), String(u"\u00E4rger")));
    EXPECT_TRUE(String::equalsIgnoreCase(String(u"\u0394\u03A9"), String(u"\u03B4\u03C9")));
    EXPECT_TRUE(String::equalsIgnoreCaseReverse(String(u"\u0416\u0401"), String(u"\u0436\u0451")));
    EXPECT_FALSE(String::equalsIgnoreCase(String(u"abc"), String(u"abd")));
    EXPECT_TRUE(String::equalsIgnoreCase(String(), String()));
}

TEST(StringCompare, ThreeWayOrdering)
{
    EXPECT_EQ(String::compare(nullptr, u""), -1);
    EXPECT_EQ(String::compare(u"", nullptr), 1);
    EXPECT_EQ(String::compare(nullptr, nullptr), 0);
    EXPECT_EQ(String::compare(u"abc", u"abd"), -1);
    EXPECT_EQ(String::compare(u"ab", u"a"), 1);
    // By unsigned unit: a unit above U+7FFF still sorts last.
    EXPECT_EQ(String::compare(u"\uFF00", u"a"), 1);
    EXPECT_EQ(String::compareNoCase(u"abc", u"ABD"), -1);
    EXPECT_EQ(String::compareNoCase(u"ABC", u"abc"), 0);
    EXPECT_EQ(String::compareCase(u"ABC", u"abc", 1), -1);
    EXPECT_EQ(String::compareCase(u"ABC", u"abc", 0), 0);
    EXPECT_EQ(String::compareCase(u"ABC", u"abc", 7), 0);
    EXPECT_EQ(String::compareFromAlphaNumeric(u"\"(The) end", u"the) END"), 0);
    EXPECT_EQ(String::compareFromAlphaNumeric(u"...b", u"a"), 1);
    EXPECT_EQ(String::compareFromAlphaNumeric(u"--", u""), 0);
}

TEST(StringCompare, PrefixesAndSuffixes)
{
    String title(u"Star Wars");
    EXPECT_TRUE(title.startsWith(String(u"Star"), 1));
    EXPECT_FALSE(title.startsWith(String(u"star"), 1));
    EXPECT_TRUE(title.startsWith(String(u"sTAR"), 0));
    EXPECT_FALSE(title.startsWith(String(), 1));
    EXPECT_FALSE(title.startsWith(String(u"Star Wars II"), 1));
    EXPECT_FALSE(String().startsWith(String(u"a"), 1));
    EXPECT_TRUE(title.endsWith(String(u"Wars"), 1));
    EXPECT_TRUE(title.endsWith(String(u"WARS"), 0));
    EXPECT_FALSE(title.endsWith(String(u"WARS"), 1));
    EXPECT_FALSE(title.endsWith(String(), 0));
    EXPECT_TRUE(title.endsWith(title, 1));
    EXPECT_FALSE(String(u"s").endsWith(String(u"Wars"), 0));
}

TEST(StringCompare, WhiteSpaceTests)
{
    EXPECT_TRUE(String(u" \t\r\n").isBlank());
    EXPECT_FALSE(String().isBlank());
    EXPECT_FALSE(String(u" a ").isBlank());
    EXPECT_TRUE(String(u" a").hasOuterSpace());
    EXPECT_TRUE(String(u"a\n").hasOuterSpace());
    EXPECT_FALSE(String(u"a b").hasOuterSpace());
    EXPECT_FALSE(String().hasOuterSpace());
}

TEST(StringCompare, VersionNumbers)
{
    EXPECT_EQ(String::compareVersions(String(u"1.10"), String(u"1.9")), 1);
    EXPECT_EQ(String::compareVersions(String(u"1.2"), String(u"1.2.0")), 0);
    EXPECT_EQ(String::compareVersions(String(u"1.2a"), String(u"1.2")), -2);
    EXPECT_EQ(String::compareVersions(String(), String(u"1")), -2);
    EXPECT_EQ(String::compareVersions(String(u"1"), String(u"  ")), -2);
    EXPECT_EQ(String::compareVersions(String(u"1.2.0"), String(u"1.3")), -1);
    EXPECT_EQ(String::compareVersions(String(u" 1.2.0 "), String(u"1.2.0")), 0);
    EXPECT_EQ(String::compareVersions(String(u"1..2"), String(u"1.0.2")), 0);
    EXPECT_EQ(String::compareVersions(String(u"-1"), String(u"1")), -2);
    EXPECT_EQ(String::compareVersions(String(u"1.2.0"), String(u"1.2.0.1")), -1);
    // Parts too large for 32 bits saturate instead of wrapping around.
    EXPECT_EQ(String::compareVersions(String(u"99999999999"), String(u"2147483646")), 1);
    EXPECT_EQ(String::compareVersions(String(u"99999999999"), String(u"2147483647")), 0);
}
