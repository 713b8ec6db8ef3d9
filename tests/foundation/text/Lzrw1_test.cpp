// The compressed form of ByteArray: a size word and LZRW1 items. The reader
// takes outside bytes, so every damaged form must fail cleanly.
#include <gtest/gtest.h>

#include "foundation/text/ByteArray.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> vectorOf(const ByteArray& array)
{
    if (array.isEmpty())
        return {};
    return std::vector<uint8_t>(array.data(), array.data() + array.size());
}

ByteArray fromVector(const std::vector<uint8_t>& bytes)
{
    return ByteArray(bytes.data(), static_cast<int>(bytes.size()));
}

ByteArray pseudoRandomBytes(int size, uint32_t seed)
{
    ByteArray out(size);
    for (int i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        out.appendByte(static_cast<uint8_t>(seed >> 16));
    }
    return out;
}

} // namespace

TEST(Lzrw1, GoldenBytesOfCopyItemsAndStoredInput)
{
    // "abc" eight times: three literals, one copy of 16 bytes from offset 3,
    // then the last five bytes as literals (a copy never starts within 16
    // bytes of the end).
    const char* text = "abcabcabcabcabcabcabcabc";
    ByteArray input(text, 24);
    std::vector<uint8_t> expected = {
        24,   0,    0,   0,          // uncompressed size
        0,    0,    0,   0,          // flag: items follow
        0x08, 0x00,                  // control: item 3 is a copy
        'a',  'b',  'c', 0x0F, 0x03, // copy: offset 3, length 16
        'b',  'c',  'a', 'b',  'c',
    };
    EXPECT_EQ(vectorOf(input.compressed()), expected);
    EXPECT_EQ(vectorOf(fromVector(expected).uncompressed()), vectorOf(input));

    // Incompressible input is stored unchanged behind flag 1.
    ByteArray plain("abcdefgh", 8);
    std::vector<uint8_t> stored = {8, 0, 0, 0, 1, 0, 0, 0, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    EXPECT_EQ(vectorOf(plain.compressed()), stored);
    EXPECT_EQ(vectorOf(fromVector(stored).uncompressed()), vectorOf(plain));

    ByteArray noise = pseudoRandomBytes(5000, 7);
    ByteArray packed = noise.compressed();
    EXPECT_EQ(packed.size(), 5008);
    EXPECT_EQ(packed.data()[4], 1);
    EXPECT_EQ(vectorOf(packed.uncompressed()), vectorOf(noise));
}

TEST(Lzrw1, RoundTripsAssortedInput)
{
    std::vector<ByteArray> inputs;
    inputs.push_back(ByteArray("x", 1));
    ByteArray zeros(70000);
    zeros.resize(70000);
    inputs.push_back(zeros);
    ByteArray text;
    for (int i = 0; i < 2000; ++i) {
        const char* line = "<movie id=\"42\" title=\"The Movie\" year=\"1999\"/>\r\n";
        text.append(ByteArray(line, static_cast<int>(std::strlen(line))));
        text.appendByte(static_cast<uint8_t>('0' + i % 10));
    }
    inputs.push_back(text);
    ByteArray mixed = pseudoRandomBytes(3000, 99);
    mixed.append(text.mid(0, 4000));
    mixed.append(pseudoRandomBytes(17, 5));
    inputs.push_back(mixed);

    for (const ByteArray& input : inputs) {
        ByteArray packed = input.compressed();
        EXPECT_EQ(vectorOf(packed.uncompressed()), vectorOf(input)) << input.size();
    }
    EXPECT_LT(text.compressed().size(), text.size() / 4);
    EXPECT_LT(zeros.compressed().size(), 10000);
}

TEST(Lzrw1, RefusesDamagedHeadersAndItems)
{
    const std::vector<uint8_t> damaged[] = {
        // A size word far beyond what the items can produce, refused before allocating.
        {0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 'a'},
        {0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 'a'},
        // The size word must match what the items produce.
        {2, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 'a'},
        {1, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00, 'a', 'b'},
        {3, 0, 0, 0, 1, 0, 0, 0, 'a', 'b'},
        // Unknown flag words.
        {1, 0, 0, 0, 2, 0, 0, 0, 'a'},
        {1, 0, 0, 0, 1, 0, 1, 0, 'a'},
        // A copy from before the start, and one with offset 0.
        {4, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00, 'a', 0x02, 0x02},
        {4, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00, 'a', 0x02, 0x00},
        {},
    };
    for (const std::vector<uint8_t>& bytes : damaged)
        EXPECT_TRUE(fromVector(bytes).uncompressed().isEmpty()) << "row " << (&bytes - damaged);
    // The same copy with a valid offset works.
    std::vector<uint8_t> valid = {4, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00, 'a', 0x02, 0x01};
    EXPECT_EQ(vectorOf(fromVector(valid).uncompressed()), (std::vector<uint8_t>{'a', 'a', 'a', 'a'}));
}

TEST(Lzrw1, RefusesEveryTruncationAndSurvivesFlippedBytes)
{
    ByteArray text;
    for (int i = 0; i < 500; ++i)
        text.appendByte(static_cast<uint8_t>("abcdefgh"[i % 8] + i / 64));
    ByteArray packed = text.compressed();
    ASSERT_EQ(packed.data()[4], 0);
    for (int size = 0; size < packed.size(); ++size)
        EXPECT_TRUE(packed.mid(0, size).uncompressed().isEmpty()) << size;
    for (int i = 4; i < packed.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            ByteArray damaged(packed);
            damaged.setAt(i, static_cast<uint8_t>(damaged.data()[i] ^ (1u << bit)));
            ByteArray result = damaged.uncompressed();
            EXPECT_TRUE(result.isEmpty() || result.size() == text.size()) << i << ", " << bit;
        }
    }
}
