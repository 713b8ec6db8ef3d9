// Digests of whole files read block by block must equal the digests of the
// same bytes in memory, at every size a block boundary can fall on.
#include <gtest/gtest.h>

#include "foundation/hash/Crc32.h"
#include "foundation/hash/Md5Digest.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <vector>

namespace {

using testsupport::text;

} // namespace

TEST(FileDigests, FilesMatchTheInMemoryDigests)
{
    testsupport::TempDir dir;
    const uint32_t sizes[] = {0, 1, 4095, 4096, 4097, 5 * 1024 * 1024};
    for (uint32_t size : sizes) {
        std::vector<uint8_t> bytes(size);
        for (uint32_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>(i * 131 + (i >> 9));
        const std::string file = dir.file("data.bin");
        ASSERT_TRUE(testsupport::writeFileBytes(file, bytes));

        const Md5Digest memoryMd5(bytes.data(), size);
        const Md5Digest fileMd5 = Md5Digest::fromFile(text(file));
        EXPECT_EQ(fileMd5.toString(), memoryMd5.toString()) << "size " << size;
        EXPECT_EQ(fileMd5.toByteArray().size(), size == 0 ? 0 : Md5Digest::kSize) << "size " << size;
        EXPECT_EQ(Crc32::fromFile(text(file)).value(), Crc32(bytes.data(), size).value()) << "size " << size;
    }
}

TEST(FileDigests, KnownValuesAndUnreadableFiles)
{
    testsupport::TempDir dir;
    const std::string file = dir.file("abc.txt");
    ASSERT_TRUE(testsupport::writeFileBytes(file, {'a', 'b', 'c'}));
    EXPECT_EQ(Md5Digest::fromFile(text(file)).toString(), String(u"900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_EQ(Crc32::fromFile(text(file)).value(), 0x352441C2u);
    const ByteArray bytes = Md5Digest::fromFile(text(file)).toByteArray();
    ASSERT_EQ(bytes.size(), 16);
    EXPECT_EQ(bytes.data()[0], 0x90);
    EXPECT_EQ(bytes.data()[15], 0x72);

    const String missing = text(dir.file("missing.bin"));
    EXPECT_TRUE(Md5Digest::fromFile(missing).isNull());
    EXPECT_TRUE(Crc32::fromFile(missing).isNull());
    EXPECT_TRUE(Md5Digest::fromFile(text(dir.path())).isNull());
}
