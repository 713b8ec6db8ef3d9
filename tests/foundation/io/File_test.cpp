// The file handle in its four modes and the static file operations, on real
// files in a temporary folder.
#include <gtest/gtest.h>

#include "foundation/io/File.h"
#include "foundation/time/DateTime.h"
#include "tests/foundation/io/IoTestSupport.h"

using iotest::Bytes;
using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;
using iotest::writeFileBytes;

TEST(File, WriteModeCreatesOrTruncatesAndReadModeReadsBack)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "a.bin");
    {
        File file(path);
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(file.mode(), 3);
        ASSERT_TRUE(file.open(File::kModeWrite));
        EXPECT_EQ(file.mode(), File::kModeWrite);
        EXPECT_EQ(file.write("hello world", 11), 11);
        EXPECT_EQ(file.size(), 11u);
        EXPECT_EQ(file.position(), 11u);
        EXPECT_TRUE(file.flush());
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "a.bin")), bytesOf("hello world"));

    File reader(path);
    ASSERT_TRUE(reader.open(File::kModeRead));
    char buffer[16] = {0};
    EXPECT_TRUE(reader.seek(6));
    EXPECT_EQ(reader.read(buffer, 16), 5);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(reader.read(buffer, 16), 0);
    EXPECT_TRUE(reader.rewind());
    EXPECT_EQ(reader.position(), 0u);
    EXPECT_EQ(reader.write("x", 1), -1);
    reader.close();
    EXPECT_FALSE(reader.isOpen());
    EXPECT_EQ(reader.mode(), 3);
    EXPECT_EQ(reader.read(buffer, 1), -1);

    File truncating(path);
    ASSERT_TRUE(truncating.open(File::kModeWrite));
    truncating.close();
    EXPECT_TRUE(readFileBytes(nativeIn(dir, "a.bin")).empty());
}

TEST(File, AppendAndReadWriteModesKeepTheContent)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "log.txt");
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "log.txt"), bytesOf("abc")));
    {
        File file(path);
        ASSERT_TRUE(file.open(File::kModeAppend));
        EXPECT_TRUE(file.seekToEnd());
        EXPECT_EQ(file.write("def", 3), 3);
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "log.txt")), bytesOf("abcdef"));
    {
        File file(path);
        ASSERT_TRUE(file.open(File::kModeReadWrite));
        char first[2] = {0};
        EXPECT_EQ(file.read(first, 1), 1);
        EXPECT_EQ(first[0], 'a');
        EXPECT_EQ(file.write("X", 1), 1);
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "log.txt")), bytesOf("aXcdef"));

    File created(pathIn(dir, "new.txt"));
    EXPECT_TRUE(created.open(File::kModeReadWrite));
}

TEST(File, OpenRefusesBadModesMissingFilesAndFolders)
{
    testsupport::TempDir dir;
    File missing(pathIn(dir, "missing.txt"));
    EXPECT_FALSE(missing.open(File::kModeRead));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.open(0));
    EXPECT_FALSE(missing.open(5));
    File empty{String()};
    EXPECT_FALSE(empty.open(File::kModeWrite));
    File folder(iotest::toPath(dir.path()));
    EXPECT_FALSE(folder.open(File::kModeRead));
    File inMissingFolder(pathIn(dir, "no/such/file.txt"));
    EXPECT_FALSE(inMissingFolder.open(File::kModeWrite));
}

TEST(File, ExistsSizeCreateAndRemove)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "f.dat");
    EXPECT_FALSE(File::exists(path));
    EXPECT_FALSE(File::exists(String()));
    EXPECT_FALSE(File::exists(iotest::toPath(dir.path())));
    EXPECT_EQ(File::size(path), 0);

    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "f.dat"), Bytes(1500, 7)));
    EXPECT_TRUE(File::exists(path));
    EXPECT_EQ(File::size(path), 1500);
    EXPECT_FALSE(File::isEmpty(path));

    EXPECT_TRUE(File::create(path));
    EXPECT_TRUE(File::exists(path));
    EXPECT_TRUE(File::isEmpty(path));

    EXPECT_TRUE(File::remove(path));
    EXPECT_FALSE(File::exists(path));
    EXPECT_FALSE(File::remove(path));
    EXPECT_FALSE(File::create(String()));
}

TEST(File, CopyMoveRenameAndReplace)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "a.txt"), bytesOf("first")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "b.txt"), bytesOf("second")));

    EXPECT_TRUE(File::copy(pathIn(dir, "a.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("first"));

    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "b.txt"), bytesOf("second")));
    EXPECT_FALSE(File::move(pathIn(dir, "a.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("second"));
    EXPECT_TRUE(File::move(pathIn(dir, "a.txt"), pathIn(dir, "c.txt")));
    EXPECT_FALSE(File::exists(pathIn(dir, "a.txt")));

    EXPECT_TRUE(File::rename(pathIn(dir, "c.txt"), u"d.txt"));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "d.txt")), bytesOf("first"));
    EXPECT_FALSE(File::rename(pathIn(dir, "missing.txt"), u"e.txt"));
    EXPECT_FALSE(File::rename(pathIn(dir, "d.txt"), u"..\\escaped.txt"));
    EXPECT_TRUE(File::exists(pathIn(dir, "d.txt")));

    EXPECT_TRUE(File::replace(pathIn(dir, "d.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("first"));
    EXPECT_FALSE(File::exists(pathIn(dir, "d.txt")));
    EXPECT_FALSE(File::replace(pathIn(dir, "d.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("first"));
}

TEST(File, ReadOnlyAttributeAndLocking)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "ro.txt");
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "ro.txt"), bytesOf("x")));
    EXPECT_FALSE(File::isReadOnly(path));
    EXPECT_FALSE(File::isLocked(path));
    EXPECT_TRUE(File::isLocked(pathIn(dir, "missing.txt")));

    EXPECT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, true));
    EXPECT_TRUE(File::isReadOnly(path));
    EXPECT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, false));
    EXPECT_FALSE(File::isReadOnly(path));
    EXPECT_FALSE(File::setAttribute(pathIn(dir, "missing.txt"), File::kAttributeReadOnly, true));
    EXPECT_EQ(File::attributes(pathIn(dir, "missing.txt")), 0);
}

TEST(File, TimesCanBeSetReadAndCopied)
{
    testsupport::TempDir dir;
    String a = pathIn(dir, "a.txt");
    String b = pathIn(dir, "b.txt");
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "a.txt"), bytesOf("a")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "b.txt"), bytesOf("b")));

    DateTime when(2021, 3, 14, 15, 9, 26, 0);
    ASSERT_TRUE(File::setTime(a, when, false));
    DateTime written = File::lastWriteTime(a, false);
    EXPECT_EQ(written.year(), 2021);
    EXPECT_EQ(written.month(), 3);
    EXPECT_EQ(written.day(), 14);
    EXPECT_EQ(written.hour(), 15);
    EXPECT_EQ(written.minute(), 9);
    EXPECT_EQ(written.second(), 26);

    ASSERT_TRUE(File::copyTimes(b, a));
    DateTime copied = File::lastWriteTime(b, false);
    EXPECT_TRUE(copied == written);

    EXPECT_TRUE(File::lastWriteTime(pathIn(dir, "missing.txt"), false).isNull());
    EXPECT_FALSE(File::setTime(pathIn(dir, "missing.txt"), when, false));
    EXPECT_FALSE(File::copyTimes(b, pathIn(dir, "missing.txt")));
}

TEST(File, ProgramFileExists)
{
    String program = File::programFilePath();
    ASSERT_FALSE(program.isEmpty());
    EXPECT_TRUE(File::exists(program));
}
