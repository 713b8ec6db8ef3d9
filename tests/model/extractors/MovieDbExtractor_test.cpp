// The English extractor's whole flow against pages of our own, served by the
// loopback test server: search, choice, title page, seasons, poster, and the
// ways a fetch fails.
#include "foundation/net/Network.h"
#include "foundation/net/UserAgent.h"
#include "foundation/platform/LocaleData.h"
#include "foundation/time/Locale.h"
#include "model/records/Movie.h"
#include "tests/model/extractors/ExtractorTestSupport.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using extractortest::text;
using extractortest::utf8;

namespace {

using extractortest::kOk;

class MovieDbFlow : public testing::Test
{
protected:
    MovieDbFlow()
        : extractor(
              MovieSite{text(server.hostAndPort()), String(u"moviedb.test"), text(server.hostAndPort()),
                        String(u"moviedb.test")})
    {
        Network::instance().startup();
        extractortest::loadTestTable(extractor);
        extractor.setChooser(&chooser);
        extractor.setImageDownloader(&downloader);
        extractor.setOptions(MovieExtractor::kAllOptions);
        serve({{"/find?q=night+harbour&s=tt", "search-several.html"},
               {"/find?q=harbour&s=tt", "search-one.html"},
               {"/find?q=zzqx&s=tt", "search-none.html"},
               {"/find?q=cafe&s=tt", "search-latin1.html"},
               {"/title/tt0000001/", "title-movie.html"},
               {"/title/tt0000002/", "title-series.html"},
               {"/title/tt0000002/episodes?season=1", "episodes-season1.html"},
               {"/title/tt0000002/episodes?season=2&amp;ref_=tt_eps_sn", "episodes-season2.html"},
               {"/title/tt0000002/episodes?season=3", "episodes-season3.html"}});
    }

    void serve(const std::map<std::string, std::string>& files)
    {
        server.setPages(extractortest::pages(server, "en/", files));
    }

    int extract(const char* query, bool automatic = false)
    {
        return extractor.extract(nullptr, text(query), movie, true, automatic);
    }

    testsupport::TestHttpServer server;
    extractortest::ScriptedChooser chooser;
    extractortest::FakeDownloader downloader;
    MovieDbExtractor extractor;
    Movie movie;
};

std::string joined(const StringList& list)
{
    return utf8(list.join(String(u"|"), 0));
}

// One line per item of a record list.
template <typename List, typename Describe>
std::vector<std::string> lines(const List& list, Describe describe)
{
    std::vector<std::string> result;
    for (const auto& item : list)
        result.push_back(describe(item));
    return result;
}

} // namespace

TEST_F(MovieDbFlow, SearchOffersEachTitleOnceAndAsksWhichToRead)
{
    chooser.answer = 3;
    EXPECT_EQ(extract("night   harbour"), MovieExtractor::kNothing); // the fourth result's page is missing
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(lines(extractor.results(),
                    [](const SearchResult& r) {
                        return utf8(r.title) + " " + std::to_string(r.year) + " " + utf8(r.link) + " " +
                               std::to_string(r.index);
                    }),
              (std::vector<std::string>{
                  "Night Harbour 2004 /title/tt0000001/ 0", "Harbour Lights 2010 /title/tt0000002/ 1",
                  "Nuit du Port & Café 1998 /title/tt0000003/ 2", "Kōbe Nights 0 /title/tt0000004/ 3"}));
    std::string host = server.hostAndPort();
    EXPECT_EQ(server.requests().front(),
              "GET /find?q=night+harbour&s=tt HTTP/1.0\r\nHost: " + host +
                  "\r\nUser-Agent: " + utf8(userAgentString(1)) +
                  "\r\nAccept-Language: en-us,en\r\nConnection: close\r\nReferer: http://" + host +
                  "/\r\n\r\n");
    EXPECT_EQ(server.lastRequest().substr(0, 27), "GET /title/tt0000004/ HTTP/");
}

TEST_F(MovieDbFlow, ReadsEveryGroupOfAMoviePage)
{
    downloader.stored = "C:\\collection\\Images\\Night Harbour (0) - poster.png";
    Locale::instance().load(LocaleData::kGermanGermany); // the rating "7.4" reads the same
    EXPECT_EQ(extract("harbour"), MovieExtractor::kExtracted);
    Locale::instance().load(LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_EQ(utf8(movie.title), "Night Harbour");
    EXPECT_EQ(utf8(movie.originalTitle), "Harbour of Night");
    EXPECT_EQ(movie.year, 2004);
    EXPECT_EQ(movie.runningTime, 118);
    EXPECT_EQ(movie.colour, 3);
    EXPECT_EQ(joined(movie.genres), "Drama|Thriller");
    EXPECT_EQ(joined(movie.studios), "The Harbour Pictures|Lantern, The Studio");
    EXPECT_EQ(joined(movie.countries), "Portugal|Germany");
    EXPECT_EQ(joined(movie.languages), "Portuguese");
    EXPECT_EQ(utf8(movie.mpaaRating), "Rated PG-13 for peril at sea.");
    EXPECT_FLOAT_EQ(movie.imdbRating, 7.4f);
    EXPECT_EQ(utf8(movie.plot), "A pilot flies to Lisbon, where she meets an old friend.");
    EXPECT_EQ(lines(movie.cast, [](const CastItem& c) { return utf8(c.actor) + " as " + utf8(c.character); }),
              (std::vector<std::string>{"Mara Quell as Captain Ilse Varn / The Keeper",
                                        "Tomas Brell as Harbour Master", "Ada Frisk as Nurse (uncredited)",
                                        "Pim Okoro as Dock Worker"}));
    EXPECT_EQ(
        lines(movie.crew, [](const CrewItem& c) { return std::to_string(c.role) + " " + utf8(c.name); }),
        (std::vector<std::string>{"0 Lena Sorvik", "2 Ivo Dantas"}));
    std::string site = "http://" + server.hostAndPort();
    EXPECT_EQ(lines(movie.links, [](const MovieLink& l) { return utf8(l.description) + " " + utf8(l.url); }),
              (std::vector<std::string>{"IMDb " + site + "/title/tt0000001/",
                                        "Trailer " + site + "/video/vi1001/"}));
    ASSERT_EQ(downloader.asked.size(), 1u);
    EXPECT_EQ(downloader.asked[0],
              site + "/images/M/night-harbour.jpg as " + utf8(movie.coverFileName(Cover::kPoster)));
    ASSERT_NE(movie.coverByKind(Cover::kPoster), nullptr);
    EXPECT_EQ(utf8(movie.coverByKind(Cover::kPoster)->name), "Night Harbour (0) - poster.png");
}

TEST_F(MovieDbFlow, SeriesReadsItsSeasonsLastToFirst)
{
    chooser.answer = 1;
    EXPECT_EQ(extract("night harbour"), MovieExtractor::kExtracted);
    EXPECT_EQ(utf8(movie.title), "Harbour Lights");
    EXPECT_EQ(movie.year, 2010);
    EXPECT_EQ(utf8(movie.mpaaRating), "TV 14");
    EXPECT_EQ(utf8(movie.crewNames(CrewItem::kCreator)), "Odile Marsh");
    EXPECT_TRUE(movie.covers.isEmpty()); // no poster on the page
    auto episode = [](const Episode& e) {
        return std::to_string(e.season) + "." + std::to_string(e.number) + " " + std::to_string(e.year) +
               "-" + std::to_string(e.month) + "-" + std::to_string(e.day) + " " + utf8(e.title) + " / " +
               utf8(e.plot);
    };
    EXPECT_EQ(lines(movie.episodes, episode), (std::vector<std::string>{
                                                  "3.1 0-12-31 Old Harbour / A century back.",
                                                  "3.0 0-0-0 Harbour Special / Behind the scenes.",
                                                  "2.1 2011-9-3 Return / Back & forth.",
                                                  "1.1 2010-1-5 Pilot / The harbour opens for the season.",
                                                  "1.2 2010-5-12 Low Tide / ",
                                                  "1.3 0-0-0  / ",
                                              }));
}

// Each option bit alone changes its own group of a filled-in movie and
// nothing else; the title is always read.
TEST_F(MovieDbFlow, EachOptionFillsOnlyItsGroup)
{
    // In option bit order.
    auto groups = [](const Movie& m) {
        // clang-format off
        return std::vector<std::string>{
            utf8(m.originalTitle), joined(m.genres), joined(m.studios), joined(m.countries),
            joined(m.languages), std::to_string(m.year), std::to_string(m.imdbRating), utf8(m.mpaaRating),
            (m.covers.isEmpty() ? "no cover" : utf8(m.covers.last()->value.name)), std::to_string(m.cast.count()), std::to_string(m.crew.count()),
            std::to_string(m.episodes.count()), std::to_string(m.runningTime), std::to_string(m.colour),
            utf8(m.plot), std::to_string(m.links.count())};
        // clang-format on
    };
    Movie filled;
    filled.title = String(u"Old");
    filled.originalTitle = filled.mpaaRating = filled.plot = String(u"old");
    filled.genres.append(String(u"old"));
    filled.studios = filled.countries = filled.languages = filled.genres;
    filled.year = filled.runningTime = 1;
    filled.imdbRating = 1.0f;
    filled.colour = 2;
    filled.cast.append(CastItem{});
    filled.crew.append(CrewItem{});
    filled.links.append(MovieLink{});
    filled.setCover(Cover(String(u"old.png")));
    downloader.stored = "C:\\c\\Images\\new.png";
    const std::vector<std::string> before = groups(filled);
    for (int bit = 0; bit < 16; ++bit) {
        SCOPED_TRACE(bit);
        movie = filled;
        extractor.setOptions(1u << bit);
        ASSERT_EQ(extract("harbour"), MovieExtractor::kExtracted);
        EXPECT_EQ(utf8(movie.title), "Night Harbour");
        std::vector<std::string> after = groups(movie);
        for (size_t group = 0; group < after.size(); ++group) // a movie page has no episodes
            EXPECT_EQ(after[group] != before[group], int(group) == bit && bit != 11) << "group " << group;
    }
}

TEST_F(MovieDbFlow, NothingIsWrittenWhenTheExtractionEnds)
{
    Movie filled;
    filled.title = String(u"Kept");
    filled.genres.append(String(u"Kept"));
    movie = filled;
    chooser.answer = -1;
    EXPECT_EQ(extract("night harbour"), MovieExtractor::kCancelled);
    EXPECT_EQ(extract("zzqx"), MovieExtractor::kNothing);
    size_t sent = server.requests().size();
    EXPECT_EQ(extract("   "), MovieExtractor::kNothing); // collapsed to one blank: searched
    extractor.setOptions(0);
    EXPECT_EQ(extract("harbour"), MovieExtractor::kNothing);
    EXPECT_EQ(extractor.extract(nullptr, String(), movie, true, false), MovieExtractor::kNothing);
    EXPECT_EQ(server.requests().size(), sent + 1);
    extractor.setOptions(MovieExtractor::kAllOptions);
    chooser.answer = 2; // a result whose title page answers 404
    EXPECT_EQ(extract("night harbour"), MovieExtractor::kNothing);
    EXPECT_EQ(utf8(movie.title), "Kept");
    EXPECT_EQ(joined(movie.genres), "Kept");
    downloader.stored.clear(); // a failed download stores no cover
    extractor.setOptions(MovieExtractor::kPoster);
    EXPECT_EQ(extract("harbour"), MovieExtractor::kExtracted);
    EXPECT_EQ(downloader.asked.size(), 1u);
    EXPECT_TRUE(movie.covers.isEmpty());
    EXPECT_EQ(extract("cafe", true), MovieExtractor::kNothing); // ISO-8859-1 page, first result has no page
    ASSERT_GE(extractor.results().count(), 2);
    EXPECT_EQ(utf8(extractor.results().first()->value.title), "Nuit du Port & Café crème");
    EXPECT_EQ(utf8(extractor.results().last()->value.title), "À bout de souffle");
}

TEST_F(MovieDbFlow, FetchFailsCleanlyOnOddAnswers)
{
    const std::string body = "<html><meta content=\"text/html; charset=utf-8\">Your Watchlist<b>x</b></html>";
    struct Row
    {
        std::string answer;
        bool fetched;
        const char* redirect;
    } rows[] = {
        {kOk + body, true, ""},
        {"HTTP/1.0 200 OK\r\n\r\n" +
             std::string("<meta content=\"text/html; charset=UTF-8\">Your Watchlist<b>"),
         true, ""},
        {"HTTP/1.0 302 Found\r\nLocation: /title/tt0000001/ \r\n\r\n", true, "/title/tt0000001/"},
        {"HTTP/1.0 301 Moved\r\nLocation: /title/tt0000001/\r\n\r\n", false, ""},
        {"HTTP/1.0 302 Found\r\nlocation: /title/tt0000001/\r\n\r\n", false, ""},
        {"HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\nYour Watchlist<b>", false, ""},
        {"HTTP/1.0 200 OK\r\n\r\n<meta content=\"text/html; charset=koi8-r\">Your Watchlist<b>", false, ""},
        {kOk + std::string("<meta content=\"text/html; charset=utf-8\">no marker<b>"), false, ""},
        {kOk + std::string(16, '\0'), false, ""},
        {kOk + body + std::string(3 * 1048576, ' '), false, ""},
        {kOk + std::string("<meta content=\"text/html; charset=utf-8\">Your Watchlist<a href=\"") +
             std::string(100000, '<'),
         true, ""},
        {"", false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer.substr(0, 40));
        server.enqueue(row.answer.empty() ? testsupport::closedWithoutAnswer()
                                          : testsupport::answerWith(row.answer));
        String redirect(u"stale");
        EXPECT_EQ(extractor.fetchPage(String(u"/p"), String(u"Your Watchlist"), String(u"END"), redirect),
                  row.fetched);
        EXPECT_EQ(utf8(redirect), row.redirect);
    }
}
