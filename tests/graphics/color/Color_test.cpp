#include "graphics/color/Color.h"

#include "foundation/text/String.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

std::u16string text(const String& s)
{
    return s.isEmpty() ? std::u16string() : std::u16string(s.data(), static_cast<size_t>(s.length()));
}

struct Rgb
{
    uint8_t r, g, b;
};

} // namespace

TEST(Color, ConstructionAndPackedValue)
{
    EXPECT_EQ(Color().value(), 0u);
    EXPECT_EQ(Color(1, 2, 3).value(), 0xFF010203u);
    EXPECT_EQ(Color(0x40, 1, 2, 3).value(), 0x40010203u);
    EXPECT_EQ(Color::fromValue(0x80FF8000).red(), 255);
    EXPECT_EQ(Color::fromValue(0x80FF8000).green(), 128);
    EXPECT_EQ(Color::fromValue(0x80FF8000).alpha(), 128);

    // In memory the bytes are blue, green, red, alpha: the order of a 32-bit
    // pixel, so colours can be copied straight into image rows.
    Color c(0x44, 0x33, 0x22, 0x11);
    uint8_t bytes[4];
    std::memcpy(bytes, &c, 4);
    EXPECT_EQ(bytes[0], 0x11);
    EXPECT_EQ(bytes[1], 0x22);
    EXPECT_EQ(bytes[2], 0x33);
    EXPECT_EQ(bytes[3], 0x44);

    c.setRed(9);
    c.setBlue(7);
    EXPECT_EQ(c.value(), 0x44092207u);
}

TEST(Color, AlphaPredicatesAndFloatAlpha)
{
    EXPECT_TRUE(Color(1, 0, 0, 0).isVisible());
    EXPECT_FALSE(Color(0, 255, 255, 255).isVisible());
    EXPECT_TRUE(Color(254, 0, 0, 0).isTranslucent());
    EXPECT_FALSE(Color(255, 0, 0, 0).isTranslucent());

    Color c;
    c.setAlphaF(1.5f);
    EXPECT_EQ(c.alpha(), 255);
    c.setAlphaF(-1.0f);
    EXPECT_EQ(c.alpha(), 0);
    c.setAlphaF(0.5f);
    EXPECT_EQ(c.alpha(), 127);
    c.setAlphaF(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(c.alpha(), 0);
}

TEST(Color, TextForms)
{
    Color c(64, 255, 128, 0);
    EXPECT_EQ(text(c.toHexText(false)), u"#FF8000");
    EXPECT_EQ(text(c.toHexText(true)), u"#40FF8000");
    EXPECT_EQ(text(c.toHexValueText(false)), u"0xFF8000");
    EXPECT_EQ(text(c.toHexValueText(true)), u"0x40FF8000");
    EXPECT_EQ(text(c.toDecimalText()), u"255,128,0");
    EXPECT_EQ(text(c.toDecimalTextWithAlpha()), u"64,255,128,0");

    EXPECT_EQ(text(Color(0, 1, 2, 3).toHexText(false)), u"#010203");
    EXPECT_EQ(text(Color(0xAB, 0xCD, 0xEF).toHexText(true)), u"#FFABCDEF");
    EXPECT_EQ(text(Color(0, 10, 100, 9).toDecimalTextWithAlpha()), u"0,10,100,9");
}

TEST(Color, BrightnessMeasures)
{
    EXPECT_EQ(Color(255, 255, 255).luma(), 255);
    EXPECT_EQ(Color(0, 255, 0).luma(), 149);
    EXPECT_EQ(Color(0, 0, 0).luma(), 0);
    EXPECT_NEAR(Color(255, 255, 255).lumaF(), 1.0f, 1e-5f);
    EXPECT_NEAR(Color(255, 0, 0).lumaF(), 0.299f, 1e-5f);

    EXPECT_EQ(Color(1, 2, 4).average(), 2);
    EXPECT_EQ(Color(10, 200, 30).maxChannel(), 200);

    EXPECT_EQ(Color(200, 10, 10).dominantChannel(), 0);
    EXPECT_EQ(Color(10, 200, 10).dominantChannel(), 1);
    EXPECT_EQ(Color(10, 20, 30).dominantChannel(), 2);
    EXPECT_EQ(Color(30, 30, 10).dominantChannel(), -1);
    EXPECT_EQ(Color(7, 7, 7).dominantChannel(), -1);

    EXPECT_FLOAT_EQ(Color(255, 0, 0).saturationHsv(), 1.0f);
    EXPECT_FLOAT_EQ(Color(100, 100, 100).saturationHsv(), 0.0f);
    EXPECT_FLOAT_EQ(Color(0, 0, 0).saturationHsv(), 0.0f);
    EXPECT_NEAR(Color(255, 0, 0).hueHsv(), 0.0f, 1e-6f);
    EXPECT_NEAR(Color(0, 255, 0).hueHsv(), 1.0f / 3.0f, 1e-6f);
    EXPECT_NEAR(Color(0, 0, 255).hueHsv(), 2.0f / 3.0f, 1e-6f);
    EXPECT_FLOAT_EQ(Color(50, 50, 50).hueHsv(), 0.0f);
}

TEST(Color, YuvConversionClampsInsteadOfWrapping)
{
    float y, u, v;
    Color::rgbToYuv(255, 255, 255, y, u, v);
    EXPECT_NEAR(y, 235.045f, 0.01f);
    EXPECT_NEAR(u, 128.0f, 0.01f);
    EXPECT_NEAR(v, 128.0f, 0.01f);
    Color::rgbToYuv(0, 0, 0, y, u, v);
    EXPECT_FLOAT_EQ(y, 16.0f);

    uint8_t r, g, b;
    // The red share goes well above 255; it must clamp, never wrap to a dark value.
    Color::yuvToRgb(235, 128, 240, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 254);
    Color::yuvToRgb(0, 0, 0, r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(b, 0);

    // Studio-range round trip of a mid colour stays within one step.
    Color::rgbToYuv(120, 60, 200, y, u, v);
    Color::yuvToRgb(y, u, v, r, g, b);
    EXPECT_NEAR(r, 120, 1);
    EXPECT_NEAR(g, 60, 1);
    EXPECT_NEAR(b, 200, 1);
}

TEST(Color, HslConversion)
{
    float h, s, l;
    Color::rgbToHsl(255, 0, 0, h, s, l);
    EXPECT_FLOAT_EQ(h, 0.0f);
    EXPECT_FLOAT_EQ(s, 1.0f);
    EXPECT_FLOAT_EQ(l, 0.5f);
    Color::rgbToHsl(0, 255, 0, h, s, l);
    EXPECT_NEAR(h, 1.0f / 3.0f, 1e-6f);
    Color::rgbToHsl(128, 128, 128, h, s, l);
    EXPECT_FLOAT_EQ(h, 0.0f);
    EXPECT_FLOAT_EQ(s, 0.0f);
    EXPECT_NEAR(l, 128.0f / 255.0f, 1e-6f);
    // Lightness above one half uses the other saturation formula.
    Color::rgbToHsl(255, 128, 128, h, s, l);
    EXPECT_NEAR(s, 1.0f, 1e-5f);
    EXPECT_NEAR(l, 0.75098f, 1e-4f);

    uint8_t r, g, b;
    Color::hslToRgb(2.0f / 3.0f, 1.0f, 0.5f, r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 255);
    Color::hslToRgb(0.0f, 0.0f, 1.0f, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);

    const Rgb samples[] = {{255, 0, 0}, {0, 200, 0}, {30, 60, 90}, {250, 240, 10}, {128, 0, 255}};
    for (const Rgb& c : samples) {
        Color::rgbToHsl(c.r, c.g, c.b, h, s, l);
        Color::hslToRgb(h, s, l, r, g, b);
        EXPECT_NEAR(r, c.r, 1);
        EXPECT_NEAR(g, c.g, 1);
        EXPECT_NEAR(b, c.b, 1);
    }
}

TEST(Color, HsvConversion)
{
    float h, s, v;
    Color::rgbToHsv(0, 0, 255, h, s, v);
    EXPECT_FLOAT_EQ(h, 240.0f);
    EXPECT_FLOAT_EQ(s, 1.0f);
    EXPECT_FLOAT_EQ(v, 1.0f);
    // Red with some blue lies just below 360 degrees, not below 0.
    Color::rgbToHsv(255, 0, 51, h, s, v);
    EXPECT_NEAR(h, 348.0f, 1e-3f);
    Color::rgbToHsv(0, 0, 0, h, s, v);
    EXPECT_FLOAT_EQ(h, 0.0f);
    EXPECT_FLOAT_EQ(s, 0.0f);
    EXPECT_FLOAT_EQ(v, 0.0f);

    uint8_t r, g, b;
    Color::hsvToRgb(120.0f, 1.0f, 1.0f, r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 0);
    // Angles outside 0..360 wrap around.
    Color::hsvToRgb(480.0f, 1.0f, 1.0f, r, g, b);
    EXPECT_EQ(g, 255);
    Color::hsvToRgb(-120.0f, 1.0f, 1.0f, r, g, b);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(r, 0);

    const Rgb samples[] = {{255, 0, 0}, {10, 200, 30}, {30, 60, 90}, {250, 240, 10}, {200, 0, 128}};
    for (const Rgb& c : samples) {
        Color::rgbToHsv(c.r, c.g, c.b, h, s, v);
        Color::hsvToRgb(h, s, v, r, g, b);
        EXPECT_NEAR(r, c.r, 1);
        EXPECT_NEAR(g, c.g, 1);
        EXPECT_NEAR(b, c.b, 1);
    }
}

TEST(Color, HostileHueValuesStayInRange)
{
    // A hue of infinity or NaN (say from a broken setting) must neither hang
    // the wrapping nor turn into undefined byte values.
    uint8_t r = 1, g = 1, b = 1;
    Color::hsvToRgb(std::numeric_limits<float>::infinity(), 1.0f, 1.0f, r, g, b);
    Color::hsvToRgb(1e30f, 1.0f, 1.0f, r, g, b);
    Color::hslToRgb(std::numeric_limits<float>::quiet_NaN(), 0.5f, 0.5f, r, g, b);
    Color::hsvToRgb(0.0f, std::numeric_limits<float>::quiet_NaN(), 1.0f, r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
}

TEST(Color, CmykConversion)
{
    float c, m, y, k;
    Color::rgbToCmyk(0, 0, 0, c, m, y, k);
    EXPECT_FLOAT_EQ(c, 0.0f);
    EXPECT_FLOAT_EQ(m, 0.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);
    EXPECT_FLOAT_EQ(k, 1.0f);
    Color::rgbToCmyk(255, 255, 255, c, m, y, k);
    EXPECT_FLOAT_EQ(k, 0.0f);
    EXPECT_FLOAT_EQ(c, 0.0f);
    Color::rgbToCmyk(255, 128, 0, c, m, y, k);
    EXPECT_FLOAT_EQ(c, 0.0f);
    EXPECT_NEAR(m, 127.0f / 255.0f, 1e-6f);
    EXPECT_FLOAT_EQ(y, 1.0f);
    EXPECT_FLOAT_EQ(k, 0.0f);

    uint8_t r, g, b;
    Color::cmykToRgb(0.0f, 0.0f, 0.0f, 1.0f, r, g, b);
    EXPECT_EQ(r, 0);
    Color::cmykToRgb(0.0f, 1.0f, 1.0f, 0.0f, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    // Out-of-range inks clamp.
    Color::cmykToRgb(-1.0f, 2.0f, 0.0f, 0.0f, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);

    Color::rgbToCmyk(40, 90, 160, c, m, y, k);
    Color::cmykToRgb(c, m, y, k, r, g, b);
    EXPECT_NEAR(r, 40, 1);
    EXPECT_NEAR(g, 90, 1);
    EXPECT_NEAR(b, 160, 1);
}

TEST(Color, HuePalettes)
{
    const Array<Color>& six = Color::hueColors6();
    ASSERT_EQ(six.count(), 6);
    EXPECT_EQ(six[0].value(), 0xFFFF0000u);
    EXPECT_EQ(six[1].value(), 0xFFFFFF00u);
    EXPECT_EQ(six[3].value(), 0xFF00FFFFu);
    EXPECT_EQ(six[5].value(), 0xFFFF00FFu);

    const Array<Color>& circle = Color::hueColors24();
    ASSERT_EQ(circle.count(), 24);
    EXPECT_EQ(circle[0].value(), 0xFFFF0000u);
    EXPECT_EQ(circle[4].value(), 0xFFFFFF00u);
    EXPECT_EQ(circle[16].value(), 0xFF0000FFu);
    EXPECT_EQ(circle[23].value(), 0xFFFF0040u);
    // Neighbours differ in exactly one channel, so the circle has no jumps.
    for (int i = 0; i < 24; ++i) {
        Color a = circle[i];
        Color b = circle[(i + 1) % 24];
        int changed = (a.red() != b.red()) + (a.green() != b.green()) + (a.blue() != b.blue());
        EXPECT_EQ(changed, 1) << "between entries " << i << " and " << (i + 1) % 24;
        EXPECT_EQ(a.alpha(), 255);
    }
    // Built once: the same array on every call.
    EXPECT_EQ(&Color::hueColors24(), &circle);
}

TEST(Color, CssKeywords)
{
    EXPECT_EQ(Color::fromCssName(u"red").value(), 0xFFFF0000u);
    EXPECT_EQ(Color::fromCssName(u"transparent").value(), 0x00FFFFFFu);
    EXPECT_EQ(Color::fromCssName(u"cornflowerblue").value(), 0xFF6495EDu);
    EXPECT_EQ(Color::fromCssName(u"rebeccapurple").value(), 0xFFFF00FFu);
    // CSS's grey is lighter than its darkgray: the table keeps the standard's
    // odd values rather than "fixing" them.
    EXPECT_EQ(Color::fromCssName(u"gray").value(), 0xFF808080u);
    EXPECT_EQ(Color::fromCssName(u"darkgray").value(), 0xFFA9A9A9u);
    EXPECT_EQ(Color::fromCssName(u"aliceblue").value(), 0xFFF0F8FFu);
    EXPECT_EQ(Color::fromCssName(u"yellowgreen").value(), 0xFF9ACD32u);

    // Unknown, wrongly cased, "grey" spellings and empty names are magenta.
    const uint32_t magenta = 0xFFFF00FF;
    EXPECT_EQ(Color::fromCssName(u"Red").value(), magenta);
    EXPECT_EQ(Color::fromCssName(u"grey").value(), magenta);
    EXPECT_EQ(Color::fromCssName(u"darkslategrey").value(), magenta);
    EXPECT_EQ(Color::fromCssName(String()).value(), magenta);
    EXPECT_EQ(Color::fromCssName(u"red ").value(), magenta);
    EXPECT_EQ(Color::fromCssName(String(u"red\0x", 5)).value(), magenta);
}
