// Value lists checked against their plain definition (append a value when
// the list holds no equal text yet) on a generated collection and a list the
// caller filled; initials and the most frequent value by example.
#include <gtest/gtest.h>

#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/values/ValueLists.h"
#include "samples/SampleCollection.h"
#include "tests/model/ModelTestSupport.h"

using modeltest::listOf;
using modeltest::OwnedMovies;
using modeltest::shown;

TEST(ValueLists, MatchThePlainDefinitionOnAGeneratedCollection)
{
    CollectionHeader header;
    LoanerList loaners;
    OwnedMovies movies;
    SampleCollection(7).make(300, header, movies.list, loaners);
    movies.list.first()->value->genres = listOf({u"x", u"Drama", u"x"});
    const StringList callers = listOf({u"Drama", u"drama", u"Drama"});
    StringList expected[5] = {callers, callers, callers, callers, callers};
    auto appendNew = [](StringList& out, const String& value) {
        if (!out.contains(value))
            out.append(value);
    };
    for (const Movie* movie : movies.list) {
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
    ValueLists::collectGenres(movies.list, actual[0]);
    ValueLists::collectActors(movies.list, actual[1]);
    ValueLists::collectDirectors(movies.list, actual[2]);
    ValueLists::collectTags(movies.list, actual[3]);
    ValueLists::collectFormats(movies.list, actual[4]);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shown(actual[i]), shown(expected[i])) << "list " << i;
    EXPECT_GT(actual[1].count(), 20);
}

TEST(ValueLists, InitialsAndTheMostFrequentValue)
{
    OwnedMovies movies;
    movies.add(u"Alien").genres = listOf({u"Drama", u"Crime"});
    movies.add(u"").genres = listOf({u"Crime", u"Drama", u"drama"});
    movies.add(u"alien").cast.append(CastItem{String(u"Zo\u00eb"), String()});
    StringList titles = listOf({u"A..."});
    ValueLists::collectTitleInitials(movies.list, titles);
    EXPECT_EQ(shown(titles), (std::vector<std::string>{"A...", "A...", "a..."}));
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(movies.list)), "Drama")
        << "a tie goes to the first met";
    movies.add(u"b").genres = listOf({u"Crime"});
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(movies.list)), "Crime");
    EXPECT_TRUE(ValueLists::mostFrequentStudio(movies.list).isEmpty());
}
