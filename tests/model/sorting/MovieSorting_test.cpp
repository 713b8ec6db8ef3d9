// Movie sorting: the comparator's rules with their examples, and the sort
// itself checked against a plain stable bubble sort over the same
// comparator, on movies full of ties, articles, letter-case twins and texts
// with zero units.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/sorting/MovieSorter.h"
#include "model/sorting/SortArticles.h"
#include "model/sorting/SortComparator.h"
#include "tests/model/ModelTestSupport.h"

#include <cstdint>
#include <vector>

using modeltest::OwnedMovies;

namespace {

using MovieNode = List<Movie*>::Node;

SortComparator titleComparator(bool ignoreArticle, int32_t order = SortComparator::kAscending)
{
    return CollectionModel::sortComparator(SortComparator::kByTitle, order, ignoreArticle);
}

int compareTitles(const char16_t* a, const char16_t* b, bool ignoreArticle)
{
    Movie first;
    Movie second;
    first.title = String(a);
    second.title = String(b);
    return titleComparator(ignoreArticle).compare(first, second);
}

// The order the comparator asks for, the slow and obvious way: n passes, each
// walking from the tail towards the head and swapping a pair whenever the
// first of the two compares greater.
void bubbleSort(List<Movie*>& list, const SortComparator& comparator)
{
    int n = list.count();
    for (int pass = 0; pass < n; ++pass) {
        MovieNode* second = list.last();
        for (int step = 0; step < n - 1 - pass; ++step) {
            MovieNode* first = second->prev;
            if (comparator.compare(*first->value, *second->value) > 0)
                list.swapNodes(first, second);
            else
                second = first;
        }
    }
}

// Walks the links both ways, so a sort that relinked nodes badly shows.
void expectWellLinked(const List<Movie*>& list)
{
    int forward = 0;
    MovieNode* previous = nullptr;
    for (MovieNode* node = list.first(); node; node = node->next) {
        EXPECT_EQ(node->prev, previous);
        previous = node;
        ++forward;
    }
    EXPECT_EQ(previous, list.last());
    EXPECT_EQ(forward, list.count());
}

// Few distinct values, so that ties are everywhere.
class MovieMaker
{
public:
    explicit MovieMaker(uint32_t seed) : m_state(seed * 2654435761u + 1) {}

    void fill(OwnedMovies& movies, int count)
    {
        for (int i = 0; i < count; ++i) {
            Movie& movie = movies.add(title());
            movie.year = kYears[below(5)];
            movie.created = dateTime();
            movie.modified = dateTime();
        }
    }

private:
    static constexpr int32_t kYears[5] = {0, 1999, 2000, 2001, -5};

    uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int below(int count) { return int(next() % uint32_t(count)); }

    String title()
    {
        static const char16_t* const kTitles[] = {
            u"The Matrix", u"the matrix", u"Matrix", u"MATRIX", u"Der Untergang", u"Untergang",
            u"Les Mis\u00e9rables", u"LES MIS\u00c9RABLES", u"Mis\u00e9rables", u"L' Avventura",
            u"L'Avventura", u"Avventura", u"The", u"the ", u"THE  ", u"Theory", u"An American Tail",
            u"American Tail", u"A Bug's Life", u"A", u"a ", u"", u"Un Chien Andalou", u"Ein Herz",
            u"Het Huis", u"De Kat", u"Die Hard", u"Das Boot", u"El Topo", u"Zorro", u"zorro",
            u"\u00c9t\u00e9", u"\u00e9t\u00e9", u"Stra\u00dfe", u"\u00dcber", u"\u00fcber", u"\u00d8resund",
            u"Le Mans", u"LE MANS", u"le",
            // Keys that agree in their first four letters.
            u"Rocky", u"Rocko", u"ROCKY II", u"Rocky III", u"Heat", u"Heath", u"Matrix Reloaded",
            u"Matrix Revolutions", u"The Matrix Reloaded"};
        int pick = below(int(sizeof(kTitles) / sizeof(kTitles[0])) + 3);
        // Texts with zero units compare only up to the first of them.
        if (pick == 0)
            return String(u"A\0B", 3);
        if (pick == 1)
            return String(u"\0x", 2);
        if (pick == 2)
            return String(u"The \0Zed", 8);
        return String(kTitles[pick - 3]);
    }

    DateTime dateTime()
    {
        switch (below(6)) {
        case 0:
            return DateTime();
        case 1:
            return DateTime(2020, 13, 40, 25, 0, 0, 0);
        case 2:
            return DateTime(2021, 5, 1, 12, 0, 0, 0);
        case 3:
            return DateTime(2021, 5, 1, 12, 0, 0, 1);
        case 4:
            return DateTime(2021, 5, 2, 0, 0, 0, 0);
        default:
            return DateTime(1999, 12, 31, 23, 59, 59, 999);
        }
    }

    uint32_t m_state;
};

} // namespace

TEST(SortComparator, PassesOverLeadingArticlesOnlyWhenAWordFollows)
{
    // Each title sorts under the word after its article.
    EXPECT_EQ(compareTitles(u"The Matrix", u"Matrix", true), 0);
    EXPECT_LT(compareTitles(u"The Matrix", u"Next", true), 0);
    EXPECT_GT(compareTitles(u"The Matrix", u"Lost", true), 0);
    EXPECT_EQ(compareTitles(u"Der Untergang", u"untergang", true), 0);
    EXPECT_EQ(compareTitles(u"Les Miserables", u"MISERABLES", true), 0);
    EXPECT_EQ(compareTitles(u"L' Avventura", u"Avventura", true), 0);
    // An apostrophe followed by a letter is part of the word.
    EXPECT_GT(compareTitles(u"L'Avventura", u"Avventura", true), 0);
    // Nothing would remain after the article: the whole title counts.
    EXPECT_EQ(compareTitles(u"The", u"the", true), 0);
    EXPECT_GT(compareTitles(u"The", u"Matrix", true), 0);
    EXPECT_GT(compareTitles(u"Theory", u"Matrix", true), 0);
    EXPECT_LT(compareTitles(u"Theory", u"Zorro", true), 0);
    // "a" is tried first but needs a blank after it; "an" then matches.
    EXPECT_EQ(compareTitles(u"An American Tail", u"American Tail", true), 0);
    EXPECT_EQ(compareTitles(u"A Bug's Life", u"bug's life", true), 0);
    // Without the option the whole titles compare, still ignoring case.
    EXPECT_GT(compareTitles(u"The Matrix", u"Matrix", false), 0);
    EXPECT_EQ(compareTitles(u"the matrix", u"THE MATRIX", false), 0);
    // An empty title comes first.
    EXPECT_LT(compareTitles(u"", u"A", true), 0);
    EXPECT_EQ(compareTitles(u"", u"", false), 0);
}

TEST(SortComparator, DescendingReversesEverythingButEquality)
{
    Movie early;
    Movie late;
    Movie twin;
    early.year = 1999;
    late.year = 2005;
    twin.year = 1999;
    early.created = DateTime(2020, 1, 1, 10, 0, 0, 0);
    late.created = DateTime(2020, 1, 1, 10, 0, 0, 1);
    early.modified = DateTime(2020, 1, 2);
    late.modified = DateTime(2020, 1, 1, 23, 59, 59, 999);

    for (int32_t order : {1, 0, 2, -1}) {
        int sign = order == 1 ? 1 : -1;
        SortComparator byYear = CollectionModel::sortComparator(SortComparator::kByYear, order, false);
        EXPECT_EQ(byYear.compare(early, late), -sign);
        EXPECT_EQ(byYear.compare(late, early), sign);
        EXPECT_EQ(byYear.compare(early, twin), 0);
        SortComparator byCreated = CollectionModel::sortComparator(SortComparator::kByCreated, order, false);
        EXPECT_EQ(byCreated.compare(early, late), -sign);
        // The date decides before the time does.
        SortComparator byModified =
            CollectionModel::sortComparator(SortComparator::kByModified, order, false);
        EXPECT_EQ(byModified.compare(early, late), sign);
        SortComparator unknown = CollectionModel::sortComparator(4, order, false);
        EXPECT_EQ(unknown.compare(early, late), 0);
    }
}

TEST(MovieSorter, GivesExactlyTheOrderOfAStableBubbleSort)
{
    CollectionModel::sortComparator(SortComparator::kByTitle, 1, true);
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        for (int32_t mode : {0, 1, 2, 3, 7}) {
            for (int32_t order : {1, 0, -3}) {
                for (bool ignoreArticle : {true, false}) {
                    SCOPED_TRACE(::testing::Message() << "seed " << seed << " mode " << mode << " order "
                                                      << order << " articles " << ignoreArticle);
                    OwnedMovies expected;
                    OwnedMovies actual;
                    int count = int(seed * 7 % 61);
                    MovieMaker(seed).fill(expected, count);
                    MovieMaker(seed).fill(actual, count);
                    SortComparator comparator = CollectionModel::sortComparator(mode, order, ignoreArticle);
                    bubbleSort(expected.list, comparator);
                    MovieSorter::sort(actual.list, comparator);
                    EXPECT_EQ(actual.ids(), expected.ids());
                    expectWellLinked(actual.list);
                }
            }
        }
    }
}

TEST(MovieSorter, MovesNodesNotValues)
{
    OwnedMovies movies;
    movies.add(u"Charlie");
    movies.add(u"alpha");
    movies.add(u"Bravo");
    std::vector<MovieNode*> nodes;
    for (MovieNode* node = movies.list.first(); node; node = node->next)
        nodes.push_back(node);

    MovieSorter::sort(movies.list, titleComparator(false));
    EXPECT_EQ(movies.ids(), (std::vector<int>{2, 3, 1}));
    // A caller holding a node still holds the same movie.
    EXPECT_EQ(nodes[0]->value->id, 1);
    EXPECT_EQ(nodes[1]->value->id, 2);
    EXPECT_EQ(movies.list.first(), nodes[1]);
    EXPECT_EQ(movies.list.last(), nodes[0]);
    expectWellLinked(movies.list);
}

TEST(CollectionModel, SortsByEveryModeInBothOrdersKeepingTies)
{
    CollectionModel model(String(u"unused"));
    struct Row
    {
        const char16_t* title;
        int32_t year;
        DateTime created;
        DateTime modified;
    };
    const Row rows[] = {
        {u"The Matrix", 1999, DateTime(2021, 3, 1, 8, 0, 0, 0), DateTime(2022, 1, 1)},
        {u"Das Boot", 1981, DateTime(2021, 3, 1, 7, 0, 0, 0), DateTime(2022, 1, 3)},
        {u"matrix", 1999, DateTime(2020, 1, 1), DateTime(2022, 1, 2)},
        {u"Le Mans", 1971, DateTime(2021, 3, 1, 8, 0, 0, 0), DateTime(2022, 1, 1)},
        {u"Alien", 1979, DateTime(2019, 6, 1), DateTime(2022, 1, 4)},
    };
    for (const Row& row : rows) {
        Movie* movie = new Movie;
        movie->id = model.movieCount() + 1;
        movie->title = String(row.title);
        movie->year = row.year;
        movie->created = row.created;
        movie->modified = row.modified;
        model.appendMovie(movie);
    }
    auto ids = [&model] {
        std::vector<int> result;
        for (const Movie* movie : model.movies())
            result.push_back(movie->id);
        return result;
    };

    ASSERT_TRUE(model.sortMovies(SortComparator::kByTitle, 1));
    EXPECT_EQ(ids(), (std::vector<int>{5, 2, 4, 1, 3}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByTitle, 0));
    EXPECT_EQ(ids(), (std::vector<int>{1, 3, 4, 2, 5}));
    model.setIgnoreArticleWhenSortingTitles(false);
    ASSERT_TRUE(model.sortMovies(SortComparator::kByTitle, 1));
    EXPECT_EQ(ids(), (std::vector<int>{5, 2, 4, 3, 1}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByYear, 1));
    EXPECT_EQ(ids(), (std::vector<int>{4, 5, 2, 3, 1}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByYear, 0));
    EXPECT_EQ(ids(), (std::vector<int>{3, 1, 2, 5, 4}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByCreated, 1));
    EXPECT_EQ(ids(), (std::vector<int>{5, 3, 2, 1, 4}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByCreated, 0));
    EXPECT_EQ(ids(), (std::vector<int>{1, 4, 2, 3, 5}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByModified, 1));
    EXPECT_EQ(ids(), (std::vector<int>{1, 4, 3, 2, 5}));
    ASSERT_TRUE(model.sortMovies(SortComparator::kByModified, 0));
    EXPECT_EQ(ids(), (std::vector<int>{5, 2, 3, 1, 4}));
    EXPECT_EQ(model.sortMode(), SortComparator::kByModified);
    EXPECT_EQ(model.sortOrder(), 0);
}

TEST(CollectionModel, SortingTooFewMoviesOnlyStoresTheChoice)
{
    CollectionModel model(String(u"unused"));
    EXPECT_EQ(model.sortMode(), SortComparator::kByCreated);
    EXPECT_EQ(model.sortOrder(), SortComparator::kAscending);
    EXPECT_FALSE(model.sortMovies(SortComparator::kByTitle, 0));
    EXPECT_EQ(model.sortMode(), SortComparator::kByTitle);
    EXPECT_EQ(model.sortOrder(), 0);
    Movie* only = new Movie;
    model.appendMovie(only);
    EXPECT_FALSE(model.sortMovies(SortComparator::kByYear, 1));
    EXPECT_EQ(model.sortMode(), SortComparator::kByYear);
    EXPECT_EQ(model.movies().first()->value, only);
}

TEST(SortArticles, AreFilledOnceWhenFirstNeeded)
{
    CollectionModel::sortComparator(SortComparator::kByTitle, 1, true);
    const StringList& articles = SortArticles::list();
    ASSERT_EQ(articles.count(), 43);
    EXPECT_EQ(iotest::show(articles.first()->value), "a ");
    EXPECT_EQ(iotest::show(articles.last()->value), "de ");
    for (const String& article : articles)
        EXPECT_EQ(article.last(), u' ');
    const void* head = articles.first();
    CollectionModel::sortComparator(SortComparator::kByTitle, 1, false);
    CollectionModel::sortComparator(SortComparator::kByTitle, 1, true);
    EXPECT_EQ(articles.count(), 43);
    EXPECT_EQ(static_cast<const void*>(articles.first()), head);
}
