#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/String.h"

class Movie;
class UIEvent;
class UILabel;
class UITabBar;
class UITable;
class UITableView;
class UIWidget;

// One of the movie editor's four lists (cast, crew, episodes, links) as a
// small tool bar over a table. The table shows the list in its order; each
// row's tag is its item's position in the list plus one, so the row still
// names its item after the user sorted the table by a column. Items are
// added and changed through the item editors; the table is rebuilt after
// each change.
class MovieListEditor : public SignalReceiver
{
public:
    enum Kind
    {
        kCast,
        kCrew,
        kEpisodes,
        kLinks
    };

    // The tool bar's tabs; kOpen only for links.
    enum Tab
    {
        kAdd,
        kEdit,
        kRemove,
        kMoveUp,
        kMoveDown,
        kOpen
    };

    // Builds the tool bar and the table in page; dialog is the parent of the
    // item editors.
    MovieListEditor(Kind kind, UIWidget* page, UIWidget* dialog);

    Kind kind() const { return m_kind; }
    UITabBar* toolBar() const { return m_toolBar; }
    UITableView* tableView() const { return m_view; }
    UITable* table() const { return m_table; }
    // The episodes' "seasons, episodes" line, kept up to date from then on.
    void setCountLabel(UILabel* label);

    // The movie whose list is edited (not owned); rebuilds the table.
    void setMovie(Movie* movie);
    void rebuild();
    int itemCount() const;

    // The tool bar's actions; those on the current row do nothing without
    // one.
    void onTab(int index);
    void addItem();
    void editCurrent();
    void removeCurrent();
    // Swaps the current row's item with its neighbour in the list (-1 up,
    // 1 down) and rebuilds in list order, the moved item current.
    void moveCurrent(int step);
    void openCurrent();

    // What a drop on the link table adds: a local link for the first path, an
    // online one for a text.
    void takeDroppedPaths(const StringList& paths);
    void takeDroppedText(const String& text);

    // Exchanges the item at position with its neighbour (step -1 or 1) by
    // relinking the two nodes; false, with nothing moved, at the list's ends.
    template <class L> static bool swapWithNeighbour(L& list, int position, int step)
    {
        typename L::Node* node = list.nodeAt(position);
        if (position < 0 || !node)
            return false;
        typename L::Node* other = step < 0 ? node->prev : node->next;
        if (!other)
            return false;
        list.swapNodes(node, other);
        return true;
    }

    // The text of the episodes' count line.
    static String countText(int seasons, int episodes);

private:
    void buildToolBar(UIWidget* page);
    void buildTable(UIWidget* page);
    void addRows();
    void updateTabs();
    void updateCountLabel();
    // The list position of the current row's item; -1 without one.
    int currentPosition() const;
    void selectPosition(int position);
    void runItemEditor(int position);
    void onCurrentRowChanged(int row);
    void onDoubleClick(UIEvent* event);
    void onDragMove(UIEvent* event);
    void onDrop(UIEvent* event);

    Kind m_kind;
    UIWidget* m_dialog;
    Movie* m_movie = nullptr;
    UITabBar* m_toolBar = nullptr;
    UITableView* m_view = nullptr;
    UITable* m_table = nullptr;
    UILabel* m_countLabel = nullptr;
};
