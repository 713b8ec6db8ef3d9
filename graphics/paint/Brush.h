#pragma once

#include "graphics/color/Color.h"
#include "graphics/paint/Gradient.h"

#include <cstdint>

// How areas are filled: a solid colour, or a gradient when it has stops.
class Brush
{
public:
    // Style 0, white with alpha 0, a vertical gradient without stops.
    Brush() = default;
    Brush(const Color& color, uint32_t style) : m_style(style), m_color(color) {}
    explicit Brush(const Gradient& gradient) : m_gradient(gradient) {}

    static Brush BrushFromColor(const Color& color, uint32_t style = 0) { return Brush(color, style); }
    static Brush BrushFromGradient(const Gradient& gradient) { return Brush(gradient); }
    Brush& assign(const Brush& other) { return *this = other; }

    const Color& color() const { return m_color; }
    void setColor(const Color& color) { m_color = color; }
    // Kept and compared; fills are always solid or gradient.
    uint32_t style() const { return m_style; }
    void setStyle(uint32_t style) { m_style = style; }
    const Gradient& gradient() const { return m_gradient; }
    void setGradient(const Gradient& gradient) { m_gradient = gradient; }
    bool hasGradient() const { return !m_gradient.isEmpty(); }

    // Without stops by the colour; with stops by any stop.
    bool isTranslucent() const;
    bool isVisible() const;

    // Two brushes without gradient stops never compare equal (see Gradient).
    bool operator==(const Brush& other) const;
    bool operator!=(const Brush& other) const { return !(*this == other); }

private:
    uint32_t m_style = 0;
    Color m_color = Color(0x00FFFFFFu);
    Gradient m_gradient = Gradient(Gradient::kVertical);
};
