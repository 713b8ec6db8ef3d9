#pragma once

// Finding and driving the system's own dialogs (file, folder and colour
// choosers) from a timer while they run. Windows only.
#include "foundation/text/String.h"

#include <windows.h>

#include <cwchar>

namespace testsupport {

inline BOOL CALLBACK keepFirstDialog(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (!IsWindowVisible(window) || std::wcscmp(name, L"#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The visible dialog box of this thread, or null.
inline HWND findThreadDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepFirstDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct ProcessDialogSearch
{
    DWORD process;
    bool enabledOnly;
    HWND found;
};

inline BOOL CALLBACK keepProcessDialog(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ProcessDialogSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || (search->enabledOnly && !IsWindowEnabled(window)))
        return TRUE;
    return keepFirstDialog(window, reinterpret_cast<LPARAM>(&search->found));
}

// The visible dialog box of another process (a driven program's file
// chooser or question), or null; with enabledOnly, only one that takes
// input, not the chooser a question came over.
inline HWND findProcessDialog(DWORD process, bool enabledOnly = false)
{
    ProcessDialogSearch search{process, enabledOnly, nullptr};
    EnumWindows(keepProcessDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline String windowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return String(reinterpret_cast<const char16_t*>(text));
}

// What a click on the dialog's button with that id does.
inline void pressDialogButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

} // namespace testsupport
