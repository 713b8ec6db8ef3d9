// A save lands whole or not at all: the old file stays until the new one is
// complete, and no temporary file is left behind either way.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "tests/foundation/io/IoTestSupport.h"

using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;

namespace {

int64_t entriesIn(const testsupport::TempDir& dir)
{
    return Directory::count(iotest::toPath(dir.path()), Directory::kListFiles | Directory::kListDirectories,
                            nullptr);
}

} // namespace

TEST(SafeFileOutputStream, CommitReplacesTheTargetInOneStep)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "c.rsdb"), bytesOf("old")));
    {
        SafeFileOutputStream stream(pathIn(dir, "c.rsdb"));
        ASSERT_TRUE(stream.isOpen());
        EXPECT_FALSE(stream.temporaryPath() == stream.target());
        EXPECT_EQ(stream.write("new data", 8), 8);
        EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("old"));
        EXPECT_EQ(entriesIn(dir), 2);
        EXPECT_TRUE(stream.commit());
        EXPECT_FALSE(stream.commit());
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("new data"));
    EXPECT_EQ(entriesIn(dir), 1);
}

TEST(SafeFileOutputStream, WithoutCommitTheOldFileStays)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "c.rsdb"), bytesOf("old")));
    {
        SafeFileOutputStream stream(pathIn(dir, "c.rsdb"));
        EXPECT_EQ(stream.write("half", 4), 4);
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("old"));
    EXPECT_EQ(entriesIn(dir), 1);

    {
        SafeFileOutputStream fresh(pathIn(dir, "new.rsdb"));
        EXPECT_TRUE(fresh.commit());
    }
    EXPECT_TRUE(File::exists(pathIn(dir, "new.rsdb")));
    EXPECT_EQ(File::size(pathIn(dir, "new.rsdb")), 0);
}

TEST(SafeFileOutputStream, ASaveThatCannotLandReportsFailure)
{
    testsupport::TempDir dir;
    SafeFileOutputStream missingFolder(pathIn(dir, "missing/c.rsdb"));
    EXPECT_FALSE(missingFolder.isOpen());
    EXPECT_EQ(missingFolder.write("x", 1), -1);
    EXPECT_FALSE(missingFolder.commit());

    SafeFileOutputStream noPath{String()};
    EXPECT_FALSE(noPath.isOpen());
    EXPECT_FALSE(noPath.commit());

    // A folder where the file should go cannot be replaced by a file.
    ASSERT_TRUE(Directory::create(pathIn(dir, "taken")));
    {
        SafeFileOutputStream blocked(pathIn(dir, "taken"));
        ASSERT_TRUE(blocked.isOpen());
        EXPECT_EQ(blocked.write("x", 1), 1);
        EXPECT_FALSE(blocked.commit());
    }
    EXPECT_TRUE(Directory::exists(pathIn(dir, "taken")));
    EXPECT_EQ(entriesIn(dir), 1);
}

TEST(SafeFileOutputStream, AReadOnlyTargetKeepsItsContent)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "movies.rsdb"), bytesOf("old")));
    String path = pathIn(dir, "movies.rsdb");
    ASSERT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, true));
    {
        SafeFileOutputStream stream(path);
        EXPECT_EQ(stream.write("new", 3), 3);
        EXPECT_FALSE(stream.commit());
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "movies.rsdb")), bytesOf("old"));
    EXPECT_EQ(entriesIn(dir), 1);

    ASSERT_TRUE(File::setAttribute(path, File::kAttributeReadOnly, false));
    SafeFileOutputStream stream(path);
    EXPECT_EQ(stream.write("new", 3), 3);
    EXPECT_TRUE(stream.commit());
    EXPECT_EQ(readFileBytes(nativeIn(dir, "movies.rsdb")), bytesOf("new"));
}
