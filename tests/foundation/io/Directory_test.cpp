// Folders: recursive creation and removal, sizes, and the listing with its
// options. The system gives entries in no fixed order, so results are
// compared as sets.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "tests/support/IoTestSupport.h"

#include <set>

using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::show;
using Names = std::set<std::string>;

namespace {

// The listing of root with the options as a set, or {"<failed>"}.
Names listed(const String& root, int options, const StringList* extensions = nullptr)
{
    StringList list;
    if (!Directory::list(root, options, extensions, list))
        return {"<failed>"};
    Names result;
    for (const String& item : list)
        result.insert(show(item));
    return result;
}

} // namespace

TEST(Directory, CreateMakesEveryMissingLevelAndRemoveOnlyEmptyOnes)
{
    testsupport::TempDir dir;
    String deep = pathIn(dir, "x\\y\\z");
    EXPECT_FALSE(Directory::exists(deep));
    EXPECT_TRUE(Directory::create(deep));
    EXPECT_TRUE(Directory::exists(deep));
    EXPECT_TRUE(Directory::create(deep + u"\\"));
    EXPECT_TRUE(Directory(pathIn(dir, "x")).isWritable());
    EXPECT_FALSE(Directory::create(String()));
    EXPECT_FALSE(Directory::create(pathIn(dir, std::string(300, 'n'))));
    EXPECT_FALSE(Directory::remove(pathIn(dir, "x\\y")));
    EXPECT_TRUE(Directory::remove(deep));
    EXPECT_FALSE(Directory::exists(deep));
    EXPECT_FALSE(Directory::remove(deep));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "plain"), bytesOf("x")));
    EXPECT_FALSE(Directory::exists(pathIn(dir, "plain")));
    EXPECT_FALSE(Directory::create(pathIn(dir, "plain\\below")));
    EXPECT_TRUE(Directory::exists(Directory::temporaryFolder()));
}

TEST(Directory, ListingHonoursItsOptions)
{
    testsupport::TempDir dir;
    String root = pathIn(dir, "root");
    ASSERT_TRUE(Directory::create(root + u"\\sub\\deep"));
    for (const char* name :
         {"root/a.JPG", "root/b.jpgx", "root/c.txt", "root/sub/d.jpg", "root/sub/deep/e.txt"})
        ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, name), bytesOf("12345")));
    const int files = Directory::kListFiles, folders = Directory::kListDirectories;
    const int names = Directory::kListNamesOnly, recursive = Directory::kListRecursive;

    EXPECT_EQ(listed(root, files | names), (Names{"a.JPG", "b.jpgx", "c.txt"}));
    EXPECT_EQ(listed(root, folders | names | recursive), (Names{"sub", "deep"}));
    Names everything;
    for (const char* name :
         {"a.JPG", "b.jpgx", "c.txt", "sub", "sub\\d.jpg", "sub\\deep", "sub\\deep\\e.txt"})
        everything.insert(show(root + u"\\" + iotest::toPath(name)));
    EXPECT_EQ(listed(root, files | folders | recursive), everything);
    // Extensions compare whole and ignoring case.
    StringList extensions;
    extensions.append(u"jpg");
    EXPECT_EQ(listed(root, files | names | recursive, &extensions), (Names{"a.JPG", "d.jpg"}));
    extensions.append(u"TXT");
    EXPECT_EQ(Directory::count(root, files | recursive, &extensions), 4);

    EXPECT_EQ(Directory::count(root, files | recursive, nullptr), 5);
    EXPECT_EQ(Directory::count(root, folders, nullptr), 1);
    EXPECT_EQ(Directory::size(root), 25);
    EXPECT_EQ(Directory::count(pathIn(dir, "missing"), files, nullptr), -1);
    EXPECT_EQ(Directory::size(pathIn(dir, "missing")), 0);
    // A listing appends to what the list holds and fails only for a missing folder.
    StringList list;
    list.append(u"kept");
    EXPECT_TRUE(Directory::list(root + u"\\sub\\deep", folders, nullptr, list));
    EXPECT_FALSE(Directory::list(pathIn(dir, "missing"), files, nullptr, list));
    EXPECT_EQ(list.count(), 1);
}

TEST(Directory, HiddenEntriesAreSkippedOnRequest)
{
    testsupport::TempDir dir;
    String root = pathIn(dir, "root");
    ASSERT_TRUE(Directory::create(root + u"\\.secret"));
    for (const char* name : {"root/.secret/inside.txt", "root/.hidden.txt", "root/shown.txt"})
        ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, name), bytesOf("x")));
    // Windows knows hidden entries by their attribute, the native build by the dot.
    File::setAttribute(root + u"\\.secret", File::kAttributeHidden, true);
    File::setAttribute(root + u"\\.hidden.txt", File::kAttributeHidden, true);
    int all = Directory::kListFiles | Directory::kListNamesOnly | Directory::kListRecursive;
    EXPECT_EQ(listed(root, all | Directory::kListSkipHidden), (Names{"shown.txt"}));
    EXPECT_EQ(Directory::count(root, all, nullptr), 3);
}
