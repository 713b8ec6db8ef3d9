// Searching and replacing in String. The web-page extractors feed these
// computed indexes, so starts outside the text must give "not found" rather
// than reads outside the block.
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

namespace {

std::vector<int> positions(const Array<int>& found)
{
    return std::vector<int>(found.data(), found.data() + found.count());
}

} // namespace

TEST(StringSearch, FindFollowsItsRules)
{
    String abc(u"abc");
    EXPECT_EQ(abc.find(String(u"abc"), 2, 1), 0);
    EXPECT_EQ(String().find(String(u"b"), 0, 1), -1);
    EXPECT_EQ(abc.find(String(), 0, 1), -1);
    EXPECT_EQ(String(u"aaab").find(String(u"aab"), 0, 1), 1);
    EXPECT_EQ(abc.find(String(u"abcd"), 0, 1), -1);
    EXPECT_EQ(abc.find(String(u"abd"), 0, 1), -1);
    EXPECT_EQ(String(u"xyxy").find(String(u"xy"), 1, 1), 2);
    EXPECT_EQ(String(u"xyxy").find(String(u"xy"), -5, 1), 0);
}

TEST(StringSearch, FindWithAStartPastTheEndIsNotFound)
{
    String text(u"abcabc");
    EXPECT_EQ(text.find(String(u"c"), 6, 1), -1);
    EXPECT_EQ(text.find(String(u"c"), 1000, 1), -1);
    EXPECT_EQ(text.find(String(u"c"), 0x7FFFFFFF, 1), -1);
    EXPECT_EQ(text.find(String(u"C"), 0x7FFFFFFF, 0), -1);
    EXPECT_EQ(text.find(String(u"bc"), 5, 1), -1);
    EXPECT_EQ(text.find(String(u"bc"), 4, 1), 4);
    EXPECT_EQ(text.indexOfChar(u'a', 6, 1), -1);
    EXPECT_EQ(text.indexOfChar(u'a', 0x7FFFFFFF, 1), -1);
    EXPECT_EQ(text.indexOfChar(u'a', 1, 1), 3);
    EXPECT_EQ(text.indexOfChar(u'a', -3, 1), 0);
}

TEST(StringSearch, FindIgnoringCase)
{
    String title(u"The Lord of the Rings");
    EXPECT_EQ(title.find(String(u"the"), 0, 1), 12);
    EXPECT_EQ(title.find(String(u"THE"), 0, 0), 0);
    EXPECT_EQ(title.find(String(u"THE"), 1, 0), 12);
    EXPECT_EQ(String(u"\u00C9T\u00C9").find(String(u"\u00E9t\u00E9"), 0, 0), 0);
    EXPECT_EQ(String(u"\u041C\u0418\u0420").find(String(u"\u0438"), 0, 0), 1);
    EXPECT_TRUE(title.contains(String(u"LORD"), 0));
    EXPECT_FALSE(title.contains(String(u"LORD"), 1));
}

TEST(StringSearch, FindAllAndCountDoNotOverlap)
{
    String text(u"aaaa");
    EXPECT_EQ(positions(text.findAll(String(u"aa"), 0, 1)), (std::vector<int>{0, 2}));
    EXPECT_EQ(positions(text.findAll(String(u"aa"), 1, 1)), (std::vector<int>{1}));
    EXPECT_EQ(text.count(String(u"aa"), 1), 2);
    EXPECT_EQ(String(u"a-b-C-c").count(String(u"c"), 0), 2);
    EXPECT_EQ(String(u"a-b-C-c").count(String(u"c"), 1), 1);
    EXPECT_TRUE(String().findAll(String(u"a"), 0, 1).isEmpty());
    EXPECT_TRUE(String(u"ab").findAll(String(u"abc"), 0, 1).isEmpty());
    EXPECT_TRUE(text.findAll(String(u"a"), 9, 1).isEmpty());
}

TEST(StringSearch, ReplaceUsesOccurrencesInTheSourceOnly)
{
    String text(u"a.b.c");
    EXPECT_EQ(u16(text.replace(String(u"."), String(u"::"), 1)), u"a::b::c");
    EXPECT_EQ(u16(text.replace(String(u"."), String(), 1)), u"abc");
    EXPECT_EQ(u16(text.replace(String(u"."), String(u".."), 1)), u"a..b..c");
    EXPECT_EQ(u16(text.replace(String(u"x"), String(u"y"), 1)), u"a.b.c");
    EXPECT_EQ(u16(text.replace(String(), String(u"y"), 1)), u"a.b.c");
    EXPECT_EQ(u16(text.replace(String(u"a.b.c.d"), String(u"y"), 1)), u"a.b.c");
    EXPECT_EQ(u16(String(u"xx").replace(String(u"x"), String(), 1)), u"");
    EXPECT_EQ(u16(String(u"Hello HELLO").replace(String(u"hello"), String(u"bye"), 0)), u"bye bye");
    EXPECT_EQ(u16(String(u"Hello HELLO").replace(String(u"hello"), String(u"bye"), 1)), u"Hello HELLO");
}

TEST(StringSearch, ReplaceManyAppliesPairsInOrder)
{
    String text(u"&lt;b&gt; &amp;lt;");
    StringList from = listOf({u"&lt;", u"&gt;", u"&amp;"});
    StringList to = listOf({u"<", u">", u"&"});
    EXPECT_EQ(u16(text.replaceMany(from, to, 1)), u"<b> &lt;");
    StringList shortTo = listOf({u"<"});
    EXPECT_EQ(u16(text.replaceMany(from, shortTo, 1)), u"<b&gt; &amp;lt;");
    EXPECT_EQ(u16(String().replaceMany(from, to, 1)), u"");
}

TEST(StringSearch, SingleUnitSearchesAndReplacements)
{
    String text(u"Banana");
    EXPECT_EQ(text.countChar(u'a', 1), 3);
    EXPECT_EQ(text.countChar(u'b', 1), 0);
    EXPECT_EQ(text.countChar(u'b', 0), 1);
    EXPECT_EQ(text.countChar(0, 0), 0);
    EXPECT_TRUE(text.containsChar(u'B', 1));
    EXPECT_FALSE(text.containsChar(0, 1));
    EXPECT_FALSE(String().containsChar(u'a', 1));
    EXPECT_EQ(text.lastIndexOfChar(u'a', 1), 5);
    EXPECT_EQ(text.lastIndexOfChar(u'B', 1), 0);
    EXPECT_EQ(text.lastIndexOfChar(u'N', 0), 4);
    EXPECT_EQ(text.lastIndexOfChar(u'z', 0), -1);
    EXPECT_EQ(u16(text.replaceChar(u'a', u'o', 1)), u"Bonono");
    EXPECT_EQ(u16(text.replaceChar(u'B', u'c', 0)), u"canana");
    EXPECT_EQ(u16(String(u"\u00C4\u00E4").replaceChar(u'\u00E4', u'a', 0)), u"aa");
    EXPECT_TRUE(text.startsWithChar(u'b', 0));
    EXPECT_FALSE(text.startsWithChar(u'b', 1));
    EXPECT_TRUE(text.endsWithChar(u'A', 0));
    EXPECT_FALSE(String().endsWithChar(u'a', 0));
}

TEST(StringSearch, ArgFillsPlaceholdersFirstToLast)
{
    String pattern(u"^ of ^ movies shown");
    EXPECT_EQ(u16(pattern.arg(String(u"3")).arg(String(u"10"))), u"3 of 10 movies shown");
    EXPECT_EQ(u16(String(u"no marker").arg(String(u"x"))), u"no marker");
    EXPECT_EQ(u16(String(u"^").arg(String())), u"");
    EXPECT_EQ(u16(String().arg(String(u"x"))), u"");
    EXPECT_EQ(u16(String(u"^^").arg(String(u"^"))), u"^^");
}
