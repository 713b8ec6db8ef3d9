// The scroll area on the widget fakes: an area of 200 x 100 with bars 10
// thick (thumbs at least 20) over a content of a given size.
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIScrollArea.h"
#include "ui/widgets/scroll/UIScrollAreaCorner.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"

namespace {

// A content widget that asks for a given size.
class Form : public UIWidget
{
public:
    Form(const Size& wanted) : UIWidget(nullptr), m_wanted(wanted) { setStyleName(String(u"UITest")); }
    Size minimumSizeHint() const override { return m_wanted; }

    Size m_wanted;
};

class UIScrollAreaTest : public WidgetTest
{
protected:
    UIScrollArea* area(const Size& content)
    {
        auto* a = new UIScrollArea(top);
        for (UIScrollBar* bar : {a->verticalScrollBar(), a->horizontalScrollBar()}) {
            bar->setStyleProperty(String(u"thickness"), String(u"10"));
            bar->setStyleProperty(String(u"thumbMinimumLength"), String(u"20"));
        }
        a->setGeometry(0, 0, 200, 100);
        a->show();
        a->setContentWidget(new Form(content));
        return a;
    }
    static void wheel(UIWidget* w, int direction) { send(w, UIWheelEvent(Point(5, 5), 120, 0, direction)); }
};

} // namespace

TEST_F(UIScrollAreaTest, LayoutPassPlacesBarsViewportContentAndPageSteps)
{
    UIScrollArea* a = area(Size(300, 600));
    UIScrollBar* v = a->verticalScrollBar();
    UIScrollBar* h = a->horizontalScrollBar();
    EXPECT_TRUE(v->testFlag(UIWidget::kVisible));
    EXPECT_TRUE(a->corner()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(Rect(0, 0, 190, 90), a->viewport()->geometry());
    EXPECT_EQ(Rect(0, 0, 190, 90), a->contentWidget()->geometry()) << "exactly the viewport";
    EXPECT_EQ(Rect(190, 90, 10, 10), a->corner()->geometry());
    EXPECT_EQ(510, v->maximum());
    EXPECT_EQ(110, h->maximum());
    EXPECT_EQ(90, v->pageStep());
    EXPECT_EQ(190, h->pageStep());

    a->setVerticalValue(50);
    a->scrollRight();
    EXPECT_EQ(-20, a->contentWidget()->scrollX());
    EXPECT_EQ(-50, a->contentWidget()->scrollY());
    a->scrollToBottom();
    EXPECT_EQ(-510, a->contentWidget()->scrollY());
    a->scrollToVerticalStep(7);
    EXPECT_EQ(-7, a->contentWidget()->scrollY());

    a->setVerticalPolicy(0);
    EXPECT_FALSE(v->testFlag(UIWidget::kVisible));
    EXPECT_FALSE(a->corner()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(Rect(0, 0, 200, 90), a->viewport()->geometry());
}

TEST_F(UIScrollAreaTest, WheelScrollsTheVisibleBar)
{
    struct Row
    {
        Size content;
        int direction;
        int vertical, horizontal;
    };
    // Values start at 5 (vertical) and 40 (horizontal) where a bar scrolls.
    const Row rows[] = {
        {Size(300, 600), 3, 6, 40}, {Size(300, 600), 4, 4, 40}, {Size(300, 600), 1, 5, 40},
        {Size(300, 50), 1, 0, 60},  {Size(300, 50), 3, 0, 60},  {Size(300, 50), 2, 0, 20},
        {Size(300, 50), 4, 0, 20},  {Size(50, 50), 3, 0, 0},
    };
    for (const Row& row : rows) {
        UIScrollArea* a = area(row.content);
        a->setVerticalValue(5);
        a->setHorizontalValue(40);
        wheel(a, row.direction);
        EXPECT_EQ(row.vertical, a->verticalScrollBar()->value())
            << row.content.height << " " << row.direction;
        EXPECT_EQ(row.horizontal, a->horizontalScrollBar()->value())
            << row.content.height << " " << row.direction;
        a->contentWidget()->setFlag(UIWidget::kKeyDown, true);
        wheel(a, row.direction);
        EXPECT_EQ(row.vertical, a->verticalScrollBar()->value()) << "a key held on the content";
        delete a;
    }
}

TEST_F(UIScrollAreaTest, ScrollingOffAndOnAgain)
{
    UIScrollArea* a = area(Size(300, 600));
    a->setScrollBarsEnabled(false);
    EXPECT_FALSE(a->verticalScrollBar()->testFlag(UIWidget::kVisible));
    EXPECT_FALSE(a->horizontalScrollBar()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(Rect(0, 0, 200, 100), a->contentWidget()->geometry());
    a->setScrollBarsEnabled(true);
    EXPECT_TRUE(a->verticalScrollBar()->testFlag(UIWidget::kVisible));
    EXPECT_EQ(Rect(0, 0, 190, 90), a->contentWidget()->geometry());
}

// Whoever asks for the relayout, through whatever pointer, the area's own
// pass runs with the tree's.
TEST_F(UIScrollAreaTest, ARelayoutAskedThroughTheWidgetCorePlacesTheBars)
{
    UIScrollArea* a = area(Size(300, 600));
    static_cast<Form*>(a->contentWidget())->m_wanted = Size(300, 900);
    UIWidget* asWidget = a;
    asWidget->relayout();
    EXPECT_EQ(810, a->verticalScrollBar()->maximum());
}

TEST_F(UIScrollAreaTest, SwitchingAnAncestorsGridOnLeavesTheAreasOwnPlacementAlone)
{
    auto* form = new UIWidget(top);
    form->setStyleName(String(u"UITest"));
    auto* a = new UIScrollArea(form);
    auto* field = new UIWidget(form);
    field->setStyleName(String(u"UITest"));
    form->setLayoutEnabled(false);
    form->setLayoutEnabled(true);
    EXPECT_FALSE(a->layoutEnabled());
    EXPECT_FALSE(a->viewport()->layoutEnabled());
    EXPECT_TRUE(a->verticalScrollBar()->layoutEnabled());
    EXPECT_TRUE(field->layoutEnabled());
    a->setLayoutEnabled(true);
    EXPECT_TRUE(a->layoutEnabled()) << "the area itself may switch it back";
}

// A form of child widgets scrolls as a whole: its children show, hit and map
// where the scroll offset puts them; their geometry stays.
TEST_F(UIScrollAreaTest, TheChildrenOfAScrolledFormMoveWithIt)
{
    UIScrollArea* a = area(Size(190, 300));
    UIWidget* content = a->contentWidget();
    content->setLayoutEnabled(false);
    content->show();
    auto* field = new UIWidget(content);
    field->setStyleName(String(u"UITest"));
    field->setLayoutEnabled(false);
    field->setGeometry(10, 150, 50, 20);
    field->show();
    EXPECT_EQ(nullptr, content->childAt(Point(20, 60)));
    a->setVerticalValue(100);
    EXPECT_EQ(Rect(10, 150, 50, 20), field->geometry());
    EXPECT_EQ(content->mapToWindow(Point(10, 50)), field->mapToWindow(Point(0, 0)));
    EXPECT_EQ(field, content->childAt(Point(20, 60)));
    EXPECT_EQ(Point(10, 10), field->mapFromGlobal(content->mapToGlobal(Point(20, 60))));
}
