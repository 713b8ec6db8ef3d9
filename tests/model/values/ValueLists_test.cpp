// Value lists checked against their plain definition (append a value when
// the list holds no equal text yet; one initial per first character met) on
// a generated collection and a list the caller filled, straight and through
// the collection model; initials and the most frequent value by example.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/values/ValueLists.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <functional>
#include <set>
#include <vector>

using collectiontest::Contents;
using collectiontest::Workspace;

namespace {

// The values one movie offers a list, in the order the list meets them.
using ValuesOf = std::function<StringList(const Movie&)>;

// A value list as the filter bar, the editors and the statistics ask for it,
// both straight and through the collection model, and what one movie gives it.
struct ListCase
{
    const char* what;
    void (*collect)(const List<Movie*>&, StringList&);
    void (CollectionModel::*modelCollect)(StringList&) const;
    ValuesOf valuesOf;
    bool initials;
};

// The plain definitions: a value is appended when the list holds no equal
// text yet; an initial (the first character and "...") once per character
// met in this walk, whatever the list held before.
StringList plainList(const List<Movie*>& movies, const ListCase& list, const StringList& callers)
{
    StringList expected = callers;
    std::set<char16_t> seen;
    for (const Movie* movie : movies) {
        for (const String& value : list.valuesOf(*movie)) {
            if (!list.initials && !expected.contains(value))
                expected.append(value);
            if (list.initials && !value.isEmpty() && seen.insert(value.first()).second)
                expected.append(String(value.first(), 1) + u"...");
        }
    }
    return expected;
}

StringList single(const String& value)
{
    StringList list;
    list.append(value);
    return list;
}

StringList actorsOf(const Movie& movie)
{
    StringList actors;
    for (const CastItem& item : movie.cast)
        actors.append(item.actor);
    return actors;
}

} // namespace

TEST(ValueLists, MatchThePlainDefinitionOnAGeneratedCollection)
{
    CollectionHeader header;
    Contents owned;
    SampleCollection(7).make(300, header, owned.movies, owned.loaners);
    ASSERT_GT(owned.movies.count(), 0);
    Movie& first = *owned.movies.first()->value;
    first.genres = listOf({u"x", u"Drama", u"x"});
    first.countries = listOf({u"Drama", u"UK", u"UK"});
    first.studios.append(String(u"drama"));
    // Titles of the sample all begin alike; these give the initials more.
    const char16_t* const titles[] = {u"drama", u"", u"Alien", u"\u00c9mile"};
    size_t titled = 0;
    for (Movie* movie : owned.movies) {
        if (titled < 4)
            movie->title = String(titles[titled++]);
    }
    const StringList callers = listOf({u"Drama", u"drama", u"Drama"});
    const ListCase lists[] = {
        {"genres", ValueLists::collectGenres, &CollectionModel::collectGenres,
         [](const Movie& movie) { return movie.genres; }, false},
        {"actors", ValueLists::collectActors, &CollectionModel::collectActors, actorsOf, false},
        {"directors", ValueLists::collectDirectors, &CollectionModel::collectDirectors,
         [](const Movie& movie) {
             StringList names;
             for (const CrewItem& item : movie.crew) {
                 if (item.role == CrewItem::kDirector)
                     names.append(item.name);
             }
             return names;
         },
         false},
        {"tags", ValueLists::collectTags, &CollectionModel::collectTags,
         [](const Movie& movie) { return movie.tags; }, false},
        {"formats", ValueLists::collectFormats, &CollectionModel::collectFormats,
         [](const Movie& movie) { return single(movie.format); }, false},
        {"countries", ValueLists::collectCountries, &CollectionModel::collectCountries,
         [](const Movie& movie) { return movie.countries; }, false},
        {"studios", ValueLists::collectStudios, &CollectionModel::collectStudios,
         [](const Movie& movie) { return movie.studios; }, false},
        {"title initials", ValueLists::collectTitleInitials, &CollectionModel::collectTitleInitials,
         [](const Movie& movie) { return single(movie.title); }, true},
        {"actor initials", ValueLists::collectActorInitials, &CollectionModel::collectActorInitials, actorsOf,
         true},
    };
    for (const ListCase& list : lists) {
        SCOPED_TRACE(list.what);
        const StringList expected = plainList(owned.movies, list, callers);
        EXPECT_GT(expected.count(), callers.count() + 2)
            << "the collection gives the list something to gather";
        StringList actual = callers;
        list.collect(owned.movies, actual);
        EXPECT_EQ(items(actual), items(expected));
    }

    // The filter bar asks the collection model, which holds the movies.
    Workspace space;
    CollectionModel model(space.folder());
    for (Movie* movie : owned.movies)
        model.appendMovie(movie);
    owned.movies.clear();
    for (const ListCase& list : lists) {
        SCOPED_TRACE(list.what);
        StringList actual = callers;
        (model.*list.modelCollect)(actual);
        EXPECT_EQ(items(actual), items(plainList(model.movies(), list, callers)));
    }
}

TEST(ValueLists, InitialsAndTheMostFrequentValue)
{
    Contents owned;
    owned.add(u"Alien").genres = listOf({u"Drama", u"Crime"});
    owned.add(u"").genres = listOf({u"Crime", u"Drama", u"drama"});
    owned.add(u"alien").cast.append(CastItem{String(u"Zo\u00eb"), String()});
    StringList titles = listOf({u"A..."});
    ValueLists::collectTitleInitials(owned.movies, titles);
    EXPECT_EQ(items(titles), (Items{u"A...", u"A...", u"a..."}));
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(owned.movies)), "Drama")
        << "a tie goes to the first met";
    owned.add(u"b").genres = listOf({u"Crime"});
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(owned.movies)), "Crime");
    EXPECT_TRUE(ValueLists::mostFrequentStudio(owned.movies).isEmpty());
}

// The movies met with an actor of the initial are those a filter by that
// initial passes, in order; an initial nobody has gives none of either.
TEST(ValueLists, ActorsByAnInitialAndTheMoviesHavingOne)
{
    CollectionHeader header;
    Contents owned;
    SampleCollection(11).make(200, header, owned.movies, owned.loaners);
    ASSERT_GT(owned.movies.count(), 0);
    owned.movies.first()->value->cast.append(CastItem{String(), String(u"nobody")});
    for (char16_t first : {char16_t(u'A'), char16_t(u'M'), char16_t(u'a'), char16_t(u'\u00c9')}) {
        StringList expectedActors;
        std::vector<Movie*> expectedMovies;
        for (Movie* movie : owned.movies) {
            for (const CastItem& item : movie->cast) {
                if (!item.actor.isEmpty() && item.actor.first() == first && !expectedActors.contains(item.actor))
                    expectedActors.append(item.actor);
            }
            if (movie->hasActorStartingWith(first))
                expectedMovies.push_back(movie);
        }
        StringList actors;
        std::vector<Movie*> having;
        ValueLists::collectActorsStartingWith(owned.movies, first, actors, &having);
        EXPECT_EQ(items(actors), items(expectedActors)) << int(first);
        EXPECT_EQ(having, expectedMovies) << int(first);
        StringList alone;
        ValueLists::collectActorsStartingWith(owned.movies, first, alone);
        EXPECT_EQ(items(alone), items(actors)) << "without the movies";
    }
}
