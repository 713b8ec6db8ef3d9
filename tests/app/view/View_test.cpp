// The View's settings through "config.dat" on the widget fakes: what a first
// run shows, damaged values, and saving what was loaded, on a machine
// without Direct3D, where the cover flow is unavailable.
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/data/Variant.h"
#include "model/CollectionModel.h"
#include "tests/app/RegisteredConfig.h"
#include "tests/app/main/MainWindowFixture.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/views/coverflow/D3D9Calls.h"
#include "ui/views/coverflow/D3D9Device.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/menus/UIMenuBarItem.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/splitter/UISplitterPanel.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.data(), int(utf8.size()));
}

// The keys the View itself loads and saves; the card's, the sort's and the
// time format belong to the model, the geometry to the windows.
bool isViewsOwnKey(const String& key)
{
    for (const char16_t* other :
         {u"view/window", u"view/movieCard", u"view/timeFormat", u"view/sort", u"view/toolbar"})
        if (key.startsWith(String(other), 0))
            return key == String(u"view/movieCardAutoResizeBackground");
    return key.startsWith(String(u"view/"), 0);
}

class ViewTest : public MainWindowFixture
{
protected:
    void set(const char16_t* key, const Variant& value) { config.setValue(String(key), value); }
    Variant at(const ConfigFile& from, const std::string& key) const
    {
        return from.value(text(key), Variant());
    }

    RegisteredConfig config;
};

} // namespace

TEST_F(ViewTest, TheFirstRunShowsTheImagesAtTheirZoomWithEveryColumn)
{
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->window()->isTimerActive(MainWindow::kStartTimerId));
    EXPECT_FALSE(main->window()->isVisible());
    view->loadSettings(config);
    EXPECT_EQ(main->screenLayout(), 0);
    EXPECT_EQ(main->viewMode(), 1);
    EXPECT_EQ(main->viewStack()->currentIndex(), 1);
    EXPECT_FLOAT_EQ(main->listZoom(), 0.0f);
    EXPECT_FLOAT_EQ(main->imagesZoom(), 0.7f);
    EXPECT_FLOAT_EQ(main->coverFlowZoom(), 1.0f);
    EXPECT_EQ(main->zoomSlider()->value(), 70);
    const int widths[MainWindow::kColumnCount] = {150, 50, 70, 70, 70, 70, 50, 95,
                                                  120, 70, 50, 80, 50, 50, 50, 50};
    for (int i = 0; i < MainWindow::kColumnCount; ++i) {
        EXPECT_TRUE(main->table()->isColumnVisible(i)) << i;
        EXPECT_EQ(main->table()->columnWidth(i), widths[i]) << i;
    }
    EXPECT_FALSE(main->window()->testWindowFlag(UINativeWindow::kTopmost));
    EXPECT_EQ(view->movieListBackgroundColor, Color(165, 133, 0));
    EXPECT_EQ(view->movieListSelectedTextColor, Color(82, 62, 1));
    EXPECT_EQ(model->sortMode(), 2);
    EXPECT_EQ(model->sortOrder(), 1);
}

TEST_F(ViewTest, DamagedValuesAreTakenAsAFirstRunWouldHaveThem)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case
    {
        const char* what;
        int layout, mode;
        float listZoom, imagesZoom, coverFlowZoom;
        int expectedLayout, expectedMode;
        float expectedList, expectedImages, expectedCoverFlow;
    };
    const Case cases[] = {
        {"in range", 3, 0, 0.25f, 0.5f, 0.75f, 3, 0, 0.25f, 0.5f, 0.75f},
        {"layout past the menu, mode past the tabs", 4, 3, 0.0f, 0.7f, 1.0f, 0, 1, 0.0f, 0.7f, 1.0f},
        {"negative layout and mode", -1, -7, 0.0f, 0.7f, 1.0f, 0, 1, 0.0f, 0.7f, 1.0f},
        {"zooms that are no number", 1, 1, nan, nan, nan, 1, 1, 0.0f, 0.7f, 1.0f},
        {"infinite zooms", 2, 1, inf, -inf, inf, 2, 1, 0.0f, 0.7f, 1.0f},
        {"zooms beyond their range are clamped", 0, 1, 3.0f, -2.0f, 1.5f, 0, 1, 1.0f, 0.0f, 1.0f},
    };
    for (const Case& c : cases) {
        set(u"view/screenLayout", Variant(int32_t(c.layout)));
        set(u"view/viewMode", Variant(int32_t(c.mode)));
        set(u"view/listZoom", Variant(c.listZoom));
        set(u"view/imagesZoom", Variant(c.imagesZoom));
        set(u"view/coverFlowZoom", Variant(c.coverFlowZoom));
        view->loadSettings(config);
        EXPECT_EQ(main->screenLayout(), c.expectedLayout) << c.what;
        EXPECT_EQ(main->viewMode(), c.expectedMode) << c.what;
        EXPECT_FLOAT_EQ(main->listZoom(), c.expectedList) << c.what;
        EXPECT_FLOAT_EQ(main->imagesZoom(), c.expectedImages) << c.what;
        EXPECT_FLOAT_EQ(main->coverFlowZoom(), c.expectedCoverFlow) << c.what;
    }
}

TEST_F(ViewTest, WithoutDirect3DTheCoverFlowCannotBecomeCurrent)
{
    EXPECT_FALSE(main->isCoverFlowAvailable());
    set(u"view/viewMode", Variant(int32_t(0)));
    view->loadSettings(config);
    set(u"view/viewMode", Variant(int32_t(2)));
    view->loadSettings(config);
    EXPECT_EQ(main->viewMode(), 0);
    EXPECT_EQ(main->viewStack()->currentIndex(), 0);
}

TEST_F(ViewTest, ScreenLayoutsArrangeTheViewsAndTheCard)
{
    struct Case
    {
        int layout;
        bool stacked;
        bool cardFirst;
    };
    // Out of order, so that each step must move the card or keep it.
    const Case cases[] = {
        {1, true, true}, {3, false, true}, {0, true, false}, {2, false, false}, {3, false, true}};
    for (const Case& c : cases) {
        main->setScreenLayout(c.layout);
        EXPECT_EQ(main->splitter()->isVertical(), c.stacked) << c.layout;
        UIWidget* cardPanel = main->webView()->parentWidget();
        EXPECT_EQ(cardPanel == main->splitter()->panel(0), c.cardFirst) << c.layout;
        EXPECT_EQ(main->viewStack()->parentWidget() == main->splitter()->panel(0), !c.cardFirst) << c.layout;
    }
}

TEST_F(ViewTest, WhatWasLoadedIsSavedAndTwoSavesAreEqual)
{
    set(u"view/screenLayout", Variant(int32_t(2)));
    set(u"view/viewMode", Variant(int32_t(0)));
    set(u"view/listZoom", Variant(0.4f));
    set(u"view/alwaysOnTop", Variant(true));
    set(u"view/column4", Variant(false));
    set(u"view/columnWidth7", Variant(int32_t(140)));
    set(u"view/movieListTextColor", Variant(Color(1, 2, 3).value()));
    set(u"view/movieListShowTitleUnderImage", Variant(false));
    view->loadSettings(config);
    RegisteredConfig first;
    RegisteredConfig second;
    view->saveSettings(first);
    view->saveSettings(second);
    for (const ConfigEntry* entry : first.entries()) {
        String key = entry->key();
        EXPECT_TRUE(first.value(key, Variant()) == second.value(key, Variant()));
        if (isViewsOwnKey(key)) {
            EXPECT_TRUE(first.value(key, Variant()) == config.value(key, Variant()));
        }
    }
    EXPECT_EQ(at(first, "view/screenLayout").toInt(), 2);
    EXPECT_FALSE(at(first, "view/column4").toBool());
    EXPECT_EQ(at(first, "view/columnWidth7").toInt(), 140);
    EXPECT_TRUE(at(first, "view/alwaysOnTop").toBool());
    EXPECT_FLOAT_EQ(at(first, "view/listZoom").toFloat(), 0.4f);
}

TEST_F(ViewTest, ZoomReachesTheCurrentViewOnly)
{
    view->loadSettings(config); // images current
    main->zoomSlider()->setValue(100);
    EXPECT_FLOAT_EQ(main->imagesZoom(), 1.0f);
    EXPECT_EQ(main->list()->itemSize().width, 165);
    EXPECT_EQ(main->list()->itemSize().height, 220);
    EXPECT_FLOAT_EQ(main->listZoom(), 0.0f);
    main->setViewMode(0);
    EXPECT_EQ(main->zoomSlider()->value(), 0);
    main->zoomSlider()->setValue(100);
    EXPECT_FLOAT_EQ(main->listZoom(), 1.0f);
    EXPECT_FLOAT_EQ(main->imagesZoom(), 1.0f);
    main->setImagesZoom(0.0f);
    EXPECT_EQ(main->zoomSlider()->value(), 100) << "the images are not shown";
    EXPECT_EQ(main->list()->itemSize().width, 165) << "applied when shown";
}

TEST_F(ViewTest, TheMenusFollowTheLayoutTheViewAndTheColumns)
{
    set(u"view/screenLayout", Variant(int32_t(3)));
    set(u"view/viewMode", Variant(int32_t(0)));
    set(u"view/column4", Variant(false));
    view->loadSettings(config);
    UIMenu* viewMenu = main->viewMenu();
    for (int layout = 0; layout < MainWindow::kLayoutCount; ++layout)
        EXPECT_EQ(main->screenLayoutMenu()->isItemChecked(layout), layout == 3) << layout;
    EXPECT_TRUE(viewMenu->isItemChecked(MainWindow::kViewListItem));
    EXPECT_FALSE(viewMenu->isItemEnabled(MainWindow::kViewCoverFlowItem)) << "no Direct3D";
    UIMenu* columns = viewMenu->itemSubMenu(1);
    ASSERT_NE(columns, nullptr);
    auto* headerMenu = static_cast<UIMenu*>(main->table()->header()->contextMenu());
    ASSERT_NE(headerMenu, nullptr);
    for (int i = 0; i < MainWindow::kColumnCount; ++i) {
        EXPECT_EQ(columns->isItemChecked(i), i != 4) << i;
        EXPECT_EQ(headerMenu->isItemChecked(i), i != 4) << i;
    }
    // Choosing a layout from its menu arranges the splitter.
    main->screenLayoutMenu()->activateItem(main->screenLayoutMenu()->item(0));
    EXPECT_EQ(main->screenLayout(), 0);
    EXPECT_TRUE(main->screenLayoutMenu()->isItemChecked(0));
    viewMenu->activateItem(viewMenu->item(MainWindow::kViewListItem + 1));
    EXPECT_EQ(main->viewMode(), 1);
}

TEST_F(ViewTest, EachMenuHoldsItsItemsAtTheirIndices)
{
    struct Case
    {
        int bar;
        int index;
        const char* text; // null: a separator
    };
    const Case cases[] = {
        {0, 0, "New Collection..."},
        {0, 2, nullptr},
        {0, 3, "Password Protection..."},
        {0, 5, "Exit"},
        {1, 3, nullptr},
        {1, 6, "Remove Selected Movie"},
        {2, 0, "Screen Layout"},
        {2, 6, "Cover Flow"},
        {2, 8, "Toolbar"},
        {2, 11, "Refresh"},
        {3, 0, "Manage Loans..."},
        {4, 6, "Options..."},
        {5, 0, "About Reelstack..."},
        {5, 2, nullptr},
        {5, 5, "Home Page..."},
    };
    const int counts[] = {6, 7, 12, 1, 7, 6};
    UIMenuBar* bar = main->menuBar();
    ASSERT_EQ(bar->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(bar->item(i)->menu()->count(), counts[i]) << i;
    for (const Case& c : cases) {
        const UIMenuItem* item = bar->item(c.bar)->menu()->item(c.index);
        ASSERT_NE(item, nullptr) << c.bar << "/" << c.index;
        EXPECT_EQ(item->isSeparator(), c.text == nullptr) << c.bar << "/" << c.index;
        if (c.text) {
            EXPECT_EQ(item->text(), text(c.text)) << c.bar << "/" << c.index;
        }
    }
    // Twelve buttons, without the separators and the stretch.
    EXPECT_EQ(main->toolBar()->count(), 12);
}

TEST_F(ViewTest, WithoutACollectionItsCommandsAreDisabledAndExitEndsOnce)
{
    main->showNoCollectionState();
    UIMenuBar* bar = main->menuBar();
    EXPECT_FALSE(bar->item(0)->menu()->isItemEnabled(3));
    EXPECT_TRUE(bar->item(0)->menu()->isItemEnabled(MainWindow::kExitItem));
    for (int index : {0, 1, 2, 4, 6})
        EXPECT_FALSE(bar->item(1)->menu()->isItemEnabled(index)) << index;
    EXPECT_FALSE(main->viewMenu()->isItemEnabled(2));
    EXPECT_FALSE(main->viewMenu()->isItemEnabled(11));
    EXPECT_TRUE(main->viewMenu()->isItemEnabled(MainWindow::kViewListItem));
    for (int index = 0; index <= MainWindow::kLoansButton; ++index)
        EXPECT_FALSE(main->toolBar()->button(index)->isEnabled()) << index;
    EXPECT_TRUE(main->toolBar()->button(8)->isEnabled());

    UIMenu* collection = bar->item(0)->menu();
    EXPECT_FALSE(main->hasShutDown());
    collection->activateItem(collection->item(MainWindow::kExitItem));
    EXPECT_TRUE(main->hasShutDown());
}

TEST(ViewStartUp, TheDelayRunsFrom100To500Milliseconds)
{
    EXPECT_EQ(View::startUpDelay(0), 100);
    EXPECT_EQ(View::startUpDelay(16384), 300);
    EXPECT_EQ(View::startUpDelay(32767), 500);
}
