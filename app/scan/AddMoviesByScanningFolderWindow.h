#pragma once

#include "app/scan/FoundMovieFile.h"
#include "app/window/Window.h"
#include "graphics/image/Image.h"
#include "model/NewMovieRecord.h"

class UIButton;
class UIDialog;
class UIEvent;
class UILineEdit;
class UITable;
class UITableRow;
class UITableView;
class UIWidget;

// The dialog that adds movies from video files on disk: the user picks a
// folder, scans it with its sub-folders, ticks the files to add and
// confirms. It hands back one record per ticked file and never touches the
// collection itself.
class AddMoviesByScanningFolderWindow : public Window
{
public:
    AddMoviesByScanningFolderWindow();
    ~AddMoviesByScanningFolderWindow() override;
    AddMoviesByScanningFolderWindow(const AddMoviesByScanningFolderWindow&) = delete;
    AddMoviesByScanningFolderWindow& operator=(const AddMoviesByScanningFolderWindow&) = delete;

    // Shows the dialog until it closes; a record per ticked file, with its
    // one local link, after OK; none after any other close.
    NewMovieRecordList exec();
    // Lists the video files under the folder field's folder, none ticked.
    void scanFolder();
    // Makes the folder the one to scan, as the browse button does.
    void setFolder(const String& folder);

    const FoundMovieFileList& foundFiles() const { return m_found; }

    // ---- Controls, for tests ----
    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* folderEdit() const { return m_folder; }
    UIButton* browseButton() const { return m_browse; }
    UIButton* scanButton() const { return m_scan; }
    UITable* table() const { return m_table; }
    UIButton* checkAllButton() const { return m_checkAll; }
    UIButton* uncheckAllButton() const { return m_uncheckAll; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }

private:
    void buildDialog();
    void buildFolderGroup();
    void buildTableGroup();
    void buildButtonRow();
    void connectSignals();
    void fillTable();
    void setRowTicked(UITableRow* row, bool on);
    void setAllTicked(bool on);
    FoundMovieFile* fileOf(const UITableRow* row) const;
    void updateScanButton();
    void onClose(UIEvent* event);
    void onBrowse();
    void onCheckAll();
    void onUncheckAll();
    void onOk();
    void onCancel();
    void onTableReleased(UIEvent* event);

    UIDialog* m_dialog = nullptr;
    UILineEdit* m_folder = nullptr;
    UIButton* m_browse = nullptr;
    UIButton* m_scan = nullptr;
    UITableView* m_view = nullptr;
    UITable* m_table = nullptr;
    UIButton* m_checkAll = nullptr;
    UIButton* m_uncheckAll = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
    FoundMovieFileList m_found;
    // Decoded once: a scan lists thousands of rows.
    Image m_tickedImage;
    Image m_untickedImage;
};
