// The English extractor's page reader and rules on pages built here in the
// site's shape: the text runs of a page at the 3 MiB answer limit, and one
// title page from the answer's bytes to the filled Movie. Both run on the GUI
// thread while the user waits with the wait cursor.
#include <benchmark/benchmark.h>

#include "foundation/net/HttpResponse.h"
#include "model/extractors/LocalizedMovieDbExtractor.h"
#include "model/extractors/MovieDbExtractor.h"
#include "model/records/Movie.h"

#include <string>

namespace {

std::string castRow(int i)
{
    std::string n = std::to_string(i);
    return "<tr><td class=\"primary_photo\"><a href=\"/name/nm" + n +
           "/\"><img src=\"http://img.test/images/M/nm" + n + ".jpg\" alt=\"Actor " + n +
           "\"></a></td>\n<td><a href=\"/name/nm" + n + "/\">Actor &amp; Player " + n +
           "</a></td><td class=\"ellipsis\">...</td>\n<td class=\"character\"><a href=\"/character/ch" + n +
           "/\">Character " + n + "</a> / Caf&eacute; Owner</td></tr>\n";
}

std::string titlePage(int castRows)
{
    std::string page =
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html><head><meta http-equiv=\"Content-Type\" "
        "content=\"text/html; charset=utf-8\"><script>var s = \"<b>\";</script></head><body>"
        "<a href=\"/list/watchlist\">Your Watchlist</a>"
        "<div class=\"poster\"><a href=\"/media/rm1/tt1\">Poster</a><img "
        "src=\"http://img.test/images/M/p.jpg\" alt=\"p\"></div>"
        "<h1>Night Harbour <span>(<a href=\"/year/2004/\">2004</a>)</span></h1>"
        "<div><span>MPAA</span>: <span>Rated PG-13</span></div><div>Ratings: <span>7.4</span>/10</div>"
        "<div><h4>Director:</h4> <a href=\"/name/nm9/\">Lena Sorvik</a></div>"
        "<table class=\"cast_list\"><tr><td><h2>Cast</h2></td></tr>\n";
    for (int i = 0; i < castRows; ++i)
        page += castRow(i);
    page += "</table><h2>Storyline</h2><p>A pilot flies to <a href=\"/k\">Lisbon</a>, where she lands.</p>"
            "<em>Written by anon</em><div><h4>Genres:</h4> <a href=\"/genre/Drama\">Drama</a></div>"
            "<div><h4>Runtime:</h4> 118 min</div><h2>Did You Know?</h2></body></html>";
    return page;
}

HttpResponse answerOf(const std::string& bytes)
{
    HttpResponse response;
    response.parse(reinterpret_cast<const uint8_t*>(bytes.data()), int(bytes.size()));
    return response;
}

void BM_HtmlToRuns3MiB(benchmark::State& state)
{
    std::string page = titlePage(3 * 1048576 / int(castRow(99999).size()));
    HttpResponse response = answerOf(page);
    MovieDbExtractor extractor(MovieSite{});
    String redirect;
    extractor.readAnswer(response, String(u"Your Watchlist"), String(u"Did You Know?"), redirect);
    for (auto _ : state) {
        extractor.htmlToRuns(String(u"Your Watchlist"), String(u"Did You Know?"));
        benchmark::DoNotOptimize(extractor.runs().size());
    }
    state.counters["MiB"] = double(page.size()) / 1048576.0;
    state.counters["runs"] = double(extractor.runs().size());
}
BENCHMARK(BM_HtmlToRuns3MiB)->Unit(benchmark::kMillisecond);

void BM_TitlePageToMovie(benchmark::State& state)
{
    std::string page = titlePage(50);
    MovieDbExtractor extractor(MovieSite{});
    extractor.setOptions(MovieExtractor::kAllOptions);
    for (auto _ : state) {
        HttpResponse response = answerOf(page);
        String redirect;
        Movie movie;
        extractor.readAnswer(response, String(u"Your Watchlist"), String(u"Did You Know?"), redirect);
        extractor.readDetails(movie);
        benchmark::DoNotOptimize(movie.cast.count());
    }
}
BENCHMARK(BM_TitlePageToMovie)->Unit(benchmark::kMillisecond);

// A German title page in ISO-8859-1, as that edition serves it.
std::string germanTitlePage(int castRows)
{
    std::string page = "HTTP/1.0 200 OK\r\n\r\n<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=iso-8859-1\"></head><body><a href=\"/boards/\">Diskussionsforen</a>"
                       "<h1>Nachthafen <span>(2004)</span> <a href=\"/title/tt1/\">Mehr auf moviedb.example</a></h1>"
                       "<div>7,4/10</div><h5>Regie:</h5> <a href=\"/name/nm9/\">Lena Sorvik</a>"
                       "<h3>Besetzung <small>(Hauptdarsteller)</small></h3><table>";
    for (int i = 0; i < castRows; ++i)
        page += castRow(i);
    page += "</table><h5>Handlung:</h5> <div>Eine Pilotin fliegt nach <a href=\"/k\">Lissabon</a>. "
            "<a href=\"/title/tt1/plotsummary\">Mehr</a></div><h5>Genre:</h5> <div>Drama | Thriller</div>"
            "<h5>L\xe4nge:</h5> <div>118 Min</div><h5>Farbe:</h5> <div>Farbe</div><h5>Altersfreigabe:</h5> "
            "<div>Deutschland:12 | \xd6sterreich:10 | USA:PG-13</div><h2>Empfehlungen</h2></body></html>";
    return page;
}

void BM_GermanTitlePageToMovie(benchmark::State& state)
{
    std::string page = germanTitlePage(50);
    LocalizedMovieDbExtractor extractor(String(u"de"));
    extractor.setOptions(MovieExtractor::kAllOptions & ~MovieExtractor::kPoster);
    const SiteMarkers& markers = extractor.markers();
    for (auto _ : state) {
        HttpResponse response = answerOf(page);
        String redirect;
        Movie movie;
        extractor.readAnswer(response, markers.titleStart, markers.titleEnd, redirect);
        extractor.readDetails(movie);
        benchmark::DoNotOptimize(movie.cast.count());
    }
}
BENCHMARK(BM_GermanTitlePageToMovie)->Unit(benchmark::kMillisecond);

} // namespace
