#include "model/extractors/LocalizedMovieDbExtractor.h"

#include "foundation/net/Url.h"
#include "model/extractors/MovieDbExtractor.h"
#include "model/records/Movie.h"

namespace {

const int kCaseSensitive = 1;
const int kSkipEmpty = 1;
const int kTrimParts = 2;

struct Edition
{
    const char16_t* code;
    const char16_t* languageName;
    // The pages' own line after the leading actors; a character never runs
    // on into it.
    const char16_t* restOfCast;
};

const Edition kEditions[] = {
    {u"de", u"German", u"Restliche Besetzung in alphabetischer Reihenfolge:"},
    {u"it", u"Italian", u"Resto del cast in ordine alfabetico:"},
    {u"es", u"Spanish", u"Resto del reparto en orden alfab\u00E9tico:"},
    {u"fr", u"French", u"Reste de la distribution par ordre alphab\u00E9tique:"},
};

const Edition* editionOf(const String& code)
{
    for (const Edition& edition : kEditions) {
        if (code == String(edition.code))
            return &edition;
    }
    return nullptr;
}

MovieSite siteFor(const String& code, const MovieSite& site)
{
    return editionOf(code) ? site : MovieSite();
}

} // namespace

LocalizedMovieDbExtractor::LocalizedMovieDbExtractor(const String& code)
    : LocalizedMovieDbExtractor(code, MovieSite::localized(code))
{
}

LocalizedMovieDbExtractor::LocalizedMovieDbExtractor(const String& code, const MovieSite& site)
    : MovieExtractor(siteFor(code, site))
{
    const Edition* edition = editionOf(code);
    if (!edition)
        return;
    setLanguage(String(edition->languageName), code, code);
    m_markers = SiteMarkers::forLanguage(code, site.mainDomain);
    const String* labels[] = {
        &m_markers.titleEnd,      &m_markers.originalTitle, &m_markers.runtimeLabel,
        &m_markers.colourLabel,   &m_markers.genreLabel,    &m_markers.companyLabel,
        &m_markers.countryLabel,  &m_markers.languageLabel, &m_markers.directorMarker,
        &m_markers.writersMarker, &m_markers.plotMarker,    &m_markers.certificationLabel};
    for (const String* label : labels)
        m_castStops.append(*label);
    m_castStops.append(String(edition->restOfCast));
    // Localized pages can show this line untranslated.
    m_castStops.append(String(u"Rest of cast listed alphabetically:"));
}

bool LocalizedMovieDbExtractor::parseAirDate(const String& text, int32_t& year, int32_t& month, int32_t& day)
{
    return MovieDbExtractor::parseAirDate(text, year, month, day);
}

bool LocalizedMovieDbExtractor::search()
{
    return searchTitles(m_markers.searchStart, m_markers.searchEnd);
}

bool LocalizedMovieDbExtractor::extractEpisodes(Movie&, CastItemList&)
{
    return false;
}

bool LocalizedMovieDbExtractor::extractDetails(Movie& movie)
{
    String redirect;
    if (!fetchPage(chosenPath(), m_markers.titleStart, m_markers.titleEnd, redirect) || !redirect.isEmpty())
        return false;
    readDetails(movie);
    return true;
}

void LocalizedMovieDbExtractor::readDetails(Movie& movie)
{
    readTitleAndYear(movie);
    if (wants(kOriginalTitle))
        readOriginalTitle(movie);
    if (wants(kRunningTime))
        readRunningTime(movie);
    if (wants(kColour))
        readColour(movie);
    readLists(movie);
    if (wants(kCast))
        readCastFrom(movie, indexOfRunContaining(m_markers.castMarker, 0), m_castStops);
    if (wants(kCrew))
        readCrew(movie);
    if (wants(kPlot))
        readPlot(movie);
    if (wants(kLinks)) {
        movie.links.clear();
        addSiteLink(movie);
    }
    if (wants(kMpaaRating))
        readMpaaRating(movie);
    if (wants(kSiteRating))
        readSiteRating(movie);
    if (wants(kPoster))
        readPoster(movie);
}

void LocalizedMovieDbExtractor::readTitleAndYear(Movie& movie) const
{
    int anchor = indexOfRunEqualTo(m_markers.titleAnchor, 0);
    if (anchor >= 0) {
        if (wants(kYear))
            movie.year = textAt(anchor - 1).trim().trimChars(String(u"()")).toInt();
        movie.title = trimQuotes(textAt(anchor - 2));
    }
    takeChosenTitleAndYear(movie);
}

void LocalizedMovieDbExtractor::readOriginalTitle(Movie& movie) const
{
    int marker = indexOfRunContaining(m_markers.originalTitle, 0);
    if (marker < 0) {
        movie.originalTitle = String();
        return;
    }
    String shown = textAt(marker - 1).trimChars(String(u"\""));
    StringList parts = String::split(shown, String(u"\" - "), 0);
    if (parts.count() == 2)
        movie.originalTitle = parts.first()->value;
}

void LocalizedMovieDbExtractor::readRunningTime(Movie& movie) const
{
    int label = indexOfRunEqualTo(m_markers.runtimeLabel, 0);
    int minutes = label >= 0 ? indexOfRunContaining(m_markers.minutesSuffix, label) : -1;
    if (minutes >= 0)
        movie.runningTime = textAt(minutes).toInt();
}

StringList LocalizedMovieDbExtractor::partsAfter(const String& label) const
{
    int at = indexOfRunEqualTo(label, 0);
    if (at < 0)
        return StringList();
    return String::split(textAt(at + 1), String(u" | "), kTrimParts);
}

void LocalizedMovieDbExtractor::readColour(Movie& movie) const
{
    StringList parts = partsAfter(m_markers.colourLabel);
    bool colour = parts.contains(m_markers.colourValue);
    bool blackAndWhite = parts.contains(m_markers.blackAndWhiteValue);
    if (colour && blackAndWhite)
        movie.colour = 3;
    else if (colour)
        movie.colour = 1;
    else if (blackAndWhite)
        movie.colour = 2;
}

void LocalizedMovieDbExtractor::readLists(Movie& movie) const
{
    struct Rule
    {
        uint32_t option;
        const String& label;
        StringList Movie::*field;
    } rules[] = {
        {kGenres, m_markers.genreLabel, &Movie::genres},
        {kCountries, m_markers.countryLabel, &Movie::countries},
        {kLanguages, m_markers.languageLabel, &Movie::languages},
    };
    for (const Rule& rule : rules) {
        StringList parts = wants(rule.option) ? partsAfter(rule.label) : StringList();
        if (!parts.isEmpty())
            movie.*rule.field = parts;
    }
    if (!wants(kStudios))
        return;
    int label = indexOfRunEqualTo(m_markers.companyLabel, 0);
    StringList names = linkTextsWithHref(String(u"/company/"), label, 0);
    for (String& name : names)
        name = theInFront(name);
    if (!names.isEmpty())
        movie.studios = names;
}

void LocalizedMovieDbExtractor::readCrew(Movie& movie) const
{
    movie.crew.clear();
    struct Rule
    {
        const String& marker;
        int32_t role;
    } rules[] = {{m_markers.directorMarker, CrewItem::kDirector},
                 {m_markers.writersMarker, CrewItem::kWriter}};
    for (const Rule& rule : rules) {
        int marker = indexOfRunContaining(rule.marker, 0);
        if (marker < 0)
            continue;
        for (int i = marker + 1; runAt(i) && runAt(i)->href.contains(String(u"/name/"), kCaseSensitive);
             ++i) {
            CrewItem item;
            item.role = rule.role;
            item.name = textAt(i);
            movie.crew.append(item);
        }
    }
}

void LocalizedMovieDbExtractor::readPlot(Movie& movie) const
{
    int plot = indexOfRunContaining(m_markers.plotMarker, 0);
    int summary = plot >= 0 ? indexOfRunWithHref(String(u"/plotsummary"), plot) : -1;
    if (summary >= 0 && summary != plot + 1)
        movie.plot = joinedTexts(plot + 1, summary);
}

void LocalizedMovieDbExtractor::readMpaaRating(Movie& movie) const
{
    movie.mpaaRating = String();
    int label = indexOfRunEqualTo(m_markers.certificationLabel, 0);
    int line = label >= 0 ? indexOfRunContaining(m_markers.certificationCountry, label) : -1;
    if (line < 0)
        return;
    StringList parts = String::split(textAt(line), String(u"|"), kSkipEmpty | kTrimParts);
    for (const String& part : parts) {
        if (!part.contains(m_markers.certificationCountry, kCaseSensitive))
            continue;
        StringList pieces = String::split(part, String(u":"), kSkipEmpty | kTrimParts);
        if (pieces.count() == 2)
            movie.mpaaRating = pieces.last()->value;
        return;
    }
}

void LocalizedMovieDbExtractor::readSiteRating(Movie& movie) const
{
    movie.imdbRating = 0.0f;
    int at = indexOfRunContaining(m_markers.ratingSuffix, 0);
    StringList parts = at >= 0 ? String::split(textAt(at), String(u"/"), 0) : StringList();
    if (parts.count() == 2)
        movie.imdbRating = parts.first()->value.toFloat();
}

// The title page links the picture viewer, which answers with a redirect to
// the picture's own page; the poster is the picture after its second "next"
// link there, fetched only from the edition's image host.
void LocalizedMovieDbExtractor::readPoster(Movie& movie)
{
    String viewer;
    int count = int(runs().size());
    for (int i = 0; i + 1 < count && viewer.isEmpty(); ++i) {
        if (runs()[size_t(i)].href.contains(String(u"/media/rm"), kCaseSensitive) &&
            site().isOwnPicture(runs()[size_t(i + 1)].src))
            viewer = runs()[size_t(i)].href;
    }
    String redirect;
    if (viewer.isEmpty() || !fetchPage(viewer, m_markers.viewerStart, m_markers.viewerEnd, redirect) ||
        redirect.isEmpty())
        return;
    // A Location of the site's own is often just its path.
    String path = redirect.startsWith(String(u"/"), kCaseSensitive) ? redirect : urlPath(redirect);
    if (!fetchPage(path, m_markers.viewerStart, m_markers.viewerEnd, redirect) || !redirect.isEmpty())
        return;
    int first = indexOfRunEqualTo(m_markers.nextLink, 0);
    int second = first >= 0 ? indexOfRunEqualTo(m_markers.nextLink, first + 1) : -1;
    const PageTextRun* picture = second >= 0 ? runAt(second + 1) : nullptr;
    if (picture && site().isOwnPicture(picture->src))
        storePoster(movie, picture->src);
}
