#include "graphics/image/GeometryOps.h"

Size scaledSizeToWidth(const Size& size, int width)
{
    return size.scaledToWidth(width);
}

Size scaledSizeToHeight(const Size& size, int height)
{
    return size.scaledToHeight(height);
}

Size scaledSizeToFit(const Size& size, const Size& bound)
{
    return size.scaledToFit(bound);
}

Rect intersectedRect(const Rect& a, const Rect& b)
{
    return a.intersected(b);
}
