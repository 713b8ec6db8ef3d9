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

bool MovieSorter::placeLast(List<Movie*>& movies, const SortComparator& comparator)
{
    MovieNode* last = movies.last();
    if (!last)
        return true;
    const SortComparator::Key lastKey = comparator.keyOf(*last->value);
    MovieNode* place = nullptr;
    SortComparator::Key previous;
    for (MovieNode* node = movies.first(); node != last; node = node->next) {
        SortComparator::Key key = comparator.keyOf(*node->value);
        if (node != movies.first() && comparator.compareKeys(previous, key) > 0)
            return false;
        if (!place && comparator.compareKeys(lastKey, key) < 0)
            place = node;
        previous = std::move(key);
    }
    if (place)
        movies.moveNodeBefore(last, place);
    return true;
}
