#include "model/card/CardRenderer.h"

#include "foundation/io/File.h"
#include "model/card/CardCss.h"
#include "model/card/CardEscape.h"
#include "model/card/PlaceholderFiller.h"
#include "model/records/ModelText.h"
#include "model/records/Movie.h"

#include <cmath>

namespace {

String text(const String& value)
{
    return CardEscape::html(value);
}

String number(int value)
{
    return String::fromInt(value);
}

String translated(const char16_t* source, const char16_t* context)
{
    return text(ModelText::translate(source, context));
}

String yesOrNo(bool value)
{
    return translated(value ? u"Yes" : u"No", u"MainWindow");
}

// The whole stars of the user's rating, 10 at most; 0 hides the rating.
String coverImageTag(const String& path)
{
    return String(u"<img class=\"cover\" width=\"200\" src=\"")
        .append(CardEscape::fileUrl(path))
        .append(String(u"\"/>"));
}

int ratingStars(float rating)
{
    if (!(rating >= 1.0f))
        return 0;
    return rating >= 10.0f ? 10 : int(std::trunc(rating));
}

// The item part filled once per record, concatenated.
template <typename Records, typename Fill>
String filledItems(const Records& records, const String& part, const PlaceholderFiller& base, Fill fill)
{
    String items;
    for (const auto& record : records) {
        PlaceholderFiller filler = base;
        fill(filler, record);
        items.append(filler.fill(part));
    }
    return items;
}

struct CrewSection
{
    const char16_t* part;
    int role;
    const char16_t* labelKey;
    const char16_t* valueKey;
    const char16_t* label;
    const char16_t* context;
};

const CrewSection kCrewSections[] = {
    {u"director", CrewItem::kDirector, u"LANG_DIRECTOR", u"DIRECTOR", u"Director", u"Movie"},
    {u"producer", CrewItem::kProducer, u"LANG_PRODUCER", u"PRODUCER", u"Producer", u"MainWindow"},
    {u"writer", CrewItem::kWriter, u"LANG_WRITER", u"WRITER", u"Writer", u"Movie"},
    {u"musician", CrewItem::kMusician, u"LANG_MUSICIAN", u"MUSICIAN", u"Musician", u"MainWindow"},
    {u"cinematography", CrewItem::kCinematography, u"LANG_CINEMATOGRAPHY", u"CINEMATOGRAPHY",
     u"Cinematography", u"MainWindow"},
    {u"creator", CrewItem::kCreator, u"LANG_CREATOR", u"CREATOR", u"Creator", u"MainWindow"},
};

struct ListSection
{
    const char16_t* part;
    const char16_t* key;
    String (Movie::*value)() const;
};

const ListSection kListSections[] = {
    {u"genre", u"GENRE", &Movie::genresText},
    {u"studio", u"STUDIO", &Movie::studiosText},
    {u"country", u"COUNTRY", &Movie::countriesText},
    {u"language", u"LANGUAGE", &Movie::languagesText},
};

} // namespace

String CardRenderer::loadTemplate(const char16_t* part)
{
    return newFiller().fill(m_templates.part(part));
}

PlaceholderFiller CardRenderer::newFiller() const
{
    PlaceholderFiller filler;
    filler.set(u"TEMPLATE_FOLDER", CardEscape::fileUrl(templateFolder()));
    return filler;
}

String CardRenderer::render(const Movie* movie, const ViewSettings& view)
{
    if (templateSet().isEmpty())
        return String();
    if (!movie)
        return loadTemplate(u"no-movie");
    return moviePage(*movie, CardCss::resolvedStyle(movie->cardStyle, view));
}

String CardRenderer::moviePage(const Movie& movie, const CardStyle& look)
{
    PlaceholderFiller page = newFiller();
    page.set(u"TITLE_COLOR", CardCss::color(look.titleColor));
    page.set(u"LINK_COLOR", CardCss::color(look.linkColor));
    page.set(u"TEXT_COLOR", CardCss::color(look.textColor));
    page.set(u"BACKGROUND_COLOR", CardCss::backgroundColor(look.backgroundColor));
    page.set(u"BACKGROUND_IMAGE", CardCss::backgroundImage(movie.backgroundImagePath()));
    page.set(u"FONT_FAMILY", CardCss::fontFamily(look.fontFamily));
    page.set(u"FONT_SIZE_TEXT", CardCss::fontSize(look.fontSize, CardCss::kTextFactor));
    page.set(u"FONT_SIZE_SMALL_TITLE", CardCss::fontSize(look.fontSize, CardCss::kSmallTitleFactor));
    page.set(u"FONT_SIZE_MEDIUM_TITLE", CardCss::fontSize(look.fontSize, CardCss::kMediumTitleFactor));
    page.set(u"FONT_SIZE_BIG_TITLE", CardCss::fontSize(look.fontSize, CardCss::kBigTitleFactor));
    page.set(u"POSTER", posterTag(movie));
    page.set(u"FRONT_COVER", coverTag(movie, Cover::kFront));
    page.set(u"BACK_COVER", coverTag(movie, Cover::kBack));
    addSections(movie, page);
    return page.fill(m_templates.part(u"movie"));
}

String CardRenderer::section(const char16_t* part, bool shown, PlaceholderFiller& filler)
{
    return shown ? filler.fill(m_templates.part(part)) : String();
}

void CardRenderer::addSections(const Movie& movie, PlaceholderFiller& page)
{
    PlaceholderFiller title = newFiller();
    title.set(u"TITLE", text(movie.title));
    page.set(u"TITLE", section(u"title", true, title));

    PlaceholderFiller play = newFiller();
    page.set(u"PLAY", section(u"play", movie.hasPlayableLink(), play));

    PlaceholderFiller original = newFiller();
    original.set(u"ORIGINAL_TITLE", text(movie.originalTitle));
    original.set(u"LANG_ORIGINAL_TITLE", translated(u"(original title)", u"MainWindow/Card"));
    bool showOriginal = !movie.originalTitle.isEmpty() && !String::equals(movie.originalTitle, movie.title);
    page.set(u"ORIGINAL_TITLE", section(u"original-title", showOriginal, original));

    PlaceholderFiller year = newFiller();
    year.set(u"YEAR", number(movie.year));
    page.set(u"YEAR", section(u"year", movie.year != 0, year));

    PlaceholderFiller runtime = newFiller();
    runtime.set(u"RUNTIME", text(movie.runtimeText()));
    page.set(u"DURATION", section(u"runtime", movie.runningTime != 0, runtime));

    // Like the year and the running time, a colour not given leaves no
    // trace on the card, not even an empty fact.
    const String colourText = movie.colourText();
    PlaceholderFiller colour = newFiller();
    colour.set(u"COLOR", text(colourText));
    page.set(u"COLOR", section(u"color", !colourText.isEmpty(), colour));

    PlaceholderFiller plot = newFiller();
    plot.set(u"PLOT", text(movie.plot));
    page.set(u"PLOT", section(u"plot", !movie.plot.isEmpty(), plot));

    PlaceholderFiller notes = newFiller();
    notes.set(u"NOTES", text(movie.notes));
    page.set(u"NOTES", section(u"notes", !movie.notes.isEmpty(), notes));

    int stars = ratingStars(movie.myRating);
    PlaceholderFiller rating = newFiller();
    rating.set(u"ID", number(stars));
    page.set(u"MY_RATING", section(u"my-rating", stars >= 1, rating));

    PlaceholderFiller wishlist = newFiller();
    wishlist.set(u"LANG_WISHLIST", translated(u"Wish List", u"MainWindow"));
    wishlist.set(u"WISHLIST", yesOrNo(movie.wishlist));
    page.set(u"WISHLIST", section(u"wishlist", true, wishlist));

    PlaceholderFiller seen = newFiller();
    seen.set(u"LANG_SEEN", translated(u"Seen It", u"MainWindow"));
    seen.set(u"SEEN", yesOrNo(movie.seen));
    page.set(u"SEEN", section(u"seen", true, seen));

    addCrewSections(movie, page);
    addListSections(movie, page);
}

void CardRenderer::addCrewSections(const Movie& movie, PlaceholderFiller& page)
{
    for (const CrewSection& crew : kCrewSections) {
        String names = movie.crewNames(crew.role);
        PlaceholderFiller filler = newFiller();
        filler.set(crew.labelKey, translated(crew.label, crew.context));
        filler.set(crew.valueKey, text(names));
        page.set(crew.valueKey, section(crew.part, !names.isEmpty(), filler));
    }
}

void CardRenderer::addListSections(const Movie& movie, PlaceholderFiller& page)
{
    for (const ListSection& list : kListSections) {
        String value = (movie.*list.value)();
        PlaceholderFiller filler = newFiller();
        filler.set(list.key, text(value));
        page.set(list.key, section(list.part, !value.isEmpty(), filler));
    }

    PlaceholderFiller cast = newFiller();
    cast.set(u"LANG_CAST", translated(u"Cast", u"MainWindow/Card"));
    cast.set(u"CAST_ITEMS", movie.cast.isEmpty() ? String() : castItems(movie));
    page.set(u"CAST", section(u"cast", !movie.cast.isEmpty(), cast));

    PlaceholderFiller links = newFiller();
    links.set(u"LANG_LINKS", translated(u"Links", u"MainWindow/Card"));
    links.set(u"LINKS_ITEMS", movie.links.isEmpty() ? String() : linkItems(movie));
    page.set(u"LINKS", section(u"links", !movie.links.isEmpty(), links));

    PlaceholderFiller episodes = newFiller();
    String counts = ModelText::translate(u"^ Seasons, ^ Episodes", u"MainWindow/Card")
                        .arg(number(movie.seasonCount()))
                        .arg(number(movie.episodeCount()));
    episodes.set(u"LANG_EPISODES", text(counts));
    episodes.set(u"EPISODES_ITEMS", movie.episodes.isEmpty() ? String() : episodeItems(movie));
    page.set(u"EPISODES", section(u"episodes", !movie.episodes.isEmpty(), episodes));
}

String CardRenderer::castItems(const Movie& movie)
{
    return filledItems(movie.cast, m_templates.part(u"cast-item"), newFiller(),
                       [](PlaceholderFiller& filler, const CastItem& item) {
                           filler.set(u"ACTOR", text(item.actor));
                           filler.set(u"CHARACTER", text(item.character));
                       });
}

String CardRenderer::linkItems(const Movie& movie)
{
    return filledItems(movie.links, m_templates.part(u"links-item"), newFiller(),
                       [](PlaceholderFiller& filler, const MovieLink& link) {
                           filler.set(u"URL", text(link.url));
                           filler.set(u"DESCRIPTION", text(link.description));
                       });
}

String CardRenderer::episodeItems(const Movie& movie)
{
    String items;
    const String& part = m_templates.part(u"episodes-item");
    const String& playPart = m_templates.part(u"play-episode");
    for (const Episode& episode : movie.episodes) {
        PlaceholderFiller play = newFiller();
        play.set(u"SEASON_NUMBER", number(episode.season));
        play.set(u"EPISODE_NUMBER", number(episode.number));
        PlaceholderFiller filler = newFiller();
        filler.set(u"SEASON_NUMBER", number(episode.season));
        filler.set(u"NUMBER", number(episode.number));
        filler.set(u"TITLE", text(episode.title));
        filler.set(u"RELEASE_DATE", text(episode.releaseDateText(String(u"/"))));
        filler.set(u"PLOT", text(episode.plot));
        filler.set(u"PLAY_EPISODE", episode.file.isEmpty() ? String() : play.fill(playPart));
        items.append(filler.fill(part));
    }
    return items;
}

String CardRenderer::posterTag(const Movie& movie) const
{
    const Cover* poster = movie.coverByKind(Cover::kPoster);
    String path = poster ? poster->path() : String();
    if (path.isEmpty() || !File::exists(path))
        path = templateFolder() + u"\\blank-cover.png";
    return coverImageTag(path);
}

String CardRenderer::coverTag(const Movie& movie, int kind) const
{
    const Cover* cover = movie.coverByKind(kind);
    String path = cover ? cover->path() : String();
    if (path.isEmpty() || !File::exists(path))
        return String();
    return coverImageTag(path);
}
