#pragma once

// The system's own dialogs the program opens (the folder browser, the file
// dialogs) are none of its widgets, so the channel does not see them: a flow
// finds them among the program's windows and works them from outside as a
// user does, keys typed into their controls and their buttons clicked.
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"
#include "tests/support/AppDriver.h"
#include "tests/support/SystemDialogs.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

namespace flows {

// The program's visible system dialog, once it takes input; null when none
// came within the time.
inline HWND waitForSystemDialog(testsupport::AppDriver& app, int timeoutMs = 15000)
{
    HWND found = nullptr;
    app.waitFor(
        [&] {
            found = testsupport::findProcessDialog(DWORD(app.processId()));
            return found && IsWindowEnabled(found);
        },
        timeoutMs);
    return found && IsWindowEnabled(found) ? found : nullptr;
}

inline bool systemDialogGone(testsupport::AppDriver& app, HWND dialog, int timeoutMs = 15000)
{
    return app.waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeoutMs);
}

inline std::string controlText(HWND control)
{
    wchar_t text[1024] = {};
    // Marshalled across processes by the system.
    SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return testsupport::utf8(String(reinterpret_cast<const char16_t*>(text)));
}

// Characters as the keyboard sends them to the control with the focus.
inline void typeInto(HWND control, const std::string& text)
{
    const String wide = testsupport::text(text);
    for (int i = 0; i < wide.length(); ++i)
        PostMessageW(control, WM_CHAR, WPARAM(wide.at(i)), 1);
}

// A left click at the centre of the control.
inline void clickControl(HWND control)
{
    RECT area = {};
    GetClientRect(control, &area);
    const LPARAM at = MAKELPARAM((area.right - area.left) / 2, (area.bottom - area.top) / 2);
    PostMessageW(control, WM_MOUSEMOVE, 0, at);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

struct ChildSearch
{
    const wchar_t* className;
    HWND found;
};

inline BOOL CALLBACK takeChildOfClass(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ChildSearch*>(data);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) != search->className)
        return TRUE;
    search->found = window;
    return FALSE;
}

// The first control of that class at any depth under the parent.
inline HWND findChild(HWND parent, const wchar_t* className)
{
    ChildSearch search{className, nullptr};
    EnumChildWindows(parent, takeChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A picture of the dialog as the screen shows it, beside the channel's
// shots of the program's own windows.
inline bool shotOfSystemDialog(HWND dialog, const std::string& name)
{
    const char* folder = std::getenv("REELSTACK_SHOTS");
    RECT frame = {};
    if (!folder || !*folder || !GetWindowRect(dialog, &frame))
        return false;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, old);
    const Image image = Image::fromBitmapHandle(bitmap, false);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string file = std::string(test->test_suite_name()) + "-" + test->name() + "-" + name + ".png";
    return PngWriter::save(image, testsupport::text(std::string(folder) + "\\" + file));
}

// The file dialogs' name box: the edit inside the name combo box (a combo
// box in a combo box here), or the plain edit of dialogs without one.
inline HWND fileNameBox(HWND dialog)
{
    constexpr int kNameCombo = 1148;
    constexpr int kNameEdit = 1152;
    if (HWND combo = GetDlgItem(dialog, kNameCombo)) {
        if (HWND edit = findChild(combo, L"Edit"))
            return edit;
    }
    return GetDlgItem(dialog, kNameEdit);
}

// A file dialog's name box typed over with the path, which must show in
// the box before Open is clicked; a shot of the dialog as it then shows.
inline bool typeFileName(testsupport::AppDriver& app, HWND dialog, const std::string& path,
                         const std::string& shot)
{
    HWND box = fileNameBox(dialog);
    if (!box)
        return false;
    // What a user's Ctrl+A in the box does.
    SendMessageW(box, EM_SETSEL, 0, -1);
    typeInto(box, path);
    if (!app.waitFor([&] { return controlText(box) == path; }, 5000))
        return false;
    shotOfSystemDialog(dialog, shot);
    clickControl(GetDlgItem(dialog, IDOK));
    return systemDialogGone(app, dialog);
}

// The folder browser's tree, where the first letters of a name typed select
// the next visible item starting with them; a shot, then OK.
inline bool chooseInFolderTree(testsupport::AppDriver& app, HWND dialog, const std::string& name,
                               const std::string& shot)
{
    HWND tree = findChild(dialog, WC_TREEVIEWW);
    if (!tree)
        return false;
    auto caret = [tree] { return SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0); };
    // The browser selects its first folder as it opens.
    if (!app.waitFor([&] { return caret() != 0; }, 5000))
        return false;
    const LRESULT before = caret();
    typeInto(tree, name);
    if (!app.waitFor([&] { return caret() != before; }, 5000))
        return false;
    shotOfSystemDialog(dialog, shot);
    clickControl(GetDlgItem(dialog, IDOK));
    return systemDialogGone(app, dialog);
}

// The desktop folder, where the folder browser starts.
inline std::string desktopFolder()
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path)))
        return std::string();
    return testsupport::utf8(String(reinterpret_cast<const char16_t*>(path)));
}

} // namespace flows
