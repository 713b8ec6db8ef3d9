#include "foundation/geometry/Size.h"

#include <cmath>

namespace {

// other x wanted / side, rounded; -1 when it does not fit an int.
int scaledSide(int other, int wanted, int side)
{
    const float result =
        std::round(static_cast<float>(other) * static_cast<float>(wanted) / static_cast<float>(side));
    if (!(result < 2147483648.0f))
        return -1;
    return static_cast<int>(result);
}

} // namespace

Size Size::scaledToWidth(int newWidth) const
{
    if (width < 1 || height < 1 || newWidth < 1)
        return Size();
    const int newHeight = scaledSide(height, newWidth, width);
    return newHeight < 0 ? Size() : Size(newWidth, newHeight);
}

Size Size::scaledToHeight(int newHeight) const
{
    if (width < 1 || height < 1 || newHeight < 1)
        return Size();
    const int newWidth = scaledSide(width, newHeight, height);
    return newWidth < 0 ? Size() : Size(newWidth, newHeight);
}

Size Size::scaledToFit(const Size& bound) const
{
    const Size byWidth = scaledToWidth(bound.width);
    if (byWidth.height > bound.height)
        return scaledToHeight(bound.height);
    return byWidth;
}
