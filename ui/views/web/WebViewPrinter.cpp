#include "ui/views/web/WebViewPrinter.h"

#include <algorithm>

std::vector<Rect> WebViewPrinter::sheetBands(const Size& picture, const Size& printable)
{
    std::vector<Rect> bands;
    if (picture.width < 1 || picture.height < 1 || printable.width < 1 || printable.height < 1)
        return bands;
    // A sheet's height in picture pixels: the printable height shrunk by the
    // scale that fits the picture's width; at least one row.
    const int64_t rows = int64_t(printable.height) * picture.width / printable.width;
    const int band = static_cast<int>(std::max<int64_t>(1, std::min<int64_t>(rows, picture.height)));
    for (int top = 0; top < picture.height; top += band)
        bands.push_back(Rect(0, top, picture.width, std::min(band, picture.height - top)));
    return bands;
}
