// Value lists and statistics: the worked examples, the rules about the
// caller's list, and every list of a generated collection checked against
// the plain definition (append when the list holds no equal text yet).
#include <gtest/gtest.h>

#include "model/collection/CollectionHeader.h"
#include "samples/SampleCollection.h"
#include "model/records/LoanerList.h"
#include "model/values/ValueLists.h"
#include "tests/model/ModelTestSupport.h"

#include <map>
#include <string>
#include <vector>

using modeltest::listOf;
using modeltest::OwnedMovies;
using modeltest::shown;
using Strings = std::vector<std::string>;

namespace {

void addCast(Movie& movie, std::initializer_list<const char16_t*> actors)
{
    for (const char16_t* actor : actors)
        movie.cast.append(CastItem{String(actor), String(u"someone")});
}

void addCrew(Movie& movie, int32_t role, const char16_t* name)
{
    CrewItem item;
    item.role = role;
    item.name = String(name);
    movie.crew.append(item);
}

// The definition, one linear search per value.
void appendNew(StringList& out, const String& value)
{
    if (!out.contains(value))
        out.append(value);
}

String referenceMostFrequent(const List<Movie*>& movies, StringList Movie::*field)
{
    StringList order;
    std::map<std::string, int> counts;
    for (const Movie* movie : movies) {
        for (const String& value : movie->*field) {
            appendNew(order, value);
            ++counts[iotest::show(value)];
        }
    }
    String best;
    int bestCount = 0;
    for (const String& value : order) {
        if (counts[iotest::show(value)] > bestCount) {
            best = value;
            bestCount = counts[iotest::show(value)];
        }
    }
    return best;
}

} // namespace

TEST(ValueLists, KeepFirstSeenOrderAndRespectTheCallersList)
{
    OwnedMovies movies;
    movies.add(u"One").genres = listOf({u"Drama", u"Crime"});
    movies.add(u"Two").genres = listOf({u"Crime", u"Comedy"});

    StringList fresh;
    ValueLists::collectGenres(movies.list, fresh);
    EXPECT_EQ(shown(fresh), (Strings{"Drama", "Crime", "Comedy"}));

    // What the caller had stays as it was, duplicates included, and is not
    // repeated; letter case makes a value distinct.
    StringList prefilled = listOf({u"Crime", u"x", u"x", u"drama"});
    ValueLists::collectGenres(movies.list, prefilled);
    EXPECT_EQ(shown(prefilled), (Strings{"Crime", "x", "x", "drama", "Drama", "Comedy"}));

    // Collecting twice adds nothing the second time.
    ValueLists::collectGenres(movies.list, fresh);
    EXPECT_EQ(fresh.count(), 3);
}

TEST(ValueLists, CollectEachFieldOfEveryMovie)
{
    OwnedMovies movies;
    Movie& first = movies.add(u"Alien");
    first.countries = listOf({u"UK", u"USA"});
    first.studios = listOf({u"Brandywine"});
    first.tags = listOf({u"classic", u""});
    first.format = String(u"DVD");
    addCast(first, {u"Sigourney Weaver", u"", u"Tom Skerritt", u"sam"});
    addCrew(first, 0, u"Ridley Scott");
    addCrew(first, 1, u"Walter Hill");
    Movie& second = movies.add(u"alien");
    second.countries = listOf({u"USA", u"France"});
    second.tags = listOf({u"classic"});
    addCast(second, {u"Tom Skerritt", u"Sam Neill", u"Sigourney Weaver"});
    addCrew(second, 0, u"Ridley Scott");
    addCrew(second, 0, u"");
    addCrew(second, 5, u"Dan O'Bannon");
    Movie& third = movies.add(u"Aliens");
    third.format = String(u"DVD");
    third.studios = listOf({u"20th Century", u"Brandywine"});

    StringList out;
    ValueLists::collectCountries(movies.list, out);
    EXPECT_EQ(shown(out), (Strings{"UK", "USA", "France"}));
    out.clear();
    ValueLists::collectStudios(movies.list, out);
    EXPECT_EQ(shown(out), (Strings{"Brandywine", "20th Century"}));
    out.clear();
    ValueLists::collectTags(movies.list, out);
    EXPECT_EQ(shown(out), (Strings{"classic", ""}));
    out.clear();
    ValueLists::collectFormats(movies.list, out);
    EXPECT_EQ(shown(out), (Strings{"DVD", ""}));
    out.clear();
    ValueLists::collectActors(movies.list, out);
    EXPECT_EQ(shown(out), (Strings{"Sigourney Weaver", "", "Tom Skerritt", "sam", "Sam Neill"}));
    out.clear();
    ValueLists::collectActorsStartingWith(movies.list, u'S', out);
    EXPECT_EQ(shown(out), (Strings{"Sigourney Weaver", "Sam Neill"}));
    out.clear();
    ValueLists::collectActorsStartingWith(movies.list, u'\0', out);
    EXPECT_TRUE(out.isEmpty());
    // Only directors count, an empty name among them.
    ValueLists::collectDirectors(movies.list, out);
    EXPECT_EQ(shown(out), (Strings{"Ridley Scott", ""}));
}

TEST(ValueLists, InitialsAreCaseSensitiveAndSkipEmptyNames)
{
    OwnedMovies movies;
    movies.add(u"Alien");
    movies.add(u"");
    movies.add(u"alien");
    movies.add(u"Aliens");
    addCast(movies.add(u"\u00c9t\u00e9"), {u"", u"Zo\u00eb", u"zed", u"Zack"});

    StringList titles = listOf({u"A..."});
    ValueLists::collectTitleInitials(movies.list, titles);
    // The caller's entries are not consulted.
    EXPECT_EQ(shown(titles), (Strings{"A...", "A...", "a...", "\\u00c9..."}));

    StringList actors;
    ValueLists::collectActorInitials(movies.list, actors);
    EXPECT_EQ(shown(actors), (Strings{"Z...", "z..."}));
}

TEST(ValueLists, MostFrequentValueWinsAndTiesGoToTheFirstMet)
{
    OwnedMovies movies;
    EXPECT_TRUE(ValueLists::mostFrequentGenre(movies.list).isEmpty());
    movies.add(u"a").genres = listOf({u"Drama", u"Crime"});
    movies.add(u"b").genres = listOf({u"Crime", u"Drama"});
    movies.add(u"c").genres = listOf({u"Drama", u"Crime", u"drama"});
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(movies.list)), "Drama");
    movies.add(u"d").genres = listOf({u"Crime"});
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(movies.list)), "Crime");

    EXPECT_TRUE(ValueLists::mostFrequentStudio(movies.list).isEmpty());
    movies.add(u"e").studios = listOf({u"Ufa", u"Pathe", u"Pathe"});
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentStudio(movies.list)), "Pathe");
}

TEST(ValueLists, MatchThePlainDefinitionOnAGeneratedCollection)
{
    CollectionHeader header;
    LoanerList loaners;
    OwnedMovies movies;
    SampleCollection(7).make(400, header, movies.list, loaners);
    ASSERT_EQ(movies.list.count(), 400);

    StringList expectedGenres = listOf({u"Drama", u"Old"});
    StringList expectedActors = listOf({u"Nobody"});
    StringList expectedFormats;
    StringList expectedDirectors;
    StringList expectedTags;
    for (const Movie* movie : movies.list) {
        for (const String& genre : movie->genres)
            appendNew(expectedGenres, genre);
        for (const CastItem& item : movie->cast)
            appendNew(expectedActors, item.actor);
        for (const CrewItem& item : movie->crew) {
            if (item.role == CrewItem::kDirector)
                appendNew(expectedDirectors, item.name);
        }
        for (const String& tag : movie->tags)
            appendNew(expectedTags, tag);
        appendNew(expectedFormats, movie->format);
    }

    StringList genres = listOf({u"Drama", u"Old"});
    StringList actors = listOf({u"Nobody"});
    StringList formats;
    StringList directors;
    StringList tags;
    ValueLists::collectGenres(movies.list, genres);
    ValueLists::collectActors(movies.list, actors);
    ValueLists::collectFormats(movies.list, formats);
    ValueLists::collectDirectors(movies.list, directors);
    ValueLists::collectTags(movies.list, tags);
    EXPECT_EQ(shown(genres), shown(expectedGenres));
    EXPECT_EQ(shown(actors), shown(expectedActors));
    EXPECT_EQ(shown(formats), shown(expectedFormats));
    EXPECT_EQ(shown(directors), shown(expectedDirectors));
    EXPECT_EQ(shown(tags), shown(expectedTags));
    EXPECT_GT(actors.count(), 20);

    EXPECT_EQ(iotest::show(ValueLists::mostFrequentGenre(movies.list)),
              iotest::show(referenceMostFrequent(movies.list, &Movie::genres)));
    EXPECT_EQ(iotest::show(ValueLists::mostFrequentStudio(movies.list)),
              iotest::show(referenceMostFrequent(movies.list, &Movie::studios)));
}
