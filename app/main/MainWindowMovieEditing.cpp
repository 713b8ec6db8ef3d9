// The main window's commands that open the movie editor.
#include "app/main/MainWindow.h"

#include "app/movie/AddEditMovieWindow.h"
#include "app/view/View.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

// The Movie menu's and the tool bar's places of the two commands.
constexpr int kAddMovieItem = 0;
constexpr int kEditMovieItem = 4;
constexpr int kAddMovieButton = 0;
constexpr int kEditMovieButton = 1;

} // namespace

void MainWindow::connectMovieEditing()
{
    m_movieMenu->item(kAddMovieItem)->triggered.connect(this, &MainWindow::onAddMovie);
    m_movieMenu->item(kEditMovieItem)->triggered.connect(this, &MainWindow::onEditMovie);
    m_toolBar->button(kAddMovieButton)->clicked.connect(this, &MainWindow::onAddMovie);
    m_toolBar->button(kEditMovieButton)->clicked.connect(this, &MainWindow::onEditMovie);
}

void MainWindow::onAddMovie()
{
    addMovie(0, NewMovieRecord());
}

void MainWindow::onEditMovie()
{
    editMovie(currentMovie(), 0);
}

Movie* MainWindow::addMovie(uint32_t options, const NewMovieRecord& preset)
{
    if (!m_model.isCollectionOpen())
        return nullptr;
    AddEditMovieWindow editor(m_model, m_window, nullptr, options, preset);
    editor.setAutoResizeBackground(m_view.movieCardAutoResizeBackground);
    editor.exec();
    return editor.isAccepted() ? editor.lastMovie() : nullptr;
}

Movie* MainWindow::editMovie(Movie* movie, uint32_t options)
{
    if (!movie || !m_model.isCollectionOpen())
        return nullptr;
    AddEditMovieWindow editor(m_model, m_window, movie, options, NewMovieRecord());
    editor.setAutoResizeBackground(m_view.movieCardAutoResizeBackground);
    editor.exec();
    return editor.lastMovie();
}
