#include "ui/core/input/UIClipboard.h"

#include "foundation/io/LittleEndian.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/TestText.h"
#include "ui/core/application/UIApplication.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

using testsupport::utf8;

namespace {

using Bytes = std::vector<uint8_t>;

// A DIB header of 40 bytes followed by size - 40 bytes of pixels, each
// pixel byte set to fill.
Bytes dib(int width, int height, int bitCount, uint32_t compression, uint32_t colours, size_t size,
          uint8_t fill)
{
    Bytes block(size, fill);
    std::memset(block.data(), 0, 40);
    toLittleEndian<uint32_t>(40, block.data());
    toLittleEndian<uint32_t>(uint32_t(width), block.data() + 4);
    toLittleEndian<uint32_t>(uint32_t(height), block.data() + 8);
    toLittleEndian<uint16_t>(1, block.data() + 12);
    toLittleEndian<uint16_t>(uint16_t(bitCount), block.data() + 14);
    toLittleEndian<uint32_t>(compression, block.data() + 16);
    toLittleEndian<uint32_t>(colours, block.data() + 32);
    return block;
}

Bytes wide(const char16_t* text, size_t units)
{
    Bytes block(units * 2);
    for (size_t i = 0; i < units; ++i)
        toLittleEndian<uint16_t>(uint16_t(text[i]), block.data() + 2 * i);
    return block;
}

// Another program: a plain window that puts blocks on the clipboard.
class OtherProgram
{
public:
    OtherProgram()
        : m_window(CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~OtherProgram() { DestroyWindow(m_window); }

    struct Format
    {
        UINT format;
        Bytes bytes;
    };
    bool write(const std::vector<Format>& formats)
    {
        if (!OpenClipboard(m_window))
            return false;
        EmptyClipboard();
        bool placed = true;
        for (const Format& entry : formats) {
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, entry.bytes.size());
            std::memcpy(GlobalLock(block), entry.bytes.data(), entry.bytes.size());
            GlobalUnlock(block);
            placed = SetClipboardData(entry.format, block) != nullptr && placed;
        }
        CloseClipboard();
        return placed;
    }

private:
    HWND m_window;
};

void pumpMessages()
{
    for (int round = 0; round < 20; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
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
    OtherProgram other;
    // Rows of 2 x 24-bit pixels are padded from 6 to 8 bytes.
    const Bytes rgb = dib(2, 2, 24, 0, 0, 40 + 16, 0x80);
    struct Case
    {
        const char* name;
        std::vector<OtherProgram::Format> formats;
        int available;
        const char* text;
        int width;
        uint8_t alpha;
    };
    const Case cases[] = {
        {"24-bit DIB", {{CF_DIB, rgb}}, UIClipboard::kImage, "", 2, 255},
        {"32-bit DIB with alpha 0",
         {{CF_DIB, dib(3, 1, 32, 0, 0, 40 + 12, 0)}},
         UIClipboard::kImage,
         "",
         3,
         255},
        {"block larger than its pixels",
         {{CF_DIB, dib(1, 1, 32, 0, 0, 40 + 64, 9)}},
         UIClipboard::kImage,
         "",
         1,
         9},
        {"BI_BITFIELDS", {{CF_DIB, dib(1, 1, 32, 3, 0, 40 + 16, 9)}}, UIClipboard::kImage, "", 0, 0},
        {"colour table", {{CF_DIB, dib(1, 1, 32, 0, 1, 40 + 8, 9)}}, UIClipboard::kImage, "", 0, 0},
        {"pixels cut short", {{CF_DIB, dib(2, 2, 24, 0, 0, 40 + 15, 9)}}, UIClipboard::kImage, "", 0, 0},
        {"text beside an image",
         {{CF_DIB, rgb}, {CF_UNICODETEXT, wide(u"Alien\0", 6)}},
         UIClipboard::kText,
         "Alien",
         0,
         0},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(other.write(c.formats)) << c.name;
        EXPECT_EQ(c.available, UIClipboard::availableFormat()) << c.name;
        EXPECT_EQ(c.text, utf8(clipboard->text())) << c.name;
        Image image = clipboard->image();
        EXPECT_EQ(c.width, image.width()) << c.name;
        if (!image.isNull()) {
            EXPECT_EQ(c.alpha, image.pixel(0, 0).alpha()) << c.name;
        }
    }
}

TEST(UIClipboardWine, ATwentyFourBitImageGoesOnAsA32BitDib)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    Image dot(1, 1, false);
    dot.fill(Color(1, 2, 3));
    clipboard->setImage(dot);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL block = GetClipboardData(CF_DIB);
    EXPECT_GE(GlobalSize(block), 44u);
    const uint8_t* bytes = static_cast<const uint8_t*>(GlobalLock(block));
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(32, fromLittleEndian<uint16_t>(bytes + 14));
    EXPECT_EQ(Bytes({3, 2, 1, 255}), Bytes(bytes + 40, bytes + 44));
    GlobalUnlock(block);
    CloseClipboard();
}

TEST(UIClipboardWine, TheViewerHearsOtherProgramsUntilItLeavesTheChain)
{
    UIClipboard* clipboard = UIApplication::instance()->clipboard();
    ChangeCounter counter;
    clipboard->connect(&counter, &ChangeCounter::changed);
    OtherProgram other;
    // A stale error from an earlier call must not make joining fail.
    SetLastError(ERROR_ACCESS_DENIED);
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
        ASSERT_TRUE(other.write({{CF_UNICODETEXT, wide(u"x\0", 2)}}));
        pumpMessages();
        EXPECT_EQ(step != kLeft, counter.count > 0) << step;
    }
    EXPECT_FALSE(clipboard->setViewerActive(false)) << "not in the chain any more";
    clipboard->disconnectAll();
}
