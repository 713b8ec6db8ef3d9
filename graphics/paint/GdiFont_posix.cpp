#include "graphics/paint/GdiFont.h"

// The native build has no GDI. It measures with a fixed-width stand-in derived
// from the pixel size alone, so that text layout can be tested with exact
// numbers: every unit is half the pixel size wide (at least one pixel), the
// ascent three quarters of it and the descent the rest.

namespace {

int pixelSizeOf(const FontDesc& font)
{
    const int size = font.pixelSize();
    return size > 0 ? size : 0;
}

int unitWidth(const FontDesc& font)
{
    const int width = pixelSizeOf(font) / 2;
    return width > 0 ? width : 1;
}

} // namespace

GdiFont::GdiFont(const FontDesc& font) : m_font(font)
{
    measure();
}

GdiFont::GdiFont(const GdiFont& other) : m_font(other.m_font)
{
    measure();
}

GdiFont& GdiFont::operator=(const GdiFont& other)
{
    setFont(other.m_font);
    return *this;
}

GdiFont::~GdiFont() = default;

void GdiFont::setFont(const FontDesc& font)
{
    if (font == m_font)
        return;
    m_font = font;
    measure();
}

void GdiFont::measure()
{
    const int size = pixelSizeOf(m_font);
    m_ascent = size - size / 4;
    m_descent = size / 4;
    m_leading = 0;
    m_maxCharWidth = unitWidth(m_font);
}

int GdiFont::textWidth(const char16_t* text, int length) const
{
    if (!text || length < 1)
        return 0;
    const int64_t width = static_cast<int64_t>(length) * unitWidth(m_font);
    return width > INT32_MAX ? INT32_MAX : static_cast<int>(width);
}

bool GdiFont::prefixWidths(const char16_t* text, int length, Array<int>& widths) const
{
    widths.destroy();
    if (!text || length < 1 || !widths.reserve(length))
        return false;
    for (int i = 1; i <= length; ++i)
        widths.append(textWidth(text, i));
    return true;
}
