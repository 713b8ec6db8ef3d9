// A push button's drop-down menu on the widget fakes.
#include "tests/support/TestText.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/menus/UIMenu.h"

using testsupport::text;

using UIButtonMenuTest = WidgetTest;

TEST_F(UIButtonMenuTest, TheMenuDropsDownAndTheClosingPressDoesNotReopenIt)
{
    auto* button = new UIButton(top);
    button->setText(text("More"));
    button->setGeometry(20, 30, 80, 24);
    button->show();
    auto* menu = new UIMenu(button);
    menu->addItem(text("First"));
    button->setMenu(menu);
    EXPECT_TRUE(button->isCheckable());

    mouse(button, kMousePressEvent, 5, 5);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(button->mapToGlobal(Point(0, 24)), menu->pos()) << "at the button's bottom-left corner";
    mouse(button, kClickEvent, 5, 5);
    EXPECT_TRUE(button->isChecked()) << "checked while its menu is open";

    menu->hide();
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(button->isMenuReady());
    mouse(button, kMousePressEvent, 5, 5);
    EXPECT_FALSE(menu->isVisible());
    button->timerFired(UIButton::kMenuGuardTimerId);
    EXPECT_TRUE(button->isMenuReady());
    mouse(button, kMousePressEvent, 5, 5);
    EXPECT_TRUE(menu->isVisible());

    button->setEnabled(false);
    menu->hide();
    button->timerFired(UIButton::kMenuGuardTimerId);
    mouse(button, kMousePressEvent, 5, 5);
    EXPECT_FALSE(menu->isVisible()) << "a disabled button opens nothing";
    // The menu is the button's child: deleting the button takes it along
    // without calling back into the button.
    delete button;
}
