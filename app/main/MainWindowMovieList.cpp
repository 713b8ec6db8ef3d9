// The main window's movie views filled from the collection: the three views
// hold the same movies in the same order, and one movie is current in all.
#include "app/main/MainWindow.h"

#include "app/view/View.h"
#include "app/views/FillTimings.h"
#include "app/views/MovieCells.h"
#include "app/views/MovieCoverSource.h"
#include "app/views/MovieTableRow.h"
#include "app/views/ThumbnailCache.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListItem.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/toolbar/UIToolBar.h"

#include <vector>

namespace {

const int kEditMovieItem = 4;
const int kRemoveMovieItem = 6;
const int kEditButton = 1;
const int kRemoveButton = 2;
const int kImagesView = 1;
const int kCoverFlowView = 2;

// Holds a view's updates and scroll bars off while it is filled, so that it
// lays out and paints once at the end. Updates go off first and come back
// last: hiding a shown bar would otherwise lay out and paint the window.
class QuietFill
{
public:
    explicit QuietFill(UIScrollArea* view) : m_view(view), m_updates(view->updatesEnabled())
    {
        m_view->setUpdatesEnabled(false);
        m_view->setScrollBarsEnabled(false);
    }
    ~QuietFill()
    {
        m_view->setScrollBarsEnabled(true);
        m_view->setUpdatesEnabled(m_updates);
    }
    QuietFill(const QuietFill&) = delete;
    QuietFill& operator=(const QuietFill&) = delete;

private:
    UIScrollArea* m_view;
    bool m_updates;
};

} // namespace

String MainWindow::movieCaption(const Movie& movie)
{
    return MovieCells::caption(movie);
}

void MainWindow::fillMovieList()
{
    m_fillTimings->begin();
    fillMovieListWith(passingMovies());
}

void MainWindow::fillMovieListWith(std::vector<Movie*> shown)
{
    Movie* remembered = currentMovie();
    m_filling = true;
    fillTable(shown);
    // Making and freeing 100,000 items of a view nobody sees would double
    // the fill, so hidden ones wait for their movies.
    int mode = viewMode();
    m_imagesDeferred = mode != kImagesView;
    m_coverFlowDeferred = m_coverFlowAvailable && mode != kCoverFlowView;
    m_deferredSelection = nullptr;
    m_deferredCleared = false;
    if (!m_imagesDeferred)
        fillImageList(shown);
    if (!m_coverFlowDeferred)
        fillCoverFlow(shown);
    m_deferredMovies.clear();
    if (m_imagesDeferred || m_coverFlowDeferred)
        m_deferredMovies = std::move(shown);
    m_filling = false;
    // The views were emptied without their handlers, so the remembered
    // movie is not the last selected one any more.
    m_lastSelected = nullptr;
    selectMovie(remembered);
    Movie* now = currentMovie();
    m_lastSelected = now;
    updateSelectionCommands();
    if (now != remembered)
        showCard();
    updateStatusLine();
    m_fillTimings->end(m_table->rowCount());
    movieListFilled.emit();
}

UIList* MainWindow::list()
{
    fillDeferredView(kImagesView);
    return m_list;
}

CoverFlowScene* MainWindow::coverFlowScene()
{
    fillDeferredView(kCoverFlowView);
    return m_coverFlowScene;
}

void MainWindow::fillDeferredViews()
{
    fillDeferredView(kImagesView);
    fillDeferredView(kCoverFlowView);
}

// The view ends as the fill and the selections since would have left it:
// the grid with none or the movie, the cover flow resting on its middle
// cover unless a selection moved or cleared it.
void MainWindow::fillDeferredView(int mode)
{
    bool images = mode == kImagesView && m_imagesDeferred;
    bool coverFlow = mode == kCoverFlowView && m_coverFlowDeferred;
    if (!images && !coverFlow)
        return;
    // A closed collection's movies are gone; the fill after the opening
    // brings the next ones.
    if (!m_model.isCollectionOpen()) {
        m_deferredMovies.clear();
        m_deferredSelection = nullptr;
    }
    bool filling = m_filling;
    m_filling = true;
    if (images) {
        m_imagesDeferred = false;
        fillImageList(m_deferredMovies);
        int item = m_deferredSelection ? m_list->indexOfTag(m_deferredSelection->id) : -1;
        if (item >= 0)
            m_list->setCurrentIndexAndSelect(item);
    } else {
        m_coverFlowDeferred = false;
        fillCoverFlow(m_deferredMovies);
        int cover = m_deferredSelection ? m_coverFlowScene->indexOfId(m_deferredSelection->id) : -1;
        if (cover >= 0)
            m_coverFlowScene->select(cover);
        else if (m_deferredCleared)
            m_coverFlowScene->select(-1);
    }
    m_filling = filling;
    if (!m_imagesDeferred && !m_coverFlowDeferred)
        std::vector<Movie*>().swap(m_deferredMovies);
}

// A selection of a movie the views do not hold leaves them as they were;
// the table always holds the fill's movies, so it tells.
void MainWindow::deferSelection(const Movie* movie)
{
    if (!m_imagesDeferred && !m_coverFlowDeferred)
        return;
    if (!movie) {
        m_deferredSelection = nullptr;
        m_deferredCleared = true;
    } else if (m_table->indexOfTag(movie->id) >= 0) {
        m_deferredSelection = movie;
        m_deferredCleared = false;
    }
}

// The three views show the same movies, so the filter's verdict on each is
// asked once and shared.
std::vector<Movie*> MainWindow::passingMovies() const
{
    std::vector<Movie*> shown;
    shown.reserve(size_t(m_model.movieCount()));
    for (Movie* movie : m_model.movies()) {
        if (matchesFilter(*movie))
            shown.push_back(movie);
    }
    return shown;
}

void MainWindow::fillTable(const std::vector<Movie*>& shown)
{
    QuietFill quiet(m_tableView);
    m_table->clear();
    std::vector<UITableRow*> rows;
    rows.reserve(shown.size());
    for (Movie* movie : shown)
        rows.push_back(new MovieTableRow(*movie, *m_movieCells));
    m_table->appendRows(rows);
}

// Items hold no picture nor tool tip: the list asks for them as it needs
// them.
void MainWindow::fillImageList(const std::vector<Movie*>& shown)
{
    QuietFill quiet(m_listView);
    m_list->clear();
    // The thumbnails stay across refills of one collection; ids of another
    // mean other movies.
    if (m_thumbnailsFolder != m_model.collectionFolder()) {
        m_thumbnails->clear();
        m_thumbnailsFolder = m_model.collectionFolder();
    }
    bool titled = m_view.movieListShowTitleUnderImage;
    std::vector<UIListItem*> items;
    items.reserve(shown.size());
    for (Movie* movie : shown) {
        auto* item = new UIListItem();
        item->setTag(movie->id);
        if (titled)
            item->setText(movie->title);
        items.push_back(item);
    }
    m_list->appendItems(items);
}

// Covers take their pictures and titles from the source as they are needed.
void MainWindow::fillCoverFlow(const std::vector<Movie*>& shown)
{
    if (!m_coverFlowAvailable)
        return;
    m_coverFlowScene->clear();
    for (Movie* movie : shown)
        m_coverFlowScene->addCover(Image())->setId(movie->id);
    if (!m_coverFlowScene->isEmpty())
        m_coverFlowScene->select(m_coverFlowScene->count() / 2);
}

Image MainWindow::listIcon(const UIListItem& item)
{
    Image icon;
    if (m_thumbnails->find(item.tag(), &icon))
        return icon;
    if (const Movie* movie = m_model.movieById(item.tag()))
        icon = MovieCoverSource::posterThumbnail(*movie);
    m_thumbnails->insert(item.tag(), icon);
    return icon;
}

String MainWindow::listToolTip(const UIListItem& item) const
{
    const Movie* movie = m_model.movieById(item.tag());
    return movie ? movieCaption(*movie) : String();
}

void MainWindow::updateStatusLine()
{
    m_statusLabel->setText(translate(u"^ of ^ movies shown", u"MainWindow")
                               .arg(String::fromInt(m_table->rowCount()))
                               .arg(String::fromInt(m_model.movieCount())));
}

void MainWindow::refreshMovie(Movie* movie)
{
    if (!movie)
        return;
    // An edit is rare next to a fill; the hidden views take it like the
    // shown one rather than keep a second way to the same items.
    fillDeferredViews();
    if (auto* row = dynamic_cast<MovieTableRow*>(m_table->rowByTag(movie->id))) {
        row->remakeCells();
        m_table->update();
    }
    m_thumbnails->remove(movie->id);
    if (UIListItem* item = m_list->itemByTag(movie->id)) {
        if (m_view.movieListShowTitleUnderImage)
            item->setText(movie->title);
        item->setToolTip(movieCaption(*movie));
        Image poster = MovieCoverSource::posterThumbnail(*movie);
        item->setIcon(poster.isNull() ? Cover::blankSmallImage() : poster);
        m_list->update();
    }
    if (m_coverFlowAvailable) {
        if (CoverNode* node = m_coverFlowScene->nodeById(movie->id)) {
            const Cover* poster = movie->coverByKind(Cover::kPoster);
            Image full = poster ? poster->image() : Image();
            node->setFlag(CoverNode::kRealCover, !full.isNull());
            m_coverFlowScene->setNodeImage(node, full.isNull() ? Cover::blankCoverFlowImage() : full);
        }
    }
}

bool MainWindow::selectMovie(Movie* movie)
{
    if (movie == m_lastSelected)
        return false;
    m_lastSelected = movie;
    deferSelection(movie);
    if (movie) {
        int row = m_table->indexOfTag(movie->id);
        if (row >= 0)
            m_table->selectRow(row);
        int item = m_imagesDeferred ? -1 : m_list->indexOfTag(movie->id);
        if (item >= 0)
            m_list->setCurrentIndexAndSelect(item);
        if (m_coverFlowAvailable && !m_coverFlowDeferred && m_coverFlowScene->indexOfId(movie->id) >= 0)
            m_coverFlowScene->select(m_coverFlowScene->indexOfId(movie->id));
    } else {
        m_table->setCurrentRow(-1, false);
        m_table->clearSelection(true, true);
        if (!m_imagesDeferred) {
            m_list->setCurrentIndex(-1, false);
            m_list->clearSelection(true);
        }
        if (m_coverFlowAvailable && !m_coverFlowDeferred)
            m_coverFlowScene->select(-1);
    }
    updateSelectionCommands();
    return true;
}

// Edit and Remove follow what the visible view really has current, not
// merely what was asked for: a movie the filter hides is not selected.
void MainWindow::updateSelectionCommands()
{
    bool any = currentMovie() != nullptr;
    m_movieMenu->setItemEnabled(kEditMovieItem, any);
    m_movieMenu->setItemEnabled(kRemoveMovieItem, any);
    if (m_model.isCollectionOpen()) {
        m_toolBar->setButtonEnabled(kEditButton, any);
        m_toolBar->setButtonEnabled(kRemoveButton, any);
    }
}

void MainWindow::onTableCurrentChanged(int)
{
    if (m_filling || viewMode() != 0)
        return;
    if (selectMovie(currentMovie()))
        showCard();
}

void MainWindow::onListCurrentChanged(int)
{
    if (m_filling || viewMode() != 1)
        return;
    selectMovie(currentMovie());
    showCard();
}

// The card follows the cover flow only once its movement has come to rest.
void MainWindow::onAnimationFinished(int kind)
{
    if (!m_coverFlowAvailable)
        return;
    selectCoverFrom(Point(int(m_pointerX), int(m_pointerY)), false);
    if (kind != CoverFlowScene::kSelectionAnimation || viewMode() != 2)
        return;
    CoverNode* node = m_coverFlowScene->selectedNode();
    Movie* movie = currentMovie();
    if (node && movie && !node->testFlag(CoverNode::kRealCover)) {
        const Cover* poster = movie->coverByKind(Cover::kPoster);
        Image full = poster ? poster->image() : Image();
        node->setFlag(CoverNode::kRealCover, !full.isNull());
        m_coverFlowScene->setNodeImage(node, full.isNull() ? Cover::blankCoverFlowImage() : full);
    }
    selectMovie(movie);
    showCard();
}
