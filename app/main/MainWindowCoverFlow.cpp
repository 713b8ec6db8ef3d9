// The main window's cover flow: its widget is built with the window, but
// its Direct3D device starts only once the window has shown and painted,
// since making the device takes longer than the whole rest of the window.
// Until the device is known the cover flow cannot be chosen.
#include "app/main/MainWindow.h"

#include "app/launch/LaunchStamps.h"
#include "app/views/MovieCoverSource.h"
#include "model/CollectionModel.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/views/scene/Camera.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const int kCoverFlowView = 2;

} // namespace

void MainWindow::buildCoverFlow(UIWidget* page)
{
    page->setLayoutMargin(0);
    m_coverFlow = new UI3d(page);
    enableCoverFlowChoice(false);
}

void MainWindow::enableCoverFlowChoice(bool on)
{
    m_viewMenu->setItemEnabled(kViewCoverFlowItem, on);
    m_viewTabs->setTabEnabled(kCoverFlowView, on);
}

// Posted from the first paint; a timer's message waits until the queue has
// nothing else, so the painted window is on screen first.
void MainWindow::scheduleCoverFlowStart()
{
    if (!m_coverFlowKnown)
        m_window->startTimer(kCoverFlowTimerId, 0);
}

void MainWindow::onCoverFlowTimer(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kCoverFlowTimerId)
        return;
    m_window->killTimer(kCoverFlowTimerId);
    startCoverFlow();
}

void MainWindow::startCoverFlow()
{
    if (m_coverFlowKnown)
        return;
    m_coverFlowKnown = true;
    m_coverFlowAvailable = m_coverFlow->initializeDevice();
    LaunchStamps::mark("coverFlow");
    if (!m_coverFlowAvailable)
        return;
    setUpCoverFlowScene();
    m_coverSource = std::make_unique<MovieCoverSource>(m_model);
    m_coverFlowScene->setSource(m_coverSource.get());
    connectCoverFlowInput();
    m_coverFlow->updatePlacement();
    applyCoverFlowZoom();
    enableCoverFlowChoice(true);
    takeUpShownMovies();
    if (m_coverFlowWanted)
        setViewMode(kCoverFlowView);
    else
        m_coverFlow->setVisible(viewMode() == kCoverFlowView);
}

void MainWindow::setUpCoverFlowScene()
{
    m_coverFlow->setClearColour(Color(50, 41, 31));
    m_coverFlow->setMinimumHeight(200);
    Camera* camera = m_coverFlow->camera();
    camera->setNearPlane(0.1f);
    camera->setFarPlane(5000.0f);
    camera->setEye(Vec3(0, 60, -400));
    camera->setTarget(Vec3(0, 60, -100));
    camera->placeForHeight(290.0f);
    camera->setAxisScale(Vec3(1, 1, 1));
    m_coverFlowScene = new CoverFlowScene();
    m_coverFlowScene->setVisibleWidth(1100.0f);
    m_coverFlowScene->setCentreGap(256.0f);
    m_coverFlowScene->setSelectedScale(1.1f);
    m_coverFlowScene->setSideSpacing(25.0f);
    m_coverFlowScene->setShades(0.03f, 0.9f);
    m_coverFlowScene->setSideAngle(0.78539816f);
    m_coverFlowScene->setSelectedOffset(Vec3(0, 0, -100));
    m_coverFlowScene->setAnimationSpeed(2.0f);
    m_coverFlow->addScene(m_coverFlowScene);
}

// A collection opened before the device was known filled the other views
// only: the cover flow waits, as a hidden view does, for the same movies and
// the selection they show.
void MainWindow::takeUpShownMovies()
{
    if (!m_model.isCollectionOpen())
        return;
    if (!m_imagesDeferred)
        m_deferredMovies = passingMovies();
    m_coverFlowDeferred = true;
    m_deferredSelection = m_lastSelected;
    m_deferredCleared = false;
}
