#include "ui/widgets/items/UIHeaderSection.h"

#include <algorithm>

void UIHeaderSection::setVisible(bool on)
{
    m_visible = on;
    if (!on) {
        m_rect = Rect();
        m_textRect = Rect();
    }
}

void UIHeaderSection::setWidth(int width)
{
    m_width = m_minimumWidth > 0 ? std::max(width, m_minimumWidth) : width;
}

void UIHeaderSection::setMinimumWidth(int width)
{
    m_minimumWidth = width;
    m_width = std::max(m_width, width);
}
