#include "foundation/signals/SignalReceiver.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/platform/UITrayIcon.h"
#include "ui/core/widget/UIContextMenu.h"

#include <windows.h>
// After windows.h: the shell's notification-area requests.
#include <shellapi.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the shell passes to the taskbar for one call: the request and the
// head of the icon's record (window, id, flags, callback, tip, state).
struct ShellCall
{
    DWORD request;
    UINT flags;
    std::u16string tip;
    DWORD state;
};

std::vector<ShellCall>& shellCalls()
{
    static std::vector<ShellCall> calls;
    return calls;
}

LRESULT CALLBACK taskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COPYDATA)
        return DefWindowProcW(window, message, wParam, lParam);
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const auto* bytes = static_cast<const BYTE*>(copy->lpData);
    ShellCall call = {static_cast<DWORD>(copy->dwData), 0, u"", 0};
    if (copy->cbData >= 16 + 256 + 8) {
        memcpy(&call.flags, bytes + 8, 4);
        call.tip = reinterpret_cast<const char16_t*>(bytes + 16);
        memcpy(&call.state, bytes + 16 + 256, 4);
    }
    shellCalls().push_back(call);
    return TRUE;
}

// A stand-in taskbar, so the shell's calls have somewhere to go and can be
// counted.
class FakeTaskbar
{
public:
    FakeTaskbar()
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = taskbarProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, L"Shell_TrayWnd", L"", WS_POPUP | WS_VISIBLE, 0, 1000, 400, 24, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        shellCalls().clear();
    }
    ~FakeTaskbar()
    {
        DestroyWindow(m_window);
        UnregisterClassW(L"Shell_TrayWnd", GetModuleHandleW(nullptr));
    }

private:
    HWND m_window;
};

class StandInMenu : public UIContextMenu
{
public:
    StandInMenu()
    {
        m_window = CreateWindowExW(0, L"STATIC", L"menu", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                   nullptr);
    }
    ~StandInMenu() override { DestroyWindow(m_window); }
    void popup(const Point&) override { ++popups; }
    void* windowHandle() const override { return m_window; }

    int popups = 0;

private:
    HWND m_window;
};

class Recorder : public SignalReceiver
{
public:
    void pressed(UIEvent* e) { note("press", e); }
    void released(UIEvent* e) { note("release", e); }
    void moved(UIEvent* e) { note("move", e); }
    void clicked(UIEvent* e) { note("click", e); }
    void note(const char* what, UIEvent* e)
    {
        log.push_back(what + (":" + std::to_string(static_cast<UIMouseEvent*>(e)->button())));
    }
    std::vector<std::string> log;
};

void sendToIcon(UITrayIcon& icon, UINT mouseMessage)
{
    UINT callback = RegisterWindowMessageW(L"D2F33579-5A5F-43ff-8E19-74B1974E8488");
    SendMessageW(static_cast<HWND>(icon.windowHandle()), callback, 1, mouseMessage);
}

} // namespace

TEST(UITrayIconWine, MouseMessagesBecomeSignalsAndTheRightReleaseShowsOnlyAnEnabledMenu)
{
    FakeTaskbar taskbar;
    UITrayIcon icon;
    EXPECT_TRUE(UITrayIcon::isTaskbarVisible());
    Recorder recorder;
    icon.mousePressed.connectWithArg(&recorder, &Recorder::pressed);
    icon.mouseReleased.connectWithArg(&recorder, &Recorder::released);
    icon.mouseMoved.connectWithArg(&recorder, &Recorder::moved);
    icon.clicked.connectWithArg(&recorder, &Recorder::clicked);
    const std::pair<UINT, std::vector<std::string>> cases[] = {
        {WM_MOUSEMOVE, {"move:1"}},
        {WM_LBUTTONDOWN, {"press:1"}},
        {WM_LBUTTONUP, {"release:1", "click:1"}},
        {WM_RBUTTONDOWN, {"press:2"}},
        {WM_RBUTTONUP, {"release:2", "click:2"}},
        {WM_LBUTTONDBLCLK, {}},
        {WM_MBUTTONUP, {}},
    };
    for (const auto& [message, log] : cases) {
        recorder.log.clear();
        sendToIcon(icon, message);
        EXPECT_EQ(recorder.log, log) << message;
    }

    auto* menu = new StandInMenu;
    icon.setContextMenu(menu);
    HWND menuWindow = static_cast<HWND>(menu->windowHandle());
    EXPECT_TRUE(UITrayIcon::isTrayMenu(menu));
    EXPECT_TRUE(UITrayIcon::isTrayMenuWindow(menuWindow));
    StandInMenu other;
    EXPECT_FALSE(UITrayIcon::isTrayMenu(&other));
    EXPECT_FALSE(UITrayIcon::isTrayMenuWindow(other.windowHandle()));
    EnableWindow(menuWindow, FALSE);
    recorder.log.clear();
    sendToIcon(icon, WM_RBUTTONUP);
    EXPECT_EQ(menu->popups, 0) << "a disabled menu stays down";
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"release:2", "click:2"}));
    EnableWindow(menuWindow, TRUE);
    sendToIcon(icon, WM_RBUTTONUP);
    EXPECT_EQ(menu->popups, 1);
    EXPECT_TRUE(GetWindowLongW(menuWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(UITrayIconWine, ShellRecordKeepsItsTextsCutAndComesBackWithTheTaskbar)
{
    FakeTaskbar taskbar;
    UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    {
        UITrayIcon icon;
        ASSERT_EQ(shellCalls().size(), 1u);
        EXPECT_EQ(shellCalls()[0].request, DWORD(NIM_ADD));
        EXPECT_EQ(shellCalls()[0].state, DWORD(NIS_HIDDEN)) << "an icon starts hidden";
        shellCalls().clear();
        icon.setVisible(true);
        icon.setVisible(true);
        ASSERT_EQ(shellCalls().size(), 1u) << "the same visibility twice is asked once";
        EXPECT_EQ(shellCalls()[0].state, 0u);

        std::u16string longTip;
        for (int i = 0; i < 200; ++i)
            longTip += char16_t(u'a' + i % 26);
        icon.setToolTip(String(longTip.c_str()));
        EXPECT_EQ(icon.toolTip().length(), 200);
        EXPECT_EQ(shellCalls().back().tip, longTip.substr(0, 127));
        Image image(16, 16, true);
        icon.setIcon(image);
        EXPECT_TRUE(shellCalls().back().flags & NIF_ICON);

        shellCalls().clear();
        SendMessageW(static_cast<HWND>(icon.windowHandle()), taskbarCreated, 0, 0);
        ASSERT_EQ(shellCalls().size(), 4u) << "added, then icon, tip and visibility again";
        EXPECT_EQ(shellCalls()[0].request, DWORD(NIM_ADD));
        EXPECT_TRUE(shellCalls()[1].flags & NIF_ICON);
        EXPECT_EQ(shellCalls()[2].tip, longTip.substr(0, 127));
        EXPECT_EQ(shellCalls()[3].state, 0u);
        EXPECT_TRUE(icon.isVisible());

        icon.setVisible(false);
        shellCalls().clear();
        SendMessageW(static_cast<HWND>(icon.windowHandle()), taskbarCreated, 0, 0);
        ASSERT_EQ(shellCalls().size(), 3u) << "a hidden icon is added back hidden";
        EXPECT_EQ(shellCalls()[0].state, DWORD(NIS_HIDDEN));
        EXPECT_FALSE(icon.isVisible());
        EXPECT_EQ(icon.iconRect().width, 0) << "a hidden icon has no place";
        shellCalls().clear();
    }
    ASSERT_EQ(shellCalls().size(), 1u);
    EXPECT_EQ(shellCalls()[0].request, DWORD(NIM_DELETE));
}
