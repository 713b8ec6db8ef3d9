// The list inside its view on the widget fakes: a view of 200 x 100 with
// bars 10 thick, rows 10 high, icon cells 60 x 20 (three to a row).
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/range/UIScrollBar.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <random>

namespace {

class IntLog : public SignalReceiver
{
public:
    void onValue(int value) { values.push_back(value); }
    std::vector<int> values;
};

class UIListTest : public WidgetTest
{
protected:
    UIList* makeList(int count, int mode = UIList::kListMode)
    {
        view = new UIListView(top);
        for (UIScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
            bar->setStyleProperty(String(u"thickness"), String(u"10"));
            bar->setStyleProperty(String(u"thumbMinimumLength"), String(u"20"));
        }
        UIList* l = view->list();
        l->setStyleProperty(String(u"listModeItemHeight"), String(u"10"));
        l->setStyleProperty(String(u"iconModeItemSize"), String(u"60,20"));
        l->setViewMode(mode);
        view->setGeometry(0, 0, 200, 100);
        view->show();
        view->setVerticalStep(10);
        for (int i = 0; i < count; ++i)
            l->addItem(String::fromInt(i));
        return l;
    }
    static std::vector<int> selected(const UIList* l)
    {
        std::vector<int> result;
        for (int i = 0; i < l->count(); ++i) {
            if (l->isSelected(i))
                result.push_back(i);
        }
        return result;
    }
    static void key(UIList* l, int code, uint32_t modifiers = 0)
    {
        send(l, UIKeyEvent(kKeyPressEvent, code, modifiers, String()));
    }
    static void press(UIList* l, const Point& at, uint32_t modifiers, uint32_t button = 1)
    {
        send(l, UIMouseEvent(kMousePressEvent, button, button, at, modifiers));
    }
    static void release(UIList* l, const Point& at)
    {
        send(l, UIMouseEvent(kMouseReleaseEvent, 0, 1, at, 0));
    }

    UIListView* view = nullptr;
};

} // namespace

TEST_F(UIListTest, CurrentItemFollowsItsItemThroughRandomInsertsTakesAndRemoves)
{
    UIList* l = makeList(0);
    IntLog changes;
    l->currentChanged.connectWithArg(&changes, &IntLog::onValue);
    std::vector<UIListItem*> model;
    UIListItem* current = nullptr;
    std::vector<int> expectedSignals;
    std::mt19937 random(3);
    for (int step = 0; step < 600; ++step) {
        int op = int(random() % 4);
        int n = int(model.size());
        int at = n > 0 ? int(random() % unsigned(n)) : 0;
        if (op == 0 || n == 0) {
            auto* item = new UIListItem();
            int where = int(random() % unsigned(n + 2)); // past the end appends
            l->insertItem(where, item);
            model.insert(model.begin() + std::min(where, n), item);
        } else if (op == 1) {
            UIListItem* taken = l->takeItem(at);
            ASSERT_EQ(model[size_t(at)], taken);
            model.erase(model.begin() + at);
            // Taking the current last item makes the new last one current.
            if (taken == current) {
                bool wasLast = at == int(model.size()) && !model.empty();
                current = wasLast ? model.back() : nullptr;
                expectedSignals.push_back(wasLast ? at - 1 : -1);
            }
            EXPECT_EQ(-1, l->indexOf(taken));
            delete taken;
        } else if (op == 2) {
            l->removeItemAt(at);
            model.erase(model.begin() + at);
            if (current)
                expectedSignals.push_back(-1);
            current = nullptr;
        } else {
            l->setCurrentIndex(at, false);
            if (model[size_t(at)] != current)
                expectedSignals.push_back(at);
            current = model[size_t(at)];
        }
        ASSERT_EQ(model, l->items()) << step;
        ASSERT_EQ(current, l->currentItem()) << step;
        int index = int(std::find(model.begin(), model.end(), current) - model.begin());
        ASSERT_EQ(current ? index : -1, l->currentIndex()) << step;
        for (size_t i = 0; i < model.size(); ++i)
            ASSERT_EQ(int(i), l->indexOf(model[i]));
    }
    EXPECT_EQ(expectedSignals, changes.values);
}

TEST_F(UIListTest, ArrowKeysDoNotSkipHiddenOrDisabledItemsAndWrapWhenAsked)
{
    struct Row
    {
        int mode;
        bool wrap;
        int start;
        int key;
        int current;
    };
    const int list = UIList::kListMode;
    const int icon = UIList::kIconMode;
    const Row rows[] = {
        {list, false, 2, 40, -1}, {list, false, 5, 38, 4},   {list, false, 5, 40, -1},
        {list, false, -1, 40, 0}, {list, false, -1, 38, -1}, {list, true, -1, 38, 9},
        {list, true, 9, 40, 0},   {list, false, 9, 40, 9},   {list, false, 0, 39, 1},
        {list, false, 0, 37, 0},  {list, true, 0, 37, 9},    {list, false, 5, 36, 0},
        {list, false, 0, 35, 9},  {list, false, 0, 97, 9},   {icon, false, -1, 40, 2},
        {icon, false, 1, 40, 4},  {icon, false, 8, 40, 8},   {icon, true, 9, 40, 0},
        {icon, false, 4, 38, 1},  {icon, false, 2, 38, 2},   {icon, true, 0, 38, 9},
        {icon, false, 4, 37, -1}, {icon, false, 1, 98, 4},   {icon, false, 7, 104, 4},
    };
    for (const Row& r : rows) {
        UIList* l = makeList(10, r.mode);
        l->item(3)->hide();
        l->item(6)->setEnabled(false);
        l->setWrapNavigation(r.wrap);
        l->setCurrentIndexAndSelect(r.start);
        key(l, r.key);
        SCOPED_TRACE(testing::Message() << "mode " << r.mode << " from " << r.start << " key " << r.key);
        EXPECT_EQ(r.current, l->currentIndex());
        EXPECT_EQ(r.current >= 0 ? std::vector<int>{r.current} : std::vector<int>{}, selected(l));
        delete view;
    }
}

TEST_F(UIListTest, ClicksSelectByModeShiftRangesControlTogglesAndTheRightButtonKeeps)
{
    struct Press
    {
        int mode;
        int row; // -1 clicks below the rows
        uint32_t modifiers;
        uint32_t button;
        int current;
        std::vector<int> selected;
    };
    const int multi = UIList::kMultiSelection;
    const int single = UIList::kSingleSelection;
    const std::vector<std::vector<Press>> scripts = {
        {{multi, 2, 0, 1, 2, {2}},
         {multi, 5, 1, 1, 2, {2, 3, 4, 5}},
         {multi, 3, 2, 1, 3, {2, 4, 5}},
         {multi, 6, 2, 1, 6, {2, 4, 5, 6}},
         {multi, 4, 0, 2, 4, {2, 4, 5, 6}},
         {multi, 4, 0, 1, 4, {4}},
         {multi, 4, 1, 1, 4, {4}},
         {multi, 4, 0, 2, 4, {4}},
         {multi, -1, 0, 1, -1, {}}},
        {{multi, 3, 1, 1, -1, {0, 1, 2, 3}}, {multi, 1, 1, 1, -1, {0, 1}}},
        {{single, 2, 0, 1, 2, {2}}, {single, 5, 2, 1, 5, {5}}, {single, 1, 1, 1, 5, {1}}},
        {{UIList::kNoSelection, 2, 0, 1, 2, {}}},
    };
    for (const std::vector<Press>& script : scripts) {
        UIList* l = makeList(7);
        l->setSelectionMode(script.front().mode);
        for (size_t i = 0; i < script.size(); ++i) {
            const Press& p = script[i];
            Point at(20, p.row < 0 ? 85 : p.row * 10 + 5);
            press(l, at, p.modifiers, p.button);
            release(l, at);
            SCOPED_TRACE(testing::Message() << "mode " << p.mode << " step " << i);
            EXPECT_EQ(p.current, l->currentIndex());
            EXPECT_EQ(p.selected, selected(l));
        }
        delete view;
    }
}

TEST_F(UIListTest, RubberBandSelectsWhatItMeetsKeepsWithShiftAndStopsTheWheel)
{
    struct Row
    {
        uint32_t modifiers;
        Point to;
        std::vector<int> selected;
    };
    const Row rows[] = {
        {0, Point(182, 8), {1}}, // under five pixels away: nothing yet
        {0, Point(20, 45), {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {0, Point(120, 30), {2, 5}},
        {1, Point(120, 30), {1, 2, 5}},
    };
    for (const Row& r : rows) {
        UIList* l = makeList(30, UIList::kIconMode);
        l->setSelectionMode(UIList::kMultiSelection);
        l->setClearOnEmptyClick(false);
        l->selectIndex(1, UIList::kSelect);
        press(l, Point(185, 5), r.modifiers);
        ASSERT_TRUE(l->isBandActive());
        send(l, UIMouseEvent(kMouseMoveEvent, 1, 0, r.to, 0));
        EXPECT_EQ(r.selected, selected(l)) << r.to.x << "," << r.to.y;
        send(l, UIWheelEvent(Point(5, 5), -120, 0, 3));
        EXPECT_EQ(0, view->verticalScrollBar()->value()) << "no wheel scrolling during a band";
        release(l, r.to);
        EXPECT_FALSE(l->isBandActive());
        send(l, UIWheelEvent(Point(5, 5), -120, 0, 3));
        EXPECT_LT(0, view->verticalScrollBar()->value());
        delete view;
    }
}

TEST_F(UIListTest, PagingAndEndsScrollByRowArithmetic)
{
    UIList* l = makeList(100);
    ASSERT_TRUE(view->verticalScrollBar()->testFlag(UIWidget::kVisible));
    ASSERT_EQ(Size(190, 100), l->size());
    l->item(50)->hide();
    struct Row
    {
        int key, current, value;
    };
    // 99 rows of 10 in 100 pixels: the bar reaches 890.
    const Row rows[] = {{34, 19, 100}, {34, 29, 200}, {35, 99, 890}, {33, 80, 790}, {36, 0, 0}, {40, 1, 0}};
    l->setCurrentIndexAndSelect(0);
    for (const Row& r : rows) {
        key(l, r.key);
        EXPECT_EQ(r.current, l->currentIndex()) << r.key;
        EXPECT_EQ(r.value, view->verticalScrollBar()->value()) << r.key;
        EXPECT_EQ(std::vector<int>{r.current}, selected(l));
    }
}

// A page key ends on the item in the row at the edge the view paged to: in
// icon mode (cells with the image grid's margin of 2, so 62 x 24 apart) in
// the current item's column or the row's last item, and on the last row
// when the edge lies below it, as under a list shorter than the view.
TEST_F(UIListTest, PageKeysEndOnAnItemInTheRowAtTheEdge)
{
    const int list = UIList::kListMode;
    const int icon = UIList::kIconMode;
    const int up = 33;
    const int down = 34;
    struct Row
    {
        int mode, count, hidden, start, scroll, key, current, scrolled;
    };
    const Row rows[] = {
        // Ten rows of three; the cells are wider than the view, so a bar
        // below it leaves 90 of 240 pixels in sight.
        {icon, 30, -1, 4, 0, down, 22, 90},
        {icon, 30, -1, 4, 0, up, 1, 0},
        {icon, 30, -1, 26, 140, up, 8, 50},
        {icon, 30, -1, 3, 40, down, 27, 130},
        {icon, 30, 0, 5, 0, down, 23, 90},
        // An edge in the margin between two rows takes the row that shows.
        {icon, 30, -1, 26, 136, up, 8, 46},
        {icon, 30, -1, 4, 13, down, 22, 103},
        // A short last row: 27 and 28.
        {icon, 29, -1, 5, 40, down, 28, 130},
        {icon, 29, -1, 4, 150, down, 28, 150},
        {icon, 29, -1, 3, 40, down, 27, 130},
        // Shorter than the view.
        {icon, 5, -1, 1, 0, down, 4, 0},
        {icon, 5, -1, 2, 0, down, 4, 0},
        {icon, 5, -1, 4, 0, up, 1, 0},
        {icon, 5, -1, -1, 0, down, 3, 0},
        {list, 100, -1, 0, 0, down, 19, 100},
        {list, 100, -1, 50, 500, up, 40, 400},
        {list, 5, -1, 1, 0, down, 4, 0},
        {list, 5, 4, 1, 0, down, 3, 0},
        {list, 5, -1, 3, 0, up, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << r.mode << ", " << r.count << " items (" << r.hidden << " hidden), from "
                     << r.start << " at " << r.scroll << ", key " << r.key);
        UIList* l = makeList(r.count, r.mode);
        l->setStyleProperty(String(u"iconModeItemMargin"), String(u"2"));
        view->relayout();
        if (r.hidden >= 0)
            l->item(r.hidden)->hide();
        l->setCurrentIndexAndSelect(r.start);
        view->verticalScrollBar()->setValue(r.scroll);
        key(l, r.key);
        EXPECT_EQ(r.scrolled, view->verticalScrollBar()->value());
        EXPECT_EQ(r.current, l->currentIndex());
        EXPECT_EQ(std::vector<int>{r.current}, selected(l));
        delete view;
    }
}

TEST_F(UIListTest, APressOrANewItemSizeHidesTheListsToolTip)
{
    UIList* l = makeList(3);
    FakeToolTipHost toolTip;
    const std::function<void()> actions[] = {
        [&] { press(l, Point(5, 5), 0); },
        [&] { l->setItemSize(Size(0, 12)); },
    };
    for (const auto& action : actions) {
        UIToolTipHost::Request request;
        request.owner = l;
        toolTip.showText(request);
        action();
        EXPECT_FALSE(toolTip.isShowing());
    }
}

TEST_F(UIListTest, TheDefaultIconIsPremultipliedInACopyOfItsOwn)
{
    UIList* l = makeList(0, UIList::kIconMode);
    Image icon(2, 2, true);
    icon.fill(Color(128, 200, 100, 50));
    l->setDefaultIcon(icon);
    EXPECT_FALSE(icon.isPremultiplied());
    EXPECT_EQ(icon.pixel(1, 1), Color(128, 200, 100, 50)) << "the caller's pixels are untouched";
}

TEST_F(UIListTest, EnsureVisibleInListModeScrollsByRankPastHiddenItems)
{
    UIList* l = makeList(100);
    for (int i = 0; i < 20; ++i)
        l->item(i)->hide();
    ASSERT_EQ(Size(190, 100), l->size());
    struct Step
    {
        int index, value;
    };
    // Item 60 has rank 40: its row spans 400-410 and ends the 100-pixel
    // view at 310; item 25 (rank 5) then starts it at 50; item 30 is
    // already in view and stays.
    const Step steps[] = {{60, 310}, {25, 50}, {30, 50}, {99, 700}};
    for (const Step& s : steps) {
        l->ensureVisible(s.index);
        EXPECT_EQ(s.value, view->verticalScrollBar()->value()) << s.index;
        EXPECT_TRUE(l->isItemShown(s.index)) << s.index;
    }
}

TEST_F(UIListTest, SelectionQueriesMatchTheMarksThroughRandomChanges)
{
    UIList* l = makeList(40);
    l->setSelectionMode(UIList::kMultiSelection);
    std::mt19937 random(7);
    for (int step = 0; step < 800; ++step) {
        int n = l->count();
        int at = n > 0 ? int(random() % unsigned(n)) : 0;
        switch (n == 0 ? 0 : random() % 9) {
        case 0:
            l->insertItem(at, String(u"x"))->setSelected(random() % 2 == 0);
            break;
        case 1:
            l->item(at)->setSelected(!l->item(at)->isSelected());
            break;
        case 2:
            l->item(at)->setVisible(!l->item(at)->isVisible());
            break;
        case 3: {
            // A selected item taken away and put back keeps its mark.
            UIListItem* taken = l->takeItem(at);
            l->insertItem(int(random() % unsigned(n)), taken);
            break;
        }
        case 4:
            l->removeItemAt(at);
            break;
        case 5:
            l->selectIndex(at, random() % 2 ? UIList::kSelect : 0);
            break;
        case 6:
            if (random() % 8 == 0)
                l->clearSelection(false);
            break;
        case 7:
            if (random() % 8 == 0)
                l->selectAll();
            break;
        default:
            l->setSelectionMode(random() % 3 ? UIList::kMultiSelection : UIList::kSingleSelection);
            break;
        }
        std::vector<UIListItem*> walked;
        std::copy_if(l->items().begin(), l->items().end(), std::back_inserter(walked),
                     [](UIListItem* item) { return item->isSelected(); });
        ASSERT_EQ(int(walked.size()), l->selectedCount()) << step;
        ASSERT_EQ(!walked.empty(), l->hasSelection()) << step;
        std::vector<UIListItem*> listed;
        for (UIListItem* item : l->selectedItems())
            listed.push_back(item);
        ASSERT_EQ(walked, listed) << step;
    }
    l->setSelectionMode(UIList::kNoSelection);
    EXPECT_EQ(0, l->selectedCount());
}

TEST_F(UIListTest, HoverSelectionFollowsTheMouseSkippingHiddenItemsAndEndsOnLeaving)
{
    UIList* l = makeList(20);
    l->setHoverSelection(true);
    l->item(1)->hide();
    struct Step
    {
        int y, current;
    };
    // Rows 10 high; with item 1 hidden the second row shows item 2; below
    // the last row nothing changes.
    const Step steps[] = {{5, 0}, {15, 2}, {25, 3}, {15, 2}};
    for (const Step& s : steps) {
        mouse(l, kMouseMoveEvent, 20, s.y);
        EXPECT_EQ(s.current, l->currentIndex()) << s.y;
        EXPECT_EQ(std::vector<int>{s.current}, selected(l)) << s.y;
    }
    l->setHoverSelection(false);
    mouse(l, kMouseMoveEvent, 20, 45);
    EXPECT_EQ(2, l->currentIndex()) << "without hover selection a move selects nothing";
    l->setHoverSelection(true);
    send(l, UIMouseEvent(kMouseLeaveEvent, 0, 0, Point(-1, -1), 0));
    EXPECT_EQ(-1, l->currentIndex());
    EXPECT_TRUE(selected(l).empty());
}
