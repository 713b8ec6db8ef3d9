// The notification-area icon pops its menu up through the menu widget: only
// while the menu's window is enabled, and topmost.
#include "tests/support/FakeTaskbar.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/platform/UITrayIcon.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/menus/UIMenu.h"

#include <gtest/gtest.h>
#include <windows.h>

using testsupport::text;
using testsupport::UIHarness;

TEST(UIMenuTrayWine, TheRightReleaseShowsOnlyAnEnabledMenuTopmost)
{
    ASSERT_TRUE(UIHarness::start());
    testsupport::FakeTaskbar taskbar;
    {
        UITrayIcon icon;
        auto* menu = new UIMenu(nullptr);
        menu->addItem(text("Show"));
        menu->addItem(text("Quit"));
        icon.setContextMenu(menu);
        HWND menuWindow = static_cast<HWND>(menu->windowHandle());
        ASSERT_NE(nullptr, menuWindow);
        EXPECT_TRUE(UITrayIcon::isTrayMenu(menu));
        EXPECT_TRUE(UITrayIcon::isTrayMenuWindow(menuWindow));
        UIMenu other(nullptr);
        EXPECT_FALSE(UITrayIcon::isTrayMenu(&other));
        EXPECT_FALSE(UITrayIcon::isTrayMenuWindow(other.windowHandle()));

        EnableWindow(menuWindow, FALSE);
        testsupport::sendToTrayIcon(icon.windowHandle(), WM_RBUTTONUP);
        UIHarness::pump();
        EXPECT_FALSE(menu->isVisible()) << "a disabled menu stays down";
        EnableWindow(menuWindow, TRUE);
        testsupport::sendToTrayIcon(icon.windowHandle(), WM_RBUTTONUP);
        EXPECT_TRUE(UIHarness::pumpUntil([&] { return menu->isVisible(); }));
        EXPECT_TRUE(GetWindowLongW(menuWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
        menu->hide();
        UIHarness::pump();
    }
    UIApplication::instance()->setTheme(new UITheme());
}
