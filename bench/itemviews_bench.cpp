// The item views at a whole collection: 100,000 movies filled (scroll bars
// and updates off), cleared and refilled; a table of 16 short text cells a
// row sorted by a text and a numeric column; and one scroll step with its
// repaint, painted into a null device so that only the views' own share is
// measured. Each fill is timed twice: item by item with every text made at
// once, and as the main window fills (items appended at once, grid items
// with their title only, table rows making their cells on first need).
#include "bench/NullPaintDevice.h"
#include "foundation/system/MessageLoop.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const int kMovies = 100000;
const int kColumns = 16;

struct NullPainting
{
    NullPainting() { PaintDevice::setCurrent(&device); }
    ~NullPainting() { PaintDevice::setCurrent(previous); }
    NullDevice device;
    FakeTarget target;
    PaintDevice* previous = PaintDevice::current();
};

// The texts exist before the fill, as the collection's records hold them.
struct Texts
{
    Texts()
    {
        for (int k = 0; k < kMovies; ++k) {
            titles.push_back(String(u"Movie ") + String::fromInt((k * 7919) % kMovies));
            years.push_back(String::fromInt(1950 + k % 70));
        }
    }
    std::vector<String> titles;
    std::vector<String> years;
    String shortText = String(u"abc");
};

const Texts& texts()
{
    static const Texts made;
    return made;
}

void fillList(UIList* list)
{
    const Texts& t = texts();
    for (int k = 0; k < kMovies; ++k)
        list->addItem(t.titles[size_t(k)], t.years[size_t(k)], Image());
}

// As the main window fills its grid: the title alone, appended at once.
void appendList(UIList* list)
{
    const Texts& t = texts();
    std::vector<UIListItem*> items;
    items.reserve(kMovies);
    for (int k = 0; k < kMovies; ++k) {
        auto* item = new UIListItem();
        item->setTag(k);
        item->setText(t.titles[size_t(k)]);
        items.push_back(item);
    }
    list->appendItems(items);
}

UIListView* iconView(const char* cell)
{
    auto* view = new UIListView(nullptr);
    view->resize(800, 600);
    view->show();
    UIList* list = view->list();
    list->setStyleProperty(String(u"iconModeItemSize"), String::fromUtf8(cell));
    list->setStyleProperty(String(u"iconModeItemMargin"), String(u"6,6,6,6"));
    list->setStyleProperty(String(u"listModeItemHeight"), String(u"22"));
    list->setViewMode(UIList::kIconMode);
    return view;
}

void BM_IconListFillClearRefill(benchmark::State& state)
{
    MessageLoop::create();
    UIListView* view = iconView("120,180");
    for (auto _ : state) {
        view->setScrollBarsEnabled(false);
        view->setUpdatesEnabled(false);
        fillList(view->list());
        view->list()->clear();
        fillList(view->list());
        view->setScrollBarsEnabled(true);
        view->setUpdatesEnabled(true);
        state.PauseTiming();
        view->list()->clear();
        state.ResumeTiming();
    }
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_IconListFillClearRefill)->Unit(benchmark::kMillisecond);

void BM_IconListAppendClearReappend(benchmark::State& state)
{
    MessageLoop::create();
    UIListView* view = iconView("148,198");
    for (auto _ : state) {
        view->setScrollBarsEnabled(false);
        view->setUpdatesEnabled(false);
        appendList(view->list());
        view->list()->clear();
        appendList(view->list());
        view->setScrollBarsEnabled(true);
        view->setUpdatesEnabled(true);
        state.PauseTiming();
        view->list()->clear();
        state.ResumeTiming();
    }
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_IconListAppendClearReappend)->Unit(benchmark::kMillisecond);

UITableView* tableView()
{
    auto* view = new UITableView(nullptr);
    view->resize(1000, 600);
    view->show();
    UITable* table = view->table();
    table->setStyleProperty(String(u"rowHeight"), String(u"22"));
    table->header()->setStyleProperty(String(u"minimumHeight"), String(u"24"));
    for (int c = 0; c < kColumns; ++c)
        table->header()->addSection(String(u"Column"), 80, true)->setSortType(c == 1 ? 2 : 1);
    table->setSortingEnabled(true);
    return view;
}

void fillTable(UITable* table)
{
    const Texts& t = texts();
    for (int k = 0; k < kMovies; ++k) {
        auto* row = new UITableRow();
        row->addTextCell(t.titles[size_t(k)]);
        row->addTextCell(t.years[size_t(k)])->setSortValue(double((k * 31) % 97));
        for (int c = 2; c < kColumns; ++c)
            row->addTextCell(t.shortText);
        table->addRow(row);
    }
}

// A row that makes its cells when the table first needs them, as the main
// window's rows do from their movie.
class DeferredRow : public UITableRow
{
public:
    explicit DeferredRow(int k) : m_k(k) { setDeferredCellCount(kColumns); }

protected:
    UITableCell* makeCell(int column) override
    {
        const Texts& t = texts();
        if (column == 0)
            return new UITableCell(t.titles[size_t(m_k)]);
        if (column == 1) {
            auto* cell = new UITableCell(t.years[size_t(m_k)]);
            cell->setSortValue(double((m_k * 31) % 97));
            return cell;
        }
        return new UITableCell(t.shortText);
    }

private:
    int m_k;
};

void appendTable(UITable* table)
{
    std::vector<UITableRow*> rows;
    rows.reserve(kMovies);
    for (int k = 0; k < kMovies; ++k)
        rows.push_back(new DeferredRow(k));
    table->appendRows(rows);
}

void quietly(UITableView* view, void (*fill)(UITable*))
{
    view->setScrollBarsEnabled(false);
    view->setUpdatesEnabled(false);
    fill(view->table());
    view->setScrollBarsEnabled(true);
    view->setUpdatesEnabled(true);
}

void BM_TableAppendDeferred(benchmark::State& state)
{
    MessageLoop::create();
    UITableView* view = tableView();
    for (auto _ : state) {
        quietly(view, appendTable);
        state.PauseTiming();
        view->table()->clear();
        state.ResumeTiming();
    }
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_TableAppendDeferred)->Unit(benchmark::kMillisecond);

// The first sort after a fill makes the sorted column's cells.
void firstSortBench(benchmark::State& state, int column)
{
    MessageLoop::create();
    UITableView* view = tableView();
    for (auto _ : state) {
        state.PauseTiming();
        view->table()->clear();
        quietly(view, appendTable);
        state.ResumeTiming();
        view->table()->sort(column, UITable::kDescending);
    }
    delete view;
    MessageLoop::destroy();
}

void BM_TableFirstSortByTextDeferred(benchmark::State& state)
{
    firstSortBench(state, 0);
}
BENCHMARK(BM_TableFirstSortByTextDeferred)->Unit(benchmark::kMillisecond);

void BM_TableFirstSortByNumberDeferred(benchmark::State& state)
{
    firstSortBench(state, 1);
}
BENCHMARK(BM_TableFirstSortByNumberDeferred)->Unit(benchmark::kMillisecond);

void BM_TableFill16Cells(benchmark::State& state)
{
    MessageLoop::create();
    UITableView* view = tableView();
    for (auto _ : state) {
        view->setScrollBarsEnabled(false);
        view->setUpdatesEnabled(false);
        fillTable(view->table());
        view->setScrollBarsEnabled(true);
        view->setUpdatesEnabled(true);
        state.PauseTiming();
        view->table()->clear();
        state.ResumeTiming();
    }
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_TableFill16Cells)->Unit(benchmark::kMillisecond);

void sortBench(benchmark::State& state, int column)
{
    MessageLoop::create();
    UITableView* view = tableView();
    fillTable(view->table());
    int order = UITable::kAscending;
    for (auto _ : state) {
        view->table()->sort(column, order);
        order = order == UITable::kAscending ? UITable::kDescending : UITable::kAscending;
    }
    delete view;
    MessageLoop::destroy();
}

void BM_TableSortByText(benchmark::State& state)
{
    sortBench(state, 0);
}
BENCHMARK(BM_TableSortByText)->Unit(benchmark::kMillisecond);

void BM_TableSortByNumber(benchmark::State& state)
{
    sortBench(state, 1);
}
BENCHMARK(BM_TableSortByNumber)->Unit(benchmark::kMillisecond);

// One Page Down and the repaint of what it shows; back to the top at the end.
template <typename View, typename Content>
void scrollStep(benchmark::State& state, View* view, Content* content)
{
    NullPainting null;
    for (auto _ : state) {
        int before = view->verticalScrollBar()->value();
        view->pageDown();
        if (view->verticalScrollBar()->value() == before)
            view->scrollToTop();
        Painter painter(&null.target);
        content->draw(painter);
    }
    state.counters["texts"] = benchmark::Counter(null.device.texts, benchmark::Counter::kAvgIterations);
}

void BM_IconListScrollStep(benchmark::State& state)
{
    MessageLoop::create();
    UIListView* view = iconView("148,198");
    fillList(view->list());
    view->relayout();
    scrollStep(state, view, view->list());
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_IconListScrollStep)->Unit(benchmark::kMicrosecond);

void BM_TableScrollStep(benchmark::State& state)
{
    MessageLoop::create();
    UITableView* view = tableView();
    fillTable(view->table());
    view->relayout();
    scrollStep(state, view, view->table());
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_TableScrollStep)->Unit(benchmark::kMicrosecond);

// Each step makes the cells of the rows it brings into view.
void BM_TableScrollStepDeferred(benchmark::State& state)
{
    MessageLoop::create();
    UITableView* view = tableView();
    appendTable(view->table());
    view->relayout();
    scrollStep(state, view, view->table());
    delete view;
    MessageLoop::destroy();
}
BENCHMARK(BM_TableScrollStepDeferred)->Unit(benchmark::kMicrosecond);

} // namespace
