#pragma once

#include "foundation/containers/Array.h"

#include <cstdint>

class String;

// A 32-bit colour: the bytes blue, green, red, alpha in memory, so that the
// four read as one little-endian word give the packed value 0xAARRGGBB. That is
// the byte order of our 32-bit pixels and of GDI DIB sections, and the packed
// value is what settings and files store.
class Color
{
public:
    // Black with alpha 0.
    Color() = default;
    // From a packed 0xAARRGGBB value.
    explicit Color(uint32_t value);
    // Opaque.
    Color(uint8_t red, uint8_t green, uint8_t blue);
    Color(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue);

    static Color fromValue(uint32_t value) { return Color(value); }
    // The constructors under the names the toolkit and the windows call.
    static Color ColorRgb(uint8_t red, uint8_t green, uint8_t blue) { return Color(red, green, blue); }
    static Color ColorArgb(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue)
    {
        return Color(alpha, red, green, blue);
    }
    static Color ColorFromValue(uint32_t value) { return Color(value); }
    static Color ColorFromArgb(uint32_t value) { return Color(value); }
    static Color ColorCopy(const Color& other) { return other; }

    uint8_t alpha() const { return m_alpha; }
    uint8_t red() const { return m_red; }
    uint8_t green() const { return m_green; }
    uint8_t blue() const { return m_blue; }
    void setAlpha(uint8_t alpha) { m_alpha = alpha; }
    void setRed(uint8_t red) { m_red = red; }
    void setGreen(uint8_t green) { m_green = green; }
    void setBlue(uint8_t blue) { m_blue = blue; }
    // Clamps to 0..1 first; NaN counts as 0.
    void setAlphaF(float alpha);
    uint32_t value() const;

    bool isTranslucent() const { return m_alpha < 255; }
    bool isVisible() const { return m_alpha != 0; }

    bool operator==(const Color& other) const { return value() == other.value(); }
    bool operator!=(const Color& other) const { return value() != other.value(); }

    // "#RRGGBB" or "#AARRGGBB", upper-case digits.
    String toHexText(bool withAlpha) const;
    String toString(bool withAlpha) const;
    // "0xRRGGBB" or "0xAARRGGBB".
    String toHexValueText(bool withAlpha) const;
    // "R,G,B" in decimal.
    String toDecimalText() const;
    // "A,R,G,B" in decimal.
    String toDecimalTextWithAlpha() const;

    // Integer brightness 0..255 with the BT.601 weights in 16-bit fixed point.
    int luma() const;
    // The same weights in floating point, 0..1.
    float lumaF() const;
    int average() const;
    uint8_t maxChannel() const;
    // 0 red, 1 green, 2 blue when that channel is strictly the largest, else -1.
    int dominantChannel() const;
    float saturationHsv() const;
    // 0..1; 0 for grey.
    float hueHsv() const;

    // BT.601 studio range, unrounded.
    static void rgbToYuv(uint8_t r, uint8_t g, uint8_t b, float& y, float& u, float& v);
    static void yuvToRgb(float y, float u, float v, uint8_t& r, uint8_t& g, uint8_t& b);
    // Hue, saturation and lightness all 0..1.
    static void rgbToHsl(uint8_t r, uint8_t g, uint8_t b, float& h, float& s, float& l);
    static void hslToRgb(float h, float s, float l, uint8_t& r, uint8_t& g, uint8_t& b);
    // Hue in degrees, saturation and value 0..1.
    static void rgbToHsv(uint8_t r, uint8_t g, uint8_t b, float& h, float& s, float& v);
    static void hsvToRgb(float h, float s, float v, uint8_t& r, uint8_t& g, uint8_t& b);
    static void rgbToCmyk(uint8_t r, uint8_t g, uint8_t b, float& c, float& m, float& y, float& k);
    static void cmykToRgb(float c, float m, float y, float k, uint8_t& r, uint8_t& g, uint8_t& b);
    // value x 0.03137 (about 8 / 255): a count of steps of 8 in a byte
    // channel as a share of the full channel.
    static float scaledByStep(float value);

    // The six primary and secondary hues, opaque, starting at red.
    static const Array<Color>& hueColors6();
    // The hue circle in 24 steps of 64 in one channel at a time, starting at red.
    static const Array<Color>& hueColors24();

    // A CSS colour keyword, matched exactly (case matters); opaque magenta for
    // an unknown or empty name, so a typo in a style shows at once.
    static Color fromCssName(const String& name);

    // The source blended over this colour, both with straight alpha.
    Color blendedWith(const Color& source) const;
    Color blendOver(const Color& top) const { return blendedWith(top); }
    // f, clamped to 0.01..1, is the share of the way towards white (black);
    // alpha is kept.
    Color lighter(float f) const;
    Color darker(float f) const;
    static Array<Color> lighterAll(const Array<Color>& colors, float f);
    static Array<Color> darkerAll(const Array<Color>& colors, float f);
    Color grayed() const;
    Color inverted() const;
    // Opaque black when blue + green + red is at most the threshold, else opaque white.
    Color blackOrWhite(int threshold) const;
    // n colours stepping from first towards second, which is never reached;
    // empty for n below 1.
    static Array<Color> gradient(const Color& first, const Color& second, int n);

private:
    uint8_t m_blue = 0;
    uint8_t m_green = 0;
    uint8_t m_red = 0;
    uint8_t m_alpha = 0;
};

static_assert(sizeof(Color) == 4, "Color must be exactly the four bytes of a 32-bit pixel");
