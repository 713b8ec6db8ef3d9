#include "ui/widgets/range/UIAbstractSlider.h"

#include "ui/core/events/UIWheelEvent.h"

#include <algorithm>

UIAbstractSlider::UIAbstractSlider(UIWidget* parent) : UIWidget(parent)
{
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
}

void UIAbstractSlider::setRange(int a, int b)
{
    if (a == m_minimum && b == m_maximum)
        return;
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    m_defaultValue = clamped(m_defaultValue);
    const int before = m_value;
    setValue(m_value);
    if (m_value == before)
        update();
    rangeChanged.emit();
}

void UIAbstractSlider::setValue(int value)
{
    value = clamped(value);
    if (value == m_value)
        return;
    m_value = value;
    update();
    valueChanged.emitValue(intptr_t(value));
}

void UIAbstractSlider::setPageStep(int step)
{
    if (step == m_pageStep)
        return;
    m_pageStep = step;
    update();
}

void UIAbstractSlider::setOrientation(int orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    if (isVertical())
        setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kPreferred);
    else
        setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
}

void UIAbstractSlider::wheelEvent(UIEvent* event)
{
    const int direction = static_cast<UIWheelEvent*>(event)->direction();
    stepBy(direction == 1 || direction == 3 ? 1 : -1);
    event->accept();
}

int UIAbstractSlider::clamped(int value) const
{
    return std::min(std::max(value, m_minimum), m_maximum);
}
