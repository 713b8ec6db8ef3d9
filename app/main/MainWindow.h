#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

#include <cstdint>

class CollectionModel;
class CoverFlowScene;
class Movie;
class UI3d;
class UIBox;
class UIEvent;
class UILabel;
class UIList;
class UIListView;
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
    static constexpr int kColumnCount = 16;
    static constexpr int kLayoutCount = 4;
    static constexpr int kViewCount = 3;
    static constexpr int kMinimumClientWidth = 200;
    static constexpr int kMinimumClientHeight = 400;
    static constexpr float kDefaultListZoom = 0.0f;
    static constexpr float kDefaultImagesZoom = 0.7f;
    static constexpr float kDefaultCoverFlowZoom = 1.0f;

    MainWindow(View& view, CollectionModel& model);
    ~MainWindow() override;

    UIWindow* window() const { return m_window; }
    UITable* table() const { return m_table; }
    UIList* list() const { return m_list; }
    UITabBar* viewTabs() const { return m_viewTabs; }
    UISplitter* splitter() const { return m_splitter; }
    UIStack* viewStack() const { return m_viewStack; }
    UISlider* zoomSlider() const { return m_zoomSlider; }
    UIWebView* webView() const { return m_webView; }
    UILabel* statusLabel() const { return m_statusLabel; }
    bool isCoverFlowAvailable() const { return m_coverFlowAvailable; }

    // ---- Life ----
    void onStartTimer(UIEvent* event);
    void startUp();
    void onShown(UIEvent* event);
    void onClose(UIEvent* event);
    // Saves the settings and the collection and ends the message loop; once.
    void shutDown();
    void showNoCollectionState();
    bool hasShutDown() const { return m_shutDown; }

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

private:
    void buildWindow();
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

    View& m_view;
    CollectionModel& m_model;
    CoverFlowScene* m_coverFlowScene = nullptr;
    UI3d* m_coverFlow = nullptr;
    UIWindow* m_window = nullptr;
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
    UIWebView* m_webView = nullptr;
    UIBox* m_statusBar = nullptr;
    UIBox* m_statusBox = nullptr;
    UILabel* m_statusLabel = nullptr;
    UILabel* m_secondStatusLabel = nullptr;
    bool m_coverFlowAvailable = false;
    int m_screenLayout = 0;
    float m_listZoom = 0.0f;
    float m_imagesZoom = 0.0f;
    float m_coverFlowZoom = 0.0f;
    // Whether the card sits in the splitter's first panel.
    bool m_cardFirst = false;
    bool m_shutDown = false;
};
