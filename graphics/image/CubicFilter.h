#pragma once

#include "graphics/image/ResampleFilter.h"

// The two-parameter cubic family; with B = C = 1/3 it blurs a little and rings
// little, which suits photographs.
class CubicFilter : public ResampleFilter
{
public:
    CubicFilter(float b = 1.0f / 3.0f, float c = 1.0f / 3.0f);
    float value(float x) const override;

private:
    float m_p0, m_p2, m_p3;
    float m_q0, m_q1, m_q2, m_q3;
};
