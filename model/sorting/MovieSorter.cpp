#include "model/sorting/MovieSorter.h"

#include "foundation/text/CharClass.h"
#include "foundation/text/String.h"
#include "model/records/Movie.h"
#include "model/sorting/SortArticles.h"
#include "model/sorting/SortComparator.h"

#include <algorithm>
#include <vector>

namespace {

using MovieNode = List<Movie*>::Node;

const int kPrefixUnits = 4;

// One movie's place in the list and what it sorts by.
//
// A title's key (the title past its article, in capitals) lies in one shared
// store of units, and its first four units are also packed into prefix, so
// that most comparisons never leave the entry. Titles compare as the
// zero-terminated texts they are: the key stops at a zero unit, and an empty
// title (a null text, length -1) sorts before every other, even one that
// starts with a zero unit (length 0).
struct SortEntry
{
    MovieNode* node = nullptr;
    uint64_t prefix = 0;
    int32_t offset = 0;
    int32_t length = -1;
    int32_t numbers[7] = {};
};

class KeyStore
{
public:
    void addTitleKey(SortEntry& entry, const String& title, bool skipArticles)
    {
        if (title.isEmpty())
            return;
        int start = skipArticles ? SortArticles::keyStart(title) : 0;
        entry.offset = int32_t(m_units.size());
        for (int i = start; i < title.length() && title.at(i) != 0; ++i)
            m_units.push_back(toUpperUnit(title.at(i)));
        entry.length = int32_t(m_units.size()) - entry.offset;
        // Zero fills the prefix of a short key: below every unit a key holds,
        // so a key sorts before the longer keys it begins.
        for (int i = 0; i < kPrefixUnits; ++i) {
            char16_t unit = i < entry.length ? m_units[size_t(entry.offset + i)] : 0;
            entry.prefix = (entry.prefix << 16) | unit;
        }
    }

    int compareTitles(const SortEntry& a, const SortEntry& b) const
    {
        if (a.length < 0 || b.length < 0)
            return int(a.length >= 0) - int(b.length >= 0);
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        int shorter = std::min(a.length, b.length);
        for (int i = kPrefixUnits; i < shorter; ++i) {
            char16_t unitA = m_units[size_t(a.offset + i)];
            char16_t unitB = m_units[size_t(b.offset + i)];
            if (unitA != unitB)
                return unitA < unitB ? -1 : 1;
        }
        return int(a.length > b.length) - int(a.length < b.length);
    }

private:
    std::vector<char16_t> m_units;
};

void setDateTime(SortEntry& entry, const DateTime& value)
{
    const int32_t numbers[7] = {value.year(),   value.month(),  value.day(),        value.hour(),
                                value.minute(), value.second(), value.millisecond()};
    std::copy(numbers, numbers + 7, entry.numbers);
}

SortEntry entryFor(MovieNode* node, int32_t mode, bool skipArticles, KeyStore& keys)
{
    SortEntry entry;
    entry.node = node;
    const Movie& movie = *node->value;
    switch (mode) {
    case SortComparator::kByTitle:
        keys.addTitleKey(entry, movie.title, skipArticles);
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
    bool byTitle = comparator.mode == SortComparator::kByTitle;
    KeyStore keys;
    std::vector<SortEntry> entries;
    entries.reserve(size_t(movies.count()));
    for (MovieNode* node = movies.first(); node; node = node->next)
        entries.push_back(entryFor(node, comparator.mode, skipArticles, keys));

    bool ascending = comparator.order == SortComparator::kAscending;
    std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        int result = byTitle ? keys.compareTitles(a, b) : compareNumbers(a, b);
        return ascending ? result < 0 : result > 0;
    });
    relink(movies, entries);
}
