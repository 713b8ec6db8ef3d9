#include "model/extractors/MovieDbExtractor.h"

#include "foundation/io/Path.h"
#include "foundation/net/Url.h"
#include "model/records/ModelText.h"
#include "model/records/Movie.h"

#include <vector>

namespace {

const int kCaseSensitive = 1;

bool contains(const String& text, const char16_t* needle)
{
    return text.contains(String(needle), kCaseSensitive);
}

// Texts by which the other rules find their groups: a character never runs
// on into one of them (the last actor's plain-text character would otherwise
// take in the next section of the page).
const char16_t* const kSectionLabels[] = {
    u"Rest of cast listed alphabetically:",
    u"Director:",
    u"Directors:",
    u"Writer:",
    u"Writers:",
    u"Creator:",
    u"Creators:",
    u"Genres:",
    u"Production Co:",
    u"Country:",
    u"Language:",
    u"Runtime:",
    u"Storyline",
    u"Written by",
    u"Ratings:",
    u"MPAA",
    u"Watch Trailer",
    u"(original title)",
};

StringList sectionLabels()
{
    StringList labels;
    for (const char16_t* label : kSectionLabels)
        labels.append(String(label));
    return labels;
}

struct ListRule
{
    uint32_t option;
    const char16_t* label;
    const char16_t* fragment;
    StringList Movie::*field;
};

struct CrewRule
{
    const char16_t* label;
    const char16_t* plural;
    int32_t role;
};

} // namespace

MovieDbExtractor::MovieDbExtractor(const MovieSite& site) : MovieExtractor(site)
{
    setLanguage(String(u"English"), String(u"en"), String(u"en-us,en"));
}

bool MovieDbExtractor::search()
{
    return searchTitles(String(u"Your Watchlist"), String(u"More searches for"));
}

bool MovieDbExtractor::extractDetails(Movie& movie)
{
    String redirect;
    if (!fetchPage(chosenPath(), String(u"Your Watchlist"), String(u"Did You Know?"), redirect) ||
        !redirect.isEmpty())
        return false;
    readDetails(movie);
    return true;
}

void MovieDbExtractor::readDetails(Movie& movie)
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
        readCast(movie);
    if (wants(kCrew))
        readCrew(movie);
    if (wants(kPlot))
        readPlot(movie);
    if (wants(kLinks))
        readLinks(movie);
    if (wants(kMpaaRating))
        readMpaaRating(movie);
    if (wants(kSiteRating))
        readSiteRating(movie);
    if (wants(kPoster))
        readPoster(movie);
    if (wants(kEpisodes))
        readEpisodes(movie);
}

void MovieDbExtractor::readTitleAndYear(Movie& movie) const
{
    int open = indexOfRunContaining(String(u"("), 0);
    int close = indexOfRunContaining(String(u")"), 0);
    if (open >= 0 && close == open + 2) {
        if (wants(kYear))
            movie.year = textAt(open + 1).toInt();
        movie.title = trimQuotes(textAt(open - 1));
    } else if (open >= 0 && close == open) {
        if (wants(kYear))
            movie.year = textAt(open).trimChars(String(u"()")).trimChars(String(u"Video ")).toInt();
        movie.title = trimQuotes(textAt(open - 1));
    }
    takeChosenTitleAndYear(movie);
}

void MovieDbExtractor::readOriginalTitle(Movie& movie) const
{
    int marker = indexOfRunContaining(String(u"(original title)"), 0);
    movie.originalTitle = marker >= 0 ? textAt(marker - 1) : String();
}

void MovieDbExtractor::readRunningTime(Movie& movie) const
{
    int label = indexOfRunContaining(String(u"Runtime:"), 0);
    int minutes = label >= 0 ? indexOfRunContaining(String(u" min"), label) : -1;
    if (minutes >= 0)
        movie.runningTime = textAt(minutes).toInt();
}

void MovieDbExtractor::readColour(Movie& movie) const
{
    StringList colours = linkTextsWithHref(String(u"/search/title?colors="), 0, 0);
    bool colour = colours.contains(String(u"Color"));
    bool blackAndWhite = colours.contains(String(u"Black and White"));
    if (colour && blackAndWhite)
        movie.colour = 3;
    else if (colour)
        movie.colour = 1;
    else if (blackAndWhite)
        movie.colour = 2;
}

void MovieDbExtractor::readLists(Movie& movie) const
{
    static const ListRule kRules[] = {
        {kGenres, u"Genres:", u"/genre/", &Movie::genres},
        {kStudios, u"Production Co:", u"/company/", &Movie::studios},
        {kCountries, u"Country:", u"/country/", &Movie::countries},
        {kLanguages, u"Language:", u"/language/", &Movie::languages},
    };
    for (const ListRule& rule : kRules) {
        if (!wants(rule.option))
            continue;
        int label = indexOfRunContaining(String(rule.label), 0);
        StringList names = linkTextsWithHref(String(rule.fragment), label, 0);
        if (names.isEmpty())
            continue;
        if (rule.field == &Movie::studios) {
            for (String& name : names)
                name = theInFront(name);
        }
        movie.*rule.field = names;
    }
}

void MovieDbExtractor::readCast(Movie& movie) const
{
    static const StringList kStops = sectionLabels();
    readCastFrom(movie, indexOfRunContaining(String(u"Cast"), 0), kStops);
}

void MovieDbExtractor::readCrew(Movie& movie) const
{
    static const CrewRule kRules[] = {
        {u"Director:", u"Directors:", CrewItem::kDirector},
        {u"Writer:", u"Writers:", CrewItem::kWriter},
        {u"Creator:", u"Creators:", CrewItem::kCreator},
    };
    movie.crew.clear();
    for (const CrewRule& rule : kRules) {
        int label = indexOfRunContaining(String(rule.label), 0);
        if (label < 0)
            label = indexOfRunContaining(String(rule.plural), 0);
        if (label < 0)
            continue;
        StringList names = linkTextsWithHref(String(u"/name/"), label + 1, 1);
        if (names.isEmpty())
            continue;
        CrewItem item;
        item.role = rule.role;
        item.name = names.first()->value;
        movie.crew.append(item);
    }
}

void MovieDbExtractor::readPlot(Movie& movie) const
{
    int story = indexOfRunContaining(String(u"Storyline"), 0);
    int writtenBy = indexOfRunContaining(String(u"Written by"), 0);
    if (story < 0 || writtenBy < 0)
        return;
    movie.plot = joinedTexts(story + 1, writtenBy);
}

void MovieDbExtractor::readLinks(Movie& movie) const
{
    movie.links.clear();
    const String& link = chosen().link;
    MovieLink page;
    page.type = MovieLink::kOnline;
    page.description = String(u"IMDb");
    page.url =
        link.startsWith(String(u"http://"), kCaseSensitive) ? link : String(u"http://") + host() + link;
    movie.links.append(page);

    int trailer = indexOfRunContaining(String(u"Watch Trailer"), 0);
    const PageTextRun* before = runAt(trailer - 1);
    if (trailer < 1 || !before || before->href.isEmpty())
        return;
    MovieLink clip;
    clip.type = MovieLink::kOnline;
    clip.description = ModelText::translate(u"Trailer", u"AddEditMovieWindow");
    clip.url = String(u"http://") + host() + before->href;
    movie.links.append(clip);
}

void MovieDbExtractor::readMpaaRating(Movie& movie) const
{
    movie.mpaaRating = String();
    int label = indexOfRunEqualTo(String(u"MPAA"), 0);
    if (label >= 0) {
        String text = textAt(label + 2);
        if (!text.isEmpty())
            movie.mpaaRating = text + u".";
        return;
    }
    for (const PageTextRun& run : runs()) {
        if (!run.text.endsWith(String(u"min  -  "), kCaseSensitive))
            continue;
        if (!run.src.isEmpty() && !run.alt.isEmpty())
            movie.mpaaRating = run.alt.replaceChar(u'_', u' ', kCaseSensitive);
        return;
    }
}

void MovieDbExtractor::readSiteRating(Movie& movie) const
{
    movie.imdbRating = 0.0f;
    int label = indexOfRunEqualTo(String(u"Ratings:"), 0);
    if (label >= 0)
        movie.imdbRating = textAt(label + 1).toFloat();
}

void MovieDbExtractor::readPoster(Movie& movie)
{
    int count = int(runs().size());
    for (int i = 0; i + 1 < count; ++i) {
        const PageTextRun& next = runs()[size_t(i + 1)];
        if (contains(runs()[size_t(i)].href, u"/media/rm") && site().isOwnPicture(next.src)) {
            storePoster(movie, next.src);
            return;
        }
    }
}

void MovieDbExtractor::readEpisodes(Movie& movie)
{
    std::vector<CastItem> found;
    for (const PageTextRun& run : runs()) {
        if (contains(run.href, u"episodes?season="))
            found.push_back(CastItem{run.text, chosen().link + run.href});
    }
    if (found.empty())
        return;
    // The site lists seasons first to last; they are read last to first.
    CastItemList seasons;
    for (auto it = found.rbegin(); it != found.rend(); ++it)
        seasons.append(*it);
    movie.episodes.clear();
    extractEpisodes(movie, seasons);
}

bool MovieDbExtractor::extractEpisodes(Movie& movie, CastItemList& seasons)
{
    for (const CastItem& season : seasons) {
        if (!readSeason(movie, season.character))
            return false;
    }
    return true;
}

bool MovieDbExtractor::readSeason(Movie& movie, const String& path)
{
    String redirect;
    if (!fetchPage(path, String(u"Episode List"), String(u"Contribute to This Page"), redirect) ||
        !redirect.isEmpty())
        return false;
    int equals = path.indexOfChar(u'=', 0, kCaseSensitive);
    if (equals < 0)
        return false;
    // The season's number ends at the next parameter, whatever follows it.
    String season = path.midFrom(equals + 1);
    for (char16_t end : {u'=', u'&'}) {
        int at = season.indexOfChar(end, 0, kCaseSensitive);
        if (at >= 0)
            season = season.mid(0, at);
    }
    String prefix = String(u"S") + season + u", ";
    int count = int(runs().size());
    for (int i = 0; i < count;) {
        const String& text = runs()[size_t(i)].text;
        ++i;
        if (!text.startsWith(prefix, kCaseSensitive))
            continue;
        Episode episode;
        episode.season = season.toInt();
        int number = text.find(String(u", Ep"), 0, kCaseSensitive);
        episode.number = number >= 0 ? text.midFrom(number + 4).toInt() : 0;
        for (int field = 0; field < 3 && i < count; ++field, ++i) {
            const String& next = runs()[size_t(i)].text;
            if (next.startsWith(prefix, kCaseSensitive))
                break;
            if (field == 0)
                parseAirDate(next, episode.year, episode.month, episode.day);
            else if (field == 1)
                episode.title = next;
            else
                episode.plot = next;
        }
        movie.episodes.append(episode);
    }
    return true;
}

bool MovieDbExtractor::parseAirDate(const String& text, int32_t& year, int32_t& month, int32_t& day)
{
    static const char16_t* const kMonths[] = {u"Jan.", u"Feb.", u"Mar.", u"Apr.", u"May",  u"Jun.",
                                              u"Jul.", u"Aug.", u"Sep.", u"Oct.", u"Nov.", u"Dec."};
    if (text.isEmpty())
        return false;
    year = month = day = 0;
    StringList parts = String::split(text, String(u" "), 0);
    if (parts.count() != 3)
        return false;
    const String& monthText = parts.first()->value;
    day = parts.nodeAt(1)->value.toInt();
    year = parts.last()->value.toInt();
    for (int i = 0; i < 12 && month == 0; ++i) {
        if (contains(monthText, kMonths[i]))
            month = i + 1;
    }
    if (year < 1900 || year > 3000)
        year = 0;
    if (day < 1 || day > 31)
        day = 0;
    return true;
}
