// Sorting: the comparator's rules by example, and the sorter checked against
// a plain stable sort over the same comparator on collections full of ties.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/sorting/MovieSorter.h"
#include "model/sorting/SortArticles.h"
#include "model/sorting/SortComparator.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <algorithm>
#include <vector>

using collectiontest::Contents;

namespace {

// Few distinct values, so ties are everywhere; articles, case twins, zero units.
void fillMovies(Contents& owned, uint32_t seed, int count)
{
    // clang-format off
    static const char16_t* const kTitles[] = {
        u"The Matrix", u"the matrix", u"Matrix", u"Der Untergang", u"untergang", u"L' Avventura",
        u"L'Avventura", u"The", u"THE  ", u"Theory", u"An American Tail", u"A", u"", u"Rocky",
        u"ROCKY II", u"Rocko", u"\u00c9t\u00e9", u"\u00e9t\u00e9"};
    // clang-format on
    static const int32_t kYears[] = {0, 1999, 2000, -5};
    static const DateTime kTimes[] = {DateTime(), DateTime(2020, 13, 40, 25, 0, 0, 0),
                                      DateTime(2021, 5, 1, 12, 0, 0, 0), DateTime(2021, 5, 1, 12, 0, 0, 1),
                                      DateTime(2021, 5, 2, 0, 0, 0, 0)};
    uint32_t state = seed * 2654435761u + 1;
    auto below = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % uint32_t(n));
    };
    for (int i = 0; i < count; ++i) {
        const int pick = below(int(sizeof kTitles / sizeof kTitles[0]) + 1);
        Movie& movie = owned.add(pick == 0 ? String(u"The \0Zed", 8) : String(kTitles[pick - 1]));
        movie.year = kYears[below(4)];
        movie.created = kTimes[below(5)];
        movie.modified = kTimes[below(5)];
    }
}

std::vector<Movie*> inOrder(const List<Movie*>& movies)
{
    std::vector<Movie*> out;
    for (Movie* movie : movies)
        out.push_back(movie);
    return out;
}

} // namespace

TEST(SortComparator, ArticlesCaseAndDirectionByExample)
{
    // clang-format off
    struct Row { const char16_t* a; const char16_t* b; bool ignoreArticle; int expected; };
    const Row rows[] = {
        {u"The Matrix", u"Matrix", true, 0}, {u"The Matrix", u"Lost", true, 1},
        {u"Der Untergang", u"untergang", true, 0}, {u"L' Avventura", u"Avventura", true, 0},
        {u"L'Avventura", u"Avventura", true, 1}, {u"The", u"Matrix", true, 1},
        {u"An American Tail", u"American Tail", true, 0}, {u"The Matrix", u"Matrix", false, 1},
        {u"", u"A", true, -1}, {u"", u"", false, 0}};
    // clang-format on
    for (const Row& row : rows) {
        Movie a, b;
        a.title = String(row.a);
        b.title = String(row.b);
        for (int32_t order : {1, 0}) {
            const SortComparator comparator =
                CollectionModel::sortComparator(SortComparator::kByTitle, order, row.ignoreArticle);
            const int expected = order == 1 ? row.expected : -row.expected;
            EXPECT_EQ(comparator.compare(a, b), expected) << "row " << (&row - rows) << " order " << order;
        }
    }
}

TEST(MovieSorter, MatchesAPlainStableSortOverTheComparator)
{
    const int32_t modes[] = {0, 1, 2, 3, 7};
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        for (int variant = 0; variant < 20; ++variant) {
            const int32_t mode = modes[variant / 4];
            const int32_t order = variant % 2;
            const SortComparator comparator = CollectionModel::sortComparator(mode, order, variant % 4 >= 2);
            Contents owned;
            fillMovies(owned, seed, int(seed * 13 % 70));
            std::vector<Movie*> expected;
            for (Movie* movie : owned.movies)
                expected.push_back(movie);
            std::stable_sort(expected.begin(), expected.end(),
                             [&comparator](Movie* a, Movie* b) { return comparator.compare(*a, *b) < 0; });
            MovieSorter::sort(owned.movies, comparator);
            // Walked backwards, so that a badly relinked list shows too.
            std::vector<Movie*> actual;
            for (List<Movie*>::Node* node = owned.movies.last(); node; node = node->prev)
                actual.insert(actual.begin(), node->value);
            EXPECT_EQ(actual, expected) << "seed " << seed << " variant " << variant;
            EXPECT_EQ(int(actual.size()), owned.movies.count());
        }
    }
}

// One movie appended to a sorted list lands where a whole stable sort would
// put it (after its equals); an unsorted rest is refused, nothing moved.
TEST(MovieSorter, PlaceLastMatchesAWholeSortOrRefuses)
{
    const int32_t modes[] = {0, 1, 2, 3};
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        for (int variant = 0; variant < 16; ++variant) {
            const int32_t mode = modes[variant / 4];
            const int32_t order = variant % 2;
            const SortComparator comparator = CollectionModel::sortComparator(mode, order, variant % 4 >= 2);
            Contents owned;
            fillMovies(owned, seed, int(seed * 7 % 40) + 1);
            MovieSorter::sort(owned.movies, comparator);
            fillMovies(owned, seed + 100, 1);
            std::vector<Movie*> expected = inOrder(owned.movies);
            std::stable_sort(expected.begin(), expected.end(),
                             [&comparator](Movie* a, Movie* b) { return comparator.compare(*a, *b) < 0; });
            ASSERT_TRUE(MovieSorter::placeLast(owned.movies, comparator));
            std::vector<Movie*> actual;
            for (List<Movie*>::Node* node = owned.movies.last(); node; node = node->prev)
                actual.insert(actual.begin(), node->value);
            EXPECT_EQ(actual, expected) << "seed " << seed << " variant " << variant;
        }
    }
    Contents unsorted;
    unsorted.add(String(u"Zulu")).year = 2001;
    unsorted.add(String(u"Alien")).year = 1979;
    unsorted.add(String(u"Brazil")).year = 1985;
    std::vector<Movie*> before = inOrder(unsorted.movies);
    EXPECT_FALSE(MovieSorter::placeLast(unsorted.movies, CollectionModel::sortComparator(0, 1, false)));
    EXPECT_EQ(inOrder(unsorted.movies), before);
}

TEST(SortComparator, ArticleWithNothingAfterItIsTheKey)
{
    SortArticles::fill();
    const char16_t* titles[] = {u"The Matrix", u"The ", u"The", u"Theory", u"l' x", u"L' "};
    const int starts[] = {4, 0, 0, 0, 3, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(SortArticles::keyStart(String(titles[i])), starts[i]) << i;
}

TEST(MovieSorter, NumbersAndDatesInOrdersWrittenByHand)
{
    // Names, years, dates added and changed; the dates tie or differ by one
    // millisecond, and D has no date added at all.
    struct Entry
    {
        const char16_t* name;
        int32_t year;
        DateTime created;
        DateTime modified;
    };
    const DateTime noon(2021, 5, 1, 12, 0, 0, 0);
    const DateTime noonAndOne(2021, 5, 1, 12, 0, 0, 1);
    const Entry entries[] = {
        {u"A", 1999, noonAndOne, noon},
        {u"B", 2000, noon, DateTime(2020, 1, 1)},
        {u"C", 1999, DateTime(2020, 12, 31, 23, 59, 59, 999), noonAndOne},
        {u"D", -5, DateTime(), noon},
        {u"E", 0, noonAndOne, DateTime(2021, 5, 2)},
    };
    struct Row
    {
        int32_t mode;
        const char* ascending;
        const char* descending;
    };
    // Equal movies keep their order either way.
    const Row rows[] = {
        {SortComparator::kByYear, "DEACB", "BACED"},
        {SortComparator::kByCreated, "DCBAE", "AEBCD"},
        {SortComparator::kByModified, "BADCE", "ECADB"},
    };
    for (const Row& row : rows) {
        for (int32_t order : {1, 0}) {
            Contents owned;
            for (const Entry& entry : entries) {
                Movie& movie = owned.add(String(entry.name));
                movie.year = entry.year;
                movie.created = entry.created;
                movie.modified = entry.modified;
            }
            MovieSorter::sort(owned.movies, CollectionModel::sortComparator(row.mode, order, false));
            std::string names;
            for (Movie* movie : owned.movies)
                names += char(movie->title.first());
            EXPECT_EQ(names, order == 1 ? row.ascending : row.descending) << "mode " << row.mode;
        }
    }
}
