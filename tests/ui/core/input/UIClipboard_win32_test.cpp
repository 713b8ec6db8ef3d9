#include "ui/core/input/UIClipboard.h"

#include "foundation/io/LittleEndian.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/TestText.h"
#include "ui/core/application/UIApplication.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A DIB header and size - 40 bytes of pixels, each byte set to fill.
Bytes dib(int width, int bitCount, uint32_t compression, uint32_t colours, size_t size, uint8_t fill)
{
    Bytes block(size, fill);
    const uint32_t words[] = {40, uint32_t(width), 2, 1 | uint32_t(bitCount) << 16, compression, 0, 0,
                              0,  colours,         0};
    for (int i = 0; i < 10; ++i)
        toLittleEndian<uint32_t>(words[i], block.data() + 4 * i);
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
    const Bytes rgb = dib(2, 24, 0, 0, 40 + 16, 0x80); // rows of 6 bytes padded to 8
    const Bytes text = {'A', 0, 'l', 0, 0, 0};
    struct Case
    {
        const char* name;
        std::vector<std::pair<UINT, Bytes>> formats;
        int available;
        const char* text;
        int width;
        int alpha;
    };
    const Case cases[] = {
        {"24-bit DIB", {{CF_DIB, rgb}}, UIClipboard::kImage, "", 2, 255},
        {"32-bit DIB with alpha 0",
         {{CF_DIB, dib(3, 32, 0, 0, 40 + 24, 0)}},
         UIClipboard::kImage,
         "",
         3,
         255},
        {"block larger than its pixels",
         {{CF_DIB, dib(1, 32, 0, 0, 40 + 64, 9)}},
         UIClipboard::kImage,
         "",
         1,
         9},
        {"BI_BITFIELDS", {{CF_DIB, dib(1, 32, 3, 0, 40 + 20, 9)}}, UIClipboard::kImage, "", 0, -1},
        {"colour table", {{CF_DIB, dib(1, 32, 0, 1, 40 + 12, 9)}}, UIClipboard::kImage, "", 0, -1},
        {"pixels cut short", {{CF_DIB, dib(2, 24, 0, 0, 40 + 15, 9)}}, UIClipboard::kImage, "", 0, -1},
        {"text beside an image", {{CF_DIB, rgb}, {CF_UNICODETEXT, text}}, UIClipboard::kText, "Al", 0, -1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(otherProgramWrites(c.formats)) << c.name;
        EXPECT_EQ(c.available, UIClipboard::availableFormat()) << c.name;
        EXPECT_EQ(c.text, testsupport::utf8(clipboard->text())) << c.name;
        Image image = clipboard->image();
        EXPECT_EQ(c.width, image.width()) << c.name;
        EXPECT_EQ(c.alpha, image.isNull() ? -1 : image.pixel(0, 0).alpha()) << c.name;
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
