#pragma once

#include <cstddef>
#include <vector>

// Maps the rank of a visible item (its place among the visible items only)
// to its index among all items and back. Rebuilt in one pass only after the
// visibility or the order of the items changed, so geometry and painting
// reach the n-th visible item in constant time.
class UIVisibleRanks
{
public:
    void invalidate() { m_valid = false; }
    bool isValid() const { return m_valid; }

    // isVisible(index) -> bool, for index 0 .. count - 1.
    template <typename IsVisible> void rebuild(int count, IsVisible isVisible)
    {
        m_indexes.clear();
        m_indexes.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            if (isVisible(i))
                m_indexes.push_back(i);
        }
        m_valid = true;
    }

    // A visible item added after every other item keeps the map valid.
    void append(int index)
    {
        if (m_valid)
            m_indexes.push_back(index);
    }

    int visibleCount() const { return int(m_indexes.size()); }
    // -1 past either end.
    int indexOfRank(int rank) const;
    // The rank of a visible item's index; -1 when the index is hidden or out
    // of range.
    int rankOfIndex(int index) const;
    // The rank of the first visible item at or after the index (the visible
    // count when none is).
    int rankAtOrAfter(int index) const;

private:
    std::vector<int> m_indexes;
    bool m_valid = false;
};
