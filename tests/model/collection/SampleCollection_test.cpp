// The made-up collection that benchmarks and tests rely on: the same seed
// gives the same file, and its contents have the promised shape.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "model/collection/CollectionHeader.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <set>

using namespace collectiontest;

TEST(SampleCollection, IsTheSameForTheSameSeed)
{
    ZoneScope zone;
    Workspace space;
    ASSERT_FALSE(SampleCollection::write(30, 5, space.path("A")).isEmpty());
    ASSERT_FALSE(SampleCollection::write(30, 5, space.path("B")).isEmpty());
    ASSERT_FALSE(SampleCollection::write(30, 6, space.path("C")).isEmpty());
    EXPECT_EQ(space.bytes("A/A.rsdb"), space.bytes("B/B.rsdb"));
    EXPECT_NE(space.bytes("A/A.rsdb"), space.bytes("C/C.rsdb"));
    EXPECT_TRUE(Directory::exists(space.path("A/Images")));
    EXPECT_TRUE(Directory::exists(space.path("A/Thumbnails")));
    EXPECT_TRUE(SampleCollection::write(3, 1, String()).isEmpty());
}

TEST(SampleCollection, HasTheShapeOfARealCollection)
{
    CollectionHeader header;
    Contents contents;
    SampleCollection(11).make(200, header, contents.movies, contents.loaners);
    ASSERT_EQ(contents.movies.count(), 200);
    EXPECT_EQ(header.lastMovieId, 200);

    std::set<int32_t> ids;
    int series = 0;
    for (const Movie* movie : contents.movies) {
        ids.insert(movie->id);
        EXPECT_FALSE(movie->title.isEmpty());
        EXPECT_GE(movie->cast.count(), 10);
        EXPECT_LE(movie->cast.count(), 30);
        EXPECT_GE(movie->crew.count(), 5);
        EXPECT_LE(movie->crew.count(), 10);
        EXPECT_GE(movie->covers.count(), 1);
        EXPECT_LE(movie->covers.count(), 3);
        EXPECT_GE(movie->plot.length(), 300);
        EXPECT_FALSE(movie->genres.isEmpty() || movie->countries.isEmpty() || movie->languages.isEmpty());
        EXPECT_TRUE(movie->hasPlayableLink());
        EXPECT_EQ(movie->episodes.isEmpty(), movie->id % 10 != 0) << "every tenth movie is a series";
        series += movie->episodes.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(ids.size(), 200u);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(series, 20);

    int open = 0;
    int returned = 0;
    for (const Loaner& loaner : contents.loaners) {
        for (const Loan& loan : loaner.loans) {
            EXPECT_TRUE(ids.count(loan.movieId));
            (loan.returnDate.isNull() ? open : returned) += 1;
        }
    }
    EXPECT_GT(open, 0);
    EXPECT_GT(returned, 0);
}
