// The image store's rules that need no picture codec: which links reach the
// shell, the image search address, and which file names are refused.
#include <gtest/gtest.h>

#include <tuple>

#include "foundation/io/Directory.h"
#include "model/CollectionModel.h"
#include "model/images/ImageDownload.h"
#include "model/images/ImageSearch.h"
#include "model/records/Movie.h"
#include "tests/model/collection/CollectionTestSupport.h"

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
