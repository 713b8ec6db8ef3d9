#include "ui/widgets/window/UIColorOverlay.h"

#include "graphics/paint/PaintTarget.h"

#include <cstring>

void UIColorOverlay::apply(PaintTarget* target, const Rect& rect)
{
    if (m_color.alpha() == 0 || !target || !target->bits() || target->bitsPerPixel() != 32)
        return;
    // The caller's rectangle may reach past the surface (a window larger than
    // its back buffer while it grows): only the pixels that exist are touched.
    const Rect area = rect.intersected(target->rect());
    if (area.isEmpty())
        return;
    const size_t stride = size_t(target->width()) * 4;
    for (int y = area.y; y < area.y + area.height; ++y) {
        uint8_t* pixel = target->bits() + size_t(y) * stride + size_t(area.x) * 4;
        for (int x = 0; x < area.width; ++x, pixel += 4) {
            uint32_t value;
            std::memcpy(&value, pixel, 4);
            // Every pixel of a window's frame reaches the screen opaque, but
            // GDI leaves the alpha byte of what it draws at 0: blended by it,
            // text and plain fills would turn black under the overlay.
            value = Color(value | 0xFF000000u).blendOver(m_color).value();
            std::memcpy(pixel, &value, 4);
        }
    }
}
