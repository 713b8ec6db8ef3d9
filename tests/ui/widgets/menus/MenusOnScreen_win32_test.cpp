// Menus, the menu bar, the tool bar and the size grip in real windows under
// Wine with test.style: the colour read back names the skin frame drawn, and
// mouse and keys come as a user's would.
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

using testsupport::text;
using testsupport::UIHarness;

namespace {

class ChoiceLog : public SignalReceiver
{
public:
    void menuTriggered(int index) { log += "menu" + std::to_string(index) + " "; }
    void itemTriggered() { log += "item "; }
    std::string log;
};

class MenusOnScreen : public testsupport::ScreenTest
{
protected:
    static UIMenu* menuOf(UIWidget* parent, std::initializer_list<const char*> names)
    {
        auto* menu = new UIMenu(parent);
        for (const char* name : names)
            menu->addItem(text(name));
        return menu;
    }
    static Point centreOf(UIMenu* menu, int index)
    {
        menu->layoutItems();
        return menu->item(index)->rect().center();
    }
    // A press and release through the system's input queue at a point of
    // the widget, as a user's hand gives them: the press activates the
    // window under it first.
    static void realClick(UIWidget* widget, const Point& at, bool right = false)
    {
        const Point global = widget->mapToGlobal(at);
        SetCursorPos(global.x, global.y);
        UIHarness::pumpFor(10);
        INPUT input[2] = {};
        input[0].type = INPUT_MOUSE;
        input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        input[1].type = INPUT_MOUSE;
        input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
    }
};

} // namespace

TEST_F(MenusOnScreen, HoverFramesSubMenuDelayAndTheOrderOfTheSignals)
{
    UIMenu* menu = menuOf(window, {"Checked", "More", "Plain"});
    menu->setItemCheckable(0, true);
    menu->checkItem(0);
    UIMenu* sub = menuOf(menu, {"Deep", "Deeper"});
    menu->setItemSubMenu(1, sub);
    ChoiceLog choices;
    sub->triggered.connectWithArg(&choices, &ChoiceLog::menuTriggered);
    sub->item(1)->triggered.connect(&choices, &ChoiceLog::itemTriggered);

    menu->popup(window->mapToGlobal(Point(30, 30)));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible(); }));
    const Rect first = (menu->layoutItems(), menu->item(0)->rect());
    const int indicatorX = first.x + menu->style().itemPadding.left + 4;
    EXPECT_EQ(skin(u"UIMenu_ItemCheckIndicator", 0),
              UIHarness::screenPixel(menu, Point(indicatorX, first.center().y)));
    UIHarness::moveMouse(menu, first.center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->hoveredIndex() == 0; }));
    EXPECT_EQ(skin(u"UIMenu_HoveredItemBackground", 0),
              UIHarness::screenPixel(menu, Point(first.x + first.width - 3, first.center().y)));
    EXPECT_EQ(skin(u"UIMenu_ItemCheckIndicator", 1),
              UIHarness::screenPixel(menu, Point(indicatorX, first.center().y)));

    UIHarness::moveMouse(menu, centreOf(menu, 1));
    UIHarness::pump();
    EXPECT_FALSE(sub->isVisible()) << "not before the system's menu delay";
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return sub->isVisible(); }, 3000));
    EXPECT_EQ(sub, menu->openSubMenu());

    UIHarness::moveMouse(sub, centreOf(sub, 1));
    UIHarness::click(sub, centreOf(sub, 1));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !menu->isVisible(); }));
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ("menu1 item ", choices.log);

    menu->popup(window->mapToGlobal(Point(30, 30)));
    UIHarness::pumpUntil([&] { return menu->isVisible(); });
    UIHarness::click(menu, centreOf(menu, 1));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return sub->isVisible(); })) << "a click opens it at once";
    delete menu;
}

TEST_F(MenusOnScreen, EscapeKeysAndAClickOutsideClose)
{
    UIMenu* menu = menuOf(window, {"One", "Two", "Three"});
    UIMenu* sub = menuOf(menu, {"Inner"});
    menu->setItemSubMenu(1, sub);
    menu->popup(window->mapToGlobal(Point(30, 30)));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible() && menu->hasFocus(); }));
    UIHarness::typeKeys({VK_DOWN, VK_DOWN});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->hoveredIndex() == 1; }));
    UIHarness::typeKeys({VK_RIGHT});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return sub->isVisible() && sub->hasFocus(); }));
    EXPECT_EQ(0, sub->hoveredIndex());
    UIHarness::typeKeys({VK_ESCAPE});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !sub->isVisible(); }));
    UIHarness::pumpFor(30);
    EXPECT_TRUE(menu->isVisible()) << "Escape in the sub-menu closes only it";
    EXPECT_TRUE(menu->hasFocus());
    UIHarness::typeKeys({VK_ESCAPE});
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return !menu->isVisible(); }));

    menu->popup(window->mapToGlobal(Point(30, 30)));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible(); }));
    realClick(window, Point(400, 300));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return !menu->isVisible(); })) << "a click outside closes it";
    delete menu;
}

TEST_F(MenusOnScreen, TheBarOpensSwitchesAndClearsItsDropDown)
{
    auto* bar = new UIMenuBar(window);
    bar->setGeometry(0, 0, 500, 24);
    bar->show();
    UIMenuBarItem* file = bar->addItem(text("File"));
    UIMenuBarItem* edit = bar->addItem(text("Edit"));
    UIMenu* fileMenu = menuOf(bar, {"New", "Open"});
    UIMenu* editMenu = menuOf(bar, {"Cut", "Copy"});
    file->setMenu(fileMenu);
    edit->setMenu(editMenu);
    UIHarness::pump();
    bar->layoutItems();

    UIHarness::click(bar, file->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return fileMenu->isVisible(); }));
    EXPECT_EQ(bar->mapToGlobal(Point(file->rect().x, 24)), fileMenu->pos());
    UIHarness::moveMouse(bar, edit->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return editMenu->isVisible(); }));
    EXPECT_FALSE(fileMenu->isVisible());
    EXPECT_EQ(edit, bar->openedItem());

    ASSERT_TRUE(UIHarness::pumpUntil([&] { return editMenu->hasFocus(); }));
    UIHarness::typeKeys({VK_RIGHT});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return fileMenu->isVisible() && fileMenu->hasFocus(); }))
        << "Right walks the bar";
    EXPECT_EQ(0, fileMenu->hoveredIndex());
    UIHarness::typeKeys({VK_ESCAPE});
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return bar->openedItem() == nullptr; })) << "the watch clears it";
}

TEST_F(MenusOnScreen, AToolButtonsMenuClosedByTheButtonDoesNotReopen)
{
    auto* bar = new UIToolBar(window);
    bar->setGeometry(0, 0, 500, 40);
    bar->show();
    UIToolButton* button = bar->addButton(ImageSet(), text("Sort"), String());
    UIMenu* menu = menuOf(bar, {"By title", "By year"});
    button->setMenu(menu);
    bar->layoutSizeHint();
    bar->placeChildren(bar->geometry(), bar);
    UIHarness::pump();

    realClick(button, button->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible(); }));
    EXPECT_TRUE(button->isChecked());
    UIHarness::pumpFor(50);
    realClick(button, button->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !menu->isVisible(); }));
    UIHarness::pumpFor(100);
    EXPECT_FALSE(menu->isVisible()) << "the press that closed it does not open it again";
    EXPECT_FALSE(button->isChecked());
}

TEST_F(MenusOnScreen, DraggingTheGripResizesTheWindow)
{
    auto* grip = new UISizeGrip(window);
    grip->setGeometry(500 - 12, 400 - 12, 12, 12);
    grip->show();
    UIHarness::pump();
    EXPECT_EQ(skin(u"UISizeGrip_Background", 0), UIHarness::screenPixel(grip, Point(6, 6)));
    UIHarness::postMouse(grip, WM_LBUTTONDOWN, Point(6, 6), MK_LBUTTON);
    UIHarness::pump();
    UIHarness::postMouse(grip, WM_MOUSEMOVE, Point(7, 7), MK_LBUTTON);
    UIHarness::pumpFor(20);
    EXPECT_EQ(500, window->width()) << "below the threshold";
    UIHarness::postMouse(grip, WM_MOUSEMOVE, Point(36, 46), MK_LBUTTON);
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return window->width() == 530 && window->height() == 440; }))
        << window->width() << " x " << window->height();
    UIHarness::postMouse(grip, WM_LBUTTONUP, Point(36, 46), 0);
    UIHarness::pump();
}

TEST_F(MenusOnScreen, AContextMenuIsChosenFromByARightClick)
{
    auto* area = new UIWidget(window);
    area->setStyleName(String(u"UIWindow"));
    area->setGeometry(100, 100, 200, 150);
    area->show();
    UIMenu* menu = menuOf(area, {"Copy", "Paste"});
    area->setContextMenu(menu);
    ChoiceLog choices;
    menu->triggered.connectWithArg(&choices, &ChoiceLog::menuTriggered);
    UIHarness::pump();

    realClick(area, Point(50, 40), true);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible(); }));
    EXPECT_EQ(area->mapToGlobal(Point(50, 40)), menu->pos()) << "at the pointer";
    UIHarness::pumpFor(30);
    realClick(menu, centreOf(menu, 1));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !menu->isVisible(); }));
    EXPECT_EQ("menu1 ", choices.log);
}

// A field makes its menu on the first right click, in the moment it pops up;
// the second right click shows the same one.
TEST_F(MenusOnScreen, AFieldsMenuMadeByItsFirstRightClickIsChosenFrom)
{
    auto* field = new UILineEdit(window);
    field->setGeometry(100, 100, 200, 24);
    field->setText(text("Alien"));
    field->show();
    UIHarness::pump();
    ASSERT_EQ(field->contextMenu(), nullptr);
    UIMenu* made = nullptr;
    for (int click = 0; click < 2; ++click) {
        field->deselect();
        realClick(field, Point(50, 12), true);
        ASSERT_TRUE(UIHarness::pumpUntil([&] { return field->contextMenu() && field->menu()->isVisible(); }))
            << click;
        UIMenu* menu = field->menu();
        if (made) {
            EXPECT_EQ(menu, made) << "one menu";
        }
        made = menu;
        UIHarness::pumpFor(30);
        realClick(menu, centreOf(menu, UILineEdit::kSelectAllItem));
        ASSERT_TRUE(UIHarness::pumpUntil([&] { return !menu->isVisible(); })) << click;
        EXPECT_EQ(field->selectedText(), text("Alien")) << click;
    }
}

// The window a user would see: a menu bar with sub-menus, a tool bar with a
// drop-down button and a size grip, used by mouse and by keys.
TEST_F(MenusOnScreen, AWindowWithMenuBarToolBarAndGripWorksByMouseAndKeys)
{
    auto* bar = new UIMenuBar(window);
    bar->setGeometry(0, 0, 500, 24);
    bar->show();
    UIMenuBarItem* file = bar->addItem(text("File"));
    UIMenuBarItem* view = bar->addItem(text("View"));
    UIMenu* fileMenu = menuOf(bar, {"New", "Recent"});
    fileMenu->addSeparator();
    fileMenu->addItem(text("Quit"), ImageSet(), KeyShortcut(VK_CONTROL, 'Q', 0));
    UIMenu* recent = menuOf(fileMenu, {"first.rsdb", "second.rsdb"});
    fileMenu->setItemSubMenu(1, recent);
    UIMenu* viewMenu = menuOf(bar, {"List", "Images", "Cover flow"});
    viewMenu->setAllItemsCheckable(true);
    viewMenu->setAllItemsCheckType(UIMenuItem::kRadioMark);
    viewMenu->checkItem(0);
    file->setMenu(fileMenu);
    view->setMenu(viewMenu);

    auto* tools = new UIToolBar(window);
    tools->setGeometry(0, 24, 500, 48);
    tools->setButtonStyle(UIToolButton::kTextBelowIcon);
    tools->show();
    tools->addButton(ImageSet(), text("Add"), text("Adds a movie"));
    tools->addSeparator();
    UIToolButton* sort = tools->addButton(ImageSet(), text("Sort"), String());
    UIMenu* sortMenu = menuOf(tools, {"By title", "By year"});
    sort->setMenu(sortMenu);
    tools->layoutSizeHint();
    tools->placeChildren(tools->geometry(), tools);
    auto* grip = new UISizeGrip(window);
    grip->setGeometry(500 - 12, 400 - 12, 12, 12);
    grip->show();
    ChoiceLog recentChoices;
    recent->triggered.connectWithArg(&recentChoices, &ChoiceLog::menuTriggered);
    ChoiceLog sortChoices;
    sortMenu->triggered.connectWithArg(&sortChoices, &ChoiceLog::menuTriggered);
    UIHarness::pump();
    bar->layoutItems();

    // By keys: the drop-down, down past the separator, into the sub-menu,
    // across to the next bar item and back.
    realClick(bar, file->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return fileMenu->isVisible() && fileMenu->hasFocus(); }));
    UIHarness::typeKeys({VK_DOWN, VK_DOWN, VK_RIGHT});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return recent->isVisible() && recent->hasFocus(); }));
    UIHarness::typeKeys({VK_DOWN, VK_RETURN});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !fileMenu->isVisible(); }));
    EXPECT_FALSE(recent->isVisible());
    EXPECT_EQ("menu1 ", recentChoices.log);
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return window->isActiveWindow(); }))
        << "the window has the keys back";

    realClick(bar, file->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return fileMenu->isVisible() && fileMenu->hasFocus(); }));
    UIHarness::typeKeys({VK_RIGHT});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return viewMenu->isVisible() && viewMenu->hasFocus(); }));
    UIHarness::typeKeys({VK_DOWN, VK_RETURN});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !viewMenu->isVisible(); }));
    EXPECT_TRUE(viewMenu->isItemChecked(1));
    EXPECT_FALSE(viewMenu->isItemChecked(0)) << "one radio item of the run";
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return bar->openedItem() == nullptr; }));

    // By mouse: the tool button's menu, then the grip.
    realClick(sort, sort->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return sortMenu->isVisible(); }));
    UIHarness::pumpFor(30);
    UIHarness::moveMouse(sortMenu, centreOf(sortMenu, 1));
    realClick(sortMenu, centreOf(sortMenu, 1));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !sortMenu->isVisible(); }));
    EXPECT_EQ("menu1 ", sortChoices.log);

    UIHarness::activate(window);
    UIHarness::pumpFor(20);
    UIHarness::postMouse(grip, WM_LBUTTONDOWN, Point(6, 6), MK_LBUTTON);
    UIHarness::pump();
    UIHarness::postMouse(grip, WM_MOUSEMOVE, Point(26, 16), MK_LBUTTON);
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return window->width() == 520 && window->height() == 410; }))
        << window->width() << " x " << window->height();
    UIHarness::postMouse(grip, WM_LBUTTONUP, Point(26, 16), 0);
    UIHarness::pump();
}

// What users see: the white skin, with the shots (REELSTACK_SHOTS) of an open
// menu and its sub-menu.
TEST_F(MenusOnScreen, InTheWhiteSkinTheHoveredItemIsTheSelectionColour)
{
    ASSERT_TRUE(UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style")));
    UIMenu* menu = menuOf(window, {"New collection", "Open collection", "Recent"});
    menu->addSeparator();
    menu->addItem(text("Quit"), ImageSet(), KeyShortcut(VK_CONTROL, 'Q', 0));
    menu->setItemCheckable(1, true);
    menu->checkItem(1);
    menu->disableItem(0);
    UIMenu* recent = menuOf(menu, {"Movies.rsdb", "Series.rsdb"});
    menu->setItemSubMenu(2, recent);
    menu->popup(window->mapToGlobal(Point(30, 30)));
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible(); }));
    menu->setHoveredIndex(2);
    UIHarness::typeKeys({VK_RIGHT});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return recent->isVisible(); }));
    UIHarness::pumpFor(30);
    const Rect item = (menu->layoutItems(), menu->item(2)->rect());
    EXPECT_EQ(0xDCE8FBu, UIHarness::screenPixel(menu, Point(item.x + item.width / 2, item.y + 2)));
    UIHarness::saveShot(menu, "MenusOnScreen.whiteMenu");
    UIHarness::saveShot(recent, "MenusOnScreen.whiteSubMenu");
    delete menu;
}
