#include "graphics/image/CubicFilter.h"

#include <cmath>

CubicFilter::CubicFilter(float b, float c)
    : ResampleFilter(2.0f), m_p0((6 - 2 * b) / 6), m_p2((-18 + 12 * b + 6 * c) / 6),
      m_p3((12 - 9 * b - 6 * c) / 6), m_q0((8 * b + 24 * c) / 6), m_q1((-12 * b - 48 * c) / 6),
      m_q2((6 * b + 30 * c) / 6), m_q3((-b - 6 * c) / 6)
{
}

float CubicFilter::value(float x) const
{
    const float t = std::fabs(x);
    if (t < 1)
        return (m_p3 * t + m_p2) * t * t + m_p0;
    if (t < 2)
        return ((m_q3 * t + m_q2) * t + m_q1) * t + m_q0;
    return 0;
}
