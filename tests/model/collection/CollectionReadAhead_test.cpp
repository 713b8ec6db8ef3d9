// A collection read ahead on a worker thread is handed over whole to the
// open of the same, unchanged file; a damaged, changed or other file is read
// by the open itself, with the open's own result.
#include <gtest/gtest.h>

#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionReadAhead.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionCompare.h"
#include "tests/model/collection/CollectionTestSupport.h"

using namespace collectiontest;

namespace {

enum Change
{
    kNone,
    kTruncated,
    kRewritten
};

// Damages or replaces the collection at relative once its read has ended.
void change(const Workspace& space, const std::string& relative, Change what)
{
    if (what == kTruncated) {
        Bytes bytes = space.bytes(relative);
        bytes.resize(bytes.size() - 9);
        ASSERT_TRUE(space.put(relative, bytes));
    } else if (what == kRewritten) {
        ASSERT_FALSE(SampleCollection::write(12, 3, space.path("Sample")).isEmpty());
    }
}

} // namespace

TEST(CollectionReadAhead, HandsOverOnlyAWholeReadOfAnUnchangedFile)
{
    struct Row
    {
        const char* what;
        const char* relative;
        Change change;
        int movies;
    };
    const Row rows[] = {
        {"a whole file", "Sample/Sample.rsdb", kNone, 30},
        {"truncated after the read", "Sample/Sample.rsdb", kTruncated, -1},
        {"rewritten after the read", "Sample/Sample.rsdb", kRewritten, -1},
        {"a missing file", "Missing/Missing.rsdb", kNone, -1},
    };
    for (const Row& row : rows) {
        Workspace space;
        ASSERT_FALSE(SampleCollection::write(30, 5, space.path("Sample")).isEmpty());
        CollectionReadAhead ahead(space.path(row.relative));
        ASSERT_TRUE(ahead.wait(0)) << row.what;
        change(space, row.relative, row.change);
        CollectionReader* reader = ahead.take();
        EXPECT_EQ(reader ? reader->movies().count() : -1, row.movies) << row.what;
        // Once only.
        EXPECT_EQ(ahead.take(), nullptr) << row.what;
    }
}

TEST(CollectionReadAhead, TheOpenGivesWhatTheFileHolds)
{
    struct Row
    {
        const char* what;
        bool openLast;
        const char16_t* recent;
        const char* opened;
        Change change;
        bool read;
    };
    const Row rows[] = {
        {"the last used collection", true, u"Sample", "Sample/Sample.rsdb", kNone, true},
        {"the last used one, truncated", true, u"Sample", "Sample/Sample.rsdb", kTruncated, false},
        {"not opened at start", false, u"Sample", "Sample/Sample.rsdb", kNone, true},
        {"another one opened instead", true, u"Sample", "Other/Other.rsdb", kNone, true},
        {"no collection named", true, u"", "Sample/Sample.rsdb", kNone, true},
    };
    for (const Row& row : rows) {
        Workspace space;
        ASSERT_FALSE(SampleCollection::write(30, 5, space.path("Sample")).isEmpty());
        ASSERT_FALSE(SampleCollection::write(7, 6, space.path("Other")).isEmpty());
        ConfigFile config(String(u"readahead.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
        config.addEntry(String(u"model/whenReelstackStartsOpenTheLastUsedCollection"), Variant(row.openLast),
                        String());
        config.addEntry(String(u"model/recentCollection"), Variant(String(row.recent)), String());
        // Before the read ahead: the system may not let a file being read
        // be replaced.
        change(space, row.opened, row.change);
        CollectionModel model(space.folder());
        model.readAheadCollectionAtStart(config);
        ASSERT_EQ(model.openCollection(space.path(row.opened)), row.read) << row.what;
        EXPECT_EQ(model.isCollectionOpen(), row.read) << row.what;
        if (!row.read) {
            EXPECT_TRUE(model.movies().isEmpty()) << row.what;
            continue;
        }
        // What the file holds now, read the plain way.
        CollectionFile plain(space.folder());
        Contents expected;
        ASSERT_TRUE(plain.read(space.path(row.opened), expected.movies, expected.loaners)) << row.what;
        EXPECT_EQ(differenceOfMovies(model.movies(), expected.movies), "") << row.what;
    }
}

TEST(CollectionReadAhead, AModelClosedBeforeTheOpenWaitsForTheRead)
{
    Workspace space;
    ASSERT_FALSE(SampleCollection::write(200, 5, space.path("Sample")).isEmpty());
    ConfigFile config(String(u"readahead.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
    config.addEntry(String(u"model/whenReelstackStartsOpenTheLastUsedCollection"), Variant(true), String());
    config.addEntry(String(u"model/recentCollection"), Variant(String(u"Sample")), String());
    {
        CollectionModel model(space.folder());
        model.readAheadCollectionAtStart(config);
    }
    // The file is still whole and opens.
    CollectionModel model(space.folder());
    EXPECT_TRUE(model.openCollection(space.path("Sample/Sample.rsdb")));
    EXPECT_EQ(model.movies().count(), 200);
}
