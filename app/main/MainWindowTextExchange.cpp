// The main window's commands that export the movies to a delimited text file
// and import movies from one.
#include "app/main/MainWindow.h"

#include "app/textexchange/ExportToTextWindow.h"
#include "app/textexchange/ImportFromTextWindow.h"
#include "model/CollectionModel.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"

namespace {

// The Tools menu's places of the two commands.
constexpr int kImportItem = 2;
constexpr int kExportItem = 4;

} // namespace

void MainWindow::connectTextExchange()
{
    m_toolsMenu->item(kImportItem)->triggered.connect(this, &MainWindow::importFromText);
    m_toolsMenu->item(kExportItem)->triggered.connect(this, &MainWindow::exportToText);
}

void MainWindow::exportToText()
{
    if (!m_model.isCollectionOpen())
        return;
    ExportToTextWindow window(m_model);
    window.exec();
}

void MainWindow::importFromText()
{
    if (!m_model.isCollectionOpen())
        return;
    ImportFromTextWindow window(m_model);
    // The window appended the movies; the views show them in the sort's
    // places, as after any add.
    if (window.exec() > 0)
        showAddedMovies(nullptr);
}
