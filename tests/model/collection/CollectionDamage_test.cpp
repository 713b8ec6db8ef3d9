// Damaged collection files: cut short, with a byte too many, with counts and
// sizes that promise more than the file holds, nested without end, or with
// single values missing, short or impossible. A damaged file is refused
// without a crash and without touching the caller's lists; a missing or
// short value only costs its own field.
#include <gtest/gtest.h>

#include "foundation/data/DataTree.h"
#include "model/collection/CollectionFile.h"
#include "tests/model/collection/CollectionCompare.h"
#include "tests/model/collection/RichCollection.h"

#include <functional>
#include <map>
#include <set>

using namespace collectiontest;

namespace {

uint32_t wordAt(const Bytes& bytes, size_t at)
{
    return uint32_t(bytes[at]) | (uint32_t(bytes[at + 1]) << 8) | (uint32_t(bytes[at + 2]) << 16) |
           (uint32_t(bytes[at + 3]) << 24);
}

// The offsets of every count and size word, found by walking the chunks.
void collectWords(const Bytes& bytes, size_t& at, std::vector<size_t>& words)
{
    at += 4;
    words.push_back(at);
    uint32_t children = wordAt(bytes, at);
    at += 4;
    for (uint32_t i = 0; i < children; ++i)
        collectWords(bytes, at, words);
    words.push_back(at);
    uint32_t values = wordAt(bytes, at);
    at += 4;
    for (uint32_t i = 0; i < values; ++i) {
        words.push_back(at + 4);
        at += 8 + wordAt(bytes, at + 4);
    }
}

// A node nested depth levels deep inside a CAST item of a one-movie file.
Bytes nestedFile(int depth)
{
    Bytes inner = node("DEEP", {}, {});
    Bytes prefix, suffix;
    for (int i = 0; i < depth; ++i) {
        Bytes open{'D', 'E', 'E', 'P', 1, 0, 0, 0};
        prefix.insert(prefix.end(), open.begin(), open.end());
        suffix.insert(suffix.end(), {0, 0, 0, 0});
    }
    Bytes deep = prefix;
    deep.insert(deep.end(), inner.begin(), inner.end());
    deep.insert(deep.end(), suffix.begin(), suffix.end());
    Bytes item = node("ITEM", {deep}, {value("ACTR", textBytes("Deep Actor"))});
    Bytes movie = node("MOV_", {node("CAST", {item}, {})}, {value("MVID", int32Bytes(1))});
    return file(node("ROOT",
                     {node("HEDR", {}, {value("VRSN", floatBytes(0.1f))}), node("MOVS", {movie}, {}),
                      node("LONS", {}, {})},
                     {}));
}

// Opening must fail and leave everything as it was.
void expectRefused(const Workspace& space, const Bytes& bytes, const std::string& what)
{
    ASSERT_TRUE(space.put("damaged.rsdb", bytes));
    CollectionFile file(space.folder());
    Contents contents;
    contents.movies.append(new Movie);
    contents.movies.first()->value->title = String(u"mine");
    EXPECT_FALSE(file.read(space.path("damaged.rsdb"), contents.movies, contents.loaners)) << what;
    EXPECT_EQ(contents.movies.count(), 1) << what;
    EXPECT_TRUE(contents.loaners.isEmpty()) << what;
    EXPECT_TRUE(file.path().isEmpty()) << what;
}

// ---- Single values changed through the foundation's tree ----

struct Spot
{
    std::vector<int> path; // child indexes from the root
    int valueIndex;        // -1: the node at path itself
    std::string key;       // "HEDR/ATHR", "MOV_/TITL", "CAST/ITEM/ACTR", "LOAN/MVID", "MOV_/CAST" ...
};

void collectSpots(const DataTreeNode& node, std::vector<int>& path, const std::string& parentTag,
                  std::vector<Spot>& spots)
{
    std::string tag(node.tag());
    std::string owner = tag == "ITEM" ? parentTag + "/ITEM" : tag;
    int index = 0;
    for (const DataTreeValue* value : node.values())
        spots.push_back(Spot{path, index++, owner + "/" + value->tag()});
    index = 0;
    for (const DataTreeNode* child : node.children()) {
        path.push_back(index++);
        spots.push_back(Spot{path, -1, owner + "/" + child->tag()});
        collectSpots(*child, path, tag, spots);
        path.pop_back();
    }
}

DataTreeNode* nodeAt(DataTreeNode* node, const std::vector<int>& path)
{
    for (int index : path)
        node = node->children().nodeAt(index)->value;
    return node;
}

template <typename T> T& itemAt(List<T>& list, int index)
{
    return list.nodeAt(index)->value;
}

struct Expected
{
    Contents contents;
    CollectionHeader header;
    bool refused = false;
};

using Reset = std::function<void(Expected&, const std::vector<int>&)>;

Movie& movieOf(Expected& e, const std::vector<int>& path)
{
    return *itemAt(e.contents.movies, path[1]);
}

Reset onHeader(std::function<void(CollectionHeader&)> change)
{
    return [change](Expected& e, const std::vector<int>&) { change(e.header); };
}

Reset onMovie(std::function<void(Movie&)> change)
{
    return [change](Expected& e, const std::vector<int>& path) { change(movieOf(e, path)); };
}

template <typename ListType, typename T> Reset onItem(ListType Movie::*list, std::function<void(T&)> change)
{
    return [list, change](Expected& e, const std::vector<int>& path) {
        change(itemAt(movieOf(e, path).*list, path[3]));
    };
}

Reset onLoaner(std::function<void(Loaner&)> change)
{
    return
        [change](Expected& e, const std::vector<int>& path) { change(itemAt(e.contents.loaners, path[1])); };
}

Reset onLoan(std::function<void(Loan&)> change)
{
    return [change](Expected& e, const std::vector<int>& path) {
        change(itemAt(itemAt(e.contents.loaners, path[1]).loans, path[3]));
    };
}

const Reset kUnchanged = [](Expected&, const std::vector<int>&) {};
const Reset kRefused = [](Expected& e, const std::vector<int>&) { e.refused = true; };

// What each value or node turns into when it is missing.
std::map<std::string, Reset> resets()
{
    return {
        {"ROOT/HEDR", kRefused},
        {"ROOT/MOVS",
         [](Expected& e, const std::vector<int>&) {
             for (Movie* movie : e.contents.movies)
                 delete movie;
             e.contents.movies.clear();
         }},
        // The records inside the lists are taken whatever their tag.
        {"MOVS/MOV_", kUnchanged},
        {"LONS/LNER", kUnchanged},
        {"LONS/LOAN", kUnchanged},
        {"CAST/ITEM", kUnchanged},
        {"CREW/ITEM", kUnchanged},
        {"CVRS/ITEM", kUnchanged},
        {"LNKS/ITEM", kUnchanged},
        {"EPDS/ITEM", kUnchanged},
        {"ROOT/LONS", [](Expected& e, const std::vector<int>&) { e.contents.loaners.clear(); }},
        {"HEDR/VRSN", kRefused},
        {"HEDR/ATHR", onHeader([](CollectionHeader& h) { h.author.clear(); })},
        {"HEDR/PASS", onHeader([](CollectionHeader& h) { h.password.clear(); })},
        {"HEDR/CRTD", onHeader([](CollectionHeader& h) { h.created = DateTime(); })},
        {"HEDR/MDFD", onHeader([](CollectionHeader& h) { h.modified = DateTime(); })},
        // The counter never falls below the largest id in the file.
        {"HEDR/LMID", onHeader([](CollectionHeader&) {})},
        {"HEDR/RMID", onHeader([](CollectionHeader& h) { h.selectedMovieId = 0; })},
        {"MOV_/CRTD", onMovie([](Movie& m) { m.created = DateTime(); })},
        {"MOV_/MDFD", onMovie([](Movie& m) { m.modified = DateTime(); })},
        {"MOV_/MVID", onMovie([](Movie& m) { m.id = 0; })},
        {"MOV_/NCLK", onMovie([](Movie& m) { m.nclk = 0; })},
        {"MOV_/TITL", onMovie([](Movie& m) { m.title.clear(); })},
        {"MOV_/ORTL", onMovie([](Movie& m) { m.originalTitle.clear(); })},
        {"MOV_/GNRE", onMovie([](Movie& m) { m.genres.clear(); })},
        {"MOV_/STUD", onMovie([](Movie& m) { m.studios.clear(); })},
        {"MOV_/CTRY", onMovie([](Movie& m) { m.countries.clear(); })},
        {"MOV_/LANG", onMovie([](Movie& m) { m.languages.clear(); })},
        {"MOV_/YEAR", onMovie([](Movie& m) { m.year = 0; })},
        {"MOV_/RUNT", onMovie([](Movie& m) { m.runningTime = 0; })},
        {"MOV_/CLOR", onMovie([](Movie& m) { m.colour = 0; })},
        {"MOV_/FRMT", onMovie([](Movie& m) { m.format.clear(); })},
        {"MOV_/BRCD", onMovie([](Movie& m) { m.barcode.clear(); })},
        {"MOV_/PLOT", onMovie([](Movie& m) { m.plot.clear(); })},
        {"MOV_/NTES", onMovie([](Movie& m) { m.notes.clear(); })},
        {"MOV_/TAGS", onMovie([](Movie& m) { m.tags.clear(); })},
        {"MOV_/RTMP", onMovie([](Movie& m) { m.mpaaRating.clear(); })},
        {"MOV_/RTIM", onMovie([](Movie& m) { m.imdbRating = 0; })},
        {"MOV_/MYRT", onMovie([](Movie& m) { m.myRating = 0; })},
        {"MOV_/WISH", onMovie([](Movie& m) { m.wishlist = false; })},
        {"MOV_/SEEN", onMovie([](Movie& m) { m.seen = false; })},
        {"MOV_/CRLB", onMovie([](Movie& m) { m.colorLabel = 0; })},
        {"MOV_/BGCR", onMovie([](Movie& m) { m.cardStyle.backgroundColor = Color(); })},
        {"MOV_/BGIM", onMovie([](Movie& m) { m.cardStyle.backgroundImage.clear(); })},
        {"MOV_/TTCR", onMovie([](Movie& m) { m.cardStyle.textColor = Color(); })},
        {"MOV_/TLCR", onMovie([](Movie& m) { m.cardStyle.titleColor = Color(); })},
        {"MOV_/LKCR", onMovie([](Movie& m) { m.cardStyle.linkColor = Color(); })},
        {"MOV_/FNTF", onMovie([](Movie& m) { m.cardStyle.fontFamily.clear(); })},
        {"MOV_/FNSZ", onMovie([](Movie& m) { m.cardStyle.fontSize = 0; })},
        {"MOV_/PRCE", onMovie([](Movie& m) { m.purchasePrice.clear(); })},
        {"MOV_/CAST", onMovie([](Movie& m) { m.cast.clear(); })},
        {"MOV_/CREW", onMovie([](Movie& m) { m.crew.clear(); })},
        {"MOV_/CVRS", onMovie([](Movie& m) { m.covers.clear(); })},
        {"MOV_/LNKS", onMovie([](Movie& m) { m.links.clear(); })},
        {"MOV_/EPDS", onMovie([](Movie& m) { m.episodes.clear(); })},
        {"CAST/ITEM/ACTR",
         onItem<CastItemList, CastItem>(&Movie::cast, [](CastItem& i) { i.actor.clear(); })},
        {"CAST/ITEM/CHTR",
         onItem<CastItemList, CastItem>(&Movie::cast, [](CastItem& i) { i.character.clear(); })},
        {"CREW/ITEM/ROLE", onItem<CrewItemList, CrewItem>(&Movie::crew, [](CrewItem& i) { i.role = 0; })},
        {"CREW/ITEM/UNME", onItem<CrewItemList, CrewItem>(&Movie::crew, [](CrewItem& i) { i.unme.clear(); })},
        {"CREW/ITEM/NAME", onItem<CrewItemList, CrewItem>(&Movie::crew, [](CrewItem& i) { i.name.clear(); })},
        {"CVRS/ITEM/TYPE", onItem<CoverList, Cover>(&Movie::covers, [](Cover& i) { i.kind = 0; })},
        {"CVRS/ITEM/NAME", onItem<CoverList, Cover>(&Movie::covers, [](Cover& i) { i.name.clear(); })},
        {"LNKS/ITEM/TYPE", onItem<MovieLinkList, MovieLink>(&Movie::links, [](MovieLink& i) { i.type = 0; })},
        {"LNKS/ITEM/DESC",
         onItem<MovieLinkList, MovieLink>(&Movie::links, [](MovieLink& i) { i.description.clear(); })},
        {"LNKS/ITEM/URL_",
         onItem<MovieLinkList, MovieLink>(&Movie::links, [](MovieLink& i) { i.url.clear(); })},
        {"LNKS/ITEM/PLAY",
         onItem<MovieLinkList, MovieLink>(&Movie::links, [](MovieLink& i) { i.play = false; })},
        {"EPDS/ITEM/SSON", onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.season = 0; })},
        {"EPDS/ITEM/NMBR", onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.number = 0; })},
        {"EPDS/ITEM/YEAR", onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.year = 0; })},
        {"EPDS/ITEM/MNTH", onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.month = 0; })},
        {"EPDS/ITEM/DAY_", onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.day = 0; })},
        {"EPDS/ITEM/TTLE",
         onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.title.clear(); })},
        {"EPDS/ITEM/PLOT",
         onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.plot.clear(); })},
        {"EPDS/ITEM/URL_", onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.url.clear(); })},
        {"EPDS/ITEM/FILE",
         onItem<EpisodeList, Episode>(&Movie::episodes, [](Episode& i) { i.file.clear(); })},
        {"LNER/NAME", onLoaner([](Loaner& l) { l.name.clear(); })},
        {"LNER/ADRS", onLoaner([](Loaner& l) { l.address.clear(); })},
        {"LNER/EMAL", onLoaner([](Loaner& l) { l.email.clear(); })},
        {"LNER/PHON", onLoaner([](Loaner& l) { l.phone.clear(); })},
        {"LNER/CMTS", onLoaner([](Loaner& l) { l.comments.clear(); })},
        {"LNER/LONS", onLoaner([](Loaner& l) { l.loans.clear(); })},
        {"LOAN/MVID", onLoan([](Loan& l) { l.movieId = 0; })},
        {"LOAN/LNDT", onLoan([](Loan& l) { l.lendDate = Date(); })},
        {"LOAN/DUDT", onLoan([](Loan& l) { l.dueDate = Date(); })},
        {"LOAN/RNDT", onLoan([](Loan& l) { l.returnDate = Date(); })},
        {"LOAN/NOTS", onLoan([](Loan& l) { l.notes.clear(); })},
    };
}

// Values of a fixed size: one byte less makes them unreadable.
const std::set<std::string> kFixedSize = {"VRSN", "CRTD", "MDFD", "LMID", "RMID", "MVID", "NCLK", "YEAR",
                                          "RUNT", "CLOR", "RTIM", "MYRT", "WISH", "SEEN", "CRLB", "BGCR",
                                          "TTCR", "TLCR", "LKCR", "FNSZ", "ROLE", "TYPE", "PLAY", "SSON",
                                          "NMBR", "MNTH", "DAY_", "LNDT", "DUDT", "RNDT"};

std::string tagOf(const std::string& key)
{
    return key.substr(key.size() - 4);
}

CollectionHeader richHeader()
{
    CollectionHeader header;
    header.author = String(u"R\u00e9my");
    header.password = String(u"0123456789abcdef0123456789abcdef");
    header.version = 0.1f;
    header.created = DateTime(2011, 11, 11, 12, 11, 11, 0);
    header.modified = header.created;
    header.lastMovieId = 2;
    header.selectedMovieId = 1;
    return header;
}

// Saves the tree, opens it and compares with what the change should give.
void expectOpensAs(const Workspace& space, const DataTree& tree, Expected& expected, const std::string& what)
{
    ASSERT_TRUE(tree.save(space.path("changed.rsdb"))) << what;
    CollectionFile file(space.folder());
    Contents read;
    bool opened = file.read(space.path("changed.rsdb"), read.movies, read.loaners);
    if (expected.refused) {
        EXPECT_FALSE(opened) << what;
        return;
    }
    ASSERT_TRUE(opened) << what;
    EXPECT_EQ(differenceOf(file.header(), expected.header), "") << what;
    EXPECT_EQ(differenceOfMovies(read.movies, expected.contents.movies), "") << what;
    EXPECT_EQ(differenceOfLists(read.loaners, expected.contents.loaners, "loaners"), "") << what;
}

enum Change
{
    kRemove,
    kShorten
};

void checkEverySpot(Change change)
{
    ZoneScope zone;
    Workspace space;
    ASSERT_FALSE(saveRich(space).isEmpty());
    Bytes original = space.bytes("Rich/Rich.rsdb");
    DataTree layout;
    layout.setFileTag(dataTreeTag("RSDB"));
    ASSERT_TRUE(layout.loadFromMemory(original.data(), original.size()));
    std::vector<Spot> spots;
    std::vector<int> path;
    collectSpots(*layout.root(), path, "", spots);
    std::map<std::string, Reset> table = resets();

    int checked = 0;
    for (const Spot& spot : spots) {
        bool isValue = spot.valueIndex >= 0;
        if (change == kShorten && (!isValue || !kFixedSize.count(tagOf(spot.key))))
            continue;
        auto reset = table.find(spot.key);
        ASSERT_NE(reset, table.end()) << "no expectation for " << spot.key;

        DataTree tree;
        tree.setFileTag(dataTreeTag("RSDB"));
        ASSERT_TRUE(tree.loadFromMemory(original.data(), original.size()));
        DataTreeNode* node = nodeAt(tree.root(), spot.path);
        if (!isValue) {
            node->setTag("XXXX");
        } else if (change == kRemove) {
            node->values().nodeAt(spot.valueIndex)->value->setTag("XXXX");
        } else {
            DataTreeValue* value = node->values().nodeAt(spot.valueIndex)->value;
            Bytes shorter(value->data(), value->data() + value->dataSize() - 1);
            value->setBytes(shorter.data(), uint32_t(shorter.size()));
        }

        Expected expected;
        makeRichAsRead(expected.contents);
        expected.header = richHeader();
        reset->second(expected, spot.path);
        expectOpensAs(space, tree, expected, spot.key);
        ++checked;
    }
    EXPECT_GT(checked, change == kRemove ? 100 : 50);
}

} // namespace

TEST(CollectionDamage, EveryTruncationIsRefused)
{
    ZoneScope zone;
    Workspace space;
    ASSERT_FALSE(saveRich(space).isEmpty());
    Bytes whole = space.bytes("Rich/Rich.rsdb");
    ASSERT_GT(whole.size(), 1000u);
    for (size_t length = 0; length < whole.size(); ++length)
        expectRefused(space, Bytes(whole.begin(), whole.begin() + long(length)),
                      "cut at " + std::to_string(length));

    Bytes longer = whole;
    longer.push_back(0);
    expectRefused(space, longer, "one byte too many");
    Bytes twice = whole;
    twice.insert(twice.end(), whole.begin() + 4, whole.end());
    expectRefused(space, twice, "a second root");
}

TEST(CollectionDamage, CountsAndSizesBeyondTheFileAreRefused)
{
    ZoneScope zone;
    Workspace space;
    ASSERT_FALSE(saveRich(space).isEmpty());
    Bytes whole = space.bytes("Rich/Rich.rsdb");
    std::vector<size_t> words;
    size_t at = 4;
    collectWords(whole, at, words);
    ASSERT_EQ(at, whole.size()) << "the walk covers the file";
    ASSERT_GT(words.size(), 200u);
    for (size_t offset : words) {
        for (uint32_t huge : {0xFFFFFFFFu, 0x80000000u, uint32_t(whole.size())}) {
            Bytes damaged = whole;
            for (int i = 0; i < 4; ++i)
                damaged[offset + i] = uint8_t(huge >> (8 * i));
            expectRefused(space, damaged, "word at " + std::to_string(offset) + " = " + std::to_string(huge));
        }
    }
}

TEST(CollectionDamage, EndlessNestingIsRefused)
{
    ZoneScope zone;
    Workspace space;
    expectRefused(space, nestedFile(100000), "100000 levels");
    expectRefused(space, nestedFile(70), "70 levels");

    // Nodes nobody reads are fine while they stay within the limit.
    ASSERT_TRUE(space.put("nested.rsdb", nestedFile(40)));
    CollectionFile file(space.folder());
    Contents contents;
    ASSERT_TRUE(file.read(space.path("nested.rsdb"), contents.movies, contents.loaners));
    ASSERT_EQ(contents.movies.count(), 1);
    EXPECT_EQ(u16(contents.movies.first()->value->cast.first()->value.actor), u"Deep Actor");
}

TEST(CollectionDamage, EachMissingValueOrNodeCostsOnlyItsField)
{
    checkEverySpot(kRemove);
}

TEST(CollectionDamage, EachShortValueCostsOnlyItsField)
{
    checkEverySpot(kShorten);
}

TEST(CollectionDamage, ImpossibleValuesReadAsEmpty)
{
    ZoneScope zone;
    Workspace space;
    Bytes nan{0x00, 0x00, 0xC0, 0x7F};
    Bytes infinity{0x00, 0x00, 0x80, 0xFF};
    Bytes movie = node("MOV_", {},
                       {value("CRTD", intsBytes({2010, 13, 1, 10, 0, 0, 0})),
                        value("MDFD", intsBytes({2010, 2, 30, 10, 0, 0, 0})), value("RTIM", nan),
                        value("MYRT", infinity), value("YEAR", Bytes{0xD1, 0x07, 0, 0, 0xFF, 0xFF}),
                        value("TITL", Bytes{'A', 0xFF, 'B', 0xC3}), value("WISH", Bytes{7})});
    Bytes late = node("MOV_", {},
                      {value("CRTD", intsBytes({2010, 1, 1, 24, 0, 0, 0})),
                       value("MDFD", intsBytes({2010, 1, 1, 23, 59, 59, 1000}))});
    Bytes loan = node("LOAN", {},
                      {value("LNDT", intsBytes({2023, 2, 29})), value("DUDT", intsBytes({-1, 1, 1})),
                       value("RNDT", intsBytes({2024, 2, 29}))});
    Bytes loaner = node("LNER", {node("LONS", {loan}, {})}, {});
    Bytes hedr =
        node("HEDR", {}, {value("VRSN", floatBytes(0.1f)), value("CRTD", intsBytes({0, 0, 0, 1, 0, 0, 0}))});
    ASSERT_TRUE(space.put(
        "odd.rsdb",
        file(node("ROOT", {hedr, node("MOVS", {movie, late}, {}), node("LONS", {loaner}, {})}, {}))));

    CollectionFile reader(space.folder());
    Contents contents;
    ASSERT_TRUE(reader.read(space.path("odd.rsdb"), contents.movies, contents.loaners));
    EXPECT_TRUE(reader.header().created.isNull()) << "a time on no day";
    const Movie& first = *contents.movies.first()->value;
    EXPECT_TRUE(first.created.isNull()) << "month 13";
    EXPECT_TRUE(first.modified.isNull()) << "February 30";
    EXPECT_EQ(first.imdbRating, 0.0f) << "NaN";
    EXPECT_EQ(first.myRating, 0.0f) << "infinity";
    EXPECT_EQ(first.year, 2001) << "extra bytes after a number are not read";
    EXPECT_EQ(u16(first.title), u"A\ufffdB\ufffd") << "broken UTF-8 becomes replacement characters";
    EXPECT_TRUE(first.wishlist);
    const Movie& second = *contents.movies.last()->value;
    EXPECT_TRUE(second.created.isNull()) << "hour 24";
    EXPECT_TRUE(second.modified.isNull()) << "millisecond 1000";
    const Loan& read = contents.loaners.first()->value.loans.first()->value;
    EXPECT_TRUE(read.lendDate.isNull()) << "February 29 of a common year";
    EXPECT_TRUE(read.dueDate.isNull()) << "a negative year";
    EXPECT_EQ(read.returnDate, Date(2024, 2, 29)) << "a leap day";
}
