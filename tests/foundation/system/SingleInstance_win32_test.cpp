// One instance at a time: the mutex is created once and tells a second
// process that the first runs, and the second can hand over to the first's
// hidden window, which passes the message on to the main window. The second
// process is this test program again, running only the probe below.
#include <gtest/gtest.h>

#include "foundation/platform/NativeWindow.h"
#include "foundation/system/NamedMutex.h"
#include "foundation/system/SingleInstanceWindow.h"
#include "tests/support/TestText.h"

#include <cstdlib>
#include <string>
#include <vector>
#include <windows.h>

namespace {

const char kProductVariable[] = "REELSTACK_SINGLE_INSTANCE_PRODUCT";
const char kExpectedStateVariable[] = "REELSTACK_SINGLE_INSTANCE_EXPECT";

String productForThisRun()
{
    return testsupport::text("Reelstack probe " + std::to_string(GetCurrentProcessId()));
}

class MainWindow : public NativeWindow
{
public:
    MainWindow() : NativeWindow(String(u"ReelstackProbeMain"), nullptr) {}
    bool handleMessage(NativeMessage* message) override
    {
        if (message->message != SingleInstanceWindow::kHandOverMessage)
            return false;
        values.push_back(intptr_t(message->wParam));
        values.push_back(message->lParam);
        return true;
    }
    std::vector<intptr_t> values;
};

void pumpFor(DWORD ms)
{
    DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(1);
    }
}

// Runs this program's probe in a second process, answering its hand-over
// while waiting; returns its exit code, or -1 when it could not run.
int runProbe(const String& product, int expectedState)
{
    SetEnvironmentVariableA(kProductVariable, testsupport::utf8(product).c_str());
    SetEnvironmentVariableA(kExpectedStateVariable, std::to_string(expectedState).c_str());

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring commandLine =
        L"\"" + std::wstring(path) + L"\" --gtest_brief=1 --gtest_filter=SingleInstanceProbe.*";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process);
    SetEnvironmentVariableA(kProductVariable, nullptr);
    SetEnvironmentVariableA(kExpectedStateVariable, nullptr);
    if (!started)
        return -1;
    DWORD start = GetTickCount();
    while (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT && GetTickCount() - start < 60000)
        pumpFor(5);
    DWORD exitCode = 1;
    if (!GetExitCodeProcess(process.hProcess, &exitCode) || exitCode == STILL_ACTIVE)
        exitCode = static_cast<DWORD>(-1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    pumpFor(20);
    return static_cast<int>(exitCode);
}

} // namespace

TEST(SingleInstance, MutexIsCreatedOnceAndFoundByAnyLaterOpen)
{
    String name = SingleInstanceWindow::instanceName(productForThisRun());
    EXPECT_EQ(SingleInstanceWindow::instanceName(String(u"Reelstack")), String(u"[REELSTACK]"));
    NamedMutex first;
    EXPECT_EQ(first.open(name), NamedMutex::kCreated);
    NamedMutex second;
    EXPECT_EQ(second.open(name), NamedMutex::kAlreadyExists);
    EXPECT_TRUE(second.close());
    EXPECT_FALSE(second.close());
    EXPECT_TRUE(first.close());
    // With every handle gone the name is free again.
    EXPECT_EQ(first.open(name), NamedMutex::kCreated);

    NamedMutex unnamed;
    EXPECT_EQ(unnamed.open(String()), NamedMutex::kNone);
    EXPECT_FALSE(unnamed.isOpen());
    NamedMutex brackets;
    EXPECT_EQ(brackets.open(SingleInstanceWindow::instanceName(String())), NamedMutex::kCreated);
}

TEST(SingleInstance, ASecondProcessFindsTheFirstAndHandsOver)
{
    String product = productForThisRun();
    NamedMutex mutex;
    ASSERT_EQ(mutex.open(SingleInstanceWindow::instanceName(product)), NamedMutex::kCreated);
    SingleInstanceWindow* window = SingleInstanceWindow::create(product);
    ASSERT_NE(window, nullptr);
    HWND hwnd = static_cast<HWND>(window->handle());
    // No main window yet: taken and dropped; only this process's windows
    // around: nothing to hand over to.
    EXPECT_EQ(SendMessageW(hwnd, SingleInstanceWindow::kHandOverMessage, 1, 2), 0);
    EXPECT_FALSE(SingleInstanceWindow::handOver());
    MainWindow main;
    window->setMainWindow(main.handle());
    SendMessageW(hwnd, SingleInstanceWindow::kHandOverMessage, 5, 7);
    pumpFor(50);
    EXPECT_EQ(main.values, (std::vector<intptr_t>{5, 7}));

    EXPECT_EQ(runProbe(product, NamedMutex::kAlreadyExists), 0);
    EXPECT_EQ(main.values.size(), 4u);

    // Once the first instance lets go of the mutex, a new start is the first.
    mutex.close();
    EXPECT_EQ(runProbe(product, NamedMutex::kCreated), 0);
    EXPECT_EQ(main.values.size(), 6u);
    SingleInstanceWindow::destroy();
}

// The second process's side; skipped in an ordinary run.
TEST(SingleInstanceProbe, OpensTheMutexAndHandsOver)
{
    const char* product = std::getenv(kProductVariable);
    const char* expected = std::getenv(kExpectedStateVariable);
    if (!product || !expected)
        GTEST_SKIP() << "runs only as the second process of SingleInstance tests";
    String productName = testsupport::text(product);
    NamedMutex mutex;
    EXPECT_EQ(mutex.open(SingleInstanceWindow::instanceName(productName)), std::atoi(expected));
    SingleInstanceWindow::create(productName);
    EXPECT_TRUE(SingleInstanceWindow::handOver());
    SingleInstanceWindow::destroy();
}
