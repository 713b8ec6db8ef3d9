// The application core's Windows half: the single-instance mutex, the quit
// that reaches the core from the message loop and the main window it passes on.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/system/MessageLoop.h"
#include "foundation/system/SingleInstanceWindow.h"
#include "tests/support/TestText.h"

#include <windows.h>

#include <string>

namespace {

// A product name no other test process uses.
String productForThisRun()
{
    return String(u"Reelstack core ") + String::fromUInt(GetCurrentProcessId());
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

} // namespace

TEST(AppCoreWin32, ASecondCoreOfTheProductFindsTheFirstAndLeavesALoopItDidNotMake)
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
    MessageLoop* loop = MessageLoop::create();
    {
        AppCore again(productForThisRun(), String(u"1.2.0"));
        EXPECT_FALSE(again.isAnotherInstanceRunning());
        EXPECT_NE(SingleInstanceWindow::instance(), nullptr);
    }
    EXPECT_EQ(MessageLoop::instance(), loop);
    MessageLoop::destroy();
}

TEST(AppCoreWin32, WmQuitEndsTheRunThroughTheCore)
{
    CountingCore core;
    PostQuitMessage(7);
    EXPECT_EQ(core.run(), 0);
    EXPECT_EQ(core.quits, 1);
    // A quit leaves one more WM_QUIT for loops outside; no later test may see it.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

// The hand-over message itself is the single-instance window's; the core
// passes the main window on to it.
TEST(AppCoreWin32, TheMainWindowIsPassedToTheSingleInstanceWindow)
{
    AppCore core(productForThisRun(), String(u"1.2.0"));
    int window = 0;
    core.setMainWindow(&window);
    ASSERT_NE(SingleInstanceWindow::instance(), nullptr);
    EXPECT_EQ(SingleInstanceWindow::instance()->mainWindow(), &window);
    // No other process of this product runs.
    EXPECT_FALSE(core.forwardToFirstInstance());
}

// The check a test program installs hears each core's product name while
// the mutex of that name is not claimed yet, so that refusing it keeps the
// mutex from ever existing.
TEST(AppCoreWin32, TheInstanceClaimCheckHearsTheNameBeforeTheMutexIsClaimed)
{
    struct Heard
    {
        std::string name;
        bool mutexExisted = true;
    };
    static Heard heard;
    heard = Heard();
    const AppCore::InstanceClaimCheck installed = AppCore::instanceClaimCheck();
    AppCore::setInstanceClaimCheck([](const String& productName) {
        heard.name = testsupport::utf8(productName);
        const String mutexName = SingleInstanceWindow::instanceName(productName);
        HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, reinterpret_cast<const wchar_t*>(mutexName.data()));
        heard.mutexExisted = mutex != nullptr;
        if (mutex)
            CloseHandle(mutex);
    });
    {
        AppCore core(productForThisRun(), String(u"1.2.0"));
        EXPECT_FALSE(core.isAnotherInstanceRunning());
    }
    AppCore::setInstanceClaimCheck(installed);
    EXPECT_EQ(heard.name, testsupport::utf8(productForThisRun()));
    EXPECT_FALSE(heard.mutexExisted);
}
