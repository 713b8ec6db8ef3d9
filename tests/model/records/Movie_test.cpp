// The movie record: the texts the list, card and statistics show, the
// completeness score, the cover names the image store writes, and the edits
// the add-and-edit window makes.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/platform/LocaleData.h"
#include "model/records/ModelText.h"
#include "model/records/Movie.h"
#include "model/records/RecordFormat.h"
#include "tests/foundation/io/IoTestSupport.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/foundation/time/LocaleScope.h"

namespace {

// Sets the view's time format for one scope.
class TimeFormatScope
{
public:
    explicit TimeFormatScope(int32_t format) : m_previous(RecordFormat::timeFormat())
    {
        RecordFormat::setTimeFormat(format);
    }
    ~TimeFormatScope() { RecordFormat::setTimeFormat(m_previous); }

private:
    int32_t m_previous;
};

std::u16string runtimeIn(int32_t format, int32_t minutes)
{
    TimeFormatScope scope(format);
    Movie movie;
    movie.runningTime = minutes;
    return u16(movie.runtimeText());
}

String german(const String& text, const String& context)
{
    if (!String::equals(context, String(u"Movie")))
        return text;
    if (String::equals(text, String(u"hr")))
        return String(u"Std.");
    if (String::equals(text, String(u"mins")))
        return String(u"Min.");
    if (String::equals(text, String(u"Black & White")))
        return String(u"Schwarzwei\u00df");
    return text;
}

CrewItem crewOf(int32_t role, const char16_t* name)
{
    CrewItem item;
    item.role = role;
    item.name = String(name);
    return item;
}

CastItem castOf(const char16_t* actor, const char16_t* character)
{
    CastItem item;
    item.actor = String(actor);
    item.character = String(character);
    return item;
}

Cover coverOf(int32_t kind, const char16_t* name)
{
    Cover cover{String(name)};
    cover.kind = kind;
    return cover;
}

Movie fullyDescribed()
{
    Movie movie;
    movie.title = String(u"Heat");
    movie.genres = listOf({u"Crime"});
    movie.studios = listOf({u"Warner"});
    movie.countries = listOf({u"USA"});
    movie.languages = listOf({u"English"});
    movie.year = 1995;
    movie.runningTime = 170;
    movie.colour = 1;
    movie.format = String(u"DVD");
    movie.barcode = String(u"7321900180231");
    movie.cast.append(castOf(u"Al Pacino", u"Vincent Hanna"));
    movie.crew.append(crewOf(CrewItem::kDirector, u"Michael Mann"));
    movie.plot = String(u"A heist.");
    MovieLink link;
    link.url = String(u"https://example.org/heat");
    movie.links.append(link);
    movie.mpaaRating = String(u"R");
    movie.imdbRating = 8.3f;
    movie.purchasePrice = String(u"9,99");
    movie.myRating = 9.0f;
    return movie;
}

} // namespace

TEST(MovieCompleteness, AddsThePointsOfEveryFilledField)
{
    EXPECT_EQ(Movie().completeness(), 0);

    Movie titleOnly;
    titleOnly.title = String(u"Heat");
    EXPECT_EQ(titleOnly.completeness(), 9);
    titleOnly.covers.append(coverOf(Cover::kPoster, u"a.png"));
    titleOnly.covers.append(coverOf(Cover::kFront, u"b.png"));
    titleOnly.covers.append(coverOf(Cover::kBack, u"c.png"));
    EXPECT_EQ(titleOnly.completeness(), 15) << "two points per cover";

    Movie rated;
    rated.imdbRating = -1.0f;
    EXPECT_EQ(rated.completeness(), 3) << "any rating but 0 counts, though the text stays empty";
    EXPECT_EQ(u16(rated.ratingText()), u"");

    // Notes, tags, original title and episodes earn nothing.
    Movie unscored;
    unscored.notes = String(u"n");
    unscored.tags = listOf({u"t"});
    unscored.originalTitle = String(u"o");
    unscored.episodes.append(Episode());
    EXPECT_EQ(unscored.completeness(), 0);

    Movie full = fullyDescribed();
    EXPECT_EQ(full.completeness(), 94) << "everything but covers";
    for (int kind = Cover::kPoster; kind <= Cover::kDisc; ++kind)
        full.covers.append(coverOf(kind, u"x.png"));
    EXPECT_EQ(full.completeness(), 100) << "102 points are capped";
}

TEST(MovieText, RunningTimeInEachFormat)
{
    for (int32_t format = 0; format <= 2; ++format) {
        EXPECT_EQ(runtimeIn(format, 0), u"") << format;
        EXPECT_EQ(runtimeIn(format, -5), u"") << format;
    }
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeMinutes, 90), u"90 mins");
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeHoursAndMinutes, 45), u"0 hr 45 mins");
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeHoursAndMinutes, 120), u"2 hr 0 mins");
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeAutomatic, 90), u"1 hr  30 mins")
        << "two blanks before the minutes";
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeAutomatic, 120), u"2 hr ") << "ends in a blank";
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeAutomatic, 45), u"45 mins");
    EXPECT_EQ(runtimeIn(3, 90), u"") << "an unknown format shows nothing";

    ModelText::setTranslateFunction(german);
    EXPECT_EQ(runtimeIn(RecordFormat::kTimeHoursAndMinutes, 135), u"2 Std. 15 Min.");
    ModelText::setTranslateFunction(nullptr);
}

TEST(MovieText, ColourRatingAndDates)
{
    LocaleScope english(LocaleData::kEnglishUnitedStates);
    Movie movie;
    EXPECT_EQ(u16(movie.colourText()), u"Black & White") << "0, not given, reads as black and white";
    movie.colour = 2;
    EXPECT_EQ(u16(movie.colourText()), u"Black & White");
    movie.colour = 1;
    EXPECT_EQ(u16(movie.colourText()), u"Color");
    ModelText::setTranslateFunction(german);
    movie.colour = 0;
    EXPECT_EQ(u16(movie.colourText()), u"Schwarzwei\u00df");
    ModelText::setTranslateFunction(nullptr);

    EXPECT_EQ(u16(movie.ratingText()), u"");
    movie.imdbRating = 7.46f;
    EXPECT_EQ(u16(movie.ratingText()), u"7.5");
    movie.imdbRating = 10.0f;
    EXPECT_EQ(u16(movie.ratingText()), u"10.0");

    movie.created = DateTime(2010, 6, 1, 23, 59, 0, 0);
    movie.modified = DateTime(2011, 12, 24, 8, 0, 0, 0);
    EXPECT_EQ(u16(movie.createdText()), u"2010/06/01");
    EXPECT_EQ(u16(movie.modifiedText()), u"2011/12/24");
    RecordFormat::setDateFormat(String(u"dd.MM.yyyy"));
    EXPECT_EQ(u16(movie.createdText()), u"01.06.2010");
    RecordFormat::setDateFormat(String(u"yyyy/MM/dd"));
}

TEST(MovieText, CrewNamesAndLists)
{
    Movie movie;
    movie.crew.append(crewOf(CrewItem::kDirector, u""));
    movie.crew.append(crewOf(CrewItem::kDirector, u"Lana Wachowski"));
    movie.crew.append(crewOf(CrewItem::kWriter, u"Someone Else"));
    movie.crew.append(crewOf(CrewItem::kDirector, u""));
    movie.crew.append(crewOf(CrewItem::kDirector, u"Lilly Wachowski"));
    // A leading empty name leaves no separator; a later one shows as two.
    EXPECT_EQ(u16(movie.directorsText()), u"Lana Wachowski, , Lilly Wachowski");
    EXPECT_EQ(u16(movie.writersText()), u"Someone Else");
    EXPECT_EQ(u16(movie.producersText()), u"");
    EXPECT_EQ(u16(movie.crewNames(9)), u"");

    movie.genres = listOf({u"Drama", u"", u"Comedy"});
    EXPECT_EQ(u16(movie.genresText()), u"Drama, , Comedy") << "empty items are kept";
    movie.tags = listOf({u"gift"});
    EXPECT_EQ(u16(movie.tagsText()), u"gift");
    EXPECT_EQ(u16(movie.countriesText()), u"");
}

TEST(MovieText, CoverNamesKeepLettersDigitsAndBlanks)
{
    Movie movie;
    movie.title = String(u"Alien: Resurrection");
    movie.id = 12;
    EXPECT_EQ(u16(movie.coverBaseName()), u"Alien Resurrection (12)");
    EXPECT_EQ(u16(movie.coverFileName(Cover::kPoster)), u"Alien Resurrection (12) - poster");
    EXPECT_EQ(u16(movie.coverFileName(Cover::kFront)), u"Alien Resurrection (12) - front");
    EXPECT_EQ(u16(movie.coverFileName(Cover::kBack)), u"Alien Resurrection (12) - back");
    EXPECT_EQ(u16(movie.coverFileName(Cover::kDisc)), u"Alien Resurrection (12) - disc");
    EXPECT_EQ(u16(movie.coverFileName(4)), u"");
    EXPECT_EQ(u16(movie.coverFileName(-1)), u"");

    movie.title = String(u"?!...");
    movie.id = 7;
    EXPECT_EQ(u16(movie.coverBaseName()), u" (7)") << "only the blank before the id is left";

    movie.title = String(u"Am\u00e9lie\t2/3 \\ \"x\"");
    movie.id = 3;
    EXPECT_EQ(u16(movie.coverBaseName()), u"Am\u00e9lie23  x (3)") << "tabs and path characters go";
}

TEST(MovieQueries, FindThingsInTheLists)
{
    Movie movie;
    movie.cast.append(castOf(u"", u"Nobody"));
    movie.cast.append(castOf(u"Sigourney Weaver", u"Ripley"));
    EXPECT_TRUE(movie.hasActor(String(u"Sigourney Weaver")));
    EXPECT_FALSE(movie.hasActor(String(u"sigourney weaver")));
    EXPECT_TRUE(movie.hasActorStartingWith(u'S'));
    EXPECT_FALSE(movie.hasActorStartingWith(u's')) << "case-sensitive";
    EXPECT_FALSE(movie.hasActorStartingWith(0)) << "an empty name has no first character";

    movie.crew.append(crewOf(CrewItem::kProducer, u"Walter Hill"));
    movie.crew.append(crewOf(CrewItem::kDirector, u"Jean-Pierre Jeunet"));
    EXPECT_TRUE(movie.hasDirector(String(u"Jean-Pierre Jeunet")));
    EXPECT_FALSE(movie.hasDirector(String(u"Walter Hill"))) << "a producer is no director";

    movie.tags = listOf({u"classic", u"boxed set"});
    EXPECT_TRUE(movie.hasTag(String(u"boxed set")));
    EXPECT_FALSE(movie.hasTag(String(u"box")));

    for (int season : {1, 1, 3, 2, 3}) {
        Episode episode;
        episode.season = season;
        episode.number = movie.episodeCount() + 1;
        movie.episodes.append(episode);
    }
    EXPECT_EQ(movie.episodeCount(), 5);
    EXPECT_EQ(movie.seasonCount(), 3);
    ASSERT_NE(movie.findEpisode(3, 3), nullptr);
    EXPECT_EQ(movie.findEpisode(3, 3)->number, 3);
    EXPECT_EQ(movie.findEpisode(1, 3), nullptr);
    EXPECT_EQ(Movie().seasonCount(), 0);

    EXPECT_FALSE(movie.hasPlayableLink());
    MovieLink trailer;
    movie.links.append(trailer);
    EXPECT_FALSE(movie.hasPlayableLink());
    MovieLink file;
    file.play = true;
    movie.links.append(file);
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
    EXPECT_TRUE(movie.hasCover(Cover::kPoster));
    EXPECT_FALSE(movie.hasCover(Cover::kDisc));
    EXPECT_TRUE(movie.hasCoverFile(String(u"poster.png")));
    EXPECT_FALSE(movie.hasCoverFile(String(u"front.png")));
    ASSERT_NE(movie.coverByKind(Cover::kPoster), nullptr);
    EXPECT_EQ(u16(movie.coverByKind(Cover::kPoster)->name), u"poster.png");

    movie.removeCover(Cover::kBack);
    EXPECT_EQ(movie.covers.count(), 2);
    movie.removeCover(Cover::kFront);
    ASSERT_EQ(movie.covers.count(), 1);
    EXPECT_EQ(movie.covers.first()->value.kind, Cover::kPoster);
}

TEST(MovieEdits, RemovingItemsTouchesOnlyTheMoviesOwnNodes)
{
    Movie movie;
    Movie other;
    movie.cast.append(castOf(u"A", u"a"));
    CastItemList::Node* middle = movie.cast.append(castOf(u"B", u"b"));
    movie.cast.append(castOf(u"C", u"c"));
    CastItemList::Node* foreign = other.cast.append(castOf(u"X", u"x"));

    movie.removeCastItem(foreign);
    movie.removeCastItem(nullptr);
    EXPECT_EQ(movie.cast.count(), 3);
    EXPECT_EQ(other.cast.count(), 1);
    movie.removeCastItem(middle);
    ASSERT_EQ(movie.cast.count(), 2);
    EXPECT_EQ(u16(movie.cast.last()->value.actor), u"C");

    movie.removeCrewItem(movie.crew.append(crewOf(0, u"d")));
    movie.removeEpisode(movie.episodes.append(Episode()));
    movie.removeLink(movie.links.append(MovieLink()));
    EXPECT_TRUE(movie.crew.isEmpty() && movie.episodes.isEmpty() && movie.links.isEmpty());
}

TEST(MovieEdits, AssignmentCopiesEveryFieldDeeply)
{
    Movie original = fullyDescribed();
    original.nclk = 77;
    original.episodes.append(Episode());
    original.cardStyle.fontFamily = String(u"Georgia");

    Movie edited;
    edited.cast.append(castOf(u"Old", u"old"));
    edited = original;
    EXPECT_EQ(u16(edited.purchasePrice), u"9,99");
    EXPECT_EQ(edited.nclk, 77);
    EXPECT_EQ(edited.cast.count(), 1) << "the old list was emptied first";
    EXPECT_EQ(u16(edited.cardStyle.fontFamily), u"Georgia");

    edited.cast.first()->value.actor = String(u"Robert De Niro");
    edited.genres.first()->value = String(u"Thriller");
    edited.episodes.clear();
    EXPECT_EQ(u16(original.cast.first()->value.actor), u"Al Pacino");
    EXPECT_EQ(u16(original.genres.first()->value), u"Crime");
    EXPECT_EQ(original.episodes.count(), 1);
}

TEST(MovieLink, SchemesAndDescriptionsFromPaths)
{
    EXPECT_EQ(items(MovieLink::urlSchemes()), (Items{u"http://", u"https://", u"ftp://"}));
    EXPECT_EQ(u16(MovieLink::descriptionFromPath(String(u"D:\\Movies\\The_Dark_Knight.mkv"))),
              u"The Dark Knight");
    EXPECT_EQ(u16(MovieLink::descriptionFromPath(String(u"D:\\Movies\\alien.3.avi"))), u"alien.3");

    testsupport::TempDir dir;
    String folder = iotest::pathIn(dir, "Old_Films");
    ASSERT_TRUE(Directory::create(folder));
    EXPECT_EQ(u16(MovieLink::descriptionFromPath(folder)), u"Old Films") << "a folder gives its own name";
}
