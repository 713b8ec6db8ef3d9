#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class CollectionModel;
class UIButton;
class UIComboBox;
class UIDialog;
class UIEvent;

// Lists the collections of the data folder and hands back the path of the
// chosen one's file. It does not open it.
class OpenCollectionWindow : public Window
{
public:
    explicit OpenCollectionWindow(CollectionModel& model);
    ~OpenCollectionWindow() override;
    OpenCollectionWindow(const OpenCollectionWindow&) = delete;
    OpenCollectionWindow& operator=(const OpenCollectionWindow&) = delete;

    // Fills the list and runs the dialog; the chosen file's path, or empty.
    String exec();
    // One item per folder N of the data folder, in the listing's order,
    // that holds N.rsdb and is not "backup" in any case; the open
    // collection's item reads "N (opened)". Each item's own text is N.
    void fillList();

    // Open: the current item's file when it still exists, else the error
    // sound and the dialog stays (also with an empty list).
    void open();
    void cancel();
    void saveGeometry(UIEvent* event);

    UIDialog* dialog() const { return m_dialog; }
    UIComboBox* nameBox() const { return m_nameBox; }
    UIButton* openButton() const { return m_openButton; }

private:
    void buildUi();

    CollectionModel& m_model;
    UIDialog* m_dialog = nullptr;
    UIComboBox* m_nameBox = nullptr;
    UIButton* m_openButton = nullptr;
    UIButton* m_cancelButton = nullptr;
    String m_result;
};
