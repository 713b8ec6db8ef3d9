// The scroll area on the widget fakes: an area of 200 x 100 with bars 10
// thick (thumbs at least 20) over a content of a given size.
#include "graphics/paint/PaintTarget.h"
#include "tests/support/WidgetFakes.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/scroll/UIScrollArea.h"
#include "ui/widgets/scroll/UIScrollAreaCorner.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"

#include <cstring>

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

// The skin's frame goes round the whole area, over the bar and the content
// that paint after the area itself, and only where the repainted part lies.
TEST_F(UIScrollAreaTest, TheFrameEnclosesTheBarsAndTheContent)
{
    UIScrollArea* a = area(Size(400, 300));
    a->contentWidget()->show();
    a->move(20, 30);
    a->setStyleProperty(String(u"borderColor"), String(u"0,0,255"));
    top->update();
    PaintTarget* frame = top->frameTarget();
    ASSERT_TRUE(frame && frame->bits());
    auto pixel = [&](int x, int y) {
        uint32_t value;
        std::memcpy(&value, frame->bits() + (size_t(y) * frame->width() + x) * 4, 4);
        return value & 0xFFFFFFu;
    };
    const uint32_t blue = 0x0000FF;
    struct Case
    {
        const char* name;
        Point at;
        bool framed;
    };
    const Case cases[] = {
        {"top left", Point(20, 30), true},
        {"right edge, over the vertical bar", Point(219, 60), true},
        {"bottom edge, over the horizontal bar", Point(100, 129), true},
        {"inside", Point(100, 60), false},
        {"outside", Point(19, 60), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.framed, pixel(c.at.x, c.at.y) == blue) << c.name;
    // A repaint of the content alone draws the frame again over it.
    std::memset(frame->bits(), 0, size_t(frame->width()) * frame->height() * 4);
    a->contentWidget()->update();
    EXPECT_EQ(blue, pixel(20, 60)) << "the left edge, over the content";
    EXPECT_NE(blue, pixel(219, 60)) << "the bar was not repainted";
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

// The wheel over a long form scrolls the form wherever the pointer is (a
// label, a gap, a field with nothing to scroll), but a field that scrolls
// itself keeps it, and the form's own bar steps once.
TEST_F(UIScrollAreaTest, AWheelOverAScrolledFormScrollsTheFormUnlessAFieldScrolls)
{
    UIScrollArea* form = area(Size(190, 600));
    UIWidget* content = form->contentWidget();
    content->setLayoutEnabled(false);
    content->show();
    auto* label = new UIWidget(content);
    label->setStyleName(String(u"UITest"));
    label->setGeometry(10, 10, 60, 20);
    label->show();
    auto field = [&](const Size& text) {
        auto* f = new UIScrollArea(content);
        for (UIScrollBar* bar : {f->verticalScrollBar(), f->horizontalScrollBar()}) {
            bar->setStyleProperty(String(u"thickness"), String(u"10"));
            bar->setStyleProperty(String(u"thumbMinimumLength"), String(u"20"));
        }
        f->setGeometry(10, 50, 120, 60);
        f->show();
        f->setContentWidget(new Form(text));
        return f;
    };
    UIScrollArea* shortField = field(Size(50, 20));
    UIScrollArea* longField = field(Size(110, 400));
    struct Case
    {
        const char* name;
        UIWidget* under;
        int form, longField;
    };
    const Case cases[] = {
        {"a label", label, 1, 0},
        {"a gap in the form", content, 1, 0},
        {"a field with nothing to scroll", shortField->contentWidget(), 1, 0},
        {"a field that scrolls", longField->contentWidget(), 0, 1},
        {"the form's own bar", form->verticalScrollBar(), 1, 0},
    };
    for (const Case& c : cases) {
        form->setVerticalValue(0);
        longField->setVerticalValue(0);
        wheel(c.under, 3);
        EXPECT_EQ(c.form, form->verticalScrollBar()->value()) << c.name;
        EXPECT_EQ(c.longField, longField->verticalScrollBar()->value()) << c.name;
    }
}
