// Timings under Wine and Xvfb, medians, of the item views at 100,000 movies
// in a real 1000 x 700 window with white.style:
//   filling, clearing and refilling an icon-mode list (scroll bars and
//   updates off), a table of 16 short text cells a row, sorting that table by
//   a text and by a numeric column, and each scroll step (Page Down, wheel,
//   thumb to the end, End) with its repaint. Each fill is timed item by item
//   with every text made at once, and as the main window fills (items
//   appended at once, grid items with their title only, table rows making
//   their cells on first need).
//   wine itemviews_timing.exe [folder of white.style]
#include "bench/wine/Median.h"
#include "foundation/system/MessageLoop.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
const int kMovies = 100000;
const int kColumns = 16;

double timeOf(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    GdiFlush();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double medianOf(int runs, const std::function<void()>& work, const std::function<void()>& between = nullptr)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(timeOf(work));
        if (between)
            between();
    }
    return median(times);
}

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

void send(UIWidget* widget, UIEvent&& event)
{
    MessageLoop::instance()->sendEvent(&event, widget);
}

template <typename View> void fillQuietly(View* view, const std::function<void()>& fill)
{
    view->setScrollBarsEnabled(false);
    view->setUpdatesEnabled(false);
    fill();
    view->setScrollBarsEnabled(true);
    view->setUpdatesEnabled(true);
}

// Page Down, a wheel notch, the thumb to the end and End, each repainted.
template <typename View> void timeScrolling(const char* what, View* view, UIWidget* content)
{
    UIScrollBar* bar = view->verticalScrollBar();
    auto top = [&] { view->scrollToTop(); };
    std::printf("%s: Page Down %.2f ms, wheel %.2f ms, thumb to the end %.2f ms, End %.2f ms\n", what,
                medianOf(21, [&] { send(content, UIKeyEvent(kKeyPressEvent, VK_NEXT, 0, String())); }),
                medianOf(21, [&] { send(content, UIWheelEvent(Point(5, 5), -120, 0, 3)); }),
                medianOf(
                    21, [&] { bar->setValue(bar->maximum()); }, top),
                medianOf(
                    21, [&] { send(content, UIKeyEvent(kKeyPressEvent, VK_END, 0, String())); },
                    [&] { send(content, UIKeyEvent(kKeyPressEvent, VK_HOME, 0, String())); }));
}

// A row that makes its cells when the table first needs them, as the main
// window's rows do from their movie.
class DeferredRow : public UITableRow
{
public:
    DeferredRow(const Texts& texts, int k) : m_texts(texts), m_k(k) { setDeferredCellCount(kColumns); }

protected:
    UITableCell* makeCell(int column) override
    {
        if (column == 0)
            return new UITableCell(m_texts.titles[size_t(m_k)]);
        if (column == 1) {
            auto* cell = new UITableCell(m_texts.years[size_t(m_k)]);
            cell->setSortValue(double((m_k * 31) % 97));
            return cell;
        }
        return new UITableCell(m_texts.shortText);
    }

private:
    const Texts& m_texts;
    int m_k;
};

void timeList(UIWidget* window, const Texts& texts)
{
    auto* view = new UIListView(window);
    view->setGeometry(0, 0, 1000, 700);
    view->show();
    UIList* list = view->list();
    list->setViewMode(UIList::kIconMode);
    list->setItemSize(Size(148, 198));
    auto fill = [&] {
        for (int k = 0; k < kMovies; ++k)
            list->addItem(texts.titles[size_t(k)], texts.years[size_t(k)], Image());
    };
    std::printf("icon-mode list: fill, clear and refill %.1f ms\n", medianOf(
                                                                        5,
                                                                        [&] {
                                                                            fillQuietly(view, [&] {
                                                                                fill();
                                                                                list->clear();
                                                                                fill();
                                                                            });
                                                                        },
                                                                        [&] { list->clear(); }));
    auto append = [&] {
        std::vector<UIListItem*> items;
        items.reserve(kMovies);
        for (int k = 0; k < kMovies; ++k) {
            auto* item = new UIListItem();
            item->setTag(k);
            item->setText(texts.titles[size_t(k)]);
            items.push_back(item);
        }
        list->appendItems(items);
    };
    std::printf("  as the main window fills it: %.1f ms\n", medianOf(
                                                                  5,
                                                                  [&] {
                                                                      fillQuietly(view, [&] {
                                                                          append();
                                                                          list->clear();
                                                                          append();
                                                                      });
                                                                  },
                                                                  [&] { list->clear(); }));
    fillQuietly(view, append);
    list->setCurrentIndexAndSelect(0);
    MessageLoop::instance()->mainLoop().processPendingEvents();
    timeScrolling("icon-mode list, 148 x 198 icons", view, list);
    delete view;
}

void timeTable(UIWidget* window, const Texts& texts)
{
    auto* view = new UITableView(window);
    view->setGeometry(0, 0, 1000, 700);
    view->show();
    UITable* table = view->table();
    for (int c = 0; c < kColumns; ++c)
        table->header()->addSection(String(u"Column"), 80, true)->setSortType(c == 1 ? 2 : 1);
    table->setSortingEnabled(true);
    const String shortText(u"abc");
    auto fill = [&] {
        for (int k = 0; k < kMovies; ++k) {
            auto* row = new UITableRow();
            row->addTextCell(texts.titles[size_t(k)]);
            row->addTextCell(texts.years[size_t(k)])->setSortValue(double((k * 31) % 97));
            for (int c = 2; c < kColumns; ++c)
                row->addTextCell(shortText);
            table->addRow(row);
        }
    };
    std::printf("table of 16 text cells a row: fill %.1f ms\n",
                medianOf(
                    5, [&] { fillQuietly(view, fill); }, [&] { table->clear(); }));
    fillQuietly(view, fill);
    int order = UITable::kAscending;
    auto flip = [&] { order = order == UITable::kAscending ? UITable::kDescending : UITable::kAscending; };
    std::printf("  sort by text %.1f ms, by number %.1f ms\n",
                medianOf(
                    5, [&] { table->sort(0, order); }, flip),
                medianOf(
                    5, [&] { table->sort(1, order); }, flip));
    table->selectRow(0);
    MessageLoop::instance()->mainLoop().processPendingEvents();
    timeScrolling("table", view, table);

    table->clear();
    auto append = [&] {
        std::vector<UITableRow*> rows;
        rows.reserve(kMovies);
        for (int k = 0; k < kMovies; ++k)
            rows.push_back(new DeferredRow(texts, k));
        table->appendRows(rows);
    };
    std::printf("table as the main window fills it: fill %.1f ms\n",
                medianOf(
                    5, [&] { fillQuietly(view, append); }, [&] { table->clear(); }));
    // The first sort after a fill makes the sorted column's cells.
    auto refill = [&] {
        table->clear();
        fillQuietly(view, append);
    };
    refill();
    double byText = medianOf(
        5, [&] { table->sort(0, UITable::kDescending); }, refill);
    double byNumber = medianOf(
        5, [&] { table->sort(1, UITable::kDescending); }, refill);
    std::printf("  first sort by text %.1f ms, by number %.1f ms\n", byText, byNumber);
    table->selectRow(0);
    MessageLoop::instance()->mainLoop().processPendingEvents();
    timeScrolling("table as the main window fills it", view, table);
    delete view;
}

} // namespace

int main(int argc, char** argv)
{
    MessageLoop::create();
    const std::string folder = argc > 1 ? argv[1] : "..";
    const std::string style = folder + "\\white.style";
    if (!UIApplication::instance()->loadTheme(String::fromUtf8(style.c_str()))) {
        std::printf("cannot load %s\n", style.c_str());
        return 1;
    }
    UIWidget window(nullptr);
    window.setFlag(UIWidget::kWindow, true);
    window.setWindowFlags(UINativeWindow::kFrameless);
    window.setStyleName(String(u"UIWindow"));
    window.setLayoutEnabled(false);
    window.setGeometry(0, 0, 1000, 700);
    window.show();
    MessageLoop::instance()->mainLoop().processPendingEvents();
    const Texts texts;
    timeList(&window, texts);
    timeTable(&window, texts);
    return 0;
}
