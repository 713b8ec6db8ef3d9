#include "foundation/platform/SystemInfo.h"

#include "foundation/platform/ShellCallRecorder.h"

#include "foundation/containers/Array.h"
#include "foundation/containers/StringList.h"
#include "foundation/io/Path.h"
#include "foundation/platform/Win32Text.h"

#include <windows.h>

#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <stdlib.h>

namespace {

const int kNameBuffer = 256;
const DWORD kInputIdleMs = 10000;
const int kMaxProcesses = 1024;

// The shell folder of each special-folder index; 16 (temporary) is not one.
const int kFolderIds[] = {CSIDL_WINDOWS,
                          CSIDL_SYSTEM,
                          CSIDL_PROGRAM_FILES,
                          CSIDL_PROGRAM_FILES_COMMON,
                          CSIDL_FONTS,
                          CSIDL_COMMON_APPDATA,
                          CSIDL_COMMON_DESKTOPDIRECTORY,
                          CSIDL_COMMON_STARTMENU,
                          CSIDL_COMMON_PROGRAMS,
                          CSIDL_COMMON_STARTUP,
                          CSIDL_APPDATA,
                          CSIDL_DESKTOPDIRECTORY,
                          CSIDL_STARTMENU,
                          CSIDL_PROGRAMS,
                          CSIDL_STARTUP,
                          CSIDL_SENDTO,
                          -1,
                          CSIDL_RECENT,
                          CSIDL_PERSONAL,
                          CSIDL_MYPICTURES,
                          CSIDL_MYMUSIC,
                          CSIDL_MYVIDEO,
                          CSIDL_FAVORITES};
const int kFolderCount = sizeof(kFolderIds) / sizeof(kFolderIds[0]);

bool readVersion(OSVERSIONINFOEXW* info)
{
    ZeroMemory(info, sizeof(*info));
    info->dwOSVersionInfoSize = sizeof(*info);
    return GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(info)) != 0;
}

SYSTEM_INFO systemInfo()
{
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return info;
}

String nameFrom(BOOL(WINAPI* query)(LPWSTR, LPDWORD))
{
    wchar_t buffer[kNameBuffer] = {};
    DWORD size = kNameBuffer - 1;
    if (!query(buffer, &size))
        return String();
    buffer[kNameBuffer - 1] = 0;
    return fromWide(buffer);
}

bool isFolder(const String& path)
{
    DWORD attributes = GetFileAttributesW(wideText(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Parses path into a shell item list through the desktop folder; null on
// failure. The caller frees it with CoTaskMemFree.
ITEMIDLIST* parseItem(IShellFolder* desktop, const String& path)
{
    String copy = path;
    ITEMIDLIST* item = nullptr;
    wchar_t* text = const_cast<wchar_t*>(wideText(copy));
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, text, nullptr, &item, nullptr)))
        return nullptr;
    return item;
}

bool selectInFolder(const String& folder, const StringList& names)
{
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)))
        return false;
    bool shown = false;
    ITEMIDLIST* folderItem = parseItem(desktop, folder);
    if (folderItem) {
        Array<ITEMIDLIST*> children;
        for (StringList::Node* node = names.first(); node; node = node->next) {
            ITEMIDLIST* child = parseItem(desktop, folder + String(u"\\") + node->value);
            if (child)
                children.append(child);
        }
        auto* childItems = const_cast<const ITEMIDLIST**>(children.data());
        shown = SUCCEEDED(SHOpenFolderAndSelectItems(folderItem, children.count(), childItems, 0));
        for (int i = 0; i < children.count(); ++i)
            CoTaskMemFree(children[i]);
        CoTaskMemFree(folderItem);
    }
    desktop->Release();
    return shown;
}

String processImagePath(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return String();
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameExW(process, nullptr, path, MAX_PATH);
    CloseHandle(process);
    return fromWide(path, static_cast<int>(length));
}

bool executeNow(const String& program, const String& parameters)
{
    const wchar_t* arguments = parameters.isEmpty() ? nullptr : wideText(parameters);
    HINSTANCE result = ShellExecuteW(nullptr, nullptr, wideText(program), arguments, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

int SystemInfo::osCode()
{
    OSVERSIONINFOEXW version;
    if (!readVersion(&version))
        return kUnknownOs;
    OsFacts facts;
    facts.isNt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    facts.major = static_cast<int>(version.dwMajorVersion);
    facts.minor = static_cast<int>(version.dwMinorVersion);
    facts.productType = version.wProductType;
    facts.suiteMask = version.wSuiteMask;
    facts.architecture = systemInfo().wProcessorArchitecture;
    facts.serverR2 = GetSystemMetrics(SM_SERVERR2) != 0;
    return osCodeFor(facts);
}

String SystemInfo::osName()
{
    return osNameFor(osCode());
}

bool SystemInfo::isXpOrLater()
{
    int major = 0;
    int minor = 0;
    version(&major, &minor);
    return isVersionAtLeast(major, minor, 5, 1);
}

bool SystemInfo::isVistaOrLater()
{
    int major = 0;
    version(&major, nullptr);
    return major >= 6;
}

bool SystemInfo::isWindows7OrLater()
{
    int major = 0;
    int minor = 0;
    version(&major, &minor);
    return isVersionAtLeast(major, minor, 6, 1);
}

void SystemInfo::version(int* major, int* minor)
{
    OSVERSIONINFOEXW info;
    bool known = readVersion(&info);
    if (major)
        *major = known ? static_cast<int>(info.dwMajorVersion) : 0;
    if (minor)
        *minor = known ? static_cast<int>(info.dwMinorVersion) : 0;
}

void SystemInfo::servicePack(int* major, int* minor)
{
    OSVERSIONINFOEXW info;
    bool known = readVersion(&info);
    if (major)
        *major = known ? info.wServicePackMajor : 0;
    if (minor)
        *minor = known ? info.wServicePackMinor : 0;
}

int SystemInfo::bitness()
{
    using IsWow64Function = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    auto isWow64 =
        reinterpret_cast<IsWow64Function>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64)
        return 64;
    return 32;
}

int SystemInfo::processorCount()
{
    return static_cast<int>(systemInfo().dwNumberOfProcessors);
}

String SystemInfo::processorArchitectureName()
{
    return architectureNameFor(systemInfo().wProcessorArchitecture);
}

String SystemInfo::editionName()
{
    OSVERSIONINFOEXW info;
    if (!readVersion(&info))
        return String();
    return editionNameFor(info.wSuiteMask);
}

uint32_t SystemInfo::processorFeatures()
{
    uint32_t features = 0;
    if (IsProcessorFeaturePresent(PF_MMX_INSTRUCTIONS_AVAILABLE))
        features |= 1;
    if (IsProcessorFeaturePresent(PF_XMMI_INSTRUCTIONS_AVAILABLE))
        features |= 2;
    if (IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE))
        features |= 4;
    if (IsProcessorFeaturePresent(PF_3DNOW_INSTRUCTIONS_AVAILABLE))
        features |= 8;
    return features;
}

String SystemInfo::processorSignature()
{
    SYSTEM_INFO info = systemInfo();
    uint32_t product = static_cast<uint32_t>(info.wProcessorRevision) * info.wProcessorLevel *
                       info.dwProcessorType * info.dwNumberOfProcessors;
    return signatureText(product);
}

uint32_t SystemInfo::physicalMemoryMb()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return 0;
    return static_cast<uint32_t>(status.ullTotalPhys >> 20) + 1;
}

uint32_t SystemInfo::idleTime()
{
    LASTINPUTINFO input = {};
    input.cbSize = sizeof(input);
    if (!GetLastInputInfo(&input))
        return 0;
    return GetTickCount() - input.dwTime;
}

String SystemInfo::userName()
{
    return nameFrom(GetUserNameW);
}

String SystemInfo::computerName()
{
    return nameFrom(GetComputerNameW);
}

String SystemInfo::specialFolder(int index)
{
    if (index < 0 || index >= kFolderCount)
        return String();
    wchar_t path[MAX_PATH + 1] = {};
    if (index == kTemporary) {
        DWORD length = GetTempPathW(MAX_PATH, path);
        return length == 0 || length > MAX_PATH ? String() : fromWide(path, static_cast<int>(length));
    }
    ITEMIDLIST* item = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, kFolderIds[index], &item)) || !item)
        return String();
    bool found = SHGetPathFromIDListW(item, path) != 0;
    CoTaskMemFree(item);
    return found ? fromWide(path) : String();
}

void SystemInfo::shellOpen(const String& path)
{
    if (path.isEmpty() || ShellCallRecorder::take("open", path))
        return;
    ShellExecuteW(nullptr, L"open", wideText(path), nullptr, nullptr, SW_SHOWDEFAULT);
}

bool SystemInfo::shellExecute(const String& path)
{
    return shellExecute(path, String());
}

bool SystemInfo::shellExecute(const String& program, const String& parameters)
{
    if (ShellCallRecorder::take("execute",
                                parameters.isEmpty() ? program : program + String(u" ") + parameters))
        return true;
    return executeNow(program, parameters);
}

bool SystemInfo::startOwnProgram(const String& program, const String& parameters)
{
    if (ShellCallRecorder::takeOwnProgram("execute",
                                          parameters.isEmpty() ? program : program + String(u" ") + parameters))
        return true;
    return executeNow(program, parameters);
}

bool SystemInfo::runProcess(const String& commandLine, bool waitIdle, bool waitEnd)
{
    if (ShellCallRecorder::take("run", commandLine))
        return true;
    // CreateProcessW may write into the command line, so it gets a copy.
    String writable = commandLine;
    writable.appendChar(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(writable.charAt(0)), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        return false;
    }
    AllowSetForegroundWindow(process.dwProcessId);
    if (waitIdle)
        WaitForInputIdle(process.hProcess, kInputIdleMs);
    if (waitEnd)
        WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool SystemInfo::showInFolder(const String& folder, const StringList& names)
{
    if (!isFolder(folder))
        return false;
    if (ShellCallRecorder::take("showInFolder", folder + String(u"|") + names.join(String(u"|"))))
        return true;
    if (names.isEmpty())
        return shellExecute(folder);
    return selectInFolder(folder, names);
}

bool SystemInfo::showInFolder(const String& filePath)
{
    const String name = pathFileName(filePath);
    if (name.isEmpty() || name.length() == filePath.length())
        return false;
    String folder = filePath.mid(0, filePath.length() - name.length());
    // A drive root keeps its separator; any other folder drops it.
    if (!isDriveRoot(folder))
        folder = folder.mid(0, folder.length() - 1);
    StringList names;
    names.append(name);
    return showInFolder(folder, names);
}

bool revealInFolder(const String& path)
{
    return SystemInfo::showInFolder(path);
}

bool SystemInfo::isProcessRunning(const String& executablePath)
{
    DWORD ids[kMaxProcesses] = {};
    DWORD bytes = 0;
    if (executablePath.isEmpty() || !EnumProcesses(ids, sizeof(ids), &bytes))
        return false;
    String wanted = executablePath.toUpper();
    int count = static_cast<int>(bytes / sizeof(DWORD));
    for (int i = 0; i < count; ++i) {
        if (processImagePath(ids[i]).toUpper() == wanted)
            return true;
    }
    return false;
}

String SystemInfo::commandLine()
{
    return fromWide(GetCommandLineW());
}

ByteArray SystemInfo::environmentVariable(const char* name)
{
    // The size query's own result differs between runtimes (some report the
    // missing room as an error); the size it gives is what counts.
    size_t size = 0;
    if (!name)
        return ByteArray();
    getenv_s(&size, nullptr, 0, name);
    if (size == 0)
        return ByteArray();
    ByteArray value;
    value.resize(static_cast<int>(size));
    if (getenv_s(&size, reinterpret_cast<char*>(value.data()), value.size(), name) != 0)
        return ByteArray();
    // The C library counts the terminator; the value does not hold it.
    value.resize(static_cast<int>(size) - 1);
    return value;
}

void* SystemInfo::moduleHandle()
{
    return GetModuleHandleW(nullptr);
}

void SystemInfo::beep()
{
    Beep(150, 150);
}
