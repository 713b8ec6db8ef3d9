// The main window's commands that change the collection's movies without the
// editor: the views' requests, the re-sort after adding, removing, the colour
// label and copying to the clipboard.
#include "app/main/MainWindow.h"

#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/records/Movie.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/input/UIClipboard.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char16_t kContext[] = u"MainWindow";
const int kRemoveMovieItem = 6;
const int kRemoveMovieButton = 2;
const int kContextEditItem = 0;
const int kContextTagsItem = 1;
const int kContextRemoveItem = 5;
const int kLabelCount = 8;
const int kCopyTitle = 0;
const int kCopyYear = 1;

} // namespace

void MainWindow::connectMovieCommands()
{
    movieCommandRequested.connectWithArg(this, &MainWindow::onMovieCommand);
    m_window->customReceived.connectWithArg(this, &MainWindow::onMovieCommandTimer);
    m_movieMenu->item(kRemoveMovieItem)->triggered.connect(this, &MainWindow::removeMovie);
    m_toolBar->button(kRemoveMovieButton)->clicked.connect(this, &MainWindow::removeMovie);
    m_movieContextMenu->item(kContextEditItem)->triggered.connect(this, &MainWindow::onEditMovie);
    m_movieContextMenu->item(kContextTagsItem)->triggered.connect(this, &MainWindow::onEditTags);
    m_movieContextMenu->item(kContextRemoveItem)->triggered.connect(this, &MainWindow::removeMovie);
    m_colorLabelMenu->aboutToShow.connect(this, &MainWindow::onColorLabelMenuAboutToShow);
    m_colorLabelMenu->triggered.connectWithArg(this, &MainWindow::setColorLabel);
    m_copyMenu->triggered.connectWithArg(this, &MainWindow::copyToClipboard);
}

// The views ask from inside their own key and mouse handlers; a command
// that refills them (or runs a dialog's loop) would pull the rows from under
// the handler still running. A zero timer runs it once the event is done.
void MainWindow::onMovieCommand(int command)
{
    m_pendingCommand = command;
    m_window->startTimer(kMovieCommandTimerId, 0);
}

void MainWindow::onMovieCommandTimer(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kMovieCommandTimerId)
        return;
    m_window->killTimer(kMovieCommandTimerId);
    const int command = m_pendingCommand;
    m_pendingCommand = 0;
    runMovieCommand(command);
}

void MainWindow::runMovieCommand(int command)
{
    if (command == kEditMovieCommand)
        onEditMovie();
    else if (command == kAddMovieCommand)
        onAddMovie();
    else if (command == kRemoveMovieCommand)
        removeMovie();
}

// New movies stand at the end of the list; a stable sort in the current
// order puts them where they belong and keeps equal movies as they were (one
// new movie is merely moved to its place when the rest is in order). The new
// movie is selected by identity: after the sort it is no longer last.
void MainWindow::showAddedMovies(Movie* added)
{
    if (added && m_model.movies().last() && m_model.movies().last()->value == added)
        m_model.sortAfterAppend();
    else
        m_model.sortMovies(m_model.sortMode(), m_model.sortOrder());
    fillMovieList();
    if (!added)
        return;
    selectMovie(added);
    showCard();
}

int MainWindow::addMovieRecords(const NewMovieRecordList& records)
{
    if (!m_model.isCollectionOpen())
        return 0;
    int added = 0;
    for (const NewMovieRecord& record : records) {
        if (m_model.addMovie(record))
            ++added;
    }
    if (added > 0)
        showAddedMovies(nullptr);
    return added;
}

void MainWindow::removeMovie()
{
    Movie* movie = currentMovie();
    if (!movie)
        return;
    if (m_model.askForConfirmationWhenRemovingMovies()) {
        int answer = UIMessageBox::question(m_window, String(),
                                            translate(u"Are you sure you want to delete the movie?", kContext),
                                            translate(u"This action cannot be undone.", kContext),
                                            UIMessageBox::kYes | UIMessageBox::kNo, 0);
        if (answer != UIMessageBox::kYes)
            return;
    }
    // The question ran a message loop: the movie must still be the one shown.
    if (currentMovie() != movie || !m_model.removeMovie(movie))
        return;
    fillMovieList();
    showCard();
}

// The label is no change of the movie's data: the date modified stays.
void MainWindow::setColorLabel(int index)
{
    Movie* movie = currentMovie();
    if (!movie || index < 0 || index >= kLabelCount || movie->colorLabel == index)
        return;
    movie->colorLabel = index;
    fillMovieList();
}

void MainWindow::onColorLabelMenuAboutToShow()
{
    Movie* movie = currentMovie();
    int label = movie ? movie->colorLabel : -1;
    for (int index = 0; index < kLabelCount; ++index)
        m_colorLabelMenu->setItemChecked(index, index == label);
}

void MainWindow::copyToClipboard(int index)
{
    Movie* movie = currentMovie();
    if (!movie)
        return;
    String text;
    if (index == kCopyTitle)
        text = movie->title;
    else if (index == kCopyYear)
        text = String::fromInt(movie->year);
    if (!text.isEmpty())
        UIApplication::instance()->clipboard()->setText(text);
}
