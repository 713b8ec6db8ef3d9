#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class CollectionModel;
class DelimitedTextFormat;
class UIButton;
class UICheck;
class UIComboBox;
class UIDialog;
class UIGroup;
class UIProgress;
class UITextEditView;

// Writes every movie of the open collection, title and year, into a
// delimited text file with the delimiter and qualifier the user picks, and
// previews the first lines as they will be written. The file replaces an
// old one only once it is written whole; a file it cannot write is named in
// a warning and the window stays open for another choice.
class ExportToTextWindow : public Window
{
public:
    explicit ExportToTextWindow(CollectionModel& model);
    ~ExportToTextWindow() override;
    ExportToTextWindow(const ExportToTextWindow&) = delete;
    ExportToTextWindow& operator=(const ExportToTextWindow&) = delete;

    // Runs the dialog until it closes.
    void exec();
    // The text the file gets, or the preview's: at most five movies and a
    // line "...".
    String buildText(bool preview) const;
    void updatePreview();
    // Asks for the file and writes it.
    void exportToFile();
    // Writes the file at path and then locates or opens it as the checks
    // ask; true when written. A warning names a file that is locked or could
    // not be written.
    bool exportTo(const String& path);
    void cancel();

    void onDelimiterChanged();
    void onQualifierChanged();

    UIDialog* dialog() const { return m_dialog; }
    UIComboBox* delimiterBox() const { return m_delimiterBox; }
    UIComboBox* qualifierBox() const { return m_qualifierBox; }
    UITextEditView* previewView() const { return m_previewView; }
    UICheck* locateCheck() const { return m_locateCheck; }
    UICheck* openCheck() const { return m_openCheck; }
    UIProgress* progress() const { return m_progress; }
    UIButton* exportButton() const { return m_exportButton; }
    UIButton* cancelButton() const { return m_cancelButton; }

private:
    void buildUi();
    void buildOptions();
    void buildButtons();
    void connectSignals();
    DelimitedTextFormat chosenFormat() const;
    void showWriteFailure(const String& path);

    CollectionModel& m_model;
    UIDialog* m_dialog = nullptr;
    UIGroup* m_optionsGroup = nullptr;
    UIComboBox* m_delimiterBox = nullptr;
    UIComboBox* m_qualifierBox = nullptr;
    UIGroup* m_previewGroup = nullptr;
    UITextEditView* m_previewView = nullptr;
    UICheck* m_locateCheck = nullptr;
    UICheck* m_openCheck = nullptr;
    UIProgress* m_progress = nullptr;
    UIButton* m_exportButton = nullptr;
    UIButton* m_cancelButton = nullptr;
};
