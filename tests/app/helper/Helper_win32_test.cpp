// Helper.exe against a process holding the program's single-instance
// mutex: it starts the program only once the mutex is gone, gives up after
// its tries, and starts nothing on bad arguments or a missing program.
#include "foundation/system/SingleInstanceWindow.h"
#include "foundation/text/String.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <string>

namespace {

std::wstring programFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

std::wstring helperPath()
{
    return programFolder() + L"\\..\\Helper.exe";
}

std::wstring wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring mutexName()
{
    const String name = SingleInstanceWindow::instanceName(String(u"Reelstack"));
    std::wstring out;
    for (int i = 0; i < name.length(); ++i)
        out.push_back(wchar_t(name.at(i)));
    return out;
}

// Starts the helper with that command line; null when it did not start.
HANDLE startHelper(const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + helperPath() + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// -1 while it still runs after the time.
int exitCodeWithin(HANDLE process, DWORD ms)
{
    if (WaitForSingleObject(process, ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return int(code);
}

// The running processes of that file name; ended when asked.
int countProcesses(const std::wstring& fileName, bool end)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, fileName.c_str()) != 0)
            continue;
        ++count;
        if (!end)
            continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return count;
}

class HelperTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(GetFileAttributesW(helperPath().c_str()), INVALID_FILE_ATTRIBUTES);
        // A program of our own name that stays until ended: a copy of the
        // system's notepad.
        wchar_t system[MAX_PATH] = {};
        GetSystemDirectoryW(system, MAX_PATH);
        target = wide(folder.path()) + L"\\" + targetName;
        ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\notepad.exe").c_str(), target.c_str(), FALSE));
    }
    void TearDown() override
    {
        countProcesses(targetName, true);
        if (mutex)
            CloseHandle(mutex);
    }

    void holdMutex()
    {
        mutex = CreateMutexW(nullptr, FALSE, mutexName().c_str());
        ASSERT_NE(mutex, nullptr);
    }
    std::wstring argumentsFor(const std::wstring& program, const std::wstring& tries) const
    {
        return L"-path \"" + program + L"\" -try \"" + tries + L"\"";
    }
    int startedTargets() const { return countProcesses(targetName, false); }

    testsupport::TempDir folder;
    std::wstring targetName = L"rs-helper-target.exe";
    std::wstring target;
    HANDLE mutex = nullptr;
};

} // namespace

TEST_F(HelperTest, StartsTheProgramOnlyAfterTheRunningInstanceLetsGo)
{
    holdMutex();
    HANDLE helper = startHelper(argumentsFor(target, L"1000"));
    ASSERT_NE(helper, nullptr);
    EXPECT_EQ(exitCodeWithin(helper, 500), -1) << "still waiting while the mutex is held";
    EXPECT_EQ(startedTargets(), 0);
    CloseHandle(mutex);
    mutex = nullptr;
    // Starting a process can take seconds on a loaded machine.
    EXPECT_EQ(exitCodeWithin(helper, 15000), 0);
    CloseHandle(helper);
    bool started = false;
    for (int i = 0; i < 250 && !started; ++i) {
        started = startedTargets() == 1;
        Sleep(20);
    }
    EXPECT_TRUE(started);
}

TEST_F(HelperTest, GivesUpAfterItsTriesAndStartsNothingOnBadInput)
{
    holdMutex();
    struct Case
    {
        const char* what;
        std::wstring arguments;
        DWORD within;
    };
    const Case cases[] = {
        {"the instance does not end", argumentsFor(target, L"5"), 3000},
        {"no count", L"-path \"" + target + L"\"", 3000},
        {"a count of zero", argumentsFor(target, L"0"), 3000},
        {"a count that is no number", argumentsFor(target, L"ten"), 3000},
        {"an unknown switch", L"-path \"" + target + L"\" -wait \"5\"", 3000},
        {"a missing program", argumentsFor(wide(folder.path()) + L"\\missing.exe", L"5"), 3000},
    };
    for (const Case& c : cases) {
        HANDLE helper = startHelper(c.arguments);
        ASSERT_NE(helper, nullptr) << c.what;
        EXPECT_EQ(exitCodeWithin(helper, c.within), 1) << c.what;
        CloseHandle(helper);
    }
    EXPECT_EQ(startedTargets(), 0);

    // Nothing holds the mutex: a missing program is still refused.
    CloseHandle(mutex);
    mutex = nullptr;
    HANDLE helper = startHelper(argumentsFor(wide(folder.path()) + L"\\missing.exe", L"5"));
    ASSERT_NE(helper, nullptr);
    EXPECT_EQ(exitCodeWithin(helper, 3000), 1);
    CloseHandle(helper);
}
