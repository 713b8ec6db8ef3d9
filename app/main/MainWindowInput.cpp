// The View menu's and the tool bar's commands that arrange and order the
// movie views, and the pointer and keys of the three views.
#include "app/main/MainWindow.h"

#include "app/views/SortMenus.h"
#include "app/views/ViewStepping.h"
#include "model/CollectionModel.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/views/scene/Camera.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const int kPreviousButton = 4;
const int kNextButton = 5;
const int kRefreshItem = 11;
const uint32_t kControlModifier = 2;
const int kWheelForward = 3;
const int kZoomWheelStep = 5;
const uint32_t kLeftButton = 1;
const uint32_t kRightButton = 2;
const int kEnterKey = 13;
const int kSpaceKey = 32;
const int kLeftKey = 37;
const int kRightKey = 39;
const int kDeleteKey = 46;

} // namespace

void MainWindow::connectInputSignals()
{
    m_table->currentRowChanged.connectWithArg(this, &MainWindow::onTableCurrentChanged);
    m_list->currentChanged.connectWithArg(this, &MainWindow::onListCurrentChanged);
    m_columnsMenu->triggered.connectWithArg(this, &MainWindow::onColumnsItem);
    m_columnMenu->triggered.connectWithArg(this, &MainWindow::onColumnHeaderItem);
    m_viewMenu->aboutToShow.connect(this, &MainWindow::onViewMenuAboutToShow);
    m_toolBarSortMenu->aboutToShow.connect(this, &MainWindow::updateSortMenus);
    m_sortMenu->triggered.connectWithArg(this, &MainWindow::onSortMenuItem);
    m_toolBarSortMenu->triggered.connectWithArg(this, &MainWindow::onToolBarSortMenuItem);
    m_toolBar->button(kPreviousButton)->clicked.connect(this, &MainWindow::onPreviousClicked);
    m_toolBar->button(kNextButton)->clicked.connect(this, &MainWindow::onNextClicked);
    m_viewMenu->triggered.connectWithArg(this, &MainWindow::onViewCommand);
    m_table->mouseReleased.connectWithArg(this, &MainWindow::onTableReleased);
    m_list->mouseReleased.connectWithArg(this, &MainWindow::onListReleased);
    for (UIWidget* view : {static_cast<UIWidget*>(m_table), static_cast<UIWidget*>(m_list)}) {
        view->mouseDoubleClicked.connectWithArg(this, &MainWindow::onViewDoubleClicked);
        view->keyPressed.connectWithArg(this, &MainWindow::onViewKey);
    }
    connectCoverFlowInput();
}

void MainWindow::connectCoverFlowInput()
{
    if (!m_coverFlowAvailable)
        return;
    m_coverFlowScene->animationFinished.connectWithArg(this, &MainWindow::onAnimationFinished);
    m_coverFlow->mouseMoved.connectWithArg(this, &MainWindow::onCoverFlowMouseMoved);
    m_coverFlow->mouseReleased.connectWithArg(this, &MainWindow::onCoverFlowReleased);
    m_coverFlow->wheelTurned.connectWithArg(this, &MainWindow::onCoverFlowWheel);
    m_coverFlow->mouseDoubleClicked.connectWithArg(this, &MainWindow::onCoverFlowDoubleClicked);
    m_coverFlow->keyPressed.connectWithArg(this, &MainWindow::onCoverFlowKey);
    m_coverFlow->resized.connectWithArg(this, &MainWindow::onCoverFlowResized);
}

void MainWindow::onColumnsItem(int index)
{
    m_columnMenu->setItemChecked(index, m_columnsMenu->isItemChecked(index));
    applyColumns();
}

void MainWindow::onColumnHeaderItem(int index)
{
    m_columnsMenu->setItemChecked(index, m_columnMenu->isItemChecked(index));
    applyColumns();
}

void MainWindow::applyColumns()
{
    int before = m_table->header()->visibleCount();
    for (int column = 0; column < kColumnCount; ++column)
        m_table->setColumnVisible(column, m_columnsMenu->isItemChecked(column));
    if (m_table->header()->visibleCount() <= before)
        return;
    for (int column = 0; column < kColumnCount; ++column)
        m_table->setColumnWidth(column, defaultColumnWidth(column));
}

void MainWindow::onViewMenuAboutToShow()
{
    updateSortMenus();
    m_viewMenu->setItemChecked(kAlwaysOnTopItem, m_window->testWindowFlag(UINativeWindow::kTopmost));
}

void MainWindow::updateSortMenus()
{
    sortmenus::Checks checks = sortmenus::checksFor(m_model.sortMode(), m_model.sortOrder());
    for (UIMenu* menu : {m_sortMenu, m_toolBarSortMenu}) {
        if (checks.orderItem >= 0)
            menu->checkItem(checks.orderItem);
        if (checks.modeItem >= 0)
            menu->checkItem(checks.modeItem);
    }
}

void MainWindow::onSortMenuItem(int index)
{
    sortBy(m_sortMenu, index);
}

void MainWindow::onToolBarSortMenuItem(int index)
{
    sortBy(m_toolBarSortMenu, index);
}

void MainWindow::sortBy(UIMenu* menu, int index)
{
    sortmenus::Choice choice =
        sortmenus::choiceFor(index, menu->isItemChecked(sortmenus::kAscendingItem), m_model.sortMode());
    m_model.sortMovies(choice.mode, choice.order);
    fillMovieList();
}

void MainWindow::onRefresh()
{
    fillMovieList();
    showCard();
}

void MainWindow::onPreviousClicked()
{
    stepMovie(false);
}

void MainWindow::onNextClicked()
{
    stepMovie(true);
}

void MainWindow::stepMovie(bool forward)
{
    int mode = viewMode();
    if (mode == 2) {
        stepCoverFlow(forward);
        return;
    }
    if (mode == 0) {
        int next = steppedIndex(m_table->currentRow(), m_table->rowCount(), forward);
        if (next >= 0)
            m_table->selectRow(next);
        return;
    }
    int next = steppedIndex(m_list->currentIndex(), m_list->count(), forward);
    if (next >= 0)
        m_list->setCurrentIndexAndSelect(next);
}

// Without a selected cover either direction starts at the first.
void MainWindow::stepCoverFlow(bool forward)
{
    if (!m_coverFlowAvailable || m_coverFlowScene->isEmpty())
        return;
    if (m_coverFlowScene->selectedIndex() < 0)
        m_coverFlowScene->setSelectedIndex(0);
    else if (forward)
        m_coverFlowScene->selectNext();
    else
        m_coverFlowScene->selectPrevious();
}

void MainWindow::popMovieMenuAt(UIWidget* view, const Point& position)
{
    m_movieContextMenu->popup(view->mapToGlobal(position));
}

void MainWindow::onTableReleased(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() == kRightButton && m_table->rowAt(mouse->position(), nullptr))
        popMovieMenuAt(m_table, mouse->position());
}

void MainWindow::onListReleased(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() == kRightButton && m_list->itemAt(mouse->position(), nullptr))
        popMovieMenuAt(m_list, mouse->position());
}

void MainWindow::onViewCommand(int index)
{
    if (index == kToolbarItem)
        m_toolBar->setVisible(m_viewMenu->isItemChecked(kToolbarItem));
    else if (index == kAlwaysOnTopItem)
        m_window->setStaysOnTop(m_viewMenu->isItemChecked(kAlwaysOnTopItem));
    else if (index == kRefreshItem)
        onRefresh();
}

void MainWindow::requestEdit()
{
    movieCommandRequested.emitValue(intptr_t(currentMovie() ? kEditMovieCommand : kAddMovieCommand));
}

void MainWindow::onViewDoubleClicked(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() == kLeftButton)
        requestEdit();
}

void MainWindow::onViewKey(UIEvent* event)
{
    int key = static_cast<UIKeyEvent*>(event)->key();
    if (key == kEnterKey || key == kSpaceKey)
        movieCommandRequested.emitValue(intptr_t(kEditMovieCommand));
    else if (key == kDeleteKey)
        movieCommandRequested.emitValue(intptr_t(kRemoveMovieCommand));
}

void MainWindow::selectCoverFrom(const Point& position, bool click)
{
    Ray ray = m_coverFlow->camera()->pickRay(float(position.x), float(position.y));
    m_coverFlowScene->updateHover(ray, click);
}

void MainWindow::onCoverFlowMouseMoved(UIEvent* event)
{
    const Point& at = static_cast<UIMouseEvent*>(event)->position();
    m_pointerX = float(at.x);
    m_pointerY = float(at.y);
    selectCoverFrom(at, false);
}

void MainWindow::onCoverFlowReleased(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() == kLeftButton) {
        selectCoverFrom(mouse->position(), true);
        return;
    }
    CoverNode* selected = m_coverFlowScene->selectedNode();
    if (mouse->button() != kRightButton || !selected)
        return;
    Ray ray = m_coverFlow->camera()->pickRay(float(mouse->x()), float(mouse->y()));
    if (m_coverFlowScene->pickNode(ray) == selected)
        popMovieMenuAt(m_coverFlow, mouse->position());
}

void MainWindow::onCoverFlowWheel(UIEvent* event)
{
    auto* wheel = static_cast<UIWheelEvent*>(event);
    if (UIToolTipHost* tip = UIToolTipHost::instance())
        tip->hide();
    bool forward = wheel->direction() == kWheelForward;
    if (wheel->modifiers() & kControlModifier)
        m_zoomSlider->setValue(m_zoomSlider->value() + (forward ? kZoomWheelStep : -kZoomWheelStep));
    else
        stepCoverFlow(forward);
}

void MainWindow::onCoverFlowDoubleClicked(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton)
        return;
    if (!currentMovie()) {
        movieCommandRequested.emitValue(intptr_t(kAddMovieCommand));
        return;
    }
    Ray ray = m_coverFlow->camera()->pickRay(float(mouse->x()), float(mouse->y()));
    CoverNode* selected = m_coverFlowScene->selectedNode();
    if (selected && m_coverFlowScene->pickNode(ray) == selected)
        movieCommandRequested.emitValue(intptr_t(kEditMovieCommand));
}

void MainWindow::onCoverFlowKey(UIEvent* event)
{
    int key = static_cast<UIKeyEvent*>(event)->key();
    if (key == kLeftKey)
        stepCoverFlow(false);
    else if (key == kRightKey)
        stepCoverFlow(true);
    else
        onViewKey(event);
}

void MainWindow::onCoverFlowResized(UIEvent*)
{
    applyCoverFlowZoom();
}
