// Appending many rows or items at once: each lands as one added alone
// would, refused ones are skipped, and the count is announced once.
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"

#include <vector>

namespace {

struct CountWatch : SignalReceiver
{
    std::vector<int> counts;
    void onCount(int count) { counts.push_back(count); }
};

} // namespace

TEST_F(WidgetTest, AppendingManyRowsOrItemsAnnouncesTheCountOnce)
{
    auto* tableView = new UITableView(top);
    auto* listView = new UIListView(top);
    UITable* table = tableView->table();
    UIList* list = listView->list();
    UITable* otherTable = (new UITableView(top))->table();
    UIList* otherList = (new UIListView(top))->list();
    CountWatch tableCounts, listCounts;
    table->rowCountChanged.connectWithArg(&tableCounts, &CountWatch::onCount);
    list->countChanged.connectWithArg(&listCounts, &CountWatch::onCount);
    table->addRow(new UITableRow());
    list->addItem(String(u"first"));
    auto* ownedRow = new UITableRow();
    otherTable->addRow(ownedRow);
    UIListItem* ownedItem = otherList->addItem(String(u"theirs"));

    std::vector<UITableRow*> rows = {new UITableRow(), nullptr, ownedRow, new UITableRow()};
    rows[3]->hide();
    table->appendRows(rows);
    std::vector<UIListItem*> items = {new UIListItem(), nullptr, ownedItem, new UIListItem()};
    items[3]->hide();
    list->appendItems(items);

    struct Case
    {
        const char* what;
        int count, visible, lastIndex;
        std::vector<int> announced;
        int otherCount;
    };
    const Case cases[] = {
        {"table", table->rowCount(), table->visibleRowCount(), rows[3]->index(), tableCounts.counts,
         otherTable->rowCount()},
        {"list", list->count(), list->visibleCount(), list->indexOf(items[3]), listCounts.counts,
         otherList->count()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.count, 3) << c.what;
        EXPECT_EQ(c.visible, 2) << c.what;
        EXPECT_EQ(c.lastIndex, 2) << c.what;
        EXPECT_EQ(c.announced, (std::vector<int>{1, 3})) << c.what;
        EXPECT_EQ(c.otherCount, 1) << c.what << ": another view's entry stays there";
    }
    EXPECT_EQ(ownedRow->table(), otherTable);
    EXPECT_EQ(ownedItem->list(), otherList);
    EXPECT_EQ(table->currentRow(), -1);
    EXPECT_EQ(list->currentIndex(), -1);
    table->appendRows({});
    EXPECT_EQ(tableCounts.counts.size(), 2u) << "nothing appended, nothing announced";
}
