#include "ui/core/input/UIClipboard.h"

#include "foundation/io/LittleEndian.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/TestText.h"
#include "ui/core/application/UIApplication.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A DIB header and size - 40 bytes of pixels, each byte set to fill.
Bytes dib(int width, int bitCount, uint32_t compression, size_t size, uint8_t fill)
{
    Bytes block(size, fill);
    const uint32_t words[] = {40, uint32_t(width), 2, 1 | uint32_t(bitCount) << 16, compression};
    for (int i = 0; i < 10; ++i)
        toLittleEndian<uint32_t>(i < 5 ? words[i] : 0, block.data() + 4 * i);
    return block;
}

// Another program: a plain window that puts blocks on the clipboard.
bool otherProgramWrites(const std::vector<std::pair<UINT, Bytes>>& formats)
{
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    bool placed = OpenClipboard(window) && EmptyClipboard();
    for (const auto& entry : formats) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, entry.second.size());
        std::memcpy(GlobalLock(block), entry.second.data(), entry.second.size());
        GlobalUnlock(block);
        placed = SetClipboardData(entry.first, block) && placed;
    }
    CloseClipboard();
    DestroyWindow(window);
    return placed;
}

void pumpMessages()
{
    MSG message;
    for (int round = 0; round < 20; ++round, Sleep(5)) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

class ChangeCounter : public SignalReceiver
{
public:
    void changed() { ++count; }
    int count = 0;
};

} // namespace

TEST(UIClipboardWine, FormatsFromOtherProgramsAreReadWithinTheirBlocks)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    const Bytes rgb = dib(2, 24, 0, 40 + 16, 0x80); // rows of 6 bytes padded to 8
    const Bytes al = {'A', 0, 'l', 0, 0, 0};
    // Blocks put there; the format available, text, image width and alpha read.
    const std::tuple<const char*, std::vector<std::pair<UINT, Bytes>>, int, const char*, int, int> cases[] = {
        {"24-bit DIB", {{CF_DIB, rgb}}, UIClipboard::kImage, "", 2, 255},
        {"32-bit DIB with alpha 0", {{CF_DIB, dib(3, 32, 0, 40 + 24, 0)}}, UIClipboard::kImage, "", 3, 255},
        {"block larger than its pixels",
         {{CF_DIB, dib(1, 32, 0, 40 + 64, 9)}},
         UIClipboard::kImage,
         "",
         1,
         9},
        {"BI_BITFIELDS", {{CF_DIB, dib(1, 32, 3, 40 + 20, 9)}}, UIClipboard::kImage, "", 0, -1},
        {"text beside an image", {{CF_DIB, rgb}, {CF_UNICODETEXT, al}}, UIClipboard::kText, "Al", 0, -1},
    };
    for (const auto& [name, formats, available, text, width, alpha] : cases) {
        ASSERT_TRUE(otherProgramWrites(formats)) << name;
        EXPECT_EQ(available, UIClipboard::availableFormat()) << name;
        EXPECT_EQ(text, testsupport::utf8(clipboard->text())) << name;
        Image image = clipboard->image();
        EXPECT_EQ(width, image.width()) << name;
        EXPECT_EQ(alpha, image.isNull() ? -1 : image.pixel(0, 0).alpha()) << name;
    }
}

TEST(UIClipboardWine, TheViewerHearsOtherProgramsUntilItLeavesTheChain)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    ChangeCounter counter;
    clipboard->connect(&counter, &ChangeCounter::changed);
    SetLastError(ERROR_ACCESS_DENIED); // a stale error must not make joining fail
    ASSERT_TRUE(clipboard->setViewerActive(true));
    pumpMessages();
    enum Step
    {
        kJoined,
        kLaterViewerCameAndWent, // its window must leave the chain as it goes
        kLeft
    };
    for (Step step : {kJoined, kLaterViewerCameAndWent, kLeft}) {
        if (step == kLaterViewerCameAndWent) {
            UIClipboard later;
            ASSERT_TRUE(later.setViewerActive(true));
            pumpMessages();
        }
        if (step == kLeft)
            clipboard->setViewerActive(false); // the chain's answer varies with its length
        counter.count = 0;
        ASSERT_TRUE(otherProgramWrites({{CF_UNICODETEXT, {'x', 0, 0, 0}}}));
        pumpMessages();
        EXPECT_EQ(step != kLeft, counter.count > 0) << step;
    }
    EXPECT_FALSE(clipboard->setViewerActive(false)) << "not in the chain any more";
    clipboard->disconnectAll();
}
