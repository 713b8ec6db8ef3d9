#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/geometry/Size.h"
#include "graphics/image/Image.h"

#include <vector>

// Prints a page the web view's engine drew: the user picks a printer in the
// system's print dialog, and the picture goes onto as many sheets as its
// length needs, scaled to the printable width.
class WebViewPrinter
{
public:
    // False when there is no printer, the user cancels, or printing fails.
    static bool print(const Image& page);
    // The bands of a picture of that size, top to bottom, that fill one
    // sheet each when its width is scaled to the printable area's.
    static std::vector<Rect> sheetBands(const Size& picture, const Size& printable);
};
