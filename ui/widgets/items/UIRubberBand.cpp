#include "ui/widgets/items/UIRubberBand.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Below this the press is a click that trembled, not a drag; the band is
// never thinner either, so that a straight drag still meets a row.
constexpr int kLeastDrag = 5;

} // namespace

void UIRubberBand::start(const Point& scroll, const Point& position, uint32_t modifiers)
{
    m_active = true;
    m_startOffset = scroll;
    m_startPosition = position;
    m_rect = Rect();
    m_modifiers = modifiers;
}

bool UIRubberBand::drag(const Point& p, const Point& scroll)
{
    double dx = p.x - m_startPosition.x;
    double dy = p.y - m_startPosition.y;
    if (!m_active || std::sqrt(dx * dx + dy * dy) < double(kLeastDrag))
        return false;
    Point anchor(m_startPosition.x + scroll.x - m_startOffset.x,
                 m_startPosition.y + scroll.y - m_startOffset.y);
    m_rect =
        Rect(std::min(anchor.x, p.x), std::min(anchor.y, p.y), std::max(std::abs(p.x - anchor.x), kLeastDrag),
             std::max(std::abs(p.y - anchor.y), kLeastDrag));
    return true;
}

bool UIRubberBand::end()
{
    bool was = m_active;
    m_active = false;
    return was;
}
