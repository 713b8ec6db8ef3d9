#include "ui/core/input/UIDropTarget.h"

#include "foundation/io/LittleEndian.h"
#include "tests/support/DropData.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/input/DropSite.h"
#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDrag.h"
#include "ui/core/input/UIMimeBlocks.h"
#include "ui/core/input/UIOleDrag.h"

#include <atomic>
#include <thread>
#include <tuple>

using testsupport::dataWith;

namespace {

// The drop sites under a real window with the toolkit's drop target, whose
// client area starts at (100, 100) on the screen; real timers.
class DropWindowTest : public DropSiteTest
{
protected:
    void SetUp() override
    {
        DropSiteTest::SetUp();
        UITimerBackend::install(nullptr);
        // A class of our own: the system's static controls are transparent
        // to the pointer, so no drag would find them.
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ReelstackDropTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(WS_EX_TOPMOST, L"ReelstackDropTest", L"", WS_POPUP | WS_VISIBLE, 100, 100,
                                 500, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_TRUE(registerDropTarget(top, window, true));
        EXPECT_FALSE(registerDropTarget(top, window, true)) << "one target per window";
        target = new UIDropTarget(top, window);
    }
    void TearDown() override
    {
        target->Release();
        EXPECT_TRUE(registerDropTarget(top, window, false));
        EXPECT_FALSE(registerDropTarget(top, window, false));
        DestroyWindow(window);
        DropSiteTest::TearDown();
    }
    static POINTL at(int x) { return POINTL{100 + x, 150}; }

    HWND window = nullptr;
    UIDropTarget* target = nullptr;
};

ByteArray wordsBlock(std::initializer_list<uint32_t> words, int size)
{
    ByteArray block;
    block.resize(size);
    for (size_t i = 0; i < words.size(); ++i)
        toLittleEndian<uint32_t>(words.begin()[i], block.data() + 4 * i);
    return block;
}

} // namespace

TEST_F(DropWindowTest, HostileBlocksAndADisabledWindowGiveNoData)
{
    const CLIPFORMAT raw = CLIPFORMAT(RegisterClipboardFormatW(L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF"));
    ByteArray rawOverrun = wordsBlock({'x'}, 516);
    toLittleEndian<uint32_t>(1000, rawOverrun.data() + 512);
    const ByteArray text = UIMimeBlocks::textBlock(u"Ran");
    // The block, whether the window is enabled, and the entries read.
    const std::tuple<CLIPFORMAT, ByteArray, bool, const char*> cases[] = {
        {CF_UNICODETEXT, text, true, "text/plain"},
        {CF_UNICODETEXT, text, false, ""},
        {CF_DIB, wordsBlock({40, 4, 4, 1 | (32 << 16), 0}, 44), true, ""}, // pixels cut short
        {CF_DIB, wordsBlock({40, 1, 1, 1 | (32 << 16), 3}, 56), true, ""}, // BI_BITFIELDS
        {raw, rawOverrun, true, ""},                                       // count beyond the block
        {CF_UNICODETEXT, wordsBlock({0x00420041}, 4), true, ""},           // unterminated
        {CF_HDROP, wordsBlock({400, 0, 0, 0, 1}, 24), true, ""},           // names past the block
    };
    DWORD effect = DROPEFFECT_COPY;
    for (const auto& [format, bytes, windowEnabled, types] : cases) {
        EnableWindow(window, windowEnabled);
        UIDataObject* data = dataWith(format, bytes);
        EXPECT_EQ(S_OK, target->DragEnter(data, MK_LBUTTON, at(10), &(effect = DROPEFFECT_COPY)));
        EXPECT_EQ(types, testsupport::utf8(state->mimeData().types().join(u"|"))) << format;
        target->DragOver(MK_LBUTTON, at(10), &(effect = DROPEFFECT_COPY));
        EXPECT_EQ(DWORD(*types ? DROPEFFECT_COPY : DROPEFFECT_NONE), effect) << format;
        target->DragLeave();
        EXPECT_EQ(0u, data->Release()) << "the target let go of the data";
    }
    EXPECT_EQ(E_INVALIDARG, target->DragEnter(nullptr, 0, at(0), &effect));
    EXPECT_EQ(E_INVALIDARG, target->DragOver(0, at(0), nullptr));
}

namespace {

// The user's hand, from another thread while the system's drag loop runs:
// a move to x in the window, a mouse event, or a key pressed and released.
void perform(int x, DWORD mouse, WORD key)
{
    INPUT inputs[2] = {};
    for (int i = 0; key && i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = key;
        inputs[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
    }
    if (key) {
        SendInput(2, inputs, sizeof(INPUT));
        return;
    }
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = x ? MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE : mouse;
    inputs[0].mi.dx = LONG((100 + x) * 65536LL / GetSystemMetrics(SM_CXSCREEN)) + 1;
    inputs[0].mi.dy = LONG(150 * 65536LL / GetSystemMetrics(SM_CYSCREEN)) + 1;
    SendInput(1, inputs, sizeof(INPUT));
}

// A drop site that also tells another thread where the drag last reached it.
class WatchedSite : public DropSite
{
public:
    using DropSite::DropSite;
    std::atomic<int> lastX{-1};

protected:
    void dragEnterEvent(UIEvent* e) override
    {
        DropSite::dragEnterEvent(e);
        lastX = UIDragMoveEvent::position().x;
    }
    void dragMoveEvent(UIEvent* e) override
    {
        DropSite::dragMoveEvent(e);
        lastX = UIDragMoveEvent::position().x;
    }
};

// Moves the pointer to x until the site has seen the drag there: the drag
// loop may not run yet when the hand begins. The pause only spaces the tries.
bool moveUntilSeen(const WatchedSite& site, int x, int siteLeft)
{
    for (int tries = 0; tries < 1000; ++tries) {
        perform(x, 0, 0);
        Sleep(10);
        if (site.lastX == x - siteLeft)
            return true;
    }
    return false;
}

} // namespace

TEST(UIDragWine, ARealDragBetweenWidgetsDropsWithItsDataAndSourceOrIsCancelled)
{
    using testsupport::UIHarness;
    ASSERT_TRUE(UIHarness::start());
    UIWidget* window = UIHarness::openWindow(nullptr, 100, 100, 500, 100);
    Log log;
    DropSite* a = new DropSite(window, &log, "a");
    WatchedSite* b = new WatchedSite(window, &log, "b");
    for (DropSite* site : {a, static_cast<DropSite*>(b)}) {
        site->setGeometry(site == a ? 0 : 100, 0, 100, 100);
        site->show();
    }
    a->setDragEnabled(true);
    UIDragState* state = UIDragState::instance();
    BOOL fullWindows = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindows, 0);
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    struct Case
    {
        DWORD press;
        DWORD end; // a button or, with 0, Escape
        uint32_t result;
        const char* lastEvent;
    };
    const Case cases[] = {
        {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1,
         "b:121 Heat at 55,50 action 1 keys 0/0 from source focused"},
        {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_LEFTDOWN, 0, "b:120"},
        {MOUSEEVENTF_LEFTDOWN, 0, 0, "b:120"},
    };
    for (const Case& c : cases) {
        perform(50, 0, 0);
        perform(0, c.press, 0);
        UIHarness::pumpFor(50); // the drag starts from a press the window has seen
        UIMimeData mime;
        mime.setText(u"Heat");
        UIDrag drag(a);
        state->setMimeData(mime);
        BOOL fullWindowsInDrag = FALSE;
        bool seen = false;
        b->lastX = -1;
        // Each step waits until the drop site has seen the last.
        std::thread hand([&c, &fullWindowsInDrag, &seen, b] {
            seen = moveUntilSeen(*b, 150, 100) && moveUntilSeen(*b, 155, 100);
            SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindowsInDrag, 0);
            perform(0, c.end, c.end ? 0 : VK_ESCAPE);
        });
        log.clear();
        uint32_t result = drag.exec(UIDragState::kCopyAction | UIDragState::kMoveAction);
        hand.join();
        EXPECT_TRUE(seen) << "the drag reached the site";
        EXPECT_TRUE(log.empty() || log.back().find(":121") == std::string::npos) << "dropped after the drag";
        for (DWORD release : {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP})
            perform(0, release, 0);
        UIHarness::pumpFor(200);
        EXPECT_EQ(c.result, result) << c.press << " " << c.end;
        EXPECT_EQ(c.lastEvent, log.empty() ? "" : log.back()) << c.press << " " << c.end;
        BOOL fullWindowsAfter = TRUE;
        SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindowsAfter, 0);
        EXPECT_TRUE(fullWindowsInDrag && !fullWindowsAfter) << "set for the drag only";
        EXPECT_TRUE(state->mimeData().isEmpty() && !state->source()) << "the drag state is reset";
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, fullWindows, nullptr, 0);
    UIHarness::closeWindow(window);
}
