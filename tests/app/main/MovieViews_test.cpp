// The main window's three movie views over the twelve-movie collection on
// the widget fakes, with a Direct3D stand-in so that the cover flow runs:
// filling, the one current movie, the filter bar's boxes, sorting, columns,
// stepping and the input that asks for movie commands.
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "app/views/MovieCells.h"
#include "app/views/MovieCoverSource.h"
#include "app/views/MovieTableRow.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/app/TwelveMovies.h"
#include "tests/support/WidgetFakes.h"
#include "tests/ui/views/coverflow/FakeD3D9Calls.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/D3D9Device.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/tabs/UITabBarItem.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"

#include <functional>
#include <string>
#include <vector>

namespace {

std::string show(const String& text)
{
    std::string out;
    for (int i = 0; i < text.length(); ++i)
        out += text.at(i) < 128 ? char(text.at(i)) : '?';
    return out;
}

struct Counter : SignalReceiver
{
    int fills = 0;
    std::vector<int> commands;
    // A refill empties the filled table first.
    void onRowCount(int count) { fills += count == 0 ? 1 : 0; }
    void onCommand(int command) { commands.push_back(command); }
};

class MovieViewsTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
        ASSERT_TRUE(twelve.opened);
        view = std::make_unique<View>(twelve.model);
        view->createMainWindow();
        main = view->mainWindow();
        main->startCoverFlow();
        ASSERT_TRUE(main->isCoverFlowAvailable());
        main->table()->rowCountChanged.connectWithArg(&counter, &Counter::onRowCount);
        main->movieCommandRequested.connectWithArg(&counter, &Counter::onCommand);
        main->fillMovieList();
        counter.fills = 0;
    }
    void TearDown() override
    {
        view.reset();
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }

    // The ids each view holds, in order, as "1,2,3".
    std::string tableIds() const
    {
        std::string ids;
        for (const UITableRow* row : main->table()->rows())
            ids += (ids.empty() ? "" : ",") + std::to_string(row->tag());
        return ids;
    }
    std::string listIds() const
    {
        std::string ids;
        for (const UIListItem* item : main->list()->items())
            ids += (ids.empty() ? "" : ",") + std::to_string(item->tag());
        return ids;
    }
    std::string coverIds() const
    {
        std::string ids;
        CoverFlowScene* scene = main->coverFlowScene();
        for (int i = 0; i < scene->count(); ++i)
            ids += (ids.empty() ? "" : ",") + std::to_string(scene->node(i)->id());
        return ids;
    }
    // The current movie's id in each view, 0 for none, as "t l c".
    std::string currentIds() const
    {
        return std::to_string(main->table()->currentRowTag()) + " " +
               std::to_string(main->list()->currentItemTag()) + " " +
               std::to_string(main->coverFlowScene()->selectedId());
    }
    std::string status() const { return show(main->statusLabel()->text()); }
    void chooseKind(int kind) { main->filterKindBox()->setCurrentIndex(kind); }
    void chooseValue(const char16_t* text)
    {
        UIComboBox* box = main->filterValueBox();
        box->setCurrentIndex(box->findText(String(text), 1));
    }
    std::vector<std::string> texts(UIComboBox* box) const
    {
        std::vector<std::string> out;
        for (int i = 0; i < box->count(); ++i)
            out.push_back(show(box->itemText(i)));
        return out;
    }
    void activate(UIMenu* menu, int index) { menu->activateItem(menu->item(index)); }

    twelvemovies::Collection twelve;
    std::unique_ptr<View> view;
    MainWindow* main = nullptr;
    Counter counter;
};

const char kAll[] = "1,2,3,4,5,6,7,8,9,10,11,12";

} // namespace

TEST_F(MovieViewsTest, TheThreeViewsHoldTheSameMoviesAndOneCurrentMovie)
{
    EXPECT_EQ(tableIds(), kAll);
    EXPECT_EQ(listIds(), kAll);
    EXPECT_EQ(coverIds(), kAll);
    EXPECT_EQ(status(), "12 of 12 movies shown");
    EXPECT_EQ(main->coverFlowScene()->selectedIndex(), 6) << "the middle cover";
    MovieCoverSource source(twelve.model);
    EXPECT_EQ(show(source.coverTitle(*main->coverFlowScene()->node(3))), "Heat") << "no year, no brackets";
    EXPECT_EQ(show(source.coverTitle(*main->coverFlowScene()->node(0))), "Alien (1979)");

    main->setViewMode(0);
    main->table()->selectRow(2);
    EXPECT_EQ(currentIds(), "3 3 3");
    EXPECT_EQ(main->currentMovie()->id, 3);
    EXPECT_TRUE(main->movieMenu()->isItemEnabled(4));
    EXPECT_TRUE(main->movieMenu()->isItemEnabled(6));
    EXPECT_TRUE(main->toolBar()->button(1)->isEnabled()) << "a collection is open";
    EXPECT_FALSE(main->selectMovie(main->currentMovie())) << "already the last selected";
    main->setViewMode(1);
    main->list()->setCurrentIndexAndSelect(7);
    EXPECT_EQ(currentIds(), "8 8 8");
    EXPECT_TRUE(main->selectMovie(nullptr));
    EXPECT_EQ(currentIds(), "0 0 0");
    EXPECT_FALSE(main->movieMenu()->isItemEnabled(4));
    EXPECT_FALSE(main->toolBar()->button(2)->isEnabled());
}

// Building for whole collections: the fill makes no cell; reading makes
// the cell with its text, pen, image and values.
TEST_F(MovieViewsTest, CellsAreMadeWhenReadWithTheirLabelAndRating)
{
    for (const UITableRow* row : main->table()->rows())
        for (int column = 0; column < MainWindow::kColumnCount; ++column)
            ASSERT_FALSE(row->isCellMade(column)) << row->tag() << " " << column;
    UITable* table = main->table();
    UITableCell* title = table->cell(0, MovieCells::kTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(show(title->text()), "Alien");
    EXPECT_EQ(title->pen().color(), CollectionModel::colorLabelColor(1));
    UITableCell* rating = table->cell(0, MovieCells::kMyRating);
    EXPECT_EQ(show(rating->secondText()), "3.7");
    EXPECT_EQ(rating->alignment(), 17);
    EXPECT_DOUBLE_EQ(rating->sortValue(), double(3.7f));
    EXPECT_EQ(show(table->cell(1, MovieCells::kMyRating)->secondText()), "") << "a rating of 0";
    EXPECT_EQ(table->cell(0, MovieCells::kColorLabel)->text(), String(u"\u25CF"));
    EXPECT_EQ(table->cell(1, MovieCells::kColorLabel)->text(), String());
    EXPECT_FALSE(table->cell(1, MovieCells::kTitle)->ownFont() != nullptr);
    EXPECT_EQ(show(table->cell(2, MovieCells::kGenre)->text()), "Comedy, Drama");
    EXPECT_EQ(show(table->cell(3, MovieCells::kYear)->text()), "") << "year 0";
    EXPECT_DOUBLE_EQ(table->cell(0, MovieCells::kSeen)->sortValue(), 1.0);
    EXPECT_FALSE(table->row(4)->isCellMade(MovieCells::kTitle));

    // An edit: the title loses its label, the rating its second text.
    Movie* alien = twelve.model.movieById(1);
    alien->colorLabel = 0;
    alien->myRating = 0.0f;
    alien->title = String(u"Aliens");
    main->refreshMovie(alien);
    EXPECT_EQ(show(table->cell(0, MovieCells::kTitle)->text()), "Aliens");
    EXPECT_NE(table->cell(0, MovieCells::kTitle)->pen().color(), CollectionModel::colorLabelColor(1));
    EXPECT_EQ(show(table->cell(0, MovieCells::kMyRating)->secondText()), "");
    EXPECT_EQ(table->cell(0, MovieCells::kColorLabel)->text(), String());
    EXPECT_EQ(show(main->list()->item(0)->toolTip()), "Aliens (1979)");
}

TEST_F(MovieViewsTest, ARefillKeepsTheCurrentMovieWhileItPasses)
{
    main->setViewMode(0);
    main->table()->selectRow(2); // Brazil: Comedy and Drama
    chooseKind(7);
    chooseValue(u"Drama");
    EXPECT_EQ(tableIds(), "1,3,4,7,9,10,11,12");
    EXPECT_EQ(coverIds(), tableIds());
    EXPECT_EQ(currentIds(), "3 3 3");
    EXPECT_EQ(status(), "8 of 12 movies shown");

    main->table()->selectRow(0); // Alien: Drama only
    chooseValue(u"Comedy");
    EXPECT_EQ(tableIds(), "2,3,5,8");
    EXPECT_EQ(main->table()->currentRow(), -1);
    EXPECT_EQ(main->list()->currentIndex(), -1);
    EXPECT_EQ(main->coverFlowScene()->selectedIndex(), 2) << "the cover flow rests on the middle cover";
    EXPECT_EQ(main->currentMovie(), nullptr);
    EXPECT_FALSE(main->movieMenu()->isItemEnabled(4));
    EXPECT_FALSE(main->toolBar()->button(1)->isEnabled());
}

TEST_F(MovieViewsTest, AFilterMatchingNothingEmptiesTheViews)
{
    main->setViewMode(0);
    chooseKind(1); // no card was shown yet
    EXPECT_EQ(tableIds(), "");
    EXPECT_EQ(listIds(), "");
    EXPECT_EQ(coverIds(), "");
    EXPECT_EQ(currentIds(), "0 0 0");
    EXPECT_EQ(status(), "0 of 12 movies shown");
    EXPECT_FALSE(main->movieMenu()->isItemEnabled(6));
    EXPECT_FALSE(main->filterValueBox()->testFlag(UIWidget::kVisible));
}

TEST_F(MovieViewsTest, KindsRefillOnlyWhenWhatIsShownCanChange)
{
    struct Step
    {
        const char* what;
        int kind;
        int fills;
        bool valueBox;
        std::vector<std::string> values;
    };
    const Step steps[] = {
        {"the first change after start", 5, 1, true, {"All", "Cult", "Farm", "Space"}},
        {"All", 0, 0, false, {}},
        {"All to Tags", 5, 0, true, {"All", "Cult", "Farm", "Space"}},
        {"Seen", 3, 1, false, {}},
        {"Seen to Tags", 5, 1, true, {"All", "Cult", "Farm", "Space"}},
        {"initials in their case",
         6,
         0,
         true,
         {"All", "A...", "a...", "B...", "C...", "D...", "E...", "F...", "G...", "H...", "I..."}},
    };
    for (const Step& s : steps) {
        counter.fills = 0;
        chooseKind(s.kind);
        EXPECT_EQ(counter.fills, s.fills) << s.what;
        EXPECT_EQ(main->filterValueBox()->testFlag(UIWidget::kVisible), s.valueBox) << s.what;
        EXPECT_EQ(texts(main->filterValueBox()), s.values) << s.what;
        EXPECT_FALSE(main->actorBox()->testFlag(UIWidget::kVisible)) << s.what;
    }
    chooseValue(u"a...");
    EXPECT_EQ(tableIds(), "2") << "a lower-case initial leaves out Alien";
    counter.fills = 0;
    main->filterValueBox()->setCurrentIndex(0);
    EXPECT_EQ(counter.fills, 1) << "back to All refills";
    EXPECT_EQ(tableIds(), kAll);
}

TEST_F(MovieViewsTest, AnActorInitialThenAnActor)
{
    chooseKind(10);
    chooseValue(u"B...");
    EXPECT_TRUE(main->actorBox()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(texts(main->actorBox()),
              (std::vector<std::string>{"All", "Ben", "Bill Murray", "Bob Hoskins"}));
    EXPECT_EQ(tableIds(), "1,3,7,11");
    main->actorBox()->setCurrentIndex(3);
    EXPECT_EQ(tableIds(), "1,7");
    EXPECT_EQ(status(), "2 of 12 movies shown");
    main->filterValueBox()->setCurrentIndex(0);
    EXPECT_FALSE(main->actorBox()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(main->actorBox()->count(), 0);
    EXPECT_EQ(tableIds(), kAll);

    // Another collection is opened with the filter reset, not carried over.
    chooseValue(u"B...");
    main->resetFilter();
    main->fillMovieList();
    EXPECT_EQ(main->filterKindBox()->currentIndex(), 0);
    EXPECT_FALSE(main->filterValueBox()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(main->filterValueBox()->count(), 0);
    EXPECT_FALSE(main->actorBox()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(tableIds(), kAll);
}

TEST_F(MovieViewsTest, SortMenusCheckTheModelsStateAndSortBy)
{
    struct Step
    {
        const char* what;
        bool toolBar;
        int item;
        int mode, order;
        std::string first;
    };
    const Step steps[] = {
        {"Title", false, 3, 0, 1, "1"},
        {"Descending keeps the mode", true, 1, 0, 2, "12"},
        {"Release Date keeps the order", false, 4, 1, 2, "7"},
        {"Ascending", true, 0, 1, 1, "4"},
    };
    for (const Step& s : steps) {
        UIMenu* menu = s.toolBar ? main->toolBarSortMenu() : main->sortMenu();
        main->updateSortMenus();
        activate(menu, s.item);
        EXPECT_EQ(twelve.model.sortMode(), s.mode) << s.what;
        EXPECT_EQ(twelve.model.sortOrder(), s.order) << s.what;
        EXPECT_EQ(std::to_string(main->table()->row(0)->tag()), s.first) << s.what;
        EXPECT_EQ(listIds(), tableIds()) << s.what;
        main->updateSortMenus();
        for (UIMenu* each : {main->sortMenu(), main->toolBarSortMenu()}) {
            int checked = 0;
            for (int i = 3; i < 7; ++i)
                checked += each->isItemChecked(i) ? 1 : 0;
            EXPECT_EQ(checked, 1) << s.what;
            EXPECT_TRUE(each->isItemChecked(3 + s.mode)) << s.what;
            EXPECT_TRUE(each->isItemChecked(s.order == 1 ? 0 : 1)) << s.what;
        }
    }
}

TEST_F(MovieViewsTest, ColumnMenusMirrorAndWidthsResetOnlyWhenMoreShow)
{
    UITable* table = main->table();
    for (int column = 0; column < MainWindow::kColumnCount; ++column)
        main->setColumnChecks(column, true);
    main->applyColumns();
    table->setColumnWidth(2, 200);
    activate(main->columnHeaderMenu(), 2); // hide Genre from the header
    EXPECT_FALSE(main->columnsMenu()->isItemChecked(2));
    EXPECT_FALSE(table->isColumnVisible(2));
    EXPECT_EQ(table->columnWidth(2), 200) << "fewer columns keep the widths";
    table->setColumnWidth(0, 300);
    activate(main->columnsMenu(), 2); // and back from the View menu
    EXPECT_TRUE(main->columnHeaderMenu()->isItemChecked(2));
    EXPECT_TRUE(table->isColumnVisible(2));
    EXPECT_EQ(table->columnWidth(0), MainWindow::defaultColumnWidth(0)) << "more columns reset the widths";
    EXPECT_EQ(table->columnWidth(2), MainWindow::defaultColumnWidth(2));
}

TEST_F(MovieViewsTest, PreviousAndNextInEachView)
{
    struct Step
    {
        int mode;
        bool forward;
        std::string current;
    };
    // The cover flow starts on its middle cover; the others with none.
    const Step steps[] = {
        {0, false, "1"}, {0, false, "1"}, {0, true, "2"},  {1, true, "3"},  {1, false, "2"},
        {2, true, "3"},  {2, false, "2"}, {2, false, "1"}, {2, false, "1"},
    };
    main->setViewMode(2);
    main->coverFlowScene()->setSelectedIndex(2);
    main->setViewMode(0);
    int step = 0;
    for (const Step& s : steps) {
        main->setViewMode(s.mode);
        main->stepMovie(s.forward);
        Movie* now = main->currentMovie();
        EXPECT_EQ(now ? std::to_string(now->id) : "none", s.current) << step++;
    }
    main->setViewMode(0);
    main->table()->selectRow(11);
    main->stepMovie(true);
    EXPECT_EQ(main->table()->currentRow(), 11) << "next at the last does nothing";
}

TEST_F(MovieViewsTest, TheZoomSliderSizesTheCurrentView)
{
    main->setViewMode(0);
    main->zoomSlider()->setToMaximum();
    EXPECT_EQ(main->table()->rowHeight(), 54);
    EXPECT_FLOAT_EQ(main->listZoom(), 1.0f);
    main->setViewMode(1);
    main->zoomSlider()->setToMaximum();
    EXPECT_EQ(main->list()->itemSize(), Size(165, 220));
    main->zoomSlider()->setToMinimum();
    EXPECT_EQ(main->list()->itemSize(), Size(48, 65));
    EXPECT_EQ(main->table()->rowHeight(), 54) << "the list keeps its own zoom";
}

TEST_F(MovieViewsTest, KeysAndDoubleClicksAskForMovieCommands)
{
    main->setViewMode(0);
    send(main->table(), UIMouseEvent(kDoubleClickEvent, 1, 1, Point(5, 500), 0));
    main->table()->selectRow(1);
    send(main->table(), UIMouseEvent(kDoubleClickEvent, 1, 1, Point(5, 5), 0));
    send(main->table(), UIMouseEvent(kDoubleClickEvent, 2, 2, Point(5, 5), 0));
    for (int key : {13, 32, 46, 65})
        send(main->table(), UIKeyEvent(kKeyPressEvent, key, 0, String()));
    EXPECT_EQ(counter.commands,
              (std::vector<int>{MainWindow::kAddMovieCommand, MainWindow::kEditMovieCommand,
                                MainWindow::kEditMovieCommand, MainWindow::kEditMovieCommand,
                                MainWindow::kRemoveMovieCommand}));
}

// The cover flow's wheel and keys move the selection; the card and the
// other views follow only once the movement has come to rest. With Ctrl the
// wheel zooms by five slider steps a notch instead.
TEST_F(MovieViewsTest, CoverFlowWheelAndKeysStepAndTheCardFollowsAtRest)
{
    main->setViewMode(2);
    ASSERT_EQ(main->viewMode(), 2);
    CoverFlowScene* scene = main->coverFlowScene();
    scene->setSelectedIndex(6);
    main->onAnimationFinished(CoverFlowScene::kSelectionAnimation);
    ASSERT_EQ(currentIds(), "7 7 7");
    struct Step
    {
        const char* what;
        int direction;
        uint32_t modifiers;
        int key;
        int selected;
        int sliderChange;
    };
    const Step steps[] = {
        {"wheel towards the user", 3, 0, 0, 7, 0},
        {"wheel away", 4, 0, 0, 6, 0},
        {"Right", 0, 0, 39, 7, 0},
        {"Left", 0, 0, 37, 6, 0},
        {"Ctrl and the wheel towards the user", 3, 2, 0, 6, 5},
        {"Ctrl and the wheel away", 4, 2, 0, 6, -5},
    };
    for (const Step& s : steps) {
        int slider = main->zoomSlider()->value();
        if (s.key)
            send(main->coverFlow(), UIKeyEvent(kKeyPressEvent, s.key, 0, String()));
        else
            send(main->coverFlow(), UIWheelEvent(Point(5, 5), s.direction == 3 ? 120 : -120, s.modifiers,
                                                 s.direction));
        EXPECT_EQ(scene->selectedIndex(), s.selected) << s.what;
        EXPECT_EQ(main->zoomSlider()->value() - slider, s.sliderChange) << s.what;
        if (s.selected != 6) {
            EXPECT_EQ(main->table()->currentRowTag(), 7) << s.what << ": the card waits for rest";
        }
        main->onAnimationFinished(CoverFlowScene::kSelectionAnimation);
        std::string id = std::to_string(s.selected + 1);
        EXPECT_EQ(currentIds(), id + " " + id + " " + id) << s.what << " at rest";
    }
    EXPECT_FLOAT_EQ(main->coverFlowZoom(), float(main->zoomSlider()->value()) / 100.0f);
    // A movement at rest in another view leaves the card where it is.
    scene->setSelectedIndex(0);
    main->setViewMode(0);
    main->onAnimationFinished(CoverFlowScene::kSelectionAnimation);
    EXPECT_EQ(main->table()->currentRowTag(), 7);
}

// Without Direct3D the cover flow's tab stays off and the other views work
// alone: nothing reaches for the missing scene.
class MovieViewsWithoutDirect3D : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        D3D9Device::setCallsFactory([] { return std::unique_ptr<D3D9Calls>(); });
    }
    void TearDown() override
    {
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }
};

TEST_F(MovieViewsWithoutDirect3D, TheListAndImagesWorkAndTheCoverFlowIsIgnored)
{
    twelvemovies::Collection twelve;
    ASSERT_TRUE(twelve.opened);
    View view(twelve.model);
    view.createMainWindow();
    MainWindow* main = view.mainWindow();
    main->startCoverFlow();
    ASSERT_TRUE(main->isCoverFlowKnown());
    ASSERT_FALSE(main->isCoverFlowAvailable());
    main->fillMovieList();
    EXPECT_EQ(main->table()->rowCount(), 12);
    EXPECT_EQ(main->list()->count(), 12);
    main->setViewMode(2);
    EXPECT_NE(main->viewMode(), 2);
    main->setViewMode(1);
    main->stepMovie(true);
    ASSERT_NE(main->currentMovie(), nullptr);
    EXPECT_EQ(main->currentMovie()->id, 1);
    main->onAnimationFinished(CoverFlowScene::kSelectionAnimation);
    main->setCoverFlowZoom(0.3f);
    EXPECT_EQ(main->currentMovie()->id, 1);
}

// Hidden views are filled only when shown or read; each case reads them once,
// at its end, and finds what filling them at once would have left.
TEST_F(MovieViewsTest, HiddenViewsFilledLateEndAsIfFilledAtOnce)
{
    struct Case
    {
        const char* name;
        int mode;
        std::function<void()> steps;
        const char* ids;
        const char* current;
        int coverIndex;
    };
    auto select = [this](int id) { main->selectMovie(twelve.model.movieById(id)); };
    const std::vector<Case> cases = {
        {"the current movie passes", 0, [&] { select(3); chooseKind(7); chooseValue(u"Drama"); },
         "1,3,4,7,9,10,11,12", "3 3 3", 1},
        {"it does not: the cover flow rests on the middle", 0,
         [&] { select(1); chooseKind(7); chooseValue(u"Comedy"); }, "2,3,5,8", "0 0 5", 2},
        {"a selection after the fill", 0, [&] { chooseKind(7); chooseValue(u"Comedy"); select(5); },
         "2,3,5,8", "5 5 5", 2},
        {"one the views lack changes nothing", 0,
         [&] { chooseKind(7); chooseValue(u"Comedy"); select(3); select(1); }, "2,3,5,8", "3 3 3", 1},
        {"none clears the cover flow", 0, [&] { select(3); chooseKind(7); chooseValue(u"Drama"); main->selectMovie(nullptr); },
         "1,3,4,7,9,10,11,12", "0 0 0", -1},
        {"the cover flow behind the grid", 1, [&] { chooseKind(7); chooseValue(u"Comedy"); select(8); },
         "2,3,5,8", "8 8 8", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chooseKind(0);
        main->setViewMode(c.mode);
        main->selectMovie(nullptr);
        c.steps();
        EXPECT_EQ(coverIds(), c.ids);
        EXPECT_EQ(listIds(), c.ids);
        EXPECT_EQ(tableIds(), c.ids);
        EXPECT_EQ(currentIds(), c.current);
        EXPECT_EQ(main->coverFlowScene()->selectedIndex(), c.coverIndex);
    }
}

namespace {

// The cover flow's device is started by hand here, as the first paint
// starts it in the program.
class CoverFlowStartTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        D3D9Device::setCallsFactory(&FakeD3D9Factory::make);
    }
    void TearDown() override
    {
        D3D9Device::setCallsFactory(nullptr);
        WidgetTest::TearDown();
    }
};

} // namespace

// Before its device is known the cover flow cannot be chosen; once it is, a
// cover flow asked for meanwhile becomes current, and it holds the movies
// the other views were filled with and the selection they show.
TEST_F(CoverFlowStartTest, TheCoverFlowWaitsForItsDeviceThenTakesUpTheViewsMovies)
{
    struct Case
    {
        const char* name;
        std::vector<int> modesAsked;
        int selected;
        int mode;
        // 0: none.
        int coverId;
    };
    const Case cases[] = {
        {"the stored cover flow, nothing selected", {2}, 0, 2, 0},
        {"the stored cover flow, a movie selected", {2}, 4, 2, 4},
        {"the list asked for after the cover flow", {2, 0}, 5, 0, 5},
        {"the grid asked for", {1}, 0, 1, 0},
    };
    for (const Case& c : cases) {
        twelvemovies::Collection twelve;
        ASSERT_TRUE(twelve.opened);
        View view(twelve.model);
        view.createMainWindow();
        MainWindow* main = view.mainWindow();
        for (int mode : c.modesAsked)
            main->setViewMode(mode);
        main->fillMovieList();
        if (c.selected)
            main->selectMovie(twelve.model.movieById(c.selected));
        EXPECT_FALSE(main->isCoverFlowKnown()) << c.name;
        EXPECT_FALSE(main->isCoverFlowAvailable()) << c.name;
        EXPECT_NE(main->viewMode(), 2) << c.name;
        EXPECT_FALSE(main->viewMenu()->isItemEnabled(MainWindow::kViewCoverFlowItem)) << c.name;
        EXPECT_FALSE(main->viewTabs()->tab(2)->isEnabled()) << c.name;

        main->startCoverFlow();
        ASSERT_TRUE(main->isCoverFlowAvailable()) << c.name;
        EXPECT_EQ(main->viewMode(), c.mode) << c.name;
        EXPECT_TRUE(main->viewMenu()->isItemEnabled(MainWindow::kViewCoverFlowItem)) << c.name;
        EXPECT_TRUE(main->viewTabs()->tab(2)->isEnabled()) << c.name;
        EXPECT_EQ(main->coverFlow()->testFlag(UIWidget::kVisible), c.mode == 2) << c.name;
        CoverFlowScene* scene = main->coverFlowScene();
        EXPECT_EQ(scene->count(), 12) << c.name;
        // With nothing selected it rests on its middle cover.
        if (c.coverId)
            EXPECT_EQ(scene->selectedId(), c.coverId) << c.name;
        else
            EXPECT_EQ(scene->selectedIndex(), 6) << c.name;
    }
}
