#pragma once

#include "app/window/Window.h"

class CollectionModel;
class UIButton;
class UIDialog;
class UILineEdit;
class UITextEditView;
class UIWidget;
struct Loaner;

// Adds a loaner to the collection or edits one. OK stores only a name no
// other loaner has in any letter case; a refusal beeps and keeps the input.
class AddEditLoanerWindow : public Window
{
public:
    // loaner: the one to edit, or null to add one.
    AddEditLoanerWindow(CollectionModel& model, UIWidget* parent, Loaner* loaner);
    ~AddEditLoanerWindow() override;
    AddEditLoanerWindow(const AddEditLoanerWindow&) = delete;
    AddEditLoanerWindow& operator=(const AddEditLoanerWindow&) = delete;

    // True when the user confirmed and the loaner was stored.
    bool exec();
    // Writes the fields into the loaner list; false, changing nothing, when
    // a check fails.
    bool store();
    void onOk();
    void cancel();

    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* nameField() const { return m_name; }
    UILineEdit* addressField() const { return m_address; }
    UILineEdit* emailField() const { return m_email; }
    UILineEdit* phoneField() const { return m_phone; }
    UITextEditView* commentsField() const { return m_comments; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }

private:
    void buildUi();
    UILineEdit* addLineField(const char16_t* label);

    CollectionModel& m_model;
    UIWidget* m_parent = nullptr;
    Loaner* m_loaner = nullptr;
    bool m_editing = false;
    UIDialog* m_dialog = nullptr;
    UIWidget* m_group = nullptr;
    UILineEdit* m_name = nullptr;
    UILineEdit* m_address = nullptr;
    UILineEdit* m_email = nullptr;
    UILineEdit* m_phone = nullptr;
    UITextEditView* m_comments = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
};
