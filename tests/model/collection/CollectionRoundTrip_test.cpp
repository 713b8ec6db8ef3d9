// A collection survives being saved and opened again: every field of every
// record, in order, and a second save writes the very same bytes.
#include <gtest/gtest.h>

#include "model/collection/CollectionFile.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionCompare.h"
#include "tests/model/collection/RichCollection.h"

using namespace collectiontest;

TEST(CollectionRoundTrip, EveryFieldOfARichCollectionComesBack)
{
    ZoneScope zone;
    Workspace space;
    String path = saveRich(space);
    ASSERT_FALSE(path.isEmpty());
    Bytes first = space.bytes("Rich/Rich.rsdb");

    CollectionFile file(space.folder());
    Contents read;
    ASSERT_TRUE(file.read(path, read.movies, read.loaners));
    Contents expected;
    makeRichAsRead(expected);
    EXPECT_EQ(differenceOfMovies(read.movies, expected.movies), "");
    EXPECT_EQ(differenceOfLists(read.loaners, expected.loaners, "loaners"), "");

    CollectionHeader header;
    header.author = String(u"R\u00e9my");
    header.password = String(u"0123456789abcdef0123456789abcdef");
    header.version = 0.1f;
    header.created = DateTime(2011, 11, 11, 12, 11, 11, 0);
    header.modified = header.created;
    header.lastMovieId = 2;
    header.selectedMovieId = 1;
    EXPECT_EQ(differenceOf(file.header(), header), "");

    ASSERT_TRUE(file.write(read.movies, read.loaners));
    EXPECT_EQ(space.bytes("Rich/Rich.rsdb"), first) << "a second save writes the same bytes";
}

TEST(CollectionRoundTrip, AGeneratedCollectionComesBackWhole)
{
    ZoneScope zone;
    Workspace space;
    String path = SampleCollection::write(120, 7, space.path("Sample"));
    ASSERT_FALSE(path.isEmpty());
    Bytes first = space.bytes("Sample/Sample.rsdb");

    CollectionHeader header;
    Contents expected;
    SampleCollection(7).make(120, header, expected.movies, expected.loaners);

    CollectionFile file(space.folder());
    Contents read;
    ASSERT_TRUE(file.read(path, read.movies, read.loaners));
    EXPECT_EQ(differenceOfMovies(read.movies, expected.movies), "");
    EXPECT_EQ(differenceOfLists(read.loaners, expected.loaners, "loaners"), "");
    EXPECT_EQ(file.header().lastMovieId, 120);

    ASSERT_TRUE(file.write(read.movies, read.loaners));
    EXPECT_EQ(space.bytes("Sample/Sample.rsdb"), first);
}
