// The block buffers between the collection file and its reader and writer:
// reads that cross blocks, seeks back for a peek, and writes that fail.
#include <gtest/gtest.h>

#include "foundation/io/BufferedInputStream.h"
#include "foundation/io/BufferedOutputStream.h"
#include "foundation/io/MemoryStream.h"
#include "tests/support/MemorySink.h"

#include <vector>

using testsupport::MemorySink;

namespace {

std::vector<uint8_t> counting(size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t(i * 7 + i / 256);
    return bytes;
}

} // namespace

TEST(BufferedInputStream, ReadsAcrossBlocksAndSeeksBack)
{
    std::vector<uint8_t> source = counting(1000);
    MemoryStream memory(source.data(), source.size(), false);
    BufferedInputStream stream(&memory, 64);
    ASSERT_TRUE(stream.isOpen());
    EXPECT_EQ(stream.size(), 1000u);

    std::vector<uint8_t> read;
    uint8_t piece[23];
    int32_t got;
    while ((got = stream.read(piece, sizeof piece)) > 0)
        read.insert(read.end(), piece, piece + got);
    EXPECT_EQ(read, source);
    EXPECT_EQ(stream.position(), 1000u);
    EXPECT_EQ(stream.remaining(), 0u);
    EXPECT_EQ(stream.read(piece, 1), 0) << "nothing past the end";

    // Back inside the current block, then far back outside it.
    ASSERT_TRUE(stream.seek(990));
    ASSERT_EQ(stream.read(piece, 4), 4);
    EXPECT_EQ(std::vector<uint8_t>(piece, piece + 4),
              std::vector<uint8_t>(source.begin() + 990, source.begin() + 994));
    ASSERT_TRUE(stream.seek(5));
    EXPECT_EQ(stream.remaining(), 995u);
    std::vector<uint8_t> large(300);
    ASSERT_EQ(stream.read(large.data(), 300), 300) << "more than a block at once";
    EXPECT_EQ(large, std::vector<uint8_t>(source.begin() + 5, source.begin() + 305));

    BufferedInputStream closed(nullptr);
    EXPECT_FALSE(closed.isOpen());
    EXPECT_EQ(closed.read(piece, 1), -1);
}

TEST(BufferedOutputStream, GathersSmallWritesAndReportsAFullDisk)
{
    std::vector<uint8_t> source = counting(1000);
    MemorySink sink;
    {
        BufferedOutputStream stream(&sink, 64);
        for (size_t at = 0; at < 900; at += 9)
            ASSERT_EQ(stream.write(source.data() + at, 9), 9);
        ASSERT_EQ(stream.write(source.data() + 900, 100), 100) << "a write larger than the block";
        EXPECT_EQ(stream.position(), 1000u);
        EXPECT_TRUE(stream.flush());
    }
    EXPECT_EQ(sink.bytes, source);
    EXPECT_LT(sink.calls, 30) << "small writes are gathered";

    MemorySink full(100);
    BufferedOutputStream stream(&full, 64);
    bool failed = false;
    for (size_t at = 0; at < 300 && !failed; at += 10)
        failed = stream.write(source.data() + at, 10) < 0;
    EXPECT_TRUE(failed || !stream.flush());
    EXPECT_TRUE(stream.hasFailed());
    EXPECT_EQ(stream.write(source.data(), 1), -1) << "every later write fails";
    EXPECT_FALSE(stream.flush());

    MemorySink unflushed;
    {
        BufferedOutputStream dropped(&unflushed, 64);
        dropped.write(source.data(), 10);
    }
    EXPECT_TRUE(unflushed.bytes.empty()) << "bytes never flushed never land";
}
