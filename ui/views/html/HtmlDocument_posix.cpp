#include "ui/views/html/HtmlDocument.h"

// The native build has no pixel surface to paint on (drawing there goes to
// test devices that record calls), so a snapshot is the empty image.
Image HtmlDocument::renderPage(int)
{
    return Image();
}
