#include "app/scan/AddMoviesByScanningFolderWindow.h"

#include "app/window/CursorOverride.h"
#include "app/window/DialogButtonRow.h"
#include "app/window/DialogLabel.h"
#include "app/window/DialogTableView.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "foundation/io/Directory.h"
#include "foundation/platform/SystemInfo.h"
#include "graphics/image/ImageSet.h"
#include "model/application/Application.h"
#include "model/images/ImageResource.h"
#include "model/scan/FolderScanner.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/filedialog/UIFileDialog.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

#include <cstdint>

namespace {

const char16_t kContext[] = u"AddMoviesByScanningFolderWindow";
const char16_t kGeometryName[] = u"AddMoviesByScanningFolder";
constexpr int kAlertSound = 1;
constexpr uint32_t kLeftButton = 1;
constexpr int kScanVariant = 2;
constexpr int kOkVariant = 3;
constexpr int kDesktopFolder = 11;
constexpr int kPathElideMode = 3;
constexpr int kTickColumn = 0;

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

UIButton* addButton(UIWidget* parent, const String& text)
{
    auto* button = new UIButton(parent);
    button->setText(text);
    button->show();
    return button;
}

} // namespace

AddMoviesByScanningFolderWindow::AddMoviesByScanningFolderWindow()
    : m_tickedImage(loadImageResource(String(u"check_on"))),
      m_untickedImage(loadImageResource(String(u"check_off")))
{
    buildDialog();
    connectSignals();
}

AddMoviesByScanningFolderWindow::~AddMoviesByScanningFolderWindow()
{
    delete m_dialog;
    m_found.clear();
}

void AddMoviesByScanningFolderWindow::buildDialog()
{
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                                     UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu,
                                 tr(u"Add Movies by Scanning Folder"));
    m_dialog->setObjectId(String(u"scanFolder"));
    m_dialog->applyMetricSpacing();
    m_dialog->setRowStretch(1, 100.0f);
    m_dialog->setMinimumSize(500, 300);
    buildFolderGroup();
    buildTableGroup();
    buildButtonRow();
}

void AddMoviesByScanningFolderWindow::buildFolderGroup()
{
    UIGroup* group = makeFieldGroup(m_dialog);
    addLabel(group, tr(u"Folder"));
    auto* row = new UIBox(group);
    row->setVerticalFlow(0);
    row->setColumnStretch(0, 100.0f);
    row->applyMetricSpacing();
    m_folder = new UILineEdit(row);
    m_folder->setReadOnly(true);
    m_folder->show();
    m_browse = new UIButton(row);
    m_browse->setIcon(ImageSet::ImageSetFromImage(loadImageResource(String(u"search-local"))));
    m_browse->setMinimumSize(20, 22);
    m_browse->setObjectId(String(u"scanBrowse"));
    m_browse->show();
    m_scan = addButton(row, tr(u"Scan"));
    m_scan->setColorVariant(kScanVariant);
    m_scan->setEnabled(false);
    row->show();
    group->show();
}

void AddMoviesByScanningFolderWindow::buildTableGroup()
{
    auto* group = new UIGroup(m_dialog);
    group->setVerticalFlow(1);
    group->setRowStretch(0, 100.0f);
    m_view = makeDialogTableView(group);
    m_table = m_view->table();
    m_table->setObjectId(String(u"scanFiles"));
    // Each click in the tick column toggles, however fast they follow.
    m_table->setFlag(UIWidget::kWantsDoubleClicks, false);
    UIHeader* header = m_table->header();
    header->setMinimumSectionWidth(60);
    header->addSection(String(), 20, true)->setSortType(2);
    header->addSection(tr(u"Title"), 200, true)->setSortType(1);
    header->addSection(tr(u"Path"), 50, true)->setSortType(1);
    header->setStretchLastSection(true);
    m_view->show();
    auto* checkRow = new UIBox(group);
    checkRow->setVerticalFlow(0);
    checkRow->applyMetricSpacing();
    m_checkAll = addButton(checkRow, tr(u"Check All"));
    m_checkAll->setEnabled(false);
    m_uncheckAll = addButton(checkRow, tr(u"Uncheck All"));
    m_uncheckAll->setEnabled(false);
    (new UIExpander(checkRow))->show();
    checkRow->show();
    group->show();
}

void AddMoviesByScanningFolderWindow::buildButtonRow()
{
    addButtonRow(m_dialog, tr(u"OK"), kOkVariant, tr(u"Cancel"), &m_ok, &m_cancel);
}

void AddMoviesByScanningFolderWindow::connectSignals()
{
    m_dialog->closeRequested.connectWithArg(this, &AddMoviesByScanningFolderWindow::onClose);
    m_browse->clicked.connect(this, &AddMoviesByScanningFolderWindow::onBrowse);
    m_scan->clicked.connect(this, &AddMoviesByScanningFolderWindow::scanFolder);
    m_checkAll->clicked.connect(this, &AddMoviesByScanningFolderWindow::onCheckAll);
    m_uncheckAll->clicked.connect(this, &AddMoviesByScanningFolderWindow::onUncheckAll);
    m_ok->clicked.connect(this, &AddMoviesByScanningFolderWindow::onOk);
    m_cancel->clicked.connect(this, &AddMoviesByScanningFolderWindow::onCancel);
    m_table->mouseClicked.connectWithArg(this, &AddMoviesByScanningFolderWindow::onTableReleased);
}

NewMovieRecordList AddMoviesByScanningFolderWindow::exec()
{
    if (Application::instance())
        restoreWindowGeometry(m_dialog, String(kGeometryName), true, true);
    m_dialog->setResult(0);
    // Shown modally: returns when the dialog has closed.
    m_dialog->show();
    NewMovieRecordList records;
    for (FoundMovieFile& file : m_found) {
        if (!file.ticked)
            continue;
        MovieLink link;
        link.type = MovieLink::kLocal;
        link.description = file.record.title;
        link.url = file.path;
        link.play = false;
        file.record.links.append(link);
        records.append(file.record);
    }
    return records;
}

void AddMoviesByScanningFolderWindow::setFolder(const String& folder)
{
    m_folder->setText(folder);
    updateScanButton();
}

void AddMoviesByScanningFolderWindow::updateScanButton()
{
    const String folder = m_folder->text().trim();
    m_scan->setEnabled(!folder.isEmpty() && Directory::exists(folder));
}

void AddMoviesByScanningFolderWindow::scanFolder()
{
    m_found.clear();
    const String folder = m_folder->text().trim();
    if (folder.isEmpty() || !Directory::exists(folder)) {
        fillTable();
        return;
    }
    CursorOverride wait(CursorOverride::kWait);
    FolderScanner scanner;
    if (scanner.scan(folder)) {
        const String format = tr(u"Hard Disk");
        for (const ScannedFile& scanned : scanner.files()) {
            FoundMovieFile file;
            file.record.title = scanned.title;
            file.record.format = format;
            file.path = scanned.path;
            m_found.append(file);
        }
    }
    fillTable();
}

void AddMoviesByScanningFolderWindow::fillTable()
{
    m_view->setScrollBarsEnabled(false);
    m_table->setUpdatesEnabled(false);
    m_table->clear();
    std::vector<UITableRow*> rows;
    rows.reserve(size_t(m_found.count()));
    for (FoundMovieFile& file : m_found) {
        auto* row = new UITableRow();
        row->setUserData(uint64_t(reinterpret_cast<uintptr_t>(&file)));
        UITableCell* tick = row->addImageCell(Image());
        tick->setAlignment(Rect::kAlignHCenter | Rect::kAlignVCenter);
        row->addTextCell(file.record.title);
        row->addTextCell(file.path)->setElideMode(kPathElideMode);
        rows.push_back(row);
    }
    m_table->appendRows(rows);
    for (UITableRow* row : rows)
        setRowTicked(row, fileOf(row)->ticked);
    m_table->setUpdatesEnabled(true);
    m_view->setScrollBarsEnabled(true);
    const bool any = !m_found.isEmpty();
    m_checkAll->setEnabled(any);
    m_uncheckAll->setEnabled(any);
}

FoundMovieFile* AddMoviesByScanningFolderWindow::fileOf(const UITableRow* row) const
{
    return reinterpret_cast<FoundMovieFile*>(uintptr_t(row->userData()));
}

void AddMoviesByScanningFolderWindow::setRowTicked(UITableRow* row, bool on)
{
    UITableCell* tick = row->cell(kTickColumn);
    tick->setImage(on ? m_tickedImage : m_untickedImage);
    tick->setUserData(on ? 1 : 0);
    tick->setSortValue(on ? 1.0 : 0.0);
    fileOf(row)->ticked = on;
}

void AddMoviesByScanningFolderWindow::setAllTicked(bool on)
{
    for (UITableRow* row : m_table->rows())
        setRowTicked(row, on);
    m_table->update();
}

void AddMoviesByScanningFolderWindow::onClose(UIEvent*)
{
    if (m_dialog->result() != 1)
        m_found.clear();
    if (Application::instance())
        saveWindowGeometry(m_dialog, String(kGeometryName), true, true);
}

void AddMoviesByScanningFolderWindow::onBrowse()
{
    UIFileDialog chooser(m_dialog);
    chooser.setAcceptMode(0);
    chooser.setFlags(UIFileDialog::kEnabledFlag);
    chooser.setMultiSelection(false);
    chooser.setPath(SystemInfo::specialFolder(kDesktopFolder));
    chooser.setTitle(tr(u"Please select a folder where your movies."));
    if (chooser.exec() && !chooser.selectedFiles().isEmpty())
        m_folder->setText(chooser.selectedFiles().first()->value);
    updateScanButton();
}

void AddMoviesByScanningFolderWindow::onCheckAll()
{
    setAllTicked(true);
}

void AddMoviesByScanningFolderWindow::onUncheckAll()
{
    setAllTicked(false);
}

void AddMoviesByScanningFolderWindow::onOk()
{
    for (const UITableRow* row : m_table->rows()) {
        if (row->cell(kTickColumn)->userData() == 1) {
            m_dialog->accept();
            return;
        }
    }
    UIApplication::instance()->playSound(kAlertSound);
}

void AddMoviesByScanningFolderWindow::onCancel()
{
    m_found.clear();
    m_dialog->reject();
}

void AddMoviesByScanningFolderWindow::onTableReleased(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton)
        return;
    UITableRow* row = m_table->rowAt(mouse->position(), nullptr);
    if (!row || m_table->columnAtX(mouse->x()) != kTickColumn)
        return;
    setRowTicked(row, row->cell(kTickColumn)->userData() != 1);
    m_table->update();
}
