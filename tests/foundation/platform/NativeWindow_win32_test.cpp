// The hidden native window: its class, style and place, how a handler's
// answer decides between its result and the default handling, and that no
// message reaches the owner once it is being destroyed.
#include <gtest/gtest.h>

#include "foundation/platform/NativeWindow.h"

#include <vector>
#include <windows.h>

namespace {

const UINT kAsk = WM_APP + 11;

class ProbeWindow : public NativeWindow
{
public:
    ProbeWindow(const char16_t* className, void* parent, std::vector<UINT>* seen)
        : NativeWindow(String(className), parent), m_seen(seen)
    {
    }

    bool handleMessage(NativeMessage* message) override
    {
        m_seen->push_back(message->message);
        if (message->message == kAsk) {
            message->result = static_cast<intptr_t>(message->wParam) * 2;
            return true;
        }
        if (message->message == WM_SETTEXT && swallowText)
            return true;
        return false;
    }

    bool swallowText = false;

private:
    std::vector<UINT>* m_seen;
};

HWND hwndOf(const NativeWindow& window)
{
    return static_cast<HWND>(window.handle());
}

} // namespace

TEST(NativeWindow, IsAHiddenPopupFarOffScreenOrAChildOfItsParent)
{
    std::vector<UINT> seen;
    ProbeWindow window(u"ReelstackProbeA", nullptr, &seen);
    HWND hwnd = hwndOf(window);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & (WS_POPUP | WS_CHILD), LONG(WS_POPUP));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, -10000);
    EXPECT_EQ(rect.top, -10000);
    EXPECT_EQ(GetPropW(hwnd, L"[PROPERTY_OWNER]"), static_cast<void*>(&window));

    ProbeWindow child(u"ReelstackProbeA", window.handle(), &seen);
    ASSERT_NE(child.handle(), nullptr) << "two windows may share a class name";
    EXPECT_TRUE(GetWindowLongW(hwndOf(child), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParent(hwndOf(child)), hwnd);
    EXPECT_EQ(SendMessageW(hwndOf(child), kAsk, 5, 0), 10);
}

TEST(NativeWindow, HandlerResultOrDefaultHandling)
{
    std::vector<UINT> seen;
    ProbeWindow window(u"ReelstackProbeB", nullptr, &seen);
    HWND hwnd = hwndOf(window);
    EXPECT_EQ(SendMessageW(hwnd, kAsk, 21, 0), 42);

    // Refused by the handler: the default handling stores the text.
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kept"));
    wchar_t text[16] = {};
    GetWindowTextW(hwnd, text, 16);
    EXPECT_STREQ(text, L"kept");

    // Taken with result 0: the default handling never runs.
    window.swallowText = true;
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"lost"));
    GetWindowTextW(hwnd, text, 16);
    EXPECT_STREQ(text, L"kept");
}

TEST(NativeWindow, DestructionReachesNoOwnerAndRemovesWindowAndClass)
{
    std::vector<UINT> seen;
    auto* window = new ProbeWindow(u"ReelstackProbeD", nullptr, &seen);
    HWND hwnd = hwndOf(*window);
    seen.clear();
    delete window;
    // WM_DESTROY and friends arrive while the owner is half gone; they must
    // get the default handling only.
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(IsWindow(hwnd));
    WNDCLASSEXW info = {};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"ReelstackProbeD", &info));
}
