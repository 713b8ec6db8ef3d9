#include "ui/views/html/HtmlFloatContext.h"

#include <algorithm>

void HtmlFloatContext::freeSpan(int y, int height, int x, int width, int& left, int& right) const
{
    left = x;
    right = x + width;
    const int bandBottom = y + std::max(height, 1);
    for (const Float& box : m_floats) {
        const Rect& r = box.rect;
        if (r.y >= bandBottom || r.y + r.height <= y || r.width <= 0)
            continue;
        if (box.left)
            left = std::max(left, r.x + r.width);
        else
            right = std::min(right, r.x);
    }
    right = std::max(right, left);
}

int HtmlFloatContext::topWhereFits(int y, int height, int x, int containingWidth, int width) const
{
    for (size_t step = 0; step <= m_floats.size(); ++step) {
        int left = 0;
        int right = 0;
        freeSpan(y, height, x, containingWidth, left, right);
        if (right - left >= width)
            return y;
        // Move below the float that ends first in this band.
        int next = -1;
        for (const Float& box : m_floats) {
            const int end = box.rect.y + box.rect.height;
            if (box.rect.y < y + std::max(height, 1) && end > y && (next < 0 || end < next))
                next = end;
        }
        if (next <= y)
            return y;
        y = next;
    }
    return y;
}

Point HtmlFloatContext::position(int y, int width, int height, bool left, int x, int containingWidth) const
{
    const int top = topWhereFits(y, height, x, containingWidth, width);
    int spanLeft = 0;
    int spanRight = 0;
    freeSpan(top, height, x, containingWidth, spanLeft, spanRight);
    return Point(left ? spanLeft : spanRight - width, top);
}

void HtmlFloatContext::add(const Rect& rect, bool left)
{
    if (!isFull())
        m_floats.push_back(Float{rect, left});
}

int HtmlFloatContext::clearedTop(int y, bool left, bool right) const
{
    for (const Float& box : m_floats) {
        if ((box.left && left) || (!box.left && right))
            y = std::max(y, box.rect.y + box.rect.height);
    }
    return y;
}

int HtmlFloatContext::bottom() const
{
    int result = 0;
    for (const Float& box : m_floats)
        result = std::max(result, box.rect.y + box.rect.height);
    return result;
}
