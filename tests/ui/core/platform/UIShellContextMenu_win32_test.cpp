#include "ui/core/platform/UIShellContextMenu.h"

#include "tests/support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT_PTR kTimerId = 28;
const UINT kTickMs = 50;
// Ticks before the test gives up on Escape and ends the menu itself, so a
// menu that ignores the key fails the test instead of hanging it.
const int kGiveUpTicks = 100;

LRESULT CALLBACK ownerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeOwner()
{
    static const wchar_t* kClass = L"ShellMenuTestOwner";
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &ownerProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, kClass, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 150, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

String toString(const std::string& text)
{
    return String::fromUtf8(text.c_str());
}

StringList listOf(const std::vector<String>& items)
{
    StringList list;
    for (const String& item : items)
        list.append(item);
    return list;
}

int indexOf(const StringList& list, const char* name)
{
    int index = 0;
    for (StringList::Node* node = list.first(); node; node = node->next, ++index)
        if (node->value == String(name))
            return index;
    return -1;
}

// What the timer saw while show ran: the menu, the owner's procedure, and a
// second show tried from inside the first.
struct Watch
{
    HWND owner = nullptr;
    int ticks = 0;
    bool sawMenu = false;
    bool ownerSubclassed = false;
    bool showingInside = false;
    bool secondShowRan = true;
    bool gaveUp = false;
    StringList paths;
};
Watch g_watch;

void CALLBACK watchTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_watch.ticks;
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu) && !g_watch.sawMenu) {
        g_watch.sawMenu = true;
        g_watch.ownerSubclassed =
            reinterpret_cast<WNDPROC>(GetWindowLongPtrW(g_watch.owner, GWLP_WNDPROC)) != &ownerProcedure;
        g_watch.showingInside = UIShellContextMenu::isShowing();
        g_watch.secondShowRan = UIShellContextMenu::show(g_watch.paths, 60, 60, g_watch.owner);
    }
    if (g_watch.ticks >= kGiveUpTicks) {
        g_watch.gaveUp = true;
        EndMenu();
        return;
    }
    PostMessageW(g_watch.owner, WM_KEYDOWN, VK_ESCAPE, 0);
}

// Shows the menu for the paths with the watching timer running.
bool showWatched(HWND owner, const StringList& paths)
{
    g_watch = Watch();
    g_watch.owner = owner;
    g_watch.paths = paths;
    SetTimer(owner, kTimerId, kTickMs, &watchTick);
    bool ran = UIShellContextMenu::show(paths, 60, 60, owner);
    KillTimer(owner, kTimerId);
    // Escapes that arrived after the menu closed.
    MSG message;
    while (PeekMessageW(&message, owner, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
    }
    return ran;
}

// File types of our own below the classes root: ".rstkNN" naming "rstkNNfile",
// and the keys of the system's own that a fresh prefix may lack. Only keys
// made here are deleted again.
class TestFileTypes
{
public:
    explicit TestFileTypes(int count)
    {
        for (int i = 0; i < count; ++i) {
            std::wstring extension = L".rstk" + std::to_wstring(10 + i);
            std::wstring type = L"rstk" + std::to_wstring(10 + i) + L"file";
            setDefault(extension, type);
            setDefault(type, L"Test file");
        }
        setDefault(L"Folder", L"");
        setDefault(L"Directory", L"");
    }
    ~TestFileTypes()
    {
        for (const std::wstring& key : m_keys)
            RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
    }
    TestFileTypes(const TestFileTypes&) = delete;
    TestFileTypes& operator=(const TestFileTypes&) = delete;

private:
    void setDefault(const std::wstring& keyName, const std::wstring& value)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, keyName.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            &disposition) != ERROR_SUCCESS)
            return;
        if (disposition == REG_CREATED_NEW_KEY)
            m_keys.push_back(keyName);
        RegSetValueExW(key, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }

    std::vector<std::wstring> m_keys;
};

} // namespace

TEST(UIShellContextMenuWine, TypeKeysFollowTheItems)
{
    testsupport::TempDir dir;
    TestFileTypes types(12);
    std::vector<String> files;
    for (int i = 0; i < 12; ++i) {
        std::string name = "f" + std::to_string(i) + ".RSTK" + std::to_string(10 + i);
        ASSERT_TRUE(testsupport::writeFileBytes(dir.file(name), {1}));
        files.push_back(toString(dir.file(name)));
    }
    ASSERT_TRUE(testsupport::writeFileBytes(dir.file("again.rstk10"), {1}));
    String folder = toString(dir.path());
    String missing = toString(dir.file("missing.rstk11"));
    String again = toString(dir.file("again.rstk10"));

    struct Case
    {
        const char* what;
        std::vector<String> paths;
        std::vector<const char*> present;
        std::vector<const char*> absent;
    };
    const Case cases[] = {
        {"nothing exists", {missing}, {}, {"*", ".rstk11"}},
        {"a folder", {folder}, {"Folder", "Directory"}, {".rstk10"}},
        {"a file", {files[0]}, {".rstk10", "rstk10file"}, {"Folder", "Directory"}},
        {"a missing file among files", {missing, files[0]}, {".rstk10"}, {".rstk11", "rstk11file"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StringList keys = UIShellContextMenu::typeKeys(listOf(c.paths));
        for (const char* name : c.present)
            EXPECT_GE(indexOf(keys, name), 0) << name;
        for (const char* name : c.absent)
            EXPECT_EQ(indexOf(keys, name), -1) << name;
    }

    StringList folderKeys = UIShellContextMenu::typeKeys(listOf({folder}));
    EXPECT_EQ(indexOf(folderKeys, "Directory"), indexOf(folderKeys, "Folder") + 1);
    StringList fileKeys = UIShellContextMenu::typeKeys(listOf({files[0], again}));
    EXPECT_EQ(indexOf(fileKeys, "rstk10file"), indexOf(fileKeys, ".rstk10") + 1);
    int extensionKeys = 0;
    for (StringList::Node* node = fileKeys.first(); node; node = node->next)
        extensionKeys += node->value == String(".rstk10") ? 1 : 0;
    EXPECT_EQ(extensionKeys, 1);

    // Twelve files with their types offer 24 keys more than the menu takes.
    StringList manyKeys = UIShellContextMenu::typeKeys(listOf(files));
    EXPECT_EQ(manyKeys.count(), 16);
    EXPECT_GE(indexOf(manyKeys, ".rstk10"), 0);
    EXPECT_EQ(indexOf(manyKeys, "rstk21file"), -1);
}

TEST(UIShellContextMenuWine, MissingPathsAndOwnersShowNothing)
{
    testsupport::TempDir dir;
    HWND owner = makeOwner();
    ASSERT_NE(owner, nullptr);
    String missing = toString(dir.file("missing.txt"));
    String folder = toString(dir.path());
    const std::vector<String> missingLists[] = {{}, {missing}, {missing, toString(dir.file("gone"))}};
    for (const std::vector<String>& paths : missingLists) {
        EXPECT_FALSE(showWatched(owner, listOf(paths)));
        EXPECT_FALSE(g_watch.sawMenu);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner, GWLP_WNDPROC)), &ownerProcedure);
    }
    EXPECT_FALSE(UIShellContextMenu::show(listOf({folder}), 60, 60, nullptr));
    DestroyWindow(owner);
    EXPECT_FALSE(UIShellContextMenu::show(listOf({folder}), 60, 60, owner));
    EXPECT_FALSE(UIShellContextMenu::isShowing());
}

TEST(UIShellContextMenuWine, EscapeCancelsAndRunsNothing)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(testsupport::writeFileBytes(dir.file("note.txt"), {'a'}));
    HWND owner = makeOwner();
    ASSERT_NE(owner, nullptr);
    const std::vector<String> lists[] = {{toString(dir.path())}, {toString(dir.file("note.txt"))}};
    for (const std::vector<String>& paths : lists) {
        EXPECT_FALSE(showWatched(owner, listOf(paths)));
        EXPECT_TRUE(g_watch.sawMenu);
        EXPECT_FALSE(g_watch.gaveUp);
        EXPECT_TRUE(g_watch.showingInside);
        EXPECT_FALSE(g_watch.secondShowRan);
        EXPECT_TRUE(g_watch.ownerSubclassed);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner, GWLP_WNDPROC)), &ownerProcedure);
        EXPECT_FALSE(UIShellContextMenu::isShowing());
    }
    DestroyWindow(owner);
}
