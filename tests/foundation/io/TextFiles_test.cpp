// Whole files at once: text in the three encodings and raw bytes.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/TestText.h"

using iotest::Bytes;
using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;
using iotest::show;

TEST(TextFiles, SaveWritesTheMarkTheTextAndTheLineEndAndAppendsWithoutAMark)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "a.txt");
    EXPECT_TRUE(String(u"Zo\u00eb").saveToTextFile(path, 3, false));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "a.txt")),
              (Bytes{0xEF, 0xBB, 0xBF, 'Z', 'o', 0xC3, 0xAB, '\r', '\n'}));
    EXPECT_EQ(show(String::fromTextFile(path, 3)), "Zo\\u00eb\r\n");
    EXPECT_TRUE(String(u"x").saveToTextFile(path, 4, false));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "a.txt")), (Bytes{0xFF, 0xFE, 'x', 0, '\r', 0, '\n', 0}));
    EXPECT_FALSE(String(u"x").saveToTextFile(path, 2, false));
    EXPECT_FALSE(String(u"x").saveToTextFile(String(), 3, false));
    EXPECT_FALSE(String(u"x").saveToTextFile(pathIn(dir, "missing/a.txt"), 3, false));
    EXPECT_EQ(show(String::fromTextFile(path, 4)), "x\r\n") << "a failed save keeps the file";

    String log = pathIn(dir, "log.txt");
    EXPECT_TRUE(String(u"one").saveToTextFile(log, 3, true));
    EXPECT_TRUE(String(u"two").saveToTextFile(log, 3, true));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "log.txt")), bytesOf("\xEF\xBB\xBFone\r\ntwo\r\n"));
    StringList lines = String::readLinesFromTextFile(log, 3);
    ASSERT_EQ(lines.count(), 3);
    EXPECT_EQ(show(lines.nodeAt(1)->value), "two");
}

TEST(TextFiles, LinesAreWrittenAndMissingFilesReadAsNothing)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "lines.txt");
    StringList lines;
    for (const char16_t* line : {u"alpha", u"", u"gamma"})
        lines.append(line);
    EXPECT_TRUE(String::writeLinesToTextFile(lines, path, 1));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "lines.txt")), bytesOf("alpha\r\n\r\ngamma\r\n"));
    EXPECT_EQ(String::readLinesFromTextFile(path, 1).count(), 4);
    EXPECT_TRUE(String::fromTextFile(pathIn(dir, "missing.txt"), 3).isEmpty());
    EXPECT_EQ(String::readLinesFromTextFile(pathIn(dir, "missing.txt"), 3).count(), 0);
    EXPECT_TRUE(String::fromTextFile(path, 5).isEmpty());
    EXPECT_FALSE(String::writeLinesToTextFile(lines, path, 9));
}

TEST(ByteArrayFiles, LoadAndSaveWholeFiles)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "b.bin");
    ByteArray bytes("\x00\x01\x02\xFF", 4);
    EXPECT_TRUE(bytes.saveToFile(path));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.bin")), (Bytes{0, 1, 2, 0xFF}));
    ByteArray loaded("junk", 4);
    EXPECT_TRUE(loaded.loadFromFile(path));
    EXPECT_EQ(testsupport::bytesOf(loaded), std::string("\x00\x01\x02\xFF", 4));

    EXPECT_FALSE(ByteArray().saveToFile(path));
    EXPECT_TRUE(readFileBytes(nativeIn(dir, "b.bin")).empty());
    EXPECT_FALSE(loaded.loadFromFile(path));
    EXPECT_EQ(loaded.size(), 0);
    EXPECT_FALSE(loaded.loadFromFile(pathIn(dir, "missing.bin")));
    EXPECT_FALSE(bytes.saveToFile(pathIn(dir, "missing/b.bin")));
}
