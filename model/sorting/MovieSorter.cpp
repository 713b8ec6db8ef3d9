#include "model/sorting/MovieSorter.h"

#include "model/sorting/SortComparator.h"

#include <algorithm>
#include <vector>

namespace {

using MovieNode = List<Movie*>::Node;

struct SortEntry
{
    MovieNode* node;
    SortComparator::Key key;
};

// Moves each node to its place from the head on; a node already in place
// stays, and every swap settles one more node.
void relink(List<Movie*>& movies, const std::vector<SortEntry>& entries)
{
    MovieNode* position = movies.first();
    for (const SortEntry& entry : entries) {
        if (position != entry.node)
            movies.swapNodes(position, entry.node);
        position = entry.node->next;
    }
}

} // namespace

void MovieSorter::sort(List<Movie*>& movies, const SortComparator& comparator)
{
    if (movies.count() < 2)
        return;
    std::vector<SortEntry> entries;
    entries.reserve(size_t(movies.count()));
    for (MovieNode* node = movies.first(); node; node = node->next)
        entries.push_back(SortEntry{node, comparator.keyOf(*node->value)});
    std::stable_sort(entries.begin(), entries.end(), [&comparator](const SortEntry& a, const SortEntry& b) {
        return comparator.compareKeys(a.key, b.key) < 0;
    });
    relink(movies, entries);
}
