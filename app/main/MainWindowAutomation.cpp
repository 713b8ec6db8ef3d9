#include "app/main/MainWindow.h"

#include "app/launch/LaunchStamps.h"
#include "model/images/ImageResource.h"
#include "ui/core/automation/UIAutomationSections.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/combo/UIComboBox.h"
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
    name(m_webView, u"card");
    name(m_filterKindBox, u"filterKind");
    name(m_filterValueBox, u"filterValue");
    name(m_actorBox, u"actor");
    addAutomationSections();
}

void MainWindow::addAutomationSections()
{
    UIAutomationSections::add("card", [this] {
        JsonValue card = JsonValue::object();
        card.set("text", utf8Of(m_webView->text()));
        JsonValue links = JsonValue::array();
        for (const String& link : m_webView->links())
            links.append(utf8Of(link));
        card.set("links", std::move(links));
        return card;
    });
    // These two read process-wide records only.
    UIAutomationSections::add("timings", [] { return LaunchStamps::dump(); });
    UIAutomationSections::add("missingImages", [] {
        JsonValue names = JsonValue::array();
        for (const String& name : missingImageResources())
            names.append(utf8Of(name));
        return names;
    });
}

void MainWindow::removeAutomationSections()
{
    UIAutomationSections::remove("card");
}


