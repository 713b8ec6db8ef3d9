#include "app/main/CardPlay.h"

#include "foundation/containers/StringList.h"
#include "foundation/net/Url.h"
#include "model/records/Episode.h"
#include "model/records/Movie.h"
#include "model/records/MovieLink.h"

namespace {

// More digits could not be a season or an episode number.
const int kMaxDigits = 9;

// Plain decimal digits only: no sign, no blanks, no letters.
bool readNumber(const String& text, int32_t& value)
{
    if (text.isEmpty() || text.length() > kMaxDigits)
        return false;
    int32_t result = 0;
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if (unit < u'0' || unit > u'9')
            return false;
        result = result * 10 + int32_t(unit - u'0');
    }
    value = result;
    return true;
}

} // namespace

const char16_t CardPlay::kPlayId[] = u"@play";
const char16_t CardPlay::kPlayEpisodePrefix[] = u"@play-episode-";

bool CardPlay::readEpisodeId(const String& id, int32_t& season, int32_t& number)
{
    if (!id.startsWith(String(kPlayEpisodePrefix), String::kCaseSensitive))
        return false;
    StringList parts = id.split(String(u"-"), 0);
    StringList::Node* third = parts.nodeAt(2);
    if (parts.count() < 3 || !third)
        return false;
    StringList numbers = third->value.split(String(u"."), 0);
    if (numbers.count() < 2)
        return false;
    int32_t readSeason = 0;
    int32_t readNumberValue = 0;
    if (!readNumber(numbers.first()->value, readSeason) ||
        !readNumber(numbers.first()->next->value, readNumberValue))
        return false;
    season = readSeason;
    number = readNumberValue;
    return true;
}

String CardPlay::episodeFile(const Movie& movie, const String& id)
{
    int32_t season = 0;
    int32_t number = 0;
    if (!readEpisodeId(id, season, number))
        return String();
    const Episode* episode = movie.findEpisode(season, number);
    return episode ? episode->file : String();
}

List<const MovieLink*> CardPlay::playableLinks(const Movie& movie)
{
    List<const MovieLink*> links;
    for (const MovieLink& link : movie.links) {
        if (link.play)
            links.append(&link);
    }
    return links;
}

String CardPlay::hrefTarget(const String& href)
{
    if (MovieLink::openAction(href, MovieLink::kOnline) == MovieLink::kOpenAddress)
        return href;
    const String path = href.startsWith(String(u"file:"), String::kIgnoreCase) ? fileUrlPath(href) : href;
    if (MovieLink::openAction(path, MovieLink::kLocal) == MovieLink::kOpenNothing)
        return String();
    return path;
}
