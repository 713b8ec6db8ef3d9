// A full disk in the middle of a save: the file-size limit makes the system
// refuse writes past a few bytes, as a full disk would. The save must fail,
// the old collection must stay as it was, and no temporary file may remain.
#include <gtest/gtest.h>

#include "foundation/data/DataTree.h"
#include "foundation/io/Directory.h"
#include "foundation/text/String.h"
#include "tests/foundation/io/IoTestSupport.h"

#include "tests/support/FileSizeLimit.h"

TEST(SafeSavePosix, AFullDiskKeepsTheOldFile)
{
    testsupport::TempDir dir;
    std::string native = iotest::nativeIn(dir, "movies.rsdb");
    ASSERT_TRUE(iotest::writeFileBytes(native, iotest::bytesOf("the old collection")));

    DataTree tree;
    tree.setFileTag(dataTreeTag("RSDB"));
    DataTreeNode* movies = tree.root()->addChild("MOVS");
    for (int i = 0; i < 200; ++i)
        movies->addChild("MOV_")->addValue("TITL")->setString(u"A title long enough to fill the disk");

    bool saved = true;
    {
        testsupport::FileSizeLimit limit(1000);
        saved = tree.save(iotest::pathIn(dir, "movies.rsdb"));
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(iotest::readFileBytes(native), iotest::bytesOf("the old collection"));
    EXPECT_EQ(Directory::count(iotest::toPath(dir.path()), Directory::kListFiles, nullptr), 1);

    EXPECT_TRUE(tree.save(iotest::pathIn(dir, "movies.rsdb")));
    EXPECT_EQ(iotest::readFileBytes(native).size(), size_t(tree.byteSize()));
}

TEST(SafeSavePosix, TextAndBytesSavesFailCleanlyToo)
{
    testsupport::TempDir dir;
    std::string native = iotest::nativeIn(dir, "notes.txt");
    ASSERT_TRUE(iotest::writeFileBytes(native, iotest::bytesOf("keep me")));
    String big(u'x', 5000);
    bool saved = true;
    {
        testsupport::FileSizeLimit limit(100);
        saved = big.saveToTextFile(iotest::pathIn(dir, "notes.txt"), 3, false);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(iotest::readFileBytes(native), iotest::bytesOf("keep me"));
    EXPECT_EQ(Directory::count(iotest::toPath(dir.path()), Directory::kListFiles, nullptr), 1);
}
