#include "ui/core/layout/UIGridLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const int F = UISizePolicy::kFixed;
const int P = UISizePolicy::kPreferred;
const int E = UISizePolicy::kExpanding;

// One child: its hint, one policy for both directions, its spans.
UIGridItem item(int width, int height, int policy, int columnSpan, int rowSpan)
{
    return {Size(width, height), {policy, policy}, rowSpan, columnSpan};
}

UIGridItem child(int width, int policy, int columnSpan = 1)
{
    return item(width, 10, policy, columnSpan, 1);
}

struct PassCase
{
    const char* name;
    std::vector<UIGridItem> children;
    int columnCount, spacing;
    std::vector<float> columnStretch, rowStretch;
    int width, height;
    std::vector<int> widths, heights; // heights empty: not checked
};

void runPass(const PassCase& c)
{
    UIGridLayout grid;
    grid.columnCount = c.columnCount;
    grid.horizontalSpacing = grid.verticalSpacing = c.spacing;
    std::copy(c.columnStretch.begin(), c.columnStretch.end(), grid.columnStretch);
    std::copy(c.rowStretch.begin(), c.rowStretch.end(), grid.rowStretch);
    ASSERT_TRUE(grid.build(c.children.data(), int(c.children.size()))) << c.name;
    grid.layout(c.width, c.height);
    for (size_t k = 0; k < c.widths.size(); ++k)
        EXPECT_EQ(grid.cell(int(k)).width, c.widths[k]) << c.name << ", cell " << k;
    for (size_t k = 0; k < c.heights.size(); ++k)
        EXPECT_EQ(grid.cell(int(k)).height, c.heights[k]) << c.name << ", cell " << k;
}

} // namespace

TEST(UIGridLayout, DistributesAreaByPolicyStretchAndSpan)
{
    const std::vector<UIGridItem> three = {child(50, P), child(60, P), child(70, P)};
    const std::vector<UIGridItem> tenTen = {child(10, P), child(10, P), child(10, P)};
    const std::vector<UIGridItem> fortySixty = {child(40, P), child(60, F)};
    // Past the stretch tables every line counts as factor 0 and takes no
    // share; the rounding remainder returns what they would have had to the
    // line of the largest factor.
    const std::vector<UIGridItem> thirty(30, child(10, P));
    std::vector<int> past(30, 10);
    std::fill(past.begin() + 1, past.begin() + 24, 70);
    past[0] = 1530;
    // clang-format off
    const std::vector<PassCase> cases = {
        {"even shares, remainder to last flexible", three, 0, 0, {}, {}, 200, 10, {56, 66, 78}, {10, 10, 10}},
        {"middle expanding", {child(50, P), child(60, E), child(70, P)},
         0, 0, {}, {}, 200, 10, {50, 80, 70}, {}},
        {"two expanding, extra 21", {child(50, E), child(50, E)}, 0, 0, {}, {}, 121, 10, {60, 61}, {}},
        {"even remainder skips a fixed last column", fortySixty, 0, 0, {}, {}, 121, 10, {51, 70}, {}},
        {"stretch 50 and 0", fortySixty, 0, 0, {50, 0}, {}, 121, 10, {50, 71}, {}},
        {"stretch 30 and 30", fortySixty, 0, 0, {30, 30}, {}, 130, 10, {70, 60}, {}},
        {"stretch 100 and 0", fortySixty, 0, 0, {100, 0}, {}, 130, 10, {70, 60}, {}},
        {"stretch 50 25 25 on columns", tenTen, 0, 0, {50, 25, 25}, {}, 32, 10, {10, 11, 11}, {}},
        {"stretch 50 25 25 on rows", tenTen, 1, 0, {}, {50, 25, 25}, 10, 32, {10, 10, 10}, {11, 11, 11}},
        {"area below the hints",
         {child(50, P), child(60, P), child(70, P), child(30, P), child(80, P), child(10, P)},
         3, 0, {}, {}, 100, 0, {50, 80, 70, 50, 80, 70}, {}},
        {"negative spacing is not subtracted", three, 0, -5, {}, {}, 200, 10, {56, 66, 78}, {}},
        {"positive spacing is subtracted", three, 0, 5, {}, {}, 200, 10, {53, 63, 74}, {}},
        {"span offered exactly its columns", {child(50, P), child(60, P), child(80, P, 2)},
         2, 4, {}, {}, 200, 0, {93, 103, 200}, {}},
        {"wide span widens its last column", {child(50, F), child(60, P), child(300, P, 2)},
         2, 4, {}, {}, 200, 0, {50, 246, 300}, {}},
        {"wide span widens its flexible column", {child(50, P), child(60, F), child(300, P, 2)},
         2, 4, {}, {}, 200, 0, {236, 60, 300}, {}},
        {"wide span over two flexible columns widens the one before its last",
         {child(50, P), child(60, P), child(300, P, 2)}, 2, 0, {}, {}, 0, 0, {240, 60, 300}, {}},
        {"wide span widens only a column it covers",
         {child(50, P), child(60, F), child(70, F), child(10, P), child(200, P, 2)},
         3, 4, {}, {}, 0, 0, {50, 60, 136, 50, 200}, {}},
        {"30 columns", thirty, 0, 0, {40}, {}, 3200, 10, past, {}},
        {"30 rows", thirty, 1, 0, {}, {40}, 10, 3200, {}, past},
    };
    // clang-format on
    for (const PassCase& c : cases)
        runPass(c);
}

TEST(UIGridLayout, PlacesCellsInFillOrder)
{
    struct Case
    {
        const char* name;
        int verticalFlow, wrap;
        std::vector<UIGridItem> children;
        std::vector<std::vector<int>> expected; // row, column, spans, expanding, flexible
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"span clipped at the row's end", 0, 4, {child(10, P), child(10, F), child(10, E, 3), child(10, P)},
         {{0, 0, 1, 1, 0, 1}, {0, 1, 1, 1, 0, 0}, {0, 2, 2, 1, 1, 1}, {1, 0, 1, 1, 0, 1}}},
        {"column flow clips row spans, wraps", 1, 2,
         {item(10, 10, E, 3, 1), item(10, 10, F, 1, 2), item(10, 10, P, 1, 1)},
         {{0, 0, 3, 1, 1, 1}, {1, 0, 1, 1, 0, 0}, {0, 1, 1, 1, 0, 1}}},
        {"spans below one take one cell", 0, 0, {child(10, P, 0), child(10, P, -3), item(10, 10, P, 1, -1)},
         {{0, 0, 1, 1, 0, 1}, {0, 1, 1, 1, 0, 1}, {0, 2, 1, 1, 0, 1}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        UIGridLayout grid;
        grid.verticalFlow = c.verticalFlow;
        grid.columnCount = grid.rowCount = c.wrap;
        ASSERT_TRUE(grid.build(c.children.data(), int(c.children.size()))) << c.name;
        ASSERT_EQ(grid.cellCount(), int(c.expected.size())) << c.name;
        for (size_t k = 0; k < c.expected.size(); ++k) {
            const UIGridCell& got = grid.cell(int(k));
            EXPECT_EQ(std::vector<int>(
                          {got.row, got.column, got.columnSpan, got.rowSpan, got.expanding, got.flexible}),
                      c.expected[k])
                << c.name << ", cell " << k;
        }
    }
}

TEST(UIGridLayout, RefusedBuildKeepsTheCells)
{
    UIGridLayout grid;
    std::vector<UIGridItem> items = {child(50, P), child(60, P)};
    EXPECT_FALSE(grid.build(items.data(), 0));
    EXPECT_FALSE(grid.hasCells());
    EXPECT_EQ(grid.columnCountOfCells(), 1);
    ASSERT_TRUE(grid.build(items.data(), 2));
    grid.layoutEnabled = 0;
    items[0].hint = Size(90, 10);
    EXPECT_FALSE(grid.build(items.data(), 2));
    EXPECT_EQ(grid.columnWidth(0), 50);
    grid.layoutEnabled = 1;
    ASSERT_TRUE(grid.build(items.data(), 1));
    EXPECT_EQ(grid.cellCount(), 1);
    EXPECT_EQ(grid.columnWidth(0), 90);
}

// Spans and sizes at the ends of the int range neither overflow nor walk
// through billions of empty lines; sizes and rounding stop at the range's end.
TEST(UIGridLayout, HugeSpansSizesAndRoundingStayInRange)
{
    const int kMax = std::numeric_limits<int>::max();
    const int kMin = std::numeric_limits<int>::min();
    UIGridLayout grid;
    grid.horizontalSpacing = grid.verticalSpacing = kMax;
    std::vector<UIGridItem> items = {item(kMax, 10, P, 1, kMax), item(10, 10, P, kMax, 1)};
    ASSERT_TRUE(grid.build(items.data(), 2));
    EXPECT_EQ(grid.cell(1).columnSpan, 1);
    grid.layout(kMax, kMax);
    EXPECT_TRUE(grid.cell(0).width == kMax && grid.cell(0).height == kMax);
    EXPECT_TRUE(grid.cell(1).width == 10 && grid.cell(1).height == kMax);
    const std::pair<float, int> rounding[] = {{0.5f, 1}, {0.49f, 0},    {-0.5f, -1},    {-1.49f, -1},
                                              {2.5f, 3}, {1e20f, kMax}, {-1e20f, kMin}, {std::nanf(""), 0}};
    for (const auto& r : rounding)
        EXPECT_EQ(UIGridLayout::roundToInt(r.first), r.second) << r.first;
}
