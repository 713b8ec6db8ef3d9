#include "ui/core/platform/UIShellContextMenu.h"

#include "foundation/platform/Registry.h"
#include "foundation/platform/Win32Text.h"
#include "ui/core/platform/UIShellFolderWrapper.h"

#include <windows.h>

#include <cstring>
#include <shlobj.h>
#include <vector>

namespace {

const int kMaxKeys = 16;
const int kMaxExtensionFiles = 16;
const UINT kFirstCommand = 1;
const UINT kLastCommand = 0x7FFF;
const int kVerbChars = 260;
const int kDefFolderMenuOrdinal = 701;
const int kMultiFilePropertiesOrdinal = 716;
const UINT kMergeContextMenu = 1;
const UINT kInvokeCommand = 2;
const UINT kGetDefaultStaticId = 14;

using DefFolderMenuCreate = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, HWND, UINT, PCUITEMID_CHILD_ARRAY,
                                             IShellFolder*, LPFNDFMCALLBACK, UINT, const HKEY*,
                                             IContextMenu**);
using MultiFileProperties = HRESULT(WINAPI*)(IDataObject*, DWORD);

// The subclass procedure has no way to its menu but these, which is why
// only one shell menu can be tracked at a time.
bool g_showing = false;
WNDPROC g_previousProcedure = nullptr;
IContextMenu2* g_menu2 = nullptr;
IContextMenu3* g_menu3 = nullptr;

// Older and stripped-down shells lack these; the caller then does nothing.
void* shellFunction(int ordinal)
{
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    return shell ? reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(ordinal))) : nullptr;
}

DWORD attributesOf(const String& path)
{
    return path.isEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wideText(path));
}

// The paths that name an existing file or folder, in order.
StringList existingPaths(const StringList& paths, bool* hasFolder)
{
    StringList kept;
    *hasFolder = false;
    for (StringList::Node* node = paths.first(); node; node = node->next) {
        DWORD attributes = attributesOf(node->value);
        if (attributes == INVALID_FILE_ATTRIBUTES)
            continue;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            *hasFolder = true;
        kept.append(node->value);
    }
    return kept;
}

// The lower-case extension of the file name at the end of a path; empty when
// the name has none.
String extensionOf(const String& path)
{
    int slash = path.lastIndexOfChar(u'\\', 0);
    int otherSlash = path.lastIndexOfChar(u'/', 0);
    if (otherSlash > slash)
        slash = otherSlash;
    int dot = path.lastIndexOfChar(u'.', 0);
    if (dot <= slash + 1 || dot == path.length() - 1)
        return String();
    return path.mid(dot + 1, path.length() - dot - 1).toLower();
}

// The keys below the classes root that the shell builds the menu from, held
// open for as long as the menu lives.
class TypeKeys
{
public:
    TypeKeys(const StringList& paths, bool hasFolder)
    {
        add(String("*"));
        add(String("AllFileSystemObjects"));
        if (hasFolder) {
            add(String("Folder"));
            add(String("Directory"));
        }
        StringList extensions;
        int files = 0;
        for (StringList::Node* node = paths.first(); node && files < kMaxExtensionFiles; node = node->next) {
            DWORD attributes = attributesOf(node->value);
            if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
                continue;
            ++files;
            String extension = extensionOf(node->value);
            if (extension.isEmpty() || extensions.contains(extension))
                continue;
            extensions.append(extension);
            String extensionKey = String(".") + extension;
            add(extensionKey);
            String fileType = Registry::classesRootDefault(extensionKey);
            if (!fileType.isEmpty())
                add(fileType);
        }
    }
    ~TypeKeys()
    {
        for (HKEY key : m_keys)
            RegCloseKey(key);
    }
    TypeKeys(const TypeKeys&) = delete;
    TypeKeys& operator=(const TypeKeys&) = delete;

    const std::vector<HKEY>& keys() const { return m_keys; }
    const StringList& names() const { return m_names; }

private:
    void add(const String& name)
    {
        HKEY key = nullptr;
        if (int(m_keys.size()) >= kMaxKeys || m_names.contains(name) ||
            RegOpenKeyExW(HKEY_CLASSES_ROOT, wideText(name), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return;
        m_keys.push_back(key);
        m_names.append(name);
    }

    std::vector<HKEY> m_keys;
    StringList m_names;
};

// The items' IDs relative to their parent folder, which the shell menu takes.
class ShellItems
{
public:
    ShellItems() = default;
    ~ShellItems()
    {
        for (PITEMID_CHILD child : m_children)
            CoTaskMemFree(child);
        if (m_parent)
            m_parent->Release();
    }
    ShellItems(const ShellItems&) = delete;
    ShellItems& operator=(const ShellItems&) = delete;

    // False when any path does not parse: the menu would then show for fewer
    // items than were asked.
    bool collect(const StringList& paths)
    {
        IShellFolder* desktop = nullptr;
        if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop)
            return false;
        bool collected = true;
        for (StringList::Node* node = paths.first(); node && collected; node = node->next)
            collected = addItem(desktop, node->value);
        desktop->Release();
        return collected && !m_children.empty();
    }

    IShellFolder* parent() const { return m_parent; }
    UINT count() const { return UINT(m_children.size()); }
    PCUITEMID_CHILD_ARRAY items() const { return const_cast<PCUITEMID_CHILD_ARRAY>(m_children.data()); }

private:
    bool addItem(IShellFolder* desktop, const String& path)
    {
        std::vector<wchar_t> name(wideText(path), wideText(path) + path.length() + 1);
        PIDLIST_RELATIVE item = nullptr;
        if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &item, nullptr)) ||
            !item)
            return false;
        IShellFolder* parent = nullptr;
        PCUITEMID_CHILD child = nullptr;
        bool added = false;
        if (SUCCEEDED(SHBindToParent(reinterpret_cast<PCIDLIST_ABSOLUTE>(item), IID_IShellFolder,
                                     reinterpret_cast<void**>(&parent), &child)) &&
            parent && child) {
            UINT bytes = ILGetSize(reinterpret_cast<PCUIDLIST_RELATIVE>(child));
            auto copy = static_cast<PITEMID_CHILD>(CoTaskMemAlloc(bytes));
            if (copy) {
                memcpy(copy, child, bytes);
                m_children.push_back(copy);
                added = true;
                if (!m_parent) {
                    m_parent = parent;
                    parent = nullptr;
                }
            }
        }
        if (parent)
            parent->Release();
        CoTaskMemFree(item);
        return added;
    }

    IShellFolder* m_parent = nullptr;
    std::vector<PITEMID_CHILD> m_children;
};

HRESULT CALLBACK folderMenuCallback(IShellFolder*, HWND, IDataObject*, UINT message, WPARAM, LPARAM)
{
    if (message == kMergeContextMenu)
        return S_OK;
    // The shell's default handling runs the command and picks the default.
    if (message == kInvokeCommand || message == kGetDefaultStaticId)
        return S_FALSE;
    return E_NOTIMPL;
}

LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The shell draws its owner-drawn submenus (Send To, Open With) itself;
    // they only come to the owner window.
    bool menuMessage =
        ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && wParam == 0) || message == WM_INITMENUPOPUP;
    if (g_menu3 && (menuMessage || message == WM_MENUCHAR)) {
        LRESULT result = 0;
        if (SUCCEEDED(g_menu3->HandleMenuMsg2(message, wParam, lParam, &result)))
            return result;
    } else if (g_menu2 && menuMessage) {
        g_menu2->HandleMenuMsg(message, wParam, lParam);
        return 1;
    }
    return CallWindowProcW(g_previousProcedure, window, message, wParam, lParam);
}

// The owner window runs through the subclass procedure while it lives, and
// gets its own procedure back however tracking ends.
class OwnerSubclass
{
public:
    OwnerSubclass(HWND owner, IContextMenu2* menu2, IContextMenu3* menu3) : m_owner(owner)
    {
        if (!menu2 && !menu3)
            return;
        g_menu2 = menu2;
        g_menu3 = menu3;
        g_previousProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner, GWLP_WNDPROC));
        if (g_previousProcedure)
            m_subclassed =
                SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProcedure)) != 0;
    }
    ~OwnerSubclass()
    {
        if (m_subclassed)
            SetWindowLongPtrW(m_owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previousProcedure));
        g_previousProcedure = nullptr;
        g_menu2 = nullptr;
        g_menu3 = nullptr;
    }
    OwnerSubclass(const OwnerSubclass&) = delete;
    OwnerSubclass& operator=(const OwnerSubclass&) = delete;

private:
    HWND m_owner;
    bool m_subclassed = false;
};

bool invokeCommand(IContextMenu* menu, UINT offset)
{
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof(info);
    info.lpVerb = MAKEINTRESOURCEA(offset);
    info.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu->InvokeCommand(&info));
}

bool showProperties(const ShellItems& items)
{
    auto properties = reinterpret_cast<MultiFileProperties>(shellFunction(kMultiFilePropertiesOrdinal));
    IDataObject* data = nullptr;
    // The item IDs are relative to their parent folder, so it is the one
    // that can make their data object.
    if (!properties ||
        FAILED(items.parent()->GetUIObjectOf(nullptr, items.count(), items.items(), IID_IDataObject, nullptr,
                                             reinterpret_cast<void**>(&data))) ||
        !data)
        return false;
    bool shown = SUCCEEDED(properties(data, 0));
    data->Release();
    return shown;
}

// Tracks the menu and runs the picked command; true when one ran.
bool trackAndRun(IContextMenu* menu, const ShellItems& items, HWND owner, int x, int y)
{
    HMENU popup = CreatePopupMenu();
    if (!popup)
        return false;
    bool ran = false;
    if (SUCCEEDED(menu->QueryContextMenu(popup, UINT(GetMenuItemCount(popup)), kFirstCommand, kLastCommand,
                                         CMF_NORMAL))) {
        IContextMenu3* menu3 = nullptr;
        IContextMenu2* menu2 = nullptr;
        if (FAILED(menu->QueryInterface(IID_IContextMenu3, reinterpret_cast<void**>(&menu3))))
            menu3 = nullptr;
        if (!menu3 && FAILED(menu->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&menu2))))
            menu2 = nullptr;
        UINT picked = 0;
        {
            OwnerSubclass subclass(owner, menu2, menu3);
            picked = UINT(TrackPopupMenu(popup, TPM_RETURNCMD, x, y, 0, owner, nullptr));
        }
        if (menu3)
            menu3->Release();
        if (menu2)
            menu2->Release();
        if (picked >= kFirstCommand && picked <= kLastCommand) {
            UINT offset = picked - kFirstCommand;
            char verb[kVerbChars] = {};
            if (FAILED(menu->GetCommandString(offset, GCS_VERBA, nullptr, verb, kVerbChars)))
                verb[0] = 0;
            verb[kVerbChars - 1] = 0;
            if (strcmp(verb, "properties") == 0 && items.count() > 0)
                ran = showProperties(items);
            else
                ran = invokeCommand(menu, offset);
        }
    }
    DestroyMenu(popup);
    return ran;
}

bool showMenu(const StringList& paths, int x, int y, HWND owner)
{
    bool hasFolder = false;
    StringList kept = existingPaths(paths, &hasFolder);
    if (kept.isEmpty())
        return false;
    // Any order keeps every item; sorted, folders and files come the same
    // way each time.
    if (hasFolder)
        kept.sort(1);
    auto create = reinterpret_cast<DefFolderMenuCreate>(shellFunction(kDefFolderMenuOrdinal));
    ShellItems items;
    if (!create || !items.collect(kept))
        return false;
    TypeKeys keys(kept, hasFolder);
    auto* wrapper = new UIShellFolderWrapper(items.parent(), kept);
    IContextMenu* menu = nullptr;
    HRESULT created = create(nullptr, owner, items.count(), items.items(), wrapper, &folderMenuCallback,
                             UINT(keys.keys().size()), keys.keys().data(), &menu);
    bool ran = false;
    if (SUCCEEDED(created) && menu)
        ran = trackAndRun(menu, items, owner, x, y);
    if (menu)
        menu->Release();
    wrapper->Release();
    return ran;
}

} // namespace

bool UIShellContextMenu::show(const StringList& paths, int x, int y, void* ownerWindow)
{
    HWND owner = static_cast<HWND>(ownerWindow);
    // The subclass state is process-wide, and a menu can only be tracked for
    // a window of this thread.
    if (g_showing || paths.isEmpty() || !IsWindow(owner) ||
        GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId())
        return false;
    g_showing = true;
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ran = showMenu(paths, x, y, owner);
    if (SUCCEEDED(com))
        CoUninitialize();
    g_showing = false;
    return ran;
}

bool UIShellContextMenu::isShowing()
{
    return g_showing;
}

StringList UIShellContextMenu::typeKeys(const StringList& paths)
{
    bool hasFolder = false;
    StringList kept = existingPaths(paths, &hasFolder);
    if (kept.isEmpty())
        return StringList();
    TypeKeys keys(kept, hasFolder);
    return keys.names();
}
