#include "app/main/MainWindow.h"
#include "app/views/FillTimings.h"
#include "app/views/MovieCoverSource.h"
#include "foundation/data/JsonValue.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "ui/core/automation/UIAutomationSections.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/views/coverflow/CoverFlowScene.h"
#include "ui/views/coverflow/UI3d.h"
#include "ui/widgets/combo/UIComboBox.h"

#include "app/launch/LaunchStamps.h"
#include "model/images/ImageResource.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/UIWebViewDescriber.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char kTimingsSection[] = "timings";
const char kViewsSection[] = "views";
const char kUpdatesSection[] = "updates";

void name(UIWidget* widget, const char16_t* id)
{
    if (widget)
        widget->setObjectId(String(id));
}

JsonValue pair(double first, double second)
{
    JsonValue out = JsonValue::array();
    out.append(first);
    out.append(second);
    return out;
}

// Enough to tell the order a test collection shows; a dump of a large one
// stays small.
const int kDumpedCovers = 100;

// The covers' titles in the scene's order; a cover added without one has
// its title from the source, as its tool tip does.
JsonValue coverTitles(const CoverFlowScene& scene, CoverSource& source)
{
    JsonValue titles = JsonValue::array();
    for (int i = 0; i < scene.count() && i < kDumpedCovers; ++i) {
        const CoverNode& node = *scene.node(i);
        titles.append(utf8Of(node.title().isEmpty() ? source.coverTitle(node) : node.title()));
    }
    return titles;
}

} // namespace

void MainWindow::setAutomationIds()
{
    name(m_window, u"main");
    name(m_menuBar, u"menuBar");
    name(m_collectionMenu, u"collectionMenu");
    name(m_movieMenu, u"movieMenu");
    name(m_viewMenu, u"viewMenu");
    name(m_screenLayoutMenu, u"screenLayoutMenu");
    name(m_sortMenu, u"sortMenu");
    name(m_columnsMenu, u"columnsMenu");
    name(m_loansMenu, u"loansMenu");
    name(m_toolsMenu, u"toolsMenu");
    name(m_helpMenu, u"helpMenu");
    name(m_toolBarSortMenu, u"toolBarSortMenu");
    name(m_movieContextMenu, u"movieContextMenu");
    name(m_toolBar, u"toolBar");
    name(m_filterBar, u"filterBar");
    name(m_zoomSlider, u"zoom");
    name(m_viewTabs, u"viewTabs");
    name(m_splitter, u"splitter");
    name(m_tableView, u"tableView");
    name(m_table, u"table");
    name(m_listView, u"imageView");
    name(m_list, u"images");
    name(m_columnMenu, u"columnHeaderMenu");
    name(m_statusBar, u"statusBar");
    name(m_filterKindBox, u"filterKind");
    name(m_filterValueBox, u"filterValue");
    name(m_actorBox, u"filterActor");
    name(m_zoomOutPicture, u"zoomOut");
    name(m_zoomInPicture, u"zoomIn");
    name(m_statusLabel, u"status");
    name(m_coverFlow, u"coverFlow");
    name(m_webView, u"card");
    addAutomationSections();
}

void MainWindow::addAutomationSections()
{
    // One section for the start's stamps and the views' fills.
    UIAutomationSections::add(kTimingsSection, [this] {
        JsonValue timings = LaunchStamps::dump();
        JsonValue fills = m_fillTimings->toJson();
        timings.set("fills", fills["fills"]);
        timings.set("stamps", fills["stamps"]);
        return timings;
    });
    UIAutomationSections::add(kViewsSection, [this] { return viewsState(); });
    UIAutomationSections::add("card", [this] {
        JsonValue card = JsonValue::object();
        card.set("text", utf8Of(m_webView->text()));
        JsonValue links = JsonValue::array();
        for (const String& link : m_webView->links())
            links.append(utf8Of(link));
        card.set("links", std::move(links));
        card.set("elements", webViewElementsJson(*m_webView));
        return card;
    });
    UIAutomationSections::add(kUpdatesSection, [this] {
        JsonValue updates = JsonValue::object();
        updates.set("answers", m_updateAnswers);
        return updates;
    });
    // Reads a process-wide record only.
    UIAutomationSections::add("missingImages", [] {
        JsonValue names = JsonValue::array();
        for (const String& name : missingImageResources())
            names.append(utf8Of(name));
        return names;
    });
}

void MainWindow::removeAutomationSections()
{
    UIAutomationSections::remove(kTimingsSection);
    UIAutomationSections::remove(kViewsSection);
    UIAutomationSections::remove(kUpdatesSection);
    UIAutomationSections::remove("card");
}

// Ids are the movies' (0 for none), so a driven test can tell the views
// agree without reading pixels.
JsonValue MainWindow::viewsState() const
{
    // Reading a view is what fills a hidden one; the views' content stays
    // that of the last fill.
    const_cast<MainWindow*>(this)->fillDeferredViews();
    JsonValue state = JsonValue::object();
    state.set("mode", viewMode());
    const Movie* current = currentMovie();
    state.set("current", current ? int(current->id) : 0);
    state.set("table", m_table->currentRowTag());
    state.set("images", m_list->currentItemTag());
    state.set("coverFlowKnown", m_coverFlowKnown);
    state.set("coverFlow", m_coverFlowAvailable);
    if (m_coverFlowAvailable) {
        state.set("cover", int(m_coverFlowScene->selectedId()));
        state.set("covers", m_coverFlowScene->count());
        state.set("coverTitles", coverTitles(*m_coverFlowScene, *m_coverSource));
        state.set("coverVisible", m_coverFlow->isVisible());
    }
    state.set("rowHeight", m_table->rowHeight());
    Size cell = m_list->itemSize();
    state.set("itemSize", pair(cell.width, cell.height));
    JsonValue zooms = JsonValue::array();
    for (float zoom : {m_listZoom, m_imagesZoom, m_coverFlowZoom})
        zooms.append(double(zoom));
    state.set("zooms", std::move(zooms));
    state.set("layout", m_screenLayout);
    state.set("vertical", m_splitter->isVertical());
    state.set("cardFirst", m_cardFirst);
    state.set("topmost", m_window->testWindowFlag(UINativeWindow::kTopmost));
    state.set("sort", pair(m_model.sortMode(), m_model.sortOrder()));
    JsonValue columns = JsonValue::array();
    JsonValue widths = JsonValue::array();
    for (int column = 0; column < kColumnCount; ++column) {
        if (m_table->isColumnVisible(column))
            columns.append(column);
        widths.append(m_table->columnWidth(column));
    }
    state.set("columns", std::move(columns));
    state.set("widths", std::move(widths));
    state.set("filterKind", m_filter.kind);
    return state;
}
