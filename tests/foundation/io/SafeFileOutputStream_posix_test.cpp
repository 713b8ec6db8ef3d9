// A full disk in the middle of a save: the file-size limit makes the system
// refuse writes past a few bytes, as a full disk would. The save must fail,
// the old file must stay as it was, and no temporary file may remain.
#include <gtest/gtest.h>

#include "foundation/data/DataTree.h"
#include "foundation/io/Directory.h"
#include "foundation/text/String.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/FileSizeLimit.h"

#include <functional>

TEST(SafeSavePosix, AFullDiskKeepsTheOldFile)
{
    DataTree tree;
    tree.setFileTag(dataTreeTag("RSDB"));
    DataTreeNode* movies = tree.root()->addChild("MOVS");
    for (int i = 0; i < 200; ++i)
        movies->addChild("MOV_")->addValue("TITL")->setString(u"A title long enough to fill the disk");
    const std::function<bool(const String&)> saves[] = {
        [&](const String& path) { return tree.save(path); },
        [](const String& path) { return String(u'x', 5000).saveToTextFile(path, 3, false); },
    };
    for (const auto& save : saves) {
        testsupport::TempDir dir;
        std::string native = iotest::nativeIn(dir, "movies.rsdb");
        ASSERT_TRUE(iotest::writeFileBytes(native, iotest::bytesOf("the old collection")));
        bool saved = true;
        {
            testsupport::FileSizeLimit limit(1000);
            saved = save(iotest::pathIn(dir, "movies.rsdb"));
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(iotest::readFileBytes(native), iotest::bytesOf("the old collection"));
        EXPECT_EQ(Directory::count(iotest::toPath(dir.path()), Directory::kListFiles, nullptr), 1);
        EXPECT_TRUE(save(iotest::pathIn(dir, "movies.rsdb")));
    }
}
