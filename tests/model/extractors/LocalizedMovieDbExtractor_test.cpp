// The four localized editions against their own pages on the loopback
// server: search with the edition's markers, the title page's rules, and the
// poster found through the picture viewer's redirect.
#include "foundation/net/Network.h"
#include "model/extractors/LocalizedMovieDbExtractor.h"
#include "model/records/Movie.h"
#include "tests/model/extractors/ExtractorTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using extractortest::text;
using extractortest::utf8;

namespace {

std::string joined(const StringList& list)
{
    return utf8(list.join(String(u"|"), 0));
}

struct Edition
{
    const char* code;
    const char* query;
    const char* viewerLocation; // where the viewer redirects; empty when the page has no poster link
    int results;
    // title|year|original|runtime|colour|genres|rating|mpaa|plot
    const char* fields;
    const char* cast;
    const char* crew;
    const char* poster; // the picture's path, or empty
};

const Edition kEditions[] = {
    {"de", "hafen", "/media/rm2001/tt0000001/viewer", 2,
     "Nachthafen|2004|Night Harbour|118|3|Drama|Thriller|7.4|PG-13|"
     "Eine Pilotin fliegt nach Lissabon, wo sie eine alte Freundin trifft.",
     "Mara Quell as Kapitänin Ilse Varn;Tomas Brell as Hafenmeister;Pim Okoro as Hafenarbeiter",
     "0 Lena Sorvik;2 Ivo Dantas;2 Ruth Amsel;2 Pia Lund", "/images/M/nachthafen.jpg"},
    {"it", "porto", "http://{HOST}/media/rm2001/tt0000001/viewer", 1,
     "Porto di notte|2004||118|2|Drammatico|7.4|PG-13|Una pilota vola a Lisbona.",
     "Mara Quell as Capitano Varn", "0 Lena Sorvik;0 Aldo Ferri;2 Ivo Dantas", "/images/M/porto.jpg"},
    {"es", "puerto", "/media/rm2001/tt0000001/viewer", 1,
     "Puerto nocturno|2004||118|1|Drama|Suspense|0.0|PG-13|kept", "Mara Quell as Capitana Varn",
     "0 Lena Sorvik;2 Ivo Dantas", ""}, // one "next" link only; a rating with two '/'
    {"fr", "port", "", 2, // the French end marker is not on the page: the runs reach its end
     "Port de nuit|2004||118|3|Drame|7.4|PG-13|Une pilote part pour Lisbonne.", "Mara Quell as Capitaine Varn",
     "0 Lena Sorvik", ""},
};

std::string rating(float value)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.1f", double(value));
    return digits;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(LocalizedMovieDbExtractor, EachEditionReadsItsOwnPages)
{
    Network::instance().startup();
    for (const Edition& edition : kEditions) {
        SCOPED_TRACE(edition.code);
        testsupport::TestHttpServer server;
        std::string host = server.hostAndPort();
        std::string folder = std::string(edition.code) + "/";
        auto answers = extractortest::pages(server, folder,
                                            {{std::string("/find?q=") + edition.query + "&s=tt", "search.html"},
                                             {"/title/tt0000001/", "title.html"},
                                             {"/media/rm2001/tt0000001/viewer", "viewer.html"}});
        answers["/media/rm2001/tt0000001"] =
            "HTTP/1.0 302 Found\r\nLocation: " + replaced(edition.viewerLocation, "{HOST}", host) + "\r\n\r\n";
        server.setPages(answers);

        LocalizedMovieDbExtractor extractor(
            text(edition.code), MovieSite{text(host), text(std::string(edition.code) + ".moviedb.test"),
                                          text(host), String(u"moviedb.test")});
        extractortest::loadTestTable(extractor);
        extractortest::FakeDownloader downloader;
        downloader.stored = "C:\\c\\Images\\poster.png";
        extractor.setImageDownloader(&downloader);
        extractor.setOptions(MovieExtractor::kAllOptions);
        Movie movie;
        movie.plot = String(u"kept");
        movie.originalTitle = String(u"old");
        ASSERT_EQ(extractor.extract(nullptr, text(edition.query), movie, true, true), MovieExtractor::kExtracted);
        EXPECT_EQ(extractor.results().count(), edition.results);

        std::string fields = utf8(movie.title) + "|" + std::to_string(movie.year) + "|" + utf8(movie.originalTitle) +
                             "|" + std::to_string(movie.runningTime) + "|" + std::to_string(movie.colour) + "|" +
                             joined(movie.genres) + "|" + rating(movie.imdbRating) + "|" +
                             utf8(movie.mpaaRating) + "|" + utf8(movie.plot);
        EXPECT_EQ(fields, edition.fields);
        std::string cast, crew;
        for (const CastItem& item : movie.cast)
            cast += (cast.empty() ? "" : ";") + utf8(item.actor) + " as " + utf8(item.character);
        for (const CrewItem& item : movie.crew)
            crew += (crew.empty() ? "" : ";") + std::to_string(item.role) + " " + utf8(item.name);
        EXPECT_EQ(cast, edition.cast);
        EXPECT_EQ(crew, edition.crew);
        std::string poster = *edition.poster ? "http://" + host + edition.poster : "";
        std::string asked = downloader.asked.empty() ? "" : downloader.asked[0].substr(0, poster.size());
        EXPECT_EQ(asked, poster);
        EXPECT_EQ(movie.covers.isEmpty(), poster.empty());
        EXPECT_EQ(movie.links.count(), 1); // the site's page; no trailer
    }
}
