// Takes the bytes as a UTF-8 page, as the card shows movie data a web page
// filled in: parse, style, lay out at two widths and a zoom, hit-test a grid
// of points and ask every question the web view asks. Any point inside the
// view must hit some element.
#include "foundation/text/String.h"
#include "ui/views/html/HtmlDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1 << 18)
        return 0;
    const int width = 40 + data[0] * 3;
    HtmlDocument document;
    document.setImageLoader([](const String&) { return Image(30, 20, false); });
    document.setViewportSize(Size(width, 300));
    if (!document.setHtml(String::fromUtf8(data + 1, static_cast<int>(size - 1))))
        return 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < 300; y += 37) {
            for (int x = 0; x < width; x += 29) {
                if (!document.hitTest(Point(x, y)).element)
                    __builtin_trap();
            }
        }
        document.setViewportSize(Size(width / 2 + 1, 120));
        document.setZoom(150);
    }
    document.scrollToElement(String(u"@play"));
    document.title();
    document.links();
    document.text();
    document.html();
    return 0;
}
