#pragma once

// Driving the text export and import windows as a user would: the system's
// file dialog answered with a path (and its overwrite question with Yes),
// the program's own message boxes read and closed. Windows only.
#include "tests/support/LaterStep.h"
#include "tests/support/SystemDialogs.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/messagebox/UIMessageBox.h"

#include <windows.h>

#include <commdlg.h>

#include <cwchar>
#include <string>
#include <vector>

namespace textexchangetest {

// The file name box of the open and of the save dialog.
constexpr int kFileNameCombo = 1148;
constexpr int kFileNameEdit = 1152;

inline BOOL CALLBACK keepEnabledDialog(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (!IsWindowVisible(window) || !IsWindowEnabled(window) || std::wcscmp(name, L"#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The system dialog of this thread that takes input now (the overwrite
// question rather than the file dialog under it), or null.
inline HWND enabledSystemDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepEnabledDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

inline bool isFileDialog(HWND dialog)
{
    return GetDlgItem(dialog, kFileNameCombo) || GetDlgItem(dialog, kFileNameEdit);
}

inline std::wstring wide(const std::string& utf8)
{
    String value = testsupport::text(utf8);
    return std::wstring(reinterpret_cast<const wchar_t*>(value.data()), size_t(value.length()));
}

// Answers the next file dialog with the path (Cancel for an empty one) and
// any overwrite question with Yes. The name the dialog proposed is kept.
class FileDialogAnswer
{
public:
    explicit FileDialogAnswer(const std::string& path)
        : m_path(wide(path)), m_step(
                                  50, [this] { return step(); }, 600)
    {
    }
    bool answered() const { return m_answered; }
    const std::string& proposedName() const { return m_proposed; }

private:
    bool step()
    {
        HWND dialog = enabledSystemDialog();
        if (!dialog)
            return false;
        if (!isFileDialog(dialog)) {
            testsupport::pressDialogButton(dialog, IDYES);
            return false;
        }
        if (m_answered)
            return false;
        wchar_t proposed[MAX_PATH] = {};
        if (!GetDlgItemTextW(dialog, kFileNameEdit, proposed, MAX_PATH))
            GetDlgItemTextW(dialog, kFileNameCombo, proposed, MAX_PATH);
        m_proposed = testsupport::utf8(String(reinterpret_cast<const char16_t*>(proposed)));
        m_answered = true;
        if (m_path.empty()) {
            testsupport::pressDialogButton(dialog, IDCANCEL);
            return true;
        }
        for (int id : {kFileNameCombo, kFileNameEdit})
            SendMessageW(dialog, CDM_SETCONTROLTEXT, id, reinterpret_cast<LPARAM>(m_path.c_str()));
        testsupport::pressDialogButton(dialog, IDOK);
        return false;
    }

    std::wstring m_path;
    bool m_answered = false;
    std::string m_proposed;
    testsupport::LaterStep m_step;
};

inline UIMessageBox* runningMessageBox()
{
    for (UIWidget* widget : UIApplication::instance()->widgetList()) {
        auto* box = dynamic_cast<UIMessageBox*>(widget);
        if (box && box->isModalRunning() && box->isVisible())
            return box;
    }
    return nullptr;
}

// Closes each of the program's message boxes with OK as it comes up and
// keeps what it said.
class MessageBoxReader
{
public:
    struct Seen
    {
        int kind;
        std::string text;
        std::string informativeText;
    };

    MessageBoxReader()
        : m_step(
              50, [this] { return step(); }, 600)
    {
    }
    const std::vector<Seen>& seen() const { return m_seen; }

private:
    bool step()
    {
        UIMessageBox* box = runningMessageBox();
        if (!box)
            m_last = nullptr;
        if (!box || box == m_last)
            return false;
        m_last = box;
        m_seen.push_back(
            {box->kind(), testsupport::utf8(box->text()), testsupport::utf8(box->informativeText())});
        if (UIButton* ok = box->button(UIMessageBox::kOk))
            testsupport::UIHarness::click(ok, ok->rect().center());
        return false;
    }

    std::vector<Seen> m_seen;
    UIMessageBox* m_last = nullptr;
    testsupport::LaterStep m_step;
};

} // namespace textexchangetest
