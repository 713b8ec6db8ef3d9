#include "ui/views/web/WebViewPrinter.h"

#include <windows.h>

#include <commdlg.h>

namespace {

void freeDialogMemory(PRINTDLGW& dialog)
{
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    dialog.hDevMode = nullptr;
    dialog.hDevNames = nullptr;
}

// Asks the system for a printer: first, silently, whether there is one at
// all (the dialog would only say there is none), then the user's choice.
HDC choosePrinter()
{
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgW(&dialog))
        return nullptr;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    const BOOL chosen = PrintDlgW(&dialog);
    freeDialogMemory(dialog);
    return chosen ? dialog.hDC : nullptr;
}

bool printBand(HDC printer, const Image& page, const Rect& band, const Size& printable)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = page.width();
    info.bmiHeader.biHeight = -band.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int height = static_cast<int>(int64_t(band.height) * printable.width / page.width());
    const uint8_t* rows = page.bits() + static_cast<size_t>(page.stride()) * band.y;
    if (StartPage(printer) <= 0)
        return false;
    const int drawn = StretchDIBits(printer, 0, 0, printable.width, height, 0, 0, page.width(), band.height,
                                    rows, &info, DIB_RGB_COLORS, SRCCOPY);
    return EndPage(printer) > 0 && drawn != static_cast<int>(GDI_ERROR);
}

} // namespace

bool WebViewPrinter::print(const Image& page)
{
    if (page.isNull() || page.bitsPerPixel() != 32)
        return false;
    HDC printer = choosePrinter();
    if (!printer)
        return false;
    const Size printable(GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES));
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = L"Reelstack";
    bool printed = StartDocW(printer, &document) > 0;
    for (const Rect& band : sheetBands(page.size(), printable)) {
        if (!printed)
            break;
        printed = printBand(printer, page, band, printable);
    }
    if (printed)
        printed = EndDoc(printer) > 0;
    else
        AbortDoc(printer);
    DeleteDC(printer);
    return printed;
}
