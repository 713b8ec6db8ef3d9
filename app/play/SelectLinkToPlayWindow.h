#pragma once

#include "app/window/Window.h"
#include "foundation/containers/List.h"

class UIButton;
class UIDialog;
class UIEvent;
class UITable;
class UITableView;
struct MovieLink;

// Lets the user choose which of a movie's several playable links to open.
// The links stay the movie's; the window only points at them.
class SelectLinkToPlayWindow : public Window
{
public:
    explicit SelectLinkToPlayWindow(const List<const MovieLink*>& links);
    ~SelectLinkToPlayWindow() override;
    SelectLinkToPlayWindow(const SelectLinkToPlayWindow&) = delete;
    SelectLinkToPlayWindow& operator=(const SelectLinkToPlayWindow&) = delete;

    // Lists the links, runs the dialog and returns the chosen link's
    // position in the list given, or -1 when the user cancelled or closed.
    int exec();

    UIDialog* dialog() const { return m_dialog; }
    UITable* table() const { return m_table; }
    UIButton* playButton() const { return m_playButton; }
    UIButton* cancelButton() const { return m_cancelButton; }
    int chosenIndex() const { return m_chosen; }

private:
    void buildUi();
    void connectSignals();
    void fillTable();
    void closed(UIEvent* event);
    void keyPressed(UIEvent* event);
    void currentRowChanged(int row);
    void play();
    void cancel();

    List<const MovieLink*> m_links;
    UIDialog* m_dialog = nullptr;
    UITableView* m_view = nullptr;
    UITable* m_table = nullptr;
    UIButton* m_playButton = nullptr;
    UIButton* m_cancelButton = nullptr;
    int m_chosen = -1;
};
