#include "ui/views/html/HtmlDocument.h"

#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/Painter.h"

#include <algorithm>

Image HtmlDocument::renderPage(int width)
{
    const int pageWidth = std::min(std::max(width, 1), Image::kMaxSide);
    const int pageHeight = std::min(std::max(m_content.height, 1), Image::kMaxSide);
    BitmapSurface surface(pageWidth, pageHeight);
    if (!surface.hasBits())
        return Image();
    const Size viewport = m_viewport;
    const Point scroll = m_scroll;
    m_viewport = Size(pageWidth, pageHeight);
    m_scroll = Point();
    {
        Painter painter(&surface);
        if (painter.isActive())
            paint(painter, Point());
    }
    m_viewport = viewport;
    m_scroll = scroll;
    return surface.toImage(false);
}
