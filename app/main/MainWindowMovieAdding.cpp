// The main window's commands that add movies found by their bar code or by
// scanning a folder.
#include "app/main/MainWindow.h"

#include "app/barcode/AddMovieByBarCodeWindow.h"
#include "app/movie/AddEditMovieWindow.h"
#include "app/scan/AddMoviesByScanningFolderWindow.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"

namespace {

// The Movie menu's places of the two commands.
constexpr int kAddByBarCodeItem = 1;
constexpr int kAddByScanningItem = 2;

} // namespace

void MainWindow::connectMovieAdding()
{
    m_movieMenu->item(kAddByBarCodeItem)->triggered.connect(this, &MainWindow::addMovieByBarCode);
    m_movieMenu->item(kAddByScanningItem)->triggered.connect(this, &MainWindow::addMoviesByScanningFolder);
}

void MainWindow::addMovieByBarCode()
{
    if (!m_model.isCollectionOpen())
        return;
    NewMovieRecord record;
    {
        AddMovieByBarCodeWindow window;
        record = window.exec();
    }
    if (!record.title.isEmpty())
        addMovie(AddEditMovieWindow::kExtractPreset, record);
}

void MainWindow::addMoviesByScanningFolder()
{
    if (!m_model.isCollectionOpen())
        return;
    NewMovieRecordList records;
    {
        AddMoviesByScanningFolderWindow window;
        records = window.exec();
    }
    addMovieRecords(records);
}
