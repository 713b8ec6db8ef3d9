// A folder that links back to itself must not hang the scan or repeat files.
#include <gtest/gtest.h>

#include "model/scan/FolderScanner.h"
#include "tests/support/IoTestSupport.h"

#include <unistd.h>

#include <sys/stat.h>

TEST(FolderScannerPosix, NeverFollowsSymbolicLinks)
{
    testsupport::TempDir dir;
    ASSERT_EQ(mkdir(iotest::nativeIn(dir, "films").c_str(), 0700), 0);
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "films/loop.avi"), iotest::bytesOf("x")));
    ASSERT_EQ(symlink(iotest::nativeIn(dir, "films").c_str(), iotest::nativeIn(dir, "films/again").c_str()),
              0);

    FolderScanner scanner;
    ASSERT_TRUE(scanner.scan(iotest::pathIn(dir, "films")));
    ASSERT_EQ(scanner.files().count(), 1);
    EXPECT_EQ(iotest::show(scanner.files().first()->value.path),
              iotest::show(iotest::pathIn(dir, "films\\loop.avi")));
}
