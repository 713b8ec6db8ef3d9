#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class CollectionModel;
class UIBox;
class UIButton;
class UIDialog;
class UIEvent;
class UILabel;
class UILine;
class UILineEdit;

// Sets, changes or removes the password of the open collection. The change
// is made in the collection's header and reaches the file when the
// collection is written.
class PasswordProtectionWindow : public Window
{
public:
    static constexpr int kMaximumLength = 20;

    // parent is kept for the caller's sake; the dialog sits over the main
    // window.
    PasswordProtectionWindow(CollectionModel& model, Window* parent);
    ~PasswordProtectionWindow() override;
    PasswordProtectionWindow(const PasswordProtectionWindow&) = delete;
    PasswordProtectionWindow& operator=(const PasswordProtectionWindow&) = delete;

    // Reads the stored form, shows the fields the state needs and runs the
    // dialog until it closes.
    void exec();

    void focusField(UIEvent* event);
    // Set or Change: checks the current password when one is stored, then
    // stores the new one, or removes the protection when it is left empty.
    void apply();
    void showHint();
    void cancel();

    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* currentField() const { return m_currentField; }
    UILineEdit* newField() const { return m_newField; }
    UILabel* newLabel() const { return m_newLabel; }
    UIButton* hintButton() const { return m_hintButton; }
    UIButton* applyButton() const { return m_applyButton; }

private:
    void buildUi();
    void connectSignals();
    void adaptToState();
    bool isProtected() const { return !m_storedForm.isEmpty(); }

    CollectionModel& m_model;
    Window* m_parent = nullptr;
    UIDialog* m_dialog = nullptr;
    UILabel* m_currentLabel = nullptr;
    UILineEdit* m_currentField = nullptr;
    UILabel* m_newLabel = nullptr;
    UILineEdit* m_newField = nullptr;
    UIButton* m_hintButton = nullptr;
    UILine* m_line = nullptr;
    UIBox* m_buttonBox = nullptr;
    UIButton* m_applyButton = nullptr;
    UIButton* m_cancelButton = nullptr;
    String m_storedForm;
};
