// The byte buffer: growth, surgery at both ends, searches, and indices that
// come from outside data and must never reach past the bytes in use.
#include <gtest/gtest.h>

#include "foundation/text/ByteArray.h"
#include "tests/foundation/text/ByteTestHelpers.h"

#include <cstring>
#include <string>
#include <vector>

TEST(ByteArray, ReservesZeroFilledAndShowsZerosWhereBytesWereDropped)
{
    ByteArray array(8);
    EXPECT_TRUE(array.isEmpty());
    ASSERT_NE(array.rawData(), nullptr);
    EXPECT_EQ(array.rawData()[7], 0);
    array.assignChars("abc", 3);
    array.reserve(100);
    EXPECT_EQ(bytesOf(array), "abc");
    EXPECT_EQ(array.rawData()[99], 0);

    array = bytes("secret");
    array.resize(2);
    array.resize(6);
    EXPECT_EQ(bytesOf(array), std::string("se\0\0\0\0", 6));
    array = bytes("secret");
    array.resize(2);
    array.resize(40); // past the capacity: a new block
    EXPECT_EQ(bytesOf(array), "se" + std::string(38, '\0'));
    array.resize(-3);
    EXPECT_TRUE(array.isEmpty());
    EXPECT_TRUE(ByteArray(nullptr, 5).isEmpty());
}

TEST(ByteArray, AppendAssignAndTakeWorkOnThemselves)
{
    ByteArray array = bytes("ab");
    array.append(array);
    array.assign(array);
    array.take(array);
    EXPECT_EQ(bytesOf(array), "abab");
    // A source inside the block itself is copied before the block moves.
    array.assignChars(array.data() + 1, 3);
    EXPECT_EQ(bytesOf(array), "bab");
    ByteArray other = bytes("cd");
    array.take(other);
    EXPECT_EQ(bytesOf(array), "babcd");
    EXPECT_TRUE(other.isEmpty());
}

TEST(ByteArray, SearchesAndCounts)
{
    ByteArray array = bytes("abcabc");
    EXPECT_EQ(array.indexOf('b', 6), -1);
    EXPECT_EQ(array.indexOf('b', -5), 1);
    EXPECT_EQ(array.lastIndexOf('a'), 3);
    EXPECT_EQ(ByteArray().indexOf('a', 0), -1);
    EXPECT_EQ(findBytes("aaab", 4, "aab", 3), 1);
    EXPECT_EQ(findBytes("abc", 3, "abcd", 4), -1);
    EXPECT_EQ(findBytes("abc", 3, "", 0), -1);
}

TEST(ByteArray, RemovalsAndChopsStayInsideTheBytes)
{
    struct Row
    {
        int front;
        int back;
        const char* expected;
    };
    const Row chops[] = {{2, 1, "cde"}, {6, 0, ""}, {4, 2, ""}, {40, 40, ""}};
    for (const Row& row : chops) {
        ByteArray array = bytes("abcdef");
        array.chop(row.front, row.back);
        EXPECT_EQ(bytesOf(array), row.expected) << row.front << ", " << row.back;
    }
    ByteArray array = bytes("abcdef");
    array.removeAt(2);
    EXPECT_TRUE(array.removeOne('e'));
    EXPECT_FALSE(array.removeOne('z'));
    array.removeFirst();
    array.removeLast();
    EXPECT_EQ(bytesOf(array), "bd");

    array = bytes("abc");
    array.setAt(3, 'x');
    array.setAt(-1, 'x');
    array.removeAt(7);
    array.removeAt(-1);
    EXPECT_EQ(bytesOf(array), "abc");
    EXPECT_EQ(bytesOf(array.mid(1, 100)), "bc");
    EXPECT_EQ(bytesOf(array.mid(-2, 2)), "ab");
    EXPECT_TRUE(array.mid(3, 1).isEmpty());
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
    EXPECT_FALSE(ByteArray().isAllZero());

    uint8_t words[6] = {1, 2, 3, 4, 5, 6};
    reverseElements(words, 6, 2);
    EXPECT_EQ(std::vector<uint8_t>(words, words + 6), (std::vector<uint8_t>{5, 6, 3, 4, 1, 2}));
    reverseElements(words, 6, 4);
    EXPECT_EQ(words[0], 5);
}

TEST(ByteArray, ComparesByUnsignedBytesAndNeverReadsPastItsEnd)
{
    EXPECT_EQ(compareBytes("\xff", "\x01", 1), 1);
    EXPECT_EQ(compareBytes(nullptr, "a", 1), -1);
    EXPECT_EQ(compareBytes("a", nullptr, 1), 1);
    EXPECT_EQ(compareBytes(nullptr, nullptr, 1), 0);
    EXPECT_EQ(ByteArray().compareWith("a", 1), -1);
    // A shorter array that matches as far as it goes sorts first.
    EXPECT_EQ(bytes("ab").compareWith("abc", 3), -1);
    EXPECT_EQ(bytes("ac").compareWith("abc", 3), 1);
}
