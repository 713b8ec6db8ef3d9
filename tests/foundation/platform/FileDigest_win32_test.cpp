// Checksums of files read block by block: the standard check values, files
// that span several blocks agreeing with the in-memory checksums, and files
// that cannot be read.
#include <gtest/gtest.h>

#include "foundation/hash/Crc32.h"
#include "foundation/hash/Md5Digest.h"
#include "foundation/platform/FileDigest.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

String writeFile(const testsupport::TempDir& dir, const char* name, const std::string& bytes)
{
    std::ofstream(dir.file(name), std::ios::binary) << bytes;
    return testsupport::text(dir.file(name));
}

} // namespace

TEST(FileDigest, StandardCheckValues)
{
    testsupport::TempDir dir;
    uint32_t crc = 0;
    ASSERT_TRUE(FileDigest::crc32(writeFile(dir, "digits.txt", "123456789"), &crc));
    EXPECT_EQ(crc, 0xCBF43926u);

    uint8_t digest[16] = {};
    ASSERT_TRUE(FileDigest::md5(writeFile(dir, "abc.txt", "abc"), digest));
    const uint8_t expected[16] = {0x90, 0x01, 0x50, 0x98, 0x3c, 0xd2, 0x4f, 0xb0,
                                  0xd6, 0x96, 0x3f, 0x7d, 0x28, 0xe1, 0x7f, 0x72};
    EXPECT_EQ(std::memcmp(digest, expected, 16), 0);
}

TEST(FileDigest, FilesOfSeveralBlocksMatchTheInMemoryChecksums)
{
    testsupport::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 3 * 4096 + 17; ++i)
        bytes += static_cast<char>((i * 7 + i / 13) & 0xFF);
    String path = writeFile(dir, "blocks.bin", bytes);

    uint32_t crc = 0;
    ASSERT_TRUE(FileDigest::crc32(path, &crc));
    EXPECT_EQ(crc, Crc32(bytes.data(), static_cast<uint32_t>(bytes.size())).value());

    uint8_t digest[16] = {};
    ASSERT_TRUE(FileDigest::md5(path, digest));
    Md5Digest inMemory(bytes.data(), static_cast<uint32_t>(bytes.size()));
    EXPECT_EQ(std::memcmp(digest, inMemory.bytes(), 16), 0);
}

TEST(FileDigest, UnreadableFilesFail)
{
    testsupport::TempDir dir;
    uint32_t crc = 7;
    uint8_t digest[16] = {};
    String missing = testsupport::text(dir.file("missing.bin"));
    EXPECT_FALSE(FileDigest::crc32(missing, &crc));
    EXPECT_EQ(crc, 7u);
    EXPECT_FALSE(FileDigest::md5(missing, digest));
    EXPECT_FALSE(FileDigest::crc32(testsupport::text(dir.path()), &crc));
    EXPECT_FALSE(FileDigest::crc32(writeFile(dir, "x.bin", "x"), nullptr));

    // An empty file has the empty checksum.
    ASSERT_TRUE(FileDigest::crc32(writeFile(dir, "empty.bin", ""), &crc));
    EXPECT_EQ(crc, 0u);
}
