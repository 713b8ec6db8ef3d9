// The main window's commands that open the movie editor.
#include "app/main/MainWindow.h"

#include "app/movie/AddEditMovieWindow.h"
#include "app/view/View.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/application/Application.h"
#include "model/records/Movie.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

// The Movie menu's and the tool bar's places of the two commands.
const char16_t kContext[] = u"MainWindow";
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
    connectMovieCommands();
    connectCardClicks();
}

void MainWindow::onAddMovie()
{
    addMovie(0, NewMovieRecord());
}

void MainWindow::onEditMovie()
{
    editMovie(currentMovie(), 0);
}

void MainWindow::onEditTags()
{
    editMovie(currentMovie(), AddEditMovieWindow::kOpenOnTags);
}

// The example collection is only for looking around: a user about to add
// their first movie is offered a collection of their own.
bool MainWindow::offersOwnCollection()
{
    if (m_model.collectionCount() != 1 ||
        !String::equals(m_model.collectionName(), String(Application::kExampleName)))
        return false;
    int answer = UIMessageBox::question(
        m_window, String(), translate(u"This is the Example collection.", kContext),
        translate(u"Would you like to create a collection of your own first?", kContext),
        UIMessageBox::kYes | UIMessageBox::kNo, 0);
    if (answer != UIMessageBox::kYes)
        return false;
    newCollection();
    return true;
}

Movie* MainWindow::addMovie(uint32_t options, const NewMovieRecord& preset)
{
    if (!m_model.isCollectionOpen() || offersOwnCollection())
        return nullptr;
    AddEditMovieWindow editor(m_model, m_window, nullptr, options, preset);
    editor.setAutoResizeBackground(m_view.movieCardAutoResizeBackground);
    editor.exec();
    Movie* added = editor.isAccepted() ? editor.lastMovie() : nullptr;
    if (added)
        showAddedMovies(added);
    return added;
}

Movie* MainWindow::editMovie(Movie* movie, uint32_t options)
{
    if (!movie || !m_model.isCollectionOpen())
        return nullptr;
    AddEditMovieWindow editor(m_model, m_window, movie, options, NewMovieRecord());
    editor.setAutoResizeBackground(m_view.movieCardAutoResizeBackground);
    editor.exec();
    Movie* last = editor.lastMovie();
    if (editor.steppedCount() > 0) {
        // The movie the user stepped to, unless it went meanwhile.
        if (last && m_model.movieById(last->id) == last)
            selectMovie(last);
        fillMovieList();
        showCard();
    } else if (editor.isAccepted()) {
        refreshMovie(movie);
        showCard();
    }
    return last;
}
