#pragma once

#include "app/window/Window.h"

class UIBox;
class UIButton;
class UIDialog;
class UIGroup;
class UILine;
class UIProgress;

// The frame of an export to HTML: a progress bar and the buttons Ok and
// Cancel, which only close it. No export is made yet, so no menu opens it.
class ExportToHtmlWindow : public Window
{
public:
    ExportToHtmlWindow();
    ~ExportToHtmlWindow() override;
    ExportToHtmlWindow(const ExportToHtmlWindow&) = delete;
    ExportToHtmlWindow& operator=(const ExportToHtmlWindow&) = delete;

    // Runs the dialog until it closes; stores no geometry.
    void exec();
    void accept();
    void reject();

    UIDialog* dialog() const { return m_dialog; }
    UIProgress* progress() const { return m_progress; }
    UIButton* okButton() const { return m_okButton; }
    UIButton* cancelButton() const { return m_cancelButton; }

private:
    void buildUi();

    UIDialog* m_dialog = nullptr;
    UIGroup* m_group = nullptr;
    UIProgress* m_progress = nullptr;
    UILine* m_line = nullptr;
    UIBox* m_buttonBox = nullptr;
    UIButton* m_okButton = nullptr;
    UIButton* m_cancelButton = nullptr;
};
