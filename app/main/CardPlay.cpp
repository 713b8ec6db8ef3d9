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

// A path as Windows compares it: '/' and the backslash are one separator, a
// trailing separator names the same folder, and letters match in either case.
String comparablePath(const String& path)
{
    String comparable = path.replaceChar(u'/', u'\\', String::kCaseSensitive);
    if (comparable.endsWithChar(u'\\', String::kCaseSensitive))
        comparable = comparable.mid(0, comparable.length() - 1);
    return comparable;
}

bool isSamePath(const String& a, const String& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return String::equalsIgnoreCase(comparablePath(a), comparablePath(b));
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

String CardPlay::fileToPlay(const String& url)
{
    if (MovieLink::openAction(url, MovieLink::kLocal) != MovieLink::kStartFile)
        return String();
    return MovieLink::localPath(url);
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

const MovieLink* CardPlay::linkForHref(const Movie& movie, const String& href)
{
    if (href.isEmpty())
        return nullptr;
    for (const MovieLink& link : movie.links) {
        if (String::equals(link.url, href))
            return &link;
    }
    if (!href.startsWith(String(u"file:"), String::kIgnoreCase))
        return nullptr;
    const String path = fileUrlPath(href);
    if (path.isEmpty())
        return nullptr;
    for (const MovieLink& link : movie.links) {
        if (link.type != MovieLink::kOnline && isSamePath(MovieLink::localPath(link.url), path))
            return &link;
    }
    return nullptr;
}
