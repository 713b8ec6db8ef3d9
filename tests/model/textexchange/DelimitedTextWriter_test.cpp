// The delimited export as bytes on disk and as the preview shows it: the
// documented example file, the empty file, the preview's cut, the doubled
// qualifier and the progress the window's bar follows.
#include <gtest/gtest.h>

#include "model/records/Movie.h"
#include "model/textexchange/DelimitedTextWriter.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <memory>
#include <vector>

using iotest::Bytes;
using iotest::show;

namespace {

class Movies
{
public:
    Movies(std::initializer_list<std::pair<const char16_t*, int>> movies)
    {
        for (const auto& entry : movies) {
            m_owned.emplace_back(new Movie);
            m_owned.back()->title = String(entry.first);
            m_owned.back()->year = entry.second;
            m_list.append(m_owned.back().get());
        }
    }
    const List<Movie*>& list() const { return m_list; }

private:
    std::vector<std::unique_ptr<Movie>> m_owned;
    List<Movie*> m_list;
};

Bytes bytesOf(const char* text)
{
    return Bytes(text, text + std::strlen(text));
}

Bytes withMark(const char* text)
{
    Bytes result{0xEF, 0xBB, 0xBF};
    Bytes rest = bytesOf(text);
    result.insert(result.end(), rest.begin(), rest.end());
    return result;
}

} // namespace

TEST(DelimitedTextWriter, WritesTheDocumentedFileAndAnEmptyOneForNoMovies)
{
    collectiontest::Workspace space;
    Movies movies{{u"Alien", 1979}, {u"Heat", 0}};
    const DelimitedTextFormat commaQuoted(0, 0);
    EXPECT_EQ(commaQuoted.line(String(u"Alien"), 1979).length(), 14);

    struct Case
    {
        DelimitedTextFormat format;
        const char* file;
    };
    const Case cases[] = {
        {DelimitedTextFormat(0, 0), "\"Alien\",\"1979\"\r\n\"Heat\",\"0\"\r\n"},
        {DelimitedTextFormat(0, 2), "Alien,1979\r\nHeat,0\r\n"},
        {DelimitedTextFormat(1, 2), "Alien;1979\r\nHeat;0\r\n"},
        {DelimitedTextFormat(2, 1), "'Alien' '1979'\r\n'Heat' '0'\r\n"},
    };
    for (const Case& c : cases) {
        String text = DelimitedTextWriter::text(movies.list(), c.format);
        ASSERT_TRUE(text.saveToFile(space.path("out.txt"), 3, false));
        EXPECT_EQ(space.bytes("out.txt"), withMark(c.file)) << c.file;
    }

    Movies none{};
    String empty = DelimitedTextWriter::text(none.list(), commaQuoted);
    EXPECT_TRUE(empty.isEmpty());
    ASSERT_TRUE(empty.saveToFile(space.path("empty.txt"), 3, false));
    EXPECT_TRUE(space.bytes("empty.txt").empty()) << "no byte-order mark for no movies";
    EXPECT_TRUE(DelimitedTextWriter::preview(none.list(), commaQuoted).isEmpty()) << "not even \"...\"";
}

TEST(DelimitedTextWriter, PreviewShowsAtMostFiveMoviesAndThenThreeDots)
{
    Movies three{{u"Alien", 1979}, {u"Brazil", 1985}, {u"Casablanca", 1942}};
    EXPECT_EQ(show(DelimitedTextWriter::preview(three.list(), DelimitedTextFormat(1, 2))),
              "Alien;1979\r\nBrazil;1985\r\nCasablanca;1942\r\n...");
    Movies seven{{u"A", 1}, {u"B", 2}, {u"C", 3}, {u"D", 4}, {u"E", 5}, {u"F", 6}, {u"G", 7}};
    EXPECT_EQ(show(DelimitedTextWriter::preview(seven.list(), DelimitedTextFormat(0, 0))),
              "\"A\",\"1\"\r\n\"B\",\"2\"\r\n\"C\",\"3\"\r\n\"D\",\"4\"\r\n\"E\",\"5\"\r\n...");
}

TEST(DelimitedTextWriter, DoublesOnlyTheChosenQualifierAndLeavesDelimitersAlone)
{
    struct Case
    {
        const char16_t* title;
        int year;
        DelimitedTextFormat format;
        const char* line;
    };
    const Case cases[] = {
        {u"Say \"Hi\"", 1999, DelimitedTextFormat(0, 0), "\"Say \"\"Hi\"\"\",\"1999\""},
        {u"\"", -5, DelimitedTextFormat(0, 0), "\"\"\"\",\"-5\""},
        {u"It's \"it\"", 2001, DelimitedTextFormat(1, 1), "'It''s \"it\"';'2001'"},
        {u"a,b;c d", 0, DelimitedTextFormat(0, 0), "\"a,b;c d\",\"0\""},
        {u"a,b;c d", 0, DelimitedTextFormat(2, 2), "a,b;c d 0"},
        {u"\"raw\" 'raw'", 1980, DelimitedTextFormat(0, 2), "\"raw\" 'raw',1980"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(show(c.format.line(String(c.title), c.year)), c.line);
}

TEST(DelimitedTextWriter, ReportsEachNewShareOnceAndNeverAHundred)
{
    struct Case
    {
        int movies;
        std::vector<int> reported;
    };
    std::vector<int> everyPercent;
    for (int i = 0; i < 100; ++i)
        everyPercent.push_back(i);
    const Case cases[] = {{1, {0}}, {4, {0, 25, 50, 75}}, {3, {0, 33, 66}}, {300, everyPercent}};
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<Movie>> owned;
        List<Movie*> list;
        for (int i = 0; i < c.movies; ++i) {
            owned.emplace_back(new Movie);
            list.append(owned.back().get());
        }
        std::vector<int> reported;
        DelimitedTextWriter::text(list, DelimitedTextFormat(0, 0),
                                  [&](int percent) { reported.push_back(percent); });
        EXPECT_EQ(reported, c.reported) << c.movies << " movies";
    }
}
