#include "tests/support/WidgetFakes.h"
#include "ui/core/widget/UIPaintEffect.h"

// A widget of a given content hint that counts its paints and hint queries.
class HintWidget : public UIWidget
{
public:
    HintWidget(UIWidget* parent, Size contentHint, int horizontalPolicy = UISizePolicy::kFixed)
        : UIWidget(parent), hint(contentHint)
    {
        setStyleName(String(u"UIPlain"));
        setSizePolicy(horizontalPolicy, UISizePolicy::kFixed);
        show();
    }
    Size sizeHint() const override { return ++hintQueries, hint; }

    Size hint;
    int paints = 0;
    bool repaintFromPaint = false;
    mutable int hintQueries = 0;

protected:
    void paint(UIEvent*) override
    {
        ++paints;
        if (repaintFromPaint)
            update();
    }
};

class LayoutTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        win = new HintWidget(nullptr, Size(0, 0));
        win->setFlag(UIWidget::kWindow, true);
        win->setStyleName(String(u"UIWindow"));
        win->show();
    }
    void TearDown() override
    {
        delete win;
        WidgetTest::TearDown();
    }
    HintWidget* add(int width, int height, int policy = UISizePolicy::kFixed)
    {
        return new HintWidget(win, Size(width, height), policy);
    }

    HintWidget* win = nullptr;
};

TEST_F(LayoutTest, EffectiveHintTakesTheLargerHintWithinMinimumAndMaximum)
{
    struct Case
    {
        const char* name;
        Size content, minimum, maximum;
        bool withChildren;
        Size expected;
    };
    // Children 30x10 and 40x20 in one row, spacing 5, margins 1, 2, 3, 4:
    // 1 + 30 + 5 + 40 + 3 wide, 2 + 20 + 4 high.
    const Case cases[] = {
        {"content only, margins ignored", Size(50, 20), Size(0, 0), Size(0, 0), false, Size(50, 20)},
        {"minimum raises", Size(50, 20), Size(80, 10), Size(0, 0), false, Size(80, 20)},
        {"negative minimum is none", Size(50, 20), Size(-5, -5), Size(0, 0), false, Size(50, 20)},
        {"maximum lowers", Size(50, 20), Size(0, 0), Size(40, 0), false, Size(40, 20)},
        {"maximum wins over minimum", Size(50, 20), Size(100, 0), Size(60, 0), false, Size(60, 20)},
        {"layout larger than content", Size(50, 20), Size(0, 0), Size(0, 0), true, Size(79, 26)},
    };
    for (const Case& c : cases) {
        HintWidget form(win, c.content);
        form.setLayoutMargins(1, 2, 3, 4);
        form.setLayoutSpacing(5);
        form.setMinimumSize(c.minimum.width, c.minimum.height);
        form.setMaximumSize(c.maximum.width, c.maximum.height);
        if (c.withChildren) {
            new HintWidget(&form, Size(30, 10));
            new HintWidget(&form, Size(40, 20));
            (new HintWidget(&form, Size(500, 500)))->hide();
        }
        EXPECT_EQ(form.effectiveSizeHint(), c.expected) << c.name;
        form.setLayoutEnabled(false);
        EXPECT_EQ(form.layoutSizeHint(), Size(0, 0)) << c.name;
    }
}

TEST_F(LayoutTest, FixedChildrenKeepTheirHintAndFollowTheirAlignmentInAWiderCell)
{
    struct Case
    {
        int alignment;
        Rect expected;
    };
    // Column 0 is 80 wide (c), row 1 is 20 high (c); a is 50x10 in row 0.
    const Case cases[] = {{17, Rect(0, 0, 50, 10)}, {48, Rect(15, 0, 50, 10)}, {2, Rect(30, 0, 50, 10)}};
    win->setColumnCount(2);
    HintWidget* a = add(50, 10);
    add(10, 10);
    add(80, 20);
    HintWidget* e = add(10, 10);
    for (const Case& c : cases) {
        a->setLayoutAlignment(c.alignment);
        win->resize(90, 30);
        win->relayout();
        EXPECT_EQ(a->geometry(), c.expected) << "alignment " << c.alignment;
        EXPECT_EQ(e->geometry(), Rect(80, 15, 10, 10)) << "vertically centred in the taller row";
        win->resize(91, 30);
    }
}

TEST_F(LayoutTest, HiddenChildrenTakeNoCellAndAnExpandingColumnTakesTheExtra)
{
    win->setLayoutSpacing(5);
    add(50, 10);
    HintWidget* b = add(120, 10);
    HintWidget* c = add(30, 10);
    HintWidget* d = add(10, 10, UISizePolicy::kExpanding);
    win->resize(300, 10);
    EXPECT_EQ(std::vector<int>({b->x(), c->x(), d->x(), d->width()}), std::vector<int>({55, 180, 215, 85}));
    b->hide();
    EXPECT_FALSE(win->relayout()) << "the hide laid the window out already";
    EXPECT_EQ(c->x(), 55);
    EXPECT_EQ(d->geometry(), Rect(90, 0, 210, 10));
}

// A fixed-size container in a larger cell (a dialog's row of buttons in a
// taller grid row) keeps its children inside itself.
TEST_F(LayoutTest, AContainerSmallerThanItsCellArrangesItsChildrenWithinItsOwnSize)
{
    struct Case
    {
        const char* name;
        int flow;
        Size window;
        Rect first, second;
    };
    // Two children 80x24 side by side, or 30x10 stacked.
    const Case cases[] = {
        {"a row of buttons in a taller row", 0, Size(300, 31), Rect(0, 0, 80, 24), Rect(86, 0, 80, 24)},
        {"a column in a much taller cell", 1, Size(300, 200), Rect(0, 0, 30, 10), Rect(0, 10, 30, 10)},
    };
    win->setVerticalFlow(1);
    for (const Case& c : cases) {
        auto* row = new HintWidget(win, Size(0, 0));
        row->setVerticalFlow(c.flow);
        row->setSpacing(c.flow ? 0 : 6, 0);
        const Size child = c.flow ? Size(30, 10) : Size(80, 24);
        HintWidget* first = new HintWidget(row, child);
        HintWidget* second = new HintWidget(row, child);
        win->resize(c.window.width, c.window.height);
        win->relayout();
        EXPECT_LT(row->height(), c.window.height) << c.name << ": the container keeps its own height";
        EXPECT_EQ(first->geometry(), c.first) << c.name;
        EXPECT_EQ(second->geometry(), c.second) << c.name;
        delete row;
    }
}

TEST_F(LayoutTest, AWindowGrowsToItsContentNeverShrinksAndAnUnchangedRelayoutMovesNothing)
{
    win->setVerticalFlow(1);
    HintWidget* a = add(200, 300);
    HintWidget* b = add(600, 50);
    win->resize(20, 5);
    EXPECT_EQ(win->size(), Size(600, 350)) << "grown to the content";
    EXPECT_EQ(b->geometry(), Rect(0, 300, 600, 50));
    EXPECT_FALSE(win->relayout()) << "nothing changed";
    a->hint = Size(10, 10);
    b->hide();
    EXPECT_FALSE(win->relayout()) << "the hide laid the window out already";
    EXPECT_EQ(win->size(), Size(600, 350)) << "never shrinks";
    EXPECT_EQ(a->size(), Size(10, 10));
    EXPECT_FALSE(a->relayout()) << "climbs to the window, which has not changed";
    EXPECT_FALSE(HintWidget(nullptr, Size(5, 5)).relayout()) << "neither a window nor a child";
}

TEST_F(LayoutTest, WithUpdatesOffManyRequestsGiveOneRelayoutAndOnePaint)
{
    HintWidget* a = add(40, 10);
    HintWidget* b = add(40, 10);
    win->resize(80, 10);
    auto* form = new HintWidget(win, Size(0, 0));
    form->hide();
    win->setUpdatesEnabled(false);
    a->paints = b->paints = form->paints = 0;
    a->hint = Size(60, 10);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(win->relayout());
        EXPECT_FALSE(a->relayout());
        a->update();
    }
    EXPECT_EQ(b->x(), 40) << "nothing moves while updates are off";
    int queries = a->hintQueries;
    win->setUpdatesEnabled(true);
    EXPECT_EQ(b->x(), 60);
    EXPECT_EQ(a->hintQueries, queries + 1) << "one relayout";
    EXPECT_EQ(a->paints + b->paints, 2) << "one paint";
    EXPECT_EQ(form->paints, 0) << "hidden children are not painted";
}

TEST_F(LayoutTest, ARepaintAskedWhileTheWindowPaintsIsDoneOnceAfter)
{
    HintWidget* a = add(40, 10);
    HintWidget* hidden = add(40, 10);
    hidden->hide();
    win->paints = hidden->paints = 0;
    hidden->update();
    EXPECT_TRUE(win->testFlag(UIWidget::kRepaintPending)) << "a hidden widget marks its window";
    win->update();
    EXPECT_FALSE(win->testFlag(UIWidget::kRepaintPending)) << "painting the window whole clears the mark";

    a->paints = 0;
    a->repaintFromPaint = true;
    a->update();
    EXPECT_EQ(a->paints, 2) << "its own paint, then the window's once after";
    EXPECT_EQ(win->paints, 2) << "once by win->update, once after a's paint";
    EXPECT_TRUE(win->testFlag(UIWidget::kRepaintPending)) << "the second request stays pending";
}

// Only the first effect of an id switches, an unknown id does nothing, and
// only a change repaints. The widget owns its effects (the leak checker
// would see one left behind).
TEST_F(LayoutTest, EffectsAreOwnedAndRepaintOnlyWhenTheirStateChanges)
{
    struct Effect : UIPaintEffect
    {
        Effect() : UIPaintEffect(0) {}
        void apply(PaintTarget*, const Rect&) override {}
    };
    auto* first = new Effect();
    auto* second = new Effect();
    win->addEffect(first), win->addEffect(second);
    win->paints = 0;
    for (bool on : {true, false, false, true})
        win->setEffectEnabled(0, on), win->setEffectEnabled(1, false);
    EXPECT_TRUE(win->paints == 2 && first->isEnabled() && second->isEnabled() && !win->hasEffect(1));
    win->clearEffects();
    EXPECT_FALSE(win->hasEffect(0));
}

TEST_F(LayoutTest, AHandlerDeletingASiblingDuringLayoutOrPaintIsSafe)
{
    struct Deleter : HintWidget
    {
        Deleter(UIWidget* parent) : HintWidget(parent, Size(10, 10), UISizePolicy::kPreferred) {}
        UIWidget* victim = nullptr;
        void resizeEvent(UIEvent*) override { delete std::exchange(victim, nullptr); }
        void paint(UIEvent*) override { delete std::exchange(victim, nullptr); }
    };
    // Each pass deletes the sibling it would place or paint next.
    for (bool byPaint : {false, true}) {
        auto* deleter = new Deleter(win);
        deleter->victim = add(10, 10);
        HintWidget* last = add(10, 10);
        last->paints = 0;
        if (byPaint)
            win->update();
        else
            win->resize(300, 10);
        EXPECT_EQ(deleter->victim, nullptr) << "by paint " << byPaint;
        EXPECT_EQ(last->paints, 1) << "the rest still painted, by paint " << byPaint;
        delete deleter;
        delete last;
    }
}

// A list filled under a parent with updates off (the main window's views
// are) must neither paint nor lay out per item: once, when they come back on.
TEST_F(LayoutTest, UpdatesOffOnAnAncestorHoldTheDescendantsBack)
{
    HintWidget* view = add(100, 50);
    auto* list = new HintWidget(view, Size(40, 10));
    view->setUpdatesEnabled(false);
    list->paints = view->paints = win->paints = 0;
    int queries = view->hintQueries;
    for (int i = 0; i < 5; ++i) {
        list->hint = Size(40 + i, 10);
        list->update();
        EXPECT_FALSE(list->relayout());
    }
    EXPECT_EQ(list->paints + view->paints + win->paints, 0) << "nothing painted while held";
    EXPECT_EQ(view->hintQueries, queries) << "nothing laid out while held";
    EXPECT_FALSE(win->testFlag(UIWidget::kRepaintPending)) << "the holder is marked, not the window";
    view->setUpdatesEnabled(true);
    EXPECT_EQ(view->paints, 1) << "painted once";
    EXPECT_EQ(list->paints, 1) << "painted once";
    EXPECT_EQ(list->width(), 44) << "laid out with the last hint";
}

TEST_F(LayoutTest, HidingAChildClosesItsGapWithoutAnExplicitRelayout)
{
    struct Case
    {
        const char* name;
        bool nested;
    };
    for (const Case& c : {Case{"child of the window", false}, Case{"child of a form", true}}) {
        UIWidget* parent = win;
        if (c.nested) {
            parent = new HintWidget(win, Size(0, 0), UISizePolicy::kPreferred);
            parent->setLayoutSpacing(5);
        }
        win->setLayoutSpacing(5);
        std::vector<HintWidget*> children = {new HintWidget(parent, Size(50, 10)),
                                             new HintWidget(parent, Size(120, 10)),
                                             new HintWidget(parent, Size(30, 10)),
                                             new HintWidget(parent, Size(10, 10), UISizePolicy::kExpanding)};
        HintWidget* tail = children[2];
        win->resize(300, 10);
        ASSERT_EQ(tail->x(), 180) << c.name;
        tail->paints = 0;
        children[1]->hide();
        EXPECT_EQ(tail->x(), 55) << c.name;
        EXPECT_EQ(tail->paints, 1) << c.name << ": the parent repainted with its children";
        if (c.nested)
            delete parent;
        for (HintWidget* child : c.nested ? std::vector<HintWidget*>() : children)
            delete child;
    }
}

// The window's size is its client area; the native window adds its frame.
TEST_F(LayoutTest, AWindowGrowingToItsContentAddsNoFrameMargins)
{
    static_cast<FakeNativeWindow*>(win->nativeWindow())->margins = Rect(8, 30, 8, 8);
    win->resize(20, 20);
    add(200, 100);
    win->relayout();
    EXPECT_EQ(win->size(), Size(200, 100));
    EXPECT_EQ(win->frameSize(), Size(216, 138));
    EXPECT_EQ(win->frameSizeHint(), Size(216, 138)) << "what a restored geometry must at least be";
}
