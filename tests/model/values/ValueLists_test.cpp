// Value lists checked against their plain definition (append a value when
// the list holds no equal text yet) on a generated collection and a list the
// caller filled; initials and the most frequent value by example.
#include <gtest/gtest.h>

#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/values/ValueLists.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <vector>

using collectiontest::Contents;

TEST(ValueLists, MatchThePlainDefinitionOnAGeneratedCollection)
{
    CollectionHeader header;
    Contents owned;
    SampleCollection(7).make(300, header, owned.movies, owned.loaners);
    owned.movies.first()->value->genres = listOf({u"x", u"Drama", u"x"});
    const StringList callers = listOf({u"Drama", u"drama", u"Drama"});
    StringList expected[5] = {callers, callers, callers, callers, callers};
    auto appendNew = [](StringList& out, const String& value) {
        if (!out.contains(value))
            out.append(value);
    };
    for (const Movie* movie : owned.movies) {
        for (const String& genre : movie->genres)
            appendNew(expected[0], genre);
        for (const CastItem& item : movie->cast)
            appendNew(expected[1], item.actor);
        for (const CrewItem& item : movie->crew) {
            if (item.role == CrewItem::kDirector)
                appendNew(expected[2], item.name);
        }
        for (const String& tag : movie->tags)
            appendNew(expected[3], tag);
        appendNew(expected[4], movie->format);
    }
    StringList actual[5] = {callers, callers, callers, callers, callers};
    ValueLists::collectGenres(owned.movies, actual[0]);
    ValueLists::collectActors(owned.movies, actual[1]);
    ValueLists::collectDirectors(owned.movies, actual[2]);
    ValueLists::collectTags(owned.movies, actual[3]);
    ValueLists::collectFormats(owned.movies, actual[4]);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(items(actual[i]), items(expected[i])) << "list " << i;
    EXPECT_GT(actual[1].count(), 20);
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
