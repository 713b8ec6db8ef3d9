// Splitting and joining with their flags (1 skips empty items, 2 trims).
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

TEST(StringSplit, KeepsEmptyPartsUnlessAskedToSkipThem)
{
    String comma(u",");
    EXPECT_EQ(items(String::split(String(u"a,,b"), comma, 0)), (Items{u"a", u"", u"b"}));
    EXPECT_EQ(items(String::split(String(u"a,,b"), comma, 1)), (Items{u"a", u"b"}));
    EXPECT_EQ(items(String::split(String(u"a,"), comma, 0)), (Items{u"a", u""}));
    EXPECT_EQ(items(String::split(String(u"a,"), comma, 1)), (Items{u"a"}));
    EXPECT_EQ(items(String::split(String(u",a"), comma, 0)), (Items{u"", u"a"}));
    EXPECT_EQ(items(String::split(String(u","), comma, 0)), (Items{u"", u""}));
    EXPECT_EQ(items(String::split(String(u","), comma, 1)), Items{});
}

TEST(StringSplit, TrimsPartsWithFlagTwo)
{
    String comma(u",");
    EXPECT_EQ(items(String::split(String(u" x , y "), comma, 2)), (Items{u"x", u"y"}));
    EXPECT_EQ(items(String::split(String(u"a, ,b"), comma, 2)), (Items{u"a", u"", u"b"}));
    EXPECT_EQ(items(String::split(String(u"a, ,b"), comma, 3)), (Items{u"a", u"b"}));
    // A text without the separator comes back whole, untrimmed.
    EXPECT_EQ(items(String::split(String(u" abc "), comma, 2)), (Items{u" abc "}));
}

TEST(StringSplit, EmptyInputsAndLongSeparators)
{
    EXPECT_EQ(items(String::split(String(), String(u","), 0)), Items{});
    EXPECT_EQ(items(String::split(String(u"abc"), String(), 0)), Items{});
    EXPECT_EQ(items(String::split(String(u"abc"), String(u","), 0)), (Items{u"abc"}));
    EXPECT_EQ(items(String::split(String(u"a\r\nb\r\n"), String(u"\r\n"), 0)), (Items{u"a", u"b", u""}));
    EXPECT_EQ(items(String::split(String(u"a::b:c"), String(u"::"), 0)), (Items{u"a", u"b:c"}));
    EXPECT_EQ(items(String::split(String(u"::"), String(u"::"), 0)), (Items{u"", u""}));
    EXPECT_EQ(items(StringList::split(String(u"1.2"), String(u"."), 0)), (Items{u"1", u"2"}));
}

TEST(StringJoin, SeparatorsAndFlags)
{
    String comma(u",");
    EXPECT_EQ(u16(String::join(listOf({u"a", u"", u"c"}), comma, 0)), u"a,,c");
    EXPECT_EQ(u16(String::join(listOf({u"a", u"", u"c"}), comma, 1)), u"a,c");
    EXPECT_EQ(u16(String::join(listOf({u"", u"b", u""}), comma, 1)), u"b");
    EXPECT_EQ(u16(String::join(listOf({u" a ", u"b "}), String(u"; "), 2)), u"a; b");
    EXPECT_EQ(u16(String::join(listOf({u"a", u"  ", u"c"}), comma, 2)), u"a,,c");
    EXPECT_EQ(u16(String::join(listOf({u"a", u"  ", u"c"}), comma, 3)), u"a,c");
    EXPECT_EQ(u16(String::join(StringList(), comma, 0)), u"");
    // A single item comes back unchanged even when trimming is asked for.
    EXPECT_EQ(u16(String::join(listOf({u" only "}), comma, 2)), u" only ");
    EXPECT_EQ(u16(listOf({u"x", u"y"}).join(String(u"\r\n"), 0)), u"x\r\ny");
}

TEST(StringJoin, SplitUndoesJoinWithoutFlags)
{
    StringList lines = listOf({u"first", u"", u"third", u""});
    String joined = String::join(lines, String::crlf(), 0);
    EXPECT_EQ(u16(joined), u"first\r\n\r\nthird\r\n");
    EXPECT_EQ(items(String::split(joined, String::crlf(), 0)), items(lines));
}
