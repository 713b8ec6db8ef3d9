// The binary chunk document: its exact bytes, its lookups, and loading that
// accepts only one whole, well-formed tree.
#include <gtest/gtest.h>

#include "foundation/data/DataTree.h"
#include "tests/support/IoTestSupport.h"

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

// The bytes of a literal, embedded zeros included, without its terminator.
template <size_t N> Bytes bytesOf(const char (&text)[N])
{
    return Bytes(text, text + N - 1);
}

// "TEST" / ROOT { NODE { NAME "ab" } , NAME "x", NAME "yz" }: a tag, the
// child count, the children, the value count, then each value's tag, size
// and bytes.
Bytes sampleFile()
{
    return bytesOf("TESTROOT\1\0\0\0"
                   "NODE\0\0\0\0\1\0\0\0NAME\2\0\0\0ab"
                   "\2\0\0\0NAME\1\0\0\0xNAME\2\0\0\0yz");
}

bool load(DataTree& tree, const Bytes& bytes)
{
    return tree.loadFromMemory(bytes.empty() ? "" : reinterpret_cast<const char*>(bytes.data()),
                               bytes.size());
}

} // namespace

TEST(DataTree, GoldenBytesOfAnEmptyTreeAndOfChildrenBeforeValues)
{
    testsupport::TempDir dir;
    String path = iotest::pathIn(dir, "empty.lang");
    DataTree tree;
    tree.setFileTag(dataTreeTag("LANG"));
    EXPECT_EQ(tree.byteSize(), 16u);
    ASSERT_TRUE(tree.save(path));
    EXPECT_EQ(iotest::readFileBytes(iotest::nativeIn(dir, "empty.lang")),
              (Bytes{'L', 'A', 'N', 'G', 'R', 'O', 'O', 'T', 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(tree.load(path));
    EXPECT_FALSE(tree.root()->hasChildren() || tree.root()->hasValues());

    DataTree sample;
    sample.setFileTag(dataTreeTag("TEST"));
    DataTreeNode* root = sample.root();
    root->addValue("NAME")->setString(u"x");
    DataTreeNode* node = root->addChild("NODE");
    node->addValue("NAME")->setString(u"ab");
    root->addValue("NAME")->setString(u"yz");
    EXPECT_EQ(show(root->findValue("NAME", 1)->toString()), "yz");
    EXPECT_EQ(root->findValue("NAME", 2), nullptr);
    EXPECT_EQ(sample.byteSize(), uint32_t(sampleFile().size()));
    ASSERT_TRUE(sample.save(iotest::pathIn(dir, "t.bin")));
    EXPECT_EQ(iotest::readFileBytes(iotest::nativeIn(dir, "t.bin")), sampleFile());
}

TEST(DataTree, TypedValuesHaveFixedLayouts)
{
    DataTreeNode node("TEST");
    DataTreeValue* value = node.addValue("VALU");
    value->setFloat(1.5f);
    EXPECT_EQ(std::memcmp(value->data(), "\x00\x00\xC0\x3F", 4), 0);
    value->setInt(-2);
    EXPECT_EQ(std::memcmp(value->data(), "\xFE\xFF\xFF\xFF", 4), 0);
    value->setInt64(0x0102030405060708LL);
    EXPECT_EQ(value->data()[0], 0x08);
    value->setString(u"Zo\u00eb");
    EXPECT_EQ(value->dataSize(), 4u);
    EXPECT_TRUE(value->toString() == String(u"Zo\u00eb"));
    value->setBytes("\x01\x02", 2);
    EXPECT_EQ(value->toInt64(), 0x0201);
    uint8_t big[8] = {0};
    EXPECT_EQ(value->copyBytes(big, 8), 2u);
    // An empty string clears the old bytes.
    value->setString(u"Old title");
    value->setString(String());
    EXPECT_TRUE(value->isEmpty());
}

TEST(DataTree, LoadChecksTheTagAndRefusesTruncatedLongerAndHostileInput)
{
    Bytes file = sampleFile();
    DataTree tree;
    tree.setFileTag(dataTreeTag("TEST"));
    ASSERT_TRUE(load(tree, file));
    EXPECT_EQ(show(tree.root()->findChild("NODE")->findValue("NAME")->toString()), "ab");
    DataTree other;
    other.setFileTag(dataTreeTag("LANG"));
    EXPECT_FALSE(load(other, file));
    DataTree untagged;
    EXPECT_FALSE(load(untagged, file));

    std::vector<Bytes> refused;
    for (size_t length = 0; length < file.size(); ++length)
        refused.push_back(Bytes(file.begin(), file.begin() + long(length)));
    refused.push_back(file);
    refused.back().push_back(0);
    // Counts and sizes far beyond the bytes left fail without allocating.
    refused.push_back(bytesOf("TESTROOT\xFF\xFF\xFF\xFF\0\0\0\0"));
    refused.push_back(bytesOf("TESTROOT\0\0\0\0\1\0\0\0DATA\xF0\xFF\xFF\xFFxxxxxxxxxxxxxxxx"));
    for (const Bytes& bytes : refused) {
        DataTree damaged;
        damaged.setFileTag(dataTreeTag("TEST"));
        EXPECT_FALSE(load(damaged, bytes)) << "row " << (&bytes - refused.data());
        EXPECT_FALSE(damaged.isLoaded() || damaged.root()->hasChildren() || damaged.root()->hasValues());
    }
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
    EXPECT_FALSE(tree.save(String()));
    EXPECT_FALSE(tree.save(iotest::pathIn(dir, "missing/x.rsdb")));
    EXPECT_FALSE(tree.isLoaded());
    EXPECT_TRUE(tree.fileName().isEmpty());
}
