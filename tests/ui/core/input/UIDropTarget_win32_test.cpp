#include "ui/core/input/UIDropTarget.h"

#include "foundation/io/LittleEndian.h"
#include "tests/ui/core/input/DropSite.h"
#include "ui/core/input/UIDataObject.h"
#include "ui/core/input/UIGlobalBlock.h"
#include "ui/core/input/UIMimeBlocks.h"
#include "ui/core/input/UIOleDrag.h"

using testsupport::utf8;

namespace {

const int kLeft = 100;
const int kTop = 100;

// The drop target of a real window whose client area starts at (100, 100)
// on the screen, over the widgets of the drop-site window; real timers.
class DropTargetTest : public DropSiteTest
{
protected:
    void SetUp() override
    {
        DropSiteTest::SetUp();
        UITimerBackend::install(nullptr);
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, kLeft, kTop, 500, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        target = new UIDropTarget(top, window);
    }
    void TearDown() override
    {
        target->Release();
        DestroyWindow(window);
        DropSiteTest::TearDown();
    }
    static POINTL at(int x) { return POINTL{kLeft + x, kTop + 50}; }
    // Runs the loop until the drop timer has had time to fire.
    void waitForDrop()
    {
        for (int round = 0; round < 40; ++round) {
            Sleep(5);
            MessageLoop::instance()->mainLoop().processPendingEvents();
        }
    }
    static void setBlock(UIDataObject* data, CLIPFORMAT format, const ByteArray& bytes)
    {
        FORMATETC etc = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium = {};
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = static_cast<HGLOBAL>(UIGlobalBlock::fromBytes(bytes));
        ASSERT_EQ(S_OK, data->SetData(&etc, &medium, TRUE));
    }
    static UIDataObject* textData(const char16_t* text)
    {
        UIMimeData mime;
        mime.setText(text);
        auto* data = new UIDataObject();
        toOleData(mime, data);
        return data;
    }

    HWND window = nullptr;
    UIDropTarget* target = nullptr;
};

ByteArray wordsBlock(std::initializer_list<uint32_t> words, int size)
{
    ByteArray block;
    block.resize(size);
    int offset = 0;
    for (uint32_t word : words) {
        if (offset + 4 <= size)
            toLittleEndian<uint32_t>(word, block.data() + offset);
        offset += 4;
    }
    return block;
}

} // namespace

TEST_F(DropTargetTest, EnterMoveAndLeaveFollowTheWidgetUnderTheDrag)
{
    UIDataObject* data = textData(u"Solaris");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, target->DragEnter(data, MK_LBUTTON, at(10), &effect));
    EXPECT_EQ(DWORD(DROPEFFECT_NONE), effect);
    struct Step
    {
        int x;
        Log events;
        DWORD effect;
    };
    const Step steps[] = {
        {10, {"a:118", "a:119"}, DROPEFFECT_COPY},
        {110, {"a:120", "b:118", "b:119"}, DROPEFFECT_COPY},
        {210, {"b:120", "refusing:118", "refusing:119"}, DROPEFFECT_NONE},
        {310, {"refusing:120"}, DROPEFFECT_NONE},
    };
    for (const Step& step : steps) {
        log.clear();
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(S_OK, target->DragOver(MK_LBUTTON, at(step.x), &effect));
        EXPECT_EQ(step.effect, effect) << step.x;
        EXPECT_EQ(step.events, log) << step.x;
    }
    ASSERT_EQ(S_OK, target->DragOver(MK_LBUTTON, at(110), &effect));
    log.clear();
    EXPECT_EQ(S_OK, target->DragLeave());
    EXPECT_EQ(Log{"b:120"}, log);
    EXPECT_EQ(E_INVALIDARG, target->DragEnter(nullptr, 0, at(0), &effect));
    EXPECT_EQ(E_INVALIDARG, target->DragEnter(data, 0, at(0), nullptr));
    EXPECT_EQ(E_INVALIDARG, target->DragOver(0, at(0), nullptr));
    EXPECT_EQ(E_INVALIDARG, target->Drop(data, 0, at(0), nullptr));
    EXPECT_EQ(0u, data->Release()) << "the target let go of the data";
}

TEST_F(DropTargetTest, TheDropArrivesAfterDropReturnedWithTheFocusSet)
{
    struct Case
    {
        bool windowEnabled;
        int x;
        DWORD effect;
        Log events;
    };
    const Case cases[] = {
        {true, 10, DROPEFFECT_COPY, {"a:121 Solaris at 10,50 action 1 keys 1/3 focused"}},
        {false, 10, DROPEFFECT_NONE, {}}, // a disabled window gets no data
        {true, 310, DROPEFFECT_NONE, {}},
    };
    for (const Case& c : cases) {
        EnableWindow(window, c.windowEnabled);
        UIDataObject* data = textData(u"Solaris");
        DWORD effect = DROPEFFECT_COPY;
        target->DragEnter(data, MK_LBUTTON, at(c.x), &effect);
        effect = DROPEFFECT_COPY;
        target->DragOver(MK_LBUTTON | MK_SHIFT | MK_CONTROL, at(c.x), &effect);
        log.clear();
        effect = DROPEFFECT_COPY;
        ASSERT_EQ(S_OK, target->Drop(data, MK_LBUTTON | MK_SHIFT | MK_CONTROL, at(c.x), &effect));
        EXPECT_EQ(c.effect, effect) << c.x;
        EXPECT_TRUE(log.empty()) << "the drop waits for the timer";
        data->Release();
        waitForDrop();
        EXPECT_EQ(c.events, log) << c.windowEnabled << " " << c.x;
        if (UIWidget* focused = UIWidget::focusWidget())
            focused->clearFocus();
    }
}

TEST_F(DropTargetTest, HostileBlocksGiveNoEntryAndLeaveTheRestReadable)
{
    const CLIPFORMAT raw = CLIPFORMAT(RegisterClipboardFormatW(L"CF_DE4C14DD-E9D4-44f6-BC72-7DCC4309BBEF"));
    ByteArray rawOverrun = wordsBlock({'x'}, 516);
    toLittleEndian<uint32_t>(1000, rawOverrun.data() + 512);
    struct Case
    {
        const char* name;
        CLIPFORMAT format;
        ByteArray bytes;
    };
    const Case cases[] = {
        {"DIB header cut short", CF_DIB, wordsBlock({40, 1, 1}, 20)},
        {"DIB pixels cut short", CF_DIB, wordsBlock({40, 4, 4, 1 | (32 << 16), 0}, 44)},
        {"BI_BITFIELDS", CF_DIB, wordsBlock({40, 1, 1, 1 | (32 << 16), 3}, 56)},
        {"colour table", CF_DIB, wordsBlock({40, 1, 1, 1 | (32 << 16), 0, 0, 0, 0, 2}, 52)},
        {"negative width", CF_DIB, wordsBlock({40, 0xFFFFFFFF, 1, 1 | (32 << 16), 0}, 48)},
        {"raw count beyond its block", raw, rawOverrun},
        {"raw head cut short", raw, wordsBlock({'x'}, 300)},
        {"unterminated text", CF_UNICODETEXT, wordsBlock({0x00420041}, 4)},
        {"file list past its block", CF_HDROP, wordsBlock({400, 0, 0, 0, 1}, 24)},
    };
    for (const Case& c : cases) {
        auto* data = new UIDataObject();
        setBlock(data, c.format, c.bytes);
        DWORD effect = DROPEFFECT_COPY;
        target->DragEnter(data, MK_LBUTTON, at(10), &effect);
        EXPECT_TRUE(state->mimeData().isEmpty()) << c.name;
        EXPECT_EQ(S_OK, target->DragOver(MK_LBUTTON, at(10), &effect));
        EXPECT_EQ(DWORD(DROPEFFECT_NONE), effect) << c.name;
        target->DragLeave();
        // Beside a good block of another format the damaged one is simply
        // left out (a second block of the same format would never be read).
        bool text = c.format == CF_UNICODETEXT;
        setBlock(data, text ? raw : CF_UNICODETEXT,
                 text ? UIMimeBlocks::rawBlock(u"x-ok", ByteArray("1", 1)) : UIMimeBlocks::textBlock(u"Ran"));
        target->DragEnter(data, MK_LBUTTON, at(10), &effect);
        EXPECT_EQ(text ? "x-ok" : "text/plain", utf8(state->mimeData().types().join(u"|"))) << c.name;
        target->DragLeave();
        data->Release();
    }
}

TEST_F(DropTargetTest, KeyStatesMapToButtonsAndModifiersWithBit20AsAlt)
{
    struct Case
    {
        DWORD keys;
        uint32_t buttons;
        uint32_t modifiers;
    };
    const Case cases[] = {
        {MK_LBUTTON | MK_SHIFT, 1, 1},
        {MK_RBUTTON | MK_CONTROL, 2, 2},
        {MK_MBUTTON | 0x20, 4, 4},
        {MK_XBUTTON2, 8, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.buttons, UIDropTarget::buttonsOf(c.keys)) << c.keys;
        EXPECT_EQ(c.modifiers, UIDropTarget::modifiersOf(c.keys)) << c.keys;
    }
}

TEST_F(DropTargetTest, AWindowRegistersOneTargetAndRevokesItOnce)
{
    const bool expected[] = {true, false, true, false};
    const bool on[] = {true, true, false, false};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(expected[i], registerDropTarget(top, window, on[i])) << i;
    EXPECT_FALSE(registerDropTarget(top, nullptr, true));
}
