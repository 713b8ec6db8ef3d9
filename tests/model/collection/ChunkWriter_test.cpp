// The chunk writer that every save goes through: it writes the chunk form
// byte for byte, and a node that does not hold what it announced, or a
// write that fails, turns it bad so the save is never committed.
#include <gtest/gtest.h>

#include "foundation/io/DataWriter.h"
#include "model/collection/ChunkWriter.h"
#include "tests/model/collection/CollectionTestSupport.h"
#include "tests/support/MemorySink.h"

using namespace collectiontest;

namespace {

// Runs the steps on a writer into memory with room for limit bytes.
bool complete(void (*steps)(ChunkWriter&), Bytes* written = nullptr, size_t limit = SIZE_MAX)
{
    testsupport::MemorySink sink(limit);
    DataWriter writer(&sink);
    writer.attach();
    ChunkWriter out(writer);
    steps(out);
    if (written)
        *written = sink.bytes;
    return out.isComplete();
}

} // namespace

TEST(ChunkWriter, WritesChildrenThenValues)
{
    Bytes written;
    EXPECT_TRUE(complete(
        [](ChunkWriter& out) {
            out.beginNode("ROOT", 2, 1);
            out.beginNode("ITEM", 0, 2);
            out.writeInt("NMBR", -2);
            out.writeText("TEXT", String(u"\u00e9"));
            out.endNode();
            out.beginNode("NONE", 0, 0);
            out.endNode();
            out.writeFlag("FLAG", true);
            out.endNode();
        },
        &written));
    EXPECT_EQ(written, node("ROOT",
                            {node("ITEM", {}, {value("NMBR", ints({-2})), value("TEXT", Bytes{0xC3, 0xA9})}),
                             node("NONE", {}, {})},
                            {value("FLAG", Bytes{1})}));
}

TEST(ChunkWriter, NodesMustHoldWhatTheyAnnounced)
{
    struct Row
    {
        const char* what;
        void (*steps)(ChunkWriter&);
    };
    const Row rows[] = {
        {"a value too few",
         [](ChunkWriter& out) {
             out.beginNode("NODE", 0, 2);
             out.writeInt("ONLY", 1);
             out.endNode();
         }},
        {"a value too many",
         [](ChunkWriter& out) {
             out.beginNode("NODE", 0, 1);
             out.writeInt("ONE_", 1);
             out.writeInt("TWO_", 2);
             out.endNode();
         }},
        {"a child too few",
         [](ChunkWriter& out) {
             out.beginNode("NODE", 2, 0);
             out.beginNode("KID_", 0, 0);
             out.endNode();
             out.endNode();
         }},
        {"a child too many",
         [](ChunkWriter& out) {
             out.beginNode("NODE", 0, 0);
             out.beginNode("KID_", 0, 0);
             out.endNode();
             out.endNode();
         }},
        {"a value before the last child",
         [](ChunkWriter& out) {
             out.beginNode("NODE", 1, 1);
             out.writeInt("EARL", 1);
             out.beginNode("KID_", 0, 0);
             out.endNode();
             out.endNode();
         }},
        {"never ended", [](ChunkWriter& out) { out.beginNode("OPEN", 0, 0); }},
        {"a value outside any node", [](ChunkWriter& out) { out.writeInt("LOST", 1); }},
        {"ended twice",
         [](ChunkWriter& out) {
             out.beginNode("NODE", 0, 0);
             out.endNode();
             out.endNode();
         }},
    };
    for (const Row& row : rows)
        EXPECT_FALSE(complete(row.steps)) << row.what;
    // A write that fails on a full sink.
    EXPECT_FALSE(complete(
        [](ChunkWriter& out) {
            out.beginNode("NODE", 0, 1);
            out.writeText("TEXT", String(u"longer than the room left"));
            out.endNode();
        },
        nullptr, 10));
}
