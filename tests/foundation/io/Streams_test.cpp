// Streams, the one-reader/one-writer rule, binary values and text encodings.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/io/DataReader.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/FileInputStream.h"
#include "foundation/io/FileOutputStream.h"
#include "foundation/io/MemoryStream.h"
#include "foundation/io/TextReader.h"
#include "foundation/io/TextWriter.h"
#include "foundation/text/ByteArray.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/MemorySink.h"
#include "tests/support/TestText.h"

using iotest::Bytes;
using iotest::bytesOf;
using iotest::show;
using testsupport::MemorySink;

TEST(MemoryStream, ReadsAreAllOrNothingAndStayInsideTheBlock)
{
    Bytes* block = new Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    MemoryStream stream(block->data(), block->size(), true);
    delete block; // the stream keeps its own copy
    uint8_t out[4] = {0};
    EXPECT_TRUE(stream.seek(8));
    EXPECT_EQ(stream.read(out, 3), -1);
    EXPECT_EQ(stream.position(), 8u);
    EXPECT_EQ(stream.read(out, 2), 2);
    EXPECT_EQ(out[1], 9);
    EXPECT_EQ(stream.readByte(), -1);
    EXPECT_EQ(stream.current(), nullptr);
    // A seek far past the end (damaged offsets do that) must never lead to a read.
    EXPECT_TRUE(stream.seek(0xFFFFFFFFFFFFFFF0ull));
    EXPECT_EQ(stream.read(out, 4), -1);
    EXPECT_EQ(stream.remaining(), 0u);
    EXPECT_TRUE(stream.skip(100));
    EXPECT_EQ(stream.read(out, 1), -1);
    EXPECT_EQ(stream.current(), nullptr);
    EXPECT_TRUE(stream.rewind());
    EXPECT_TRUE(stream.skip(3));
    ASSERT_NE(stream.current(), nullptr);
    EXPECT_EQ(*stream.current(), 3);
    EXPECT_EQ(stream.remaining(), 7u);

    MemoryStream empty(nullptr, 5, false);
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_EQ(empty.read(out, 1), -1);
}

TEST(Streams, OnlyOneWriterOrReaderIsAttachedAtATime)
{
    MemorySink sink;
    DataWriter first(&sink);
    DataWriter second(&sink);
    EXPECT_EQ(first.writeInt32(1), -1);
    EXPECT_TRUE(first.attach());
    EXPECT_FALSE(first.attach());
    EXPECT_FALSE(second.attach());
    EXPECT_EQ(second.writeInt32(2), -1);
    EXPECT_FALSE(sink.releaseWriter(&second));
    EXPECT_TRUE(first.detach());
    EXPECT_TRUE(second.attach());
    EXPECT_EQ(second.writeInt32(3), 4);

    const uint8_t block[2] = {1, 2};
    MemoryStream memory(block, 2, false);
    DataReader reader(&memory);
    DataReader other(&memory);
    EXPECT_TRUE(reader.attach());
    EXPECT_FALSE(other.attach());
    {
        DataReader scoped(&memory);
        reader.detach();
        EXPECT_TRUE(scoped.attach());
    }
    EXPECT_FALSE(memory.hasReader()) << "a reader detaches when it goes";
    EXPECT_TRUE(other.attach());

    testsupport::TempDir dir;
    FileOutputStream closed(iotest::pathIn(dir, "missing/x.bin"), false);
    EXPECT_FALSE(closed.isOpen());
    EXPECT_FALSE(DataWriter(&closed).attach());
    EXPECT_FALSE(DataWriter(nullptr).attach());
}

TEST(DataStreams, ValuesAreLittleEndianAndReadBack)
{
    MemorySink sink;
    DataWriter writer(&sink);
    ASSERT_TRUE(writer.attach());
    EXPECT_EQ(writer.writeBool(true), 1);
    EXPECT_EQ(writer.writeInt8(-2), 1);
    EXPECT_EQ(writer.writeInt16(-300), 2);
    EXPECT_EQ(writer.writeUInt16(0xBEEF), 2);
    EXPECT_EQ(writer.writeInt32(-5), 4);
    EXPECT_EQ(writer.writeUInt32(0x01020304), 4);
    EXPECT_EQ(writer.writeInt64(-7), 8);
    EXPECT_EQ(writer.writeUInt64(0x1122334455667788ull), 8);
    EXPECT_EQ(writer.writeFloat(1.5f), 4);
    EXPECT_EQ(writer.writeDouble(-0.25), 8);
    EXPECT_EQ(writer.writeBytes(ByteArray("xyz", 3)), 3);
    EXPECT_EQ(writer.writeBytes(ByteArray()), 0);
    EXPECT_EQ(writer.writeWord(0x4142), 2);
    const Bytes expected = {0x01, 0xFE, 0xD4, 0xFE, 0xEF, 0xBE, 0xFB, 0xFF, 0xFF, 0xFF, 0x04, 0x03,
                            0x02, 0x01, 0xF9, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x88, 0x77,
                            0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x00, 0x00, 0xC0, 0x3F, 0,    0,
                            0,    0,    0,    0,    0xD0, 0xBF, 'x',  'y',  'z',  0x42, 0x41};
    EXPECT_EQ(sink.bytes, expected);

    MemoryStream stream(sink.bytes.data(), sink.bytes.size(), false);
    DataReader reader(&stream);
    ASSERT_TRUE(reader.attach());
    EXPECT_TRUE(reader.readBool());
    EXPECT_EQ(reader.readInt8(), -2);
    EXPECT_EQ(reader.readInt16(), -300);
    EXPECT_EQ(reader.readUInt16(), 0xBEEF);
    EXPECT_EQ(reader.readInt32(), -5);
    EXPECT_EQ(reader.readUInt32(), 0x01020304u);
    EXPECT_EQ(reader.readInt64(), -7);
    EXPECT_EQ(reader.readUInt64(), 0x1122334455667788ull);
    EXPECT_EQ(reader.readFloat(), 1.5f);
    EXPECT_EQ(reader.readDouble(), -0.25);
    EXPECT_EQ(testsupport::bytesOf(reader.readBytes(3)), "xyz");
    EXPECT_EQ(reader.readWord(), 0x4142);
    EXPECT_EQ(reader.readByte(), 0);
}

TEST(DataStreams, ShortReadsGiveZeroAndOversizedBlocksAreRefused)
{
    const uint8_t three[3] = {1, 2, 3};
    MemoryStream stream(three, 3, false);
    DataReader reader(&stream);
    ASSERT_TRUE(reader.attach());
    EXPECT_EQ(reader.readUInt32(), 0u);
    EXPECT_EQ(reader.readDouble(), 0.0);
    EXPECT_TRUE(reader.readBytes(4).isEmpty());
    EXPECT_TRUE(reader.readBytes(0x7FFFFFFF).isEmpty());
    EXPECT_EQ(reader.readBytes(3).size(), 3);
    EXPECT_FALSE(reader.readBool());

    uint8_t buffer[3];
    EXPECT_EQ(reader.readAll(buffer, sizeof buffer, 2), 3);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(reader.readAll(buffer, 2, 2), -1) << "no more than the buffer's capacity";
    MemoryStream empty(three, 0, false);
    DataReader emptyReader(&empty);
    ASSERT_TRUE(emptyReader.attach());
    EXPECT_EQ(emptyReader.readAll(buffer, sizeof buffer, 1), -1);
}

TEST(TextWriter, ByteOrderMarksPerEncodingAndPerAttach)
{
    struct Case
    {
        int encoding;
        Bytes expected;
    };
    const Case cases[] = {
        {TextWriter::kUtf8, {0xEF, 0xBB, 0xBF, 'A', 0xE2, 0x82, 0xAC, '\n', 0xEF, 0xBB, 0xBF}},
        {TextWriter::kUtf16, {0xFF, 0xFE, 'A', 0, 0xAC, 0x20, '\n', 0, 0xFF, 0xFE}},
        {TextWriter::kAnsi, {'A', 0x80, '\n'}},
    };
    for (const Case& c : cases) {
        MemorySink sink;
        TextWriter writer(&sink, c.encoding);
        ASSERT_TRUE(writer.attach());
        writer.setNewline(u"\n");
        EXPECT_TRUE(writer.writeLine(u"A\u20ac"));
        writer.detach();
        ASSERT_TRUE(writer.attach());
        EXPECT_TRUE(writer.write(String()));
        EXPECT_EQ(sink.bytes, c.expected) << "encoding " << c.encoding;
    }
    MemorySink sink;
    EXPECT_FALSE(TextWriter(&sink, 2).attach());
    EXPECT_FALSE(TextWriter(&sink, 7).attach());
}

TEST(TextReader, DecodesEachEncodingAndSkipsTheMark)
{
    struct Case
    {
        Bytes bytes;
        int encoding;
        const char* expected;
    };
    const Case cases[] = {
        {{0xEF, 0xBB, 0xBF}, 3, ""},
        {{'a', 'b', 'c'}, 3, "abc"},
        {{0xEF, 0xBB, 0xBF, 'h', 'i', 0xE2, 0x82, 0xAC}, 3, "hi\\u20ac"},
        {{0xFF, 0xFE}, 4, ""},
        {{0xFF}, 4, ""},
        {{0xFF, 0xFE, 'O', 0, 'K', 0}, 4, "OK"},
        {{'O', 0, 'K', 0, '!'}, 4, "OK!"},
        {{'a', 0, 'b'}, 1, "a"},
        {{'a', 'b'}, 2, ""},
    };
    for (const Case& c : cases) {
        String text = String::fromTextBuffer(c.bytes.data(), int(c.bytes.size()), c.encoding);
        EXPECT_EQ(show(text), c.expected) << "encoding " << c.encoding << ", " << c.bytes.size() << " bytes";
    }
}

TEST(TextReader, ReadsLinesOfAFileInSmallChunks)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "lines.txt"),
                                       bytesOf("\xEF\xBB\xBFone\r\ntwo\r\n\r\nthree")));
    FileInputStream stream(iotest::pathIn(dir, "lines.txt"));
    TextReader reader(&stream, TextWriter::kUtf8);
    ASSERT_TRUE(reader.attach());
    EXPECT_EQ(show(reader.readAll(4)), "one\r\ntwo\r\n\r\nthree");
    StringList lines = reader.readLines(0);
    ASSERT_EQ(lines.count(), 4);
    EXPECT_EQ(show(lines.nodeAt(2)->value), "");
    EXPECT_EQ(show(lines.nodeAt(3)->value), "three");
    EXPECT_EQ(reader.readLines(1).count(), 3);
    EXPECT_FALSE(TextReader(&stream, 2).attach());
}
