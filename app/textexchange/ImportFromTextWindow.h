#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

#include <cstdint>

class CollectionModel;
class DelimitedTextFormat;
class DelimitedTextReader;
class UIButton;
class UIComboBox;
class UIDialog;
class UIGroup;
class UILabel;
class UILineEdit;
class UIProgress;

// Adds movies to the open collection from a delimited text file, one a line.
// The delimiter and the qualifier are worked out from the file; the user only
// picks the file and sees the format found. Lines that give no title or no
// year field are skipped, and an information box says how many and where
// the first one is.
class ImportFromTextWindow : public Window
{
public:
    explicit ImportFromTextWindow(CollectionModel& model);
    ~ImportFromTextWindow() override;
    ImportFromTextWindow(const ImportFromTextWindow&) = delete;
    ImportFromTextWindow& operator=(const ImportFromTextWindow&) = delete;

    // Runs the dialog until it closes; the number of movies added, 0 when
    // cancelled.
    int32_t exec();
    int32_t importedCount() const { return m_imported; }

    // Asks for the file, then takes it as chooseFile(path) does.
    void chooseFile();
    // Shows the path and the format found in the file. A file refused, or
    // one without a line to add, leaves Import disabled and the format "...".
    void takeFile(const String& path);
    // The format found put into the boxes; the number of lines that will be
    // added, 0 when the file is refused.
    int detectFormat();
    void updateDataFormat();
    // Reads the file again and adds one movie per readable line. A file gone,
    // locked or empty since the choice leaves the window open.
    void import();
    void cancel();

    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* pathField() const { return m_pathField; }
    UIButton* browseButton() const { return m_browseButton; }
    UIComboBox* delimiterBox() const { return m_delimiterBox; }
    UIComboBox* qualifierBox() const { return m_qualifierBox; }
    UILabel* formatLabel() const { return m_formatLabel; }
    UIProgress* progress() const { return m_progress; }
    UIButton* importButton() const { return m_importButton; }
    UIButton* cancelButton() const { return m_cancelButton; }

private:
    void buildUi();
    void buildFileRow(UIGroup* group);
    void buildFormatGroup(UIGroup* group);
    void connectSignals();
    // The text of the file at the path field, or empty when it is missing,
    // locked or empty.
    String readChosenFile() const;
    void addMovies(DelimitedTextReader& reader, const DelimitedTextFormat& format);
    void reportSkipped(const DelimitedTextReader& reader);

    CollectionModel& m_model;
    int32_t m_imported = 0;
    UIDialog* m_dialog = nullptr;
    UILineEdit* m_pathField = nullptr;
    UIButton* m_browseButton = nullptr;
    UIComboBox* m_delimiterBox = nullptr;
    UIComboBox* m_qualifierBox = nullptr;
    UILabel* m_formatLabel = nullptr;
    UIProgress* m_progress = nullptr;
    UIButton* m_importButton = nullptr;
    UIButton* m_cancelButton = nullptr;
};
