// The main window's collections: opening one at start-up or by command,
// the New and Open commands, the state with a collection open, password
// protection, and a collection that could not be saved at the end.
#include "app/main/MainWindow.h"

#include "app/collections/NewCollectionWindow.h"
#include "app/launch/LaunchStamps.h"
#include "app/collections/OpenCollectionWindow.h"
#include "app/password/PasswordEnteringWindow.h"
#include "app/password/PasswordProtectionWindow.h"
#include "foundation/containers/StringList.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char16_t kContext[] = u"MainWindow";
const int kNewCollectionItem = 0;
const int kOpenCollectionItem = 1;
const int kPasswordItem = 3;

} // namespace

void MainWindow::connectCollectionSignals()
{
    m_collectionMenu->item(kNewCollectionItem)->triggered.connect(this, &MainWindow::newCollection);
    m_collectionMenu->item(kOpenCollectionItem)->triggered.connect(this, &MainWindow::chooseCollection);
    m_collectionMenu->item(kPasswordItem)->triggered.connect(this, &MainWindow::showPasswordProtection);
    m_collectionMenu->aboutToShow.connect(this, &MainWindow::updateCollectionMenu);
}

String MainWindow::collectionPath(const String& name) const
{
    return m_model.collectionFile().filePathFor(name);
}

void MainWindow::openCollectionAtStart()
{
    if (m_model.openLastCollectionAtStart() && !m_model.recentCollection().isEmpty())
        openCollection(collectionPath(m_model.recentCollection()));
    if (m_model.isCollectionOpen())
        return;
    StringList names;
    m_model.listCollections(names);
    const String example(Application::kExampleName);
    if (names.count() == 1 && String::equals(names.first()->value, example))
        openCollection(collectionPath(example));
}

void MainWindow::openCollection(const String& path)
{
    if (path.isEmpty())
        return;
    PasswordEnteringWindow password(pathBaseName(path), m_model.collectionFile().peekPassword(path));
    if (password.exec()) {
        const String previous = m_model.collectionFile().path();
        if (m_model.isCollectionOpen()) {
            Movie* shown = currentMovie();
            m_model.collectionFile().setSelectedMovieId(shown ? shown->id : 0);
            // Reading another now would leave this one's changes unsaved.
            if (!m_model.closeCollection()) {
                UIMessageBox::warning(m_window, String(),
                                      translate(u"The collection ^ could not be saved.", kContext)
                                          .arg(m_model.collectionName()),
                                      translate(u"It stays open; its file stays as last saved.", kContext),
                                      UIMessageBox::kOk, 0);
                showCard();
                return;
            }
        }
        showNoCollectionState();
        // The old collection's values would filter the new one.
        resetFilter();
        LaunchStamps::mark("readStart");
        const bool read = m_model.openCollection(path);
        LaunchStamps::mark("read");
        if (read) {
            showCollectionState();
        } else {
            // A damaged file is named and left as it is; a missing one is
            // no news. Either way the user keeps what was open, already
            // unlocked.
            if (File::exists(path))
                UIMessageBox::warning(
                    m_window, String(),
                    translate(u"The collection ^ could not be read.", kContext).arg(pathBaseName(path)),
                    translate(u"Its file was left as it is.", kContext), UIMessageBox::kOk, 0);
            if (!previous.isEmpty() && m_model.openCollection(previous))
                showCollectionState();
        }
    }
    fillMovieList();
    selectStoredMovie();
    showCard();
}

void MainWindow::selectStoredMovie()
{
    if (!m_model.isCollectionOpen())
        return;
    const int32_t id = m_model.collectionFile().selectedMovieId();
    if (id != 0)
        selectMovie(m_model.movieById(id));
    else if (!m_model.movies().isEmpty())
        selectMovie(m_model.movies().first()->value);
}

void MainWindow::newCollection()
{
    NewCollectionWindow window(m_model);
    openCollection(window.exec());
}

void MainWindow::chooseCollection()
{
    OpenCollectionWindow window(m_model);
    openCollection(window.exec());
}

void MainWindow::updateCollectionMenu()
{
    m_collectionMenu->setItemEnabled(kOpenCollectionItem, m_model.collectionCount() > 0);
}

void MainWindow::showCollectionState()
{
    setCollectionCommandsEnabled(true);
}

void MainWindow::showPasswordProtection()
{
    if (!m_model.isCollectionOpen())
        return;
    PasswordProtectionWindow window(m_model, this);
    window.exec();
}

void MainWindow::retryFailedSave()
{
    while (m_model.isCollectionOpen()) {
        int answer = UIMessageBox::question(
            m_window, String(),
            translate(u"The collection ^ could not be saved.", kContext).arg(m_model.collectionName()),
            translate(u"Try again? No quits; the file stays as last saved.", kContext),
            UIMessageBox::kYes | UIMessageBox::kNo, 0);
        if (answer != UIMessageBox::kYes || m_model.closeCollection())
            return;
    }
}
