#include "foundation/geometry/Rect.h"

#include <algorithm>

namespace {

int32_t saturate(int64_t value)
{
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

int64_t right(const Rect& rect)
{
    return static_cast<int64_t>(rect.x) + rect.width;
}

int64_t bottom(const Rect& rect)
{
    return static_cast<int64_t>(rect.y) + rect.height;
}

} // namespace

Point Rect::center() const
{
    return Point(saturate(x + static_cast<int64_t>(width / 2)),
                 saturate(y + static_cast<int64_t>(height / 2)));
}

bool Rect::contains(const Point& point) const
{
    return x <= point.x && point.x < right(*this) && y <= point.y && point.y < bottom(*this);
}

bool Rect::containsRect(const Rect& other) const
{
    return x <= other.x && y <= other.y && right(*this) >= right(other) && bottom(*this) >= bottom(other);
}

Rect Rect::align(const Rect& size, int flags, bool overflowAllowed) const
{
    Rect result(x, y, size.width, size.height);
    if (flags == 0)
        return result;
    if (!overflowAllowed && size.width > width)
        flags = (flags & ~(kAlignRight | kAlignHCenter)) | kAlignLeft;
    if (!overflowAllowed && size.height > height)
        flags = (flags & ~(kAlignBottom | kAlignVCenter)) | kAlignTop;
    int64_t spareWidth = static_cast<int64_t>(width) - size.width;
    int64_t spareHeight = static_cast<int64_t>(height) - size.height;
    if ((flags & kAlignRight) && !(flags & kAlignLeft))
        result.x = saturate(x + spareWidth);
    if ((flags & kAlignBottom) && !(flags & kAlignTop))
        result.y = saturate(y + spareHeight);
    if (flags & kAlignVCenter)
        result.y = saturate(y + spareHeight / 2);
    if (flags & kAlignHCenter)
        result.x = saturate(x + spareWidth / 2);
    return result;
}

Rect Rect::adjusted(int32_t dx1, int32_t dy1, int32_t dx2, int32_t dy2) const
{
    return Rect(saturate(static_cast<int64_t>(x) + dx1), saturate(static_cast<int64_t>(y) + dy1),
                saturate(static_cast<int64_t>(width) - dx1 + dx2),
                saturate(static_cast<int64_t>(height) - dy1 + dy2));
}

void Rect::setLeft(int32_t newX)
{
    int64_t newWidth = static_cast<int64_t>(width) + x - newX;
    width = newWidth < 0 ? 0 : saturate(newWidth);
    x = newX;
}

void Rect::setTop(int32_t newY)
{
    int64_t newHeight = static_cast<int64_t>(height) + y - newY;
    height = newHeight < 0 ? 0 : saturate(newHeight);
    y = newY;
}

Rect Rect::intersected(const Rect& b) const
{
    const Rect& a = *this;
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
