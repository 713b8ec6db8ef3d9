#pragma once

#include "app/window/Window.h"
#include "model/extractors/SearchResult.h"

class UIButton;
class UIDialog;
class UIEvent;
class UITable;
class UITableView;
class UIWidget;

// Lets the user choose one of several results of a movie database search.
// What it returns is the chosen result's own index, whatever order the
// user sorted the table into.
class SelectMovieWindow : public Window
{
public:
    SelectMovieWindow(UIWidget* parent, const SearchResultList& results);
    ~SelectMovieWindow() override;
    SelectMovieWindow(const SelectMovieWindow&) = delete;
    SelectMovieWindow& operator=(const SelectMovieWindow&) = delete;

    // The index field of the chosen result, or -1 when the user cancelled
    // or closed the dialog.
    int exec();
    int selectedIndex() const { return m_selectedIndex; }

    // ---- Controls, for tests ----
    UIDialog* dialog() const { return m_dialog; }
    UITable* table() const { return m_table; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }

private:
    void buildDialog(UIWidget* parent);
    void fillTable();
    void onShown(UIEvent* event);
    void onCurrentRowChanged(int row);
    void onDoubleClicked(UIEvent* event);
    void onKey(UIEvent* event);
    void onOk();
    void onCancel();
    void onClose(UIEvent* event);

    SearchResultList m_results;
    int m_selectedIndex = -1;
    UIDialog* m_dialog = nullptr;
    UITableView* m_view = nullptr;
    UITable* m_table = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
};
