// Stands in for reelstack.exe in the tests of the scripts' sessions: it holds
// the program's single-instance mutex as the program does, and restarts
// through Helper.exe as Restart Now does, but shows no window and touches no
// data. It is steered by files in the folder that REELSTACK_STANDIN_FOLDER
// names (Wine hands the variable on to the instance that Helper.exe starts):
//   "restart" there: it is removed, Helper.exe beside this program is started
//   to start it again, and this instance ends with 0;
//   "fail" there: it is removed and this instance ends with 3, the code a run
//   gives when it finds the program running;
//   otherwise the instance runs until a file "quit" is there, then ends with 0.
// Each instance appends "started", "restarting", "failing", "closed" or
// "refused" to the file "log" there. A second instance, finding the mutex
// taken, ends with -1.
// Started with "-other", it stands in for a program of someone else's in the
// prefix instead: it takes no mutex, appends "other" to the log and runs
// until a file "quit-other" is there.
#include "foundation/platform/SystemInfo.h"
#include "foundation/system/SingleInstanceWindow.h"
#include "foundation/text/String.h"

#include <windows.h>

#include <string>

namespace {

std::wstring wide(const String& text)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), size_t(text.length()));
}

std::wstring controlFolder()
{
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"REELSTACK_STANDIN_FOLDER", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder) : std::wstring();
}

bool exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void note(const std::wstring& folder, const char* line)
{
    HANDLE file = CreateFileW((folder + L"\\log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    const std::string text = std::string(line) + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring ownPath()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path) : std::wstring();
}

// As the program's Restart Now: Helper.exe beside it, told to start it again.
bool startHelper()
{
    const std::wstring program = ownPath();
    const size_t slash = program.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return false;
    const std::wstring helper = program.substr(0, slash) + L"\\Helper.exe";
    const std::wstring parameters = L"-path \"" + program + L"\" -try \"1000\"";
    return SystemInfo::startOwnProgram(String(reinterpret_cast<const char16_t*>(helper.c_str())),
                                       String(reinterpret_cast<const char16_t*>(parameters.c_str())));
}

int runAsOther(const std::wstring& folder)
{
    note(folder, "other");
    while (!exists(folder + L"\\quit-other"))
        Sleep(50);
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const std::wstring folder = controlFolder();
    if (folder.empty())
        return 2;
    if (std::string(commandLine).find("-other") != std::string::npos)
        return runAsOther(folder);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wide(SingleInstanceWindow::instanceName(String(u"Reelstack"))).c_str());
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        note(folder, "refused");
        return -1;
    }
    note(folder, "started");
    if (DeleteFileW((folder + L"\\restart").c_str())) {
        if (!startHelper())
            return 1;
        note(folder, "restarting");
        return 0;
    }
    if (DeleteFileW((folder + L"\\fail").c_str())) {
        note(folder, "failing");
        return 3;
    }
    while (!exists(folder + L"\\quit"))
        Sleep(50);
    note(folder, "closed");
    return 0;
}
