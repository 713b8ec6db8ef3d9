// The byte buffer: growth, surgery at both ends, searches, and indices that
// come from outside data and must never reach past the bytes in use.
#include <gtest/gtest.h>

#include "foundation/text/ByteArray.h"
#include "tests/foundation/text/ByteTestHelpers.h"

#include <cstring>
#include <string>
#include <vector>

TEST(ByteArray, ReservesExactlyZeroFilledAndKeepsItsBytes)
{
    ByteArray array(8);
    EXPECT_TRUE(array.isEmpty());
    EXPECT_EQ(array.capacity(), 8);
    EXPECT_EQ(array.data(), nullptr);
    ASSERT_NE(array.rawData(), nullptr);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(array.rawData()[i], 0);

    array.assignChars("abc", 3);
    array.reserve(100);
    EXPECT_EQ(array.capacity(), 100);
    EXPECT_EQ(bytesOf(array), "abc");
    EXPECT_EQ(array.rawData()[99], 0);
    array.reserve(10);
    EXPECT_EQ(array.capacity(), 100);

    ByteArray copy(array);
    EXPECT_EQ(copy.capacity(), 3);
    EXPECT_EQ(bytesOf(copy), "abc");
}

TEST(ByteArray, ResizeShowsZerosWhereBytesWereDropped)
{
    ByteArray array = bytes("secret");
    array.resize(2);
    EXPECT_EQ(bytesOf(array), "se");
    array.resize(6);
    EXPECT_EQ(bytesOf(array), std::string("se\0\0\0\0", 6));
    array.resize(-3);
    EXPECT_TRUE(array.isEmpty());
}

TEST(ByteArray, CountsBelowOneGiveEmptyArrays)
{
    EXPECT_TRUE(ByteArray("abc", 0).isEmpty());
    EXPECT_TRUE(ByteArray::fromChars("abc", -1).isEmpty());
    EXPECT_TRUE(ByteArray(nullptr, 5).isEmpty());
    ByteArray array = bytes("abc");
    array.assignChars("xyz", 0);
    EXPECT_TRUE(array.isEmpty());
}

TEST(ByteArray, AppendAssignAndTakeWorkOnThemselves)
{
    ByteArray array = bytes("ab");
    array.append(array);
    EXPECT_EQ(bytesOf(array), "abab");
    array.assign(array);
    EXPECT_EQ(bytesOf(array), "abab");
    array.take(array);
    EXPECT_EQ(bytesOf(array), "abab");

    // A source inside the block itself is copied before the block moves.
    array.assignChars(array.data() + 1, 3);
    EXPECT_EQ(bytesOf(array), "bab");

    ByteArray other = bytes("cd");
    array.take(other);
    EXPECT_EQ(bytesOf(array), "babcd");
    EXPECT_TRUE(other.isEmpty());
    EXPECT_EQ(other.capacity(), 2);

    ByteArray empty;
    array.assign(empty);
    EXPECT_TRUE(array.isEmpty());
}

TEST(ByteArray, ManyAppendsStayCheap)
{
    ByteArray array;
    int reallocations = 0;
    const uint8_t* block = nullptr;
    for (int i = 0; i < 100000; ++i) {
        array.appendByte(static_cast<uint8_t>(i));
        if (array.rawData() != block) {
            block = array.rawData();
            ++reallocations;
        }
    }
    EXPECT_EQ(array.size(), 100000);
    EXPECT_LT(reallocations, 40);
    EXPECT_EQ(array.data()[99999], static_cast<uint8_t>(99999));
}

TEST(ByteArray, SearchesAndCounts)
{
    ByteArray array = bytes("abcabc");
    EXPECT_EQ(array.indexOf('b', 0), 1);
    EXPECT_EQ(array.indexOf('b', 2), 4);
    EXPECT_EQ(array.indexOf('b', 6), -1);
    EXPECT_EQ(array.indexOf('b', -5), 1);
    EXPECT_EQ(array.lastIndexOf('a'), 3);
    EXPECT_EQ(array.lastIndexOf('z'), -1);
    EXPECT_TRUE(array.containsByte('c'));
    EXPECT_FALSE(array.containsByte('z'));
    EXPECT_EQ(array.count('c'), 2);
    EXPECT_EQ(ByteArray().indexOf('a', 0), -1);
}

TEST(ByteArray, RemovalsAndChops)
{
    ByteArray array = bytes("abcdef");
    array.chop(2, 1);
    EXPECT_EQ(bytesOf(array), "cde");

    array = bytes("abcdef");
    array.chop(6, 0);
    EXPECT_TRUE(array.isEmpty());
    array = bytes("abcdef");
    array.chop(4, 2);
    EXPECT_TRUE(array.isEmpty());
    array = bytes("abcdef");
    array.chop(40, 40);
    EXPECT_TRUE(array.isEmpty());

    array = bytes("abcdef");
    array.removeAt(2);
    EXPECT_EQ(bytesOf(array), "abdef");
    EXPECT_TRUE(array.removeOne('e'));
    EXPECT_FALSE(array.removeOne('z'));
    array.removeFirst();
    array.removeLast();
    EXPECT_EQ(bytesOf(array), "bd");
}

TEST(ByteArray, IndicesOutsideTheBytesAreIgnored)
{
    ByteArray array = bytes("abc");
    array.setAt(3, 'x');
    array.setAt(-1, 'x');
    array.removeAt(7);
    array.removeAt(-1);
    EXPECT_EQ(bytesOf(array), "abc");
    EXPECT_EQ(array.capacity(), 3);

    ByteArray empty;
    empty.removeFirst();
    empty.removeLast();
    EXPECT_TRUE(empty.isEmpty());

    EXPECT_EQ(bytesOf(array.mid(1, 100)), "bc");
    EXPECT_EQ(bytesOf(array.mid(-2, 2)), "ab");
    EXPECT_TRUE(array.mid(3, 1).isEmpty());
    EXPECT_TRUE(array.mid(1, 0).isEmpty());
    array.setAt(1, 'X');
    EXPECT_EQ(bytesOf(array), "aXc");
}

TEST(ByteArray, ZeroTrimmingAndReversal)
{
    ByteArray array("\0\0ab\0c\0\0", 8);
    EXPECT_EQ(array.trimmedLength(), 6);
    EXPECT_EQ(bytesOf(array.trimZeros()), std::string("ab\0c", 4));
    EXPECT_FALSE(array.isAllZero());

    ByteArray zeros("\0\0\0", 3);
    EXPECT_TRUE(zeros.isAllZero());
    EXPECT_TRUE(zeros.trimZeros().isEmpty());
    EXPECT_EQ(zeros.trimmedLength(), 0);
    EXPECT_FALSE(ByteArray().isAllZero());

    EXPECT_EQ(bytesOf(bytes("abc").reversed()), "cba");
    EXPECT_EQ(bytesOf(bytes("a").reversed()), "a");

    array = bytes("xyzxyz");
    array.fill('q');
    EXPECT_EQ(bytesOf(array), "qqqqqq");
}

TEST(ByteArray, ComparesByUnsignedBytesAndNeverReadsPastItsEnd)
{
    EXPECT_EQ(compareBytes("abc", "abd", 3), -1);
    EXPECT_EQ(compareBytes("\xff", "\x01", 1), 1);
    EXPECT_EQ(compareBytes(nullptr, "a", 1), -1);
    EXPECT_EQ(compareBytes("a", nullptr, 1), 1);
    EXPECT_EQ(compareBytes(nullptr, nullptr, 1), 0);
    const char* same = "abc";
    EXPECT_EQ(compareBytes(same, same, 3), 0);

    EXPECT_EQ(bytes("abc").compareWith("abc", 3), 0);
    EXPECT_EQ(bytes("abc").compareWith("abd", 3), -1);
    EXPECT_EQ(ByteArray().compareWith("a", 1), -1);
    // A shorter array that matches as far as it goes sorts first.
    EXPECT_EQ(bytes("ab").compareWith("abc", 3), -1);
    EXPECT_EQ(bytes("ac").compareWith("abc", 3), 1);
}

TEST(ByteArray, FindsByteSequences)
{
    EXPECT_EQ(findBytes("aaab", 4, "aab", 3), 1);
    EXPECT_EQ(findBytes("abc", 3, "abcd", 4), -1);
    EXPECT_EQ(findBytes("abc", 3, "", 0), -1);
    EXPECT_EQ(findBytes("", 0, "a", 1), -1);
    EXPECT_EQ(findBytes("xyzxyz", 6, "zx", 2), 2);
}

TEST(ByteArray, ReversesWholeElementsOnly)
{
    uint8_t words[6] = {1, 2, 3, 4, 5, 6};
    reverseElements(words, 6, 2);
    EXPECT_EQ(std::vector<uint8_t>(words, words + 6), (std::vector<uint8_t>{5, 6, 3, 4, 1, 2}));
    reverseElements(words, 6, 4);
    EXPECT_EQ(std::vector<uint8_t>(words, words + 6), (std::vector<uint8_t>{5, 6, 3, 4, 1, 2}));
    reverseElements(words, 0, 1);
    reverseElements(words, 6, 0);
    EXPECT_EQ(words[0], 5);
}
