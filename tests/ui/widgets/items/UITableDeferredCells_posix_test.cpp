// Rows that make their cells on first need: a paint makes only the cells in
// view, a sort only its column's, reading a cell makes it, and forgotten
// cells are made again with what the row holds now.
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <string>
#include <vector>

namespace {

// Three columns: a name, a number and a note; counts what it made.
class LazyRow : public UITableRow
{
public:
    LazyRow(int tag, std::vector<int>* made) : m_made(made)
    {
        setTag(tag);
        setDeferredCellCount(3);
    }
    void forget() { forgetDeferredCells(); }
    std::string name = "row";
    bool refuse = false;

protected:
    UITableCell* makeCell(int column) override
    {
        if (refuse)
            return nullptr;
        ++(*m_made)[size_t(column)];
        if (column == 1) {
            auto* cell = new UITableCell(String());
            cell->setSortValue(-tag());
            return cell;
        }
        std::string text = column == 0 ? name + std::to_string(tag()) : "n";
        return new UITableCell(String::fromUtf8(text.data(), int(text.size())));
    }

private:
    std::vector<int>* m_made;
};

class DeferredCellsTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        view = new UITableView(top);
        for (UIScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()})
            bar->setStyleProperty(String(u"thickness"), String(u"10"));
        table = view->table();
        table->setSortingEnabled(true);
        table->header()->setStyleProperty(String(u"minimumHeight"), String(u"20"));
        table->setStyleProperty(String(u"rowHeight"), String(u"10"));
        table->header()->addSection(String(u"Title"), 100, true)->setSortType(1);
        table->header()->addSection(String(u"Year"), 60, true)->setSortType(2);
        table->header()->addSection(String(u"Note"), 60, true);
        view->setGeometry(0, 0, 300, 120);
        view->show();
        for (int i = 0; i < 50; ++i) {
            rows.push_back(new LazyRow(i + 1, &made));
            table->addRow(rows.back());
        }
    }
    std::vector<std::string> paint()
    {
        CurrentRecorder recorder;
        FakeTarget target;
        {
            Painter painter(&target);
            table->draw(painter);
        }
        std::vector<std::string> texts;
        for (const std::string& line : recorder.device.log) {
            if (line.rfind("text '", 0) == 0)
                texts.push_back(line.substr(6, line.find('\'', 6) - 6));
        }
        return texts;
    }
    int madeIn(int column) const
    {
        int count = 0;
        for (const LazyRow* row : rows)
            count += row->isCellMade(column) ? 1 : 0;
        return count;
    }

    UITableView* view = nullptr;
    UITable* table = nullptr;
    std::vector<LazyRow*> rows;
    std::vector<int> made = std::vector<int>(3, 0);
};

} // namespace

// The view paints as rows come; only the rows it shows get cells.
TEST_F(DeferredCellsTest, OnlyTheRowsInViewGetCells)
{
    EXPECT_EQ(rows[0]->cellCount(), 3);
    std::vector<std::string> texts = paint();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "row1");
    int inView = madeIn(0);
    EXPECT_GT(inView, 0);
    EXPECT_LT(inView, 15) << "only the rows a 100-pixel view shows";
    EXPECT_EQ(madeIn(2), inView);
    EXPECT_FALSE(rows[20]->isCellMade(0));
    paint();
    EXPECT_EQ(made[0], inView) << "a made cell is kept";
}

TEST_F(DeferredCellsTest, ASortMakesItsColumnOnlyAndReadingACellMakesIt)
{
    int inView = madeIn(0);
    table->sort(1, UITable::kAscending);
    EXPECT_EQ(madeIn(1), 50);
    EXPECT_LE(madeIn(0), 2 * inView) << "other columns only as the sorted view paints";
    EXPECT_FALSE(rows[20]->isCellMade(2));
    EXPECT_EQ(table->row(0)->tag(), 50) << "sorted by the values the cells were made with";
    int notes = madeIn(2);
    UITableCell* cell = table->cell(25, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->row(), table->row(25));
    EXPECT_EQ(cell->column(), 2);
    EXPECT_EQ(madeIn(2), notes + 1);
    EXPECT_EQ(table->cell(0, 3), nullptr) << "past the columns";
    table->setRowHeight(20, true);
    EXPECT_FALSE(rows[20]->isCellMade(0)) << "scaling fonts makes no cells";
}

TEST_F(DeferredCellsTest, AMissingCellIsAskedForAgainAndForgottenCellsAreMadeAfresh)
{
    LazyRow* away = rows[30];
    away->refuse = true;
    EXPECT_EQ(away->cell(0), nullptr);
    EXPECT_FALSE(away->isCellMade(0));
    away->refuse = false;
    ASSERT_NE(away->cell(0), nullptr);
    EXPECT_EQ(away->cell(0)->text(), String(u"row31"));
    rows[0]->name = "edited";
    rows[0]->forget();
    EXPECT_FALSE(rows[0]->isCellMade(0));
    EXPECT_EQ(paint().front(), "edited1");
}
