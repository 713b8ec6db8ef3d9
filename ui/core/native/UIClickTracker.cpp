#include "ui/core/native/UIClickTracker.h"

#include <cstdlib>

void UIClickTracker::setLimits(int64_t intervalMs, int maxDx, int maxDy)
{
    m_intervalMs = intervalMs;
    m_maxDx = maxDx;
    m_maxDy = maxDy;
}

bool UIClickTracker::press(uint32_t widgetId, int64_t timeMs, const Point& position, int button)
{
    m_previous = m_last;
    m_last = Click{widgetId, timeMs, position, button};
    bool isDouble = m_previous.widgetId == m_last.widgetId && m_previous.widgetId != 0 &&
                    m_previous.button == m_last.button && m_last.time - m_previous.time < m_intervalMs &&
                    std::abs(m_last.position.x - m_previous.position.x) < m_maxDx &&
                    std::abs(m_last.position.y - m_previous.position.y) < m_maxDy;
    if (isDouble)
        reset();
    return isDouble;
}

void UIClickTracker::reset()
{
    m_previous = Click();
    m_last = Click();
}
