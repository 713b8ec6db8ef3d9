// The bytes of the collection file: a new collection, the header values and
// one movie with every field, against bytes built by hand from the format;
// and how the reader takes files written in other ways.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "model/collection/CollectionFile.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/model/collection/ChunkBytes.h"
#include "tests/model/collection/CollectionTestSupport.h"

using namespace collectiontest;

namespace {

const char kSecretDigest[] = "5ebe2294ecd0e0f08eab7690d2a6ee69"; // MD5 of "secret"

Bytes vrsn()
{
    return value("VRSN", Bytes{0xCD, 0xCC, 0xCC, 0x3D});
}

Bytes header(const std::string& author, const std::string& password, const Bytes& created,
             const Bytes& modified, int32_t lastId, int32_t selectedId)
{
    return node("HEDR", {},
                {vrsn(), value("ATHR", textBytes(author)), value("PASS", textBytes(password)),
                 value("CRTD", created), value("MDFD", modified), value("LMID", int32Bytes(lastId)),
                 value("RMID", int32Bytes(selectedId))});
}

Bytes rootOf(const Bytes& hedr, const std::vector<Bytes>& movies, const std::vector<Bytes>& loaners)
{
    return file(node("ROOT", {hedr, node("MOVS", movies, {}), node("LONS", loaners, {})}, {}));
}

// A movie with every field set; its times are local, in the zone of ZoneScope.
Movie* everyField()
{
    Movie* movie = new Movie;
    movie->created = DateTime(2010, 6, 1, 12, 0, 0, 0);
    movie->modified = DateTime(2011, 1, 15, 8, 30, 15, 250);
    movie->id = 5;
    movie->nclk = 3;
    movie->title = String(u"Am\u00e9lie");
    movie->genres = listOf({u" Drama", u"Comedy "});
    movie->studios = listOf({u" Drama"});
    movie->countries = listOf({u"", u"USA", u" ", u"UK"});
    movie->year = 2001;
    movie->runningTime = 122;
    movie->colour = 1;
    movie->format = String(u"DVD");
    movie->barcode = String(u"3259190281929");
    movie->cast.append(CastItem{String(u"Audrey Tautou"), String(u"Am\u00e9lie Poulain")});
    movie->cast.append(CastItem());
    movie->crew.append(CrewItem{CrewItem::kDirector, String(), String(u"Jean-Pierre Jeunet")});
    movie->crew.append(CrewItem{CrewItem::kWriter, String(u"u"), String(u"Guillaume Laurant")});
    Cover front(String(u"front.png"));
    front.kind = Cover::kFront;
    movie->covers.append(front);
    movie->plot = String(u"Paris, 1997.");
    movie->links.append(
        MovieLink{MovieLink::kOnline, String(u"Site"), String(u"https://example.org"), false});
    movie->links.append(MovieLink{MovieLink::kLocal, String(), String(u"D:\\M\\a.mkv"), true});
    movie->episodes.append(
        Episode{1, 2, 2001, 4, 25, String(u"Pilot"), String(u"p"), String(u"f"), String(u"u")});
    movie->mpaaRating = String(u"R");
    movie->imdbRating = 8.5f;
    movie->notes = String(u"n");
    movie->tags = listOf({u"gift"});
    movie->purchasePrice = String(u"12,99 \u20ac");
    movie->seen = true;
    movie->myRating = 10.0f;
    movie->colorLabel = 3;
    movie->cardStyle.backgroundColor = Color(0x80112233u);
    movie->cardStyle.backgroundImage = String(u"bg.png");
    movie->cardStyle.textColor = Color(255, 0, 0);
    movie->cardStyle.linkColor = Color(0x01020304u);
    movie->cardStyle.fontFamily = String(u"Georgia");
    movie->cardStyle.fontSize = 14;
    return movie;
}

Bytes everyFieldBytes()
{
    Bytes cast = node(
        "CAST",
        {node("ITEM", {},
              {value("ACTR", textBytes("Audrey Tautou")), value("CHTR", textBytes("Am\xC3\xA9lie Poulain"))}),
         node("ITEM", {}, {value("ACTR", {}), value("CHTR", {})})},
        {});
    Bytes crew = node("CREW",
                      {node("ITEM", {},
                            {value("ROLE", int32Bytes(0)), value("UNME", {}),
                             value("NAME", textBytes("Jean-Pierre Jeunet"))}),
                       node("ITEM", {},
                            {value("ROLE", int32Bytes(2)), value("UNME", textBytes("u")),
                             value("NAME", textBytes("Guillaume Laurant"))})},
                      {});
    Bytes covers =
        node("CVRS",
             {node("ITEM", {}, {value("TYPE", int32Bytes(1)), value("NAME", textBytes("front.png"))})}, {});
    Bytes links = node("LNKS",
                       {node("ITEM", {},
                             {value("TYPE", int32Bytes(0)), value("DESC", textBytes("Site")),
                              value("URL_", textBytes("https://example.org")), value("PLAY", Bytes{0})}),
                        node("ITEM", {},
                             {value("TYPE", int32Bytes(1)), value("DESC", {}),
                              value("URL_", textBytes("D:\\M\\a.mkv")), value("PLAY", Bytes{1})})},
                       {});
    Bytes episodes = node(
        "EPDS",
        {node("ITEM", {},
              {value("SSON", int32Bytes(1)), value("NMBR", int32Bytes(2)), value("YEAR", int32Bytes(2001)),
               value("MNTH", int32Bytes(4)), value("DAY_", int32Bytes(25)), value("TTLE", textBytes("Pilot")),
               value("PLOT", textBytes("p")), value("URL_", textBytes("u")), value("FILE", textBytes("f"))})},
        {});
    return node("MOV_", {cast, crew, covers, links, episodes},
                {value("CRTD", intsBytes({2010, 6, 1, 10, 0, 0, 0})),
                 value("MDFD", intsBytes({2011, 1, 15, 7, 30, 15, 250})),
                 value("MVID", int32Bytes(5)),
                 value("NCLK", int32Bytes(3)),
                 value("TITL", textBytes("Am\xC3\xA9lie")),
                 value("ORTL", {}),
                 value("GNRE", textBytes("Drama|Comedy")),
                 value("STUD", textBytes(" Drama")),
                 value("CTRY", textBytes("USA|UK")),
                 value("LANG", {}),
                 value("YEAR", int32Bytes(2001)),
                 value("RUNT", int32Bytes(122)),
                 value("CLOR", int32Bytes(1)),
                 value("FRMT", textBytes("DVD")),
                 value("BRCD", textBytes("3259190281929")),
                 value("PLOT", textBytes("Paris, 1997.")),
                 value("NTES", textBytes("n")),
                 value("TAGS", textBytes("gift")),
                 value("RTMP", textBytes("R")),
                 value("RTIM", Bytes{0x00, 0x00, 0x08, 0x41}),
                 value("MYRT", Bytes{0x00, 0x00, 0x20, 0x41}),
                 value("WISH", Bytes{0}),
                 value("SEEN", Bytes{1}),
                 value("CRLB", int32Bytes(3)),
                 value("BGCR", Bytes{0x33, 0x22, 0x11, 0x80}),
                 value("BGIM", textBytes("bg.png")),
                 value("TTCR", Bytes{0x00, 0x00, 0xFF, 0xFF}),
                 value("TLCR", Bytes{0, 0, 0, 0}),
                 value("LKCR", Bytes{0x04, 0x03, 0x02, 0x01}),
                 value("FNTF", textBytes("Georgia")),
                 value("FNSZ", int32Bytes(14)),
                 value("PRCE", textBytes("12,99 \xE2\x82\xAC"))});
}

Loaner anna()
{
    Loaner loaner;
    loaner.name = String(u"Anna");
    loaner.address = String(u"1 Main St");
    loaner.email = String(u"a@x.org");
    loaner.phone = String(u"555");
    loaner.loans.append(Loan{5, Date(2024, 1, 1), Date(2024, 1, 15), Date(2024, 1, 10), String(u"ok")});
    loaner.loans.append(Loan{5, Date(2024, 2, 1), Date(2024, 2, 15), Date(), String()});
    return loaner;
}

Bytes annaBytes()
{
    Bytes returned = node("LOAN", {},
                          {value("MVID", int32Bytes(5)), value("LNDT", intsBytes({2024, 1, 1})),
                           value("DUDT", intsBytes({2024, 1, 15})), value("RNDT", intsBytes({2024, 1, 10})),
                           value("NOTS", textBytes("ok"))});
    Bytes out =
        node("LOAN", {},
             {value("MVID", int32Bytes(5)), value("LNDT", intsBytes({2024, 2, 1})),
              value("DUDT", intsBytes({2024, 2, 15})), value("RNDT", Bytes(12, 0)), value("NOTS", {})});
    return node("LNER", {node("LONS", {returned, out}, {})},
                {value("NAME", textBytes("Anna")), value("ADRS", textBytes("1 Main St")),
                 value("EMAL", textBytes("a@x.org")), value("PHON", textBytes("555")), value("CMTS", {})});
}

const DateTime kCreatedUtc(2010, 6, 1, 10, 0, 0, 0);

} // namespace

TEST(CollectionFormat, ANewCollectionIs179Bytes)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Films"), String(u"abc"), String(), kCreatedUtc));

    Bytes stamp = intsBytes({2010, 6, 1, 10, 0, 0, 0});
    Bytes expected = rootOf(header("abc", "", stamp, stamp, 0, 0), {}, {});
    Bytes written = space.bytes("Films/Films.rsdb");
    EXPECT_EQ(written.size(), 179u);
    EXPECT_EQ(written, expected);
    EXPECT_TRUE(Directory::exists(space.path("Films/Images")));
    EXPECT_TRUE(Directory::exists(space.path("Films/Thumbnails")));
    EXPECT_TRUE(file.path().isEmpty()) << "creating does not open";
}

TEST(CollectionFormat, HeaderValuesAndEveryFieldOfAMovie)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Films"), String(u"abc"), String(), kCreatedUtc));
    Contents contents;
    ASSERT_TRUE(file.read(file.filePathFor(String(u"Films")), contents.movies, contents.loaners));
    for (int i = 0; i < 5; ++i)
        file.nextMovieId();
    file.setSelectedMovieId(5);
    file.setPassword(String(u"5ebe2294ecd0e0f08eab7690d2a6ee69"));
    contents.movies.append(everyField());
    contents.loaners.append(anna());
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));

    Bytes written = space.bytes("Films/Films.rsdb");
    EXPECT_TRUE(contains(written, Bytes{0x4C, 0x4D, 0x49, 0x44, 0x04, 0, 0, 0, 0x05, 0, 0, 0})) << "LMID 5";
    EXPECT_TRUE(contains(written, Bytes{0x56, 0x52, 0x53, 0x4E, 0x04, 0, 0, 0, 0xCD, 0xCC, 0xCC, 0x3D}))
        << "VRSN";
    Bytes stamp = intsBytes({2010, 6, 1, 10, 0, 0, 0});
    Bytes expected =
        rootOf(header("abc", kSecretDigest, stamp, stamp, 5, 5), {everyFieldBytes()}, {annaBytes()});
    EXPECT_EQ(written, expected);
}

TEST(CollectionFormat, ListsAreJoinedTrimmedAndSplitAgain)
{
    ZoneScope zone;
    Workspace space;
    CollectionFile file(space.folder());
    ASSERT_TRUE(file.create(String(u"Films"), String(u"abc"), String(), kCreatedUtc));
    String path = file.filePathFor(String(u"Films"));
    Contents contents;
    ASSERT_TRUE(file.read(path, contents.movies, contents.loaners));
    contents.movies.append(everyField());
    ASSERT_TRUE(file.write(contents.movies, contents.loaners));

    Contents again;
    ASSERT_TRUE(file.read(path, again.movies, again.loaners));
    ASSERT_EQ(again.movies.count(), 1);
    const Movie& movie = *again.movies.first()->value;
    EXPECT_EQ(items(movie.genres), (Items{u"Drama", u"Comedy"}));
    EXPECT_EQ(items(movie.studios), (Items{u" Drama"})) << "a single item is kept as it is";
    EXPECT_EQ(items(movie.countries), (Items{u"USA", u"UK"}));
    EXPECT_TRUE(movie.languages.isEmpty());
    EXPECT_EQ(movie.created, DateTime(2010, 6, 1, 12, 0, 0, 0)) << "back in local time";
    EXPECT_EQ(u16(movie.purchasePrice), u"12,99 \u20ac");
}

TEST(CollectionFormat, ReadsNodesInAnyOrderAndTakesTheFirstOfATag)
{
    ZoneScope zone;
    Workspace space;
    Bytes stamp = intsBytes({2010, 6, 1, 10, 0, 0, 0});
    Bytes movie =
        node("MOV_",
             {node("XTRA", {}, {value("ACTR", textBytes("ignored"))}),
              node("CAST",
                   {node("ANY_", {},
                         {value("CHTR", textBytes("Ripley")), value("ACTR", textBytes("Sigourney Weaver"))})},
                   {}),
              node("CAST", {node("ITEM", {}, {value("ACTR", textBytes("second cast node"))})}, {})},
             {value("GNRE", textBytes("Drama||Comedy")), value("STUD", textBytes("Drama|Comedy|")),
              value("CTRY", textBytes("A|B")), value("TITL", textBytes("First")),
              value("TITL", textBytes("Second")), value("ZZZZ", textBytes("unknown")),
              value("MVID", int32Bytes(9))});
    Bytes bytes = file(node("ROOT",
                            {node("LONS", {}, {}), node("MOVS", {movie}, {value("JUNK", textBytes("x"))}),
                             node("UNKN", {node("MOVS", {}, {})}, {}), header("abc", "", stamp, stamp, 9, 0),
                             node("MOVS", {node("MOV_", {}, {})}, {})},
                            {value("ROOT", textBytes("values of the root are skipped"))}));
    ASSERT_TRUE(space.put("odd.rsdb", bytes));

    CollectionFile reader(space.folder());
    Contents contents;
    ASSERT_TRUE(reader.read(space.path("odd.rsdb"), contents.movies, contents.loaners));
    ASSERT_EQ(contents.movies.count(), 1) << "only the first MOVS counts";
    const Movie& read = *contents.movies.first()->value;
    EXPECT_EQ(u16(read.title), u"First");
    EXPECT_EQ(read.id, 9);
    EXPECT_EQ(items(read.genres), (Items{u"Drama", u"Comedy"}));
    EXPECT_EQ(items(read.studios), (Items{u"Drama", u"Comedy"}));
    EXPECT_EQ(items(read.countries), (Items{u"A", u"B"}));
    ASSERT_EQ(read.cast.count(), 1) << "the first CAST, items whatever their tag";
    EXPECT_EQ(u16(read.cast.first()->value.actor), u"Sigourney Weaver");
    EXPECT_EQ(u16(read.cast.first()->value.character), u"Ripley");
    EXPECT_EQ(u16(reader.header().author), u"abc");
}

TEST(CollectionFormat, RefusesOtherVersionsAndExtensions)
{
    ZoneScope zone;
    Workspace space;
    Bytes stamp = intsBytes({2010, 6, 1, 10, 0, 0, 0});
    Bytes good = rootOf(header("abc", kSecretDigest, stamp, stamp, 0, 0), {}, {});
    auto withVersion = [&](const Bytes& version) {
        return file(node("ROOT",
                         {node("HEDR", {}, {version, value("PASS", textBytes(kSecretDigest))}),
                          node("MOVS", {}, {}), node("LONS", {}, {})},
                         {}));
    };
    ASSERT_TRUE(space.put("good.rsdb", good));
    ASSERT_TRUE(space.put("CAPS.RSDB", good));
    ASSERT_TRUE(space.put("short.rsd", good));
    ASSERT_TRUE(space.put("v02.rsdb", withVersion(value("VRSN", floatBytes(0.2f)))));
    ASSERT_TRUE(space.put("double.rsdb",
                          withVersion(value("VRSN", Bytes{0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}))));
    ASSERT_TRUE(space.put("noheader.rsdb", file(node("ROOT", {node("MOVS", {}, {})}, {}))));
    ASSERT_TRUE(space.put("empty.rsdb", Bytes()));
    ASSERT_TRUE(
        space.put("other.rsdb", Bytes{'L', 'A', 'N', 'G', 'R', 'O', 'O', 'T', 0, 0, 0, 0, 0, 0, 0, 0}));

    CollectionFile file(space.folder());
    Contents contents;
    EXPECT_TRUE(file.read(space.path("good.rsdb"), contents.movies, contents.loaners));
    EXPECT_TRUE(file.read(space.path("CAPS.RSDB"), contents.movies, contents.loaners)) << "any letter case";
    for (const char* name : {"short.rsd", "v02.rsdb", "double.rsdb", "noheader.rsdb", "empty.rsdb",
                             "other.rsdb", "missing.rsdb"}) {
        EXPECT_FALSE(file.read(space.path(name), contents.movies, contents.loaners)) << name;
        EXPECT_TRUE(file.path().isEmpty()) << name;
        EXPECT_EQ(file.header().version, 0.0f) << name;
    }

    EXPECT_EQ(u16(file.peekPassword(space.path("good.rsdb"))), u"5ebe2294ecd0e0f08eab7690d2a6ee69");
    EXPECT_EQ(u16(file.peekPassword(space.path("v02.rsdb"))), u"") << "another version";
    EXPECT_EQ(u16(file.peekPassword(space.path("short.rsd"))), u"") << "another extension";
    EXPECT_EQ(u16(file.peekPassword(space.path("missing.rsdb"))), u"");
}
