#pragma once

#include "graphics/color/Color.h"

#include <cstdint>

// How lines, outlines and text are drawn: a colour, a width in pixels and a
// dash style. The text colour is the pen's colour.
class Pen
{
public:
    static constexpr uint32_t kSolid = 0;
    static constexpr uint32_t kDash = 1;
    static constexpr uint32_t kDot = 2;
    static constexpr uint32_t kDashDot = 3;
    static constexpr uint32_t kDashDotDot = 4;

    // Solid, one pixel wide, white with alpha 0 (invisible).
    Pen() = default;
    // Solid and one pixel wide.
    explicit Pen(const Color& color) : m_color(color) {}
    Pen(const Color& color, float width, uint32_t style) : m_style(style), m_color(color), m_width(width) {}

    static Pen PenFromColor(const Color& color) { return Pen(color); }
    static Pen PenCopy(const Pen& other) { return other; }
    Pen& assign(const Pen& other) { return *this = other; }

    const Color& color() const { return m_color; }
    void setColor(const Color& color) { m_color = color; }
    // Any value other than the five above is drawn solid.
    uint32_t style() const { return m_style; }
    void setStyle(uint32_t style) { m_style = style; }
    float width() const { return m_width; }
    void setWidth(float width) { m_width = width; }
    // The width as devices use it: truncated toward zero, never negative, and
    // 0 for NaN, so a stray value cannot make a GDI pen of billions of pixels.
    int pixelWidth() const;

    bool isTranslucent() const { return m_color.isTranslucent(); }
    bool isVisible() const { return m_color.isVisible(); }

    bool operator==(const Pen& other) const;
    bool operator!=(const Pen& other) const { return !(*this == other); }

private:
    uint32_t m_style = kSolid;
    Color m_color = Color(0x00FFFFFFu);
    float m_width = 1.0f;
};
