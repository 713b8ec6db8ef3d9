#include "ui/core/input/UIDrag.h"

#include "tests/ui/core/input/DropSite.h"
#include "ui/core/input/UIOleDrag.h"

#include <windows.h>

#include <thread>

namespace {

const int kLeft = 100;
const int kTop = 100;

// The user's hand: inputs sent from another thread while the system's drag
// loop runs on the test's thread.
struct Hand
{
    enum Kind
    {
        kMove,
        kButton,
        kKey
    };
    Kind kind;
    int value; // x in the window, mouse event flag or virtual key
    bool down;
};

void perform(const Hand& step)
{
    INPUT input = {};
    if (step.kind == Hand::kKey) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = WORD(step.value);
        input.ki.dwFlags = step.down ? 0 : KEYEVENTF_KEYUP;
    } else if (step.kind == Hand::kButton) {
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = DWORD(step.value);
    } else {
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG((kLeft + step.value) * 65536LL / GetSystemMetrics(SM_CXSCREEN)) + 1;
        input.mi.dy = LONG((kTop + 50) * 65536LL / GetSystemMetrics(SM_CYSCREEN)) + 1;
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(1, &input, sizeof(input));
}

BOOL dragFullWindows()
{
    BOOL on = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &on, 0);
    return on;
}

// A real window over the drop sites, with the toolkit's drop target, and
// real timers.
class DragTest : public DropSiteTest
{
protected:
    void SetUp() override
    {
        DropSiteTest::SetUp();
        UITimerBackend::install(nullptr);
        // A window of a class of our own: the system's static controls are
        // transparent to the pointer, so no drag would find them.
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ReelstackDragTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(WS_EX_TOPMOST, L"ReelstackDragTest", L"", WS_POPUP | WS_VISIBLE, kLeft, kTop,
                                 500, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(registerDropTarget(top, window, true));
        a->setDragEnabled(true);
        SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &m_fullWindows, 0);
        SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    }
    void TearDown() override
    {
        SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, m_fullWindows, nullptr, 0);
        registerDropTarget(top, window, false);
        DestroyWindow(window);
        DropSiteTest::TearDown();
    }
    void pump()
    {
        for (int round = 0; round < 40; ++round) {
            Sleep(5);
            MessageLoop::instance()->mainLoop().processPendingEvents();
        }
    }
    static void pumpInput()
    {
        for (int round = 0; round < 10; ++round) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(5);
        }
    }
    // The drop events among the logged ones.
    Log drops() const
    {
        Log found;
        for (const std::string& entry : log) {
            if (entry.find(":121") != std::string::npos)
                found.push_back(entry);
        }
        return found;
    }

    HWND window = nullptr;
    BOOL m_fullWindows = FALSE;
};

} // namespace

TEST_F(DragTest, ADragFromHereDropsWithItsDataAndSourceOrIsCancelled)
{
    struct Case
    {
        const char* name;
        DWORD press;
        std::vector<Hand> hand;
        std::vector<Hand> after;
        uint32_t result;
        Log drops;
    };
    const Hand toB = {Hand::kMove, 150, true};
    const Hand nearB = {Hand::kMove, 155, true};
    const Case cases[] = {
        {"left button released over b",
         MOUSEEVENTF_LEFTDOWN,
         {toB, nearB, {Hand::kButton, MOUSEEVENTF_LEFTUP, false}},
         {},
         UIDragState::kCopyAction,
         {"b:121 Heat at 55,50 action 1 keys 0/0 from source focused"}},
        {"left button during a right-button drag",
         MOUSEEVENTF_RIGHTDOWN,
         {toB, nearB, {Hand::kButton, MOUSEEVENTF_LEFTDOWN, true}},
         {{Hand::kButton, MOUSEEVENTF_LEFTUP, false}, {Hand::kButton, MOUSEEVENTF_RIGHTUP, false}},
         0,
         {}},
        {"Escape",
         MOUSEEVENTF_LEFTDOWN,
         {toB, nearB, {Hand::kKey, VK_ESCAPE, true}, {Hand::kKey, VK_ESCAPE, false}},
         {{Hand::kButton, MOUSEEVENTF_LEFTUP, false}},
         0,
         {}},
    };
    for (const Case& c : cases) {
        perform({Hand::kMove, 50, true});
        perform({Hand::kButton, int(c.press), true});
        // The drag starts from a press this thread has seen, as a widget's
        // press handler starts it.
        pumpInput();
        UIMimeData mime;
        mime.setText(u"Heat");
        UIDrag drag(a);
        state->setMimeData(mime);
        BOOL fullWindowsDuringDrag = FALSE;
        std::thread hand([&c, &fullWindowsDuringDrag] {
            for (const Hand& step : c.hand) {
                Sleep(150);
                fullWindowsDuringDrag = fullWindowsDuringDrag || dragFullWindows();
                perform(step);
            }
        });
        log.clear();
        uint32_t result = drag.exec(UIDragState::kCopyAction | UIDragState::kMoveAction);
        hand.join();
        for (const Hand& step : c.after)
            perform(step);
        pump();
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.drops, drops()) << c.name;
        EXPECT_TRUE(fullWindowsDuringDrag) << c.name;
        EXPECT_FALSE(dragFullWindows()) << c.name << ": the setting comes back";
        EXPECT_TRUE(state->mimeData().isEmpty() && state->source() == nullptr) << c.name;
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}

TEST_F(DragTest, ADragStartsOnlyFromADragEnabledSourceWithDataAndActions)
{
    UIMimeData mime;
    mime.setText(u"Heat");
    struct Case
    {
        UIWidget* source;
        bool withData;
        uint32_t actions;
    };
    const Case cases[] = {{b, true, 1}, {a, false, 1}, {a, true, 0}, {nullptr, true, 1}};
    for (const Case& c : cases) {
        UIDrag drag(c.source);
        if (c.withData)
            state->setMimeData(mime);
        EXPECT_EQ(0u, drag.exec(c.actions));
        EXPECT_EQ(c.withData, !state->mimeData().isEmpty()) << "a drag that ran would have reset the state";
        state->reset();
    }
}
