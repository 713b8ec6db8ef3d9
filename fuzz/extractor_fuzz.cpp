// Site pages from outside: an HTTP answer's bytes through the page reader
// (status, charset, text runs) and then every rule of the English extractor,
// with every option on. Nothing is fetched: the site has no host, so a
// series' season pages fail at once.
#include "foundation/net/HttpResponse.h"
#include "model/extractors/MovieDbExtractor.h"
#include "model/records/Movie.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    static MovieDbExtractor* extractor = [] {
        MovieDbExtractor* made = new MovieDbExtractor(MovieSite{});
        made->setOptions(MovieExtractor::kAllOptions);
        return made;
    }();
    HttpResponse response;
    if (!response.parse(data, int(size)))
        return 0;
    String redirect;
    if (!extractor->readAnswer(response, String(u"Your Watchlist"), String(u"Did You Know?"), redirect))
        return 0;
    Movie movie;
    extractor->readDetails(movie);
    if (int(extractor->runs().size()) > extractor->pageText().length())
        __builtin_trap(); // every run holds at least one character of the page or one tag
    return 0;
}
