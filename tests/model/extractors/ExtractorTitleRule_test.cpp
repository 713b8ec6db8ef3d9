// The movie's title through an extraction: a title page that shows no title
// in the edition's form never wipes what the user typed, and only an empty
// title takes the chosen result's. And the French cast, whose last plain-text
// character never swallows the untranslated "rest of cast" line.
#include "foundation/net/Network.h"
#include "model/extractors/LocalizedMovieDbExtractor.h"
#include "model/records/Movie.h"
#include "tests/model/extractors/ExtractorTestSupport.h"

#include <gtest/gtest.h>

using extractortest::kOk;
using extractortest::text;
using extractortest::utf8;

namespace {

const char kUtf8[] = "<meta content=\"text/html; charset=utf-8\">";

struct Edition
{
    const char* code; // "en" for the English extractor
    const char* searchPage;
    const char* titlePage;
};

const Edition kEditions[] = {
    {"en",
     "Your Watchlist<a href=\"/title/tt0000009/\">Listed Title</a><b>(1999)</b><i>More searches for</i>",
     "Your Watchlist<b>A page without the title line</b><i>Did You Know?</i>"},
    {"fr", "Forums<a href=\"/title/tt0000009/\">Listed Title</a><b>(1999)</b><i>Altre ricerche per</i>",
     "Forums<b>Une page sans la ligne du titre</b><i>Recommandations</i>"},
};

std::unique_ptr<MovieExtractor> extractorFor(const char* code, const std::string& host)
{
    MovieSite site{text(host), String(u"moviedb.test"), text(host), String(u"moviedb.test")};
    if (std::string(code) == "en")
        return std::make_unique<MovieDbExtractor>(site);
    return std::make_unique<LocalizedMovieDbExtractor>(text(code), site);
}

} // namespace

TEST(ExtractorTitleRule, OnlyAnEmptyTitleTakesTheChosenResultsTitle)
{
    Network::instance().startup();
    struct Row
    {
        const char* typed;
        const char* query; // "typed" redirects straight to the title page
        const char* title;
        int year;
    } rows[] = {
        {"My Own Title", "typed", "My Own Title", 0},
        {"My Own Title", "listed", "My Own Title", 1999},
        {"", "listed", "Listed Title", 1999},
        {"", "typed", "", 0},
    };
    for (const Edition& edition : kEditions) {
        testsupport::TestHttpServer server;
        server.setPages({
            {"/find?q=typed&s=tt", "HTTP/1.0 302 Found\r\nLocation: /title/tt0000009/\r\n\r\n"},
            {"/find?q=listed&s=tt", kOk + std::string(kUtf8) + edition.searchPage},
            {"/title/tt0000009/", kOk + std::string(kUtf8) + edition.titlePage},
        });
        std::unique_ptr<MovieExtractor> extractor = extractorFor(edition.code, server.hostAndPort());
        extractor->setOptions(MovieExtractor::kAllOptions);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(edition.code) + " " + row.typed + " " + row.query);
            Movie movie;
            movie.title = text(row.typed);
            ASSERT_EQ(extractor->extract(nullptr, text(row.query), movie, true, true),
                      MovieExtractor::kExtracted);
            EXPECT_EQ(utf8(movie.title), row.title);
            EXPECT_EQ(movie.year, row.year);
        }
    }
}

TEST(ExtractorTitleRule, AFrenchCharacterStopsAtTheEnglishRestOfCastLine)
{
    LocalizedMovieDbExtractor extractor(text("fr"));
    extractor.setOptions(MovieExtractor::kCast);
    extractor.setPageText(
        text("Forums<b>(Vue d'ensemble de la distribution, par ordre d'apparition \xC3\xA0 l'\xC3\xA9"
             "cran)</b><a href=\"/name/nm1/\">Mara Quell</a><b>...</b><b>Le barman</b>"
             "<b>Rest of cast listed alphabetically:</b><a href=\"/name/nm2/\">Pim Okoro</a><b>...</b>"
             "<b>Docker</b><i>Recommandations</i>"));
    ASSERT_TRUE(extractor.htmlToRuns(String(u"Forums"), String(u"Recommandations")));
    Movie movie;
    extractor.readDetails(movie);
    ASSERT_EQ(movie.cast.count(), 2);
    EXPECT_EQ(utf8(movie.cast.first()->value.character), "Le barman");
    EXPECT_EQ(utf8(movie.cast.last()->value.actor), "Pim Okoro");
}
