// The colour picker's colour, text form, tool tip, menu and shared copy
// store, on the widget fakes.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"

using testsupport::utf8;

namespace {

class UIColorPickerTest : public WidgetTest
{
protected:
    UIColorPicker* picker()
    {
        auto* made = new UIColorPicker(top);
        made->setGeometry(0, 0, 44, 29);
        made->show();
        return made;
    }
};

} // namespace

TEST_F(UIColorPickerTest, ColourTextFormAndToolTip)
{
    UIColorPicker* p = picker();
    EXPECT_EQ(p->color(), Color(255, 0, 0, 0));
    p->setColor(Color(255, 0, 0, 0));
    EXPECT_EQ(utf8(p->colorText()), "") << "the same colour changes nothing";
    p->setColor(Color(255, 255, 0, 0));
    EXPECT_EQ(utf8(p->colorText()), "#FFFF0000");
    p->setAutoToolTip(true);
    EXPECT_EQ(utf8(p->toolTip(Point(1, 1))), "#FFFF0000");
    p->setColor(Color(0x80, 0x12, 0xAB, 0x0C));
    EXPECT_EQ(utf8(p->toolTip(Point(1, 1))), "#8012AB0C");
    p->setToolTip(String(u"Card colour"));
    EXPECT_EQ(utf8(p->toolTip(Point(1, 1))), "Card colour");
    p->setToolTip(String());
    p->setAutoToolTip(false);
    EXPECT_EQ(utf8(p->toolTip(Point(1, 1))), "");

    EXPECT_EQ(p->swatchRect(), Rect(14, 6, 16, 16));
    p->setStyleProperty(String(u"colorCellSize"), String(u"10"));
    p->setStyleProperty(String(u"minimumSize"), String(u"50,30"));
    EXPECT_EQ(p->swatchRect(), Rect(17, 9, 10, 10));
    EXPECT_EQ(p->sizeHint(), Size(50, 30));
}

TEST_F(UIColorPickerTest, RightPressWithoutMenuResetsAndTheCopyReachesEveryPicker)
{
    UIColorPicker* first = picker();
    UIColorPicker* second = picker();
    first->setEmptyColor(Color(0, 1, 2, 3));
    first->setColor(Color(255, 9, 9, 9));
    send(first, UIMouseEvent(kMousePressEvent, 2, 2, Point(5, 5), 0));
    EXPECT_EQ(first->color(), Color(255, 9, 9, 9)) << "the right button opens the menu";
    first->setContextMenu(nullptr);
    EXPECT_EQ(first->menu(), nullptr);
    first->retranslate();
    send(first, UIMouseEvent(kMousePressEvent, 2, 2, Point(5, 5), 0));
    EXPECT_EQ(first->color(), Color(0, 1, 2, 3));

    if (!UIColorPicker::hasCopiedColor()) {
        second->pasteColor();
        EXPECT_EQ(second->color(), Color(255, 0, 0, 0)) << "nothing copied yet";
    }
    first->setColor(Color(255, 10, 20, 30));
    first->copyColor();
    first->setColor(Color(255, 0, 0, 255));
    EXPECT_TRUE(UIColorPicker::hasCopiedColor());
    second->pasteColor();
    EXPECT_EQ(second->color(), Color(255, 10, 20, 30));
    first->pasteColor();
    EXPECT_EQ(first->color(), Color(255, 10, 20, 30));
}

TEST_F(UIColorPickerTest, PasteIsOfferedInEveryPickerOnceOneHasCopied)
{
    UIColorPicker* first = picker();
    UIColorPicker* second = picker();
    ASSERT_NE(second->menu(), nullptr);
    EXPECT_EQ(utf8(second->menu()->item(0)->text()), "Copy color");
    EXPECT_EQ(utf8(second->menu()->item(1)->text()), "Paste color");
    second->updateMenu();
    EXPECT_EQ(second->menu()->isItemEnabled(1), UIColorPicker::hasCopiedColor());
    first->setColor(Color(255, 1, 2, 3));
    first->menu()->activateItem(first->menu()->item(0));
    second->updateMenu();
    EXPECT_TRUE(second->menu()->isItemEnabled(1));
    second->menu()->activateItem(second->menu()->item(1));
    EXPECT_EQ(second->color(), Color(255, 1, 2, 3));
}
