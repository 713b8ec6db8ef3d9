#include "ui/widgets/items/UIVisibleRanks.h"

#include <algorithm>

int UIVisibleRanks::indexOfRank(int rank) const
{
    if (rank < 0 || rank >= visibleCount())
        return -1;
    return m_indexes[size_t(rank)];
}

int UIVisibleRanks::rankAtOrAfter(int index) const
{
    return int(std::lower_bound(m_indexes.begin(), m_indexes.end(), index) - m_indexes.begin());
}

int UIVisibleRanks::rankOfIndex(int index) const
{
    int rank = rankAtOrAfter(index);
    return rank < visibleCount() && m_indexes[size_t(rank)] == index ? rank : -1;
}
