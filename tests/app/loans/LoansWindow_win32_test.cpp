// The loans window on the test display, run modally and driven by input
// from a timer: overdue loans and their loaners in red until returned, the
// buttons and the loans table enabled only when their action can work,
// sorting by date with unset dates first, removing a loaner with its loans,
// and double clicks that open the editors.
#include "app/loans/LoansWindow.h"
#include "tests/app/loans/LoansTestSupport.h"
#include "tests/support/LaterStep.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/tabs/UITabBarItem.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

using loanstest::addLoaner;
using loanstest::loanOf;
using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

const uint32_t kOverdueRed = 0xE90000;

class LoansWindowTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(UIHarness::start()); }
};

int redIn(UITable* table, int row, int column)
{
    table->update();
    return loanstest::countColor(table, table->cellRect(table->row(row), column), kOverdueRed);
}

void clickRow(UITable* table, int row)
{
    UIHarness::click(table, table->rowRect(row).center());
    // A row can be current before the click (the last one stays current):
    // the click is through once the row is selected as well.
    UIHarness::pumpUntil([&] { return table->currentRow() == row && table->isRowSelected(row); }, 2000);
    UIHarness::pumpFor(30);
}

void clickTab(UITabBar* bar, int index)
{
    UIHarness::click(bar, bar->tabRect(index).center());
}

bool tabEnabled(UITabBar* bar, int index)
{
    return bar->tab(index)->isEnabled();
}

// The rows' tags from top to bottom as shown.
std::vector<int> shownTags(UITable* table)
{
    std::vector<std::pair<int, int>> placed;
    for (int i = 0; i < table->rowCount(); ++i)
        placed.push_back({table->rowRect(i).y, table->row(i)->tag()});
    std::sort(placed.begin(), placed.end());
    std::vector<int> tags;
    for (const auto& row : placed)
        tags.push_back(row.second);
    return tags;
}

} // namespace

TEST_F(LoansWindowTest, OverdueRowsAreRedInNameAndMovieUntilReturned)
{
    loanstest::Collection movies({{u"Alien", 1979}, {u"Brazil", 1985}, {u"Casablanca", 0}});
    ASSERT_TRUE(movies.opened);
    Loaner& late = addLoaner(*movies.model, u"Late Lena");
    late.loans.append(loanOf(1, 10, -1));
    late.loans.append(loanOf(2, 10, 0));
    Loaner& onTime = addLoaner(*movies.model, u"Timely Tom");
    onTime.loans.append(loanOf(3, 3, 0));
    onTime.loans.append(loanOf(1, 30, -20, true));

    struct Seen
    {
        int loanerRed[2] = {-1, -1};
        int loanRed[2] = {-1, -1};
        int otherLoanRed[2] = {-1, -1};
        std::string movieTexts[2];
        int afterReturnRed = -1;
        int afterReturnMovieRed = -1;
    } seen;
    LoansWindow window(*movies.model, nullptr);
    bool cancelled = false;
    LaterStep canceller(
        50,
        [&] {
            UIDialog* editor = loanstest::childDialog(window.dialog());
            if (!editor)
                return false;
            editor->reject();
            cancelled = true;
            return true;
        },
        400);
    LaterStep step(150, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(50);
        UITable* loaners = window.loanerTable();
        UITable* loans = window.loanTable();
        seen.loanerRed[0] = redIn(loaners, 0, 0);
        seen.loanerRed[1] = redIn(loaners, 1, 0);
        clickRow(loaners, 0);
        seen.loanRed[0] = redIn(loans, 0, 0);
        seen.loanRed[1] = redIn(loans, 0, 1);
        seen.otherLoanRed[0] = redIn(loans, 1, 0);
        seen.movieTexts[0] = iotest::show(loans->row(0)->cell(0)->text());
        clickRow(loaners, 1);
        seen.otherLoanRed[1] = redIn(loans, 0, 0) + redIn(loans, 1, 0);
        seen.movieTexts[1] = iotest::show(loans->row(0)->cell(0)->text());
        // Returned a day late: no longer red anywhere once the tables are
        // filled again (here after a cancelled "Add Loaner...").
        late.loans.first()->value.returnDate = loanstest::day(0);
        clickTab(window.loanerBar(), LoansWindow::kAdd);
        UIHarness::pumpUntil([&] { return cancelled; }, 3000);
        UIHarness::pumpFor(50);
        seen.afterReturnRed = redIn(loaners, 0, 0);
        clickRow(loaners, 0);
        seen.afterReturnMovieRed = redIn(loans, 0, 0);
        window.close();
        return true;
    });
    window.exec();
    EXPECT_GT(seen.loanerRed[0], 0) << "the loaner who holds an overdue loan";
    EXPECT_EQ(seen.loanerRed[1], 0) << "due today and returned late are not overdue";
    EXPECT_GT(seen.loanRed[0], 0) << "the Movie cell of the overdue loan";
    EXPECT_EQ(seen.loanRed[1], 0) << "only the Movie cell is red";
    EXPECT_EQ(seen.otherLoanRed[0], 0) << "due today";
    EXPECT_EQ(seen.otherLoanRed[1], 0);
    EXPECT_EQ(seen.movieTexts[0], "Alien (1979)");
    EXPECT_EQ(seen.movieTexts[1], "Casablanca") << "no year, no suffix";
    EXPECT_EQ(seen.afterReturnRed, 0);
    EXPECT_EQ(seen.afterReturnMovieRed, 0);
}

TEST_F(LoansWindowTest, ButtonsAndTheLoansTableFollowTheSelection)
{
    struct States
    {
        bool loaner[3];
        bool loan[3];
        bool loansTable;
    };
    auto read = [](LoansWindow& window) {
        States states{};
        for (int i = 0; i < 3; ++i) {
            states.loaner[i] = tabEnabled(window.loanerBar(), i);
            states.loan[i] = tabEnabled(window.loanBar(), i);
        }
        states.loansTable = true;
        for (UIWidget* at = window.loanTable(); at && at != window.dialog(); at = at->parentWidget())
            states.loansTable = states.loansTable && at->isEnabled();
        return states;
    };

    for (bool withMovies : {true, false}) {
        std::unique_ptr<loanstest::Collection> movies(
            withMovies ? new loanstest::Collection({{u"Alien", 1979}}) : new loanstest::Collection({}));
        ASSERT_TRUE(movies->opened);
        Loaner& anna = addLoaner(*movies->model, u"Anna");
        if (withMovies)
            anna.loans.append(loanOf(1, 1, 5));
        States before{}, selected{}, loanSelected{};
        LoansWindow window(*movies->model, nullptr);
        LaterStep step(150, [&] {
            UIHarness::activate(window.dialog());
            // The first round clicked the same place: wait until this click
            // can no longer pair with it into a double click.
            UIHarness::pumpFor(int(GetDoubleClickTime()) + 100);
            before = read(window);
            clickRow(window.loanerTable(), 0);
            selected = read(window);
            if (withMovies)
                clickRow(window.loanTable(), 0);
            loanSelected = read(window);
            window.close();
            return true;
        });
        window.exec();
        const char* what = withMovies ? "with movies" : "without movies";
        EXPECT_TRUE(before.loaner[0]) << what;
        EXPECT_FALSE(before.loaner[1] || before.loaner[2]) << what;
        EXPECT_FALSE(before.loan[0] || before.loan[1] || before.loan[2]) << what;
        EXPECT_FALSE(before.loansTable) << what;
        EXPECT_TRUE(selected.loaner[1] && selected.loaner[2]) << what;
        EXPECT_EQ(selected.loan[0], withMovies) << what << ": Add Loan needs a movie";
        EXPECT_EQ(selected.loansTable, withMovies) << what;
        EXPECT_FALSE(selected.loan[1] || selected.loan[2]) << what;
        EXPECT_EQ(loanSelected.loan[1] && loanSelected.loan[2], withMovies) << what;
    }
}

TEST_F(LoansWindowTest, SortsByTheDueDayWithUnsetDatesFirst)
{
    loanstest::Collection movies({{u"A", 2000}, {u"B", 2001}, {u"C", 2002}, {u"D", 2003}});
    ASSERT_TRUE(movies.opened);
    Loaner& anna = addLoaner(*movies.model, u"Anna");
    // Shown as text these would sort 2 before 10 the wrong way round across
    // years; by the day the order is clear.
    anna.loans.append(Loan{1, Date(2009, 1, 1), Date(2010, 1, 2), Date(), String()});
    anna.loans.append(Loan{2, Date(2009, 1, 1), Date(), Date(), String()});
    anna.loans.append(Loan{3, Date(2009, 1, 1), Date(2009, 12, 31), Date(), String()});
    anna.loans.append(Loan{4, Date(2009, 1, 1), Date(2010, 10, 1), Date(), String()});
    std::vector<int> order;
    std::string unset;
    LoansWindow window(*movies.model, nullptr);
    LaterStep step(150, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(50);
        clickRow(window.loanerTable(), 0);
        UIHeader* header = window.loanTable()->header();
        UIHarness::click(header, Point(150 + 100 + 50, header->height() / 2));
        UIHarness::pumpFor(50);
        order = shownTags(window.loanTable());
        UITable* loans = window.loanTable();
        int top = 0;
        for (int i = 1; i < loans->rowCount(); ++i) {
            if (loans->rowRect(i).y < loans->rowRect(top).y)
                top = i;
        }
        unset = iotest::show(loans->row(top)->cell(2)->text());
        window.close();
        return true;
    });
    window.exec();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 0, 3})) << "n/a, 2009/12/31, 2010/01/02, 2010/10/01";
    EXPECT_EQ(unset, "n/a");
}

TEST_F(LoansWindowTest, RemovingALoanerRemovesTheirLoansAndRemovingALoanOnlyThat)
{
    loanstest::Collection movies({{u"A", 2000}, {u"B", 2001}, {u"C", 2002}});
    ASSERT_TRUE(movies.opened);
    Loaner& anna = addLoaner(*movies.model, u"Anna");
    for (int32_t id : {1, 2, 3})
        anna.loans.append(loanOf(id, 1, 5));
    Loaner& bert = addLoaner(*movies.model, u"Bert");
    bert.loans.append(loanOf(1, 1, 5));
    bert.loans.append(loanOf(2, 1, 5));
    int rowsAfterLoanRemoved = -1;
    int loanersAfter = -1;
    LoansWindow window(*movies.model, nullptr);
    LaterStep step(150, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(50);
        clickRow(window.loanerTable(), 1);
        clickRow(window.loanTable(), 0);
        clickTab(window.loanBar(), LoansWindow::kRemove);
        UIHarness::pumpFor(50);
        clickRow(window.loanerTable(), 1);
        rowsAfterLoanRemoved = window.loanTable()->rowCount();
        clickRow(window.loanerTable(), 0);
        clickTab(window.loanerBar(), LoansWindow::kRemove);
        UIHarness::pumpFor(50);
        loanersAfter = window.loanerTable()->rowCount();
        window.close();
        return true;
    });
    window.exec();
    EXPECT_EQ(rowsAfterLoanRemoved, 1);
    ASSERT_EQ(bert.loans.count(), 1);
    EXPECT_EQ(bert.loans.first()->value.movieId, 2);
    EXPECT_EQ(loanersAfter, 1);
    ASSERT_EQ(movies.model->loaners().count(), 1);
    EXPECT_EQ(iotest::show(movies.model->loaners().first()->value.name), "Bert")
        << "Anna went with her loans";
}

TEST_F(LoansWindowTest, DoubleClicksOpenTheEditorsAndAMissingMovieIsNamed)
{
    loanstest::Collection movies({{u"Alien", 1979}});
    ASSERT_TRUE(movies.opened);
    Loaner& anna = addLoaner(*movies.model, u"Anna");
    anna.loans.append(loanOf(1, 1, 5));
    anna.loans.append(loanOf(99, 1, 5));
    std::vector<std::string> titles;
    std::string missing;
    LoansWindow window(*movies.model, nullptr);
    LaterStep closer(
        50,
        [&] {
            UIDialog* editor = loanstest::childDialog(window.dialog());
            if (!editor)
                return false;
            titles.push_back(iotest::show(editor->windowTitle()));
            editor->reject();
            return titles.size() == 2;
        },
        400);
    LaterStep step(150, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(50);
        UITable* loaners = window.loanerTable();
        loanstest::doubleClick(loaners, loaners->rowRect(0).center());
        UIHarness::pumpUntil([&] { return titles.size() == 1; }, 3000);
        clickRow(loaners, 0);
        UITable* loans = window.loanTable();
        missing = iotest::show(loans->row(1)->cell(0)->text());
        loanstest::doubleClick(loans, loans->rowRect(0).center());
        UIHarness::pumpUntil([&] { return titles.size() == 2; }, 3000);
        window.close();
        return true;
    });
    window.exec();
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0].rfind("Edit Loaner", 0), 0u) << titles[0];
    EXPECT_EQ(titles[1].rfind("Edit Loan", 0), 0u) << titles[1];
    EXPECT_EQ(missing, "(movie missing)");
}
