#include "tests/support/ClipboardPictures.h"

#include <cstddef>
#include <cstdint>

namespace testsupport {

bool openClipboardSoon()
{
    for (int tries = 0; tries < 20; ++tries) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(50);
    }
    return false;
}

bool emptyClipboard()
{
    if (!openClipboardSoon())
        return false;
    const bool emptied = EmptyClipboard();
    CloseClipboard();
    return emptied;
}

bool copyPicture(int width, int height, COLORREF colour)
{
    const int stride = (width * 3 + 3) & ~3;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + size_t(stride) * size_t(height));
    if (!block)
        return false;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    header->biCompression = BI_RGB;
    auto* bits = reinterpret_cast<uint8_t*>(header + 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x)
            bits[y * stride + x] = 0;
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = bits + y * stride + x * 3;
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    GlobalUnlock(block);
    if (!openClipboardSoon()) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_DIB, block) != nullptr;
    CloseClipboard();
    if (!set)
        GlobalFree(block);
    return set;
}

bool readClipboardPicture(ClipboardPicture& out)
{
    if (!openClipboardSoon())
        return false;
    bool read = false;
    HANDLE block = GetClipboardData(CF_DIB);
    const auto* header = block ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(block)) : nullptr;
    if (header && (header->biBitCount == 24 || header->biBitCount == 32) && header->biWidth > 0 &&
        header->biHeight != 0) {
        out.width = header->biWidth;
        out.height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
        const int bytes = header->biBitCount / 8;
        const int stride = (out.width * bytes + 3) & ~3;
        const uint8_t* bits = reinterpret_cast<const uint8_t*>(header) + header->biSize +
                              (header->biCompression == BI_BITFIELDS ? 12 : 0);
        const uint8_t* pixel = bits + (out.height / 2) * stride + (out.width / 2) * bytes;
        out.centre = RGB(pixel[2], pixel[1], pixel[0]);
        read = true;
    }
    if (header)
        GlobalUnlock(block);
    CloseClipboard();
    return read;
}

} // namespace testsupport
