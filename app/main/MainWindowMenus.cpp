// The main window's menu bar, its menus and the tool bar.
#include "app/main/MainWindow.h"

#include "graphics/image/ImageSet.h"
#include "model/images/ImageResource.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/menus/UIMenuBarItem.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char16_t kMenuContext[] = u"MainWindow/Menu";

// A text item with its small icon; a null text is a separator.
struct MenuRow
{
    const char16_t* text;
    const char16_t* icon;
};

ImageSet dataIcon(const char16_t* name)
{
    return ImageSet::ImageSetFromImage(loadImageResource(String(name)));
}

void addRows(UIMenu* menu, std::initializer_list<MenuRow> rows, const char16_t* context)
{
    for (const MenuRow& row : rows) {
        if (!row.text)
            menu->addSeparator();
        else
            menu->addItem(Window::translate(row.text, context), row.icon ? dataIcon(row.icon) : ImageSet());
    }
}

// A picture item: the larger picture beside its text.
void addPictureRows(UIMenu* menu, std::initializer_list<MenuRow> rows, const char16_t* context)
{
    for (const MenuRow& row : rows)
        menu->addImageTextItem(dataIcon(row.icon), Window::translate(row.text, context));
}

void makeCheckable(UIMenu* menu, int index, int checkType)
{
    menu->setItemCheckable(index, true);
    menu->item(index)->setCheckType(checkType);
}

void makeAllCheckable(UIMenu* menu, int checkType)
{
    for (int i = 0; i < menu->count(); ++i) {
        if (!menu->item(i)->isSeparator())
            makeCheckable(menu, i, checkType);
    }
}

void fillSortMenu(UIMenu* menu)
{
    const char16_t* context = u"MainWindow/Menu/Sort";
    addRows(menu,
            {{u"Ascending", nullptr},
             {u"Descending", nullptr},
             {nullptr, nullptr},
             {u"Title", nullptr},
             {u"Release Date", nullptr},
             {u"Date Added", nullptr},
             {u"Date Modified", nullptr}},
            context);
    makeAllCheckable(menu, UIMenuItem::kRadioMark);
}

struct ToolRow
{
    const char16_t* toolTip;
    const char16_t* image;
};

} // namespace

UIMenu* MainWindow::addBarMenu(const char16_t* title)
{
    auto* menu = new UIMenu(m_menuBar);
    m_menuBar->addItem(translate(title, kMenuContext))->setMenu(menu);
    return menu;
}

void MainWindow::buildMenus()
{
    static const int kBarGrid[7] = {1, 22, 1, 2, 21, 1, 1};
    m_menuBar = new UIMenuBar(m_window);
    m_menuBar->show();
    setDataSkin(m_menuBar, u"UIMenuBar_Background", kBarGrid);
    m_menuBar->setStyleProperty(String(u"foreground"), String(u"255,255,255"));
    m_menuBar->setStyleProperty(String(u"shadowForeground"), String(u"0,0,0"));
    m_menuBar->setStyleProperty(String(u"hoveredItemBackground"), String(u"107, 88, 65"));
    m_menuBar->setStyleProperty(String(u"selectedItemBackground"), String(u"54, 45, 33"));
    // The skin's item texts are dark, made for its light bar: on this dark
    // bar the hovered and the open item keep the bar's white.
    m_menuBar->setStyleProperty(String(u"hoveredItemForeground"), String(u"255,255,255"));
    m_menuBar->setStyleProperty(String(u"selectedItemForeground"), String(u"255,255,255"));

    m_collectionMenu = addBarMenu(u"Collection");
    addRows(m_collectionMenu,
            {{u"New Collection...", u"collection-new"},
             {u"Open Collection...", u"collection-open"},
             {nullptr, nullptr},
             {u"Password Protection...", u"password"},
             {nullptr, nullptr},
             {u"Exit", u"door-16"}},
            kMenuContext);
    m_movieMenu = addBarMenu(u"Movie");
    addRows(m_movieMenu,
            {{u"Add Movie...", u"clapperboard--plus"},
             {u"Add Movie by Bar Code...", u"clapperboard--plus"},
             {u"Add Movies by Scanning Folder...", u"clapperboard--plus"},
             {nullptr, nullptr},
             {u"Edit Selected Movie...", u"clapperboard--pencil"},
             {nullptr, nullptr},
             {u"Remove Selected Movie", u"clapperboard--minus"}},
            kMenuContext);
    buildViewMenu();
    m_loansMenu = addBarMenu(u"Loans");
    addRows(m_loansMenu, {{u"Manage Loans...", u"users"}}, kMenuContext);
    m_toolsMenu = addBarMenu(u"Tools");
    addRows(m_toolsMenu,
            {{u"Statistics...", u"chart-pie"},
             {nullptr, nullptr},
             {u"Import from Text File...", u"import"},
             {nullptr, nullptr},
             {u"Export to Text File...", u"arrow-export-16"},
             {nullptr, nullptr},
             {u"Options...", u"gear"}},
            kMenuContext);
    m_helpMenu = addBarMenu(u"Help");
    addRows(m_helpMenu,
            {{u"About Reelstack...", u"about16"},
             {u"Check for Updates...", u"menu-check-for-updates"},
             {nullptr, nullptr},
             {u"Online Help...", u"lifebuoy16"},
             {u"Send Feedback...", u"balloon"},
             {u"Home Page...", u"home16"}},
            kMenuContext);
}

void MainWindow::buildViewMenu()
{
    m_viewMenu = addBarMenu(u"View");
    addRows(m_viewMenu,
            {{u"Screen Layout", u"screen-layout-01"},
             {u"Columns", u"columns-16"},
             {u"Sort Movies by", u"sort-alphabet"},
             {nullptr, nullptr}},
            kMenuContext);
    addPictureRows(m_viewMenu,
                   {{u"List", u"view-mode-list"},
                    {u"Images", u"view-mode-images"},
                    {u"Cover Flow", u"view-mode-coverflow"}},
                   kMenuContext);
    addRows(m_viewMenu,
            {{nullptr, nullptr},
             {u"Toolbar", nullptr},
             {u"Always On Top", nullptr},
             {nullptr, nullptr},
             {u"Refresh", u"refresh"}},
            kMenuContext);
    for (int i = kViewListItem; i <= kViewCoverFlowItem; ++i)
        makeCheckable(m_viewMenu, i, UIMenuItem::kRadioMark);
    m_viewMenu->checkItem(kViewListItem);
    makeCheckable(m_viewMenu, kToolbarItem, UIMenuItem::kCheckMark);
    m_viewMenu->checkItem(kToolbarItem);
    makeCheckable(m_viewMenu, kAlwaysOnTopItem, UIMenuItem::kCheckMark);

    m_screenLayoutMenu = new UIMenu(m_viewMenu);
    addPictureRows(m_screenLayoutMenu,
                   {{u"Vertical #1", u"screen-layout-01"},
                    {u"Vertical #2", u"screen-layout-02"},
                    {u"Horizontal #1", u"screen-layout-03"},
                    {u"Horizontal #2", u"screen-layout-04"}},
                   u"MainWindow/Menu/ScreenLayout");
    makeAllCheckable(m_screenLayoutMenu, UIMenuItem::kRadioMark);
    m_viewMenu->setItemSubMenu(0, m_screenLayoutMenu);

    m_columnsMenu = new UIMenu(m_viewMenu);
    fillColumnMenu(m_columnsMenu);
    m_viewMenu->setItemSubMenu(1, m_columnsMenu);

    m_sortMenu = new UIMenu(m_viewMenu);
    fillSortMenu(m_sortMenu);
    m_viewMenu->setItemSubMenu(2, m_sortMenu);
}

void MainWindow::buildToolBar()
{
    static const int kToolBarGrid[7] = {1, 30, 1, 1, 29, 2, 1};
    const char16_t* context = u"MainWindow/ToolBar";
    m_toolBar = new UIToolBar(m_window);
    m_toolBar->show();
    m_toolBar->setLayoutMargin(4);
    m_toolBar->setButtonSpacing(1);
    setDataSkin(m_toolBar, u"UIToolBar_Background", kToolBarGrid);
    // Each separator takes the picture it is added with.
    Image separator = loadImageResource(String(u"toolbar_separator"));
    if (!separator.isNull())
        m_toolBar->setSeparatorImage(separator);
    auto add = [&](std::initializer_list<ToolRow> rows) {
        for (const ToolRow& row : rows)
            m_toolBar->addButton(dataIcon(row.image), String(), translate(row.toolTip, context));
    };
    add({{u"Add Movie...", u"clapperboard-plus32"},
         {u"Edit Selected Movie...", u"clapperboard-edit32"},
         {u"Remove Selected Movie", u"clapperboard-minus32"}});
    m_toolBar->addSeparator();
    add({{u"Sort Movies by", u"sort-32"},
         {u"Previous Movie", u"arrow_left32"},
         {u"Next Movie", u"arrow_right32"}});
    m_toolBar->addSeparator();
    add({{u"Statistics...", u"statistics"}, {u"Manage Loans...", u"loans"}});
    m_toolBar->addSeparator();
    add({{u"Options...", u"toolbar_options"}});
    m_toolBar->addStretch();
    add({{u"Send Feedback...", u"email32"},
         {u"Home Page...", u"toolbar_home"},
         {u"About...", u"toolbar_about"}});
    m_toolBarSortMenu = new UIMenu(m_toolBar);
    fillSortMenu(m_toolBarSortMenu);
    m_toolBar->button(kSortButton)->setMenu(m_toolBarSortMenu);
}

void MainWindow::buildColumnHeaderMenu()
{
    m_columnMenu = new UIMenu(m_table->header());
    fillColumnMenu(m_columnMenu);
    m_table->header()->setContextMenu(m_columnMenu);
}

void MainWindow::setColumnChecks(int column, bool visible)
{
    m_columnsMenu->setItemChecked(column, visible);
    m_columnMenu->setItemChecked(column, visible);
}

void MainWindow::buildMovieContextMenu()
{
    m_movieContextMenu = new UIMenu(m_list);
    addRows(m_movieContextMenu,
            {{u"Edit Movie...", u"clapperboard--pencil"},
             {u"Tags...", u"tag--pencil"},
             {u"Color Label", u"color-swatch"},
             {u"Copy to Clipboard", u"document-copy"},
             {nullptr, nullptr},
             {u"Remove Movie", u"clapperboard--minus"}},
            kMenuContext);
    m_colorLabelMenu = new UIMenu(m_movieContextMenu);
    addPictureRows(m_colorLabelMenu,
                   {{u"None", u"color-label-none"},
                    {u"Red", u"color-label-red"},
                    {u"Orange", u"color-label-orange"},
                    {u"Yellow", u"color-label-yellow"},
                    {u"Green", u"color-label-green"},
                    {u"Blue", u"color-label-blue"},
                    {u"Pink", u"color-label-pink"},
                    {u"Gray", u"color-label-gray"}},
                   kMenuContext);
    makeAllCheckable(m_colorLabelMenu, UIMenuItem::kRadioMark);
    m_movieContextMenu->setItemSubMenu(2, m_colorLabelMenu);
    m_copyMenu = new UIMenu(m_movieContextMenu);
    addRows(m_copyMenu, {{u"Title", nullptr}, {u"Year", nullptr}}, u"MainWindow/CopyToClipboardMenu");
    m_movieContextMenu->setItemSubMenu(3, m_copyMenu);
}

void MainWindow::onExit()
{
    shutDown();
}

void MainWindow::onViewMenuItem(int index)
{
    if (index >= kViewListItem && index <= kViewCoverFlowItem)
        setViewMode(index - kViewListItem);
}

void MainWindow::onScreenLayoutItem(int index)
{
    setScreenLayout(index);
}

// The commands that need an open collection, in both states.
void MainWindow::setCollectionCommandsEnabled(bool on)
{
    m_collectionMenu->setItemEnabled(3, on);
    for (int index : {0, 1, 2})
        m_movieMenu->setItemEnabled(index, on);
    for (int index : {2, 11})
        m_viewMenu->setItemEnabled(index, on);
    m_loansMenu->setItemEnabled(0, on);
    for (int index : {0, 2, 4})
        m_toolsMenu->setItemEnabled(index, on);
    for (int button = 0; button <= kLoansButton; ++button)
        m_toolBar->setButtonEnabled(button, on && (button == 0 || button > 2));
    // Without a collection there is nothing to filter.
    if (m_filterKindBox)
        m_filterKindBox->setEnabled(on);
}
