// The colour operations of the image library: lightening, darkening, blending
// and the like, which the UI and the cover flow apply to single colours.
#include "graphics/color/Color.h"

#include "graphics/image/PixelOps.h"

#include <cmath>

namespace {

float clampShare(float f)
{
    if (std::isnan(f) || f < 0.01f)
        return 0.01f;
    return f > 1.0f ? 1.0f : f;
}

uint8_t lighterChannel(uint8_t c, float f)
{
    return static_cast<uint8_t>((255 - c) * f + c);
}

uint8_t darkerChannel(uint8_t c, float f)
{
    return static_cast<uint8_t>(c - c * f);
}

// In 64 bits: (a - b) * i overflows an int for long gradients.
uint8_t gradientChannel(int a, int b, int i, int n)
{
    return static_cast<uint8_t>(a - static_cast<int64_t>(a - b) * i / n);
}

} // namespace

Color Color::blendedWith(const Color& source) const
{
    return Color(blendPixel(value(), source.value()));
}

Color Color::lighter(float f) const
{
    f = clampShare(f);
    return Color(m_alpha, lighterChannel(m_red, f), lighterChannel(m_green, f), lighterChannel(m_blue, f));
}

Color Color::darker(float f) const
{
    f = clampShare(f);
    return Color(m_alpha, darkerChannel(m_red, f), darkerChannel(m_green, f), darkerChannel(m_blue, f));
}

Array<Color> Color::lighterAll(const Array<Color>& colors, float f)
{
    Array<Color> result;
    if (!result.reserve(colors.count()))
        return result;
    for (int i = 0; i < colors.count(); ++i)
        result.append(colors[i].lighter(f));
    return result;
}

Array<Color> Color::darkerAll(const Array<Color>& colors, float f)
{
    Array<Color> result;
    if (!result.reserve(colors.count()))
        return result;
    for (int i = 0; i < colors.count(); ++i)
        result.append(colors[i].darker(f));
    return result;
}

Color Color::grayed() const
{
    const uint8_t gray = static_cast<uint8_t>(0.299f * m_red + 0.587f * m_green + 0.114f * m_blue);
    return Color(m_alpha, gray, gray, gray);
}

Color Color::inverted() const
{
    return Color(m_alpha, static_cast<uint8_t>(255 - m_red), static_cast<uint8_t>(255 - m_green),
                 static_cast<uint8_t>(255 - m_blue));
}

Color Color::blackOrWhite(int threshold) const
{
    if (m_blue + m_green + m_red <= threshold)
        return Color(0, 0, 0);
    return Color(255, 255, 255);
}

Array<Color> Color::gradient(const Color& first, const Color& second, int n)
{
    Array<Color> result;
    // Refuses n < 1 (the steps divide by n) and counts no memory can hold.
    if (n < 1 || !result.reserve(n))
        return result;
    for (int i = 0; i < n; ++i) {
        result.append(Color(gradientChannel(first.alpha(), second.alpha(), i, n),
                            gradientChannel(first.red(), second.red(), i, n),
                            gradientChannel(first.green(), second.green(), i, n),
                            gradientChannel(first.blue(), second.blue(), i, n)));
    }
    return result;
}
