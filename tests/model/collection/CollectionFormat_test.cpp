// The bytes of the collection file against bytes built by hand from the
// format: a new collection, and the header values with a movie and a loaner
// that use every field; then how the reader takes files written in other ways.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "tests/model/collection/CollectionTestSupport.h"

using namespace collectiontest;

namespace {

const char kDigest[] = "5ebe2294ecd0e0f08eab7690d2a6ee69"; // MD5 of "secret"

Bytes header(const std::string& password, int32_t lastId, int32_t selectedId)
{
    Bytes stamp = ints({2010, 6, 1, 10, 0, 0, 0});
    return node("HEDR", {},
                {version(), value("ATHR", text("abc")), value("PASS", text(password)), value("CRTD", stamp),
                 value("MDFD", stamp), value("LMID", ints({lastId})), value("RMID", ints({selectedId}))});
}

Bytes item(const std::vector<Bytes>& values)
{
    return node("ITEM", {}, values);
}

Bytes everyFieldMovieBytes()
{
    Bytes cast =
        node("CAST",
             {item({value("ACTR", text("Audrey Tautou")), value("CHTR", text("Am\xC3\xA9lie Poulain"))}),
              item({value("ACTR", {}), value("CHTR", {})})},
             {});
    Bytes crew =
        node("CREW",
             {item({value("ROLE", ints({0})), value("UNME", {}), value("NAME", text("Jean-Pierre Jeunet"))}),
              item({value("ROLE", ints({2})), value("UNME", text("u")),
                    value("NAME", text("Guillaume Laurant"))})},
             {});
    Bytes covers = node("CVRS", {item({value("TYPE", ints({1})), value("NAME", text("front.png"))})}, {});
    Bytes links = node("LNKS",
                       {item({value("TYPE", ints({0})), value("DESC", text("Site")),
                              value("URL_", text("https://example.org")), value("PLAY", Bytes{0})}),
                        item({value("TYPE", ints({1})), value("DESC", {}),
                              value("URL_", text("D:\\M\\a.mkv")), value("PLAY", Bytes{1})})},
                       {});
    Bytes episodes =
        node("EPDS",
             {item({value("SSON", ints({1})), value("NMBR", ints({2})), value("YEAR", ints({2001})),
                    value("MNTH", ints({4})), value("DAY_", ints({25})), value("TTLE", text("Pilot")),
                    value("PLOT", text("p")), value("URL_", text("u")), value("FILE", text("f"))})},
             {});
    // Times in UTC; lists joined with "|", trimmed and without blank items.
    return node("MOV_", {cast, crew, covers, links, episodes},
                {value("CRTD", ints({2010, 6, 1, 10, 0, 0, 0})),
                 value("MDFD", ints({2011, 1, 15, 7, 30, 15, 250})),
                 value("MVID", ints({5})),
                 value("NCLK", ints({3})),
                 value("TITL", text("Am\xC3\xA9lie \xF0\x9F\x8E\xAC")),
                 value("ORTL", text("Le Fabuleux Destin")),
                 value("GNRE", text("Drama|Comedy")),
                 value("STUD", text(" Drama")),
                 value("CTRY", text("USA|UK")),
                 value("LANG", {}),
                 value("YEAR", ints({2001})),
                 value("RUNT", ints({122})),
                 value("CLOR", ints({1})),
                 value("FRMT", text("DVD")),
                 value("BRCD", text("3259190281929")),
                 value("PLOT", text("Paris, 1997.\r\nLine two.")),
                 value("NTES", text("n")),
                 value("TAGS", text("gift")),
                 value("RTMP", text("R")),
                 value("RTIM", Bytes{0x00, 0x00, 0x08, 0x41}),
                 value("MYRT", Bytes{0x00, 0x00, 0x20, 0x41}),
                 value("WISH", Bytes{0}),
                 value("SEEN", Bytes{1}),
                 value("CRLB", ints({3})),
                 value("BGCR", Bytes{0x33, 0x22, 0x11, 0x80}),
                 value("BGIM", text("bg.png")),
                 value("TTCR", Bytes{0x00, 0x00, 0xFF, 0xFF}),
                 value("TLCR", Bytes{0, 0, 0, 0}),
                 value("LKCR", Bytes{0x04, 0x03, 0x02, 0x01}),
                 value("FNTF", text("Georgia")),
                 value("FNSZ", ints({14})),
                 value("PRCE", text("12,99 \xE2\x82\xAC"))});
}

Bytes everyFieldLoanerBytes()
{
    Bytes returned =
        node("LOAN", {},
             {value("MVID", ints({5})), value("LNDT", ints({2024, 1, 1})), value("DUDT", ints({2024, 1, 15})),
              value("RNDT", ints({2024, 1, 10})), value("NOTS", text("ok"))});
    Bytes out = node("LOAN", {},
                     {value("MVID", ints({77})), value("LNDT", ints({2024, 2, 29})),
                      value("DUDT", ints({2024, 3, 14})), value("RNDT", ints({0, 0, 0})), value("NOTS", {})});
    return node("LNER", {node("LONS", {returned, out}, {})},
                {value("NAME", text("Zo\xC3\xAB")), value("ADRS", text("1 Main St")),
                 value("EMAL", text("a@x.org")), value("PHON", text("555")), value("CMTS", {})});
}

Bytes rootOf(const Bytes& hedr, const std::vector<Bytes>& movies, const std::vector<Bytes>& loaners)
{
    return file(node("ROOT", {hedr, node("MOVS", movies, {}), node("LONS", loaners, {})}, {}));
}

} // namespace

TEST(CollectionFormat, ANewCollectionIs179Bytes)
{
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Films"), String(u"abc"), String(), DateTime(2010, 6, 1, 10, 0, 0, 0)));
    Bytes written = space.bytes("Films/Films.rsdb");
    EXPECT_EQ(written.size(), 179u);
    EXPECT_EQ(written, rootOf(header("", 0, 0), {}, {}));
    EXPECT_TRUE(Directory::exists(space.path("Films/Images")));
    EXPECT_TRUE(Directory::exists(space.path("Films/Thumbnails")));
    EXPECT_TRUE(file.path().isEmpty()) << "creating does not open";
}

TEST(CollectionFormat, HeaderValuesAndEveryFieldOfAMovieAndALoaner)
{
    Workspace space;
    CollectionFile file(space.folder());
    Contents contents;
    ASSERT_FALSE(space.open(file, u"Films", contents).isEmpty());
    for (int i = 0; i < 5; ++i)
        file.nextMovieId();
    file.setSelectedMovieId(4);
    file.setPassword(String(kDigest));
    contents.movies.append(everyFieldMovie(5));
    contents.loaners.append(everyFieldLoaner());
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));
    EXPECT_EQ(space.bytes("Films/Films.rsdb"),
              rootOf(header(kDigest, 5, 4), {everyFieldMovieBytes()}, {everyFieldLoanerBytes()}));
}

TEST(CollectionFormat, ReadsNodesInAnyOrderAndTakesTheFirstOfATag)
{
    Workspace space;
    Bytes movie = node(
        "MOV_",
        {node("XTRA", {}, {value("ACTR", text("ignored"))}),
         node("CAST", {node("ANY_", {}, {value("CHTR", text("Ripley")), value("ACTR", text("Weaver"))})}, {}),
         node("CAST", {item({value("ACTR", text("second cast node"))})}, {})},
        {value("GNRE", text("Drama||Comedy")), value("CTRY", text(" USA | UK ")),
         value("TITL", text("First")), value("TITL", text("Second")), value("ZZZZ", text("unknown")),
         value("MVID", ints({9}))});
    ASSERT_TRUE(
        space.put("odd.rsdb", file(node("ROOT",
                                        {node("LONS", {}, {}), node("MOVS", {movie}, {value("JUNK", {})}),
                                         node("UNKN", {node("MOVS", {}, {})}, {}), header("", 9, 0),
                                         node("MOVS", {node("MOV_", {}, {})}, {})},
                                        {value("ROOT", text("values of the root are skipped"))}))));
    CollectionFile reader(space.folder());
    Contents contents;
    ASSERT_TRUE(reader.read(space.path("odd.rsdb"), contents.movies, contents.loaners));
    ASSERT_EQ(contents.movies.count(), 1) << "only the first MOVS counts";
    const Movie& read = *contents.movies.first()->value;
    EXPECT_EQ(u16(read.title), u"First");
    EXPECT_EQ(read.id, 9);
    EXPECT_EQ(items(read.genres), (Items{u"Drama", u"Comedy"}));
    EXPECT_EQ(items(read.countries), (Items{u"USA", u"UK"})) << "items are trimmed";
    ASSERT_EQ(read.cast.count(), 1) << "the first CAST, items whatever their tag";
    EXPECT_EQ(u16(read.cast.first()->value.actor), u"Weaver");
    EXPECT_EQ(u16(read.cast.first()->value.character), u"Ripley");
    EXPECT_EQ(u16(reader.header().author), u"abc");
}

// Only this version in a file named ".rsdb" opens. The password is peeked at
// without opening, from the header alone: a file damaged after it still asks
// for its password, and the open that follows refuses it.
TEST(CollectionFormat, RefusesOtherVersionsAndExtensions)
{
    Workspace space;
    Bytes good = rootOf(header(kDigest, 0, 0), {}, {});
    auto withVersion = [](const Bytes& version) {
        return file(node("ROOT", {node("HEDR", {}, {version, value("PASS", text(kDigest))})}, {}));
    };
    struct Row
    {
        const char* name;
        Bytes bytes;
        bool opens;
        bool peeks;
    };
    const Row rows[] = {
        {"good.rsdb", good, true, true},
        {"CAPS.RSDB", good, true, true},
        {"cut.rsdb", Bytes(good.begin(), good.end() - 5), false, true},
        {"short.rsd", good, false, false},
        {"v02.rsdb", withVersion(value("VRSN", Bytes{0xCD, 0xCC, 0x4C, 0x3E})), false, false},
        {"double.rsdb", withVersion(value("VRSN", Bytes{0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F})),
         false, false},
        {"noheader.rsdb", file(node("ROOT", {node("MOVS", {}, {})}, {})), false, false},
        {"empty.rsdb", Bytes(), false, false},
        {"other.rsdb", Bytes{'L', 'A', 'N', 'G', 'R', 'O', 'O', 'T', 0, 0, 0, 0, 0, 0, 0, 0}, false, false},
    };
    CollectionFile file(space.folder());
    CollectionFile other(space.folder());
    Contents otherContents;
    ASSERT_FALSE(space.open(other, u"Other", otherContents).isEmpty());
    for (const Row& row : rows) {
        ASSERT_TRUE(space.put(row.name, row.bytes));
        Contents contents;
        EXPECT_EQ(file.read(space.path(row.name), contents.movies, contents.loaners), row.opens) << row.name;
        EXPECT_EQ(file.path().isEmpty(), !row.opens) << row.name;
        EXPECT_EQ(u16(other.peekPassword(space.path(row.name))), row.peeks ? u16(String(kDigest)) : u"")
            << row.name;
    }
    EXPECT_EQ(u16(other.name()), u"Other") << "peeking leaves the open collection alone";
    EXPECT_EQ(u16(other.peekPassword(space.path("missing.rsdb"))), u"");
}
