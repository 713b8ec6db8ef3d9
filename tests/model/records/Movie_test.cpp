// The movie record: the texts the list, card and statistics show, the
// completeness score, the cover names the image store writes, and the edits
// the add-and-edit window makes.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/platform/LocaleData.h"
#include "model/records/ModelText.h"
#include "model/records/RecordFormat.h"
#include "tests/foundation/time/LocaleScope.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <memory>

using collectiontest::everyFieldMovie;

namespace {

String german(const String& text, const String& context)
{
    const char16_t* rows[][2] = {
        {u"hr", u"Std."}, {u"mins", u"Min."}, {u"Black & White", u"Schwarzwei\u00df"}};
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
    std::unique_ptr<Movie> full(everyFieldMovie(1));
    Movie titled;
    titled.title = String(u"Heat");
    Movie rated;
    rated.imdbRating = -1.0f;
    Movie unscored; // notes, tags, original title and episodes earn nothing
    unscored.notes = String(u"n");
    unscored.tags = listOf({u"t"});
    unscored.originalTitle = String(u"o");
    unscored.episodes.append(Episode());
    EXPECT_EQ(Movie().completeness(), 0);
    EXPECT_EQ(titled.completeness(), 9);
    EXPECT_EQ(rated.completeness(), 3) << "any rating but 0 counts";
    EXPECT_EQ(unscored.completeness(), 0);
    EXPECT_EQ(full->completeness(), 91) << "all but the languages; 2 points for its one cover";
    full->languages = listOf({u"French"});
    for (int kind = Cover::kPoster; kind <= Cover::kDisc; ++kind)
        full->covers.append(coverOf(kind, u"x.png"));
    EXPECT_EQ(full->completeness(), 100) << "104 points are capped";
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

TEST(MovieText, ColourRatingDatesAndLists)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    Movie movie;
    EXPECT_EQ(u16(movie.colourText()), u"Black & White") << "0, not given, reads as black and white";
    movie.colour = 1;
    EXPECT_EQ(u16(movie.colourText()), u"Color");
    ModelText::setTranslateFunction(german);
    movie.colour = 2;
    EXPECT_EQ(u16(movie.colourText()), u"Schwarzwei\u00df");
    ModelText::setTranslateFunction(nullptr);

    EXPECT_EQ(u16(movie.ratingText()), u"");
    movie.imdbRating = 7.46f;
    EXPECT_EQ(u16(movie.ratingText()), u"7.5");

    movie.created = DateTime(2010, 6, 1, 23, 59, 0, 0);
    EXPECT_EQ(u16(movie.createdText()), u"2010/06/01");
    RecordFormat::setDateFormat(String(u"dd.MM.yyyy"));
    EXPECT_EQ(u16(movie.createdText()), u"01.06.2010");
    RecordFormat::setDateFormat(String(u"yyyy/MM/dd"));

    for (const char16_t* name : {u"", u"Lana Wachowski", u"", u"Lilly Wachowski"})
        movie.crew.append(CrewItem{CrewItem::kDirector, String(), String(name)});
    movie.crew.append(CrewItem{CrewItem::kWriter, String(), String(u"Someone Else")});
    // A leading empty name leaves no separator; a later one shows as two.
    EXPECT_EQ(u16(movie.directorsText()), u"Lana Wachowski, , Lilly Wachowski");
    EXPECT_EQ(u16(movie.writersText()), u"Someone Else");
    EXPECT_EQ(u16(movie.crewNames(9)), u"");
    movie.genres = listOf({u"Drama", u"", u"Comedy"});
    EXPECT_EQ(u16(movie.genresText()), u"Drama, , Comedy") << "empty items are kept";
}

TEST(MovieText, CoverNamesKeepLettersDigitsAndBlanks)
{
    struct Row
    {
        const char16_t* title;
        int32_t kind;
        const char16_t* name;
    };
    const Row rows[] = {
        {u"Alien: Resurrection", Cover::kPoster, u"Alien Resurrection (12) - poster"},
        {u"Alien: Resurrection", Cover::kFront, u"Alien Resurrection (12) - front"},
        {u"Alien: Resurrection", Cover::kBack, u"Alien Resurrection (12) - back"},
        {u"Alien: Resurrection", Cover::kDisc, u"Alien Resurrection (12) - disc"},
        {u"Alien: Resurrection", 4, u""},
        {u"Alien: Resurrection", -1, u""},
        {u"?!...", Cover::kPoster, u" (12) - poster"}, // only the blank before the id is left
        {u"Am\u00e9lie\t2/3 \\ \"x\"", Cover::kPoster, u"Am\u00e9lie23  x (12) - poster"},
    };
    Movie movie;
    movie.id = 12;
    for (const Row& row : rows) {
        movie.title = String(row.title);
        EXPECT_EQ(u16(movie.coverFileName(row.kind)), row.name)
            << iotest::show(movie.title) << " " << row.kind;
    }
}

TEST(MovieQueries, FindThingsInTheLists)
{
    Movie movie;
    movie.cast.append(CastItem{String(), String(u"Nobody")});
    movie.cast.append(CastItem{String(u"Sigourney Weaver"), String(u"Ripley")});
    EXPECT_TRUE(movie.hasActor(String(u"Sigourney Weaver")));
    EXPECT_FALSE(movie.hasActor(String(u"sigourney weaver")));
    EXPECT_TRUE(movie.hasActorStartingWith(u'S'));
    EXPECT_FALSE(movie.hasActorStartingWith(u's')) << "case-sensitive";
    EXPECT_FALSE(movie.hasActorStartingWith(0)) << "an empty name has no first character";
    movie.crew.append(CrewItem{CrewItem::kProducer, String(), String(u"Walter Hill")});
    EXPECT_FALSE(movie.hasDirector(String(u"Walter Hill"))) << "a producer is no director";
    movie.tags = listOf({u"classic", u"boxed set"});
    EXPECT_TRUE(movie.hasTag(String(u"boxed set")));
    EXPECT_FALSE(movie.hasTag(String(u"box")));

    for (int season : {1, 1, 3, 2, 3})
        movie.episodes.append(Episode{season, movie.episodeCount() + 1});
    EXPECT_EQ(movie.seasonCount(), 3);
    ASSERT_NE(movie.findEpisode(3, 3), nullptr);
    EXPECT_EQ(movie.findEpisode(3, 3)->number, 3);
    EXPECT_EQ(movie.findEpisode(1, 3), nullptr);

    movie.links.append(MovieLink());
    EXPECT_FALSE(movie.hasPlayableLink());
    movie.links.last()->value.play = true;
    EXPECT_TRUE(movie.hasPlayableLink());
}

TEST(MovieEdits, CoversAreOnePerKind)
{
    Movie movie;
    movie.setCover(coverOf(Cover::kFront, u"front.png"));
    movie.setCover(coverOf(Cover::kPoster, u"poster.png"));
    movie.setCover(coverOf(Cover::kFront, u"front2.png"));
    ASSERT_EQ(movie.covers.count(), 2) << "the front was replaced in place";
    EXPECT_EQ(u16(movie.covers.first()->value.name), u"front2.png");
    EXPECT_TRUE(movie.hasCoverFile(String(u"poster.png")));
    EXPECT_FALSE(movie.hasCoverFile(String(u"front.png")));
    ASSERT_NE(movie.coverByKind(Cover::kPoster), nullptr);
    EXPECT_FALSE(movie.hasCover(Cover::kDisc));
    movie.removeCover(Cover::kFront);
    ASSERT_EQ(movie.covers.count(), 1);
    EXPECT_EQ(movie.covers.first()->value.kind, Cover::kPoster);
}

TEST(MovieEdits, RemovingItemsTouchesOnlyTheMoviesOwnNodes)
{
    Movie movie;
    Movie other;
    movie.cast.append(CastItem{String(u"A"), String()});
    CastItemList::Node* middle = movie.cast.append(CastItem{String(u"B"), String()});
    movie.cast.append(CastItem{String(u"C"), String()});
    movie.removeCastItem(other.cast.append(CastItem()));
    movie.removeCastItem(nullptr);
    EXPECT_EQ(movie.cast.count(), 3);
    EXPECT_EQ(other.cast.count(), 1);
    movie.removeCastItem(middle);
    ASSERT_EQ(movie.cast.count(), 2);
    EXPECT_EQ(u16(movie.cast.last()->value.actor), u"C");
    movie.removeCrewItem(movie.crew.append(CrewItem()));
    movie.removeEpisode(movie.episodes.append(Episode()));
    movie.removeLink(movie.links.append(MovieLink()));
    EXPECT_TRUE(movie.crew.isEmpty() && movie.episodes.isEmpty() && movie.links.isEmpty());
}

TEST(MovieEdits, AssignmentCopiesEveryFieldDeeply)
{
    std::unique_ptr<Movie> original(everyFieldMovie(1));
    Movie edited;
    edited.cast.append(CastItem{String(u"Old"), String()});
    edited = *original;
    EXPECT_EQ(edited.cast.count(), 2) << "the old list was emptied first";
    EXPECT_EQ(u16(edited.purchasePrice), u"12,99 \u20ac");
    edited.cast.first()->value.actor = String(u"Robert De Niro");
    edited.genres.first()->value = String(u"Thriller");
    edited.episodes.clear();
    EXPECT_EQ(u16(original->cast.first()->value.actor), u"Audrey Tautou");
    EXPECT_EQ(u16(original->genres.first()->value), u" Drama");
    EXPECT_EQ(original->episodes.count(), 1);
}

TEST(MovieLink, DescriptionsFromPaths)
{
    EXPECT_EQ(u16(MovieLink::descriptionFromPath(String(u"D:\\Movies\\The_Dark_Knight.mkv"))),
              u"The Dark Knight");
    EXPECT_EQ(u16(MovieLink::descriptionFromPath(String(u"D:\\Movies\\alien.3.avi"))), u"alien.3");
    testsupport::TempDir dir;
    String folder = iotest::pathIn(dir, "Old_Films");
    ASSERT_TRUE(Directory::create(folder));
    EXPECT_EQ(u16(MovieLink::descriptionFromPath(folder)), u"Old Films") << "a folder gives its own name";
}
