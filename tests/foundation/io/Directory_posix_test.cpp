// A symbolic link that points back up the tree must not make the recursive
// listing loop: it is listed, never entered.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "tests/support/IoTestSupport.h"

#include <cstdlib>
#include <unistd.h>

TEST(DirectoryPosix, RecursiveListingDoesNotFollowLinks)
{
    testsupport::TempDir dir;
    String root = iotest::pathIn(dir, "root");
    ASSERT_TRUE(Directory::create(root + u"\\sub"));
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "root/sub/a.txt"), iotest::bytesOf("abc")));
    ASSERT_EQ(symlink(iotest::nativeIn(dir, "root").c_str(), iotest::nativeIn(dir, "root/sub/loop").c_str()),
              0);

    StringList names;
    int options = Directory::kListFiles | Directory::kListDirectories | Directory::kListRecursive |
                  Directory::kListNamesOnly;
    ASSERT_TRUE(Directory::list(root, options, nullptr, names));
    EXPECT_EQ(names.count(), 3); // sub, a.txt and the link itself
    EXPECT_EQ(Directory::size(root), 3);
}

TEST(DirectoryPosix, DeepTreesAreCutAtTheDepthLimit)
{
    testsupport::TempDir dir;
    std::string relative = "d";
    for (int i = 0; i < Directory::kMaxDepth + 5; ++i)
        relative += "/d";
    std::string command = "mkdir -p '" + iotest::nativeIn(dir, relative) + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int64_t count = Directory::count(iotest::pathIn(dir, "d"),
                                     Directory::kListDirectories | Directory::kListRecursive, nullptr);
    EXPECT_EQ(count, Directory::kMaxDepth + 1);
}
