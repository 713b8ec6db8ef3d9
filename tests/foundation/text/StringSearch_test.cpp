// Searching, replacing, splitting and joining in String. The web-page
// extractors feed these computed indexes, so starts outside the text must
// give "not found" rather than reads outside the block.
#include <gtest/gtest.h>

#include "tests/support/StringTestHelpers.h"

TEST(StringSearch, FindWithStartsInsideAndOutsideTheText)
{
    struct Row
    {
        const char16_t* text;
        const char16_t* what;
        int from;
        int caseSensitive;
        int expected;
    };
    const Row rows[] = {
        {u"abc", u"abc", 0, 1, 0},
        {u"abc", u"abc", 2, 1, -1}, // the whole text does not stand after its start
        {u"", u"b", 0, 1, -1},
        {u"abc", u"", 0, 1, -1},
        {u"aaab", u"aab", 0, 1, 1},
        {u"abc", u"abcd", 0, 1, -1},
        {u"xyxy", u"xy", 1, 1, 2},
        {u"xyxy", u"xy", -5, 1, 0},
        {u"abcabc", u"c", 6, 1, -1},
        {u"abcabc", u"c", 0x7FFFFFFF, 1, -1},
        {u"abcabc", u"C", 0x7FFFFFFF, 0, -1},
        {u"abcabc", u"bc", 5, 1, -1},
        {u"abcabc", u"bc", 4, 1, 4},
        {u"The Lord of the Rings", u"THE", 1, 0, 12},
        {u"\u00C9T\u00C9", u"\u00E9t\u00E9", 0, 0, 0},
        {u"\u041C\u0418\u0420", u"\u0438", 0, 0, 1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(String(row.text).find(String(row.what), row.from, row.caseSensitive), row.expected)
            << "row " << (&row - rows);
    }
    String text(u"abcabc");
    EXPECT_EQ(text.indexOfChar(u'a', 6, 1), -1);
    EXPECT_EQ(text.indexOfChar(u'a', 0x7FFFFFFF, 1), -1);
    EXPECT_EQ(text.indexOfChar(u'a', 1, 1), 3);
    EXPECT_EQ(text.indexOfChar(u'a', -3, 1), 0);
}

TEST(StringSearch, FindAllAndCountDoNotOverlap)
{
    String text(u"aaaa");
    const Array<int> found = text.findAll(String(u"aa"), 0, 1);
    EXPECT_EQ(std::vector<int>(found.data(), found.data() + found.count()), (std::vector<int>{0, 2}));
    EXPECT_EQ(text.count(String(u"aa"), 1), 2);
    EXPECT_TRUE(String(u"ab").findAll(String(u"abc"), 0, 1).isEmpty());
    EXPECT_TRUE(text.findAll(String(u"a"), 9, 1).isEmpty());
}

TEST(StringSearch, ReplaceUsesOccurrencesInTheSourceOnly)
{
    String text(u"a.b.c");
    EXPECT_EQ(u16(text.replace(String(u"."), String(u"::"), 1)), u"a::b::c");
    EXPECT_EQ(u16(text.replace(String(u"."), String(u".."), 1)), u"a..b..c");
    EXPECT_EQ(u16(text.replace(String(), String(u"y"), 1)), u"a.b.c");
    EXPECT_EQ(u16(text.replace(String(u"a.b.c.d"), String(u"y"), 1)), u"a.b.c");
    EXPECT_EQ(u16(String(u"xx").replace(String(u"x"), String(), 1)), u"");
    EXPECT_EQ(u16(String(u"Hello HELLO").replace(String(u"hello"), String(u"bye"), 0)), u"bye bye");

    String escaped(u"&lt;b&gt; &amp;lt;");
    StringList from = listOf({u"&lt;", u"&gt;", u"&amp;"});
    EXPECT_EQ(u16(escaped.replaceMany(from, listOf({u"<", u">", u"&"}), 1)), u"<b> &lt;");
    EXPECT_EQ(u16(escaped.replaceMany(from, listOf({u"<"}), 1)), u"<b&gt; &amp;lt;");
}

TEST(StringSearch, ArgFillsPlaceholdersFirstToLast)
{
    String pattern(u"^ of ^ movies shown");
    EXPECT_EQ(u16(pattern.arg(String(u"3")).arg(String(u"10"))), u"3 of 10 movies shown");
    EXPECT_EQ(u16(String(u"^^").arg(String(u"^"))), u"^^");
}

// Splitting and joining with their flags (1 skips empty items, 2 trims).
TEST(StringSplit, SeparatorsAndFlags)
{
    struct Row
    {
        const char16_t* text;
        const char16_t* separator;
        int flags;
        Items expected;
    };
    const Row rows[] = {
        {u"a,,b", u",", 0, {u"a", u"", u"b"}},
        {u"a,,b", u",", 1, {u"a", u"b"}},
        {u"a,", u",", 0, {u"a", u""}},
        {u",", u",", 1, {}},
        {u" x , y ", u",", 2, {u"x", u"y"}},
        {u"a, ,b", u",", 2, {u"a", u"", u"b"}},
        {u"a, ,b", u",", 3, {u"a", u"b"}},
        {u" abc ", u",", 2, {u" abc "}},
        {u"", u",", 0, {}},
        {u"abc", u"", 0, {}},
        {u"a::b:c", u"::", 0, {u"a", u"b:c"}},
        {u"::", u"::", 0, {u"", u""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        EXPECT_EQ(items(String::split(String(row.text), String(row.separator), row.flags)), row.expected);
    }
}

TEST(StringJoin, SeparatorsAndFlags)
{
    String comma(u",");
    EXPECT_EQ(u16(String::join(listOf({u"a", u"", u"c"}), comma, 0)), u"a,,c");
    EXPECT_EQ(u16(String::join(listOf({u"", u"b", u""}), comma, 1)), u"b");
    EXPECT_EQ(u16(String::join(listOf({u" a ", u"b "}), String(u"; "), 2)), u"a; b");
    EXPECT_EQ(u16(String::join(listOf({u"a", u"  ", u"c"}), comma, 3)), u"a,c");
    // A single item comes back unchanged even when trimming is asked for.
    EXPECT_EQ(u16(String::join(listOf({u" only "}), comma, 2)), u" only ");
    // Split undoes a join without flags.
    StringList lines = listOf({u"first", u"", u"third", u""});
    String joined = lines.join(String::crlf(), 0);
    EXPECT_EQ(u16(joined), u"first\r\n\r\nthird\r\n");
    EXPECT_EQ(items(StringList::split(joined, String::crlf(), 0)), items(lines));
}
