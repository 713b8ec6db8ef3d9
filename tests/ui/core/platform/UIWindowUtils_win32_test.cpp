#include "ui/core/platform/UIWindowUtils.h"

#include "tests/support/StrayWindows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

HWND makeWindow(DWORD style, HWND parent, int x, int y, int width, int height, DWORD extended = 0)
{
    return CreateWindowExW(extended, L"BUTTON", L"", style, x, y, width, height, parent, nullptr, nullptr,
                           nullptr);
}

} // namespace

TEST(UIWindowUtilsWine, TreeQuestionsAndPointMapping)
{
    // Top-most, so that no window of another program on the display is at
    // the point asked either.
    testsupport::hideStrayWindows();
    HWND top = makeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 100, 100, 300, 200, WS_EX_TOPMOST);
    HWND child = makeWindow(WS_CHILD | WS_VISIBLE, top, 10, 20, 50, 50);
    HWND owned = makeWindow(WS_POPUP, top, 0, 0, 10, 10);
    HWND desktop = GetDesktopWindow();
    EXPECT_EQ(UIWindowUtils::desktopWindow(), desktop);
    struct Case
    {
        HWND window;
        HWND root;
        HWND rootOwner;
    };
    const Case cases[] = {{child, top, top}, {owned, owned, top}, {desktop, desktop, desktop}};
    for (const Case& c : cases) {
        EXPECT_EQ(UIWindowUtils::rootWindow(c.window), c.root);
        EXPECT_EQ(UIWindowUtils::rootOwnerWindow(c.window), c.rootOwner);
    }
    EXPECT_FALSE(UIWindowUtils::isWindow(nullptr));
    EXPECT_TRUE(UIWindowUtils::isWindow(child));
    EXPECT_TRUE(UIWindowUtils::isVisible(child));
    EXPECT_FALSE(UIWindowUtils::isVisible(owned));

    Point inTop = UIWindowUtils::mapPoint(child, top, Point(1, 2));
    EXPECT_EQ(inTop.x, 11);
    EXPECT_EQ(inTop.y, 22);
    Point screen = UIWindowUtils::clientToScreen(child, Point(1, 2));
    Point back = UIWindowUtils::screenToClient(child, screen);
    EXPECT_EQ(back.x, 1);
    EXPECT_EQ(back.y, 2);
    EXPECT_EQ(UIWindowUtils::windowAt(screen), child);

    RECT outer = {};
    RECT client = {};
    GetWindowRect(top, &outer);
    GetClientRect(top, &client);
    Rect margins = UIWindowUtils::frameMargins(top);
    EXPECT_EQ(margins.x + margins.width, (outer.right - outer.left) - client.right);
    EXPECT_EQ(margins.y + margins.height, (outer.bottom - outer.top) - client.bottom);
    DestroyWindow(owned);
    DestroyWindow(top);
}

TEST(UIWindowUtilsWine, StyleTextIconsAndProcessWindows)
{
    const std::pair<DWORD, uint32_t> cases[] = {
        {WS_OVERLAPPEDWINDOW, 7},
        {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 4},
        {WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX, 1},
        {WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 0},
    };
    for (const auto& [style, capabilities] : cases) {
        HWND window = makeWindow(style, nullptr, 0, 0, 100, 100);
        EXPECT_EQ(UIWindowUtils::styleCapabilities(window), capabilities) << std::hex << style;
        DestroyWindow(window);
    }

    HWND shown = makeWindow(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 20, 20);
    HWND hidden = makeWindow(WS_POPUP, nullptr, 0, 0, 20, 20);
    HWND disabled = makeWindow(WS_POPUP | WS_VISIBLE | WS_DISABLED, nullptr, 0, 0, 20, 20);
    std::wstring longText(3000, L'x');
    SetWindowTextW(shown, longText.c_str());
    EXPECT_EQ(UIWindowUtils::windowText(shown).length(), UIWindowUtils::kMaxWindowText);
    EXPECT_TRUE(UIWindowUtils::windowText(hidden).isEmpty());

    // Which of shown, hidden and disabled each option finds.
    const HWND mine[] = {shown, hidden, disabled};
    const std::pair<uint32_t, std::vector<bool>> filters[] = {
        {0, {true, true, true}}, {1, {true, false, true}}, {2, {true, true, false}}};
    for (const auto& [options, expected] : filters) {
        List<void*> windows = UIWindowUtils::processWindows(GetCurrentProcessId(), options);
        std::vector<bool> found = {false, false, false};
        for (void* window : windows) {
            for (int i = 0; i < 3; ++i)
                found[i] = found[i] || window == mine[i];
            EXPECT_NE(window, GetDesktopWindow());
        }
        EXPECT_EQ(found, expected) << options;
    }

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(UIWindowUtils::processModulePath(shown), String(reinterpret_cast<const char16_t*>(path)));
    EXPECT_EQ(UIWindowUtils::smallWindowIcon(shown).size(), Size(16, 16));
    EXPECT_FALSE(UIWindowUtils::largeWindowIcon(shown).isNull());
    DestroyWindow(shown);
    DestroyWindow(hidden);
    DestroyWindow(disabled);
}

TEST(UIWindowUtilsWine, UncoveredAreaLeavesOutWindowsAbove)
{
    // Both top-most, the later one above: no other window can come between.
    testsupport::hideStrayWindows();
    HWND below = makeWindow(WS_POPUP | WS_VISIBLE, nullptr, 100, 100, 200, 100, WS_EX_TOPMOST);
    HWND above = makeWindow(WS_POPUP | WS_VISIBLE, nullptr, 200, 50, 300, 300, WS_EX_TOPMOST);
    Rect open = UIWindowUtils::uncoveredArea(below);
    EXPECT_EQ(open.x, 100);
    EXPECT_EQ(open.y, 100);
    EXPECT_EQ(open.width, 100) << "the right half is under the other window";
    EXPECT_EQ(open.height, 100);
    SetWindowPos(above, nullptr, 0, 0, 400, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(UIWindowUtils::uncoveredArea(below).width, 0) << "all of it covered";
    DestroyWindow(above);
    DestroyWindow(below);
}
