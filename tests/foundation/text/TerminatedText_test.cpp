// Functions on zero-terminated texts, which every String comparison ends in.
// All must accept null pointers.
#include <gtest/gtest.h>

#include "foundation/text/TerminatedText.h"

TEST(TerminatedText, LengthsAndEmptiness)
{
    EXPECT_EQ(wideLength(nullptr), 0);
    EXPECT_EQ(wideLength(u"abc"), 3);
    EXPECT_EQ(wideByteSize(u"abc"), 6);
    EXPECT_EQ(narrowLength(nullptr), 0);
    EXPECT_EQ(narrowLength("abcd"), 4);
    EXPECT_FALSE(isNonEmptyWide(nullptr));
    EXPECT_FALSE(isNonEmptyWide(u""));
    EXPECT_TRUE(isNonEmptyWide(u"x"));
    EXPECT_FALSE(isNonEmptyNarrow(""));
    EXPECT_TRUE(isNonEmptyNarrow("x"));
}

TEST(TerminatedText, ThreeWayComparisonsWithNulls)
{
    EXPECT_EQ(wideCompare(nullptr, u""), -1);
    EXPECT_EQ(wideCompare(u"", nullptr), 1);
    EXPECT_EQ(wideCompare(nullptr, nullptr), 0);
    EXPECT_EQ(wideCompare(u"abc", u"abc"), 0);
    EXPECT_EQ(wideCompare(u"ab", u"abc"), -1);
    EXPECT_EQ(wideCompare(u"\u00E9", u"z"), 1);
    EXPECT_EQ(wideCompareNoCase(u"abc", u"ABD"), -1);
    EXPECT_EQ(wideCompareNoCase(u"\u00E9t\u00E9", u"\u00C9T\u00C9"), 0);
    EXPECT_EQ(wideCompareNoCase(nullptr, u"a"), -1);
    EXPECT_EQ(narrowCompare("b", "a"), 1);
    EXPECT_EQ(narrowCompare(nullptr, ""), -1);
    EXPECT_EQ(narrowCompare("\xE9", "z"), 1);
    EXPECT_EQ(narrowCompareNoCase("HeLLo", "hello"), 0);
    EXPECT_EQ(narrowCompareNoCase("a", nullptr), 1);
}

TEST(TerminatedText, CountedComparisonsGiveTheDifference)
{
    EXPECT_EQ(wideCompareN(u"abcx", u"abcy", 3), 0);
    EXPECT_EQ(wideCompareN(u"abcx", u"abcy", 4), u'x' - u'y');
    EXPECT_EQ(wideCompareN(u"ab", u"abc", 10), -u'c');
    EXPECT_EQ(wideCompareN(u"a", u"b", 0), 0);
    EXPECT_EQ(wideCompareN(u"a", u"b", -3), 0);
    EXPECT_EQ(wideCompareN(nullptr, u"b", 1), -1);
    EXPECT_EQ(wideCompareNoCaseN(u"ABCx", u"abcY", 3), 0);
    EXPECT_EQ(wideCompareNoCaseN(u"ABCx", u"abcZ", 4), u'X' - u'Z');
}

TEST(TerminatedText, FindingTextsAndUnits)
{
    const char16_t* text = u"one two two";
    EXPECT_EQ(wideFind(text, u"two"), text + 4);
    EXPECT_EQ(wideFind(text, u"three"), nullptr);
    EXPECT_EQ(wideFind(text, u""), text);
    EXPECT_EQ(wideFind(nullptr, u"a"), nullptr);
    const char16_t* overlapping = u"aab";
    EXPECT_EQ(wideFind(overlapping, u"ab"), overlapping + 1);
    const char* narrow = "aaab";
    EXPECT_EQ(narrowFind(narrow, "aab"), narrow + 1);
    EXPECT_EQ(narrowFind(narrow, "b!"), nullptr);

    EXPECT_EQ(wideIndexOfChar(u"Hello", u'L', 1), -1);
    EXPECT_EQ(wideIndexOfChar(u"Hello", u'L', 0), 2);
    EXPECT_EQ(wideIndexOfChar(u"", u'a', 0), -1);
    EXPECT_EQ(wideIndexOfChar(nullptr, u'a', 0), -1);
    EXPECT_EQ(wideIndexOfChar(u"abc", 0, 1), -1);
    EXPECT_EQ(wideIndexOfChar(u"x\u0416", u'\u0436', 0), 1);
    EXPECT_TRUE(wideContainsChar(u"abc", u'C', 0));
    EXPECT_FALSE(wideContainsChar(u"abc", u'C', 1));
    EXPECT_EQ(wideCountChar(u"aAaA", u'a', 0), 4);
    EXPECT_EQ(wideCountChar(u"aAaA", u'a', 1), 2);
    EXPECT_EQ(wideCountChar(nullptr, u'a', 1), 0);
    EXPECT_EQ(narrowIndexOfChar("xYz", 'y', 0), 1);
    EXPECT_EQ(narrowIndexOfChar("xYz", 'y', 1), -1);
    EXPECT_TRUE(narrowContainsChar("abc", 'B', 0));
    EXPECT_FALSE(narrowContainsChar(nullptr, 'B', 0));
}
