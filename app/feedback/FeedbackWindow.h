#pragma once

#include "app/window/Window.h"

class UIBox;
class UIButton;
class UIDialog;
class UILabel;
class UILine;
class UILineEdit;
class UITextEdit;
class UITextEditView;

// Sends the user's message, with an optional e-mail address, to the maker's
// service and says how it went. The exchange blocks the window until the
// answer has come or failed; a failure keeps everything typed for another
// try.
class FeedbackWindow : public Window
{
public:
    // parent is kept for the caller's sake; the dialog sits over the main
    // window.
    explicit FeedbackWindow(Window* parent);
    ~FeedbackWindow() override;
    FeedbackWindow(const FeedbackWindow&) = delete;
    FeedbackWindow& operator=(const FeedbackWindow&) = delete;

    // Runs the dialog until it closes.
    void exec();
    // Refuses empty fields with a balloon; otherwise posts and reports.
    void send();
    void cancel();

    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* emailField() const { return m_emailField; }
    UITextEdit* messageEditor() const;
    UIButton* sendButton() const { return m_sendButton; }
    UIButton* cancelButton() const { return m_cancelButton; }

private:
    void buildUi();
    void buildButtonRow();
    // The service's host and the program's identity; both empty without a
    // running program core.
    static String serviceHost();
    static String userAgent();

    Window* m_parent = nullptr;
    UIDialog* m_dialog = nullptr;
    UILabel* m_emailLabel = nullptr;
    UILineEdit* m_emailField = nullptr;
    UILabel* m_messageLabel = nullptr;
    UITextEditView* m_messageView = nullptr;
    UILine* m_line = nullptr;
    UIBox* m_buttonBox = nullptr;
    UIButton* m_sendButton = nullptr;
    UIButton* m_cancelButton = nullptr;
};
