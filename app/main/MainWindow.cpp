#include "app/main/MainWindow.h"

#include "app/view/View.h"
#include "app/views/FillTimings.h"
#include "app/views/MovieCells.h"
#include "app/views/MovieCoverSource.h"
#include "app/views/ThumbnailCache.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/Gradient.h"
#include "model/CollectionModel.h"
#include "model/images/ImageResource.h"
#include "model/records/Cover.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewOption.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UIStackPage.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/splitter/UISplitterPanel.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char16_t kContext[] = u"MainWindow";

struct ColumnSpec
{
    const char16_t* title;
    int width;
    int sortType;
};

// Widths as built; the ones in use come from the configuration.
const ColumnSpec kColumns[MainWindow::kColumnCount] = {
    {u"Title", 150, 1},        {u"Original Title", 50, 1}, {u"Genre", 70, 1},       {u"Studio", 70, 1},
    {u"Country", 70, 1},       {u"Language", 70, 1},       {u"Year", 50, 1},        {u"Running Time", 95, 2},
    {u"My Rating", 120, 2},    {u"Seen It", 50, 2},        {u"Wish List", 70, 2},   {u"Date Added", 80, 2},
    {u"Date Modified", 50, 2}, {u"IMDb Rating", 50, 2},    {u"MPAA Rating", 50, 1}, {u"Color Label", 50, 2},
};

struct TabSpec
{
    const char16_t* icon;
    const char16_t* toolTip;
};

const TabSpec kViewTabs[MainWindow::kViewCount] = {
    {u"view-mode-list-big", u"List"},
    {u"view-mode-images-big", u"Images"},
    {u"view-mode-coverflow-big", u"Cover Flow"},
};

template <class W> W* shown(W* widget)
{
    widget->show();
    return widget;
}

Brush verticalGradient(std::initializer_list<std::pair<Color, float>> stops)
{
    Gradient gradient(Gradient::kVertical);
    for (const auto& stop : stops)
        gradient.addStop(stop.first, stop.second);
    return Brush(gradient);
}

} // namespace

void MainWindow::setDataSkin(UIWidget* widget, const char16_t* name, const int grid[7])
{
    setDataSkin(widget, name, name, grid);
}

// A picture missing from the data archive leaves the theme's own skin in
// place.
void MainWindow::setDataSkin(UIWidget* widget, const char16_t* skinName, const char16_t* imageName,
                             const int grid[7])
{
    Image image = loadImageResource(String(imageName));
    if (image.isNull())
        return;
    UISkinImage skin(image, true);
    skin.setGrid(grid[0], grid[1], grid[2], grid[3], grid[4], grid[5], grid[6]);
    widget->setSkinImage(skin, String(skinName));
}

namespace {

UIPicture* dataPicture(UIWidget* parent, const char16_t* name)
{
    auto* picture = shown(new UIPicture(parent));
    picture->setImage(loadImageResource(String(name)), 0, Rect::kAlignLeft | Rect::kAlignTop);
    return picture;
}

} // namespace

MainWindow::MainWindow(View& view, CollectionModel& model) : m_view(view), m_model(model)
{
    buildWindow();
    m_window->setUpdatesEnabled(false);
    buildMenus();
    buildToolBar();
    buildFilterBar();
    buildSplitter();
    buildMovieContextMenu();
    buildColumnHeaderMenu();
    buildStatusBar();
    connectSignals();
    m_fillTimings = std::make_unique<FillTimings>();
    setAutomationIds();
    m_movieCells = std::make_unique<MovieCells>();
    m_thumbnails = std::make_unique<ThumbnailCache>();
    m_list->setIconSource([this](const UIListItem& item) { return listIcon(item); });
    m_list->setToolTipSource([this](const UIListItem& item) { return listToolTip(item); });
    connectFilterSignals();
    connectInputSignals();
    m_window->setUpdatesEnabled(true);
}

int MainWindow::defaultColumnWidth(int column)
{
    return column >= 0 && column < kColumnCount ? kColumns[column].width : 0;
}

MainWindow::~MainWindow()
{
    removeAutomationSections();
    if (UIApplication::instance()->mainWindow() == m_window)
        UIApplication::instance()->setMainWindow(nullptr);
    delete m_window;
}

void MainWindow::buildWindow()
{
    m_window = new UIWindow(nullptr, UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                                         UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu);
    // Both at once: each resize of the system window costs a round trip.
    m_window->setMinimumSize(kMinimumClientWidth, kMinimumClientHeight);
    m_window->setPlacement(Rect::kAlignVCenter | Rect::kAlignHCenter);
    UIApplication::instance()->setMainWindow(m_window);
}

void MainWindow::buildFilterBar()
{
    m_filterBar = shown(new UIBox(m_window));
    m_filterBar->setLayoutMargin(6);
    m_filterBar->applyMetricSpacing();
    m_filterBar->setBackground(verticalGradient({{Color(255, 212, 107), 0.0f}, {Color(236, 186, 64), 1.0f}}));
    m_filterPicture = shown(new UIPicture(m_filterBar));
    m_filterPicture->setImage(loadImageResource(String(u"filter")), 0, Rect::kAlignLeft | Rect::kAlignTop);
    buildFilterBoxes(m_filterBar);
    shown(new UIExpander(m_filterBar));
    buildZoomBox(m_filterBar);
    buildViewTabs(m_filterBar);
}

void MainWindow::buildZoomBox(UIWidget* parent)
{
    // The frames of the handle (normal, hovered, pressed, disabled) and of
    // the track, as the theme's own slider skins have them.
    static const int kHandleGrid[7] = {0, 16, 0, 0, 16, 0, 4};
    static const int kTrackGrid[7] = {2, 8, 2, 1, 2, 1, 4};
    m_zoomBox = shown(new UIBox(parent));
    m_zoomBox->setLayoutMargin(0);
    m_zoomBox->setLayoutSpacing(3);
    m_zoomOutPicture = dataPicture(m_zoomBox, u"zoom_small");
    m_zoomSlider = shown(new UISlider(m_zoomBox));
    m_zoomSlider->setRange(0, 100);
    setDataSkin(m_zoomSlider, u"UISlider_Handle", kHandleGrid);
    setDataSkin(m_zoomSlider, u"UISlider_HorizontalBackground", kTrackGrid);
    m_zoomInPicture = dataPicture(m_zoomBox, u"zoom_big");
}

void MainWindow::buildViewTabs(UIWidget* parent)
{
    m_viewTabs = shown(new UITabBar(parent));
    m_viewTabs->setTabStyle(UITabBar::kIconOnly);
    for (int i = 0; i < kViewCount; ++i) {
        m_viewTabs->addTab(ImageSet::ImageSetFromImage(loadImageResource(String(kViewTabs[i].icon))),
                           String());
        m_viewTabs->setTabToolTip(i, translate(kViewTabs[i].toolTip, kContext));
    }
    m_viewTabs->setCurrentIndex(0);
}

void MainWindow::buildSplitter()
{
    m_splitter = shown(new UISplitter(2, true, m_window));
    m_splitter->setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kExpanding);
    m_splitter->setBackground(Brush(Color(255, 255, 255), 0));
    // The splitter is the window's last row so far; it takes the free height.
    m_window->setRowStretch(m_window->children().count() - 1, 100.0f);
    UISplitterPanel* views = m_splitter->panel(0);
    views->setLayoutMargin(0);
    m_viewStack = shown(new UIStack(kViewCount, views));
    m_viewStack->setLayoutMargin(0);
    buildTable(m_viewStack->page(0));
    buildImageList(m_viewStack->page(1));
    buildCoverFlow(m_viewStack->page(2));
    m_viewStack->setCurrentIndex(0);
    m_splitter->panel(1)->setLayoutMargin(0);
    // The card is our own page: the browser shows it, follows no link and
    // runs nothing of it; the clicks reach us through the view's signals.
    const uint32_t cardOptions = WebViewOption::BlankOnly | WebViewOption::NoCache |
                                 WebViewOption::NoActiveContent | WebViewOption::DialogFrame |
                                 WebViewOption::NoContextMenu;
    m_webView = shown(new UIWebView(m_splitter->panel(1), cardOptions));
}

void MainWindow::buildTable(UIWidget* page)
{
    page->setLayoutMargin(0);
    m_tableView = shown(new UITableView(page));
    m_tableView->setCornerBackground(Brush(Color(226, 230, 232), 0));
    m_tableView->setVerticalStep(24);
    m_table = m_tableView->table();
    m_table->setSortingEnabled(true);
    UIHeader* header = m_table->header();
    header->setMinimumSectionWidth(60);
    for (const ColumnSpec& column : kColumns)
        header->addSection(translate(column.title, kContext), column.width, true)
            ->setSortType(column.sortType);
    header->setStretchLastSection(true);
}

void MainWindow::buildImageList(UIWidget* page)
{
    static const int kSelectionGrid[7] = {5, 40, 5, 5, 40, 5, 1};
    page->setLayoutMargin(0);
    m_listView = shown(new UIListView(page));
    m_list = m_listView->list();
    m_list->setViewMode(UIList::kIconMode);
    m_list->setItemSize(Size(165, 220));
    m_list->setDefaultIcon(Cover::blankSmallImage());
    m_list->setFlag(UIWidget::kWantsDoubleClicks, true);
    setDataSkin(m_list, u"UIList_Selection", kSelectionGrid);
    m_list->setStyleProperty(String(u"background"), String(u"165,133,0"));
    m_list->setStyleProperty(String(u"borderColor"), String(u"transparent"));
    m_list->setStyleProperty(String(u"iconModeItemPadding"), String(u"5,8,5,5"));
    m_list->setStyleProperty(String(u"iconModeItemMargin"), String(u"2"));
    m_list->setStyleProperty(String(u"defaultItemBackground"), String(u"transparent"));
    m_list->setStyleProperty(String(u"selectedItemBackground"), String(u"transparent"));
}

void MainWindow::buildStatusBar()
{
    m_statusBar = shown(new UIBox(m_window));
    m_statusBar->setLayoutMargin(0);
    m_statusBar->setBackground(verticalGradient(
        {{Color(107, 88, 65), 0.0f}, {Color(91, 75, 55), 0.06f}, {Color(72, 60, 44), 1.0f}}));
    m_statusBox = shown(new UIBox(m_statusBar));
    m_statusBox->setLayoutMargin(5);
    m_statusBox->setLayoutSpacing(4);
    m_statusLabel = shown(new UILabel(m_statusBox));
    m_statusLabel->setForeground(Color(255, 255, 255));
    m_secondStatusLabel = shown(new UILabel(m_statusBox));
    m_secondStatusLabel->setForeground(Color(255, 255, 255));
    shown(new UIExpander(m_statusBox));
    static const int kGripGrid[7] = {0, 12, 0, 0, 12, 0, 1};
    m_sizeGrip = shown(new UISizeGrip(m_statusBar));
    m_sizeGrip->setLayoutAlignment(Rect::kAlignRight | Rect::kAlignBottom);
    setDataSkin(m_sizeGrip, u"UISizeGrip_Background", u"sizegrip_background", kGripGrid);
}

void MainWindow::fillColumnMenu(UIMenu* menu)
{
    for (const ColumnSpec& column : kColumns)
        menu->addItem(translate(column.title, u"MainWindow/Menu"));
    for (int i = 0; i < menu->count(); ++i) {
        menu->setItemCheckable(i, true);
        menu->item(i)->setCheckType(UIMenuItem::kCheckMark);
    }
}

// The rows whose commands are not built yet join here with them.
void MainWindow::connectSignals()
{
    m_window->closeRequested.connectWithArg(this, &MainWindow::onClose);
    m_window->sessionEnded.connect(this, &MainWindow::onSessionEnded);
    m_window->customReceived.connectWithArg(this, &MainWindow::onStartTimer);
    m_window->shown.connectWithArg(this, &MainWindow::onShown);
    m_window->customReceived.connectWithArg(this, &MainWindow::onCoverFlowTimer);
    m_collectionMenu->item(kExitItem)->triggered.connect(this, &MainWindow::onExit);
    m_screenLayoutMenu->triggered.connectWithArg(this, &MainWindow::onScreenLayoutItem);
    m_viewMenu->triggered.connectWithArg(this, &MainWindow::onViewMenuItem);
    m_zoomSlider->valueChanged.connectWithArg(this, &MainWindow::onZoom);
    m_zoomOutPicture->mouseClicked.connectWithArg(this, &MainWindow::onZoomOutClicked);
    m_zoomInPicture->mouseClicked.connectWithArg(this, &MainWindow::onZoomInClicked);
    m_viewTabs->currentChanged.connectWithArg(this, &MainWindow::applyViewMode);
    connectHelpCommands();
    connectCollectionSignals();
    connectMovieEditing();
    connectToolCommands();
    connectTextExchange();
    connectMovieAdding();
}
