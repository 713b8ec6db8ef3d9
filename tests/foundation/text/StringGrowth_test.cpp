// Growth and in-place editing of String: a request too large to hold must
// fail without harm, and editing must never write outside the text.
#include <gtest/gtest.h>

#include "tests/support/StringTestHelpers.h"

TEST(StringGrowth, HugeRequestsFailAndLeaveTheTextAlone)
{
    String text(u"keep");
    text.reserve(String::kMaxCapacity + 1);
    EXPECT_EQ(text.capacity(), 4);
    text.appendRepeated(u'x', 0x7FFFFFFF);
    text.prependRepeated(u'x', 0x7FFFFFFF);
    text.resize(0x7FFFFFFF);
    text.appendChars(u"x", 0x7FFFFFFF);
    EXPECT_EQ(u16(text), u"keep");
}

TEST(StringGrowth, ResizeCutsOrGrowsWithZeroUnits)
{
    String text(u"abcdef");
    text.resize(3);
    EXPECT_EQ(*text.constCharAt(3), 0);
    text.resize(5);
    EXPECT_EQ(u16(text), (std::u16string{u'a', u'b', u'c', 0, 0}));
    text.resize(-1);
    EXPECT_TRUE(text.isEmpty());
}

TEST(StringGrowth, EditingFromItselfIsSafe)
{
    String text(u"ab");
    text.append(text);
    EXPECT_EQ(u16(text), u"abab");
    // A part of the text, while the block has to grow.
    String grown(u"xyz");
    grown.appendChars(grown.data() + 1, 2);
    EXPECT_EQ(u16(grown), u"xyzyz");
    text.assignChars(text.data() + 2, 2);
    EXPECT_EQ(u16(text), u"ab");
    text.insert(1, text);
    EXPECT_EQ(u16(text), u"aabb");
    text.replaceRange(0, 1, text);
    EXPECT_EQ(u16(text), u"aabbabb");
}

TEST(StringGrowth, InsertingAndAppendingClampPositions)
{
    String text(u"ace");
    text.insertChar(1, u'b');
    text.insertChar(3, u'd');
    text.insertChar(5, u'f');
    text.insert(0, String(u">>"));
    text.prependRepeated(u'0', 2);
    // Positions outside the text are clamped instead of writing outside it.
    text.insertChar(-4, u'[');
    text.insertChar(1000, u']');
    EXPECT_EQ(u16(text), u"[00>>abcdef]");

    String appended;
    appended.appendCString(nullptr).appendChars(u"xyz", 0).appendChars(nullptr, 3);
    EXPECT_TRUE(appended.isEmpty());
    appended.appendCString(u"ab").appendChars(u"cdef", 2).appendRepeated(u'!', 2);
    appended.appendNarrowChar(static_cast<char>(0xE9));
    EXPECT_EQ(u16(appended), u"abcd!!\u00E9");
    EXPECT_EQ(appended.byteSizeWithTerminator(), 16);
}

TEST(StringGrowth, RemovingAndReplacingStayInsideTheText)
{
    String text(u"abcdef");
    text.remove(1, 2);
    text.remove(2, 100);
    EXPECT_EQ(u16(text), u"ad");
    text.remove(-1, 1);
    text.remove(2, 1);
    EXPECT_EQ(u16(text), u"ad");
    // A count equal to the whole length clears whatever the position.
    String again(u"xyz");
    again.remove(7, 3);
    EXPECT_TRUE(again.isEmpty());

    String hello(u"hello world");
    hello.replaceRange(0, 5, String(u"hi"));
    hello.replaceRange(3, 100, String(u"you"));
    EXPECT_EQ(u16(hello), u"hi you");
    hello.replaceRange(6, 1, String(u"!"));
    hello.replaceRange(-1, 1, String(u"!"));
    hello.replaceRange(0, 0, String(u"!"));
    hello.replaceRange(0, 2, String());
    EXPECT_EQ(u16(hello), u"hi you");
}
