// Helper.exe: starts the program again once its running instance has ended,
// for the restart a change of language needs. No window; exit code 0 when
// the program was started, 1 otherwise (then nothing was started).
#include "app/helper/HelperArguments.h"
#include "foundation/system/SingleInstanceWindow.h"
#include "foundation/text/String.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The program's single-instance mutex is named after its product.
const char16_t kProductName[] = u"Reelstack";
const DWORD kTryInterval = 10;

std::vector<std::u16string> commandArguments()
{
    std::vector<std::u16string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(reinterpret_cast<const char16_t*>(words[i]));
    LocalFree(words);
    return arguments;
}

bool isFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool instanceRunning(const std::wstring& mutexName)
{
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str());
    if (!mutex)
        return GetLastError() == ERROR_ACCESS_DENIED;
    CloseHandle(mutex);
    return true;
}

bool waitForEnd(const std::wstring& mutexName, int tries)
{
    for (int i = 0; i < tries; ++i) {
        if (!instanceRunning(mutexName))
            return true;
        Sleep(kTryInterval);
    }
    return false;
}

bool start(const std::wstring& program)
{
    std::wstring folder = program;
    const size_t slash = folder.find_last_of(L"\\/");
    folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
    // CreateProcessW may write into the command line.
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::wstring wide(const String& text)
{
    std::wstring out;
    for (int i = 0; i < text.length(); ++i)
        out.push_back(static_cast<wchar_t>(text.at(i)));
    return out;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HelperArguments arguments;
    if (!arguments.parse(commandArguments()))
        return 1;
    const std::wstring program(arguments.programPath().begin(), arguments.programPath().end());
    if (!isFile(program))
        return 1;
    if (!waitForEnd(wide(SingleInstanceWindow::instanceName(String(kProductName))), arguments.tries()))
        return 1;
    return start(program) ? 0 : 1;
}
