// The main window's life: the deferred start-up, the two collection states,
// and the end of the program.
#include "app/main/MainWindow.h"

#include "app/launch/LaunchStamps.h"
#include "app/view/View.h"
#include "app/window/WindowGeometry.h"
#include "foundation/core/AppCore.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "model/records/Movie.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char16_t kGeometryName[] = u"Main";

} // namespace

void MainWindow::onStartTimer(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kStartTimerId)
        return;
    m_window->killTimer(kStartTimerId);
    LaunchStamps::mark("timer");
    startUp();
}

void MainWindow::startUp()
{
    restoreWindowGeometry(m_window, String(kGeometryName), true, true);
    m_placeRestored = true;
    m_list->setStyleProperty(String(u"background"), m_view.movieListBackgroundColor.toDecimalText());
    m_list->setStyleProperty(String(u"defaultItemForeground"), m_view.movieListTextColor.toDecimalText());
    m_list->setStyleProperty(String(u"selectedItemForeground"),
                             m_view.movieListSelectedTextColor.toDecimalText());
    showNoCollectionState();
    openCollectionAtStart();
    applyViewMode(m_viewTabs->currentIndex());
    applyListZoom();
    applyImagesZoom();
    applyCoverFlowZoom();
    m_window->show();
}

void MainWindow::onShown(UIEvent*)
{
    LaunchStamps::mark("shown");
    m_window->relayout();
    // The first full paint at once rather than when the queue comes to it:
    // the window is complete on screen from here on.
    m_window->update();
    LaunchStamps::mark("painted");
    scheduleCoverFlowStart();
}

void MainWindow::onClose(UIEvent*)
{
    storePlace();
    shutDown();
}

void MainWindow::storePlace()
{
    if (m_placeRestored)
        saveWindowGeometry(m_window, String(kGeometryName), true, true);
}

void MainWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    Movie* shown = currentMovie();
    if (Application* application = Application::instance())
        application->saveAndClose(shown ? shown->id : 0);
    retryFailedSave();
    if (AppCore* core = AppCore::instance())
        core->quit();
}

// The system ends the process soon after, at any moment and without a
// close, so the writes cannot wait for the user: no questions, and a write
// that fails leaves the files as last saved. Nothing is closed: a dialog
// running over the window keeps what it holds to itself, as its Cancel
// would, and the windows still show a collection that is whole.
void MainWindow::onSessionEnded()
{
    // After a shutdown only a collection whose save failed is left to write.
    if (m_shutDown && !m_model.isCollectionOpen())
        return;
    if (!m_shutDown)
        storePlace();
    Movie* shown = currentMovie();
    if (Application* application = Application::instance())
        application->saveKeepingOpen(shown ? shown->id : 0);
}

void MainWindow::showNoCollectionState()
{
    m_webView->setHtml(m_model.cardRenderer().render(nullptr, m_model.viewSettings()));
    setCollectionCommandsEnabled(false);
    // Nothing is selected without a collection.
    m_movieMenu->setItemEnabled(4, false);
    m_movieMenu->setItemEnabled(6, false);
}
