// Tool bar, tool button and size grip on the widget fakes with the
// fixed-width font stand-in.
#include "graphics/paint/FontMetrics.h"
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"

using testsupport::text;

namespace {

class UIToolBarTest : public WidgetTest
{
protected:
    UIToolBar* toolBar()
    {
        auto* bar = new UIToolBar(top);
        // The bar lays its buttons out itself, inside the hand-placed window.
        bar->setLayoutEnabled(true);
        bar->setButtonPadding(UIMargins{6, 4, 6, 4});
        bar->setGeometry(0, 0, 400, 40);
        bar->show();
        return bar;
    }
    static ImageSet icon(int width, int height)
    {
        ImageSet set = ImageSet::ImageSetFromImage(Image(16, 16, true));
        set.setImage(2, Image(width, height, true));
        return set;
    }
    int unit() const { return FontMetrics(FontDesc(), nullptr).charWidth(u'x'); }
    int line() const { return FontMetrics(FontDesc(), nullptr).height(); }
    static void press(UIWidget* widget, int x, int y)
    {
        send(widget, UIMouseEvent(kMousePressEvent, 1, 1, Point(x, y), 0));
    }
};

} // namespace

TEST_F(UIToolBarTest, ButtonSizesByStyleTextAndMenu)
{
    UIToolBar* bar = toolBar();
    UIToolButton* button = bar->addButton(icon(20, 18), text("Open"), text("Opens"));
    UIToolButton* wide = bar->addButton(icon(20, 18), text("Open a collection"), String());
    const int w = unit();
    struct Row
    {
        int style;
        bool menu;
        UIToolButton* which;
        Size hint;
    };
    const Row rows[] = {
        {0, false, button, Size(20 + 12, 18 + 8)},
        {1, false, button, Size(20 + 12, 18 + 8)},
        {3, false, button, Size(std::max(20, 4 * w) + 12, 18 + line() + 4 + 8)},
        {3, false, wide, Size(17 * w + 12, 18 + line() + 4 + 8)},
        {0, true, button, Size(20 + 12 + 12, 18 + 8)},
    };
    UIMenu* menu = new UIMenu(bar);
    menu->addItem(text("x"));
    for (const Row& row : rows) {
        bar->setButtonStyle(row.style);
        row.which->setMenu(row.menu ? menu : nullptr);
        EXPECT_EQ(row.hint, row.which->sizeHint()) << row.style << " " << row.menu;
    }
}

TEST_F(UIToolBarTest, InsertingCheckingAndIndexingButtons)
{
    UIToolBar* bar = toolBar();
    auto* first = new UIToolButton(bar, ImageSet(), text("a"));
    first->show();
    bar->insertButton(5, first);
    EXPECT_EQ(first, bar->button(0)) << "an empty bar appends whatever the index";
    UIToolButton* second = bar->addButton(ImageSet(), text("b"), String());
    bar->addSeparator();
    auto* front = new UIToolButton(bar, ImageSet(), text("c"));
    front->show();
    bar->insertButton(0, front);
    EXPECT_EQ(0, bar->indexOf(front));
    EXPECT_EQ(2, bar->indexOf(second));
    EXPECT_EQ(front, bar->childAtIndex(0)) << "it stands first in the bar too";
    EXPECT_EQ(second, bar->childAtIndex(2));
    EXPECT_EQ(nullptr, bar->button(3));
    bar->setButtonChecked(3, true);
    bar->removeButton(3);
    EXPECT_EQ(3, bar->count());

    first->setCheckable(true);
    second->setCheckable(true);
    bar->setButtonChecked(1, true);
    bar->checkButton(2, true);
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(front->isChecked()) << "a button that is not checkable is left alone";

    // The grid places the buttons where the bar stands.
    bar->layoutSizeHint();
    bar->placeChildren(bar->geometry(), bar);
    ASSERT_GT(first->width(), 1);
    EXPECT_EQ(1, bar->indexAt(first->geometry().center()));
    EXPECT_EQ(-1, bar->indexAt(Point(399, 39)));
    bar->removeButton(0);
    EXPECT_EQ(first, bar->button(0));
}

TEST_F(UIToolBarTest, AButtonsMenuClosedByAPressDoesNotReopen)
{
    UIToolBar* bar = toolBar();
    UIToolButton* button = bar->addButton(ImageSet(), text("Sort"), String());
    auto* menu = new UIMenu(bar);
    menu->addItem(text("By title"));
    button->setMenu(menu);
    bar->layoutSizeHint();
    bar->placeChildren(bar->geometry(), bar);

    press(button, 3, 3);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(button->mapToGlobal(Point(0, button->height())), menu->pos());
    EXPECT_EQ(2, button->backgroundFrame());
    // The press on the button takes the menu's focus, and the menu hides
    // before the press arrives.
    menu->hide();
    EXPECT_FALSE(button->isChecked());
    press(button, 3, 3);
    EXPECT_FALSE(menu->isVisible()) << "the closing press does not reopen it";
    button->timerFired(UIToolButton::kRearmTimerId);
    press(button, 3, 3);
    EXPECT_TRUE(menu->isVisible()) << "a later press does";
}

TEST_F(UIToolBarTest, GripSizeThresholdAndMaximisedWindow)
{
    auto* grip = new UISizeGrip(top);
    grip->setStyleProperty(String(u"size"), String(u"4,4"));
    EXPECT_EQ(Size(10, 10), grip->sizeHint());
    grip->setStyleProperty(String(u"size"), String(u"12,14"));
    EXPECT_EQ(Size(12, 14), grip->sizeHint());
    grip->setLayoutEnabled(false);
    grip->setGeometry(500 - 12, 400 - 14, 12, 14);
    grip->show();

    press(grip, 5, 5);
    send(grip, UIMouseEvent(kMouseMoveEvent, 1, 0, Point(6, 6), 0));
    EXPECT_EQ(Size(500, 400), top->size()) << "one pixel is below the threshold";
    send(grip, UIMouseEvent(kMouseMoveEvent, 1, 0, Point(25, 35), 0));
    EXPECT_EQ(Size(520, 430), top->size()) << "the corner follows the pointer";
    send(grip, UIMouseEvent(kMouseReleaseEvent, 0, 1, Point(25, 35), 0));
    send(grip, UIMouseEvent(kMouseMoveEvent, 1, 0, Point(60, 60), 0));
    EXPECT_EQ(Size(520, 430), top->size()) << "no drag after the release";

    native()->state = UINativeWindow::kMaximizedState;
    grip->checkState();
    EXPECT_TRUE(grip->isSuppressed());
    EXPECT_EQ(1, grip->cursor().shape());
    press(grip, 5, 5);
    send(grip, UIMouseEvent(kMouseMoveEvent, 1, 0, Point(40, 40), 0));
    EXPECT_EQ(Size(520, 430), top->size()) << "a maximised window is not resized by it";
    native()->state = UINativeWindow::kActiveState;
    grip->checkState();
    EXPECT_FALSE(grip->isSuppressed());
    EXPECT_EQ(UISizeGrip::kResizeCursor, grip->cursor().shape());
}
