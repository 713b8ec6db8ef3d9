// A save lands whole or not at all: the old file stays until the new one is
// complete, and no temporary file is left behind either way.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "tests/support/IoTestSupport.h"

using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;

static int64_t entriesIn(const testsupport::TempDir& dir)
{
    return Directory::count(iotest::toPath(dir.path()), Directory::kListFiles | Directory::kListDirectories,
                            nullptr);
}

TEST(SafeFileOutputStream, CommitReplacesTheTargetInOneStepWithoutItNothingChanges)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "c.rsdb"), bytesOf("old")));
    {
        SafeFileOutputStream half(pathIn(dir, "c.rsdb"));
        EXPECT_EQ(half.write("half", 4), 4);
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("old"));
    EXPECT_EQ(entriesIn(dir), 1);
    {
        SafeFileOutputStream stream(pathIn(dir, "c.rsdb"));
        ASSERT_TRUE(stream.isOpen());
        EXPECT_EQ(stream.write("new data", 8), 8);
        EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("old"));
        EXPECT_EQ(entriesIn(dir), 2);
        EXPECT_TRUE(stream.commit());
        EXPECT_FALSE(stream.commit());
    }
    EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("new data"));
    SafeFileOutputStream fresh(pathIn(dir, "new.rsdb"));
    EXPECT_TRUE(fresh.commit());
    EXPECT_TRUE(File::exists(pathIn(dir, "new.rsdb")));
}

TEST(SafeFileOutputStream, ASaveThatCannotLandFailsAndKeepsTheOldFile)
{
    testsupport::TempDir dir;
    SafeFileOutputStream missingFolder(pathIn(dir, "missing/c.rsdb"));
    EXPECT_FALSE(missingFolder.isOpen());
    EXPECT_EQ(missingFolder.write("x", 1), -1);
    EXPECT_FALSE(missingFolder.commit());
    EXPECT_FALSE(SafeFileOutputStream(String()).commit());

    // Neither a folder nor a read-only file is replaced by the save.
    ASSERT_TRUE(Directory::create(pathIn(dir, "taken")));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "movies.rsdb"), bytesOf("old")));
    ASSERT_TRUE(File::setAttribute(pathIn(dir, "movies.rsdb"), File::kAttributeReadOnly, true));
    for (const char* name : {"taken", "movies.rsdb"}) {
        SafeFileOutputStream blocked(pathIn(dir, name));
        ASSERT_TRUE(blocked.isOpen()) << name;
        EXPECT_EQ(blocked.write("new", 3), 3);
        EXPECT_FALSE(blocked.commit()) << name;
    }
    EXPECT_TRUE(Directory::exists(pathIn(dir, "taken")));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "movies.rsdb")), bytesOf("old"));
    EXPECT_EQ(entriesIn(dir), 2);

    ASSERT_TRUE(File::setAttribute(pathIn(dir, "movies.rsdb"), File::kAttributeReadOnly, false));
    SafeFileOutputStream stream(pathIn(dir, "movies.rsdb"));
    EXPECT_EQ(stream.write("new", 3), 3);
    EXPECT_TRUE(stream.commit());
    EXPECT_EQ(readFileBytes(nativeIn(dir, "movies.rsdb")), bytesOf("new"));
}

// Saves killed mid-way leave their temporaries; the clean-up takes exactly
// those of its own target that nobody holds, so a save running now and every
// other file are safe.
TEST(SafeFileOutputStream, StaleTemporariesOfTheTargetGoAndNothingElse)
{
    testsupport::TempDir dir;
    struct Case
    {
        const char* name;
        bool stale;
    };
    const Case cases[] = {
        {"c.rsdb.~0.tmp", true},      {"c.rsdb.~7.tmp", true},    {"c.rsdb.~99.tmp", true},
        {"c.rsdb.~3.tmp", false},     {"d.rsdb.~0.tmp", false},   {"c.rsdb.tmp", false},
        {"c.rsdb.~x.tmp", false},     {"c.rsdb.~100.tmp", false}, {"other.tmp", false},
        {"C.rsdb.~1.tmp.bak", false},
    };
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "c.rsdb"), bytesOf("collection")));
    for (const Case& c : cases)
        ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, c.name), bytesOf("half")));
    File running(pathIn(dir, "c.rsdb.~3.tmp"));
    ASSERT_TRUE(running.open(File::kModeWrite));

    EXPECT_EQ(SafeFileOutputStream::removeStaleTemporaries(pathIn(dir, "c.rsdb")), 3);
    for (const Case& c : cases)
        EXPECT_EQ(File::exists(pathIn(dir, c.name)), !c.stale) << c.name;
    EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("collection"));

    // Once the save that held it has ended, its leftover goes too.
    running.close();
    EXPECT_EQ(SafeFileOutputStream::removeStaleTemporaries(pathIn(dir, "c.rsdb")), 1);
    EXPECT_FALSE(File::exists(pathIn(dir, "c.rsdb.~3.tmp")));
    EXPECT_EQ(SafeFileOutputStream::removeStaleTemporaries(String()), 0);
}

TEST(SafeFileOutputStream, EveryTemporaryNameTakenBlocksSavesUntilTheCleanUp)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "c.rsdb"), bytesOf("old")));
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(
            iotest::writeFileBytes(nativeIn(dir, "c.rsdb.~" + std::to_string(i) + ".tmp"), bytesOf("x")));
    {
        SafeFileOutputStream blocked(pathIn(dir, "c.rsdb"));
        EXPECT_FALSE(blocked.isOpen());
        EXPECT_FALSE(blocked.commit());
    }
    EXPECT_EQ(SafeFileOutputStream::removeStaleTemporaries(pathIn(dir, "c.rsdb")), 100);
    SafeFileOutputStream stream(pathIn(dir, "c.rsdb"));
    EXPECT_EQ(stream.write("new", 3), 3);
    EXPECT_TRUE(stream.commit());
    EXPECT_EQ(readFileBytes(nativeIn(dir, "c.rsdb")), bytesOf("new"));
    EXPECT_EQ(entriesIn(dir), 1);
}
