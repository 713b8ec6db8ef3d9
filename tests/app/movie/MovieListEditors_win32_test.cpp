// The movie editor's cast, crew, episode and link lists under Wine, driven
// by clicks on their tables and tool bars: the tabs follow the current row,
// moves stop at the ends and move the chosen item also after a sort by a
// header click, and the item editors open from the tool bar and a double
// click.
#include "app/movie/AddEditMovieWindow.h"

#include "app/movie/MovieListEditor.h"
#include "tests/app/movie/MovieEditorFixture.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableCell.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/spinbox/UISpinBox.h"

using namespace movietest;

namespace {

using Kind = MovieListEditor::Kind;

int pageOf(Kind kind)
{
    switch (kind) {
    case MovieListEditor::kCast:
    case MovieListEditor::kCrew:
        return AddEditMovieWindow::kCastCrewPage;
    case MovieListEditor::kEpisodes:
        return AddEditMovieWindow::kEpisodesPage;
    case MovieListEditor::kLinks:
        return AddEditMovieWindow::kLinksPage;
    }
    return 0;
}

// The column that shows the text an item is known by in these tests.
int nameColumn(Kind kind)
{
    switch (kind) {
    case MovieListEditor::kCast:
        return 0;
    case MovieListEditor::kEpisodes:
        return 3;
    default:
        return 1;
    }
}

void addItem(Movie* movie, Kind kind, const char* name, int position)
{
    switch (kind) {
    case MovieListEditor::kCast: {
        CastItem item;
        item.actor = text(name);
        item.character = String(u"someone");
        movie->cast.append(item);
        break;
    }
    case MovieListEditor::kCrew: {
        CrewItem item;
        item.name = text(name);
        movie->crew.append(item);
        break;
    }
    case MovieListEditor::kEpisodes: {
        Episode item;
        item.season = 1;
        item.number = position + 1;
        item.title = text(name);
        movie->episodes.append(item);
        break;
    }
    case MovieListEditor::kLinks: {
        MovieLink item;
        item.description = text(name);
        item.url = String(u"http://example.test/") + text(name);
        movie->links.append(item);
        break;
    }
    }
}

template <class L, class Name> std::string namesOf(const L& list, Name name)
{
    std::string names;
    for (typename L::Node* node = list.first(); node; node = node->next)
        names += (names.empty() ? "" : "|") + utf8(name(node->value));
    return names;
}

// The movie's list, as the names of its items in order.
std::string listNames(const Movie* movie, Kind kind)
{
    switch (kind) {
    case MovieListEditor::kCast:
        return namesOf(movie->cast, [](const CastItem& item) { return item.actor; });
    case MovieListEditor::kCrew:
        return namesOf(movie->crew, [](const CrewItem& item) { return item.name; });
    case MovieListEditor::kEpisodes:
        return namesOf(movie->episodes, [](const Episode& item) { return item.title; });
    case MovieListEditor::kLinks:
        return namesOf(movie->links, [](const MovieLink& item) { return item.description; });
    }
    return std::string();
}

Point rankCentre(UITable* table, int rank)
{
    return Point(20, table->headerHeight() + rank * table->rowHeight() + table->rowHeight() / 2);
}

// The texts of a column from the top of the table down, as shown.
std::string shownColumn(UITable* table, int column)
{
    std::string shown;
    for (int rank = 0; rank < table->rowCount(); ++rank) {
        int index = -1;
        UITableRow* row = table->rowAt(rankCentre(table, rank), &index);
        const std::string cell = row ? utf8(row->cell(column)->text()) : "?";
        shown += (shown.empty() ? "" : "|") + cell;
    }
    return shown;
}

// Which of edit, remove, up, down (and open) are enabled, as "1" and "0".
std::string enabledTabs(const MovieListEditor* list)
{
    std::string states;
    const int tabs = list->kind() == MovieListEditor::kLinks ? 6 : 5;
    for (int tab = MovieListEditor::kEdit; tab < tabs; ++tab)
        states += list->toolBar()->tab(tab)->isEnabled() ? "1" : "0";
    return states;
}

class ListEditors : public MovieEditorTest
{
protected:
    static void clickRank(UITable* table, int rank)
    {
        UIHarness::click(table, rankCentre(table, rank));
        UIHarness::pump();
    }
    static void clickHeader(UITable* table, int column)
    {
        UIHeader* header = table->header();
        int x = 0;
        for (int i = 0; i < column; ++i)
            x += table->columnWidth(i);
        UIHarness::click(header, Point(x + table->columnWidth(column) / 2, header->height() / 2));
        UIHarness::pump();
    }
    static void doubleClickRank(UITable* table, int rank)
    {
        // The toolkit makes a double click of two quick presses.
        UIHarness::click(table, rankCentre(table, rank));
        UIHarness::click(table, rankCentre(table, rank));
    }
    static void clickInnerOk(UIDialog* inner)
    {
        for (UIButton* button : widgetsIn<UIButton>(inner)) {
            if (utf8(button->text()) == "OK")
                click(button);
        }
    }
};

} // namespace

TEST_F(ListEditors, TabsFollowTheCurrentRowAndMovesStopAtTheEnds)
{
    struct Row
    {
        Kind kind;
        const char* noRow;
        const char* firstRow;
        const char* lastRow;
        const char* middleRow;
    };
    const Row rows[] = {{MovieListEditor::kCast, "0000", "1101", "1110", "1111"},
                        {MovieListEditor::kCrew, "0000", "1101", "1110", "1111"},
                        {MovieListEditor::kEpisodes, "0000", "1101", "1110", "1111"},
                        {MovieListEditor::kLinks, "00000", "11011", "11101", "11111"}};
    for (const Row& row : rows) {
        Movie* movie = addMovie("Lists");
        addItem(movie, row.kind, "a", 0);
        addItem(movie, row.kind, "b", 1);
        addItem(movie, row.kind, "c", 2);
        AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
        // The list's page is made when first shown.
        MovieListEditor* list = nullptr;
        UITable* table = nullptr;
        std::string noRow, firstRow, lastRow, middleRow;
        std::string afterTopUp, afterBottomDown, afterUp, afterRemove;
        int currentAfterUp = -1;
        EXPECT_TRUE(drive(
            editor.dialog(),
            [&] {
                clickTab(editor.pageBar(), pageOf(row.kind));
                list = editor.listEditor(row.kind);
                table = list->table();
                noRow = enabledTabs(list);
                clickRank(table, 0);
                firstRow = enabledTabs(list);
                clickTab(list->toolBar(), MovieListEditor::kMoveUp);
                afterTopUp = shownColumn(table, nameColumn(row.kind));
                clickRank(table, 2);
                lastRow = enabledTabs(list);
                clickTab(list->toolBar(), MovieListEditor::kMoveDown);
                afterBottomDown = shownColumn(table, nameColumn(row.kind));
                clickTab(list->toolBar(), MovieListEditor::kMoveUp);
                afterUp = shownColumn(table, nameColumn(row.kind));
                currentAfterUp = table->currentRow();
                middleRow = enabledTabs(list);
                clickRank(table, 0);
                clickTab(list->toolBar(), MovieListEditor::kRemove);
                afterRemove = shownColumn(table, nameColumn(row.kind));
                click(editor.okButton());
            },
            [&] { editor.exec(); }));
        SCOPED_TRACE(int(row.kind));
        EXPECT_EQ(noRow, row.noRow) << "without a current row only Add";
        EXPECT_EQ(firstRow, row.firstRow);
        EXPECT_EQ(lastRow, row.lastRow);
        EXPECT_EQ(middleRow, row.middleRow) << "the moved row stays current";
        EXPECT_EQ(afterTopUp, "a|b|c") << "the first row up does nothing";
        EXPECT_EQ(afterBottomDown, "a|b|c") << "the last row down does nothing";
        EXPECT_EQ(afterUp, "a|c|b");
        EXPECT_EQ(currentAfterUp, 1);
        EXPECT_EQ(afterRemove, "c|b") << "removed at once, without asking";
        EXPECT_EQ(listNames(movie, row.kind), "c|b") << "OK stores the list in the table's order";
    }
}

TEST_F(ListEditors, AfterASortTheMovesTakeTheChosenItemAndShowTheListOrderAgain)
{
    struct Row
    {
        int headerClicks; // 1 ascending, 2 descending
        int rank;         // the row clicked, from the top as sorted
        int tab;
        const char* sorted;
        const char* shownAfter;
        const char* listAfter;
    };
    const Row rows[] = {
        // "abe" is shown on top but is the list's second item.
        {1, 0, MovieListEditor::kMoveDown, "abe|bea|cee", "cee|bea|abe", "cee|bea|abe"},
        {1, 0, MovieListEditor::kMoveUp, "abe|bea|cee", "abe|cee|bea", "abe|cee|bea"},
        // "cee" is shown on top but is the list's first: nothing goes before
        // it, and the table stays as sorted.
        {2, 0, MovieListEditor::kMoveUp, "cee|bea|abe", "cee|bea|abe", "cee|abe|bea"},
        {2, 2, MovieListEditor::kMoveDown, "cee|bea|abe", "cee|bea|abe", "cee|bea|abe"},
    };
    for (const Row& row : rows) {
        Movie* movie = addMovie("Sorted");
        SCOPED_TRACE(std::to_string(row.headerClicks) + " " + std::to_string(row.rank));
        addItem(movie, MovieListEditor::kCast, "cee", 0);
        addItem(movie, MovieListEditor::kCast, "abe", 1);
        addItem(movie, MovieListEditor::kCast, "bea", 2);
        AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
        MovieListEditor* list = nullptr;
        UITable* table = nullptr;
        std::string sorted, after, current;
        EXPECT_TRUE(drive(
            editor.dialog(),
            [&] {
                clickTab(editor.pageBar(), AddEditMovieWindow::kCastCrewPage);
                list = editor.listEditor(MovieListEditor::kCast);
                table = list->table();
                for (int i = 0; i < row.headerClicks; ++i)
                    clickHeader(table, 0);
                sorted = shownColumn(table, 0);
                clickRank(table, row.rank);
                const std::string chosen = utf8(table->currentRowItem()->cell(0)->text());
                clickTab(list->toolBar(), row.tab);
                after = shownColumn(table, 0);
                UITableRow* now = table->currentRowItem();
                current = now ? utf8(now->cell(0)->text()) : "none";
                EXPECT_EQ(current, chosen) << "the moved item stays current";
                click(editor.okButton());
            },
            [&] { editor.exec(); }));
        EXPECT_EQ(sorted, row.sorted);
        EXPECT_EQ(after, row.shownAfter) << "a move rebuilds in the list's order";
        EXPECT_EQ(listNames(movie, MovieListEditor::kCast), row.listAfter);
    }
}

TEST_F(ListEditors, EpisodeRowsShowTheReleaseDateAndTheCountFollowsAnAddedEpisode)
{
    Movie* movie = addMovie("Series");
    struct Date
    {
        int season, number, year, month, day;
    };
    for (const Date& date : {Date{1, 1, 2001, 0, 0}, Date{1, 2, 2001, 3, 0}, Date{2, 1, 0, 5, 7}}) {
        Episode episode;
        episode.season = date.season;
        episode.number = date.number;
        episode.year = date.year;
        episode.month = date.month;
        episode.day = date.day;
        episode.title = String(u"part");
        movie->episodes.append(episode);
    }
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    MovieListEditor* list = nullptr;
    std::string dates;
    std::string countBefore;
    std::string countAfter;
    bool innerRan = false;
    EXPECT_TRUE(drive(
        editor.dialog(),
        [&] {
            clickTab(editor.pageBar(), AddEditMovieWindow::kEpisodesPage);
            list = editor.listEditor(MovieListEditor::kEpisodes);
            dates = shownColumn(list->table(), 2);
            countBefore = utf8(editor.episodeCountLabel()->text());
            innerRan = driveInner(
                editor.dialog(),
                [&](UIDialog* inner) {
                    const std::vector<UISpinBox*> spins = widgetsIn<UISpinBox>(inner);
                    ASSERT_GE(spins.size(), 2u);
                    replaceText(spins[0]->lineEdit(), "3");
                    replaceText(spins[1]->lineEdit(), "1");
                    const std::vector<UILineEdit*> edits = widgetsIn<UILineEdit>(inner);
                    for (UILineEdit* edit : edits) {
                        if (edit->isVisible() && !edit->isReadOnly() &&
                            !dynamic_cast<UISpinBox*>(edit->parentWidget())) {
                            type(edit, "finale");
                            break;
                        }
                    }
                    clickInnerOk(inner);
                },
                [&] { clickTab(list->toolBar(), MovieListEditor::kAdd); });
            countAfter = utf8(editor.episodeCountLabel()->text());
            click(editor.okButton());
        },
        [&] { editor.exec(); }));
    EXPECT_TRUE(innerRan);
    EXPECT_EQ(dates, "2001//|2001/3/|") << "a month or day of 0 is left out; no year, no date";
    EXPECT_EQ(countBefore, "2 Seasons, 3 Episodes");
    EXPECT_EQ(countAfter, "3 Seasons, 4 Episodes");
    ASSERT_EQ(movie->episodes.count(), 4);
    const Episode& added = movie->episodes.last()->value;
    EXPECT_EQ(added.season, 3);
    EXPECT_EQ(added.number, 1);
    EXPECT_EQ(utf8(added.title), "finale");
}

TEST_F(ListEditors, TheItemEditorsOpenFromTheAddTabAndADoubleClickOnARow)
{
    Movie* movie = addMovie("Cast");
    addItem(movie, MovieListEditor::kCast, "abe", 0);
    addItem(movie, MovieListEditor::kCast, "bea", 1);
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    MovieListEditor* list = nullptr;
    UITable* table = nullptr;
    bool added = false;
    bool edited = false;
    std::string shownAfterAdd;
    std::string shownAfterEdit;
    EXPECT_TRUE(drive(
        editor.dialog(),
        [&] {
            clickTab(editor.pageBar(), AddEditMovieWindow::kCastCrewPage);
            list = editor.listEditor(MovieListEditor::kCast);
            table = list->table();
            added = driveInner(
                editor.dialog(),
                [&](UIDialog* inner) {
                    const std::vector<UILineEdit*> edits = widgetsIn<UILineEdit>(inner);
                    ASSERT_EQ(edits.size(), 2u);
                    type(edits[0], " cy ");
                    type(edits[1], "the cook");
                    clickInnerOk(inner);
                },
                [&] { clickTab(list->toolBar(), MovieListEditor::kAdd); });
            shownAfterAdd = shownColumn(table, 0) + "/" + shownColumn(table, 1);
            edited = driveInner(
                editor.dialog(),
                [&](UIDialog* inner) {
                    const std::vector<UILineEdit*> edits = widgetsIn<UILineEdit>(inner);
                    ASSERT_EQ(edits.size(), 2u);
                    EXPECT_EQ(utf8(edits[0]->text()), "bea") << "the row's own item";
                    replaceText(edits[1], "the maid");
                    clickInnerOk(inner);
                },
                [&] { doubleClickRank(table, 1); });
            shownAfterEdit = shownColumn(table, 1);
            click(editor.okButton());
        },
        [&] { editor.exec(); }));
    EXPECT_TRUE(added);
    EXPECT_TRUE(edited);
    EXPECT_EQ(shownAfterAdd, "abe|bea|cy/someone|someone|the cook");
    EXPECT_EQ(shownAfterEdit, "someone|the maid|the cook");
    EXPECT_EQ(listNames(movie, MovieListEditor::kCast), "abe|bea|cy");
    EXPECT_EQ(utf8(movie->cast.nodeAt(1)->value.character), "the maid");
}
