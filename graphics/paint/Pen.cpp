#include "graphics/paint/Pen.h"

#include "graphics/paint/Rounding.h"

namespace {

// Wider than any surface the program makes; GDI pens beyond it only cost time.
constexpr int kMaxPixelWidth = 32767;

} // namespace

int Pen::pixelWidth() const
{
    const int width = truncateToInt(m_width);
    if (width < 0)
        return 0;
    return width > kMaxPixelWidth ? kMaxPixelWidth : width;
}

bool Pen::operator==(const Pen& other) const
{
    return m_color == other.m_color && m_width == other.m_width && m_style == other.m_style;
}
