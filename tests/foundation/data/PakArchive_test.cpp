// The data archive: its exact bytes, lookups by name and hash, damaged input,
// and packing and unpacking folders without ever writing outside the target.
#include <gtest/gtest.h>

#include "foundation/containers/StringList.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "tests/foundation/io/IoTestSupport.h"

#include <set>

using iotest::Bytes;
using iotest::bytesOf;
using iotest::nativeIn;
using iotest::pathIn;
using iotest::readFileBytes;
using iotest::show;
using iotest::writeFileBytes;

namespace {

const Bytes kEmptyArchive = {0x46, 0x41, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

void putU32(Bytes& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(value >> (8 * i)));
}

void putU64(Bytes& bytes, uint64_t value)
{
    putU32(bytes, uint32_t(value));
    putU32(bytes, uint32_t(value >> 32));
}

uint64_t nameHash(const std::u16string& name)
{
    uint64_t hash = 0;
    for (char16_t unit : name)
        hash = hash * 101 + unit;
    return hash;
}

void putName(Bytes& bytes, const std::u16string& name)
{
    if (name.empty())
        return;
    for (char16_t unit : name) {
        bytes.push_back(uint8_t(unit));
        bytes.push_back(uint8_t(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
}

uint32_t nameSize(const std::u16string& name)
{
    return name.empty() ? 0 : uint32_t(name.size() + 1) * 2;
}

void putDate(Bytes& bytes)
{
    for (uint32_t field : {2024u, 5u, 17u, 12u, 30u, 15u, 250u})
        putU32(bytes, field);
}

struct TestItem
{
    std::u16string name;
    std::string data;
};

struct TestGroup
{
    std::u16string name;
    std::vector<TestItem> items;
};

// An archive as a foreign writer would lay it out, built independently of
// the code under test.
Bytes archiveBytes(const std::vector<TestGroup>& groups)
{
    Bytes bytes = {'F', 'A', 0, 0};
    putU32(bytes, 1);
    putU32(bytes, 0);
    putU32(bytes, uint32_t(groups.size()));
    uint32_t total = 0;
    for (const TestGroup& group : groups)
        total += uint32_t(group.items.size());
    putU32(bytes, total);
    for (const TestGroup& group : groups) {
        putU32(bytes, nameSize(group.name));
        putU64(bytes, nameHash(group.name));
        putU32(bytes, 0);
        putDate(bytes);
        putU32(bytes, uint32_t(group.items.size()));
        putName(bytes, group.name);
        for (const TestItem& item : group.items) {
            putU32(bytes, nameSize(item.name));
            putU64(bytes, nameHash(item.name));
            putU32(bytes, 0);
            putDate(bytes);
            putU32(bytes, uint32_t(item.data.size()));
            putU32(bytes, 0);
            putName(bytes, item.name);
            bytes.insert(bytes.end(), item.data.begin(), item.data.end());
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

TEST(PakArchive, EmptyArchiveIsTheTwentyByteHeader)
{
    testsupport::TempDir dir;
    String path = pathIn(dir, "empty.pak");
    PakArchive archive;
    ASSERT_TRUE(archive.save(path));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "empty.pak")), kEmptyArchive);

    PakArchive opened;
    ASSERT_TRUE(opened.open(path));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(opened.version(), 1u);
    EXPECT_TRUE(opened.path() == path);
}

TEST(PakArchive, GroupAndItemRecordsHaveTheirExactLayout)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "x.txt"), bytesOf("hi")));
    PakArchive archive;
    PakItem* item = archive.addFile(pathIn(dir, "x.txt"), u"a", u"x");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->hash(), 120u);
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
    EXPECT_EQ(read->dataSize(), 2);
    EXPECT_EQ(read->data()[1], 'i');
    EXPECT_TRUE(read->dateTime() == item->dateTime());
    EXPECT_EQ(opened.findGroup(u"a")->hash(), 97u);
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
    EXPECT_EQ(archive.itemCount(), 4);
    EXPECT_TRUE(archive.hasItems());
    EXPECT_TRUE(archive.path().isEmpty());
    EXPECT_EQ(archive.findGroup(u"IMG"), nullptr);
    ASSERT_NE(archive.findItem(u"img", u"b.png"), nullptr);
    EXPECT_EQ(archive.findItem(u"img", u"c.png"), nullptr);
    EXPECT_EQ(archive.findItem(u"Img", u"b.png"), nullptr);
    EXPECT_NE(archive.findItem(u"", u"root.txt"), nullptr);
    EXPECT_EQ(archive.findItemByHash(nameHash(u"img"), nameHash(u"b.png")),
              archive.findItem(u"img", u"b.png"));
    EXPECT_EQ(archive.findGroupByHash(12345), nullptr);

    archive.removeGroup(u"img");
    EXPECT_EQ(archive.groupCount(), 3);
    EXPECT_NE(archive.findItem(u"img", u"c.png"), nullptr);
    archive.clear();
    EXPECT_TRUE(archive.isEmpty());
    EXPECT_FALSE(archive.hasItems());
}

TEST(PakArchive, EveryTruncationFailsAndLeavesTheArchiveEmpty)
{
    Bytes bytes = archiveBytes({{u"/", {{u"readme.txt", "hello"}}}, {u"images/icons", {{u"a.png", "PNG"}}}});
    PakArchive archive;
    ASSERT_TRUE(openBytes(archive, bytes));
    for (size_t length = 1; length < bytes.size(); ++length) {
        ASSERT_TRUE(openBytes(archive, bytes));
        EXPECT_FALSE(archive.openMemory(bytes.data(), int32_t(length))) << "length " << length;
        EXPECT_TRUE(archive.isEmpty());
    }
    EXPECT_FALSE(archive.openMemory(nullptr, 20));
    EXPECT_FALSE(archive.openMemory(bytes.data(), 0));
}

TEST(PakArchive, HostileHeadersAndRecordsAreRefused)
{
    auto refused = [](Bytes bytes) {
        PakArchive archive;
        return !openBytes(archive, bytes) && archive.isEmpty();
    };
    Bytes valid = archiveBytes({{u"g", {{u"item", "data"}}}});
    const size_t group = 20;
    const size_t item = 20 + 48 + 4;

    Bytes notFa = valid;
    notFa[1] = 'B';
    EXPECT_TRUE(refused(notFa));

    Bytes negativeGroups = valid;
    negativeGroups[15] = 0x80;
    EXPECT_TRUE(refused(negativeGroups));

    Bytes negativeTotal = valid;
    negativeTotal[19] = 0xFF;
    EXPECT_TRUE(refused(negativeTotal));

    Bytes manyGroups = valid;
    manyGroups[14] = 0x7F;
    EXPECT_TRUE(refused(manyGroups));

    Bytes longName = valid;
    longName[group] = 0x02;
    longName[group + 1] = 0x02;
    EXPECT_TRUE(refused(longName));

    Bytes oddName = valid;
    oddName[group] = 3;
    EXPECT_TRUE(refused(oddName));

    Bytes manyItems = valid;
    manyItems[group + 46] = 0x7F;
    EXPECT_TRUE(refused(manyItems));

    Bytes unterminated = valid;
    unterminated[item + 52 + 8] = 'X';
    unterminated[item + 52 + 9] = 0;
    EXPECT_TRUE(refused(unterminated));

    Bytes hugeData = valid;
    hugeData[item + 47] = 0x10;
    EXPECT_TRUE(refused(hugeData));

    Bytes negativeItems = valid;
    negativeItems[group + 47] = 0x80;
    negativeItems.resize(item);
    PakArchive archive;
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
    EXPECT_NE(archive.addFile(pathIn(dir, "one.xml"), u"xml", u"two.xml"), nullptr);
    EXPECT_EQ(archive.groupCount(), 1);
    EXPECT_EQ(archive.itemCount(), 2);

    EXPECT_EQ(archive.addFile(pathIn(dir, "one.xml"), u"xml", u"one.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "missing.xml"), u"xml", u"m.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "empty.xml"), u"xml", u"e.xml"), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "one.xml"), u"other", String(u'n', 256)), nullptr);
    EXPECT_EQ(archive.addFile(pathIn(dir, "one.xml"), String(u'g', 256), u"n"), nullptr);
    EXPECT_EQ(archive.groupCount(), 1);
    EXPECT_EQ(archive.itemCount(), 2);

    String longest(u'n', 255);
    ASSERT_NE(archive.addFile(pathIn(dir, "one.xml"), u"long", longest), nullptr);
    ASSERT_TRUE(archive.save(pathIn(dir, "long.pak")));
    PakArchive opened;
    ASSERT_TRUE(opened.open(pathIn(dir, "long.pak")));
    EXPECT_NE(opened.findItem(u"long", longest), nullptr);
    EXPECT_EQ(opened.itemCount(), 3);
}

TEST(PakArchive, PackingAndUnpackingAFolderRoundTrips)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(pathIn(dir, "assets\\images\\icons")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/readme.txt"), bytesOf("read me")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/images/a.png"), bytesOf("PNG-A")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/images/icons/b.png"), bytesOf("PNG-B")));

    PakArchive packer;
    int packed = 0;
    ASSERT_TRUE(packer.packFolder(pathIn(dir, "assets"), pathIn(dir, "data.pak"), &packed));
    EXPECT_EQ(packed, 3);

    PakArchive archive;
    ASSERT_TRUE(archive.open(pathIn(dir, "data.pak")));
    EXPECT_NE(archive.findItem(u"/", u"readme.txt"), nullptr);
    EXPECT_NE(archive.findItem(u"images", u"a.png"), nullptr);
    EXPECT_NE(archive.findItem(u"images/icons", u"b.png"), nullptr);

    PakArchive unpacker;
    int unpacked = 0;
    ASSERT_TRUE(unpacker.unpackToFolder(pathIn(dir, "data.pak"), pathIn(dir, "out"), &unpacked));
    EXPECT_EQ(unpacked, 3);
    EXPECT_EQ(filesBelow(pathIn(dir, "out")),
              (std::set<std::string>{"readme.txt", "images", "images\\a.png", "images\\icons",
                                     "images\\icons\\b.png"}));
    EXPECT_EQ(readFileBytes(nativeIn(dir, "out/images/icons/b.png")), bytesOf("PNG-B"));

    // Packing again over the old archive gives the same layout, whatever
    // order the system lists the files in.
    std::vector<std::string> firstOrder;
    for (PakGroup* group : archive.groups())
        firstOrder.push_back(show(group->name()));
    ASSERT_TRUE(packer.packFolder(pathIn(dir, "assets"), pathIn(dir, "data.pak"), &packed));
    PakArchive again;
    ASSERT_TRUE(again.open(pathIn(dir, "data.pak")));
    std::vector<std::string> secondOrder;
    for (PakGroup* group : again.groups())
        secondOrder.push_back(show(group->name()));
    EXPECT_EQ(firstOrder, secondOrder);
    EXPECT_EQ(again.itemCount(), 3);
}

TEST(PakArchive, PackingAnEmptyFolderGivesTheEmptyArchive)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(pathIn(dir, "empty")));
    PakArchive archive;
    int count = -1;
    ASSERT_TRUE(archive.packFolder(pathIn(dir, "empty"), pathIn(dir, "e.pak"), &count));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(readFileBytes(nativeIn(dir, "e.pak")), kEmptyArchive);

    int unpacked = -1;
    EXPECT_TRUE(archive.unpackToFolder(pathIn(dir, "e.pak"), pathIn(dir, "out"), &unpacked));
    EXPECT_EQ(unpacked, 0);

    EXPECT_FALSE(archive.packFolder(pathIn(dir, "missing"), pathIn(dir, "m.pak")));
    EXPECT_FALSE(File::exists(pathIn(dir, "m.pak")));
}

TEST(PakArchive, PackingFailsOnAnEmptyFileAndKeepsTheOldArchive)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(Directory::create(pathIn(dir, "assets")));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "assets/empty.txt"), Bytes()));
    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "data.pak"), kEmptyArchive));
    PakArchive archive;
    EXPECT_FALSE(archive.packFolder(pathIn(dir, "assets"), pathIn(dir, "data.pak")));
    EXPECT_TRUE(archive.isEmpty());
    EXPECT_EQ(readFileBytes(nativeIn(dir, "data.pak")), kEmptyArchive);
}

TEST(PakArchive, UnpackRefusesDamagedArchivesAndNamesThatLeaveTheFolder)
{
    testsupport::TempDir dir;
    const std::vector<TestGroup> hostile[] = {
        {{u"..", {{u"evil.txt", "x"}}}},
        {{u"a/../..", {{u"evil.txt", "x"}}}},
        {{u"a\\..\\..", {{u"evil.txt", "x"}}}},
        {{u"/abs", {{u"evil.txt", "x"}}}},
        {{u"\\abs", {{u"evil.txt", "x"}}}},
        {{u"c:", {{u"evil.txt", "x"}}}},
        {{u"c:\\windows", {{u"evil.txt", "x"}}}},
        {{u"a//b", {{u"evil.txt", "x"}}}},
        {{u"a/./b", {{u"evil.txt", "x"}}}},
        {{u"a/... ", {{u"evil.txt", "x"}}}},
        {{u"ok", {{u"..", "x"}}}},
        {{u"ok", {{u"..\\evil.txt", "x"}}}},
        {{u"ok", {{u"../evil.txt", "x"}}}},
        {{u"ok", {{u"c:evil.txt", "x"}}}},
        {{u"ok", {{u"", "x"}}}},
        {{u"ok", {{u"fine.txt", "x"}}}, {u"..", {{u"evil.txt", "x"}}}},
    };
    int index = 0;
    for (const std::vector<TestGroup>& groups : hostile) {
        std::string name = "hostile" + std::to_string(index++) + ".pak";
        ASSERT_TRUE(writeFileBytes(nativeIn(dir, name), archiveBytes(groups)));
        PakArchive archive;
        int count = -1;
        EXPECT_FALSE(archive.unpackToFolder(pathIn(dir, name), pathIn(dir, "box\\inner"), &count)) << name;
        EXPECT_EQ(count, -1);
    }
    EXPECT_FALSE(Directory::exists(pathIn(dir, "box")));
    EXPECT_FALSE(File::exists(pathIn(dir, "evil.txt")));

    ASSERT_TRUE(writeFileBytes(nativeIn(dir, "damaged.pak"), bytesOf("FA\1\1 not an archive at all")));
    PakArchive archive;
    int count = -1;
    EXPECT_FALSE(archive.unpackToFolder(pathIn(dir, "damaged.pak"), pathIn(dir, "out"), &count));
    EXPECT_EQ(count, -1);
    EXPECT_FALSE(archive.unpackToFolder(pathIn(dir, "missing.pak"), pathIn(dir, "out")));
    EXPECT_FALSE(Directory::exists(pathIn(dir, "out")));
}

TEST(PakArchive, SafeNamesAreAccepted)
{
    EXPECT_TRUE(PakArchive::isSafeGroupName(u"/"));
    EXPECT_TRUE(PakArchive::isSafeGroupName(String()));
    EXPECT_TRUE(PakArchive::isSafeGroupName(u"templates/default"));
    EXPECT_TRUE(PakArchive::isSafeGroupName(u"a.b/..c"));
    EXPECT_TRUE(PakArchive::isSafeItemName(u"cover (1).png"));
    EXPECT_TRUE(PakArchive::isSafeItemName(u".hidden"));
    EXPECT_FALSE(PakArchive::isSafeItemName(u"a/b"));
}
