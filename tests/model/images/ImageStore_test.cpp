// The image store's rules that need no picture codec: which links reach the
// shell and in what form, the image search address, and which file names are
// refused.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "foundation/io/Directory.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "model/CollectionModel.h"
#include "model/images/ImageDownload.h"
#include "model/images/ImageSearch.h"
#include "model/records/Movie.h"
#include "tests/model/collection/CollectionTestSupport.h"
#include "tests/support/TestText.h"

using iotest::show;

const char kSearchPage[] = "https://www.google.com/search?tbm=isch&q=";

TEST(MovieLinkOpen, OnlyAddressesWithAKnownSchemeAndExistingLocalPathsReachTheShell)
{
    testsupport::TempDir dir;
    String file = iotest::pathIn(dir, "movie.mkv");
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "movie.mkv"), iotest::bytesOf("x")));
    const std::tuple<String, int, MovieLink::OpenAction> rows[] = {
        {String(), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"http://example.org/a"), MovieLink::kOnline, MovieLink::kOpenAddress},
        {String(u"HTTPS://example.org"), MovieLink::kOnline, MovieLink::kOpenAddress},
        {String(u"http://"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"C:\\x.exe"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {file, MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"javascript:alert(1)"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u" http://example.org"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {file, MovieLink::kLocal, MovieLink::kStartFile},
        {iotest::toPath(dir.path()), MovieLink::kLocal, MovieLink::kOpenFolder},
        {iotest::pathIn(dir, "gone.mkv"), MovieLink::kLocal, MovieLink::kOpenNothing},
        {String(u"http://example.org"), MovieLink::kLocal, MovieLink::kOpenNothing},
        // A local link may be written as the "file:" address of its path.
        {testsupport::text(testsupport::fileAddress(testsupport::utf8(file))), MovieLink::kLocal,
         MovieLink::kStartFile},
        {testsupport::text(testsupport::fileAddress(testsupport::utf8(iotest::pathIn(dir, "gone.mkv")))),
         MovieLink::kLocal, MovieLink::kOpenNothing},
    };
    for (const auto& row : rows)
        EXPECT_EQ(MovieLink::openAction(std::get<0>(row), std::get<1>(row)), std::get<2>(row))
            << show(std::get<0>(row)) << " type " << std::get<1>(row);
}

TEST(ImageSearch, QueriesKeepEveryCharacterOfTheTitle)
{
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"Alien:  Resurrection & co", "Alien%3A+Resurrection+%26+co"},
        {u"100% +1 #2, a\u00B7b", "100%25+%2B1+%232%2C+a%B7b"},
        {u"\t lead and trail \n", "+lead+and+trail+"},
        {u"%2C", "%252C"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(show(ImageSearch::url(String(row.first))), std::string(kSearchPage) + row.second);
}

// A web address goes to the shell in a form that cannot split the browser's
// command line, or not at all; a file or folder goes as its path, blanks
// and all.
TEST(ShellAddress, WebAddressesReachTheShellEscapedAndPathsAsTheyAre)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(iotest::pathIn(dir, "My Films")));
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "My Films/Kept Cut.mkv"), iotest::bytesOf("x")));
    const String file = iotest::pathIn(dir, "My Films/Kept Cut.mkv");
    const String folder = iotest::pathIn(dir, "My Films");
    std::vector<std::string> calls;
    ShellCallRecorder::install([&calls](const String& call, const String& target) {
        calls.push_back(show(call) + " " + show(target));
    });
    const struct
    {
        std::function<void()> act;
        std::vector<std::string> calls;
    } rows[] = {
        {[] { MovieLink::open(String(u"http://example.org/Star Wars"), MovieLink::kOnline); },
         {"open http://example.org/Star%20Wars"}},
        {[] { MovieLink::open(String(u"https://example.org/\" --new-window \"<b>"), MovieLink::kOnline); },
         {"open https://example.org/%22%20--new-window%20%22%3Cb%3E"}},
        {[] { MovieLink::open(String(u"http://example.org/a\r\nb"), MovieLink::kOnline); }, {}},
        {[&] { MovieLink::open(file, MovieLink::kLocal); }, {"execute " + show(file)}},
        {[&] { MovieLink::open(folder, MovieLink::kLocal); }, {"open " + show(folder)}},
        {[] { ImageSearch::open(String(u"Say \"Hi\" <now>")); },
         {"open " + std::string(kSearchPage) + "Say+%22Hi%22+%3Cnow%3E"}},
    };
    for (const auto& row : rows) {
        calls.clear();
        row.act();
        EXPECT_EQ(calls, row.calls) << (row.calls.empty() ? "nothing" : row.calls.front());
    }
    ShellCallRecorder::remove();
}

TEST(ImageDownload, RefusesUnsafeNamesBeforeFetchingAnything)
{
    for (const char16_t* name : {u"", u"  ", u"a\\b", u"a/b", u"..", u"x..y", u"C:x"})
        EXPECT_FALSE(ImageDownload::isAcceptableName(String(name))) << show(String(name));
    EXPECT_TRUE(ImageDownload::isAcceptableName(String(u"Alien (12) - poster")));

    // A path past the system's limit is refused without asking the server.
    testsupport::TempDir dir;
    String longName;
    longName.appendRepeated(u'a', 250);
    EXPECT_TRUE(
        ImageDownload::fetch(String(u"http://127.0.0.1:9/"), iotest::toPath(dir.path()), longName).isEmpty());
    Movie movie;
    movie.id = 7;
    movie.title.appendRepeated(u'x', 500);
    EXPECT_EQ(movie.coverBaseName().length(), Movie::kCoverTitleLimit + 4) << "the title part is capped";
}
