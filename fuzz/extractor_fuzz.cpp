// Site pages from outside: an HTTP answer's bytes through the page reader
// (status, charset, text runs) and then every rule of the English and the
// German extractor, with every option on. Nothing is fetched: the sites have
// no host, so season and picture viewer pages fail at once.
#include "foundation/net/HttpResponse.h"
#include "model/extractors/LocalizedMovieDbExtractor.h"
#include "model/extractors/MovieDbExtractor.h"
#include "model/records/Movie.h"

#include <cstddef>
#include <cstdint>

namespace {

// No host, but the main domain the German pages print after "Mehr auf ", so
// that the title rule reads a seed's title line.
MovieSite germanSite()
{
    MovieSite site;
    site.mainDomain = MovieSite::localized(String(u"de")).mainDomain;
    return site;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    static MovieDbExtractor* english = new MovieDbExtractor(MovieSite{});
    static LocalizedMovieDbExtractor* german = new LocalizedMovieDbExtractor(String(u"de"), germanSite());
    HttpResponse response;
    if (!response.parse(data, int(size)))
        return 0;
    String redirect;
    english->setOptions(MovieExtractor::kAllOptions);
    if (english->readAnswer(response, String(u"Your Watchlist"), String(u"Did You Know?"), redirect)) {
        Movie movie;
        english->readDetails(movie);
        if (int(english->runs().size()) > english->pageText().length())
            __builtin_trap(); // a run is made at a '<' at most
    }
    german->setOptions(MovieExtractor::kAllOptions);
    const SiteMarkers& markers = german->markers();
    if (german->readAnswer(response, markers.titleStart, markers.titleEnd, redirect)) {
        Movie movie;
        german->readDetails(movie);
    }
    return 0;
}
