// The application core's Windows half: the single-instance mutex, the quit
// that reaches the core from the message loop, the hand-over to the main
// window and the system's answers it passes on.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/io/Directory.h"
#include "foundation/platform/NativeWindow.h"
#include "foundation/platform/SystemInfo.h"
#include "foundation/system/MessageLoop.h"
#include "foundation/system/SingleInstanceWindow.h"

#include <string>
#include <vector>
#include <windows.h>

namespace {

// A product name no other test process uses.
String productForThisRun()
{
    std::u16string name = u"Reelstack core ";
    for (char digit : std::to_string(GetCurrentProcessId()))
        name += static_cast<char16_t>(digit);
    return String(name.c_str());
}

class CountingCore : public AppCore
{
public:
    CountingCore() : AppCore(productForThisRun(), String(u"1.2.0")) {}
    void quit() override
    {
        ++quits;
        AppCore::quit();
    }
    int quits = 0;
};

class MainWindow : public NativeWindow
{
public:
    MainWindow() : NativeWindow(String(u"ReelstackCoreTestMain"), nullptr) {}
    bool handleMessage(NativeMessage* message) override
    {
        if (message->message != SingleInstanceWindow::kHandOverMessage)
            return false;
        received.push_back({message->wParam, uintptr_t(message->lParam)});
        return true;
    }
    std::vector<std::pair<uintptr_t, uintptr_t>> received;
};

void pumpPending()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// A quit leaves one more WM_QUIT for loops outside; no later test may see it.
void dropQuitMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

} // namespace

TEST(AppCoreWin32, ASecondCoreOfTheProductFindsTheFirst)
{
    {
        AppCore first(productForThisRun(), String(u"1.2.0"));
        EXPECT_FALSE(first.isAnotherInstanceRunning());
        AppCore second(productForThisRun(), String(u"1.2.0"));
        EXPECT_TRUE(second.isAnotherInstanceRunning());
        AppCore other(String(u"Another product"), String(u"1.0"));
        EXPECT_FALSE(other.isAnotherInstanceRunning());
    }
    // The mutex went with the cores, as did the loop and the window.
    EXPECT_EQ(MessageLoop::instance(), nullptr);
    EXPECT_EQ(SingleInstanceWindow::instance(), nullptr);
    AppCore again(productForThisRun(), String(u"1.2.0"));
    EXPECT_FALSE(again.isAnotherInstanceRunning());
    EXPECT_NE(MessageLoop::instance(), nullptr);
    ASSERT_NE(SingleInstanceWindow::instance(), nullptr);
    EXPECT_EQ(SingleInstanceWindow::instance()->className(),
              SingleInstanceWindow::instanceName(productForThisRun()));
}

TEST(AppCoreWin32, WmQuitEndsTheRunThroughTheCore)
{
    CountingCore core;
    PostQuitMessage(7);
    EXPECT_EQ(core.run(), 0);
    EXPECT_EQ(core.quits, 1);
    dropQuitMessages();
}

TEST(AppCoreWin32, TheHandOverReachesTheRegisteredMainWindow)
{
    AppCore core(productForThisRun(), String(u"1.2.0"));
    SingleInstanceWindow* window = SingleInstanceWindow::instance();
    ASSERT_NE(window, nullptr);
    HWND hidden = static_cast<HWND>(window->handle());

    MainWindow main;
    EXPECT_EQ(core.mainWindow(), nullptr);
    core.setMainWindow(main.handle());
    EXPECT_EQ(core.mainWindow(), main.handle());
    SendMessageW(hidden, SingleInstanceWindow::kHandOverMessage, 5, 7);
    pumpPending();
    ASSERT_EQ(main.received.size(), 1u);
    EXPECT_EQ(main.received[0].first, 5u);
    EXPECT_EQ(main.received[0].second, 7u);

    // Without a main window the message is dropped.
    core.setMainWindow(nullptr);
    SendMessageW(hidden, SingleInstanceWindow::kHandOverMessage, 1, 2);
    pumpPending();
    EXPECT_EQ(main.received.size(), 1u);
    // No other process of this product runs.
    EXPECT_FALSE(core.forwardToFirstInstance());
}

TEST(AppCoreWin32, LeavesALoopItDidNotMake)
{
    MessageLoop* loop = MessageLoop::create();
    {
        AppCore core(productForThisRun(), String(u"1.2.0"));
        EXPECT_EQ(MessageLoop::instance(), loop);
    }
    EXPECT_EQ(MessageLoop::instance(), loop);
    MessageLoop::destroy();
}

TEST(AppCoreWin32, FindsTheProgramAndTheUsersDataFolder)
{
    AppCore core(productForThisRun(), String(u"1.2.0"));
    String folder =
        core.programPath().mid(0, core.programPath().lastIndexOfChar(u'\\', String::kCaseSensitive));
    EXPECT_TRUE(core.programPath().endsWith(String(u"\\foundation_tests.exe"), String::kIgnoreCase));
    EXPECT_EQ(core.appDirectory(), folder);

    String data = core.dataDirectory();
    EXPECT_EQ(data,
              SystemInfo::specialFolder(SystemInfo::kApplicationData) + String(u"\\") + productForThisRun());
    EXPECT_TRUE(core.ensureDataDirectory());
    EXPECT_TRUE(Directory::exists(data));
    EXPECT_TRUE(Directory::remove(data));
}
