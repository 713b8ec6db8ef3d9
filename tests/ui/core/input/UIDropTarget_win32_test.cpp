#include "ui/core/input/UIDropTarget.h"

#include "foundation/io/LittleEndian.h"
#include "tests/ui/core/input/DropSite.h"
#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIDrag.h"
#include "ui/core/input/UIGlobalBlock.h"
#include "ui/core/input/UIMimeBlocks.h"
#include "ui/core/input/UIOleDrag.h"

#include <thread>

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
        SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindows, 0);
        SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    }
    void TearDown() override
    {
        SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, fullWindows, nullptr, 0);
        target->Release();
        EXPECT_TRUE(registerDropTarget(top, window, false));
        EXPECT_FALSE(registerDropTarget(top, window, false));
        DestroyWindow(window);
        DropSiteTest::TearDown();
    }
    static POINTL at(int x) { return POINTL{100 + x, 150}; }
    // Runs the loop long enough for the drop timer.
    static void pump()
    {
        MSG message;
        for (int round = 0; round < 40; ++round, Sleep(5)) {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        }
    }
    static UIDataObject* dataWith(CLIPFORMAT format, const ByteArray& bytes)
    {
        auto* data = new UIDataObject();
        FORMATETC etc = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium = {TYMED_HGLOBAL, {nullptr}, nullptr};
        medium.hGlobal = static_cast<HGLOBAL>(UIGlobalBlock::fromBytes(bytes));
        data->SetData(&etc, &medium, TRUE);
        return data;
    }

    HWND window = nullptr;
    UIDropTarget* target = nullptr;
    BOOL fullWindows = FALSE;
};

ByteArray wordsBlock(std::initializer_list<uint32_t> words, int size)
{
    ByteArray block;
    block.resize(size);
    int offset = 0;
    for (uint32_t word : words)
        toLittleEndian<uint32_t>(word, block.data() + (offset += 4) - 4);
    return block;
}

} // namespace

TEST_F(DropWindowTest, TheDropArrivesAfterDropReturnedWhereItIsTaken)
{
    struct Case
    {
        bool windowEnabled;
        int x;
        Log moves;
        DWORD effect;
        Log drop;
    };
    const Case cases[] = {
        {true,
         10,
         {"b:120", "a:118", "a:119"},
         DROPEFFECT_COPY,
         {"a:121 Solaris at 10,50 action 1 keys 1/3 focused"}},
        {true,
         210,
         {"b:120", "refusing:118", "refusing:119"},
         DROPEFFECT_NONE,
         {"refusing:121 Solaris at 10,50 action 0 keys 1/3 focused"}},
        {false, 10, {}, DROPEFFECT_NONE, {}}, // a disabled window gets no data
    };
    for (const Case& c : cases) {
        EnableWindow(window, c.windowEnabled);
        UIDataObject* data = dataWith(CF_UNICODETEXT, UIMimeBlocks::textBlock(u"Solaris"));
        DWORD effect = DROPEFFECT_COPY;
        ASSERT_EQ(S_OK, target->DragEnter(data, MK_LBUTTON, at(110), &effect));
        EXPECT_EQ(DWORD(DROPEFFECT_NONE), effect);
        target->DragOver(MK_LBUTTON, at(110), &(effect = DROPEFFECT_COPY));
        log.clear();
        target->DragOver(MK_LBUTTON | MK_SHIFT | MK_CONTROL, at(c.x), &(effect = DROPEFFECT_COPY));
        EXPECT_EQ(c.moves, log) << c.x;
        log.clear();
        ASSERT_EQ(S_OK, target->Drop(data, MK_LBUTTON | MK_SHIFT | MK_CONTROL, at(c.x),
                                     &(effect = DROPEFFECT_COPY)));
        EXPECT_EQ(c.effect, effect) << c.x;
        EXPECT_TRUE(log.empty()) << "the drop waits for the timer";
        pump();
        EXPECT_EQ(c.drop, log) << c.windowEnabled << " " << c.x;
        EXPECT_EQ(E_INVALIDARG, target->Drop(nullptr, 0, at(0), &effect));
        EXPECT_EQ(E_INVALIDARG, target->DragOver(0, at(0), nullptr));
        EXPECT_EQ(0u, data->Release()) << "the target let go of the data";
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}

TEST_F(DropWindowTest, HostileBlocksGiveNoEntryAndLeaveTheRestReadable)
{
    const CLIPFORMAT raw = CLIPFORMAT(RegisterClipboardFormatW(L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF"));
    ByteArray rawOverrun = wordsBlock({'x'}, 516);
    toLittleEndian<uint32_t>(1000, rawOverrun.data() + 512);
    struct Case
    {
        CLIPFORMAT format;
        ByteArray bytes;
    };
    const Case cases[] = {
        {CF_DIB, wordsBlock({40, 1, 1}, 20)},                                // header cut short
        {CF_DIB, wordsBlock({40, 4, 4, 1 | (32 << 16), 0}, 44)},             // pixels cut short
        {CF_DIB, wordsBlock({40, 1, 1, 1 | (32 << 16), 3}, 56)},             // BI_BITFIELDS
        {CF_DIB, wordsBlock({40, 1, 1, 1 | (32 << 16), 0, 0, 0, 0, 2}, 52)}, // colour table
        {CF_DIB, wordsBlock({40, 0xFFFFFFFF, 1, 1 | (32 << 16), 0}, 48)},    // negative width
        {raw, rawOverrun},                                                   // count beyond the block
        {raw, wordsBlock({'x'}, 300)},                                       // head cut short
        {CF_UNICODETEXT, wordsBlock({0x00420041}, 4)},                       // unterminated
        {CF_HDROP, wordsBlock({400, 0, 0, 0, 1}, 24)},                       // names past the block
    };
    for (const Case& c : cases) {
        UIDataObject* data = dataWith(c.format, c.bytes);
        DWORD effect = DROPEFFECT_COPY;
        target->DragEnter(data, MK_LBUTTON, at(10), &effect);
        EXPECT_TRUE(state->mimeData().isEmpty()) << c.format << " " << c.bytes.size();
        // Beside a good block of another format the damaged one is left out.
        bool text = c.format == CF_UNICODETEXT;
        FORMATETC format = {CLIPFORMAT(text ? raw : CF_UNICODETEXT), nullptr, DVASPECT_CONTENT, -1,
                            TYMED_HGLOBAL};
        STGMEDIUM medium = {TYMED_HGLOBAL, {nullptr}, nullptr};
        medium.hGlobal = static_cast<HGLOBAL>(UIGlobalBlock::fromBytes(
            text ? UIMimeBlocks::rawBlock(u"x-ok", ByteArray("1", 1)) : UIMimeBlocks::textBlock(u"Ran")));
        data->SetData(&format, &medium, TRUE);
        target->DragEnter(data, MK_LBUTTON, at(10), &effect);
        EXPECT_EQ(text ? "x-ok" : "text/plain", testsupport::utf8(state->mimeData().types().join(u"|")));
        target->DragLeave();
        data->Release();
    }
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

} // namespace

TEST_F(DropWindowTest, ARealDragFromHereDropsWithItsDataAndSourceOrIsCancelled)
{
    a->setDragEnabled(true);
    struct Case
    {
        DWORD press;
        DWORD end; // a button or, with 0, Escape
        DWORD release[2];
        uint32_t result;
        Log drops;
    };
    const Case cases[] = {
        {MOUSEEVENTF_LEFTDOWN,
         MOUSEEVENTF_LEFTUP,
         {},
         1,
         {"b:121 Heat at 55,50 action 1 keys 0/0 from source focused"}},
        {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_LEFTDOWN, {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP}, 0, {}},
        {MOUSEEVENTF_LEFTDOWN, 0, {MOUSEEVENTF_LEFTUP}, 0, {}},
    };
    for (const Case& c : cases) {
        perform(50, 0, 0);
        perform(0, c.press, 0);
        pump(); // the drag starts from a press this thread has seen
        UIMimeData mime;
        mime.setText(u"Heat");
        UIDrag drag(a);
        state->setMimeData(mime);
        BOOL fullWindowsInDrag = FALSE;
        std::thread hand([&c, &fullWindowsInDrag] {
            for (int x : {150, 155, 0}) {
                Sleep(150);
                SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindowsInDrag, 0);
                perform(x, x ? 0 : c.end, x || c.end ? 0 : VK_ESCAPE);
            }
        });
        log.clear();
        uint32_t result = drag.exec(UIDragState::kCopyAction | UIDragState::kMoveAction);
        hand.join();
        for (DWORD release : c.release)
            perform(0, release, 0);
        pump();
        Log drops;
        for (const std::string& entry : log) {
            if (entry.find(":121") != std::string::npos)
                drops.push_back(entry);
        }
        EXPECT_EQ(c.result, result) << c.press << " " << c.end;
        EXPECT_EQ(c.drops, drops) << c.press << " " << c.end;
        BOOL fullWindowsAfter = TRUE;
        SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindowsAfter, 0);
        EXPECT_TRUE(fullWindowsInDrag && !fullWindowsAfter) << "set for the drag only";
        EXPECT_TRUE(state->mimeData().isEmpty() && !state->source()) << "the drag state is reset";
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}
