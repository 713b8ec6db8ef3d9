#include "graphics/paint/Brush.h"

bool Brush::isTranslucent() const
{
    if (!hasGradient())
        return m_color.isTranslucent();
    for (int i = 0; i < m_gradient.count(); ++i) {
        if (m_gradient.colorAt(i).isTranslucent())
            return true;
    }
    return false;
}

bool Brush::isVisible() const
{
    if (!hasGradient())
        return m_color.isVisible();
    for (int i = 0; i < m_gradient.count(); ++i) {
        if (m_gradient.colorAt(i).isVisible())
            return true;
    }
    return false;
}

bool Brush::operator==(const Brush& other) const
{
    return m_color == other.m_color && m_style == other.m_style && m_gradient == other.m_gradient;
}
