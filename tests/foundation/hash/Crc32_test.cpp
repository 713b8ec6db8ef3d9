// CRC-32 checksums (the zlib form), printed without leading zeros.
#include <gtest/gtest.h>

#include "foundation/hash/Crc32.h"
#include "tests/foundation/text/StringTestHelpers.h"

TEST(Crc32, StandardCheckValues)
{
    EXPECT_EQ(Crc32("abc", 3).value(), 0x352441C2u);
    EXPECT_EQ(u16(Crc32("abc", 3).toString()), u"352441c2");
    EXPECT_EQ(Crc32("c", 1).value(), 0x06B9DF6Fu);
    EXPECT_EQ(u16(Crc32("c", 1).toString()), u"6b9df6f");
    EXPECT_EQ(Crc32("123456789", 9).value(), 0xCBF43926u);
    unsigned char every[256];
    for (int i = 0; i < 256; ++i)
        every[i] = static_cast<unsigned char>(i);
    EXPECT_EQ(Crc32(every, 256).value(), 0x29058C73u);
}

TEST(Crc32, NoInputIsTheNullChecksum)
{
    EXPECT_TRUE(Crc32().isNull());
    EXPECT_EQ(u16(Crc32().toString()), u"0");
    EXPECT_TRUE(Crc32(nullptr, 5).isNull());
    EXPECT_TRUE(Crc32("abc", 0).isNull());
    EXPECT_TRUE(Crc32("abc", 0xFFFFFFFF).isNull());
    EXPECT_FALSE(Crc32("abc", 3).isNull());
}

TEST(Crc32, ExtendingInBlocksMatchesOneCall)
{
    const char text[] = "123456789";
    uint32_t crc = 0;
    for (int i = 0; i < 9; i += 2)
        crc = Crc32::extend(crc, text + i, i + 2 <= 9 ? 2 : 1);
    EXPECT_EQ(crc, 0xCBF43926u);
    EXPECT_EQ(Crc32::extend(crc, text, 0), crc);
}
