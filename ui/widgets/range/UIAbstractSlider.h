#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/signals/Signal.h"
#include "ui/core/widget/UIWidget.h"

#include <algorithm>
#include <cstdint>

// The value-in-a-range base of the sliders and scroll bars: an integer value
// kept within [minimum, maximum], single and page steps, wheel stepping and a
// default value. Every change of the value goes through setValue, which
// repaints and emits valueChanged only when the value really moved.
class UIAbstractSlider : public UIWidget
{
public:
    // No default set: clamps to the minimum.
    static constexpr int kNoDefault = INT32_MIN;

    explicit UIAbstractSlider(UIWidget* parent);

    // Orders the bounds, brings the default and the value into them, and
    // emits valueChanged (when the value moved) before rangeChanged.
    virtual void setRange(int a, int b);
    // The value of the range under a point in the widget.
    virtual int valueAt(const Point& point) const = 0;

    void setMinimum(int minimum) { setRange(minimum, m_maximum); }
    void setMaximum(int maximum) { setRange(m_minimum, maximum); }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int range() const { return m_maximum - m_minimum; }
    int value() const { return m_value; }
    void setValue(int value);
    void setToMaximum() { setValue(std::max(m_maximum, m_minimum)); }
    void setToMinimum() { setValue(std::min(m_maximum, m_minimum)); }
    void setToMiddle() { setValue(m_minimum + (m_maximum - m_minimum) / 2); }
    void setDefaultValue(int value) { m_defaultValue = clamped(value); }
    int defaultValue() const { return m_defaultValue; }
    void resetToDefault() { setValue(clamped(m_defaultValue)); }
    void stepBy(int steps) { setValue(int(int64_t(m_value) + int64_t(m_singleStep) * steps)); }
    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }
    void setSingleStep(int step) { m_singleStep = step; }
    int singleStep() const { return m_singleStep; }
    // The single step as the dividing code uses it: never below 1.
    int safeSingleStep() const { return m_singleStep < 1 ? 1 : m_singleStep; }
    void setPageStep(int step);
    int pageStep() const { return m_pageStep; }
    void setOrientation(int orientation);
    int orientation() const { return m_orientation; }
    bool isVertical() const { return m_orientation != 0; }

    Signal rangeChanged;
    Signal valueChanged;

protected:
    void wheelEvent(UIEvent* event) override;
    int clamped(int value) const;

private:
    int m_orientation = 0;
    int m_singleStep = 1;
    int m_pageStep = 1;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    int m_defaultValue = kNoDefault;
};
