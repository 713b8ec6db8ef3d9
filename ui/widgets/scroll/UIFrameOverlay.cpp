#include "ui/widgets/scroll/UIFrameOverlay.h"

#include "graphics/paint/PaintTarget.h"
#include "ui/core/widget/UIWidget.h"

#include <cstring>

std::vector<Rect> UIFrameOverlay::edges(const Rect& frame, const Rect& area)
{
    std::vector<Rect> parts;
    if (frame.isEmpty())
        return parts;
    const int right = frame.x + frame.width - 1;
    const int bottom = frame.y + frame.height - 1;
    const Rect sides[] = {Rect(frame.x, frame.y, frame.width, 1), Rect(frame.x, bottom, frame.width, 1),
                          Rect(frame.x, frame.y, 1, frame.height), Rect(right, frame.y, 1, frame.height)};
    for (const Rect& side : sides) {
        const Rect part = side.intersected(area);
        if (!part.isEmpty())
            parts.push_back(part);
    }
    return parts;
}

void UIFrameOverlay::apply(PaintTarget* target, const Rect& rect)
{
    if (!m_owner || m_color.alpha() == 0 || !target || !target->bits() || target->bitsPerPixel() != 32)
        return;
    const Point corner = m_owner->mapToWindow(Point(0, 0));
    const Rect frame(corner.x, corner.y, m_owner->width(), m_owner->height());
    const uint32_t value = Color(255, m_color.red(), m_color.green(), m_color.blue()).value();
    const size_t stride = size_t(target->width()) * 4;
    for (const Rect& part : edges(frame, rect.intersected(target->rect()))) {
        for (int y = part.y; y < part.y + part.height; ++y) {
            uint8_t* pixel = target->bits() + size_t(y) * stride + size_t(part.x) * 4;
            for (int x = 0; x < part.width; ++x, pixel += 4)
                std::memcpy(pixel, &value, 4);
        }
    }
}
