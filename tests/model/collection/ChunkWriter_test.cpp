// The chunk writer that every save goes through refuses to complete when a
// node does not hold what it announced or a write fails, so a save that
// would leave an unreadable file is never committed.
#include <gtest/gtest.h>

#include "foundation/io/DataWriter.h"
#include "model/collection/ChunkWriter.h"
#include "tests/support/MemorySink.h"

namespace {

void child(ChunkWriter& out)
{
    out.beginNode("KID_", 0, 0);
    out.endNode();
}

} // namespace

TEST(ChunkWriter, NodesMustHoldWhatTheyAnnounced)
{
    struct Row
    {
        const char* what;
        uint32_t children, values; // announced
        void (*steps)(ChunkWriter&);
        size_t room;
        bool complete;
    };
    const Row rows[] = {
        {"all there", 1, 1,
         [](ChunkWriter& out) {
             child(out);
             out.writeFlag("FLAG", true);
         },
         SIZE_MAX, true},
        {"a value too few", 0, 2, [](ChunkWriter& out) { out.writeInt("ONLY", 1); }, SIZE_MAX, false},
        {"a child too many", 0, 0, child, SIZE_MAX, false},
        {"a value before the last child", 1, 1,
         [](ChunkWriter& out) {
             out.writeInt("EARL", 1);
             child(out);
         },
         SIZE_MAX, false},
        {"ended twice", 0, 0, [](ChunkWriter& out) { out.endNode(); }, SIZE_MAX, false},
        {"a failed write", 0, 1,
         [](ChunkWriter& out) { out.writeText("TEXT", String(u"longer than the room")); }, 10, false},
    };
    for (const Row& row : rows) {
        testsupport::MemorySink sink(row.room);
        DataWriter writer(&sink);
        writer.attach();
        ChunkWriter out(writer);
        out.beginNode("NODE", row.children, row.values);
        row.steps(out);
        out.endNode();
        EXPECT_EQ(out.isComplete(), row.complete) << row.what;
    }
}
