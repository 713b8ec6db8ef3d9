// The movie record: the completeness score, the running time as the list and
// card show it, the cover names the image store writes, and the queries and
// edits of the add-and-edit window.
#include <gtest/gtest.h>

#include "model/records/ModelText.h"
#include "model/records/RecordFormat.h"
#include "tests/model/collection/CollectionCompare.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <cstdint>
#include <memory>

using collectiontest::differenceOf;
using collectiontest::everyFieldMovie;

namespace {

String german(const String& text, const String& context)
{
    const char16_t* rows[][2] = {{u"hr", u"Std."}, {u"mins", u"Min."}};
    for (auto& row : rows) {
        if (String::equals(context, String(u"Movie")) && String::equals(text, String(row[0])))
            return String(row[1]);
    }
    return text;
}

Cover coverOf(int32_t kind, const char16_t* name)
{
    Cover cover{String(name)};
    cover.kind = kind;
    return cover;
}

} // namespace

TEST(MovieCompleteness, AddsThePointsOfEveryFilledField)
{
    std::unique_ptr<Movie> movie(everyFieldMovie(1));
    EXPECT_EQ(movie->completeness(), 91) << "all but the languages; 2 points for its one cover";
    movie->languages = listOf({u"French"});
    for (int kind = Cover::kPoster; kind <= Cover::kDisc; ++kind)
        movie->covers.append(coverOf(kind, u"x.png"));
    EXPECT_EQ(movie->completeness(), 100) << "104 points are capped";
    Movie unscored; // notes, tags, original title and episodes earn nothing
    unscored.notes = String(u"n");
    unscored.tags = listOf({u"t"});
    unscored.originalTitle = String(u"o");
    unscored.episodes.append(Episode());
    EXPECT_EQ(unscored.completeness(), 0);
}

// The colour earns its points only for an item the editor offers; a value
// that some other writer left shows no text and counts as not given.
TEST(MovieCompleteness, ColourCountsOnlyForTheEditorsItems)
{
    const struct
    {
        int32_t colour;
        int points;
    } rows[] = {{0, 0}, {1, 5}, {2, 5}, {3, 5}, {4, 0}, {-1, 0}, {INT32_MAX, 0}, {INT32_MIN, 0}};
    Movie movie;
    for (const auto& row : rows) {
        movie.colour = row.colour;
        EXPECT_EQ(movie.completeness(), row.points) << row.colour;
        EXPECT_EQ(movie.hasColour(), !movie.colourText().isEmpty()) << row.colour;
    }
}

TEST(MovieText, RunningTimeInEachFormat)
{
    struct Row
    {
        int32_t format;
        int32_t minutes;
        const char16_t* shown;
    };
    const Row rows[] = {
        {RecordFormat::kTimeMinutes, 0, u""},
        {RecordFormat::kTimeHoursAndMinutes, -5, u""},
        {RecordFormat::kTimeAutomatic, 0, u""},
        {RecordFormat::kTimeMinutes, 90, u"90 mins"},
        {RecordFormat::kTimeHoursAndMinutes, 45, u"0 hr 45 mins"},
        {RecordFormat::kTimeHoursAndMinutes, 120, u"2 hr 0 mins"},
        {RecordFormat::kTimeAutomatic, 90, u"1 hr  30 mins"}, // two blanks before the minutes
        {RecordFormat::kTimeAutomatic, 120, u"2 hr "},
        {RecordFormat::kTimeAutomatic, 45, u"45 mins"},
        {3, 90, u""}, // an unknown format shows nothing
    };
    int32_t previous = RecordFormat::timeFormat();
    Movie movie;
    for (const Row& row : rows) {
        RecordFormat::setTimeFormat(row.format);
        movie.runningTime = row.minutes;
        EXPECT_EQ(u16(movie.runtimeText()), row.shown) << row.format << " " << row.minutes;
    }
    ModelText::setTranslateFunction(german);
    RecordFormat::setTimeFormat(RecordFormat::kTimeHoursAndMinutes);
    movie.runningTime = 135;
    EXPECT_EQ(u16(movie.runtimeText()), u"2 Std. 15 Min.");
    ModelText::setTranslateFunction(nullptr);
    RecordFormat::setTimeFormat(previous);
}

// The colour as the editor offers it, in the records' own context; a colour
// never given (0, or a value no editor writes) has no text at all.
TEST(MovieText, ColourIsTheEditorsItemOrNothing)
{
    const struct
    {
        int32_t colour;
        const char16_t* shown;
    } rows[] = {
        {0, u""},
        {1, u"Movie: Color"},
        {2, u"Movie: Black & White"},
        {3, u"Movie: Color, Black & White"},
        {4, u""},
        {7, u""},
        {-1, u""},
    };
    ModelText::setTranslateFunction(
        [](const String& text, const String& context) { return context + String(u": ") + text; });
    Movie movie;
    for (const auto& row : rows) {
        movie.colour = row.colour;
        EXPECT_EQ(u16(movie.colourText()), row.shown) << row.colour;
    }
    ModelText::setTranslateFunction(nullptr);
}

TEST(MovieText, CoverNamesKeepLettersDigitsAndBlanks)
{
    Movie movie;
    movie.id = 12;
    movie.title = String(u"Alien: Resurrection");
    const char16_t* kinds[] = {u"poster", u"front", u"back", u"disc"};
    for (int kind = Cover::kPoster; kind <= Cover::kDisc; ++kind)
        EXPECT_EQ(u16(movie.coverFileName(kind)),
                  u"Alien Resurrection (12) - " + std::u16string(kinds[kind]));
    EXPECT_EQ(u16(movie.coverFileName(4)), u"");
    EXPECT_EQ(u16(movie.coverFileName(-1)), u"");
    // Only the blank before the id is left; tabs and path characters go.
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"?!...", u" (12)"}, {u"Am\u00e9lie\t2/3 \\ \"x\"", u"Am\u00e9lie23  x (12)"}};
    for (const auto& row : rows) {
        movie.title = String(row.first);
        EXPECT_EQ(u16(movie.coverBaseName()), row.second);
    }
}

// Actors are looked up by their first character, which an empty name lacks.
TEST(MovieQueries, AnEmptyNameHasNoFirstCharacter)
{
    Movie movie;
    movie.cast.append(CastItem{String(), String(u"Nobody")});
    EXPECT_FALSE(movie.hasActorStartingWith(0) || movie.hasActorStartingWith(u'N'));
    movie.cast.append(CastItem{String(u"Sigourney Weaver"), String(u"Ripley")});
    EXPECT_TRUE(movie.hasActorStartingWith(u'S') && !movie.hasActorStartingWith(u's'));
}

// The add-and-edit window's look-ups: each answers for its own field only.
TEST(MovieQueries, LookUpsMatchTheirOwnFieldOnly)
{
    Movie movie;
    movie.cast.append(CastItem{String(u"Audrey Tautou"), String(u"Am\u00e9lie")});
    movie.crew.append(CrewItem{CrewItem::kWriter, String(), String(u"Guillaume Laurant")});
    movie.crew.append(CrewItem{CrewItem::kDirector, String(), String(u"Jean-Pierre Jeunet")});
    EXPECT_TRUE(movie.hasActor(String(u"Audrey Tautou")));
    EXPECT_FALSE(movie.hasActor(String(u"Am\u00e9lie"))) << "a character is no actor";
    EXPECT_TRUE(movie.hasDirector(String(u"Jean-Pierre Jeunet")));
    EXPECT_FALSE(movie.hasDirector(String(u"Guillaume Laurant"))) << "a writer is no director";
    EXPECT_FALSE(movie.hasDirector(String(u"Audrey Tautou")));

    movie.setImagesFolder(String(u"C:\\Films\\Images"));
    movie.setCover(coverOf(Cover::kFront, u"front.png"));
    EXPECT_TRUE(movie.hasCoverPath(String(u"C:\\Films\\Images\\front.png")));
    EXPECT_FALSE(movie.hasCoverPath(String(u"front.png")));
    // MD5 of "front.png" in UTF-16LE, worked out outside the program.
    EXPECT_TRUE(movie.hasThumbnail(String(u"7071c5b49a34c6987300c84d59b3f83e.png")));
    EXPECT_FALSE(movie.hasThumbnail(String(u"front.png")));

    Episode first;
    first.season = 1;
    first.number = 2;
    Episode second;
    second.season = 2;
    second.number = 1;
    second.title = String(u"found");
    movie.episodes.append(first);
    movie.episodes.append(second);
    const Episode* found = movie.findEpisode(2, 1);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(u16(found->title), u"found");
    EXPECT_EQ(movie.findEpisode(1, 1), nullptr);
    EXPECT_EQ(movie.findEpisode(2, 2), nullptr);
}

TEST(MovieEdits, CoversAreOnePerKind)
{
    Movie movie;
    movie.setCover(coverOf(Cover::kFront, u"front.png"));
    movie.setCover(coverOf(Cover::kPoster, u"poster.png"));
    movie.setCover(coverOf(Cover::kFront, u"front2.png"));
    ASSERT_EQ(movie.covers.count(), 2) << "the front was replaced in place";
    EXPECT_EQ(u16(movie.covers.first()->value.name), u"front2.png");
    movie.removeCover(Cover::kFront);
    EXPECT_TRUE(movie.hasCoverFile(String(u"poster.png")) && !movie.hasCover(Cover::kFront));
}

// Edits remove only nodes of the movie's own lists; a copy shares none.
TEST(MovieEdits, RemovalsAndCopiesKeepToTheMoviesOwnNodes)
{
    Movie movie;
    Movie other;
    movie.cast.append(CastItem{String(u"A"), String()});
    CastItemList::Node* middle = movie.cast.append(CastItem{String(u"B"), String()});
    movie.cast.append(CastItem{String(u"C"), String()});
    movie.removeCastItem(other.cast.append(CastItem()));
    movie.removeCastItem(nullptr);
    EXPECT_EQ(movie.cast.count() + other.cast.count(), 4);
    movie.removeCastItem(middle);
    ASSERT_EQ(movie.cast.count(), 2);
    EXPECT_EQ(u16(movie.cast.last()->value.actor), u"C");
    movie.removeCrewItem(movie.crew.append(CrewItem()));
    movie.removeEpisode(movie.episodes.append(Episode()));
    movie.removeLink(movie.links.append(MovieLink()));
    EXPECT_TRUE(movie.crew.isEmpty() && movie.episodes.isEmpty() && movie.links.isEmpty());

    std::unique_ptr<Movie> original(everyFieldMovie(1));
    movie = *original;
    EXPECT_EQ(differenceOf(movie, *original), "") << "the old lists were emptied first";
    ASSERT_FALSE(movie.cast.isEmpty() || movie.genres.isEmpty());
    movie.cast.first()->value.actor = String(u"Robert De Niro");
    movie.genres.first()->value = String(u"Thriller");
    movie.episodes.clear();
    std::unique_ptr<Movie> untouched(everyFieldMovie(1));
    EXPECT_EQ(differenceOf(*original, *untouched), "");
}
