// The made-up collection that benchmarks and tests rely on: the same seed
// gives the same file, and its contents have the promised shape.
#include <gtest/gtest.h>

#include "model/collection/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <set>

using namespace collectiontest;

TEST(SampleCollection, IsTheSameForTheSameSeed)
{
    Workspace space;
    for (const char* name : {"A", "B"})
        ASSERT_FALSE(SampleCollection::write(30, 5, space.path(name)).isEmpty());
    ASSERT_FALSE(SampleCollection::write(30, 6, space.path("C")).isEmpty());
    EXPECT_EQ(space.bytes("A/A.rsdb"), space.bytes("B/B.rsdb"));
    EXPECT_NE(space.bytes("A/A.rsdb"), space.bytes("C/C.rsdb"));
    EXPECT_TRUE(SampleCollection::write(3, 1, String()).isEmpty());
}

TEST(SampleCollection, HasTheShapeOfARealCollection)
{
    CollectionHeader header;
    Contents contents;
    SampleCollection(11).make(200, header, contents.movies, contents.loaners);
    EXPECT_EQ(header.lastMovieId, 200);
    std::vector<int32_t> ids = contents.ids();
    EXPECT_EQ(std::set<int32_t>(ids.begin(), ids.end()).size(), 200u);
    int series = 0;
    for (const Movie* movie : contents.movies) {
        EXPECT_TRUE(movie->cast.count() >= 10 && movie->cast.count() <= 30 && movie->crew.count() >= 5 &&
                    movie->crew.count() <= 10 && movie->covers.count() >= 1 && movie->covers.count() <= 3)
            << movie->id;
        EXPECT_TRUE(!movie->title.isEmpty() && movie->plot.length() >= 300 && movie->hasPlayableLink())
            << movie->id;
        series += movie->episodes.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(series, 20) << "every tenth movie is a series";
    int open = 0;
    int returned = 0;
    for (const Loaner& loaner : contents.loaners) {
        for (const Loan& loan : loaner.loans)
            (loan.returnDate.isNull() ? open : returned) += 1;
    }
    EXPECT_TRUE(open > 0 && returned > 0);
}
