// The main window's movie views: the screen layout, the view mode and the
// zoom of each view.
#include "app/main/MainWindow.h"

#include "app/views/ViewZoom.h"
#include "model/CollectionModel.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/views/scene/Camera.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListItem.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"

namespace {

const int kListView = 0;
const int kImagesView = 1;
const int kCoverFlowView = 2;

} // namespace

void MainWindow::setScreenLayout(int layout)
{
    if (layout < 0 || layout >= kLayoutCount)
        layout = 0;
    m_screenLayout = layout;
    m_screenLayoutMenu->checkItem(layout);
    // Layouts 0 and 1 stack the views and the card, 2 and 3 set them side
    // by side; the odd ones put the card first.
    m_splitter->setVertical(layout < 2);
    bool cardFirst = layout % 2 == 1;
    if (cardFirst != m_cardFirst) {
        m_splitter->reverse();
        m_cardFirst = cardFirst;
        if (m_coverFlowAvailable)
            m_coverFlow->updatePlacement();
    }
}

void MainWindow::setViewMode(int mode)
{
    m_coverFlowWanted = mode == kCoverFlowView && !m_coverFlowKnown;
    m_viewTabs->setCurrentIndex(mode);
}

int MainWindow::viewMode() const
{
    int mode = m_viewTabs->currentIndex();
    return mode >= 0 && mode < kViewCount ? mode : kListView;
}

void MainWindow::applyViewMode(int index)
{
    fillDeferredView(index);
    m_viewStack->setCurrentIndex(index);
    if (m_model.isCollectionOpen())
        updateSelectionCommands();
    if (index >= 0 && index < kViewCount)
        m_viewMenu->checkItem(kViewListItem + index);
    if (m_coverFlowAvailable)
        m_coverFlow->setVisible(index == kCoverFlowView);
    if (index == kListView) {
        moveZoomSlider(m_listZoom);
    } else if (index == kImagesView) {
        moveZoomSlider(m_imagesZoom);
    } else if (index == kCoverFlowView && m_coverFlowAvailable) {
        moveZoomSlider(m_coverFlowZoom);
        m_coverFlowScene->restartAnimation();
    }
}

void MainWindow::setListZoom(float zoom)
{
    m_listZoom = viewzoom::clamped(zoom);
    if (viewMode() == kListView)
        moveZoomSlider(m_listZoom);
}

void MainWindow::setImagesZoom(float zoom)
{
    m_imagesZoom = viewzoom::clamped(zoom);
    if (viewMode() == kImagesView)
        moveZoomSlider(m_imagesZoom);
}

void MainWindow::setCoverFlowZoom(float zoom)
{
    m_coverFlowZoom = viewzoom::clamped(zoom);
    if (viewMode() == kCoverFlowView)
        moveZoomSlider(m_coverFlowZoom);
}

void MainWindow::moveZoomSlider(float zoom)
{
    m_zoomSlider->setValue(viewzoom::sliderValue(zoom));
}

void MainWindow::onZoom(int value)
{
    float zoom = viewzoom::fromSlider(value, m_zoomSlider->minimum(), m_zoomSlider->maximum());
    int mode = viewMode();
    if (mode == kImagesView) {
        m_imagesZoom = zoom;
        applyImagesZoom();
    } else if (mode == kCoverFlowView) {
        m_coverFlowZoom = zoom;
        applyCoverFlowZoom();
    } else {
        m_listZoom = zoom;
        applyListZoom();
    }
}

void MainWindow::onZoomOutClicked(UIEvent*)
{
    m_zoomSlider->setToMinimum();
}

void MainWindow::onZoomInClicked(UIEvent*)
{
    m_zoomSlider->setToMaximum();
}

void MainWindow::applyListZoom()
{
    m_table->setRowHeight(viewzoom::rowHeight(m_listZoom), true);
}

void MainWindow::applyImagesZoom()
{
    m_list->setItemSize(viewzoom::imageCellSize(m_imagesZoom));
}

// Zoomed out, a cover and a band of 250 around it fill the height; zoomed
// in, a band of 50.
void MainWindow::applyCoverFlowZoom()
{
    if (!m_coverFlowAvailable)
        return;
    Camera* camera = m_coverFlow->camera();
    float base = static_cast<float>(CoverFlowScene::kCoverBox);
    float nearest = camera->distanceForHeight(base + 50.0f);
    float farthest = camera->distanceForHeight(base + 250.0f);
    float distance = viewzoom::cameraDistance(farthest, nearest, m_coverFlowZoom);
    camera->setDistance(distance);
    m_coverFlowScene->setVisibleWidth(camera->visibleWidthAt(distance));
    m_coverFlowScene->relayout();
}

Movie* MainWindow::currentMovie() const
{
    int mode = viewMode();
    if (mode == kListView) {
        UITableRow* row = m_table->currentRowItem();
        return row ? m_model.movieById(row->tag()) : nullptr;
    }
    if (mode == kImagesView) {
        UIListItem* item = m_list->currentItem();
        return item ? m_model.movieById(item->tag()) : nullptr;
    }
    if (mode == kCoverFlowView && m_coverFlowAvailable)
        return m_model.movieById(m_coverFlowScene->selectedId());
    return nullptr;
}
