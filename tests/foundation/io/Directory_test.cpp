// Folders: recursive creation and removal, sizes, and the listing with its
// options. The system gives entries in no fixed order, so results are
// compared as sets.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "tests/foundation/io/IoTestSupport.h"

#include <set>

using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::show;

namespace {

std::set<std::string> asSet(const StringList& list)
{
    std::set<std::string> result;
    for (const String& item : list)
        result.insert(show(item));
    return result;
}

// root/a.JPG, root/b.jpgx, root/c.txt, root/sub/d.jpg, root/sub/deep/e.txt
String makeTree(const testsupport::TempDir& dir)
{
    String root = pathIn(dir, "root");
    EXPECT_TRUE(Directory::create(root + u"\\sub\\deep"));
    for (const char* name :
         {"root/a.JPG", "root/b.jpgx", "root/c.txt", "root/sub/d.jpg", "root/sub/deep/e.txt"})
        EXPECT_TRUE(iotest::writeFileBytes(nativeIn(dir, name), bytesOf("12345")));
    return root;
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
    EXPECT_FALSE(Directory::create(String()));
    EXPECT_FALSE(Directory::create(pathIn(dir, std::string(300, 'n'))));

    EXPECT_FALSE(Directory::remove(pathIn(dir, "x\\y")));
    EXPECT_TRUE(Directory::remove(deep));
    EXPECT_FALSE(Directory::exists(deep));
    EXPECT_FALSE(Directory::remove(deep));

    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "plain"), bytesOf("x")));
    EXPECT_FALSE(Directory::exists(pathIn(dir, "plain")));
    EXPECT_FALSE(Directory::create(pathIn(dir, "plain\\below")));

    Directory object(pathIn(dir, "x"));
    EXPECT_TRUE(object.exists());
    EXPECT_TRUE(object.isWritable());
}

TEST(Directory, ListingHonoursItsOptions)
{
    testsupport::TempDir dir;
    String root = makeTree(dir);
    String prefix = root + u"\\";

    StringList files;
    ASSERT_TRUE(Directory::list(root, Directory::kListFiles | Directory::kListNamesOnly, nullptr, files));
    EXPECT_EQ(asSet(files), (std::set<std::string>{"a.JPG", "b.jpgx", "c.txt"}));

    StringList everything;
    ASSERT_TRUE(
        Directory::list(root, Directory::kListFiles | Directory::kListDirectories | Directory::kListRecursive,
                        nullptr, everything));
    std::set<std::string> expected;
    for (const char* name :
         {"a.JPG", "b.jpgx", "c.txt", "sub", "sub\\d.jpg", "sub\\deep", "sub\\deep\\e.txt"})
        expected.insert(show(prefix + String(iotest::toPath(name))));
    EXPECT_EQ(asSet(everything), expected);

    StringList folders;
    ASSERT_TRUE(Directory::list(
        root, Directory::kListDirectories | Directory::kListNamesOnly | Directory::kListRecursive, nullptr,
        folders));
    EXPECT_EQ(asSet(folders), (std::set<std::string>{"sub", "deep"}));

    EXPECT_EQ(Directory::count(root, Directory::kListFiles | Directory::kListRecursive, nullptr), 5);
    EXPECT_EQ(Directory::count(root, Directory::kListDirectories, nullptr), 1);
    EXPECT_EQ(Directory::count(pathIn(dir, "missing"), Directory::kListFiles, nullptr), -1);
    EXPECT_EQ(Directory::size(root), 25);
    EXPECT_EQ(Directory::size(pathIn(dir, "missing")), 0);
}

TEST(Directory, ListingFiltersByExtensionIgnoringCase)
{
    testsupport::TempDir dir;
    String root = makeTree(dir);
    StringList extensions;
    extensions.append(u"jpg");
    StringList found;
    ASSERT_TRUE(Directory::list(root,
                                Directory::kListFiles | Directory::kListNamesOnly | Directory::kListRecursive,
                                &extensions, found));
    EXPECT_EQ(asSet(found), (std::set<std::string>{"a.JPG", "d.jpg"}));

    extensions.append(u"TXT");
    EXPECT_EQ(Directory::count(root, Directory::kListFiles | Directory::kListRecursive, &extensions), 4);
}

TEST(Directory, ListingAppendsAndFailsOnlyForAMissingFolder)
{
    testsupport::TempDir dir;
    String root = pathIn(dir, "empty");
    ASSERT_TRUE(Directory::create(root));
    StringList list;
    list.append(u"kept");
    EXPECT_TRUE(Directory::list(root, Directory::kListFiles, nullptr, list));
    EXPECT_EQ(asSet(list), (std::set<std::string>{"kept"}));
    EXPECT_FALSE(Directory::list(pathIn(dir, "missing"), Directory::kListFiles, nullptr, list));
    EXPECT_EQ(list.count(), 1);
}

TEST(Directory, HiddenEntriesAreSkippedOnRequest)
{
    testsupport::TempDir dir;
    String root = pathIn(dir, "root");
    ASSERT_TRUE(Directory::create(root + u"\\.secret"));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "root/.secret/inside.txt"), bytesOf("x")));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "root/.hidden.txt"), bytesOf("x")));
    ASSERT_TRUE(iotest::writeFileBytes(nativeIn(dir, "root/shown.txt"), bytesOf("x")));
    // Windows knows hidden entries by their attribute, the native build by the dot.
    File::setAttribute(root + u"\\.secret", File::kAttributeHidden, true);
    File::setAttribute(root + u"\\.hidden.txt", File::kAttributeHidden, true);

    int all = Directory::kListFiles | Directory::kListNamesOnly | Directory::kListRecursive;
    StringList visible;
    ASSERT_TRUE(Directory::list(root, all | Directory::kListSkipHidden, nullptr, visible));
    EXPECT_EQ(asSet(visible), (std::set<std::string>{"shown.txt"}));
    EXPECT_EQ(Directory::count(root, all, nullptr), 3);
}

TEST(Directory, TemporaryAndProgramFoldersExist)
{
    EXPECT_TRUE(Directory::exists(Directory::temporaryFolder()));
    EXPECT_TRUE(Directory::exists(Directory::programDirectory()));
}
