// The chunk writer that every save goes through: it writes the chunk form
// byte for byte, and a node that does not hold what it announced, or a
// write that fails, turns it bad so the save is never committed.
#include <gtest/gtest.h>

#include "foundation/io/DataWriter.h"
#include "model/collection/ChunkWriter.h"
#include "tests/model/collection/ChunkBytes.h"
#include "tests/support/MemorySink.h"

using namespace collectiontest;
using testsupport::MemorySink;

namespace {

struct Target
{
    explicit Target(size_t limit = SIZE_MAX) : sink(limit), writer(&sink) { writer.attach(); }
    MemorySink sink;
    DataWriter writer;
};

} // namespace

TEST(ChunkWriter, WritesChildrenThenValues)
{
    Target target;
    ChunkWriter out(target.writer);
    out.beginNode("ROOT", 2, 1);
    out.beginNode("ITEM", 0, 2);
    out.writeInt("NMBR", -2);
    out.writeText("TEXT", String(u"\u00e9"));
    out.endNode();
    out.beginNode("NONE", 0, 0);
    out.endNode();
    out.writeFlag("FLAG", true);
    out.endNode();
    EXPECT_TRUE(out.isComplete());

    Bytes expected =
        node("ROOT",
             {node("ITEM", {}, {value("NMBR", int32Bytes(-2)), value("TEXT", Bytes{0xC3, 0xA9})}),
              node("NONE", {}, {})},
             {value("FLAG", Bytes{1})});
    EXPECT_EQ(target.sink.bytes, expected);
}

TEST(ChunkWriter, NodesMustHoldWhatTheyAnnounced)
{
    auto run = [](void (*steps)(ChunkWriter&)) {
        Target target;
        ChunkWriter out(target.writer);
        steps(out);
        return out.isComplete();
    };
    EXPECT_FALSE(run([](ChunkWriter& out) {
        out.beginNode("NODE", 0, 2);
        out.writeInt("ONLY", 1);
        out.endNode();
    })) << "a value too few";
    EXPECT_FALSE(run([](ChunkWriter& out) {
        out.beginNode("NODE", 0, 1);
        out.writeInt("ONE_", 1);
        out.writeInt("TWO_", 2);
        out.endNode();
    })) << "a value too many";
    EXPECT_FALSE(run([](ChunkWriter& out) {
        out.beginNode("NODE", 2, 0);
        out.beginNode("KID_", 0, 0);
        out.endNode();
        out.endNode();
    })) << "a child too few";
    EXPECT_FALSE(run([](ChunkWriter& out) {
        out.beginNode("NODE", 0, 0);
        out.beginNode("KID_", 0, 0);
        out.endNode();
        out.endNode();
    })) << "a child too many";
    EXPECT_FALSE(run([](ChunkWriter& out) {
        out.beginNode("NODE", 1, 1);
        out.writeInt("EARL", 1);
        out.beginNode("KID_", 0, 0);
        out.endNode();
        out.endNode();
    })) << "a value before the last child";
    EXPECT_FALSE(run([](ChunkWriter& out) { out.beginNode("OPEN", 0, 0); })) << "never ended";
    EXPECT_FALSE(run([](ChunkWriter& out) { out.writeInt("LOST", 1); })) << "a value outside any node";
    EXPECT_FALSE(run([](ChunkWriter& out) {
        out.beginNode("NODE", 0, 0);
        out.endNode();
        out.endNode();
    })) << "ended twice";
}

TEST(ChunkWriter, AFailedWriteTurnsItBad)
{
    Target target(10);
    ChunkWriter out(target.writer);
    out.beginNode("NODE", 0, 1);
    EXPECT_TRUE(out.isGood());
    out.writeText("TEXT", String(u"longer than the room left"));
    EXPECT_FALSE(out.isGood());
    out.endNode();
    EXPECT_FALSE(out.isComplete());
}
