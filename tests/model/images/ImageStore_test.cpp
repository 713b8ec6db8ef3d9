// The image store's rules that need no picture codec: which links reach the
// shell, the image search address, the label palette, and which downloads
// are even tried.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "model/CollectionModel.h"
#include "model/images/ImageDownload.h"
#include "model/images/ImageSearch.h"
#include "model/records/Movie.h"
#include "tests/model/ModelTestSupport.h"

using iotest::show;

TEST(MovieLinkOpen, OnlyAddressesWithAKnownSchemeAndExistingLocalPathsReachTheShell)
{
    testsupport::TempDir dir;
    String file = iotest::pathIn(dir, "movie.mkv");
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "movie.mkv"), iotest::bytesOf("x")));
    struct Row
    {
        String url;
        int type;
        MovieLink::OpenAction action;
    } rows[] = {
        {String(), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"http://example.org/a"), MovieLink::kOnline, MovieLink::kOpenAddress},
        {String(u"HTTPS://example.org"), MovieLink::kOnline, MovieLink::kOpenAddress},
        {String(u"ftp://files.example.org/x"), MovieLink::kOnline, MovieLink::kOpenAddress},
        {String(u"http://"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"C:\\x.exe"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {file, MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"javascript:alert(1)"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u"file:///C:/x.exe"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {String(u" http://example.org"), MovieLink::kOnline, MovieLink::kOpenNothing},
        {file, MovieLink::kLocal, MovieLink::kStartFile},
        {iotest::toPath(dir.path()), MovieLink::kLocal, MovieLink::kOpenFolder},
        {iotest::pathIn(dir, "gone.mkv"), MovieLink::kLocal, MovieLink::kOpenNothing},
        {String(u"http://example.org"), MovieLink::kLocal, MovieLink::kOpenNothing},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MovieLink::openAction(row.url, row.type), row.action)
            << show(row.url) << " type " << row.type;
}

TEST(ImageSearch, QueriesKeepEveryCharacterOfTheTitle)
{
    struct Row
    {
        const char16_t* title;
        const char* query;
    } rows[] = {
        {u"Alien:  Resurrection & co", "Alien%3A+Resurrection+%26+co"},
        {u"100% +1 #2, a\u00B7b", "100%25+%2B1+%232%2C+a%B7b"},
        {u"\t lead and trail \n", "+lead+and+trail+"},
        {u"%2C", "%252C"},
    };
    for (const Row& row : rows) {
        std::string url = show(ImageSearch::url(String(row.title)));
        EXPECT_EQ(url.substr(url.find("&q=") + 3), row.query) << show(String(row.title));
        EXPECT_EQ(url.find("/search?tbm=isch&q="), url.find('?') - 7);
    }
}

TEST(ColorLabels, TheSevenLabelsAreOpaqueAndTheRestClearWhite)
{
    const uint32_t expected[] = {0x00FFFFFF, 0xFFF95533, 0xFFFD9905, 0xFFF2C413, 0xFF53B953,
                                 0xFF4DA3E1, 0xFFFF7ECF, 0xFFB4B4B4, 0x00FFFFFF};
    for (int label = 0; label <= 8; ++label)
        EXPECT_EQ(CollectionModel::colorLabelColor(label).value(), expected[label]) << "label " << label;
    EXPECT_EQ(CollectionModel::colorLabelColor(-1).value(), 0x00FFFFFFu);
}

TEST(ImageDownload, RefusesNamesAndTypesBeforeFetchingAnything)
{
    for (const char16_t* name : {u"", u"  ", u"a\\b", u"a/b", u"..", u"x..y", u"C:x"})
        EXPECT_FALSE(ImageDownload::isAcceptableName(String(name))) << show(String(name));
    EXPECT_TRUE(ImageDownload::isAcceptableName(String(u"Alien (12) - poster")));

    struct Row
    {
        const char16_t* type;
        const char* codec;
    } rows[] = {{u"image/jpeg", "jpeg"}, {u"image/jpg", "jpeg"},   {u"image/png", "png"},
                {u"image/bmp", "bmp"},   {u"image/jpeg; q=1", ""}, {u"IMAGE/PNG", ""},
                {u"image/gif", ""},      {u"text/html", ""},       {u"", ""}};
    for (const Row& row : rows)
        EXPECT_EQ(show(ImageDownload::codecForContentType(String(row.type))), row.codec)
            << show(String(row.type));

    // A path past the system's limit is refused without asking the server.
    testsupport::TempDir dir;
    String longName;
    longName.appendRepeated(u'a', 250);
    EXPECT_EQ(
        show(ImageDownload::fetch(String(u"http://127.0.0.1:9/x"), iotest::toPath(dir.path()), longName)),
        "");
}

TEST(CoverBaseName, KeepsAtMostAHundredTitleCharacters)
{
    Movie movie;
    movie.id = 7;
    movie.title.appendRepeated(u'x', 500);
    String expected;
    expected.appendRepeated(u'x', Movie::kCoverTitleLimit);
    EXPECT_EQ(show(movie.coverBaseName()), show(expected) + " (7)");
}
