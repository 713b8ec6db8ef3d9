// The filter bar's rule over a known collection: every kind with its boxes'
// states, exact and case-sensitive values, and kinds past the list.
#include "app/views/MovieFilter.h"
#include "tests/app/TwelveMovies.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The ids that pass, as "1,3,9".
std::string passing(const MovieFilter& filter, const CollectionModel& model)
{
    std::string ids;
    for (const Movie* movie : model.movies()) {
        if (!filter.matches(*movie, model))
            continue;
        ids += (ids.empty() ? "" : ",") + std::to_string(movie->id);
    }
    return ids;
}

MovieFilter filter(int kind, int valueIndex = -1, const char16_t* value = u"", int actorIndex = -1,
                   const char16_t* actor = u"")
{
    MovieFilter f;
    f.kind = kind;
    f.valueIndex = valueIndex;
    f.value = String(value);
    f.actorIndex = actorIndex;
    f.actor = String(actor);
    return f;
}

} // namespace

TEST(MovieFilter, EachKindPassesExactlyItsMovies)
{
    twelvemovies::Collection twelve;
    for (int id : {3, 1, 9})
        twelve.model.noteShown(twelve.model.movieById(id));
    const std::string all = "1,2,3,4,5,6,7,8,9,10,11,12";
    struct Case
    {
        const char* what;
        MovieFilter filter;
        std::string ids;
    };
    const Case cases[] = {
        {"all", filter(MovieFilter::kAll), all},
        {"recently viewed", filter(MovieFilter::kRecentlyViewed), "1,3,9"},
        {"wish list", filter(MovieFilter::kWishList), "2,5,7"},
        {"seen", filter(MovieFilter::kSeen), "1,3,5,8,9,12"},
        {"unseen", filter(MovieFilter::kUnseen), "2,4,6,7,10,11"},
        {"tags at All", filter(MovieFilter::kTags, 0, u"All"), all},
        {"a tag", filter(MovieFilter::kTags, 1, u"Space"), "1,3,6,10"},
        {"another tag", filter(MovieFilter::kTags, 2, u"Cult"), "3,8"},
        {"an upper-case initial", filter(MovieFilter::kTitle, 1, u"A..."), "1"},
        {"a lower-case initial", filter(MovieFilter::kTitle, 2, u"a..."), "2"},
        {"a genre", filter(MovieFilter::kGenre, 1, u"Comedy"), "2,3,5,8"},
        {"a genre in another case", filter(MovieFilter::kGenre, 1, u"comedy"), ""},
        {"a studio", filter(MovieFilter::kStudio, 3, u"WB"), "4,7,10"},
        {"a country", filter(MovieFilter::kCountry, 2, u"UK"), "3,10"},
        {"a director", filter(MovieFilter::kDirector, 4, u"Ridley"), "1"},
        {"a director in another case", filter(MovieFilter::kDirector, 4, u"ridley"), ""},
        {"actors at All", filter(MovieFilter::kActor, 0, u"All"), all},
        {"an initial before the actor box has one", filter(MovieFilter::kActor, 2, u"B...", -1), all},
        {"an initial with the actor box at All", filter(MovieFilter::kActor, 2, u"B...", 0, u"All"),
         "1,3,7,11"},
        {"a lower-case initial", filter(MovieFilter::kActor, 8, u"b...", 0, u"All"), "5"},
        {"an actor", filter(MovieFilter::kActor, 2, u"B...", 3, u"Bob Hoskins"), "1,7"},
        {"kind 12", filter(12, 1, u"Drama"), all},
        {"kind 99", filter(99), all},
    };
    for (const Case& c : cases)
        EXPECT_EQ(passing(c.filter, twelve.model), c.ids) << c.what;
}

// Cosmos's one cast member has no name: no initial, not even the empty
// value's, may match it.
TEST(MovieFilter, ANamelessActorMatchesNoInitial)
{
    twelvemovies::Collection twelve;
    const Movie& cosmos = *twelve.model.movieById(6);
    for (const char16_t* initial : {u"B...", u"A...", u"Z...", u""})
        EXPECT_FALSE(filter(MovieFilter::kActor, 1, initial, 0, u"All").matches(cosmos, twelve.model))
            << std::u16string(initial).size();
}
