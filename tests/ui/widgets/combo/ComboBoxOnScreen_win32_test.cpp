// The combo box in real windows under Wine with test.style: frames, the
// elided text, the popup's place and size, and choosing by mouse and keys.
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TestText.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UIListView.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/window/UIWindow.h"

#include <windows.h>

#include <vector>

using testsupport::text;
using testsupport::UIHarness;
using testsupport::utf8;

namespace {

class Highlights : public SignalReceiver
{
public:
    explicit Highlights(UIComboBox* box) { box->highlighted.connectWithArg(this, &Highlights::add); }
    void add(int index) { indexes.push_back(index); }
    std::vector<int> indexes;
};

class ComboBoxOnScreen : public testsupport::ScreenTest
{
protected:
    UIComboBox* combo(UIWidget* parent, int count, int width = 150)
    {
        auto* box = new UIComboBox(parent);
        for (int i = 0; i < count; ++i)
            box->addItem(text("Item " + std::to_string(i)));
        return place(box, 20, 20, width, box->sizeHint().height);
    }
    static Point bottomLeft(const UIWidget* widget)
    {
        return widget->mapToGlobal(Point(0, widget->height()));
    }
};

} // namespace

TEST_F(ComboBoxOnScreen, FramesByStateAndTheElidedCurrentText)
{
    UIComboBox* box = combo(window, 0);
    box->addItem(text("A title far too long for the field it is shown in"));
    struct Case
    {
        const char* name;
        bool enabled, hovered, down;
        int frame;
    };
    const Case cases[] = {{"normal", true, false, false, 0},
                          {"hovered", true, true, false, 1},
                          {"held down, pointer gone", true, false, true, 1},
                          {"pressed", true, true, true, 2},
                          {"disabled", false, true, false, 3}};
    for (const Case& c : cases) {
        box->setEnabled(c.enabled);
        box->setFlag(UIWidget::kHovered, c.hovered);
        box->setFlag(UIWidget::kMouseDown, c.down);
        box->update();
        EXPECT_EQ(UIHarness::screenPixel(box, Point(2, 2)), skin(u"UIComboBox_Background", c.frame))
            << c.name;
        const Point arrow(box->width() - box->style().padding.right - 3, box->height() / 2);
        EXPECT_EQ(UIHarness::screenPixel(box, arrow), skin(u"UIComboBox_Arrow", c.frame)) << c.name;
    }
    box->setEnabled(true);
    box->setFlag(UIWidget::kHovered | UIWidget::kMouseDown, false);
    box->update();
    EXPECT_TRUE(box->wasElided());
    EXPECT_EQ(utf8(box->toolTip(Point(5, 5))), utf8(box->currentText()));
    box->setGeometry(20, 20, 480, box->height());
    box->update();
    UIHarness::pump();
    EXPECT_FALSE(box->wasElided());
    EXPECT_TRUE(box->toolTip(Point(5, 5)).isEmpty());
}

TEST_F(ComboBoxOnScreen, PopupOpensBelowAboveAtTheBottomAndShiftsLeftAtTheRightEdge)
{
    UIComboBox* box = combo(window, 15);
    box->showPopup();
    UIHarness::pump();
    ASSERT_TRUE(box->isPopupVisible());
    EXPECT_EQ(box->backgroundFrame(), 2);
    EXPECT_EQ(box->popup()->pos(), bottomLeft(box));
    const int itemHeight = box->popupList()->itemSize().height;
    const UIMargins& padding = box->style().popupPadding;
    EXPECT_EQ(box->popup()->height(), 10 * itemHeight + padding.top + padding.bottom)
        << "ten items, then scrolling";
    EXPECT_TRUE(box->popupView()->verticalScrollBar()->isVisible());
    box->hidePopup();

    const Rect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    UIWidget* low = UIHarness::openWindow(nullptr, 300, screen.height - 70, 200, 60);
    UIComboBox* bottom = combo(low, 5);
    bottom->showPopup();
    UIHarness::pump();
    EXPECT_EQ(bottom->popup()->y(), bottom->mapToGlobal(Point(0, 0)).y - bottom->popup()->height());
    EXPECT_EQ(bottom->popup()->height(), 5 * itemHeight + padding.top + padding.bottom);
    EXPECT_FALSE(bottom->popupView()->verticalScrollBar()->isVisible());
    bottom->hidePopup();
    UIHarness::closeWindow(low);

    UIWidget* right = UIHarness::openWindow(nullptr, screen.width - 100, 200, 100, 60);
    UIComboBox* edge = combo(right, 5);
    edge->showPopup();
    UIHarness::pump();
    EXPECT_EQ(edge->popup()->x(), screen.width - edge->width());
    EXPECT_EQ(edge->popup()->y(), bottomLeft(edge).y);
    edge->hidePopup();
    UIHarness::closeWindow(right);
}

TEST_F(ComboBoxOnScreen, HoverHighlightsAClickChoosesAndTheClosingPressDoesNotReopen)
{
    UIComboBox* box = combo(window, 6);
    Highlights seen(box);
    UIHarness::click(box, box->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return box->isPopupVisible(); }));
    UIList* list = box->popupList();
    UIHarness::moveMouse(list, list->itemRect(3).center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !seen.indexes.empty() && seen.indexes.back() == 3; }));
    UIHarness::click(list, list->itemRect(4).center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !box->isPopupVisible(); }));
    EXPECT_EQ(box->currentIndex(), 4);

    UIHarness::pumpFor(50);
    UIHarness::click(box, box->rect().center());
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return box->isPopupVisible(); }));
    UIHarness::click(box, box->rect().center());
    UIHarness::pumpFor(200);
    EXPECT_FALSE(box->isPopupVisible()) << "the press that closed the popup opened it again";
    EXPECT_EQ(box->currentIndex(), 4);
}

TEST_F(ComboBoxOnScreen, EnterChoosesAndEscapeKeepsTheCurrentItem)
{
    UIComboBox* box = combo(window, 6);
    UIHarness::moveMouse(window, Point(480, 380));
    UIHarness::typeAt(box, {VK_DOWN, VK_DOWN, VK_RETURN});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !box->isPopupVisible(); }));
    EXPECT_EQ(box->currentIndex(), 2);
    UIHarness::pumpFor(50);
    UIHarness::typeAt(box, {VK_DOWN, VK_ESCAPE});
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return !box->isPopupVisible(); }));
    EXPECT_EQ(box->currentIndex(), 2);
}
