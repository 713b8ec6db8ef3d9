// Growth, capacity and in-place editing of String: appends must reallocate
// only a logarithmic number of times, a request too large to hold must fail
// without harm, and editing must never write outside the text.
#include <gtest/gtest.h>

#include "tests/foundation/text/StringTestHelpers.h"

TEST(StringGrowth, FirstReservationIsExactThenDoublesUpToTheStep)
{
    String text;
    text.reserve(10);
    EXPECT_EQ(text.capacity(), 10);
    text.reserve(11);
    EXPECT_EQ(text.capacity(), 22);
    text.reserve(0x100000);
    EXPECT_EQ(text.capacity(), 0x180000);
    text.reserve(5);
    EXPECT_EQ(text.capacity(), 0x180000);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(text.data(), nullptr);
}

TEST(StringGrowth, AppendsReallocateRarely)
{
    String text;
    int reallocations = 0;
    int lastCapacity = text.capacity();
    for (int i = 0; i < 100000; ++i) {
        text.appendChar(u'a' + i % 26);
        if (text.capacity() != lastCapacity) {
            ++reallocations;
            lastCapacity = text.capacity();
        }
    }
    EXPECT_EQ(text.length(), 100000);
    EXPECT_LE(reallocations, 18);
    EXPECT_EQ(text.at(99999), u'a' + 99999 % 26);
    EXPECT_EQ(*text.constCharAt(text.length()), 0);
}

TEST(StringGrowth, EmptyStringsAllocateNothing)
{
    String fromNull(static_cast<const char16_t*>(nullptr));
    String fromEmpty(u"");
    String copy(fromEmpty);
    String assigned;
    assigned.assign(fromEmpty);
    EXPECT_EQ(fromNull.capacity(), 0);
    EXPECT_EQ(fromEmpty.capacity(), 0);
    EXPECT_EQ(copy.capacity(), 0);
    EXPECT_EQ(assigned.capacity(), 0);
    EXPECT_EQ(String(u"abc", 0).capacity(), 0);
    EXPECT_EQ(String(u"abc", -5).capacity(), 0);
    EXPECT_EQ(String(u'x', 0).capacity(), 0);
}

TEST(StringGrowth, ConstructionTakesExactlyTheTextsSize)
{
    EXPECT_EQ(String(u"hello").capacity(), 5);
    EXPECT_EQ(String(u"hello world", 5).capacity(), 5);
    EXPECT_EQ(u16(String(u"hello world", 5)), u"hello");
    EXPECT_EQ(u16(String(u"hello", -1)), u"hello");
    String repeated(u'-', 4);
    EXPECT_EQ(u16(repeated), u"----");
    EXPECT_EQ(repeated.capacity(), 4);
    String copy(repeated);
    EXPECT_EQ(copy.capacity(), 4);
}

TEST(StringGrowth, ClearingKeepsTheBlockAndReleaseFreesIt)
{
    String text(u"some text");
    const char16_t* block = text.data();
    text.clear();
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(text.capacity(), 9);
    EXPECT_EQ(text.data(), nullptr);
    text.assignCString(u"other");
    EXPECT_EQ(text.data(), block);
    text.assignCString(u"");
    EXPECT_EQ(text.capacity(), 9);
    text.release();
    EXPECT_EQ(text.capacity(), 0);
    EXPECT_EQ(text.length(), 0);
}

TEST(StringGrowth, HugeRequestsFailAndLeaveTheTextAlone)
{
    String text(u"keep");
    text.reserve(String::kMaxCapacity + 1);
    EXPECT_EQ(text.capacity(), 4);
    text.appendRepeated(u'x', 0x7FFFFFFF);
    EXPECT_EQ(u16(text), u"keep");
    text.prependRepeated(u'x', 0x7FFFFFFF);
    EXPECT_EQ(u16(text), u"keep");
    text.resize(0x7FFFFFFF);
    EXPECT_EQ(u16(text), u"keep");
    text.appendChars(u"x", 0x7FFFFFFF);
    EXPECT_EQ(u16(text), u"keep");
}

TEST(StringGrowth, ResizeCutsOrGrowsWithZeroUnits)
{
    String text(u"abcdef");
    text.resize(3);
    EXPECT_EQ(u16(text), u"abc");
    EXPECT_EQ(*text.constCharAt(3), 0);
    text.resize(5);
    ASSERT_EQ(text.length(), 5);
    EXPECT_EQ(text.at(3), 0);
    EXPECT_EQ(text.at(4), 0);
    text.resize(-1);
    EXPECT_TRUE(text.isEmpty());
}

TEST(StringGrowth, AppendingAndAssigningFromItselfIsSafe)
{
    String text(u"ab");
    text.append(text);
    EXPECT_EQ(u16(text), u"abab");
    // A part of the text, while the block has to grow.
    String grown(u"xyz");
    grown.appendChars(grown.data() + 1, 2);
    EXPECT_EQ(u16(grown), u"xyzyz");
    text.assign(text);
    EXPECT_EQ(u16(text), u"abab");
    text.assignChars(text.data() + 2, 2);
    EXPECT_EQ(u16(text), u"ab");
    text.insert(1, text);
    EXPECT_EQ(u16(text), u"aabb");
    text.replaceRange(0, 1, text);
    EXPECT_EQ(u16(text), u"aabbabb");
}

TEST(StringGrowth, InsertingAndPrepending)
{
    String text(u"ace");
    text.insertChar(1, u'b');
    text.insertChar(3, u'd');
    text.insertChar(5, u'f');
    EXPECT_EQ(u16(text), u"abcdef");
    text.insert(0, String(u">>"));
    EXPECT_EQ(u16(text), u">>abcdef");
    text.prependRepeated(u'0', 2);
    EXPECT_EQ(u16(text), u"00>>abcdef");
    // Positions outside the text are clamped instead of writing outside it.
    text.insertChar(-4, u'[');
    text.insertChar(1000, u']');
    EXPECT_EQ(u16(text), u"[00>>abcdef]");
    String empty;
    empty.insert(3, String(u"x"));
    EXPECT_EQ(u16(empty), u"x");
    empty.insert(0, String());
    EXPECT_EQ(u16(empty), u"x");
}

TEST(StringGrowth, AppendVariants)
{
    String text;
    text.appendCString(nullptr).appendCString(u"").appendChars(u"xyz", 0).appendChars(nullptr, 3);
    EXPECT_TRUE(text.isEmpty());
    text.appendCString(u"ab").appendChars(u"cdef", 2).appendChar(u'e').appendRepeated(u'!', 3);
    EXPECT_EQ(u16(text), u"abcde!!!");
    text.appendNarrowChar('A');
    text.appendNarrowChar(static_cast<char>(0xE9));
    EXPECT_EQ(text.at(8), u'A');
    EXPECT_EQ(text.last(), u'\u00E9');
    EXPECT_EQ(text.byteSize(), 20);
    EXPECT_EQ(text.byteSizeWithTerminator(), 22);
    EXPECT_EQ(String().byteSizeWithTerminator(), 0);
}

TEST(StringGrowth, RemovingStaysInsideTheText)
{
    String text(u"abcdef");
    text.remove(1, 2);
    EXPECT_EQ(u16(text), u"adef");
    text.remove(2, 100);
    EXPECT_EQ(u16(text), u"ad");
    text.remove(-1, 1);
    text.remove(2, 1);
    text.remove(0, 0);
    EXPECT_EQ(u16(text), u"ad");
    // A count equal to the whole length clears whatever the position.
    text.remove(2, 2);
    EXPECT_TRUE(text.isEmpty());
    String again(u"xyz");
    again.remove(7, 3);
    EXPECT_TRUE(again.isEmpty());
}

TEST(StringGrowth, RemoveCharShrinksTheBlockToTheOldLength)
{
    String text(u"a-b-c");
    text.reserve(100);
    text.removeChar(u'-');
    EXPECT_EQ(u16(text), u"abc");
    EXPECT_EQ(text.capacity(), 5);
    text.removeChar(u'z');
    EXPECT_EQ(text.capacity(), 5);
    text.removeChar(u'A');
    EXPECT_EQ(u16(text), u"abc");
}

TEST(StringGrowth, ReplaceRangeChecksItsArguments)
{
    String text(u"hello world");
    text.replaceRange(6, 5, String(u"there"));
    EXPECT_EQ(u16(text), u"hello there");
    text.replaceRange(0, 5, String(u"hi"));
    EXPECT_EQ(u16(text), u"hi there");
    text.replaceRange(3, 100, String(u"you"));
    EXPECT_EQ(u16(text), u"hi you");
    text.replaceRange(6, 1, String(u"!"));
    text.replaceRange(-1, 1, String(u"!"));
    text.replaceRange(0, 0, String(u"!"));
    text.replaceRange(0, 2, String());
    EXPECT_EQ(u16(text), u"hi you");
}

TEST(StringGrowth, ConcatenationAndOperators)
{
    String a(u"foo");
    String b(u"bar");
    EXPECT_EQ(u16(String::concat(a, b)), u"foobar");
    EXPECT_EQ(String::concat(a, b).capacity(), 6);
    EXPECT_EQ(u16(String::concatCString(a, u"!")), u"foo!");
    EXPECT_EQ(u16(String::concatFromCString(u"<", b)), u"<bar");
    EXPECT_EQ(u16(String::concatChar(a, u'.')), u"foo.");
    EXPECT_EQ(u16(String::concatCharFirst(u'#', b)), u"#bar");
    EXPECT_EQ(u16(String::concat(String(), String())), u"");
    String c = a + u" " + b + u'!';
    c += u"?";
    c += String(u"?");
    c += u'.';
    EXPECT_EQ(u16(c), u"foo bar!??.");
    EXPECT_TRUE(c == String(u"foo bar!??."));
    EXPECT_TRUE(c != a);
}

TEST(StringGrowth, CopiesAreDeepAndMovesTakeTheBlock)
{
    String original(u"shared?");
    String copy(original);
    copy.charAt(0)[0] = u'S';
    EXPECT_EQ(u16(original), u"shared?");
    String moved(std::move(copy));
    EXPECT_EQ(u16(moved), u"Shared?");
    String target(u"old");
    target = std::move(moved);
    EXPECT_EQ(u16(target), u"Shared?");
    target = u"plain";
    EXPECT_EQ(u16(target), u"plain");
    EXPECT_EQ(u16(String::crlf()), u"\r\n");
}
