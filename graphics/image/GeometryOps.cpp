#include "graphics/image/GeometryOps.h"

#include <algorithm>
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

Size scaledSizeToWidth(const Size& size, int width)
{
    if (size.width < 1 || size.height < 1 || width < 1)
        return Size();
    const int height = scaledSide(size.height, width, size.width);
    return height < 0 ? Size() : Size(width, height);
}

Size scaledSizeToHeight(const Size& size, int height)
{
    if (size.width < 1 || size.height < 1 || height < 1)
        return Size();
    const int width = scaledSide(size.width, height, size.height);
    return width < 0 ? Size() : Size(width, height);
}

Size scaledSizeToFit(const Size& size, const Size& bound)
{
    const Size byWidth = scaledSizeToWidth(size, bound.width);
    if (byWidth.height > bound.height)
        return scaledSizeToHeight(size, bound.height);
    return byWidth;
}

Rect intersectedRect(const Rect& a, const Rect& b)
{
    // In 64 bits: x + width may pass the int range.
    const int64_t left = std::max<int64_t>(a.x, b.x);
    const int64_t top = std::max<int64_t>(a.y, b.y);
    const int64_t right =
        std::min<int64_t>(static_cast<int64_t>(a.x) + a.width, static_cast<int64_t>(b.x) + b.width);
    const int64_t bottom =
        std::min<int64_t>(static_cast<int64_t>(a.y) + a.height, static_cast<int64_t>(b.y) + b.height);
    if (right < left || bottom < top)
        return Rect();
    return Rect(static_cast<int32_t>(left), static_cast<int32_t>(top),
                static_cast<int32_t>(std::min<int64_t>(right - left, INT32_MAX)),
                static_cast<int32_t>(std::min<int64_t>(bottom - top, INT32_MAX)));
}
