// The made-up collection that benchmarks and tests rely on: the same seed
// gives the same file, and its contents have the promised shape.
#include <gtest/gtest.h>

#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <set>

using namespace collectiontest;

TEST(SampleCollection, IsTheSameForTheSameSeedAndShapedLikeARealOne)
{
    Workspace space;
    for (const char* name : {"A", "B"})
        ASSERT_FALSE(SampleCollection::write(30, 5, space.path(name)).isEmpty());
    ASSERT_FALSE(SampleCollection::write(30, 6, space.path("C")).isEmpty());
    EXPECT_EQ(space.bytes("A/A.rsdb"), space.bytes("B/B.rsdb"));
    EXPECT_NE(space.bytes("A/A.rsdb"), space.bytes("C/C.rsdb"));

    CollectionHeader header;
    Contents contents;
    SampleCollection(11).make(200, header, contents.movies, contents.loaners);
    std::vector<int32_t> ids = contents.ids();
    EXPECT_EQ(std::set<int32_t>(ids.begin(), ids.end()).size(), 200u);
    int series = 0;
    for (const Movie* movie : contents.movies) {
        EXPECT_TRUE(movie->cast.count() >= 10 && movie->crew.count() >= 5 && movie->covers.count() >= 1 &&
                    movie->plot.length() >= 300 && movie->hasPlayableLink())
            << movie->id;
        series += movie->episodes.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(series, 20) << "every tenth movie is a series";
    EXPECT_GT(contents.loaners.count(), 0);
}
