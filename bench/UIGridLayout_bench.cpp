// The grid engine on a flat form of 100 rows by 10 columns (1,000 children),
// laid out again at a new size as when the user drags a window's edge: the
// cells are rebuilt from the children's hints and the area is distributed.
// A resize must stay well inside one frame.
#include <benchmark/benchmark.h>

#include "ui/core/layout/UIGridLayout.h"

#include <vector>

namespace {

const int kRows = 100;
const int kColumns = 10;

std::vector<UIGridItem> flatForm()
{
    std::vector<UIGridItem> items(kRows * kColumns);
    for (int k = 0; k < int(items.size()); ++k) {
        // Labels in the first column, fields after them, and every
        // seventh field stretched over two columns.
        const int column = k % kColumns;
        items[k].hint = Size(40 + (k * 37) % 90, 18 + k % 5);
        items[k].sizePolicy.horizontal = column == 0 ? UISizePolicy::kFixed : UISizePolicy::kPreferred;
        items[k].sizePolicy.vertical = UISizePolicy::kFixed;
        items[k].columnSpan = column > 0 && k % 7 == 0 ? 2 : 1;
    }
    return items;
}

// range(0): 0 shares the extra space evenly, 1 by column and row stretch.
void relayoutFlatGrid(benchmark::State& state)
{
    const std::vector<UIGridItem> items = flatForm();
    UIGridLayout grid;
    grid.columnCount = kColumns;
    grid.horizontalSpacing = 6;
    grid.verticalSpacing = 4;
    if (state.range(0) == 1) {
        grid.columnStretch[1] = 30;
        grid.columnStretch[2] = 20;
        grid.rowStretch[0] = 50;
    }
    int step = 0;
    for (auto _ : state) {
        const int grow = (step++ % 20) * 10;
        grid.build(items.data(), int(items.size()));
        grid.layout(1400 + grow, 3200 + grow);
        benchmark::DoNotOptimize(grid.cell(int(items.size()) - 1));
    }
}

} // namespace

BENCHMARK(relayoutFlatGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
