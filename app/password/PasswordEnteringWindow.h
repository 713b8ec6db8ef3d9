#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class UIBox;
class UIButton;
class UIDialog;
class UIEvent;
class UILabel;
class UILine;
class UILineEdit;

// Asks for the password of a protected collection before it is opened.
// Tries are not counted: the dialog stays until the right password or a
// cancel.
class PasswordEnteringWindow : public Window
{
public:
    static constexpr int kMaximumLength = 20;
    static constexpr int kEnterKey = 13;

    // The collection's name for the prompt and title, and the stored form
    // of its password (empty: not protected).
    PasswordEnteringWindow(const String& collectionName, const String& storedForm);
    ~PasswordEnteringWindow() override;
    PasswordEnteringWindow(const PasswordEnteringWindow&) = delete;
    PasswordEnteringWindow& operator=(const PasswordEnteringWindow&) = delete;

    // True at once for an unprotected collection; else runs the dialog and
    // tells whether the right password was typed.
    bool exec();

    void focusPassword(UIEvent* event);
    void keyPressed(UIEvent* event);
    // OK and Enter: accepts the right password; shows the balloon and keeps
    // the text for a wrong or empty one.
    void checkPassword();
    void cancel();

    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* passwordField() const { return m_passwordField; }
    UIButton* okButton() const { return m_okButton; }
    bool isAccepted() const { return m_accepted; }

private:
    void buildUi();
    void connectSignals();

    UIDialog* m_dialog = nullptr;
    UILabel* m_promptLabel = nullptr;
    UILineEdit* m_passwordField = nullptr;
    UILine* m_line = nullptr;
    UIBox* m_buttonBox = nullptr;
    UIButton* m_okButton = nullptr;
    UIButton* m_cancelButton = nullptr;
    String m_collectionName;
    String m_storedForm;
    bool m_accepted = false;
};
