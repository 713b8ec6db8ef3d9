// The data archive: its exact bytes, lookups by name and hash, damaged input,
// and packing and unpacking folders without ever writing outside the target.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "tests/support/IoTestSupport.h"

#include <chrono>
#include <set>
#include <thread>

using namespace iotest;

namespace {

const Bytes kEmptyArchive = {0x46, 0x41, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

void putU32(Bytes& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(value >> (8 * i)));
}

uint64_t nameHash(const std::u16string& name)
{
    uint64_t hash = 0;
    for (char16_t unit : name)
        hash = hash * 101 + unit;
    return hash;
}

// A group or item record: name size, name hash, flags, a fixed date, the
// record's own counts, then the terminated UTF-16 name (none when empty).
void putRecord(Bytes& bytes, const std::u16string& name, std::initializer_list<uint32_t> counts)
{
    const uint32_t size = name.empty() ? 0 : uint32_t(name.size() + 1) * 2;
    const uint64_t hash = nameHash(name);
    for (uint32_t value :
         {size, uint32_t(hash), uint32_t(hash >> 32), 0u, 2024u, 5u, 17u, 12u, 30u, 15u, 250u})
        putU32(bytes, value);
    for (uint32_t value : counts)
        putU32(bytes, value);
    for (char16_t unit : name)
        bytes.insert(bytes.end(), {uint8_t(unit), uint8_t(unit >> 8)});
    if (!name.empty())
        bytes.insert(bytes.end(), 2, 0);
}

struct TestGroup
{
    std::u16string name;
    std::vector<std::pair<std::u16string, std::string>> items;
};

// An archive as a foreign writer would lay it out, built independently of
// the code under test.
Bytes archiveBytes(const std::vector<TestGroup>& groups)
{
    Bytes bytes = {'F', 'A', 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    putU32(bytes, uint32_t(groups.size()));
    uint32_t total = 0;
    for (const TestGroup& group : groups)
        total += uint32_t(group.items.size());
    putU32(bytes, total);
    for (const TestGroup& group : groups) {
        putRecord(bytes, group.name, {uint32_t(group.items.size())});
        for (const auto& item : group.items) {
            putRecord(bytes, item.first, {uint32_t(item.second.size()), 0u});
            bytes.insert(bytes.end(), item.second.begin(), item.second.end());
        }
    }
    return bytes;
}

bool openBytes(PakArchive& archive, const Bytes& bytes)
{
    return archive.openMemory(bytes.data(), int32_t(bytes.size()));
}

std::set<std::string> filesBelow(const String& folder)
{
    StringList names;
    Directory::list(folder, Directory::kListFiles | Directory::kListDirectories | Directory::kListRecursive,
                    nullptr, names);
    std::set<std::string> result;
    int prefix = folder.length() + 1;
    for (const String& name : names)
        result.insert(show(name.midFrom(prefix)));
    return result;
}

} // namespace

TEST(PakArchive, GroupAndItemRecordsHaveTheirExactLayout)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "x.txt"), bytesOf("hi")));
    PakArchive archive;
    PakItem* item = archive.addFile(pathIn(dir, "x.txt"), u"a", u"x");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(archive.save(pathIn(dir, "a.pak")));

    Bytes bytes = readFileBytes(nativeIn(dir, "a.pak"));
    ASSERT_EQ(bytes.size(), 20u + 48 + 4 + 52 + 4 + 2);
    EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 20), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 20, bytes.begin() + 36),
              (Bytes{4, 0, 0, 0, 97, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 64, bytes.begin() + 72), (Bytes{1, 0, 0, 0, 0x61, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 72, bytes.begin() + 80), (Bytes{4, 0, 0, 0, 120, 0, 0, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 116, bytes.end()),
              (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 'x', 0, 0, 0, 'h', 'i'}));

    PakArchive opened;
    ASSERT_TRUE(opened.open(pathIn(dir, "a.pak")));
    PakItem* read = opened.findItem(u"a", u"x");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->data()[1], 'i');
    EXPECT_TRUE(read->dateTime() == item->dateTime());
}

TEST(PakArchive, ForeignArchivesParseWithTheirQuirks)
{
    Bytes bytes = archiveBytes({{u"Img", {{u"a.png", "A"}}},
                                {u"img", {{u"b.png", "B"}}},
                                {u"img", {{u"c.png", "C"}}},
                                {u"", {{u"root.txt", "R"}}}});
    bytes[2] = 7;
    bytes[3] = 9;
    PakArchive archive;
    ASSERT_TRUE(openBytes(archive, bytes));
    EXPECT_EQ(archive.groupCount(), 4);
    EXPECT_EQ(archive.findItem(u"img", u"c.png"), nullptr);
    EXPECT_NE(archive.findItem(u"", u"root.txt"), nullptr);
    EXPECT_EQ(archive.findItemByHash(nameHash(u"img"), nameHash(u"b.png")),
              archive.findItem(u"img", u"b.png"));
}

TEST(PakArchive, TruncatedAndHostileInputFailsAndLeavesTheArchiveEmpty)
{
    Bytes valid = archiveBytes({{u"g", {{u"item", "data"}}}, {u"images/icons", {{u"a.png", "PNG"}}}});
    std::vector<Bytes> refused;
    for (size_t length = 1; length < valid.size(); ++length)
        refused.push_back(Bytes(valid.begin(), valid.begin() + long(length)));
    const size_t group = 20;
    const size_t item = 20 + 48 + 4;
    // Each row: one byte changed to a value the reader must not trust.
    const size_t patches[][2] = {
        {1, 'B'},             // not "FA"
        {15, 0x80},           // negative group count
        {19, 0xFF},           // negative item total
        {14, 0x7F},           // more groups than bytes
        {group + 1, 0x02},    // group name longer than the limit
        {group, 3},           // odd-sized group name
        {group + 46, 0x7F},   // more items than bytes
        {item + 52 + 8, 'X'}, // item name without its terminator
        {item + 47, 0x10},    // item data beyond the end
    };
    for (const auto& patch : patches) {
        refused.push_back(valid);
        refused.back()[patch[0]] = uint8_t(patch[1]);
    }
    PakArchive archive;
    for (const Bytes& bytes : refused) {
        ASSERT_TRUE(openBytes(archive, valid));
        EXPECT_FALSE(openBytes(archive, bytes)) << "row " << (&bytes - refused.data());
        EXPECT_TRUE(archive.isEmpty());
    }
    EXPECT_FALSE(archive.openMemory(nullptr, 20));

    Bytes negativeItems = archiveBytes({{u"g", {{u"item", "data"}}}});
    negativeItems[group + 47] = 0x80;
    negativeItems.resize(item);
    EXPECT_TRUE(openBytes(archive, negativeItems));
    EXPECT_EQ(archive.itemCount(), 0);
}

TEST(PakArchive, AddFileCreatesGroupsOnceAndRefusesWhatCannotBeReadBack)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "one.xml"), bytesOf("<one/>")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "empty.xml"), Bytes()));
    PakArchive archive;
    EXPECT_NE(archive.addFile(pathIn(dir, "one.xml"), u"xml", u"one.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "one.xml"), u"xml", u"one.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "missing.xml"), u"xml", u"m.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "empty.xml"), u"xml", u"e.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "one.xml"), u"other", String(u'n', 256)), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "one.xml"), String(u'g', 256), u"n"), nullptr);
    EXPECT_EQ(archive.itemCount(), 1);

    String longest(u'n', 255);
    ASSERT_NE(archive.addFile(pathIn(dir, "one.xml"), u"long", longest), nullptr);
    ASSERT_TRUE(archive.save(pathIn(dir, "long.pak")));
    PakArchive opened;
    ASSERT_TRUE(opened.open(pathIn(dir, "long.pak")));
    EXPECT_NE(opened.findItem(u"long", longest), nullptr);
}

TEST(PakArchive, PackingAndUnpackingAFolderRoundTrips)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(pathIn(dir, "assets\\images\\icons")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/readme.txt"), bytesOf("read me")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/images/a.png"), bytesOf("PNG-A")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/images/icons/b.png"), bytesOf("PNG-B")));

    PakArchive archive;
    int count = 0;
    ASSERT_TRUE(archive.packFolder(pathIn(dir, "assets"), pathIn(dir, "data.pak"), &count));
    EXPECT_EQ(count, 3);
    ASSERT_TRUE(archive.unpackToFolder(pathIn(dir, "data.pak"), pathIn(dir, "out"), &count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(filesBelow(pathIn(dir, "out")),
              (std::set<std::string>{"readme.txt", "images", "images\\a.png", "images\\icons",
                                     "images\\icons\\b.png"}));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "out/images/icons/b.png")), bytesOf("PNG-B"));

    // Files are packed sorted by their path, whatever order the system lists
    // them in: "images\a.png", "images\icons\b.png", "readme.txt".
    ASSERT_TRUE(archive.open(pathIn(dir, "data.pak")));
    std::vector<std::string> order;
    for (PakGroup* group : archive.groups())
        order.push_back(show(group->name()));
    EXPECT_EQ(order, (std::vector<std::string>{"images", "images/icons", "/"}));
}

// The data build packs a folder it makes afresh every time: the stamps come
// from the files (or the time given), never from the clock, so the same files
// give the same bytes however far apart the two packs run.
TEST(PakArchive, PackingTheSameFilesTwiceGivesTheSameBytes)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(pathIn(dir, "assets\\images")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/readme.txt"), bytesOf("read me")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/images/a.png"), bytesOf("PNG-A")));
    ASSERT_TRUE(File::setTime(pathIn(dir, "assets\\readme.txt"), DateTime(2020, 1, 1, 10, 0, 0, 0), false));
    ASSERT_TRUE(File::setTime(pathIn(dir, "assets\\images\\a.png"), DateTime(2022, 3, 4, 5, 6, 7, 0), false));
    const struct
    {
        const char* name;
        DateTime given;
        DateTime stamped;
    } rows[] = {
        {"given", DateTime(2021, 6, 1, 12, 30, 15, 250), DateTime(2021, 6, 1, 12, 30, 15, 250)},
        {"newest file", DateTime(), DateTime(2022, 3, 4, 5, 6, 7, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const char* archiveName : {"first.pak", "second.pak"}) {
            // Long enough for the clock's milliseconds to move on.
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
            PakArchive archive;
            archive.setAddedDateTime(row.given);
            ASSERT_TRUE(archive.packFolder(pathIn(dir, "assets"), pathIn(dir, archiveName)));
        }
        EXPECT_EQ(readFileBytes(nativeIn(dir, "first.pak")), readFileBytes(nativeIn(dir, "second.pak")));
        PakArchive opened;
        ASSERT_TRUE(opened.open(pathIn(dir, "first.pak")));
        ASSERT_EQ(opened.itemCount(), 2);
        for (PakGroup* group : opened.groups()) {
            EXPECT_TRUE(group->dateTime() == row.stamped) << show(group->name());
            for (PakItem* item : group->items())
                EXPECT_TRUE(item->dateTime() == row.stamped) << show(item->name());
        }
    }
}

TEST(PakArchive, EmptyFoldersPackToTheEmptyArchiveAndEmptyFilesKeepTheOldOne)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(pathIn(dir, "empty")));
    PakArchive archive;
    int count = -1;
    ASSERT_TRUE(archive.packFolder(pathIn(dir, "empty"), pathIn(dir, "e.pak"), &count));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(readFileBytes(nativeIn(dir, "e.pak")), kEmptyArchive);
    EXPECT_TRUE(archive.open(pathIn(dir, "e.pak")));
    EXPECT_FALSE(archive.packFolder(pathIn(dir, "missing"), pathIn(dir, "m.pak")));
    EXPECT_FALSE(File::exists(pathIn(dir, "m.pak")));

    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "empty/empty.txt"), Bytes()));
    EXPECT_FALSE(archive.packFolder(pathIn(dir, "empty"), pathIn(dir, "e.pak")));
    EXPECT_TRUE(archive.isEmpty());
    EXPECT_EQ(readFileBytes(nativeIn(dir, "e.pak")), kEmptyArchive);
}

TEST(PakArchive, UnpackRefusesDamagedArchivesAndNamesThatLeaveTheFolder)
{
    testsupport::TempDir dir;
    // Each row: a group name and an item name; the last rows name devices,
    // which the system finds in every folder; the last archive hides a bad
    // group behind a good one.
    const char16_t* names[][2] = {
        {u"..", u"e"},       {u"a/../..", u"e"},    {u"a\\..\\..", u"e"},   {u"/abs", u"e"},
        {u"\\abs", u"e"},    {u"c:", u"e"},         {u"c:\\windows", u"e"}, {u"a//b", u"e"},
        {u"a/./b", u"e"},    {u"a/... ", u"e"},     {u"ok", u".."},         {u"ok", u"..\\e"},
        {u"ok", u"../e"},    {u"ok", u"c:e"},       {u"ok", u""},           {u"CON", u"e"},
        {u"a/CON/b", u"e"},  {u"ok/conout$", u"e"}, {u"ok", u"com1"},       {u"ok", u"LPT1.lang"},
        {u"ok", u"NUL.txt"}, {u"ok", u"CONIN$"}};
    std::vector<Bytes> hostile;
    for (const auto& row : names)
        hostile.push_back(archiveBytes({{row[0], {{row[1], "x"}}}}));
    hostile.push_back(archiveBytes({{u"ok", {{u"fine.txt", "x"}}}, {u"..", {{u"e", "x"}}}}));
    hostile.push_back(bytesOf("FA\1\1 not an archive at all"));
    for (size_t i = 0; i < hostile.size(); ++i) {
        std::string name = "hostile" + std::to_string(i) + ".pak";
        ASSERT_TRUE(writeFileBytes(nativeIn(dir, name), hostile[i]));
        PakArchive archive;
        int count = -1;
        EXPECT_FALSE(archive.unpackToFolder(pathIn(dir, name), pathIn(dir, "box\\inner"), &count)) << name;
        EXPECT_EQ(count, -1);
    }
    EXPECT_FALSE(File::exists(pathIn(dir, "e")));
    PakArchive archive;
    EXPECT_FALSE(archive.unpackToFolder(pathIn(dir, "missing.pak"), pathIn(dir, "box")));
    EXPECT_FALSE(Directory::exists(pathIn(dir, "box")));
    // Names that only look like the refused ones are fine.
    EXPECT_TRUE(PakArchive::isSafeGroupName(u"a.b/..c") && PakArchive::isSafeItemName(u".hidden"));
    EXPECT_TRUE(PakArchive::isSafeGroupName(u"CONSOLE/COM10") && PakArchive::isSafeItemName(u"COM0.lang"));
    EXPECT_TRUE(PakArchive::isSafeGroupName(String()));
}
