#include "ui/views/scene/UvRect.h"

#include "graphics/d3d/Texture.h"

bool UvRect::fromPixels(float x, float y, float w, float h, const Texture& texture, UvRect& out)
{
    Size size = texture.size();
    if (size.width < 1 || size.height < 1)
        return false;
    float tw = static_cast<float>(size.width);
    float th = static_cast<float>(size.height);
    out.u = x / tw;
    out.v = y / th;
    out.width = w / tw;
    out.height = h / th;
    return true;
}
