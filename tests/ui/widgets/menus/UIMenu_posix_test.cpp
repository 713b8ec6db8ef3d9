// Menus on the widget fakes with the fixed-width font stand-in: sizes,
// radio groups, keys and hover, sub-menus, the chain closed by a choice,
// placement in the work area, and items removed under an open menu.
#include "foundation/signals/SignalReceiver.h"
#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIContextMenuEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/UIWorkArea.h"
#include "ui/widgets/menus/UIMenu.h"

#include <string>

using testsupport::text;

namespace {

class MenuLog : public SignalReceiver
{
public:
    void watch(UIMenu* menu, const std::string& name)
    {
        menu->triggered.connectWithArg(this, &MenuLog::menuTriggered);
        menu->aboutToShow.connectWithArg(this, &MenuLog::shown);
        m_name = name;
    }
    void watchItem(UIMenuItem* item) { item->triggered.connect(this, &MenuLog::itemTriggered); }
    void menuTriggered(int index) { log += "menu" + std::to_string(index) + " "; }
    void itemTriggered() { log += "item "; }
    void shown(UIMenu*) { log += "show "; }
    std::string log;

private:
    std::string m_name;
};

class UIMenuTest : public WidgetTest
{
protected:
    void TearDown() override
    {
        UIWorkArea::setOverride(Rect());
        WidgetTest::TearDown();
    }
    UIMenu* menu(UIWidget* parent = nullptr)
    {
        auto* m = new UIMenu(parent ? parent : top);
        style(m);
        return m;
    }
    static void style(UIMenu* m)
    {
        m->setStyleProperty(String(u"padding"), String(u"4,4,4,4"));
        m->setStyleProperty(String(u"itemPadding"), String(u"6,3,8,3"));
        m->setStyleProperty(String(u"itemIconSpace"), String(u"24"));
        m->setStyleProperty(String(u"itemArrowSpace"), String(u"20"));
        m->setStyleProperty(String(u"spacingBetweenImageAndText"), String(u"5"));
        UISkinImage separator(Image(10, 3, true), false);
        separator.setGrid(10, 3, 1);
        m->setSkinImage(separator, String(u"UIMenu_ItemSeparator"));
    }
    static UIMenu* withItems(UIMenu* m, std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            m->addItem(text(name));
        return m;
    }
    int unit() const { return FontMetrics(FontDesc(), nullptr).charWidth(u'x'); }
    int line() const { return FontMetrics(FontDesc(), nullptr).height(); }
    int itemHeight() const { return line() + 6; }
    static void key(UIWidget* widget, int code)
    {
        send(widget, UIKeyEvent(kKeyPressEvent, code, 0, String()));
    }
    static void release(UIMenu* m, int index)
    {
        m->layoutItems();
        send(m, UIMouseEvent(kMouseReleaseEvent, 0, 1, m->item(index)->rect().center(), 0));
    }
    static void moveOver(UIMenu* m, const Point& at) { send(m, UIMouseEvent(kMouseMoveEvent, 0, 0, at, 0)); }
    static ImageSet icon(int side) { return ImageSet::ImageSetFromImage(Image(side, side, true)); }
};

} // namespace

TEST_F(UIMenuTest, SizeHintCountsColumnsShortcutsArrowsAndSeparators)
{
    const int w = unit();
    const int frame = 4 + 4;
    const int item = 6 + 8;
    struct Case
    {
        const char* name;
        void (*build)(UIMenu*);
        int width, height;
    };
    const int h = itemHeight();
    const Case cases[] = {
        {"text", [](UIMenu* m) { m->addItem(text("Open")); }, frame + item + 4 * w, frame + h},
        {"checkable adds the icon column", [](UIMenu* m) { m->addItem(text("Open"))->setCheckable(true); },
         frame + item + 24 + 4 * w, frame + h},
        {"icon adds the icon column",
         [](UIMenu* m) { m->addItem(text("Open"), ImageSet::ImageSetFromImage(Image(16, 16, true))); },
         frame + item + 24 + 4 * w, frame + h},
        {"sub-menu adds the arrow space",
         [](UIMenu* m) {
             m->addItem(text("More"));
             auto* sub = new UIMenu(m);
             sub->addItem(text("x"));
             m->setItemSubMenu(0, sub);
         },
         frame + item + 4 * w + 20, frame + h},
        {"separator is as high as its image and padding, and has no width",
         [](UIMenu* m) {
             m->addItem(text("ab"));
             m->addSeparator();
         },
         frame + item + 2 * w, frame + h + 6 + 3},
        {"hidden items take no room",
         [](UIMenu* m) {
             m->addItem(text("ab"));
             m->addItem(text("abcdefgh"))->hide();
         },
         frame + item + 2 * w, frame + h},
        {"image and text",
         [](UIMenu* m) { m->addImageTextItem(ImageSet::ImageSetFromImage(Image(12, 40, true)), text("ab")); },
         frame + item + 12 + 5 + 2 * w, frame + h},
    };
    for (const Case& c : cases) {
        UIMenu* m = menu();
        c.build(m);
        EXPECT_EQ(Size(c.width, c.height), m->sizeHint()) << c.name;
        delete m;
    }

    UIMenu* m = menu();
    UIMenuItem* save = m->addItem(text("Save"), ImageSet(), KeyShortcut(0x11, 'S', 0));
    ASSERT_FALSE(save->shortcutText().isEmpty());
    const int shortcut = FontMetrics(FontDesc(), nullptr)
                             .textWidth(save->shortcutText().data(), save->shortcutText().length(), false);
    EXPECT_EQ(frame + item + 4 * w + shortcut, m->sizeHint().width);
    save->setShortcutVisible(false);
    EXPECT_EQ(frame + item + 4 * w, m->sizeHint().width);
}

TEST_F(UIMenuTest, CheckingARadioItemUnchecksOnlyItsAdjacentRadioRun)
{
    UIMenu* m = withItems(menu(), {"r0", "r1", "r2", "plain", "r4", "r5"});
    m->setAllItemsCheckable(true);
    m->setAllItemsCheckType(UIMenuItem::kRadioMark);
    m->item(3)->setCheckType(UIMenuItem::kCheckMark);
    m->checkItem(0);
    m->checkItem(3);
    m->checkItem(4);
    m->checkItem(2);
    EXPECT_FALSE(m->isItemChecked(0));
    EXPECT_TRUE(m->isItemChecked(2));
    EXPECT_TRUE(m->isItemChecked(3)) << "a check item ends the run";
    EXPECT_TRUE(m->isItemChecked(4)) << "another run";
    m->uncheckItem(2);
    EXPECT_TRUE(m->isItemChecked(2)) << "a radio item is not unchecked directly";
    m->uncheckItem(3);
    EXPECT_FALSE(m->isItemChecked(3));

    MenuLog log;
    log.watch(m, "m");
    log.watchItem(m->item(2));
    m->popup(Point(10, 10));
    log.log.clear();
    release(m, 2);
    EXPECT_TRUE(m->isItemChecked(2)) << "clicking a checked radio item leaves it checked";
    EXPECT_EQ("menu2 item ", log.log) << "the menu's signal first, then the item's";
    EXPECT_FALSE(m->isVisible());

    m->disableItem(5);
    m->checkItem(5);
    EXPECT_FALSE(m->isItemChecked(5)) << "a disabled item does not change";
}

TEST_F(UIMenuTest, KeysAndMouseSkipSeparatorsDisabledAndHiddenItems)
{
    UIMenu* m = menu();
    m->addSeparator();
    m->addItem(text("a"));
    m->addItem(text("b"))->disable();
    m->addItem(text("c"))->hide();
    m->addItem(text("d"));
    m->addSeparator();
    m->popup(Point(0, 0));
    ASSERT_TRUE(m->isVisible());
    struct Step
    {
        int key, hovered;
    };
    const Step steps[] = {{UIMenu::kDownKey, 1}, {UIMenu::kDownKey, 4}, {UIMenu::kDownKey, 1},
                          {UIMenu::kUpKey, 4},   {UIMenu::kUpKey, 1},   {UIMenu::kUpKey, 4}};
    for (const Step& s : steps) {
        key(m, s.key);
        EXPECT_EQ(s.hovered, m->hoveredIndex()) << s.key;
    }
    m->layoutItems();
    moveOver(m, m->item(0)->rect().center());
    EXPECT_EQ(-1, m->hoveredIndex()) << "a separator is never hovered";
    moveOver(m, m->item(4)->rect().center());
    EXPECT_EQ(4, m->hoveredIndex());
    moveOver(m, m->item(2)->rect().center());
    EXPECT_EQ(-1, m->hoveredIndex()) << "nor a disabled item";

    MenuLog log;
    log.watch(m, "m");
    release(m, 0);
    release(m, 2);
    EXPECT_EQ("", log.log) << "separators and disabled items are not activated";
    EXPECT_TRUE(m->isVisible());
    key(m, UIMenu::kEscapeKey);
    EXPECT_FALSE(m->isVisible());
}

TEST_F(UIMenuTest, SubMenusOpenAfterTheDelayOnClickAndByKey)
{
    UIMenu* m = withItems(menu(), {"plain", "more", "empty"});
    auto* sub = withItems(menu(m), {"x", "y"});
    m->setItemSubMenu(1, sub);
    m->setItemSubMenu(2, menu(m));
    EXPECT_FALSE(m->isItemEnabled(2)) << "an item whose sub-menu is empty counts as disabled";
    EXPECT_EQ(1, sub->indexInParent());
    m->popup(Point(50, 50));
    m->layoutItems();

    moveOver(m, m->item(1)->rect().center());
    EXPECT_FALSE(sub->isVisible()) << "not before the delay";
    m->timerFired(UIMenu::kSubMenuTimerId);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub, m->openSubMenu());
    EXPECT_EQ(-1, sub->hoveredIndex()) << "opened by the mouse, nothing hovered";
    const Rect item = m->item(1)->rect();
    EXPECT_EQ(m->mapToGlobal(Point(item.x + item.width, item.y - 4)), sub->pos())
        << "beside the item, its first entry level with it";

    sub->layoutItems();
    moveOver(sub, sub->item(1)->rect().center());
    EXPECT_EQ(1, m->hoveredIndex()) << "hovering in the sub-menu keeps its item hovered";
    moveOver(m, m->item(0)->rect().center());
    m->timerFired(UIMenu::kSubMenuTimerId);
    EXPECT_FALSE(sub->isVisible()) << "hovering another item closes it after the delay";
    EXPECT_EQ(nullptr, m->openSubMenu());

    release(m, 1);
    EXPECT_TRUE(sub->isVisible()) << "a click opens it at once";
    key(sub, UIMenu::kLeftKey);
    EXPECT_FALSE(sub->isVisible()) << "Left closes only the sub-menu";
    EXPECT_TRUE(m->isVisible());
    EXPECT_TRUE(m->hasFocus());

    m->setHoveredIndex(1);
    key(m, UIMenu::kRightKey);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(0, sub->hoveredIndex()) << "opened by a key, its first item hovered";
    key(sub, UIMenu::kEscapeKey);
    EXPECT_FALSE(sub->isVisible());
    EXPECT_TRUE(m->isVisible()) << "Escape in a sub-menu closes only it";
}

TEST_F(UIMenuTest, AChoiceDeepDownClosesTheWholeChain)
{
    UIMenu* a = withItems(menu(), {"a0", "a1"});
    UIMenu* b = withItems(menu(a), {"b0"});
    UIMenu* c = withItems(menu(b), {"c0", "c1"});
    a->setItemSubMenu(1, b);
    b->setItemSubMenu(0, c);
    MenuLog log;
    log.watch(c, "c");
    log.watchItem(c->item(1));
    a->popup(Point(0, 0));
    a->setHoveredIndex(1);
    key(a, UIMenu::kRightKey);
    key(b, UIMenu::kRightKey);
    ASSERT_TRUE(c->isVisible());
    EXPECT_EQ(0, b->hoveredIndex());
    log.log.clear();
    release(c, 1);
    EXPECT_EQ("menu1 item ", log.log);
    EXPECT_FALSE(c->isVisible());
    EXPECT_FALSE(b->isVisible());
    EXPECT_FALSE(a->isVisible()) << "the top menu goes too";
}

TEST_F(UIMenuTest, PlacementKeepsMenusInTheWorkArea)
{
    UIWorkArea::setOverride(Rect(0, 0, 800, 600));
    UIMenu* m = withItems(menu(), {"a", "b", "c"});
    const Size size = m->sizeHint();

    m->popup(Point(100, 100));
    EXPECT_EQ(Point(100, 100), m->pos()) << "where it fits, at the point";
    m->hide();
    m->popup(Point(100, 590));
    EXPECT_EQ(590 + 1 - size.height, m->pos().y)
        << "a context menu that does not fit below ends at its point";
    m->hide();
    m->popup(Point(790, 100));
    EXPECT_EQ(800 - size.width, m->pos().x) << "pulled back inside at the right";
    m->hide();

    UIMenu* sub = withItems(menu(m), {"x", "y", "z", "w"});
    m->setItemSubMenu(2, sub);
    const Size subSize = sub->sizeHint();
    m->popup(Point(800 - size.width - 10, 600 - size.height - 5));
    m->setHoveredIndex(2);
    key(m, UIMenu::kRightKey);
    ASSERT_TRUE(sub->isVisible());
    const Rect item = m->item(2)->rect();
    const Point itemTop = m->mapToGlobal(item.topLeft());
    EXPECT_EQ(itemTop.x - subSize.width, sub->pos().x) << "opens to the left of its item at the right edge";
    EXPECT_EQ(itemTop.y + item.height - subSize.height + 4, sub->pos().y)
        << "rises to end at its item's bottom at the bottom edge";

    auto* orphan = new UIMenu(nullptr);
    style(orphan);
    orphan->addItem(text("alone"));
    orphan->popup(Point(20, 30));
    EXPECT_TRUE(orphan->isVisible()) << "a menu without a parent pops up all the same";
    delete orphan;
}

TEST_F(UIMenuTest, EmptyOrDisabledMenusDoNotPopUp)
{
    UIMenu* m = menu();
    MenuLog log;
    log.watch(m, "m");
    m->popup(Point(0, 0));
    EXPECT_FALSE(m->isVisible());
    m->addItem(text("a"));
    m->setEnabled(false);
    m->popup(Point(0, 0));
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ("", log.log);
    m->setEnabled(true);
    m->popup(Point(0, 0));
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ("show ", log.log);
}

TEST_F(UIMenuTest, RemovingItemsKeepsHoverAndOpenSubMenuValid)
{
    UIMenu* m = withItems(menu(), {"a", "b", "c", "d"});
    UIMenu* sub = withItems(menu(m), {"x"});
    m->setItemSubMenu(3, sub);
    m->popup(Point(0, 0));
    m->setHoveredIndex(2);
    m->removeItem(0);
    EXPECT_EQ(1, m->hoveredIndex()) << "the hovered item keeps its hover";
    EXPECT_EQ(text("c"), m->item(1)->text());
    m->removeItem(1);
    EXPECT_EQ(-1, m->hoveredIndex()) << "the removed item leaves nothing hovered";

    m->setHoveredIndex(1);
    key(m, UIMenu::kRightKey);
    ASSERT_EQ(sub, m->openSubMenu());
    EXPECT_EQ(1, sub->indexInParent());
    m->removeItem(0);
    EXPECT_EQ(0, sub->indexInParent()) << "found by its item, not a stale index";
    m->removeItem(0);
    EXPECT_EQ(nullptr, m->openSubMenu()) << "the open sub-menu went with its item";
    EXPECT_EQ(-1, m->hoveredIndex());

    // Past the end: nothing, and no crash.
    EXPECT_EQ(nullptr, m->item(5));
    m->setItemText(5, text("z"));
    m->setItemChecked(5, true);
    m->removeItem(5);
    EXPECT_FALSE(m->isItemVisible(5));
    EXPECT_EQ(nullptr, m->itemSubMenu(5));

    withItems(m, {"p", "q"});
    m->setHoveredIndex(1);
    m->clear();
    EXPECT_TRUE(m->isEmpty());
    EXPECT_EQ(-1, m->hoveredIndex());
    key(m, UIMenu::kDownKey);
    key(m, UIMenu::kEnterKey);
    EXPECT_EQ(-1, m->hoveredIndex());
}

TEST_F(UIMenuTest, AContextMenuPopsUpOnItsEventAndGoesWithItsWidget)
{
    RecordingWidget* owner = child("owner", 10, 10, 100, 50);
    auto* m = new UIMenu(owner);
    withItems(m, {"Copy", "Paste"});
    owner->setContextMenu(m);
    send(owner, UIContextMenuEvent(0, Point(5, 5), Point(120, 130)));
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(Point(120, 130), m->pos());
    EXPECT_TRUE(native()->flagWord & UINativeWindow::kKeepsActiveLook) << "the owner keeps its active look";
    m->hide();
    EXPECT_FALSE(native()->flagWord & UINativeWindow::kKeepsActiveLook);
    delete owner;
}
