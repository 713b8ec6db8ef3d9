// A disk that fills up in the middle of a save: the file-size limit makes the
// system refuse writes past a point, as a full disk would. The save must
// report the failure and the stored collection must stay as it was.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"
#include "tests/support/FileSizeLimit.h"

using namespace collectiontest;

TEST(CollectionFullDisk, KeepsTheStoredCollection)
{
    Workspace space;
    CollectionFile file(space.folder());
    Contents contents;
    ASSERT_FALSE(space.open(file, u"Example", contents).isEmpty());
    CollectionHeader header;
    SampleCollection(3).make(40, header, contents.movies, contents.loaners);
    Bytes stored = space.bytes("Example/Example.rsdb");
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    size_t fullSize = space.bytes("Example/Example.rsdb").size();
    ASSERT_GT(fullSize, 70000u) << "the save spans several buffers";
    ASSERT_TRUE(space.put("Example/Example.rsdb", stored));

    // Refused at the first bytes, after the first buffer, and at the last byte.
    for (rlim_t limit : {rlim_t(100), rlim_t(70000), rlim_t(fullSize - 1)}) {
        bool saved = true;
        {
            testsupport::FileSizeLimit full(limit);
            saved = file.write(contents.movies, contents.loaners);
        }
        EXPECT_FALSE(saved) << limit;
        EXPECT_EQ(space.bytes("Example/Example.rsdb"), stored) << limit;
        EXPECT_EQ(Directory::count(space.path("Example"), Directory::kListFiles, nullptr), 1) << limit;
    }
    EXPECT_TRUE(file.write(contents.movies, contents.loaners)) << "with room again, the save goes through";
}
