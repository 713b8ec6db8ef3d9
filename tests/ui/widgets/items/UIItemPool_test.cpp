#include "ui/widgets/items/UIItemPool.h"
#include "ui/widgets/items/UITableCell.h"
#include "ui/widgets/items/UITableRow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

TEST(UIItemPool, HandsOutDistinctAlignedBlocksReusesThemAndFreesItsChunksWithTheLast)
{
    UIItemPool pool(40);
    std::vector<void*> blocks;
    std::set<uintptr_t> seen;
    for (int i = 0; i < 2500; ++i) {
        void* block = pool.allocate();
        EXPECT_EQ(0u, uintptr_t(block) % alignof(std::max_align_t)) << i;
        // Writing the whole block must not reach a neighbour.
        std::fill_n(static_cast<unsigned char*>(block), 40, static_cast<unsigned char>(i));
        blocks.push_back(block);
        seen.insert(uintptr_t(block));
    }
    EXPECT_EQ(2500u, seen.size());
    EXPECT_EQ(3u, pool.chunkCount());
    for (int i = 0; i < 2500; ++i)
        ASSERT_EQ(static_cast<unsigned char>(i), *static_cast<unsigned char*>(blocks[size_t(i)])) << i;

    pool.deallocate(blocks[7]);
    EXPECT_EQ(blocks[7], pool.allocate()) << "the block given back last goes out first";
    pool.deallocate(nullptr);
    EXPECT_EQ(2500u, pool.liveCount());
    for (void* block : blocks)
        pool.deallocate(block);
    EXPECT_EQ(0u, pool.liveCount());
    EXPECT_EQ(0u, pool.chunkCount());
    void* again = pool.allocate();
    EXPECT_NE(nullptr, again);
    EXPECT_EQ(1u, pool.chunkCount());
    pool.deallocate(again);
}

namespace {

// A cell of a caller's own kind is larger than the pool's blocks.
class NotedCell : public UITableCell
{
public:
    explicit NotedCell(const String& text) : UITableCell(text) {}
    String note = String(u"a note longer than any cell's own fields");
};

} // namespace

TEST(UIItemPool, CellsOfEveryKindLiveAndDieWithTheirRow)
{
    auto* row = new UITableRow();
    std::vector<UITableCell*> made;
    for (int i = 0; i < 3000; ++i) {
        made.push_back(i % 100 == 0 ? new NotedCell(String::fromInt(i))
                                    : row->addTextCell(String::fromInt(i)));
        if (i % 100 == 0)
            row->addCell(made.back());
    }
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(String::fromInt(i), row->cell(i)->text()) << i;
    EXPECT_EQ(String(u"a note longer than any cell's own fields"), static_cast<NotedCell*>(made[0])->note);
    delete row;
}
