// The file handle in its four modes and the static file operations, on real
// files in a temporary folder.
#include <gtest/gtest.h>

#include "foundation/io/File.h"
#include "foundation/time/DateTime.h"
#include "tests/support/IoTestSupport.h"

using iotest::Bytes;
using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;
using iotest::writeFileBytes;

TEST(File, EachModeReadsWritesTruncatesOrKeepsAsItShould)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "a.bin");
    File file(path);
    ASSERT_TRUE(file.open(File::kModeWrite));
    EXPECT_EQ(file.write("hello world", 11), 11);
    EXPECT_EQ(file.size(), 11u);
    EXPECT_TRUE(file.flush());
    file.close();
    EXPECT_EQ(readFileBytes(nativeIn(dir, "a.bin")), bytesOf("hello world"));

    ASSERT_TRUE(file.open(File::kModeRead));
    char buffer[16] = {0};
    EXPECT_TRUE(file.seek(6));
    EXPECT_EQ(file.read(buffer, 16), 5);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(file.read(buffer, 16), 0);
    EXPECT_EQ(file.write("x", 1), -1) << "read mode writes nothing";
    file.close();
    EXPECT_EQ(file.read(buffer, 1), -1);

    ASSERT_TRUE(file.open(File::kModeAppend));
    EXPECT_TRUE(file.seekToEnd());
    EXPECT_EQ(file.write("!", 1), 1);
    file.close();
    ASSERT_TRUE(file.open(File::kModeReadWrite));
    EXPECT_EQ(file.read(buffer, 1), 1);
    EXPECT_EQ(file.write("X", 1), 1);
    file.close();
    EXPECT_EQ(readFileBytes(nativeIn(dir, "a.bin")), bytesOf("hXllo world!"));

    ASSERT_TRUE(file.open(File::kModeWrite));
    file.close();
    EXPECT_TRUE(readFileBytes(nativeIn(dir, "a.bin")).empty()) << "write mode truncates";
    EXPECT_TRUE(File(pathIn(dir, "new.txt")).open(File::kModeReadWrite)) << "read-write creates";
}

TEST(File, OpenRefusesBadModesMissingFilesAndFolders)
{
    testsupport::TempDir dir;
    File missing(pathIn(dir, "missing.txt"));
    for (int mode : {int(File::kModeRead), 0, 5})
        EXPECT_FALSE(missing.open(mode)) << mode;
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(File(String()).open(File::kModeWrite));
    EXPECT_FALSE(File(iotest::toPath(dir.path())).open(File::kModeRead));
    EXPECT_FALSE(File(pathIn(dir, "no/such/file.txt")).open(File::kModeWrite));
}

TEST(File, ExistsSizeCreateRemoveAndAttributes)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "f.dat");
    EXPECT_FALSE(File::exists(path));
    EXPECT_FALSE(File::exists(String()));
    EXPECT_FALSE(File::exists(iotest::toPath(dir.path())));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "f.dat"), Bytes(1500, 7)));
    EXPECT_EQ(File::size(path), 1500);
    EXPECT_FALSE(File::isEmpty(path));
    EXPECT_TRUE(File::create(path));
    EXPECT_TRUE(File::isEmpty(path));

    EXPECT_FALSE(File::isLocked(path));
    EXPECT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, true));
    EXPECT_TRUE(File::isReadOnly(path));
    EXPECT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, false));
    EXPECT_FALSE(File::isReadOnly(path));

    EXPECT_TRUE(File::remove(path));
    EXPECT_FALSE(File::exists(path));
    EXPECT_FALSE(File::remove(path));
    EXPECT_FALSE(File::create(String()));
    EXPECT_EQ(File::size(path), 0);
    EXPECT_TRUE(File::isLocked(path));
    EXPECT_FALSE(File::setAttribute(path, File::kAttributeReadOnly, true));
    EXPECT_EQ(File::attributes(path), 0);
    EXPECT_TRUE(File::exists(File::programFilePath()));
}

TEST(File, CopyMoveRenameAndReplace)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "a.txt"), bytesOf("first")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "b.txt"), bytesOf("second")));
    EXPECT_FALSE(File::move(pathIn(dir, "a.txt"), pathIn(dir, "b.txt"))) << "move never overwrites";
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("second"));
    EXPECT_TRUE(File::copy(pathIn(dir, "a.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("first"));
    EXPECT_TRUE(File::move(pathIn(dir, "a.txt"), pathIn(dir, "c.txt")));
    EXPECT_FALSE(File::exists(pathIn(dir, "a.txt")));

    // A rename takes a plain name only: never a path out of the folder.
    EXPECT_TRUE(File::rename(pathIn(dir, "c.txt"), u"d.txt"));
    EXPECT_FALSE(File::rename(pathIn(dir, "missing.txt"), u"e.txt"));
    EXPECT_FALSE(File::rename(pathIn(dir, "d.txt"), u"..\\escaped.txt"));
    EXPECT_TRUE(File::exists(pathIn(dir, "d.txt")));

    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "b.txt"), bytesOf("second")));
    EXPECT_TRUE(File::replace(pathIn(dir, "d.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("first"));
    EXPECT_FALSE(File::exists(pathIn(dir, "d.txt")));
    EXPECT_FALSE(File::replace(pathIn(dir, "d.txt"), pathIn(dir, "b.txt")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "b.txt")), bytesOf("first"));
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
    EXPECT_EQ(written.year() * 10000 + written.month() * 100 + written.day(), 20210314);
    EXPECT_EQ(written.hour() * 10000 + written.minute() * 100 + written.second(), 150926);
    ASSERT_TRUE(File::copyTimes(b, a));
    EXPECT_TRUE(File::lastWriteTime(b, false) == written);

    String missing = pathIn(dir, "missing.txt");
    EXPECT_TRUE(File::lastWriteTime(missing, false).isNull());
    EXPECT_FALSE(File::setTime(missing, when, false));
    EXPECT_FALSE(File::copyTimes(b, missing));
}
