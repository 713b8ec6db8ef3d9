#include "app/movie/MovieListEditor.h"

#include "app/movie/AddEditEpisodeWindow.h"
#include "app/movie/AddEditMovieCastWindow.h"
#include "app/movie/AddEditMovieCrewWindow.h"
#include "app/movie/AddEditMovieLinkWindow.h"
#include "app/movie/EditorIcons.h"
#include "app/movie/MovieFormValues.h"
#include "app/window/DialogTableView.h"
#include "app/window/Window.h"
#include "graphics/image/ImageSet.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "ui/core/events/UIDragMoveEvent.h"
#include "ui/core/events/UIDropEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"
#include "ui/widgets/tabs/UITabBar.h"

namespace {

const char16_t kContext[] = u"AddEditMovieWindow";

struct ColumnSpec
{
    const char16_t* title;
    int width;
    int sortType;
};

struct KindLayout
{
    const char16_t* toolTips[6];
    int columnCount;
    ColumnSpec columns[7];
};

const KindLayout kKinds[] = {
    {{u"Add Actor...", u"Edit Actor...", u"Remove Actor", u"Move Up", u"Move Down", nullptr},
     2,
     {{u"Actor", 150, 1}, {u"Character", 200, 1}}},
    {{u"Add Crew Member...", u"Edit Crew Member...", u"Remove Crew Member", u"Move Up", u"Move Down",
      nullptr},
     2,
     {{u"Role", 100, 1}, {u"Name", 200, 1}}},
    {{u"Add Episode...", u"Edit Episode...", u"Remove Episode", u"Move Up", u"Move Down", nullptr},
     7,
     {{u"Season Number", 70, 1},
      {u"Number", 70, 1},
      {u"Release Date", 100, 1},
      {u"Title", 200, 1},
      {u"Plot", 100, 1},
      {u"Movie File", 150, 1},
      {u"URL", 150, 1}}},
    {{u"Add Link...", u"Edit Link...", u"Remove Link", u"Move Up", u"Move Down", u"Open"},
     4,
     {{u"Type", 100, 1}, {u"Description", 200, 1}, {u"URL", 250, 1}, {u"Playable", 50, 2}}},
};

const char16_t* const kTabIcons[] = {u"plus-16",    u"pencil-16",    u"trash-16",
                                     u"move-up-16", u"move-down-16", u"arrow-curve"};

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

void addTexts(UITableRow* row, std::initializer_list<String> texts)
{
    for (const String& text : texts)
        row->addTextCell(text);
}

void fillCastRow(UITableRow* row, const CastItem& item)
{
    addTexts(row, {item.actor, item.character});
}

void fillCrewRow(UITableRow* row, const CrewItem& item)
{
    addTexts(row, {CrewItem::roleName(item.role), item.name});
}

void fillEpisodeRow(UITableRow* row, const Episode& item)
{
    addTexts(row, {String::fromInt(item.season), String::fromInt(item.number),
                   item.releaseDateText(String(u"/")), item.title, item.plot, item.file, item.url});
}

void fillLinkRow(UITableRow* row, const MovieLink& item)
{
    const bool local = item.type == MovieLink::kLocal;
    UITableCell* type = row->addTextCell(tr(local ? u"Local" : u"Online"));
    type->setImage(EditorIcons::get(String(local ? u"link-local" : u"link-online")));
    addTexts(row, {item.description, item.url});
    UITableCell* play = row->addImageCell(item.play ? EditorIcons::get(String(u"check-16")) : Image());
    play->setSortValue(item.play ? 1.0 : 0.0);
}

// Each row's tag is its item's list position plus one: the table takes a tag
// of 0 for none.
template <class L, class Fill> void addRowsOf(UITable* table, const L& list, Fill fill)
{
    int tag = 0;
    for (typename L::Node* node = list.first(); node; node = node->next) {
        auto* row = new UITableRow();
        fill(row, node->value);
        row->setTag(++tag);
        table->addRow(row);
    }
}

} // namespace

MovieListEditor::MovieListEditor(Kind kind, UIWidget* page, UIWidget* dialog) : m_kind(kind), m_dialog(dialog)
{
    buildToolBar(page);
    buildTable(page);
}

String MovieListEditor::countText(int seasons, int episodes)
{
    return tr(u"^ Seasons, ^ Episodes").arg(String::fromInt(seasons)).arg(String::fromInt(episodes));
}

void MovieListEditor::buildToolBar(UIWidget* page)
{
    const KindLayout& layout = kKinds[m_kind];
    m_toolBar = new UITabBar(page);
    m_toolBar->setTabStyle(UITabBar::kIconOnly);
    m_toolBar->setExclusive(false);
    m_toolBar->setLayoutAlignment(0x11);
    const int tabs = m_kind == kLinks ? 6 : 5;
    for (int i = 0; i < tabs; ++i) {
        m_toolBar->addTab(ImageSet::ImageSetFromImage(EditorIcons::get(String(kTabIcons[i]))), String());
        m_toolBar->setTabToolTip(i, tr(layout.toolTips[i]));
        m_toolBar->setTabEnabled(i, i == kAdd);
    }
    m_toolBar->setAllTabsSelectable(false);
    m_toolBar->show();
    m_toolBar->tabClicked.connectWithArg(this, &MovieListEditor::onTab);
}

void MovieListEditor::buildTable(UIWidget* page)
{
    const KindLayout& layout = kKinds[m_kind];
    m_view = makeDialogTableView(page);
    m_table = m_view->table();
    m_table->setFlag(UIWidget::kWantsDoubleClicks, true);
    UIHeader* header = m_table->header();
    for (int i = 0; i < layout.columnCount; ++i)
        header->addSection(tr(layout.columns[i].title), layout.columns[i].width, true)
            ->setSortType(layout.columns[i].sortType);
    header->setStretchLastSection(true);
    m_view->show();
    m_table->currentRowChanged.connectWithArg(this, &MovieListEditor::onCurrentRowChanged);
    m_table->mouseDoubleClicked.connectWithArg(this, &MovieListEditor::onDoubleClick);
    if (m_kind != kLinks)
        return;
    // A drop lands on the deepest widget under the pointer: the rows, or the
    // view's empty area below them.
    for (UIWidget* site : {static_cast<UIWidget*>(m_table), static_cast<UIWidget*>(m_view->viewport()),
                           static_cast<UIWidget*>(m_view)}) {
        site->setAcceptDrops(true);
        site->dragEntered.connectWithArg(this, &MovieListEditor::onDragMove);
        site->dragMoved.connectWithArg(this, &MovieListEditor::onDragMove);
        site->dropped.connectWithArg(this, &MovieListEditor::onDrop);
    }
}

void MovieListEditor::setCountLabel(UILabel* label)
{
    m_countLabel = label;
    updateCountLabel();
}

void MovieListEditor::setMovie(Movie* movie)
{
    m_movie = movie;
    rebuild();
}

int MovieListEditor::itemCount() const
{
    if (!m_movie)
        return 0;
    switch (m_kind) {
    case kCast:
        return m_movie->cast.count();
    case kCrew:
        return m_movie->crew.count();
    case kEpisodes:
        return m_movie->episodes.count();
    case kLinks:
        return m_movie->links.count();
    }
    return 0;
}

void MovieListEditor::rebuild()
{
    m_table->clear();
    m_table->resetSort();
    addRows();
    updateTabs();
    updateCountLabel();
    m_table->update();
}

void MovieListEditor::addRows()
{
    if (!m_movie)
        return;
    switch (m_kind) {
    case kCast:
        addRowsOf(m_table, m_movie->cast, fillCastRow);
        break;
    case kCrew:
        addRowsOf(m_table, m_movie->crew, fillCrewRow);
        break;
    case kEpisodes:
        addRowsOf(m_table, m_movie->episodes, fillEpisodeRow);
        break;
    case kLinks:
        addRowsOf(m_table, m_movie->links, fillLinkRow);
        break;
    }
}

void MovieListEditor::updateCountLabel()
{
    if (!m_countLabel)
        return;
    m_countLabel->setText(m_movie ? countText(m_movie->seasonCount(), m_movie->episodeCount())
                                  : countText(0, 0));
}

// Moves go by the item's place in the list, not by where a sorted table
// shows its row, so their tabs do too.
void MovieListEditor::updateTabs()
{
    const int position = currentPosition();
    const bool current = position >= 0;
    m_toolBar->setTabEnabled(kEdit, current);
    m_toolBar->setTabEnabled(kRemove, current);
    m_toolBar->setTabEnabled(kMoveUp, current && position > 0);
    m_toolBar->setTabEnabled(kMoveDown, current && position < itemCount() - 1);
    if (m_kind == kLinks)
        m_toolBar->setTabEnabled(kOpen, current);
}

void MovieListEditor::onCurrentRowChanged(int)
{
    updateTabs();
}

int MovieListEditor::currentPosition() const
{
    UITableRow* row = m_table->currentRowItem();
    if (!row)
        return -1;
    const int position = row->tag() - 1;
    return position >= 0 && position < itemCount() ? position : -1;
}

void MovieListEditor::selectPosition(int position)
{
    const int index = m_table->indexOfTag(position + 1);
    if (index < 0)
        return;
    m_table->setCurrentRow(index, true);
    m_table->selectCurrentRow();
    updateTabs();
}

void MovieListEditor::onTab(int index)
{
    switch (index) {
    case kAdd:
        addItem();
        break;
    case kEdit:
        editCurrent();
        break;
    case kRemove:
        removeCurrent();
        break;
    case kMoveUp:
        moveCurrent(-1);
        break;
    case kMoveDown:
        moveCurrent(1);
        break;
    case kOpen:
        openCurrent();
        break;
    default:
        break;
    }
}

void MovieListEditor::runItemEditor(int position)
{
    if (!m_movie)
        return;
    switch (m_kind) {
    case kCast: {
        CastItemList::Node* node = position < 0 ? nullptr : m_movie->cast.nodeAt(position);
        AddEditMovieCastWindow(m_dialog, m_movie, node ? &node->value : nullptr).exec();
        break;
    }
    case kCrew: {
        CrewItemList::Node* node = position < 0 ? nullptr : m_movie->crew.nodeAt(position);
        AddEditMovieCrewWindow(m_dialog, m_movie, node ? &node->value : nullptr).exec();
        break;
    }
    case kEpisodes: {
        EpisodeList::Node* node = position < 0 ? nullptr : m_movie->episodes.nodeAt(position);
        AddEditEpisodeWindow(m_dialog, m_movie, node ? &node->value : nullptr).exec();
        break;
    }
    case kLinks: {
        MovieLinkList::Node* node = position < 0 ? nullptr : m_movie->links.nodeAt(position);
        AddEditMovieLinkWindow(m_dialog, m_movie, node ? &node->value : nullptr).exec();
        break;
    }
    }
    rebuild();
}

void MovieListEditor::addItem()
{
    runItemEditor(-1);
}

void MovieListEditor::editCurrent()
{
    const int position = currentPosition();
    if (position < 0)
        return;
    runItemEditor(position);
    selectPosition(position);
}

void MovieListEditor::removeCurrent()
{
    const int position = currentPosition();
    if (position < 0)
        return;
    switch (m_kind) {
    case kCast:
        m_movie->removeCastItem(m_movie->cast.nodeAt(position));
        break;
    case kCrew:
        m_movie->removeCrewItem(m_movie->crew.nodeAt(position));
        break;
    case kEpisodes:
        m_movie->removeEpisode(m_movie->episodes.nodeAt(position));
        break;
    case kLinks:
        m_movie->removeLink(m_movie->links.nodeAt(position));
        break;
    }
    rebuild();
}

void MovieListEditor::moveCurrent(int step)
{
    const int position = currentPosition();
    if (position < 0)
        return;
    bool moved = false;
    switch (m_kind) {
    case kCast:
        moved = swapWithNeighbour(m_movie->cast, position, step);
        break;
    case kCrew:
        moved = swapWithNeighbour(m_movie->crew, position, step);
        break;
    case kEpisodes:
        moved = swapWithNeighbour(m_movie->episodes, position, step);
        break;
    case kLinks:
        moved = swapWithNeighbour(m_movie->links, position, step);
        break;
    }
    if (!moved)
        return;
    rebuild();
    selectPosition(position + step);
}

void MovieListEditor::openCurrent()
{
    const int position = currentPosition();
    if (m_kind != kLinks || position < 0)
        return;
    const MovieLink& link = m_movie->links.nodeAt(position)->value;
    MovieLink::open(link.url, link.type);
}

void MovieListEditor::onDoubleClick(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() == 1 && currentPosition() >= 0)
        editCurrent();
}

void MovieListEditor::onDragMove(UIEvent* event)
{
    const UIMimeData& data = UIDragMoveEvent::mimeData();
    if (data.hasFilePathList() || data.hasText())
        event->accept();
}

void MovieListEditor::onDrop(UIEvent*)
{
    const UIMimeData& data = UIDropEvent::mimeData();
    if (data.hasFilePathList())
        takeDroppedPaths(data.filePathList());
    else if (data.hasText())
        takeDroppedText(data.text());
}

void MovieListEditor::takeDroppedPaths(const StringList& paths)
{
    if (!m_movie || paths.isEmpty())
        return;
    m_movie->links.append(
        MovieFormValues::linkFromDroppedPath(paths.first()->value, CollectionModel::videoExtensions()));
    rebuild();
}

void MovieListEditor::takeDroppedText(const String& text)
{
    if (!m_movie || text.isEmpty())
        return;
    m_movie->links.append(MovieFormValues::linkFromDroppedText(text));
    rebuild();
}
