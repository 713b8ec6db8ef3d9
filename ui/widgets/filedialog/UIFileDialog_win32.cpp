#include "ui/widgets/filedialog/UIFileDialog.h"

#include "graphics/image/Image.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

namespace {

constexpr int kTypedNameLength = 2048;
constexpr int kFileNameBox = 1152;
constexpr int kFileNameCombo = 1148;
constexpr UINT kPlaceQuietly =
    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_ASYNCWINDOWPOS;

const wchar_t* wide(const String& text)
{
    return text.isEmpty() ? nullptr : reinterpret_cast<const wchar_t*>(text.constCharAt(0));
}

HWND ownerWindow(const UIWidget* owner)
{
    return owner ? static_cast<HWND>(owner->windowHandle()) : nullptr;
}

// One run of a system dialog: the dialog object and the icon the run gave
// the system's window, destroyed when the run ends.
class DialogRun
{
public:
    explicit DialogRun(UIFileDialog* dialog) : m_dialog(dialog) {}
    ~DialogRun()
    {
        if (m_icon)
            DestroyIcon(m_icon);
    }
    DialogRun(const DialogRun&) = delete;
    DialogRun& operator=(const DialogRun&) = delete;

    UIFileDialog* dialog() const { return m_dialog; }

    void decorate(HWND window)
    {
        wchar_t current[512] = {};
        GetWindowTextW(window, current, 512);
        const String text = m_dialog->caption(String(reinterpret_cast<const char16_t*>(current)));
        SetWindowTextW(window, reinterpret_cast<const wchar_t*>(text.constCharAt(0)));
        const Image icon = UIApplication::instance()->smallWindowIcon();
        if (!m_icon && !icon.isNull())
            m_icon = icon.toIcon();
        if (m_icon)
            SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    }

private:
    UIFileDialog* m_dialog;
    HICON m_icon = nullptr;
};

void followFilter(HWND dialog, const UIFileDialog& owner, int systemFilterIndex)
{
    wchar_t typed[kTypedNameLength] = {};
    SendMessageW(dialog, CDM_GETSPEC, kTypedNameLength, reinterpret_cast<LPARAM>(typed));
    const String name(reinterpret_cast<const char16_t*>(typed));
    if (name.isEmpty())
        return;
    const String changed = owner.nameForFilter(name, systemFilterIndex - 1);
    // Explorer-style dialogs show the name in a combo box; only older ones
    // have the plain edit box.
    const int box = GetDlgItem(dialog, kFileNameCombo) ? kFileNameCombo : kFileNameBox;
    SendMessageW(dialog, CDM_SETCONTROLTEXT, box, reinterpret_cast<LPARAM>(wide(changed)));
}

UINT_PTR CALLBACK fileDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return 0;
    const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
    auto* run = reinterpret_cast<DialogRun*>(notify->lpOFN->lCustData);
    HWND dialog = GetParent(hook);
    if (notify->hdr.code == CDN_INITDONE)
        run->decorate(dialog);
    else if (notify->hdr.code == CDN_TYPECHANGE)
        followFilter(dialog, *run->dialog(), int(notify->lpOFN->nFilterIndex));
    return 0;
}

int CALLBACK folderBrowserCallback(HWND window, UINT message, LPARAM lParam, LPARAM data)
{
    auto* run = reinterpret_cast<DialogRun*>(data);
    const UIFileDialog* dialog = run->dialog();
    if (message == BFFM_INITIALIZED) {
        run->decorate(window);
        if (!dialog->path().isEmpty()) {
            SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide(dialog->path())));
            SendMessageW(window, BFFM_SETEXPANDED, TRUE, reinterpret_cast<LPARAM>(wide(dialog->path())));
        }
        const Point at = dialog->position();
        if (at.x != 0 || at.y != 0)
            SetWindowPos(window, nullptr, at.x, at.y, 0, 0, kPlaceQuietly);
    } else if (message == BFFM_SELCHANGED) {
        wchar_t folder[MAX_PATH + 1] = {};
        const BOOL inFileSystem = SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), folder);
        SendMessageW(window, BFFM_ENABLEOK, 0, inFileSystem ? TRUE : FALSE);
    }
    return 0;
}

} // namespace

bool UIFileDialog::runFileDialog()
{
    std::vector<char16_t> filters = filterBlock();
    std::vector<char16_t> buffer = fileBuffer();
    const String extension = filterExtension(m_filterIndex);
    DialogRun run(this);
    OPENFILENAMEW record = {};
    record.lStructSize = sizeof(record);
    record.hwndOwner = ownerWindow(m_owner);
    record.hInstance = GetModuleHandleW(nullptr);
    record.lpstrFilter = reinterpret_cast<const wchar_t*>(filters.data());
    record.nFilterIndex = DWORD(m_filterIndex + 1);
    record.lpstrFile = reinterpret_cast<wchar_t*>(buffer.data());
    record.nMaxFile = DWORD(buffer.size());
    record.lpstrInitialDir = wide(m_path);
    record.lpstrDefExt = wide(extension);
    record.lCustData = reinterpret_cast<LPARAM>(&run);
    record.lpfnHook = fileDialogHook;
    record.Flags = DWORD(systemFlags());
    const BOOL chosen = m_acceptMode == kSaveMode ? GetSaveFileNameW(&record) : GetOpenFileNameW(&record);
    if (!chosen)
        return false;
    return acceptFiles(buffer.data(), int(buffer.size()), int(record.nFilterIndex));
}

bool UIFileDialog::runFolderBrowser()
{
    DialogRun run(this);
    wchar_t displayName[MAX_PATH + 1] = {};
    BROWSEINFOW info = {};
    info.hwndOwner = ownerWindow(m_owner);
    info.pszDisplayName = displayName;
    info.lpszTitle = wide(m_description);
    info.ulFlags = UINT(browserFlags());
    info.lpfn = folderBrowserCallback;
    info.lParam = reinterpret_cast<LPARAM>(&run);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return false;
    wchar_t folder[MAX_PATH + 1] = {};
    const BOOL found = SHGetPathFromIDListW(chosen, folder);
    CoTaskMemFree(chosen);
    return found && acceptFolder(String(reinterpret_cast<const char16_t*>(folder)));
}
