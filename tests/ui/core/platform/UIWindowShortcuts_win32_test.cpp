#include "foundation/system/MessageLoop.h"
#include "tests/support/PlainNativeWindow.h"
#include "ui/core/events/UIHotKeyEvent.h"
#include "ui/core/platform/UIWindowUtils.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kControlShift = MOD_CONTROL | MOD_SHIFT;

class HotKeyListener : public SignalReceiver
{
public:
    void pressed(UIEvent* event) { ids.push_back(static_cast<UIHotKeyEvent*>(event)->id()); }
    std::vector<int> ids;
};

class HotKeyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageLoop::create();
        UINativeWindow::setFactory(
            [](UIWidget* owner) -> UINativeWindow* { return new testsupport::PlainNativeWindow(owner); });
        other = testsupport::plainWindow(L"ReelstackHotKeyOther");
    }
    void TearDown() override
    {
        DestroyWindow(other);
        UINativeWindow::setFactory(nullptr);
        MessageLoop::destroy();
    }
    // Whether another window could take the combination now (it gives it
    // back at once).
    bool combinationFree(UINT modifiers, UINT key)
    {
        if (!RegisterHotKey(other, 1, modifiers, key))
            return false;
        UnregisterHotKey(other, 1);
        return true;
    }
    static UIWidget* newWindowWidget()
    {
        auto* widget = new UIWidget(nullptr);
        widget->setFlag(UIWidget::kWindow, true);
        return widget;
    }

    HWND other = nullptr;
};

} // namespace

TEST_F(HotKeyTest, RegistrationKeepsOneEntryPerIdAndRefusesWhatItCannotRegister)
{
    UIWidget* widget = newWindowWidget();
    ASSERT_NE(widget->nativeHandle(), nullptr);
    struct Case
    {
        HotKeyShortcut shortcut;
        bool registered;
        int entries;
    };
    const Case cases[] = {
        {HotKeyShortcut(7, VK_F9, 3), true, 1},       {HotKeyShortcut(7, VK_F10, 3), false, 1}, // id 7 again
        {HotKeyShortcut(8, 'A', 0), false, 1},        // a letter alone
        {HotKeyShortcut(-2, VK_F11, 3), false, 1},    // a negative id
        {HotKeyShortcut(49152, VK_F11, 3), false, 1}, // a shared id
        {HotKeyShortcut(9, VK_F12, 3), true, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(widget->registerShortcut(c.shortcut), c.registered) << c.shortcut.id();
        EXPECT_EQ(widget->shortcuts().count(), c.entries) << c.shortcut.id();
    }
    EXPECT_FALSE(combinationFree(kControlShift, VK_F9)) << "id 7 holds Ctrl+Shift+F9";
    EXPECT_TRUE(combinationFree(kControlShift, VK_F10)) << "the refused second id 7 took nothing";
    EXPECT_TRUE(combinationFree(kControlShift, VK_F11)) << "id 49152 never reached the system";
    EXPECT_FALSE(widget->registerShortcut(HotKeyShortcut(10, VK_F9, 3))) << "the system refuses a taken key";

    widget->unregisterShortcut(7);
    widget->unregisterShortcut(7);
    EXPECT_EQ(widget->shortcuts().count(), 1);
    EXPECT_TRUE(combinationFree(kControlShift, VK_F9));
    delete widget;
    EXPECT_TRUE(combinationFree(kControlShift, VK_F12)) << "a destroyed window frees its hot keys";

    UIWidget plain(nullptr);
    EXPECT_FALSE(plain.registerShortcut(HotKeyShortcut(1, VK_F8, 0))) << "no native window";
}

TEST_F(HotKeyTest, PostedHotKeyReachesTheSignalWithItsId)
{
    UIWidget* widget = newWindowWidget();
    HotKeyListener listener;
    widget->hotKeyPressed.connectWithArg(&listener, &HotKeyListener::pressed);
    ASSERT_TRUE(widget->registerShortcut(HotKeyShortcut(7, VK_F7, 3)));
    PostMessageW(static_cast<HWND>(widget->nativeHandle()), WM_HOTKEY, 7, MAKELPARAM(kControlShift, VK_F7));
    for (int round = 0; round < 50 && listener.ids.empty(); ++round)
        MessageLoop::pumpMessages(0, true);
    MessageLoop::instance()->mainLoop().processPendingEvents();
    EXPECT_EQ(listener.ids, std::vector<int>{7});
    delete widget;
}
