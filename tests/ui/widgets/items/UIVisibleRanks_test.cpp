#include "ui/widgets/items/UIVisibleRanks.h"

#include <gtest/gtest.h>

TEST(UIVisibleRanks, MapsRanksAndIndexesBothWaysAndRefusesWhatIsOutside)
{
    const bool visible[] = {false, true, true, false, false, true};
    UIVisibleRanks ranks;
    ranks.rebuild(6, [&](int i) { return visible[i]; });
    struct Row
    {
        int index, rankOfIndex, rankAtOrAfter;
    };
    const Row rows[] = {{-5, -1, 0}, {0, -1, 0}, {1, 0, 0}, {2, 1, 1},
                        {3, -1, 2},  {4, -1, 2}, {5, 2, 2}, {6, -1, 3}};
    for (const Row& r : rows) {
        EXPECT_EQ(r.rankOfIndex, ranks.rankOfIndex(r.index)) << r.index;
        EXPECT_EQ(r.rankAtOrAfter, ranks.rankAtOrAfter(r.index)) << r.index;
    }
    const int indexOfRank[] = {-1, 1, 2, 5, -1};
    for (int rank = -1; rank <= 3; ++rank)
        EXPECT_EQ(indexOfRank[rank + 1], ranks.indexOfRank(rank)) << rank;
}
