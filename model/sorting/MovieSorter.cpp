#include "model/sorting/MovieSorter.h"

#include "foundation/text/CharClass.h"
#include "foundation/text/String.h"
#include "foundation/text/TerminatedText.h"
#include "model/records/Movie.h"
#include "model/sorting/SortArticles.h"
#include "model/sorting/SortComparator.h"

#include <algorithm>
#include <vector>

namespace {

using MovieNode = List<Movie*>::Node;

// One movie's place in the list and what it sorts by. Titles compare as the
// zero-terminated texts they are: the key stops at a zero unit, and an empty
// title (a null text) sorts before every other, even one that starts with a
// zero unit.
struct SortEntry
{
    MovieNode* node = nullptr;
    bool hasText = false;
    String text;
    int32_t numbers[7] = {};
};

String upperCasedKey(const String& title, int start)
{
    String key;
    key.reserve(title.length() - start);
    for (int i = start; i < title.length() && title.at(i) != 0; ++i)
        key.appendChar(toUpperUnit(title.at(i)));
    return key;
}

void setDateTime(SortEntry& entry, const DateTime& value)
{
    const int32_t numbers[7] = {value.year(),   value.month(),  value.day(),        value.hour(),
                                value.minute(), value.second(), value.millisecond()};
    std::copy(numbers, numbers + 7, entry.numbers);
}

SortEntry entryFor(MovieNode* node, const SortComparator& comparator, bool skipArticles)
{
    SortEntry entry;
    entry.node = node;
    const Movie& movie = *node->value;
    switch (comparator.mode) {
    case SortComparator::kByTitle:
        entry.hasText = !movie.title.isEmpty();
        entry.text = upperCasedKey(movie.title, skipArticles ? SortArticles::keyStart(movie.title) : 0);
        break;
    case SortComparator::kByYear:
        entry.numbers[0] = movie.year;
        break;
    case SortComparator::kByCreated:
        setDateTime(entry, movie.created);
        break;
    case SortComparator::kByModified:
        setDateTime(entry, movie.modified);
        break;
    default:
        break;
    }
    return entry;
}

int compareNumbers(const SortEntry& a, const SortEntry& b)
{
    for (int i = 0; i < 7; ++i) {
        if (a.numbers[i] != b.numbers[i])
            return a.numbers[i] < b.numbers[i] ? -1 : 1;
    }
    return 0;
}

int compareEntries(const SortEntry& a, const SortEntry& b)
{
    if (a.hasText != b.hasText)
        return a.hasText ? 1 : -1;
    if (a.hasText)
        return wideCompare(a.text.data(), b.text.data());
    return compareNumbers(a, b);
}

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
    bool skipArticles = comparator.ignoreArticle && !SortArticles::list().isEmpty();
    std::vector<SortEntry> entries;
    entries.reserve(size_t(movies.count()));
    for (MovieNode* node = movies.first(); node; node = node->next)
        entries.push_back(entryFor(node, comparator, skipArticles));

    bool ascending = comparator.order == SortComparator::kAscending;
    std::stable_sort(entries.begin(), entries.end(), [ascending](const SortEntry& a, const SortEntry& b) {
        int result = compareEntries(a, b);
        return ascending ? result < 0 : result > 0;
    });
    relink(movies, entries);
}
