// Windows-only file services: sharing, the recycle bin and the path name forms.
#include <gtest/gtest.h>

#include "foundation/io/File.h"
#include "tests/support/IoTestSupport.h"

TEST(FileWin32, AFileOpenForWritingIsLocked)
{
    testsupport::TempDir dir;
    String path = iotest::pathIn(dir, "busy.txt");
    File writer(path);
    ASSERT_TRUE(writer.open(File::kModeWrite));
    EXPECT_TRUE(File::isLocked(path));
    File second(path);
    EXPECT_FALSE(second.open(File::kModeRead));
    writer.close();
    EXPECT_FALSE(File::isLocked(path));
}

TEST(FileWin32, HiddenAttributeIsReportedAndCleared)
{
    testsupport::TempDir dir;
    String path = iotest::pathIn(dir, "h.txt");
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "h.txt"), iotest::bytesOf("x")));
    ASSERT_TRUE(File::setAttribute(path, File::kAttributeHidden, true));
    EXPECT_TRUE(File::isHidden(path));
    EXPECT_EQ(File::attributes(path), File::kAttributeHidden);
    ASSERT_TRUE(File::setAttribute(path, File::kAttributeHidden, false));
    EXPECT_FALSE(File::isHidden(path));
}

TEST(FileWin32, RecycleTakesTheFileAwayAndRefusesWhatItCannotHold)
{
    testsupport::TempDir dir;
    String path = iotest::pathIn(dir, "old.txt");
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "old.txt"), iotest::bytesOf("x")));
    EXPECT_TRUE(File::recycle(path));
    EXPECT_FALSE(File::exists(path));
    EXPECT_FALSE(File::recycle(path));
    EXPECT_FALSE(File::recycle(iotest::pathIn(dir, std::string(1100, 'a'))));
    EXPECT_FALSE(File::recycle(String()));
}

TEST(FileWin32, PathNameForms)
{
    testsupport::TempDir dir;
    String path = iotest::pathIn(dir, "a long file name.txt");
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "a long file name.txt"), iotest::bytesOf("x")));
    String shortName = File::shortPathName(path);
    ASSERT_FALSE(shortName.isEmpty());
    EXPECT_TRUE(File::exists(shortName));
    EXPECT_TRUE(File::longPathName(path).isEmpty());
    EXPECT_TRUE(File::shortPathName(iotest::pathIn(dir, "missing.txt")).isEmpty());
}
