#include "ui/views/coverflow/CoverPixels.h"

#include <algorithm>

Image CoverPixels::prepare(const Image& picture)
{
    if (picture.isNull())
        return Image();
    if (picture.bitsPerPixel() == 24)
        return Image::fromPixels(picture.bits(), picture.width(), picture.height(), false,
                                 picture.byteSize());
    if (!picture.hasVisiblePixels()) {
        Image opaque = picture.copy();
        opaque.setAlpha(255, Rect());
        return opaque;
    }
    if (picture.isPremultiplied()) {
        Image straight = picture.copy();
        straight.setPremultiplied(false);
        return straight;
    }
    return picture;
}

Size CoverPixels::fitted(const Size& picture, const Size& box)
{
    int boxWidth = std::max(box.width, 1);
    int boxHeight = std::max(box.height, 1);
    if (picture.width < 1 || picture.height < 1)
        return Size(boxWidth, boxHeight);
    float w = static_cast<float>(picture.width);
    float h = static_cast<float>(picture.height);
    Size quad = picture.width <= picture.height
                    ? Size(static_cast<int>(static_cast<float>(boxWidth) * w / h), boxHeight)
                    : Size(boxWidth, static_cast<int>(static_cast<float>(boxHeight) * h / w));
    return Size(std::max(quad.width, 1), std::max(quad.height, 1));
}
