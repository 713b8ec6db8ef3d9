#include "app/main/MainWindow.h"
#include "ui/core/automation/UIAutomationSections.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

void name(UIWidget* widget, const char16_t* id)
{
    if (widget)
        widget->setObjectId(String(id));
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
    // ---- Movie commands ----
    name(m_webView, u"card");
    // The number of refills of the views: a command that should change
    // nothing leaves it as it was. The counter outlives the window safely.
    std::shared_ptr<int> fills = m_fillStamp;
    UIAutomationSections::add("movieList", [fills] {
        JsonValue section = JsonValue::object();
        section.set("fills", *fills);
        return section;
    });
}
