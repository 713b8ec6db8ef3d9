// CRC-32 checksums (the zlib form), printed without leading zeros.
#include <gtest/gtest.h>

#include "foundation/hash/Crc32.h"
#include "tests/support/StringTestHelpers.h"

TEST(Crc32, CheckValuesBlocksAndNoInput)
{
    EXPECT_EQ(u16(Crc32("c", 1).toString()), u"6b9df6f");
    unsigned char every[256];
    for (int i = 0; i < 256; ++i)
        every[i] = static_cast<unsigned char>(i);
    EXPECT_EQ(Crc32(every, 256).value(), 0x29058C73u);
    // Extending block by block matches one call.
    uint32_t crc = 0;
    for (int i = 0; i < 9; i += 2)
        crc = Crc32::extend(crc, "123456789" + i, i + 2 <= 9 ? 2 : 1);
    EXPECT_EQ(crc, 0xCBF43926u);
    EXPECT_EQ(Crc32::extend(crc, "1", 0), crc);
    EXPECT_EQ(u16(Crc32().toString()), u"0");
    EXPECT_TRUE(Crc32(nullptr, 5).isNull());
    EXPECT_TRUE(Crc32("abc", 0xFFFFFFFF).isNull());
}

// Long runs are folded eight bytes at a time: every length and start
// offset agrees with the sum taken byte by byte.
TEST(Crc32, EightByteStepsAgreeWithSingleBytes)
{
    unsigned char data[64 + 8];
    for (int i = 0; i < int(sizeof(data)); ++i)
        data[i] = static_cast<unsigned char>(i * 37 + 11);
    for (int offset = 0; offset < 8; ++offset) {
        for (uint32_t length = 0; length <= 64; ++length) {
            uint32_t single = 0;
            for (uint32_t i = 0; i < length; ++i)
                single = Crc32::extend(single, data + offset + i, 1);
            EXPECT_EQ(Crc32::extend(0, data + offset, length), single) << offset << " " << length;
        }
    }
    EXPECT_EQ(Crc32("123456789", 9).value(), 0xCBF43926u);
    EXPECT_EQ(Crc32("1234567812345678", 16).value(), Crc32::extend(Crc32("12345678", 8).value(), "12345678", 8));
}
