// The menu bar on the widget fakes with the fixed-width font stand-in:
// layout of visible items, opening, switching and closing drop-downs, and
// Left and Right in a drop-down.
#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"

using testsupport::text;

namespace {

class UIMenuBarTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        bar = new UIMenuBar(top);
        bar->setStyleProperty(String(u"itemPadding"), String(u"8,0,8,0"));
        bar->setGeometry(0, 0, 400, 24);
        bar->show();
    }
    UIMenu* menuFor(UIMenuBarItem* item, std::initializer_list<const char*> names)
    {
        auto* m = new UIMenu(bar);
        for (const char* name : names)
            m->addItem(text(name));
        item->setMenu(m);
        return m;
    }
    void press(UIMenuBarItem* item)
    {
        bar->layoutItems();
        send(bar, UIMouseEvent(kMousePressEvent, 1, 1, item->rect().center(), 0));
    }
    void moveOver(UIMenuBarItem* item)
    {
        bar->layoutItems();
        send(bar, UIMouseEvent(kMouseMoveEvent, 0, 0, item->rect().center(), 0));
    }
    static void key(UIWidget* widget, int code)
    {
        send(widget, UIKeyEvent(kKeyPressEvent, code, 0, String()));
    }
    int unit() const { return FontMetrics(FontDesc(), nullptr).charWidth(u'x'); }

    UIMenuBar* bar = nullptr;
};

} // namespace

TEST_F(UIMenuBarTest, HiddenItemsTakeNoRoomAndTheHintStaysFixed)
{
    UIMenuBarItem* file = bar->addItem(text("File"));
    UIMenuBarItem* edit = bar->addItem(text("Edit"));
    UIMenuBarItem* view = bar->addItem(text("View"));
    bar->layoutItems();
    const int w = 16 + 4 * unit();
    EXPECT_EQ(Rect(0, 0, w, 24), file->rect());
    EXPECT_EQ(Rect(2 * w, 0, w, 24), view->rect());
    bar->hideItem(1);
    bar->layoutItems();
    EXPECT_EQ(Rect(w, 0, w, 24), view->rect());
    EXPECT_EQ(Rect(), edit->rect());
    EXPECT_EQ(view, bar->itemAt(Point(w + 2, 5))) << "the next item moves into the hidden one's place";
    EXPECT_EQ(Size(100, 24), bar->sizeHint());
    EXPECT_EQ(nullptr, bar->item(7));
    bar->setItemText(7, text("x"));
    EXPECT_FALSE(bar->isItemEnabled(7));
}

TEST_F(UIMenuBarTest, PressingOpensSwitchesAndClosesDropDowns)
{
    UIMenuBarItem* file = bar->addItem(text("File"));
    UIMenuBarItem* plain = bar->addItem(text("Plain"));
    UIMenuBarItem* edit = bar->addItem(text("Edit"));
    UIMenuBarItem* off = bar->addItem(text("Off"));
    UIMenu* fileMenu = menuFor(file, {"New", "Open"});
    UIMenu* editMenu = menuFor(edit, {"Cut"});
    UIMenu* offMenu = menuFor(off, {"x"});
    bar->disableItem(3);

    press(file);
    EXPECT_EQ(file, bar->openedItem());
    EXPECT_TRUE(fileMenu->isVisible());
    EXPECT_EQ(bar->mapToGlobal(Point(file->rect().x, 24)), fileMenu->pos()) << "below the item";

    moveOver(plain);
    EXPECT_EQ(file, bar->openedItem()) << "an item without menu does not take over";
    moveOver(edit);
    EXPECT_EQ(edit, bar->openedItem());
    EXPECT_FALSE(fileMenu->isVisible());
    EXPECT_TRUE(editMenu->isVisible());
    moveOver(off);
    EXPECT_EQ(edit, bar->openedItem()) << "a disabled item does not open";
    EXPECT_FALSE(offMenu->isVisible());

    press(plain);
    EXPECT_EQ(nullptr, bar->openedItem()) << "pressing an item without menu closes the drop-down";
    EXPECT_FALSE(editMenu->isVisible());

    press(file);
    send(fileMenu, UIKeyEvent(kKeyPressEvent, UIMenu::kEscapeKey, 0, String()));
    EXPECT_FALSE(fileMenu->isVisible());
    EXPECT_EQ(file, bar->openedItem()) << "until the watch notices";
    bar->timerFired(UIMenuBar::kWatchTimerId);
    EXPECT_EQ(nullptr, bar->openedItem());
}

TEST_F(UIMenuBarTest, LeftAndRightInADropDownOpenTheNeighbours)
{
    UIMenuBarItem* file = bar->addItem(text("File"));
    bar->addItem(text("Plain"));
    UIMenuBarItem* edit = bar->addItem(text("Edit"));
    UIMenuBarItem* gone = bar->addItem(text("Gone"));
    UIMenu* fileMenu = menuFor(file, {"New", "More"});
    UIMenu* editMenu = menuFor(edit, {"Cut", "Copy"});
    menuFor(gone, {"x"});
    bar->hideItem(3);
    auto* sub = new UIMenu(fileMenu);
    sub->addItem(text("deep"));
    fileMenu->setItemSubMenu(1, sub);

    press(file);
    key(fileMenu, UIMenu::kDownKey);
    key(fileMenu, UIMenu::kRightKey);
    EXPECT_FALSE(fileMenu->isVisible());
    ASSERT_EQ(edit, bar->openedItem()) << "Right on a plain item opens the next item with a menu";
    EXPECT_EQ(0, editMenu->hoveredIndex()) << "opened by a key, its first item hovered";

    key(editMenu, UIMenu::kRightKey);
    EXPECT_EQ(file, bar->openedItem()) << "wrapping past the hidden item";
    key(fileMenu, UIMenu::kDownKey);
    key(fileMenu, UIMenu::kRightKey);
    EXPECT_TRUE(sub->isVisible()) << "a sub-menu takes Right first";
    key(sub, UIMenu::kLeftKey);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_TRUE(fileMenu->isVisible());
    key(fileMenu, UIMenu::kLeftKey);
    EXPECT_EQ(edit, bar->openedItem());
}
