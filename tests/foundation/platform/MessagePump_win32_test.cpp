// Proves that the cross-compiled tests really run as Win32 programs: a hidden
// window gets a posted message through an ordinary message pump.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

const UINT kPing = WM_APP + 7;
int g_pingsSeen = 0;
WPARAM g_lastValue = 0;

LRESULT CALLBACK pingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPing) {
        ++g_pingsSeen;
        g_lastValue = wParam;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

TEST(MessagePump, HiddenWindowReceivesPostedMessage)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = pingProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ReelstackPingTest";
    ASSERT_NE(RegisterClassW(&windowClass), 0);

    HWND window = CreateWindowExW(0, L"ReelstackPingTest", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, instance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));

    ASSERT_TRUE(PostMessageW(window, kPing, 42, 0));
    MSG msg;
    DWORD start = GetTickCount();
    while (g_pingsSeen == 0 && GetTickCount() - start < 5000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
    EXPECT_EQ(g_pingsSeen, 1);
    EXPECT_EQ(g_lastValue, 42u);

    DestroyWindow(window);
    UnregisterClassW(L"ReelstackPingTest", instance);
}
