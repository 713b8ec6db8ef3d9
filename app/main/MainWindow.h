#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

#include "app/views/MovieFilter.h"
#include "foundation/signals/Signal.h"

#include <cstdint>
#include <memory>
#include <vector>

class CollectionModel;
class CoverFlowScene;
class FillTimings;
class JsonValue;
class Movie;
class MovieCells;
class MovieCoverSource;
class ThumbnailCache;
class UIComboBox;
struct NewMovieRecord;
class NewMovieRecordList;
class UI3d;
class UIBox;
class UIMenu;
class UIMenuBar;
class UISizeGrip;
class UIToolBar;
class UIEvent;
class UILabel;
class UIList;
class UIListView;
class UIListItem;
class Image;
struct Point;
class UIPicture;
class UISlider;
class UISplitter;
class UIStack;
class UITabBar;
class UITable;
class UITableView;
class UIWebView;
class UIWidget;
class UIWindow;
class View;

// The controller of the program's one top-level window: the filter bar with
// the view tabs and the zoom, the three movie views beside the movie card,
// and the status bar. The View makes it hidden; its start-up timer shows it,
// and closing it ends the program.
class MainWindow : public Window
{
public:
    // The View's one-shot start-up timer on the window.
    static constexpr int kStartTimerId = 201298;
    // The one-shot after the first paint that starts the cover flow's device.
    static constexpr int kCoverFlowTimerId = 201300;
    static constexpr int kColumnCount = 16;
    static constexpr int kLayoutCount = 4;
    static constexpr int kViewCount = 3;
    static constexpr int kMinimumClientWidth = 200;
    static constexpr int kMinimumClientHeight = 400;
    static constexpr float kDefaultListZoom = 0.0f;
    static constexpr float kDefaultImagesZoom = 0.7f;
    static constexpr float kDefaultCoverFlowZoom = 1.0f;
    // Menu indices count the separators; tool bar buttons do not.
    static constexpr int kExitItem = 5;
    static constexpr int kViewListItem = 4;
    static constexpr int kViewCoverFlowItem = 6;
    static constexpr int kToolbarItem = 8;
    static constexpr int kAlwaysOnTopItem = 9;
    static constexpr int kSortButton = 3;
    static constexpr int kLoansButton = 7;

    MainWindow(View& view, CollectionModel& model);
    ~MainWindow() override;

    UIWindow* window() const { return m_window; }
    UITable* table() const { return m_table; }
    // The grid and the cover flow are filled when first shown or read.
    UIList* list();
    UITabBar* viewTabs() const { return m_viewTabs; }
    UISplitter* splitter() const { return m_splitter; }
    UIStack* viewStack() const { return m_viewStack; }
    UISlider* zoomSlider() const { return m_zoomSlider; }
    UIWebView* webView() const { return m_webView; }
    UILabel* statusLabel() const { return m_statusLabel; }
    bool isCoverFlowAvailable() const { return m_coverFlowAvailable; }
    // Whether the cover flow's device was tried yet; until then the cover
    // flow is unavailable and cannot be chosen.
    bool isCoverFlowKnown() const { return m_coverFlowKnown; }
    UIMenuBar* menuBar() const { return m_menuBar; }
    UIMenu* viewMenu() const { return m_viewMenu; }
    UIMenu* screenLayoutMenu() const { return m_screenLayoutMenu; }
    UIToolBar* toolBar() const { return m_toolBar; }
    // The View menu's "Columns" and the column header's menu, both checked
    // as the column shows.
    void setColumnChecks(int column, bool visible);

    // ---- Life ----
    void onStartTimer(UIEvent* event);
    void startUp();
    void onShown(UIEvent* event);
    void onClose(UIEvent* event);
    // Saves the settings and the collection and ends the message loop; once.
    void shutDown();
    // The system's session ends: what a close writes is written, and the
    // program stays as it is until the system ends it.
    void onSessionEnded();
    void showNoCollectionState();
    void onExit();
    void onViewMenuItem(int index);
    void onScreenLayoutItem(int index);
    bool hasShutDown() const { return m_shutDown; }
    // Stores the window's place, once the start-up has restored it.
    void storePlace();

    // ---- Views ----
    // 0-3; any other value is taken as 0, so no layout reaches past the menu.
    void setScreenLayout(int layout);
    int screenLayout() const { return m_screenLayout; }
    // Makes that view tab current; a disabled or unknown tab is refused.
    void setViewMode(int mode);
    // The current view tab; 0 for anything but 0, 1 or 2.
    int viewMode() const;
    void applyViewMode(int index);
    // Each clamps to 0.0-1.0 (NaN gives 0) and moves the slider when its
    // view is the current one.
    void setListZoom(float zoom);
    void setImagesZoom(float zoom);
    void setCoverFlowZoom(float zoom);
    float listZoom() const { return m_listZoom; }
    float imagesZoom() const { return m_imagesZoom; }
    float coverFlowZoom() const { return m_coverFlowZoom; }
    void onZoom(int value);
    // The small and the big zoom pictures send the slider to its ends.
    void onZoomOutClicked(UIEvent* event);
    void onZoomInClicked(UIEvent* event);
    // The movie of the visible view's current entry, whose tag is the
    // movie's id; none when the view has no current entry.
    Movie* currentMovie() const;

    // ---- Cover flow start (MainWindowCoverFlow.cpp) ----
    // Tries the device once, then sets up the scene and offers the view;
    // a cover flow asked for before it was known becomes current now.
    void startCoverFlow();

    // ---- Automation ----
    // The ids driven tests find the window's parts by ("#main", "#toolbar"
    // ...), and the dump's section of the program's timings.
    void setAutomationIds();
    // The dump's sections: "timings" (a stamp per fill), "views" (what
    // each view has current, the zooms, layout, columns and sort) and
    // "updates" (the update answers taken).
    void addAutomationSections();
    void removeAutomationSections();
    JsonValue viewsState() const;

    // ---- Collections ----
    // Opens the collection at path: asks its password when it has one, then
    // saves and closes the open collection and reads the new one. A refused
    // password or a collection that cannot be saved keeps the open one (the
    // latter with a warning); a file that cannot be read is named in a
    // warning and the previous collection is opened again. An empty path
    // does nothing.
    void openCollection(const String& path);
    // At start-up: the last used collection when the setting asks for it,
    // else "Example" when it is the data folder's only collection.
    void openCollectionAtStart();
    void newCollection();
    void chooseCollection();
    // "Open Collection..." only when there is a collection to open.
    void updateCollectionMenu();
    void showCollectionState();
    void showPasswordProtection();
    // The movie the collection file names, else the first one.
    void selectStoredMovie();
    UIMenu* collectionMenu() const { return m_collectionMenu; }

    // ---- Card ----
    // The current movie's card, and the window title of the movie, the
    // collection and the product.
    void showCard();

    // ---- Help ----
    // The Help menu's commands and the statistics of the Tools menu.
    void connectHelpCommands();
    void showStatistics();
    void showAbout();
    void showFeedback();
    // Opens the HTML export frame; no menu reaches it while it exports
    // nothing.
    void showExportToHtml();
    // Starts the informer's query; nothing while one is under way.
    void checkForUpdates();
    // The product's page for this copy; empty without a program core.
    static String homePageAddress();
    void openHomePage();
    // The informer's accepted answer: a newer version is offered, the same
    // one is confirmed, an older one (or anything else) says nothing.
    void onNewVersion();

    // ---- Movie list ----
    // Refills the three views with the movies that pass the filter, keeps
    // the current movie while it passes and updates the status line.
    void fillMovieList();
    // Sets that movie's row, item and cover again after an edit.
    void refreshMovie(Movie* movie);
    // Makes the movie (or none) current in all three views; false when it
    // already was the last one selected.
    bool selectMovie(Movie* movie);
    static String movieCaption(const Movie& movie);
    // After every fill, for timings.
    Signal movieListFilled;
    UIComboBox* filterKindBox() const { return m_filterKindBox; }
    UIComboBox* filterValueBox() const { return m_filterValueBox; }
    UIComboBox* actorBox() const { return m_actorBox; }
    CoverFlowScene* coverFlowScene();
    UI3d* coverFlow() const { return m_coverFlow; }
    UIMenu* movieMenu() const { return m_movieMenu; }
    UIMenu* columnsMenu() const { return m_columnsMenu; }
    UIMenu* columnHeaderMenu() const { return m_columnMenu; }
    UIMenu* sortMenu() const { return m_sortMenu; }
    UIMenu* toolBarSortMenu() const { return m_toolBarSortMenu; }
    UIMenu* movieContextMenu() const { return m_movieContextMenu; }
    static int defaultColumnWidth(int column);

    // ---- Filter ----
    bool matchesFilter(const Movie& movie) const;
    void onFilterKindChanged(int index);
    void onFilterValueChanged(int index);
    void onActorChanged(int index);
    // Back to "All" with the value and actor boxes hidden and empty, as a
    // newly opened collection needs: the old one's values would filter it.
    void resetFilter();
    int filterKind() const { return m_filter.kind; }
    bool showsEverything() const { return m_showsEverything; }

    // ---- Input ----
    // The movie commands the views' input asks for; the commands connect.
    enum MovieCommand
    {
        kEditMovieCommand = 1,
        kAddMovieCommand = 2,
        kRemoveMovieCommand = 3
    };
    Signal movieCommandRequested;
    void applyColumns();
    void updateSortMenus();
    void sortBy(UIMenu* menu, int index);
    void stepMovie(bool forward);
    void onColumnsItem(int index);
    void onColumnHeaderItem(int index);
    void onViewMenuAboutToShow();
    void onRefresh();
    void onCoverFlowMouseMoved(UIEvent* event);
    void onCoverFlowReleased(UIEvent* event);
    void onCoverFlowWheel(UIEvent* event);
    void onCoverFlowDoubleClicked(UIEvent* event);
    void onCoverFlowKey(UIEvent* event);
    void onCoverFlowResized(UIEvent* event);
    void onAnimationFinished(int kind);
    void onTableCurrentChanged(int index);
    void onListCurrentChanged(int index);
    void onTableReleased(UIEvent* event);
    void onListReleased(UIEvent* event);
    void onViewCommand(int index);
    void onViewDoubleClicked(UIEvent* event);
    void onViewKey(UIEvent* event);
    void onPreviousClicked();
    void onNextClicked();
    void onSortMenuItem(int index);
    void onToolBarSortMenuItem(int index);

    // ---- MovieEditing ----
    void connectMovieEditing();
    void onAddMovie();
    void onEditMovie();
    // Run the movie editor. Each hands back the movie to select: the one
    // added (null when cancelled), or the last one shown while editing
    // (after stepping, the one stepped to).
    Movie* addMovie(uint32_t options, const NewMovieRecord& preset);
    Movie* editMovie(Movie* movie, uint32_t options);

    // ---- Tools ----
    void connectToolCommands();
    // The loans window over the open collection.
    void manageLoans();
    // The options; after OK the views take the new settings, and a new
    // language asks whether to restart now.
    void showOptions();
    // Starts Helper.exe to bring the program back once it has ended, then
    // shuts down; false, still running, when the helper is missing or did
    // not start.
    bool restartThroughHelper();
    static String helperCommandLine(const String& programPath);
    // ---- TextExchange ----
    void connectTextExchange();
    // Run the text export and import windows; the movies an import added
    // take their places in the current sort in every view.
    void exportToText();
    void importFromText();
    // ---- MovieAdding: by bar code and by scanning a folder ----
    void connectMovieAdding();
    void addMovieByBarCode();
    void addMoviesByScanningFolder();
    // ---- Movie commands ----
    // Runs a command the views asked for once their input event has
    // returned.
    static constexpr int kMovieCommandTimerId = 201299;
    void connectMovieCommands();
    void onMovieCommand(int command);
    void onMovieCommandTimer(UIEvent* event);
    void runMovieCommand(int command);
    void onEditTags();
    // Every add ends here (by hand, bar code, folder scan, import): the list
    // is sorted again in the current mode and order and the views refilled;
    // a single added movie becomes the selected one and its card is shown.
    // With added null (several movies) the selection stays.
    void showAddedMovies(Movie* added);
    // Adds a movie for each record, in order, then shows them as above
    // without changing the selection; the number added.
    int addMovieRecords(const NewMovieRecordList& records);
    // Removes the current movie, asking first when the setting wants it.
    void removeMovie();
    void setColorLabel(int index);
    void copyToClipboard(int index);
    void onColorLabelMenuAboutToShow();

    // ---- Card clicks ----
    // The web view's elementClicked (tag, id): the card's play elements.
    void playLink(const String& tag, const String& id);
    // The web view's linkClicked (href, id): the shown movie's link the
    // href names, opened by its own type.
    void openLink(const String& href, const String& id);

private:
    void buildWindow();
    void buildMenus();
    void buildViewMenu();
    UIMenu* addBarMenu(const char16_t* title);
    void fillColumnMenu(UIMenu* menu);
    void buildToolBar();
    void buildMovieContextMenu();
    void buildColumnHeaderMenu();
    void setCollectionCommandsEnabled(bool on);
    // A skin drawn from the data image of that name, with the stretch grid
    // left, centre, right, top, middle, bottom and the frame count.
    static void setDataSkin(UIWidget* widget, const char16_t* name, const int grid[7]);
    // The same for a skin whose data image has another name.
    static void setDataSkin(UIWidget* widget, const char16_t* skinName, const char16_t* imageName,
                            const int grid[7]);
    void buildFilterBar();
    void buildZoomBox(UIWidget* parent);
    void buildViewTabs(UIWidget* parent);
    void buildSplitter();
    void buildTable(UIWidget* page);
    void buildImageList(UIWidget* page);
    void buildCoverFlow(UIWidget* page);
    void buildStatusBar();
    void connectSignals();
    void applyImagesZoom();
    void applyListZoom();
    void applyCoverFlowZoom();
    void moveZoomSlider(float zoom);

    // ---- Collections ----
    void connectCollectionSignals();
    // After a failed save at the end: asks whether to try again until the
    // collection is saved or the user lets it go.
    void retryFailedSave();
    String collectionPath(const String& name) const;

    View& m_view;
    CollectionModel& m_model;
    CoverFlowScene* m_coverFlowScene = nullptr;
    UI3d* m_coverFlow = nullptr;
    UIWindow* m_window = nullptr;
    UIMenuBar* m_menuBar = nullptr;
    UIMenu* m_collectionMenu = nullptr;
    UIMenu* m_movieMenu = nullptr;
    UIMenu* m_viewMenu = nullptr;
    UIMenu* m_screenLayoutMenu = nullptr;
    UIMenu* m_sortMenu = nullptr;
    UIMenu* m_columnsMenu = nullptr;
    UIMenu* m_loansMenu = nullptr;
    UIMenu* m_toolsMenu = nullptr;
    UIMenu* m_helpMenu = nullptr;
    UIMenu* m_toolBarSortMenu = nullptr;
    UIMenu* m_movieContextMenu = nullptr;
    UIMenu* m_copyMenu = nullptr;
    UIMenu* m_colorLabelMenu = nullptr;
    UIToolBar* m_toolBar = nullptr;
    UIBox* m_filterBar = nullptr;
    UIPicture* m_filterPicture = nullptr;
    UIBox* m_zoomBox = nullptr;
    UISlider* m_zoomSlider = nullptr;
    UIPicture* m_zoomOutPicture = nullptr;
    UIPicture* m_zoomInPicture = nullptr;
    UITabBar* m_viewTabs = nullptr;
    UISplitter* m_splitter = nullptr;
    UIStack* m_viewStack = nullptr;
    UITableView* m_tableView = nullptr;
    UITable* m_table = nullptr;
    UIListView* m_listView = nullptr;
    UIList* m_list = nullptr;
    UIMenu* m_columnMenu = nullptr;
    UIWebView* m_webView = nullptr;
    UIBox* m_statusBar = nullptr;
    UIBox* m_statusBox = nullptr;
    UILabel* m_statusLabel = nullptr;
    UILabel* m_secondStatusLabel = nullptr;
    UISizeGrip* m_sizeGrip = nullptr;
    bool m_coverFlowAvailable = false;
    int m_screenLayout = 0;
    float m_listZoom = 0.0f;
    float m_imagesZoom = 0.0f;
    float m_coverFlowZoom = 0.0f;
    // Whether the card sits in the splitter's first panel.
    bool m_cardFirst = false;
    bool m_shutDown = false;
    // Set once the start-up has put the window at its stored place: before
    // that its frame is not the user's, and storing it would lose the place.
    bool m_placeRestored = false;

    // ---- Movie list ----
    // The movies that pass the filter, in the list's order: the one walk over
    // the collection a fill makes.
    std::vector<Movie*> passingMovies() const;
    // The fill itself, of movies the caller already knows pass.
    void fillMovieListWith(std::vector<Movie*> shown);
    void fillTable(const std::vector<Movie*>& shown);
    void fillImageList(const std::vector<Movie*>& shown);
    void fillCoverFlow(const std::vector<Movie*>& shown);
    void updateStatusLine();
    void updateSelectionCommands();
    Image listIcon(const UIListItem& item);
    String listToolTip(const UIListItem& item) const;
    std::unique_ptr<MovieCells> m_movieCells;
    std::unique_ptr<ThumbnailCache> m_thumbnails;
    // The collection the cached thumbnails belong to.
    String m_thumbnailsFolder;
    std::unique_ptr<MovieCoverSource> m_coverSource;
    // Compared by address only, never followed.
    const Movie* m_lastSelected = nullptr;
    // While the views are refilled their current-changed handlers wait.
    bool m_filling = false;

    // ---- Hidden views filled late (MainWindowMovieList.cpp) ----
    // A fill fills the grid and the cover flow only when shown; a hidden one
    // is filled when shown or read, with the fill's movies and the selection
    // the intervening selections would have left in it.
    void fillDeferredViews();
    void fillDeferredView(int mode);
    void deferSelection(const Movie* movie);
    std::vector<Movie*> m_deferredMovies;
    bool m_imagesDeferred = false;
    bool m_coverFlowDeferred = false;
    // The last selection a deferred view takes: a movie it holds, or none.
    const Movie* m_deferredSelection = nullptr;
    bool m_deferredCleared = false;

    // ---- Filter ----
    void buildFilterBoxes(UIWidget* parent);
    void connectFilterSignals();
    void fillValueBox(int kind);
    void fillActorBox(std::vector<Movie*>* having);
    UIComboBox* m_filterKindBox = nullptr;
    UIComboBox* m_filterValueBox = nullptr;
    UIComboBox* m_actorBox = nullptr;
    MovieFilter m_filter;
    bool m_showsEverything = false;
    bool m_changingKind = false;
    bool m_changingValue = false;

    // ---- Input ----
    void connectInputSignals();
    void connectCoverFlowInput();
    void popMovieMenuAt(UIWidget* view, const Point& position);
    void selectCoverFrom(const Point& position, bool click);
    void stepCoverFlow(bool forward);
    void requestEdit();
    float m_pointerX = 0.0f;
    float m_pointerY = 0.0f;

    // ---- Cover flow start (MainWindowCoverFlow.cpp) ----
    void enableCoverFlowChoice(bool on);
    void scheduleCoverFlowStart();
    void onCoverFlowTimer(UIEvent* event);
    void setUpCoverFlowScene();
    void takeUpShownMovies();
    bool m_coverFlowKnown = false;
    // The configuration or a caller asked for the cover flow before its
    // device was known.
    bool m_coverFlowWanted = false;

    // ---- Automation ----
    std::unique_ptr<FillTimings> m_fillTimings;
    // The informer's answers taken so far: an answer that says nothing
    // leaves no other trace a driven test could wait for.
    int m_updateAnswers = 0;
    // ---- Movie commands ----
    // Asks whether to make a collection of one's own instead of adding to
    // the only, example collection; true when one was made.
    bool offersOwnCollection();

    int m_pendingCommand = 0;

    // ---- Card clicks ----
    void connectCardClicks();
    void playMovieLinks(const Movie& movie);
    void playFile(const String& url);
};
