#pragma once

// The system's own dialogs a flow's program opens (file and colour
// choosers, their questions), found among the program's windows and typed
// into as a user would: the keys go to the dialog's field, then its button
// is pressed.
#include "tests/flows/FlowSteps.h"
#include "tests/flows/SystemDialogSteps.h"
#include "tests/support/SystemDialogs.h"

#include <windows.h>

#include <cwchar>
#include <functional>
#include <string>

namespace e2e {

// The file name box of the open and of the save dialog.
constexpr int kFileNameCombo = 1148;
constexpr int kFileNameEdit = 1152;

// The program's system dialog that takes input now (a question rather than
// the file dialog it came over), or null.
inline HWND programDialog(AppDriver& app)
{
    return testsupport::findProcessDialog(DWORD(app.processId()), true);
}

inline HWND waitForProgramDialog(AppDriver& app, const std::function<bool(HWND)>& wanted, int timeoutMs = 15000)
{
    HWND found = nullptr;
    app.waitFor(
        [&] {
            found = programDialog(app);
            return found && wanted(found);
        },
        timeoutMs);
    return found && wanted(found) ? found : nullptr;
}

// A file dialog's name box, or null for another dialog.
inline HWND fileNameBox(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, kFileNameCombo);
    return combo && IsWindowVisible(combo) ? combo : GetDlgItem(dialog, kFileNameEdit);
}

// The control of the dialog that has the keyboard, where typed keys go.
inline HWND focusedControl(HWND dialog)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) || !info.hwndFocus ||
        !IsChild(dialog, info.hwndFocus))
        return nullptr;
    return info.hwndFocus;
}

// Asked of the control itself: the window text of another process's
// control is not its content.
inline std::wstring fieldText(HWND field)
{
    wchar_t text[MAX_PATH * 2] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(field, WM_GETTEXT, MAX_PATH * 2, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return text;
}

// Types the text over what the focused field holds (selected first); true
// once the field shows the text.
inline bool typeIntoField(AppDriver& app, HWND dialog, const std::wstring& text)
{
    HWND field = nullptr;
    if (!app.waitFor([&] { return (field = focusedControl(dialog)) != nullptr; }, 5000))
        return false;
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t c : text)
        PostMessageW(field, WM_CHAR, WPARAM(c), 1);
    return app.waitFor([&] { return fieldText(field) == text; }, 15000);
}

// Answers the program's next file dialog with the path typed into its name
// box and OK (a shot of it taken first), and a question after it (the file
// exists) with Yes; true once the dialog has gone.
inline bool answerFileDialog(AppDriver& app, const std::wstring& path, const std::string& shot)
{
    HWND dialog = waitForProgramDialog(app, [](HWND found) { return fileNameBox(found) != nullptr; });
    if (!dialog || !typeIntoField(app, dialog, path))
        return false;
    app.shot(shot);
    flows::shotOfSystemDialog(dialog, shot + "-dialog");
    testsupport::pressDialogButton(dialog, IDOK);
    return app.waitFor([&] {
        if (!IsWindow(dialog))
            return true;
        HWND question = programDialog(app);
        if (question && question != dialog && !fileNameBox(question))
            testsupport::pressDialogButton(question, IDYES);
        return false;
    });
}

// The red, green and blue fields of the colour chooser opened in full.
constexpr int kColorFields[3] = {706, 707, 708};

// Answers the program's next colour chooser with the colour typed into its
// red, green and blue fields and OK (a shot of it taken first); true once
// the chooser has gone.
inline bool answerColorDialog(AppDriver& app, int red, int green, int blue, const std::string& shot)
{
    HWND dialog = waitForProgramDialog(app, [](HWND found) { return GetDlgItem(found, kColorFields[0]) != nullptr; });
    if (!dialog)
        return false;
    const int values[3] = {red, green, blue};
    for (int i = 0; i < 3; ++i) {
        HWND field = GetDlgItem(dialog, kColorFields[i]);
        const std::wstring text = std::to_wstring(values[i]);
        SendMessageW(field, EM_SETSEL, 0, -1);
        for (wchar_t c : text)
            PostMessageW(field, WM_CHAR, WPARAM(c), 1);
        if (!app.waitFor([&] { return fieldText(field) == text; }, 5000))
            return false;
    }
    app.shot(shot);
    flows::shotOfSystemDialog(dialog, shot + "-dialog");
    testsupport::pressDialogButton(dialog, IDOK);
    return app.waitFor([&] { return !IsWindow(dialog); });
}

} // namespace e2e
