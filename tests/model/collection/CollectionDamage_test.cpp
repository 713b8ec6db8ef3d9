// Damaged collection files: cut short, with a byte too many, with counts and
// sizes that promise more than the file holds, nested without end, or with
// single values missing, short or impossible. A damaged file is refused
// without a crash and without touching the caller's lists; a missing or
// short value only costs its own field.
#include <gtest/gtest.h>

#include "foundation/data/DataTree.h"
#include "foundation/io/LittleEndian.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <set>

using namespace collectiontest;

namespace {

uint32_t wordAt(const Bytes& bytes, size_t at)
{
    return fromLittleEndian<uint32_t>(bytes.data() + at);
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

// A node nested depth levels deep inside a cast item of a one-movie file.
Bytes nestedFile(int depth)
{
    Bytes deep;
    for (int i = 0; i < depth; ++i)
        deep.insert(deep.end(), {'D', 'E', 'E', 'P', 1, 0, 0, 0});
    Bytes inner = node("DEEP", {}, {});
    deep.insert(deep.end(), inner.begin(), inner.end());
    deep.insert(deep.end(), size_t(4 * depth), 0);
    Bytes item = node("ITEM", {deep}, {value("ACTR", text("Deep Actor"))});
    return collectionOf({}, {node("MOV_", {node("CAST", {item}, {})}, {value("MVID", ints({1}))})});
}

// Opening must fail and leave the caller's lists as they were.
void expectRefused(const Workspace& space, const Bytes& bytes, const std::string& what)
{
    ASSERT_TRUE(space.put("damaged.rsdb", bytes));
    CollectionFile file(space.folder());
    Contents contents;
    contents.movies.append(movieTitled(u"mine", 1));
    EXPECT_FALSE(file.read(space.path("damaged.rsdb"), contents.movies, contents.loaners)) << what;
    EXPECT_EQ(contents.movies.count(), 1) << what;
    EXPECT_TRUE(contents.loaners.isEmpty()) << what;
    EXPECT_TRUE(file.path().isEmpty()) << what;
}

// Every value and node of a tree in one order, each with the node holding it.
struct Spot
{
    DataTreeNode* owner;
    DataTreeValue* value;
    DataTreeNode* node;
};

struct Tree
{
    explicit Tree(const Bytes& bytes)
    {
        tree.setFileTag(dataTreeTag("RSDB"));
        EXPECT_TRUE(tree.loadFromMemory(bytes.data(), bytes.size()));
        collect(tree.root());
    }
    void collect(DataTreeNode* owner)
    {
        for (DataTreeValue* item : owner->values())
            spots.push_back(Spot{owner, item, nullptr});
        for (DataTreeNode* child : owner->children()) {
            spots.push_back(Spot{owner, nullptr, child});
            collect(child);
        }
    }
    Bytes bytes(const Workspace& space) const
    {
        return tree.save(space.path("tree.rsdb")) ? space.bytes("tree.rsdb") : Bytes();
    }

    DataTree tree;
    std::vector<Spot> spots;
};

const std::set<std::string> kLists = {"MOVS", "LONS", "CAST", "CREW", "CVRS", "LNKS", "EPDS"};
const std::set<std::string> kTexts = {"ATHR", "PASS", "TITL", "ORTL", "GNRE", "STUD", "CTRY", "LANG",
                                      "FRMT", "BRCD", "PLOT", "NTES", "TAGS", "RTMP", "BGIM", "FNTF",
                                      "PRCE", "ACTR", "CHTR", "UNME", "NAME", "DESC", "URL_", "TTLE",
                                      "FILE", "ADRS", "EMAL", "PHON", "CMTS", "NOTS"};

// Each spot of the saved test collection damaged alone: missing (renamed),
// or, for a value of fixed size, without its last byte. The file still opens
// (unless the header or its version is gone), and saving it again writes the
// original bytes with only the damaged field at its default: zero bytes of
// the same size, an empty text, a list node without items. Items of a list
// are taken whatever their tag, and the id counter never falls below the
// largest id, so those come back unchanged.
void checkEverySpot(bool shorten)
{
    Workspace space;
    ASSERT_FALSE(space.saveFull().isEmpty());
    const Bytes original = space.bytes("Full/Full.rsdb");
    size_t count = Tree(original).spots.size();
    ASSERT_GT(count, 140u);
    for (size_t i = 0; i < count; ++i) {
        Tree damaged(original), expected(original);
        const Spot& spot = damaged.spots[i];
        const Spot& fixed = expected.spots[i];
        std::string tag = spot.value ? spot.value->tag() : spot.node->tag();
        std::string what = std::string(spot.owner->tag()) + "/" + tag + " at " + std::to_string(i);
        if (shorten && (!spot.value || kTexts.count(tag)))
            continue;
        if (spot.node)
            spot.node->setTag("XXXX");
        else if (!shorten)
            spot.value->setTag("XXXX");
        else
            spot.value->setBytes(
                Bytes(spot.value->data(), spot.value->data() + spot.value->dataSize() - 1).data(),
                spot.value->dataSize() - 1);

        bool unchanged = tag == "LMID" || (spot.node && kLists.count(spot.owner->tag()));
        if (spot.node && !unchanged)
            fixed.node->deleteChildren();
        else if (spot.value && !unchanged && kTexts.count(tag))
            fixed.value->setBytes(nullptr, 0);
        else if (spot.value && !unchanged)
            fixed.value->setBytes(Bytes(fixed.value->dataSize(), 0).data(), fixed.value->dataSize());

        ASSERT_TRUE(space.put("damaged.rsdb", damaged.bytes(space))) << what;
        CollectionFile file(space.folder());
        Contents read;
        bool opened = file.read(space.path("damaged.rsdb"), read.movies, read.loaners);
        ASSERT_EQ(opened, tag != "HEDR" && tag != "VRSN") << what;
        if (opened) {
            ASSERT_TRUE(file.write(read.movies, read.loaners)) << what;
            EXPECT_EQ(space.bytes("damaged.rsdb"), expected.bytes(space)) << what;
        }
    }
}

} // namespace

TEST(CollectionDamage, EveryTruncationIsRefused)
{
    Workspace space;
    ASSERT_FALSE(space.saveFull().isEmpty());
    Bytes whole = space.bytes("Full/Full.rsdb");
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
    Workspace space;
    ASSERT_FALSE(space.saveFull().isEmpty());
    Bytes whole = space.bytes("Full/Full.rsdb");
    std::vector<size_t> words;
    size_t at = 4;
    collectWords(whole, at, words);
    ASSERT_EQ(at, whole.size()) << "the walk covers the file";
    ASSERT_GT(words.size(), 170u);
    for (size_t offset : words) {
        for (uint32_t huge : {0xFFFFFFFFu, 0x80000000u, uint32_t(whole.size())}) {
            Bytes damaged = whole;
            toLittleEndian<uint32_t>(huge, damaged.data() + offset);
            expectRefused(space, damaged, "word at " + std::to_string(offset) + " = " + std::to_string(huge));
        }
    }
}

TEST(CollectionDamage, EndlessNestingIsRefused)
{
    Workspace space;
    expectRefused(space, nestedFile(100000), "100000 levels");
    expectRefused(space, nestedFile(70), "70 levels");
}

TEST(CollectionDamage, EachMissingOrShortValueCostsOnlyItsField)
{
    checkEverySpot(false);
    checkEverySpot(true);
}

TEST(CollectionDamage, ImpossibleValuesReadAsEmpty)
{
    Workspace space;
    Bytes movie = node(
        "MOV_", {},
        {value("CRTD", ints({2010, 13, 1, 10, 0, 0, 0})), value("MDFD", ints({2010, 2, 30, 10, 0, 0, 0})),
         value("RTIM", Bytes{0x00, 0x00, 0xC0, 0x7F}), value("MYRT", Bytes{0x00, 0x00, 0x80, 0xFF}),
         value("YEAR", Bytes{0xD1, 0x07, 0, 0, 0xFF, 0xFF}), value("TITL", Bytes{'A', 0xFF, 'B', 0xC3}),
         value("WISH", Bytes{7})});
    Bytes late = node("MOV_", {},
                      {value("CRTD", ints({2010, 1, 1, 24, 0, 0, 0})),
                       value("MDFD", ints({2010, 1, 1, 23, 59, 59, 1000}))});
    Bytes loan = node("LOAN", {},
                      {value("LNDT", ints({2023, 2, 29})), value("DUDT", ints({-1, 1, 1})),
                       value("RNDT", ints({2024, 2, 29}))});
    ASSERT_TRUE(
        space.put("odd.rsdb", collectionOf({value("CRTD", ints({0, 0, 0, 1, 0, 0, 0}))}, {movie, late},
                                           {node("LNER", {node("LONS", {loan}, {})}, {})})));
    CollectionFile reader(space.folder());
    Contents contents;
    ASSERT_TRUE(reader.read(space.path("odd.rsdb"), contents.movies, contents.loaners));
    EXPECT_TRUE(reader.header().created.isNull()) << "a time on no day";
    ASSERT_EQ(contents.movies.count(), 2);
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
    ASSERT_EQ(contents.loaners.count(), 1);
    ASSERT_EQ(contents.loaners.first()->value.loans.count(), 1);
    const Loan& read = contents.loaners.first()->value.loans.first()->value;
    EXPECT_TRUE(read.lendDate.isNull()) << "February 29 of a common year";
    EXPECT_TRUE(read.dueDate.isNull()) << "a negative year";
    EXPECT_EQ(read.returnDate, Date(2024, 2, 29)) << "a leap day";
}
