// The list, header and table in real windows under Wine with test.style: the
// colour read back names the style property or skin frame drawn there.
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TestText.h"
#include "tests/support/UIEventRecorder.h"
#include "tests/support/UIHarness.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::UIHarness;

namespace {

class SortLog : public SignalReceiver
{
public:
    UITable* table = nullptr;
    std::vector<std::string> events;
    void onStarted() { events.push_back("started"); }
    void onFinished() { events.push_back("finished " + std::to_string(table->row(0)->tag())); }
};

class ItemViewsOnScreen : public testsupport::ScreenTest
{
protected:
    UIList* listView(int count, int mode)
    {
        auto* view = new UIListView(window);
        view->setGeometry(10, 10, 400, 300);
        view->show();
        UIList* list = view->list();
        list->setViewMode(mode);
        for (int i = 0; i < count; ++i)
            list->addItem(String(u"m"));
        UIHarness::pump();
        return list;
    }
    UITable* tableView(int count)
    {
        auto* view = new UITableView(window);
        view->setGeometry(10, 10, 400, 300);
        view->show();
        UITable* table = view->table();
        table->header()->addSection(String(u"Title"), 150, true)->setSortType(1);
        table->header()->addSection(String(u"Year"), 100, true)->setSortType(2);
        table->setSortingEnabled(true);
        for (int i = 0; i < count; ++i) {
            auto* row = new UITableRow();
            row->setTag(i);
            row->addTextCell(String::fromInt(count - i));
            row->addTextCell(String());
            table->addRow(row);
        }
        UIHarness::pump();
        return table;
    }
};

} // namespace

TEST_F(ItemViewsOnScreen, ListRowsByParityAndSelectionAndIconCells)
{
    UIList* list = listView(40, UIList::kListMode);
    list->selectIndex(1, UIList::kSelect | UIList::kRepaint);
    const int h = list->itemSize().height;
    ASSERT_GT(h, 4);
    const int x = list->width() - 4;
    EXPECT_EQ(style(u"UIList", u"defaultItemBackground"), UIHarness::screenPixel(list, Point(x, h / 2)));
    EXPECT_EQ(style(u"UIList", u"selectedItemBackground"), UIHarness::screenPixel(list, Point(x, h + h / 2)));
    EXPECT_EQ(style(u"UIList", u"alternateItemBackground"),
              UIHarness::screenPixel(list, Point(x, 3 * h + h / 2)));

    list->setViewMode(UIList::kIconMode);
    list->selectIndex(0, UIList::kSelect | UIList::kRepaint);
    UIHarness::pump();
    Rect cell = list->itemRect(0);
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_EQ(skin(u"UIList_Selection", 0), UIHarness::screenPixel(list, cell.center()));
}

TEST_F(ItemViewsOnScreen, ClickShiftClickAndDoubleClickThroughRealInput)
{
    UIList* list = listView(30, UIList::kListMode);
    list->setSelectionMode(UIList::kMultiSelection);
    const int h = list->itemSize().height;
    UIHarness::activate(window);
    UIHarness::click(list, Point(20, 2 * h + h / 2));
    UIHarness::pumpUntil([&] { return list->currentIndex() == 2; });
    const Point shifted = list->mapTo(window, Point(20, 5 * h + h / 2));
    UIHarness::postMouse(window, WM_LBUTTONDOWN, shifted, MK_LBUTTON | MK_SHIFT);
    UIHarness::postMouse(window, WM_LBUTTONUP, shifted, MK_SHIFT);
    UIHarness::pumpUntil([&] { return list->selectedCount() == 4; });
    EXPECT_EQ(4, list->selectedCount());
    EXPECT_TRUE(list->isSelected(2) && list->isSelected(5));
    EXPECT_EQ(2, list->currentIndex()) << "a Shift click keeps the current item";
    testsupport::UIEventRecorder listEvents(list);
    const Point row(20, 8 * h + h / 2);
    UIHarness::click(list, row);
    UIHarness::click(list, row);
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return listEvents.has(kDoubleClickEvent); }));
    list->parentWidget()->parentWidget()->hide();

    UITable* table = tableView(20);
    testsupport::UIEventRecorder events(table);
    const Point at(20, table->headerHeight() + 7 * table->rowHeight() + 2);
    UIHarness::click(table, at);
    UIHarness::click(table, at);
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return events.has(kDoubleClickEvent); }));
    EXPECT_EQ(7, table->currentRow());
    EXPECT_EQ(1, table->selectedCount());
}

TEST_F(ItemViewsOnScreen, TableRowsHeaderFramesGridAndHeadingSort)
{
    UITable* table = tableView(60);
    table->setStyleProperty(String(u"isDrawColumnGrid"), String(u"1"));
    table->selectRowAt(1, UITable::kSelect | UITable::kRepaint);
    UIHarness::pump();
    const int top = table->headerHeight();
    const int h = table->rowHeight();
    ASSERT_GT(top, 4);
    ASSERT_GT(h, 4);
    const int x = 140;
    EXPECT_EQ(style(u"UITable", u"alternateRowBackground"),
              UIHarness::screenPixel(table, Point(x, top + h / 2)))
        << "the first visible row counts as odd";
    EXPECT_EQ(style(u"UITable", u"selectedRowBackground"),
              UIHarness::screenPixel(table, Point(x, top + h + h / 2)));
    EXPECT_EQ(style(u"UITable", u"defaultRowBackground"),
              UIHarness::screenPixel(table, Point(x, top + 3 * h + h / 2)));
    EXPECT_EQ(skin(u"UITable_ColumnGrid", 0), UIHarness::screenPixel(table, Point(149, top + 3 * h + h / 2)));
    EXPECT_EQ(skin(u"UIHeader_ItemBackground", 0), UIHarness::screenPixel(table->header(), Point(100, 3)));

    SortLog log;
    log.table = table;
    table->sortStarted.connect(&log, &SortLog::onStarted);
    table->sortFinished.connect(&log, &SortLog::onFinished);
    UIHarness::moveMouse(table->header(), Point(60, top / 2));
    UIHarness::pump();
    EXPECT_EQ(skin(u"UIHeader_ItemBackground", 1), UIHarness::screenPixel(table->header(), Point(100, 3)))
        << "hovered";
    UIHarness::click(table->header(), Point(60, top / 2));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return log.events.size() == 2; }));
    // Titles are "60" down to "1": ascending text order puts "1" (tag 59) first.
    EXPECT_EQ((std::vector<std::string>{"started", "finished 59"}), log.events);
    EXPECT_EQ(UITable::kAscending, table->sortOrder());
    UIHarness::pump();
    EXPECT_EQ(skin(u"UIHeader_SortIndicatorDown", 0),
              UIHarness::screenPixel(table->header(), Point(3, top / 2)));
}

TEST_F(ItemViewsOnScreen, HeaderEdgeDragShowsTheResizeCursors)
{
    UITable* table = tableView(3);
    UIHeader* header = table->header();
    const int y = table->headerHeight() / 2;
    const Point start = header->mapTo(window, Point(149, y));
    UIHarness::moveMouse(window, start);
    UIHarness::postMouse(window, WM_MOUSEMOVE, start);
    UIHarness::pump();
    EXPECT_EQ(0, header->resizeSection());
    EXPECT_EQ(UIHeader::kResizeCursor, header->cursor().shape());
    UIHarness::postMouse(window, WM_LBUTTONDOWN, start, MK_LBUTTON);
    UIHarness::pump();
    UIHarness::postMouse(window, WM_MOUSEMOVE, header->mapTo(window, Point(200, y)), MK_LBUTTON);
    UIHarness::pump();
    EXPECT_EQ(202, header->section(0)->width());
    EXPECT_EQ(UIHeader::kResizeCursor, header->cursor().shape());
    UIHarness::postMouse(window, WM_MOUSEMOVE, header->mapTo(window, Point(5, y)), MK_LBUTTON);
    UIHarness::pump();
    EXPECT_EQ(header->section(0)->minimumWidth(), header->section(0)->width());
    EXPECT_EQ(UIHeader::kResizeOneWayCursor, header->cursor().shape());
    UIHarness::postMouse(window, WM_LBUTTONUP, header->mapTo(window, Point(5, y)));
    UIHarness::pump();
}

TEST_F(ItemViewsOnScreen, WheelAndPageDownScrollButNotDuringARubberBand)
{
    UIList* list = listView(100, UIList::kIconMode);
    list->setSelectionMode(UIList::kMultiSelection);
    auto* view = static_cast<UIListView*>(list->parentWidget()->parentWidget());
    UIScrollBar* bar = view->verticalScrollBar();
    ASSERT_TRUE(bar->testFlag(UIWidget::kVisible));
    UIHarness::wheel(list, Point(5, 5), false, -120);
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return bar->value() > 0; }));
    view->scrollToTop();
    UIHarness::typeAt(list, {VK_NEXT});
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return bar->value() > 0; }));
    view->scrollToTop();
    UIHarness::pump();

    // A band begins on empty room right of the last column.
    Point empty(list->width() - 2, 5);
    ASSERT_EQ(-1, list->indexAt(empty));
    UIHarness::postMouse(window, WM_LBUTTONDOWN, list->mapTo(window, empty), MK_LBUTTON);
    UIHarness::pump();
    ASSERT_TRUE(list->isBandActive());
    UIHarness::wheel(list, Point(5, 5), false, -120);
    UIHarness::pumpFor(50);
    EXPECT_EQ(0, bar->value());
    UIHarness::postMouse(window, WM_LBUTTONUP, list->mapTo(window, empty));
    UIHarness::pump();
    EXPECT_FALSE(list->isBandActive());
}

TEST_F(ItemViewsOnScreen, TableRowGridDisabledRowsPressedHeadingAndRubberBand)
{
    UITable* table = tableView(8);
    table->setStyleProperty(String(u"isDrawRowGrid"), String(u"1"));
    table->setSelectionMode(UITable::kMultiSelection);
    table->update();
    UIHarness::pump();
    const int top = table->headerHeight();
    const int h = table->rowHeight();
    const int x = 200;
    EXPECT_EQ(skin(u"UITable_RowGrid", 0), UIHarness::screenPixel(table, Point(x, top + h - 1)));
    EXPECT_EQ(style(u"UITable", u"alternateRowBackground"),
              UIHarness::screenPixel(table, Point(x, top + h / 2)));

    // Held down on a heading it stays hovered: the pressed frame.
    const Point heading = table->header()->mapTo(window, Point(60, top / 2));
    UIHarness::moveMouse(window, heading);
    UIHarness::postMouse(window, WM_MOUSEMOVE, heading);
    UIHarness::postMouse(window, WM_LBUTTONDOWN, heading, MK_LBUTTON);
    UIHarness::pump();
    EXPECT_EQ(skin(u"UIHeader_ItemBackground", 2), UIHarness::screenPixel(table->header(), Point(100, 3)));
    UIHarness::postMouse(window, WM_LBUTTONUP, heading);
    UIHarness::pump();

    // A band from the empty room below the rows over the last three.
    const Point empty(x, top + 10 * h);
    ASSERT_EQ(nullptr, table->rowAt(empty, nullptr));
    table->clearSelection(true, false);
    UIHarness::postMouse(window, WM_LBUTTONDOWN, table->mapTo(window, empty), MK_LBUTTON);
    UIHarness::postMouse(window, WM_MOUSEMOVE, table->mapTo(window, Point(x - 30, top + 5 * h + 2)),
                         MK_LBUTTON);
    UIHarness::pump();
    EXPECT_EQ(3, table->selectedCount());
    EXPECT_TRUE(table->isRowSelected(5) && table->isRowSelected(7));
    EXPECT_EQ(skin(u"UITable_SelectionRect", 0), UIHarness::screenPixel(table, Point(x - 15, top + 9 * h)));
    UIHarness::postMouse(window, WM_LBUTTONUP, table->mapTo(window, Point(x - 30, top + 5 * h + 2)));
    UIHarness::pump();

    table->setEnabled(false);
    UIHarness::pump();
    EXPECT_EQ(style(u"UITable", u"disabledAlternateRowBackground"),
              UIHarness::screenPixel(table, Point(x, top + h / 2)));
    EXPECT_EQ(style(u"UITable", u"disabledBackground"),
              UIHarness::screenPixel(table, Point(x, top + h + h / 2)));
}
