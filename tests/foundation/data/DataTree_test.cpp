// The binary chunk document: its exact bytes, its lookups, and loading that
// accepts only one whole, well-formed tree.
#include <gtest/gtest.h>

#include "foundation/data/DataTree.h"
#include "foundation/text/ByteArray.h"
#include "tests/foundation/io/IoTestSupport.h"

#include <cstring>

using iotest::Bytes;
using iotest::show;

namespace {

void putU32(Bytes& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(value >> (8 * i)));
}

void putTag(Bytes& bytes, const char* tag)
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

// "TEST" / ROOT { NODE { NAME "ab" } , NAME "x", NAME "yz" }
Bytes sampleFile()
{
    Bytes bytes;
    putTag(bytes, "TEST");
    putTag(bytes, "ROOT");
    putU32(bytes, 1);
    putTag(bytes, "NODE");
    putU32(bytes, 0);
    putU32(bytes, 1);
    putTag(bytes, "NAME");
    putU32(bytes, 2);
    bytes.push_back('a');
    bytes.push_back('b');
    putU32(bytes, 2);
    putTag(bytes, "NAME");
    putU32(bytes, 1);
    bytes.push_back('x');
    putTag(bytes, "NAME");
    putU32(bytes, 2);
    bytes.push_back('y');
    bytes.push_back('z');
    return bytes;
}

bool load(DataTree& tree, const Bytes& bytes)
{
    return tree.loadFromMemory(bytes.empty() ? "" : reinterpret_cast<const char*>(bytes.data()),
                               bytes.size());
}

} // namespace

TEST(DataTree, EmptyLangTreeIsSixteenBytesAndLoadsBack)
{
    testsupport::TempDir dir;
    String path = iotest::pathIn(dir, "empty.lang");
    DataTree tree;
    tree.setFileTag(dataTreeTag("LANG"));
    EXPECT_EQ(tree.byteSize(), 16u);
    ASSERT_TRUE(tree.save(path));
    EXPECT_FALSE(tree.isLoaded());
    EXPECT_TRUE(tree.fileName().isEmpty());
    EXPECT_EQ(iotest::readFileBytes(iotest::nativeIn(dir, "empty.lang")),
              (Bytes{'L', 'A', 'N', 'G', 'R', 'O', 'O', 'T', 0, 0, 0, 0, 0, 0, 0, 0}));

    DataTree loaded;
    loaded.setFileTag(dataTreeTag("LANG"));
    ASSERT_TRUE(loaded.load(path));
    EXPECT_TRUE(loaded.isLoaded());
    EXPECT_TRUE(loaded.fileName() == path);
    EXPECT_FALSE(loaded.root()->hasChildren());
    EXPECT_FALSE(loaded.root()->hasValues());
    EXPECT_EQ(show(loaded.root()->tagString()), "ROOT");
}

TEST(DataTree, ChildrenAreWrittenBeforeValuesAndFoundByIndex)
{
    DataTree tree;
    tree.setFileTag(dataTreeTag("TEST"));
    DataTreeNode* root = tree.root();
    root->addValue("NAME")->setString(u"x");
    DataTreeNode* node = root->addChild("NODE");
    node->addValue("NAME")->setString(u"ab");
    root->addValue("NAME")->setString(u"yz");

    ASSERT_NE(root->findValue("NAME", 1), nullptr);
    EXPECT_EQ(show(root->findValue("NAME", 1)->toString()), "yz");
    EXPECT_EQ(root->findValue("NAME", 2), nullptr);
    EXPECT_EQ(root->findValue("name"), nullptr);
    EXPECT_EQ(root->findChild("NODE"), node);
    EXPECT_EQ(root->findChild("NODE", 1), nullptr);
    EXPECT_EQ(tree.byteSize(), uint32_t(sampleFile().size()));

    DataTreeNode mixed("MIXD");
    mixed.addValue("NAME")->setString(u"first");
    mixed.addValue("OTHR")->setInt(1);
    mixed.addValue("NAME")->setString(u"second");
    EXPECT_EQ(show(mixed.findValue("NAME", 1)->toString()), "second");
    EXPECT_EQ(mixed.findValue("NAME", 2), nullptr);

    testsupport::TempDir dir;
    ASSERT_TRUE(tree.save(iotest::pathIn(dir, "t.bin")));
    EXPECT_EQ(iotest::readFileBytes(iotest::nativeIn(dir, "t.bin")), sampleFile());
}

TEST(DataTree, TypedValuesHaveFixedLayouts)
{
    DataTreeNode node("TEST");
    DataTreeValue* value = node.addValue("VALU");
    EXPECT_TRUE(value->isEmpty());
    EXPECT_EQ(value->size(), 8u);

    value->setFloat(1.5f);
    ASSERT_EQ(value->dataSize(), 4u);
    EXPECT_EQ(std::memcmp(value->data(), "\x00\x00\xC0\x3F", 4), 0);
    EXPECT_EQ(value->toFloat(), 1.5f);

    value->setInt(-2);
    EXPECT_EQ(std::memcmp(value->data(), "\xFE\xFF\xFF\xFF", 4), 0);
    EXPECT_EQ(value->toInt(), -2);
    EXPECT_EQ(value->toUInt(), 0xFFFFFFFEu);

    value->setInt64(0x0102030405060708LL);
    EXPECT_EQ(value->dataSize(), 8u);
    EXPECT_EQ(value->data()[0], 0x08);
    EXPECT_EQ(value->toInt64(), 0x0102030405060708LL);

    value->setDouble(-0.5);
    EXPECT_EQ(value->toDouble(), -0.5);
    value->setBool(true);
    EXPECT_EQ(value->dataSize(), 1u);
    EXPECT_TRUE(value->toBool());
    value->setByte(0xAB);
    EXPECT_EQ(value->toByte(), 0xAB);

    value->setString(u"Zo\u00eb");
    EXPECT_EQ(value->dataSize(), 4u);
    EXPECT_TRUE(value->toString() == String(u"Zo\u00eb"));
    EXPECT_EQ(value->toByteArray().size(), 4);
    uint8_t first[2];
    EXPECT_EQ(value->copyBytes(first, 2), 2u);
    EXPECT_EQ(first[0], 'Z');

    value->setBytes("\x01\x02", 2);
    EXPECT_EQ(value->toInt64(), 0x0201);
    uint8_t big[8] = {0};
    EXPECT_EQ(value->copyBytes(big, 8), 2u);
}

TEST(DataTree, EmptyStringClearsTheOldBytes)
{
    DataTreeNode node("TEST");
    DataTreeValue* value = node.addValue("NAME");
    value->setString(u"Old title");
    value->setString(String());
    EXPECT_TRUE(value->isEmpty());
    EXPECT_TRUE(value->toString().isEmpty());
    EXPECT_EQ(value->toInt(), 0);
    EXPECT_EQ(value->size(), 8u);
}

TEST(DataTree, LoadRoundTripsAndChecksTheFileTag)
{
    Bytes file = sampleFile();
    DataTree tree;
    tree.setFileTag(dataTreeTag("TEST"));
    ASSERT_TRUE(load(tree, file));
    EXPECT_TRUE(tree.isLoaded());
    ASSERT_NE(tree.root()->findChild("NODE"), nullptr);
    EXPECT_EQ(show(tree.root()->findChild("NODE")->findValue("NAME")->toString()), "ab");
    EXPECT_EQ(show(tree.root()->findValue("NAME", 1)->toString()), "yz");

    DataTree other;
    other.setFileTag(dataTreeTag("LANG"));
    EXPECT_FALSE(load(other, file));
    EXPECT_FALSE(other.isLoaded());

    DataTree untagged;
    EXPECT_FALSE(load(untagged, file));

    tree.clear();
    EXPECT_FALSE(tree.isLoaded());
    EXPECT_FALSE(tree.root()->hasChildren());
}

TEST(DataTree, EveryTruncationAndAnyTrailingByteFails)
{
    Bytes file = sampleFile();
    for (size_t length = 0; length < file.size(); ++length) {
        DataTree tree;
        tree.setFileTag(dataTreeTag("TEST"));
        Bytes cut(file.begin(), file.begin() + long(length));
        EXPECT_FALSE(load(tree, cut)) << "length " << length;
        EXPECT_FALSE(tree.isLoaded());
        EXPECT_FALSE(tree.root()->hasChildren());
        EXPECT_FALSE(tree.root()->hasValues());
        EXPECT_EQ(show(tree.root()->tagString()), "ROOT");
    }
    Bytes longer = file;
    longer.push_back(0);
    DataTree tree;
    tree.setFileTag(dataTreeTag("TEST"));
    EXPECT_FALSE(load(tree, longer));
}

TEST(DataTree, HostileCountsAndSizesFailWithoutAllocating)
{
    Bytes hugeChildren;
    putTag(hugeChildren, "TEST");
    putTag(hugeChildren, "ROOT");
    putU32(hugeChildren, 0xFFFFFFFF);
    putU32(hugeChildren, 0);
    DataTree tree;
    tree.setFileTag(dataTreeTag("TEST"));
    EXPECT_FALSE(load(tree, hugeChildren));

    Bytes hugeValue;
    putTag(hugeValue, "TEST");
    putTag(hugeValue, "ROOT");
    putU32(hugeValue, 0);
    putU32(hugeValue, 1);
    putTag(hugeValue, "DATA");
    putU32(hugeValue, 0xFFFFFFF0);
    hugeValue.insert(hugeValue.end(), 16, 'x');
    EXPECT_FALSE(load(tree, hugeValue));
}

TEST(DataTree, NestingDeeperThanTheLimitFails)
{
    auto nested = [](int depth) {
        Bytes bytes;
        putTag(bytes, "TEST");
        for (int i = 0; i <= depth; ++i) {
            putTag(bytes, i == 0 ? "ROOT" : "DEEP");
            putU32(bytes, i == depth ? 0 : 1);
        }
        for (int i = 0; i <= depth; ++i)
            putU32(bytes, 0);
        return bytes;
    };
    DataTree tree;
    tree.setFileTag(dataTreeTag("TEST"));
    EXPECT_TRUE(load(tree, nested(DataTree::kMaxDepth)));
    EXPECT_FALSE(load(tree, nested(DataTree::kMaxDepth + 1)));
    EXPECT_FALSE(load(tree, nested(100000)));
    EXPECT_FALSE(tree.root()->hasChildren());
}

TEST(DataTree, LoadOfMissingOrUnreadableFilesFails)
{
    testsupport::TempDir dir;
    DataTree tree;
    tree.setFileTag(dataTreeTag("RSDB"));
    EXPECT_FALSE(tree.load(iotest::pathIn(dir, "missing.rsdb")));
    EXPECT_FALSE(tree.load(String()));
    EXPECT_FALSE(tree.save(String()));
    EXPECT_FALSE(tree.save(iotest::pathIn(dir, "missing/x.rsdb")));
    EXPECT_FALSE(tree.isLoaded());
    EXPECT_TRUE(tree.fileName().isEmpty());
}
