// The browser host's windows under Wine, with plain windows standing in for
// the browser's own: the host window's class, the subclassing of the
// innermost window with its retry timer and click reports, and the wheel
// hook's lifetime. The system's HTML document is switched off here, so the
// probe must say no and the system browser is never made.
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/views/web/WebViewTestSupport.h"
#include "tests/ui/views/web/browser/BrowserWindowTest.h"
#include "tests/ui/views/web/browser/FakeWebBrowserControl.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/views/web/UIWebView.h"
#include "ui/views/web/WebViewEngine.h"
#include "ui/views/web/WebViewEventSink.h"
#include "ui/views/web/browser/MshtmlProbe.h"
#include "ui/views/web/browser/SystemBrowser.h"
#include "ui/views/web/browser/WebBrowserClickCatcher.h"
#include "ui/views/web/browser/WebBrowserHostWindow.h"
#include "ui/views/web/browser/WebBrowserPump.h"
#include "ui/views/web/browser/WebBrowserSubclass.h"
#include "ui/views/web/browser/WebBrowserWheelHook.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::UIHarness;
using testsupport::utf8;

namespace {

using webviewtest::Log;
const wchar_t kPlainClass[] = L"ReelstackPlainTestWindow";

bool hostClassRegistered()
{
    WNDCLASSEXW info = {};
    info.cbSize = sizeof(info);
    return GetClassInfoExW(GetModuleHandleW(nullptr), WebBrowserHostWindow::kClassName, &info) != FALSE;
}

class WebBrowserWindowsTest : public BrowserWindowTest
{
protected:
    void SetUp() override
    {
        BrowserWindowTest::SetUp();
        WNDCLASSEXW plain = {};
        plain.cbSize = sizeof(plain);
        plain.lpfnWndProc = DefWindowProcW;
        plain.hInstance = GetModuleHandleW(nullptr);
        plain.lpszClassName = kPlainClass;
        RegisterClassExW(&plain);
        control.elements = {{Rect(0, 0, 100, 20), u"A", u"go", u"dest.html"}};
    }
    // Three plain windows, one inside the other, as the browser makes them.
    HWND nest(HWND host)
    {
        HWND level = host;
        for (int depth = 0; depth < 3; ++depth)
            level = CreateWindowExW(0, kPlainClass, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, level,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
        return level;
    }

    FakeWebBrowserControl control;
};

} // namespace

TEST_F(WebBrowserWindowsTest, TheSystemDocumentIsOffSoOurEngineServes)
{
    EXPECT_FALSE(MshtmlProbe::probeNow(MshtmlProbe::kLimitMs));
    EXPECT_FALSE(SystemBrowser::isAvailable());
    EXPECT_EQ(nullptr, SystemBrowser::createEngine(topHandle(), sink.get(), 0));
}

TEST_F(WebBrowserWindowsTest, TheHostWindowIsAHiddenChildOfItsOwnClassWhileOneLives)
{
    ASSERT_FALSE(hostClassRegistered());
    auto first = std::make_unique<WebBrowserHostWindow>(topHandle());
    auto second = std::make_unique<WebBrowserHostWindow>(topHandle());
    HWND handle = static_cast<HWND>(first->handle());
    ASSERT_NE(nullptr, handle);
    EXPECT_TRUE(hostClassRegistered());
    EXPECT_EQ(topHandle(), GetParent(handle));
    EXPECT_EQ(DWORD(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN),
              DWORD(GetWindowLongW(handle, GWL_STYLE)) &
                  (WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE));
    int width = 0, height = 0;
    first->setSizeHandler([&](int w, int h) {
        width = w;
        height = h;
    });
    SetWindowPos(handle, nullptr, 10, 10, 140, 70, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(140, width);
    EXPECT_EQ(70, height);
    EXPECT_EQ(nullptr, first->innerWindow()) << "no browser windows yet";
    // The class stays while another host window is left.
    first.reset();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_TRUE(hostClassRegistered());
    second.reset();
    EXPECT_FALSE(hostClassRegistered());
}

TEST_F(WebBrowserWindowsTest, TheInnermostWindowIsSubclassedOnceThereAndReportsOneReleasePerPress)
{
    WebBrowserHostWindow host(topHandle());
    ShowWindow(static_cast<HWND>(host.handle()), SW_SHOW);
    WebBrowserClickCatcher catcher(&control, sink.get());
    auto subclass = std::make_unique<WebBrowserSubclass>(&host, &catcher);
    // Nothing to subclass yet: the timer tries again.
    EXPECT_TRUE(subclass->isRetrying());
    EXPECT_EQ(nullptr, subclass->subclassedWindow());
    HWND inner = nest(static_cast<HWND>(host.handle()));
    const LONG_PTR original = GetWindowLongPtrW(inner, GWLP_WNDPROC);
    ASSERT_TRUE(UIHarness::pumpUntil([&] { return subclass->subclassedWindow() == inner; }));
    EXPECT_FALSE(subclass->isRetrying());
    EXPECT_NE(original, GetWindowLongPtrW(inner, GWLP_WNDPROC));
    EXPECT_EQ(subclass.get(), GetPropW(inner, WebBrowserSubclass::kSubclassProperty));

    ASSERT_TRUE(UIHarness::activate(window));
    const LPARAM onLink = MAKELPARAM(5, 5);
    const struct
    {
        const char* name;
        UINT down;
        UINT up;
        WPARAM upKeys;
        int releases;
        Log log;
    } rows[] = {
        {"left", WM_LBUTTONDOWN, WM_LBUTTONUP, 0, 2, {"element:A,go", "link:dest.html,go"}},
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_LBUTTON, 2, {"release:2,1,0@5,5"}},
        {"double click", WM_LBUTTONDBLCLK, WM_LBUTTONUP, 0, 1, {}},
    };
    for (const auto& row : rows) {
        // The last row's press is a double click, which opens no report.
        if (row.down != WM_LBUTTONDBLCLK)
            SetFocus(topHandle());
        PostMessageW(inner, row.down, 0, onLink);
        for (int i = 0; i < row.releases; ++i)
            PostMessageW(inner, row.up, row.upKeys, onLink);
        UIHarness::pumpFor(50);
        EXPECT_EQ(row.log, log) << row.name;
        if (row.down != WM_LBUTTONDBLCLK) {
            EXPECT_EQ(inner, GetFocus()) << row.name << ": the press takes the focus into the page";
        }
        log.clear();
    }

    subclass.reset();
    EXPECT_EQ(original, GetWindowLongPtrW(inner, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, GetPropW(inner, WebBrowserSubclass::kSubclassProperty));
    EXPECT_EQ(nullptr, GetPropW(inner, WebBrowserSubclass::kProcedureProperty));
}

TEST_F(WebBrowserWindowsTest, TheWheelHookLivesWithTheLastHostAndMovesTheFocusIntoThePage)
{
    auto first = std::make_unique<WebBrowserHostWindow>(topHandle());
    auto second = std::make_unique<WebBrowserHostWindow>(topHandle());
    ShowWindow(static_cast<HWND>(second->handle()), SW_SHOW);
    SetWindowPos(static_cast<HWND>(second->handle()), nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    HWND inner = nest(static_cast<HWND>(second->handle()));
    EXPECT_FALSE(WebBrowserWheelHook::isInstalled());
    WebBrowserWheelHook::add(first.get());
    WebBrowserWheelHook::add(second.get());
    EXPECT_TRUE(WebBrowserWheelHook::isInstalled());

    ASSERT_TRUE(UIHarness::activate(window));
    SetFocus(topHandle());
    POINT over = {20, 20};
    ClientToScreen(inner, &over);
    SetCursorPos(over.x, over.y);
    INPUT wheel = {};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = DWORD(-WHEEL_DELTA);
    SendInput(1, &wheel, sizeof(wheel));
    EXPECT_TRUE(UIHarness::pumpUntil([&] { return GetFocus() == inner; }))
        << "focus on the window itself moves into the page";

    WebBrowserWheelHook::remove(first.get());
    EXPECT_TRUE(WebBrowserWheelHook::isInstalled()) << "a host is left";
    WebBrowserWheelHook::remove(second.get());
    EXPECT_FALSE(WebBrowserWheelHook::isInstalled());
}

// A wait delivers what is waiting; a quit ends it and is posted again, so
// the program's own loop still ends.
TEST_F(WebBrowserWindowsTest, TheWaitsPumpDeliversAndPassesAQuitOn)
{
    WebBrowserPump pump;
    MSG message;
    PostThreadMessageW(GetCurrentThreadId(), WM_APP + 7, 0, 0);
    EXPECT_TRUE(pump.dispatchWaiting());
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_APP + 7, WM_APP + 7, PM_NOREMOVE))
        << "the waiting message went";

    PostQuitMessage(3);
    EXPECT_FALSE(pump.dispatchWaiting());
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is there again";
    EXPECT_EQ(3u, message.wParam);
}
