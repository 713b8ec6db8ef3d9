// A page names the poster's address, so a hostile page could make the
// program fetch from any host and port, the user's own network included.
// Both the English title page and the localized picture viewer are served
// by the loopback server with each address; only one on the edition's own
// image host, behind its "/images/" path, is handed to the downloader.
#include "foundation/net/Network.h"
#include "model/extractors/LocalizedMovieDbExtractor.h"
#include "model/records/Movie.h"
#include "tests/model/extractors/ExtractorTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using extractortest::kOk;
using extractortest::text;
using extractortest::utf8;

namespace {

const char kUtf8[] = "<meta content=\"text/html; charset=utf-8\">";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The English title page: the poster link, then the picture.
std::map<std::string, std::string> englishPages(const testsupport::TestHttpServer& server,
                                                const std::string& src)
{
    auto answers = extractortest::pages(server, "en/", {{"/find?q=harbour&s=tt", "search-one.html"}});
    answers["/title/tt0000001/"] = kOk + std::string(kUtf8) +
                                   "Your Watchlist<h1>Night Harbour</h1><a href=\"/media/rm1001/tt0000001\">"
                                   "Poster</a><img src=\"" +
                                   src + "\" alt=\"Poster\"><i>Did You Know?</i>";
    return answers;
}

// The Italian title page links the viewer by its own thumbnail; the viewer
// redirects to the picture's page, whose picture follows the second "next".
std::map<std::string, std::string> italianPages(const testsupport::TestHttpServer& server,
                                                const std::string& src)
{
    auto answers = extractortest::pages(
        server, "it/", {{"/find?q=porto&s=tt", "search.html"}, {"/title/tt0000001/", "title.html"}});
    answers["/media/rm2001/tt0000001"] =
        "HTTP/1.0 302 Found\r\nLocation: /media/rm2002/tt0000001/viewer\r\n\r\n";
    answers["/media/rm2002/tt0000001/viewer"] =
        kOk + std::string(kUtf8) +
        "Aree Messaggi<a href=\"/media/rm2002/tt0000001/viewer\">Successivo \xC2\xBB</a>"
        "<a href=\"/media/rm2002/tt0000001/viewer\">Successivo \xC2\xBB</a><img src=\"" +
        src + "\" alt=\"Porto\"><p>Copyright \xC2\xA9 Banca dati</p>";
    return answers;
}

struct Edition
{
    const char* code;
    const char* query;
    std::map<std::string, std::string> (*pages)(const testsupport::TestHttpServer&, const std::string&);
};

std::unique_ptr<MovieExtractor> extractorFor(const Edition& edition, const std::string& host)
{
    MovieSite site{text(host), text(std::string(edition.code) + ".moviedb.test"), text(host),
                   String(u"moviedb.test")};
    if (std::string(edition.code) == "en")
        return std::make_unique<MovieDbExtractor>(site);
    return std::make_unique<LocalizedMovieDbExtractor>(text(edition.code), site);
}

} // namespace

TEST(ExtractorPosterHost, OnlyThePictureOnTheEditionsImageHostIsDownloaded)
{
    Network::instance().startup();
    // {IMAGES} is the server's host and port, {OTHER} the same machine on another port.
    const struct Row
    {
        const char* src;
        bool downloaded;
    } rows[] = {
        {"http://elsewhere.example:8080/x?http://{IMAGES}/images/M/p.jpg", false}, // the prefix in a query
        {"http://elsewhere.example/http://{IMAGES}/images/M/p.jpg", false},        // the prefix as a path
        {"http://{OTHER}/images/M/p.jpg", false},
        {"http://{IMAGES}@elsewhere.example/images/M/p.jpg", false}, // the image host as a user name
        {"HTTP://{IMAGES}/images/M/p.jpg", false},                   // the prefix is matched exactly
        {"", false},
        {"http://{IMAGES}/images/M/p.jpg", true},
    };
    const Edition editions[] = {{"en", "harbour", englishPages}, {"it", "porto", italianPages}};
    for (const Edition& edition : editions) {
        testsupport::TestHttpServer server;
        const std::string host = server.hostAndPort();
        const std::string other = "127.0.0.1:" + std::to_string(server.port() + 1);
        std::unique_ptr<MovieExtractor> extractor = extractorFor(edition, host);
        extractortest::FakeDownloader downloader;
        downloader.stored = "C:\\c\\Images\\poster.png";
        extractor->setImageDownloader(&downloader);
        extractor->setOptions(MovieExtractor::kPoster);
        for (const Row& row : rows) {
            const std::string src = replaced(replaced(row.src, "{IMAGES}", host), "{OTHER}", other);
            SCOPED_TRACE(std::string(edition.code) + " " + src);
            server.setPages(edition.pages(server, src));
            downloader.asked.clear();
            Movie movie;
            ASSERT_EQ(extractor->extract(nullptr, text(edition.query), movie, true, true),
                      MovieExtractor::kExtracted);
            const std::vector<std::string> asked = downloader.asked;
            EXPECT_EQ(asked,
                      row.downloaded
                          ? std::vector<std::string>{src + " as " + utf8(movie.coverFileName(Cover::kPoster))}
                          : std::vector<std::string>{});
            EXPECT_EQ(movie.coverByKind(Cover::kPoster) != nullptr, row.downloaded);
        }
    }
}
