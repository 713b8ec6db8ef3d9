#pragma once

#include "foundation/geometry/Size.h"
#include "graphics/image/Image.h"

// Turns a cover picture into what a texture is made from: 32-bit pixels with
// straight alpha, at least partly visible.
class CoverPixels
{
public:
    // 24-bit pictures are widened with alpha 255, premultiplied ones
    // straightened, and a picture whose alpha is 0 everywhere (saved without
    // alpha by its maker) made opaque, since the alpha test would drop all of
    // it. A picture needing none of this is shared, not copied. Empty for an
    // empty picture.
    static Image prepare(const Image& picture);
    // The quad a picture gets in the box, keeping its aspect: the longer side
    // fills the box. No picture takes the whole box; each side is at least 1.
    static Size fitted(const Size& picture, const Size& box);
};
