// A collection survives being saved and opened again: every field of every
// record, in order, and a second save writes the very same bytes.
#include <gtest/gtest.h>

#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionCompare.h"
#include "tests/model/collection/CollectionTestSupport.h"

using namespace collectiontest;

namespace {

// Opens the collection saved at relative, compares it with expected, saves it
// again and compares the bytes; the header read.
CollectionHeader expectRoundTrip(const Workspace& space, const std::string& relative,
                                 const Contents& expected)
{
    Bytes first = space.bytes(relative);
    CollectionFile file(space.folder());
    Contents read;
    EXPECT_TRUE(file.read(space.path(relative), read.movies, read.loaners)) << relative;
    EXPECT_EQ(differenceOfMovies(read.movies, expected.movies), "") << relative;
    EXPECT_EQ(differenceOfLists(read.loaners, expected.loaners, "loaners"), "") << relative;
    EXPECT_TRUE(file.write(read.movies, read.loaners)) << relative;
    EXPECT_EQ(space.bytes(relative), first) << relative;
    return file.header();
}

} // namespace

TEST(CollectionRoundTrip, EveryFieldOfTheTestCollectionComesBack)
{
    Workspace space;
    ASSERT_FALSE(space.saveFull().isEmpty());
    Contents expected;
    expected.fill(true);
    CollectionHeader header;
    header.author = String(u"abc");
    header.version = 0.1f;
    header.created = DateTime(2010, 6, 1, 12, 0, 0, 0);
    header.modified = header.created;
    header.lastMovieId = 2;
    header.selectedMovieId = 1;
    EXPECT_EQ(differenceOf(expectRoundTrip(space, "Full/Full.rsdb", expected), header), "");
}

// A generated collection spans several buffers of the reader and writer.
TEST(CollectionRoundTrip, AGeneratedCollectionComesBackWhole)
{
    Workspace space;
    ASSERT_FALSE(SampleCollection::write(120, 7, space.path("Sample")).isEmpty());
    CollectionHeader header;
    Contents expected;
    SampleCollection(7).make(120, header, expected.movies, expected.loaners);
    EXPECT_EQ(expectRoundTrip(space, "Sample/Sample.rsdb", expected).lastMovieId, 120);
}
