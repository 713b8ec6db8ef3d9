#pragma once

// A resampling kernel for the two-pass scaler: its value at a distance from the
// sample point and the distance beyond which that value is zero.
class ResampleFilter
{
public:
    explicit ResampleFilter(float radius) : m_radius(radius) {}
    virtual ~ResampleFilter();

    virtual float value(float x) const = 0;
    float radius() const { return m_radius; }

private:
    float m_radius;
};
