// List geometry by arithmetic against a walk over every item, the way a
// painter visiting all items would place them.
#include "ui/widgets/items/UIListGeometry.h"
#include "ui/widgets/items/UIVisibleRanks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Every visible item's rectangle, in item order; hidden items get none.
std::vector<Rect> walk(const UIListGeometry& g, const std::vector<bool>& visible)
{
    std::vector<Rect> rects(visible.size());
    int columns = g.columnCount(int(visible.size()));
    int x = g.scrollOffset.x;
    int y = g.scrollOffset.y;
    int inRow = 0;
    for (size_t i = 0; i < visible.size(); ++i) {
        if (!visible[i])
            continue;
        if (g.mode == UIListGeometry::kListMode) {
            rects[i] = Rect(g.scrollOffset.x, y, g.width, g.rowHeight);
            y += g.rowHeight;
            continue;
        }
        const UIMargins& m = g.cellMargins;
        rects[i] = Rect(x + m.left, y + m.top, g.cellSize.width, g.cellSize.height);
        x = rects[i].x + rects[i].width;
        if (++inRow == columns) {
            inRow = 0;
            x = g.scrollOffset.x;
            y += g.cellSize.height + m.top + m.bottom;
        }
    }
    return rects;
}

int walkIndexAt(const std::vector<Rect>& rects, const std::vector<bool>& visible, const Point& p)
{
    for (size_t i = 0; i < rects.size(); ++i) {
        if (visible[i] && rects[i].contains(p))
            return int(i);
    }
    return -1;
}

struct Case
{
    int mode;
    int count;
    int hiddenPercent;
    Size cell;
    UIMargins margins;
    int maximumColumns;
    Point offset;
};

} // namespace

TEST(UIListGeometry, RectanglesHitsAndPaintRangeMatchAWalkOverAllItems)
{
    const Case cases[] = {
        {UIListGeometry::kListMode, 50, 0, Size(), UIMargins(), 0, Point(0, 0)},
        {UIListGeometry::kListMode, 200, 30, Size(), UIMargins(), 0, Point(-3, -517)},
        {UIListGeometry::kListMode, 7, 100, Size(), UIMargins(), 0, Point(0, 0)},
        {UIListGeometry::kIconMode, 120, 0, Size(40, 50), UIMargins(3, 4, 5, 6), 0, Point(0, -90)},
        {UIListGeometry::kIconMode, 333, 25, Size(37, 41), UIMargins(0, 2, 9, 1), 0, Point(-11, -1234)},
        {UIListGeometry::kIconMode, 90, 40, Size(20, 20), UIMargins(5, 5, 5, 5), 3, Point(0, -33)},
        {UIListGeometry::kIconMode, 64, 10, Size(300, 20), UIMargins(), 0, Point(0, 0)},
        // Negative margins: neighbours overlap, and the earlier item wins there.
        {UIListGeometry::kIconMode, 150, 0, Size(40, 50), UIMargins(-8, -6, 2, -5), 0, Point(0, -40)},
        {UIListGeometry::kIconMode, 150, 20, Size(40, 50), UIMargins(-8, -6, 2, -5), 0, Point(-7, -3)},
    };
    std::mt19937 random(33);
    for (const Case& c : cases) {
        UIListGeometry g;
        g.mode = c.mode;
        g.width = 230;
        g.height = 170;
        g.rowHeight = 17;
        g.cellSize = c.cell;
        g.cellMargins = c.margins;
        g.maximumColumns = c.maximumColumns;
        g.scrollOffset = c.offset;
        std::vector<bool> visible(size_t(c.count));
        for (size_t i = 0; i < visible.size(); ++i)
            visible[i] = int(random() % 100) >= c.hiddenPercent;
        UIVisibleRanks ranks;
        ranks.rebuild(c.count, [&](int i) { return bool(visible[size_t(i)]); });
        std::vector<Rect> expected = walk(g, visible);
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << " count " << c.count << " columns " << g.columnCount(c.count));

        int first = 0;
        int last = 0;
        g.paintRange(c.count, ranks.visibleCount(), &first, &last);
        for (int i = 0; i < c.count; ++i) {
            int rank = ranks.rankOfIndex(i);
            ASSERT_EQ(visible[size_t(i)], rank >= 0) << i;
            if (rank < 0)
                continue;
            ASSERT_EQ(i, ranks.indexOfRank(rank));
            Rect r = g.itemRect(rank, c.count);
            ASSERT_EQ(expected[size_t(i)], r) << i;
            if (g.isOnScreen(r)) {
                ASSERT_TRUE(rank >= first && rank < last) << "on screen but not painted: " << i;
            }
        }
        EXPECT_LE(last - first, 3 * (g.height / 17 + 2) * g.columnCount(c.count))
            << "paints only the rows in view";
        for (int k = 0; k < 400; ++k) {
            Point p(int(random() % 300) - 20, int(random() % 400) - 30);
            int rank = g.rankAt(p, c.count, ranks.visibleCount());
            ASSERT_EQ(walkIndexAt(expected, visible, p), ranks.indexOfRank(rank)) << p.x << "," << p.y;
        }
    }
}

TEST(UIListGeometry, CountsAndContentSize)
{
    struct Row
    {
        int mode, width, cellWidth, marginLeft, marginRight, maximum, count, visible;
        int columns, rows;
        Size content;
    };
    const Row rows[] = {
        {UIListGeometry::kListMode, 100, 0, 0, 0, 0, 0, 0, 1, 1, Size(70, 70)},
        {UIListGeometry::kListMode, 100, 0, 0, 0, 0, 9, 4, 1, 9, Size(70, 4 * 10)},
        {UIListGeometry::kIconMode, 100, 30, 0, 0, 0, 0, 0, 1, 1, Size(70, 70)},
        // (2 + 3) / 2 = 2: a step of 32, three fit in 100 though the cells with
        // both margins (35 each) are wider.
        {UIListGeometry::kIconMode, 100, 30, 2, 3, 0, 10, 10, 3, 4, Size(105, 4 * 22)},
        {UIListGeometry::kIconMode, 96, 30, 2, 3, 0, 7, 5, 3, 3, Size(105, 2 * 22)},
        {UIListGeometry::kIconMode, 100, 30, 2, 3, 2, 7, 7, 2, 4, Size(70, 4 * 22)},
        {UIListGeometry::kIconMode, 20, 30, 0, 0, 0, 5, 0, 1, 5, Size(30, 22)},
        {UIListGeometry::kIconMode, 100, 0, 0, 0, 0, 5, 5, 1, 5, Size(0, 5 * 22)},
        {UIListGeometry::kIconMode, 100, -4, 1, 1, 0, 5, 5, 1, 5, Size(-2, 5 * 22)},
    };
    for (const Row& r : rows) {
        UIListGeometry g;
        g.mode = r.mode;
        g.width = r.width;
        g.rowHeight = 10;
        g.cellSize = Size(r.cellWidth, 20);
        g.cellMargins = UIMargins(r.marginLeft, 1, r.marginRight, 1);
        g.maximumColumns = r.maximum;
        SCOPED_TRACE(testing::Message() << "width " << r.width << " count " << r.count);
        EXPECT_EQ(r.columns, g.columnCount(r.count));
        EXPECT_EQ(r.rows, g.rowCount(r.count));
        EXPECT_EQ(r.content, g.contentSize(r.count, r.visible));
    }
}
