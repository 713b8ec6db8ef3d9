#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class CollectionModel;
class UIButton;
class UIDialog;
class UIEvent;
class UILineEdit;

// Asks for the name and the author of a new collection, makes its folder,
// picture folders and empty file in the data folder, and hands back the
// file's path. It does not open the collection.
class NewCollectionWindow : public Window
{
public:
    static constexpr int kMaximumLength = 100;

    explicit NewCollectionWindow(CollectionModel& model);
    ~NewCollectionWindow() override;
    NewCollectionWindow(const NewCollectionWindow&) = delete;
    NewCollectionWindow& operator=(const NewCollectionWindow&) = delete;

    // Runs the dialog; the new collection's file path, or empty when none
    // was made.
    String exec();

    // OK: the collection is made and the dialog accepted, or the error
    // sound plays and everything stays as typed.
    void create();
    void cancel();
    void saveGeometry(UIEvent* event);

    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* nameField() const { return m_nameField; }
    UILineEdit* authorField() const { return m_authorField; }
    UIButton* okButton() const { return m_okButton; }

private:
    void buildUi();
    void refuse();

    CollectionModel& m_model;
    UIDialog* m_dialog = nullptr;
    UILineEdit* m_nameField = nullptr;
    UILineEdit* m_authorField = nullptr;
    UIButton* m_okButton = nullptr;
    UIButton* m_cancelButton = nullptr;
    String m_result;
};
